// Every transfer that writes a file, in the program and through kivtool,
// failed at each stage (the port, the unit's identity, the middle of the
// data): the file it would have written stays byte for byte as it was and
// nothing else is left beside it. A transfer that succeeds replaces the file
// whole and keeps its permission bits.

#include "QtEnvironment.h"
#include "cli/TransferCommands.h"
#include "document/DocCommands.h"
#include "support/FileBytes.h"
#include "support/PtyUnit.h"
#include "support/TempDir.h"
#include "unit/transfer/BackupEngine.h"
#include "unit/transfer/ReadRecordingEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

using namespace kiv;
using namespace kiv::sim;
namespace fs = std::filesystem;
using kiv::test::ReadAll;
using kiv::test::WriteAll;
using Bytes = std::vector<std::uint8_t>;

namespace {

// A unit of little memory holding a recording of two blocks on page 03.
CSimConfig SmallUnit() {
    CSimConfig c;
    c.memoryBlocks = 2;
    c.pageAreaLength = 512;
    c.recordings = {{3, 2}};
    return c;
}

struct Stage {
    const char* name;
    std::function<void(CSimConfig&)> unit;
    bool noPort = false;
};

const std::vector<Stage> kStages = {
    {"port cannot be opened", [](CSimConfig&) {}, true},
    {"another product type", [](CSimConfig& c) { c.productCode = 18; }},
    {"another version",
     [](CSimConfig& c) {
         c.version = {6, 5, 0};
     }},
    // A data block (memory, recording or section) with a bad checksum, or
    // cut short so that the line falls silent.
    {"checksum in the middle",
     [](CSimConfig& c) {
         c.faults = {{SimFault::Kind::Corrupt, 'N', 5, 1}};
     }},
    {"silence in the middle",
     [](CSimConfig& c) {
         c.faults = {{SimFault::Kind::Short, 'N', 10, -1}};
     }},
};

// The transfers that write a file: each writes `target` in the folder.
struct Kind {
    const char* name;
    const char* target;
};
const std::vector<Kind> kKinds = {
    {"backup", "unit.wax"},         {"recording read", "p03"},
    {"kivtool backup", "unit.wax"}, {"kivtool recordings read", "p03"},
    {"kivtool read", "unit.qel"},
};

class KeptFile : public test::PtyUnitTest {
  protected:
    void Start(const Stage& stage) {
        CSimConfig config = SmallUnit();
        stage.unit(config);
        StartUnit(std::move(config), 0.05);
        context.timing.second = std::chrono::milliseconds(200);
        if (stage.noPort) context.ports = CPortResolver((dir / "no-such-tty").string());
        sink.messages.clear();
    }
    std::string DeviceOption(const Stage& stage) const {
        return stage.noPort ? (dir / "no-such-tty").string() : Device();
    }

    // Runs one kind of transfer; true when it completed.
    bool Run(const Kind& kind, const Stage& stage) {
        CQelDoc doc;
        NewConfiguration(doc, 0);
        doc.commTimeout = 1;
        doc.pageFile[3] = (dir / "p03").string();
        const std::string name = kind.name;
        if (name == "backup") {
            CBackupEngine engine(context, sink, ui, doc, "unit", dir.string());
            engine.Run();
            return engine.Succeeded();
        }
        if (name == "recording read") {
            CReadRecordingEngine engine(context, sink, ui, RecordingRequest::From(doc, 0));
            engine.Run();
            return engine.Succeeded();
        }
        const std::string device = DeviceOption(stage);
        std::string err;
        int status = -1;
        if (name == "kivtool backup") {
            status = RunTool(RunBackupCommand,
                             {"-o", (dir / "unit").string(), "--device", device, "--timeout", "1"},
                             &err);
        } else if (name == "kivtool recordings read") {
            const std::string qel = (dir / "pages.qel").string();
            RecordingSink saveSink;
            EXPECT_TRUE(SaveConfiguration(doc, qel, true, saveSink));
            status = RunTool(RunRecordingsCommand,
                             {"read", qel, "--device", device, "--timeout", "1"}, &err);
        } else {
            status = RunTool(
                RunReadCommand,
                {"-o", (dir / "unit.qel").string(), "--device", device, "--timeout", "1"}, &err);
        }
        messagesSeen = err;
        return status == 0;
    }

    std::set<std::string> Listing() const {
        std::set<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.insert(e.path().filename().string());
        return names;
    }

    test::CTempDir temp{"kiv-kept"};
    fs::path dir = temp.Path();
    RecordingSink sink;
    CPlainTransferUi ui;
    std::string messagesSeen;
};

} // namespace

TEST_F(KeptFile, FailedTransfersKeepThePreviousFileAndLeaveNothingBeside) {
    Bytes previous(3000);
    for (std::size_t k = 0; k < previous.size(); ++k)
        previous[k] = static_cast<std::uint8_t>(k * 13 + 5);
    for (const Kind& kind : kKinds) {
        for (const Stage& stage : kStages) {
            SCOPED_TRACE(std::string(kind.name) + ", " + stage.name);
            Start(stage);
            const fs::path target = dir / kind.target;
            WriteAll(target, previous);
            const std::set<std::string> before = Listing();
            EXPECT_FALSE(Run(kind, stage)) << ::testing::PrintToString(sink.Texts());
            EXPECT_EQ(ReadAll(target), previous);
            std::set<std::string> after = Listing();
            after.erase("pages.qel"); // the configuration the kivtool run names
            EXPECT_EQ(after, before);
            fs::remove(target);
            fs::remove(dir / "pages.qel");
        }
    }
}

TEST_F(KeptFile, SuccessReplacesTheWholeFileAndKeepsItsMode) {
    const Stage fine{"none", [](CSimConfig&) {}};
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        Start(fine);
        const fs::path target = dir / kind.target;
        WriteAll(target, Bytes(200000, 0xEE)); // longer than anything the unit gives
        fs::permissions(target,
                        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        ASSERT_TRUE(Run(kind, fine)) << ::testing::PrintToString(sink.Texts()) << messagesSeen;
        const Bytes written = ReadAll(target);
        ASSERT_GE(written.size(), 44u);
        EXPECT_LT(written.size(), 200000u);
        EXPECT_NE(written[written.size() - 1], 0xEE);
        EXPECT_EQ(fs::status(target).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        std::set<std::string> after = Listing();
        after.erase("pages.qel");
        EXPECT_EQ(after, std::set<std::string>{kind.target});
        fs::remove(target);
        fs::remove(dir / "pages.qel");
    }
}
