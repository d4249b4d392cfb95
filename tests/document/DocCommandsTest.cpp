#include "document/DocCommands.h"
#include "document/DefaultFiles.h"
#include "document/ProductType.h"
#include "document/QelFile.h"
#include "document/Texts.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
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
    ino_t Inode(const std::string& name) const {
        struct stat st {};
        return ::stat(Path(name).c_str(), &st) == 0 ? st.st_ino : 0;
    }
    fs::perms Mode(const std::string& name) const {
        return fs::status(dir / name).permissions() & fs::perms::all;
    }
    std::vector<std::string> Files(const fs::path& folder) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
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
    EXPECT_EQ(WithDefaultExtension("conf", 2), "conf.ri8");
    EXPECT_EQ(WithDefaultExtension("/a.b/conf", 3), "/a.b/conf.ri2");
    EXPECT_EQ(WithDefaultExtension("conf.qel", 1), "conf.qel");
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

TEST_F(CommandsTest, OpenAppliesTheChosenTypeOnlyToAFileItReads) {
    doc.mboxCount = 50;
    doc.readFromUnit = 1;
    doc.title = "big.qel";
    // "RZ 2 Mbx" chosen, but the file cannot be read: nothing changes.
    EXPECT_FALSE(OpenConfiguration(doc, Path("absent.ri2"), sink, 3));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kCannotOpenInput});
    EXPECT_EQ(doc.productType, 0);
    EXPECT_EQ(doc.slotLimit, 129);
    EXPECT_EQ(doc.readFromUnit, 1);
    EXPECT_EQ(doc.mboxCount, 50);
    EXPECT_EQ(doc.title, "big.qel");

    // A file that is read takes the choice.
    CQelDoc source;
    source.mboxCount = 2;
    Write("two.ri8", StoreConfiguration(source));
    EXPECT_TRUE(OpenConfiguration(doc, Path("two.ri8"), sink, 3));
    EXPECT_EQ(doc.productType, 2);
    EXPECT_EQ(doc.readFromUnit, 0);
}

TEST_F(CommandsTest, ARefusedFileLeavesTheConfigurationAsItWas) {
    // 50 mailboxes on a "RZ 128 Mbx" configuration, then files that are
    // refused half-way: a foreign extension, and too many mailboxes for the
    // type of the extension. Neither may leave "RZ 2 Mbx" over 50 mailboxes.
    doc.mboxCount = 50;
    doc.mailboxes[49].number = "149";
    doc.readFromUnit = 1;
    doc.title = "big.qel";
    doc.operatorDayExt = "21";
    const std::string before = StoreConfiguration(doc);

    CQelDoc source;
    source.operatorDayExt = "99";
    Write("copy.txt", StoreConfiguration(source));
    source.mboxCount = 3;
    Write("three.ri2", StoreConfiguration(source));
    for (const char* name : {"copy.txt", "three.ri2"}) {
        RecordingSink refused;
        EXPECT_FALSE(OpenConfiguration(doc, Path(name), refused, 3)) << name;
        EXPECT_EQ(refused.Texts(), std::vector<std::string>{texts::kFileIncompatible}) << name;
        EXPECT_EQ(doc.productType, 0) << name;
        EXPECT_EQ(doc.slotLimit, 129) << name;
        EXPECT_EQ(doc.readFromUnit, 1) << name;
        EXPECT_EQ(doc.title, "big.qel") << name;
        EXPECT_EQ(doc.operatorDayExt, "21") << name;
        EXPECT_EQ(StoreConfiguration(doc), before) << name;
    }
}

TEST_F(CommandsTest, SaveAsWithABareNameTakesTheExtensionOfTheProductType) {
    doc.SetProductType(2);
    doc.mboxCount = 8;
    for (int i = 0; i < 8; ++i)
        doc.mailboxes[i].number = std::to_string(200 + i);
    const auto written = SaveConfigurationAs(doc, Path("conf"), sink);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, Path("conf.ri8"));
    EXPECT_EQ(doc.title, "conf.ri8");
    EXPECT_EQ(Files(dir), std::vector<std::string>{"conf.ri8"});
    // The next save goes to the same file, which reopens as the same type.
    doc.neverSaved = false;
    EXPECT_EQ(SaveTarget(doc), Path("conf.ri8"));
    CQelDoc reopened;
    EXPECT_TRUE(OpenConfiguration(reopened, Path("conf.ri8"), sink));
    EXPECT_EQ(reopened.productType, 2);
    EXPECT_EQ(reopened.mboxCount, 8);
    EXPECT_TRUE(sink.messages.empty());
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

