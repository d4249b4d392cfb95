#include "document/DocCommands.h"
#include "document/DefaultFiles.h"
#include "document/ProductType.h"
#include "document/QelFile.h"
#include "document/Texts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kiv {
namespace {
namespace fs = std::filesystem;

struct CommandsTest : ::testing::Test {
    void SetUp() override {
        doc.startDir = dir.string();
        doc.currentDir = dir.string();
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }

    test::CTempDir tempDir{"kiv-doccmd"};
    const fs::path& dir = tempDir.Path();
    CQelDoc doc;
    RecordingSink sink;
};

TEST_F(CommandsTest, NamesAndFilters) {
    EXPECT_EQ(WithDefaultExtension("conf"), "conf.qel");
    EXPECT_EQ(WithDefaultExtension("/a.b/conf"), "/a.b/conf.qel");
    EXPECT_EQ(WithDefaultExtension("conf.ri2"), "conf.ri2");
    EXPECT_EQ(FileDialogFilter(2), "Files QEL (qel)(*.ri8)");
    EXPECT_EQ(FileDialogPattern(3), "*.ri2");
    EXPECT_EQ(SaveAsInitialName("Untitled", 1), "Untitled.dax");
    EXPECT_EQ(SaveAsInitialName("x.qel", 1), "x.qel");
    EXPECT_EQ(SaveChangesQuestion("a.qel"),
              "Volete salvare le modifiche che avete fatto in a.qel ?");
}

TEST_F(CommandsTest, NewAfterCancelIsAnUntitledLargeConfiguration) {
    doc.SetProductType(3);
    doc.mboxCount = 2;
    doc.readFromUnit = 1;
    doc.modified = true;
    NewConfiguration(doc, std::nullopt);
    EXPECT_EQ(doc.productType, 0);
    EXPECT_EQ(doc.slotLimit, 129);
    EXPECT_EQ(doc.title, "Untitled.qel");
    EXPECT_EQ(doc.mboxCount, 0);
    EXPECT_EQ(doc.readFromUnit, 0);
    EXPECT_FALSE(doc.modified);
    NewConfiguration(doc, 2);
    EXPECT_EQ(doc.title, "Untitled.ri8");
}

TEST_F(CommandsTest, OpenTakesTheTypeFromTheFileNotTheChoice) {
    CQelDoc source;
    source.mboxCount = 1;
    source.mailboxes[0].number = "123";
    Write("x.qel", StoreConfiguration(source));
    ApplyProductTypeChoice(doc, 3);
    EXPECT_TRUE(OpenConfiguration(doc, Path("x"), sink)); // typed without extension
    EXPECT_EQ(doc.productType, 0);
    EXPECT_EQ(doc.title, "x.qel");
    EXPECT_EQ(doc.mailboxes[0].number, "123");
    EXPECT_TRUE(sink.messages.empty());

    EXPECT_FALSE(OpenConfiguration(doc, Path("missing.qel"), sink));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kCannotOpenInput});
    EXPECT_EQ(doc.title, "x.qel");
}

TEST_F(CommandsTest, FirstSaveAsksForANameEvenOnce) {
    EXPECT_FALSE(SaveTarget(doc).has_value()); // the first save asks (and was cancelled)
    doc.title = "abc.ri2";
    doc.currentDir = dir.string();
    auto target = SaveTarget(doc);
    ASSERT_TRUE(target.has_value());
    EXPECT_EQ(*target, Path("abc.ri2"));
    doc.title = "plain";
    EXPECT_EQ(*SaveTarget(doc), Path("plain.qel"));
}

TEST_F(CommandsTest, SaveAsRenamesAndClearsTheModifiedFlag) {
    doc.modified = true;
    const auto written = SaveConfigurationAs(doc, Path("conf"), sink);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, Path("conf.qel"));
    EXPECT_EQ(doc.title, "conf.qel");
    EXPECT_FALSE(doc.modified);
    EXPECT_EQ(doc.currentDir, dir.string());
    EXPECT_FALSE(Read("conf.qel").empty());
}

TEST_F(CommandsTest, SaveFailingHalfWayKeepsThePreviousFile) {
    Write("keep.qel", "previous contents");
    // A child process whose files may not grow past 1000 bytes: the write of
    // the configuration fails half-way, as on a full disk.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        RecordingSink childSink;
        CQelDoc big;
        big.modified = true;
        big.mboxCount = 100;
        const bool saved = SaveConfiguration(big, Path("keep.qel"), false, childSink);
        const bool reported =
            childSink.Texts() == std::vector<std::string>{texts::kCannotOpenOutput};
        _exit(!saved && reported && big.modified ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Read("keep.qel"), "previous contents");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(CommandsTest, SaveIntoAFolderThatDoesNotExistFails) {
    doc.clockReference -= 3600; // a failed save must not move the clock
    const int hour = doc.clockHour;
    EXPECT_FALSE(SaveConfigurationAs(doc, Path("nowhere/x.qel"), sink).has_value());
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kCannotOpenOutput});
    EXPECT_EQ(doc.clockHour, hour);
}

TEST_F(CommandsTest, OpenDefaultReadsTheDefaultFileOfTheChosenType) {
    Write("default.ri8", MakeDefaultFile(2));
    doc.operatorKey = 4;
    doc.unitPassword = "1";
    OpenDefaultConfiguration(doc, 2, {dir.string()}, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc.productType, 2);
    EXPECT_EQ(doc.slotLimit, 9);
    EXPECT_EQ(doc.title, "default.ri8");
    EXPECT_EQ(doc.operatorKey, 0);
    EXPECT_EQ(doc.unitPassword, "6071");

    // Missing everywhere: the reset values stay and the message names Default.qel.
    OpenDefaultConfiguration(doc, 1, {dir.string()}, sink);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kDefaultCannotOpen});
    EXPECT_EQ(doc.productType, 1);
    EXPECT_EQ(doc.title, "default.dax");

    // A default file with too many mailboxes for the type is refused and reset.
    CQelDoc big;
    big.mboxCount = 3;
    Write("default.ri2", StoreConfiguration(big, StoreOptions{false, "6071"}));
    RecordingSink refused;
    OpenDefaultConfiguration(doc, 3, {Path("elsewhere"), dir.string()}, refused);
    EXPECT_EQ(refused.Texts(), std::vector<std::string>{texts::kFileIncompatible});
    EXPECT_EQ(doc.mboxCount, 0);
}

} // namespace
} // namespace kiv