TEST_F(CommandsTest, SaveThroughALinkReplacesTheFileItNamesAndKeepsItsMode) {
    fs::create_directories(dir / "real");
    Write("real/site.qel", "previous contents");
    fs::permissions(dir / "real/site.qel", fs::perms(0604));
    fs::create_symlink("real/site.qel", dir / "site.qel");   // relative
    fs::create_symlink(dir / "site.qel", dir / "again.qel"); // absolute, to a link
    ASSERT_TRUE(WriteFileReplacing(Path("again.qel"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir / "again.qel"));
    EXPECT_TRUE(fs::is_symlink(dir / "site.qel"));
    EXPECT_EQ(Read("real/site.qel"), "new");
    EXPECT_EQ(Mode("real/site.qel"), fs::perms(0604));

    // A link to a file not there yet makes that file.
    fs::create_symlink("real/fresh.qel", dir / "fresh.qel");
    ASSERT_TRUE(WriteFileReplacing(Path("fresh.qel"), "fresh"));
    EXPECT_TRUE(fs::is_symlink(dir / "fresh.qel"));
    EXPECT_EQ(Read("real/fresh.qel"), "fresh");

    // Links in a loop name no file.
    fs::create_symlink("loop2", dir / "loop1");
    fs::create_symlink("loop1", dir / "loop2");
    EXPECT_FALSE(WriteFileReplacing(Path("loop1"), "x"));
    EXPECT_EQ((std::vector<std::string>{"fresh.qel", "site.qel"}), Files(dir / "real"));
    EXPECT_EQ(
        (std::vector<std::string>{"again.qel", "fresh.qel", "loop1", "loop2", "real", "site.qel"}),
        Files(dir));
}

TEST_F(CommandsTest, AFolderWithoutRoomForANewFileGetsTheFileRewrittenInPlace) {
    // The probe stands in for a folder the process may not write in (root
    // may write anywhere, so the modes alone cannot show it here).
    Write("site.qel", std::string(5000, 'o'));
    fs::permissions(dir / "site.qel", fs::perms(0640));
    const ino_t inode = Inode("site.qel");
    ASSERT_TRUE(WriteFileReplacing(Path("site.qel"), "short", WriteProbe{std::nullopt, false}));
    EXPECT_EQ(Read("site.qel"), "short");
    EXPECT_EQ(Inode("site.qel"), inode) << "the same file, not a replacement";
    EXPECT_EQ(Mode("site.qel"), fs::perms(0640));
    // With no file to rewrite there is nothing to do.
    EXPECT_FALSE(WriteFileReplacing(Path("absent.qel"), "x", WriteProbe{std::nullopt, false}));
    EXPECT_EQ(Files(dir), std::vector<std::string>{"site.qel"});

    // A file that may not be written is left alone, whatever the folder.
    EXPECT_FALSE(WriteFileReplacing(Path("site.qel"), "other", WriteProbe{false, std::nullopt}));
    EXPECT_FALSE(WriteFileReplacing(Path("site.qel"), "other", WriteProbe{false, false}));
    EXPECT_EQ(Read("site.qel"), "short");

    // Through the save command the refusal is the usual message.
    doc.modified = true;
    fs::permissions(dir / "site.qel", fs::perms(0444));
    if (::geteuid() != 0) {
        EXPECT_FALSE(SaveConfiguration(doc, Path("site.qel"), false, sink));
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kCannotOpenOutput});
        EXPECT_TRUE(doc.modified);
        EXPECT_EQ(Read("site.qel"), "short");
    }
}

TEST_F(CommandsTest, AReadOnlyFolderWithAWritableFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which writes in a read-only folder anyway; "
                        "AFolderWithoutRoomForANewFileGetsTheFileRewrittenInPlace covers the "
                        "route through its probe";
    Write("site.qel", "previous");
    fs::permissions(dir, fs::perms(0555));
    const bool saved = SaveConfiguration(doc, Path("site.qel"), false, sink);
    fs::permissions(dir, fs::perms(0755));
    EXPECT_TRUE(saved);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(Files(dir), std::vector<std::string>{"site.qel"});
    CQelDoc reopened;
    EXPECT_TRUE(OpenConfiguration(reopened, Path("site.qel"), sink));
}

TEST_F(CommandsTest, AnInPlaceRewriteFailingHalfWayPutsThePreviousContentsBack) {
    const std::string previous(600, 'p');
    Write("keep.qel", previous);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Files may not grow past 1000 bytes: the rewrite of 20000 fails after
        // it has overwritten the old contents.
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool written = WriteFileReplacing(Path("keep.qel"), std::string(20000, 'n'),
                                                WriteProbe{std::nullopt, false});
        _exit(written ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(Read("keep.qel"), previous);
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

TEST(DataFolders, StartFolderThenProgramFolderThenInstalledData) {
    EXPECT_EQ(DataFolders("/home/ada/work", "/usr/bin"),
              (std::vector<std::string>{"/home/ada/work", "/usr/bin", "/usr/share/kiv"}));
    // Started in its own folder: each folder once.
    EXPECT_EQ(DataFolders("/opt/kiv/bin", "/opt/kiv/bin"),
              (std::vector<std::string>{"/opt/kiv/bin", "/opt/kiv/share/kiv"}));
    EXPECT_EQ(DataFolders("/tmp/w", ""), std::vector<std::string>{"/tmp/w"});
}

} // namespace
} // namespace kiv
