// Backup, restore and system initialization end to end: the engines over the
// QSerialPort adapter, a pseudo-terminal and the simulated unit's memory;
// timing scaled down.

#include "QtEnvironment.h"
#include "cli/TransferCommands.h"
#include "document/DocCommands.h"
#include "support/FileBytes.h"
#include "support/PtyUnit.h"
#include "support/TempDir.h"
#include "unit/transfer/BackupEngine.h"
#include "unit/transfer/RestoreEngine.h"
#include "unit/transfer/SysInitEngine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

using namespace kiv;
using namespace kiv::sim;
using namespace std::chrono;
namespace fs = std::filesystem;
using kiv::test::ReadAll;
using kiv::test::WriteAll;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr double kPauseScale = 0.05;
const std::string kIncompatible = "Il file selezionato non \xE8 compatibile con l'unit\xE0";
const std::string kAllLost = "Tutti i dati esistenti all'interno dell'unit\xE0 verranno persi";

// A small unit: 5 blocks of 2 units of 64 bytes, a page area of 1000 bytes.
CSimConfig SmallUnit() {
    CSimConfig c;
    c.memoryBlocks = 5;
    c.sectionBlocks = 2;
    c.blockSize = 64;
    c.pageAreaLength = 1000;
    return c;
}

class UnitFiles : public test::PtyUnitTest {
  protected:
    void Start(CSimConfig config = SmallUnit()) {
        StartUnit(std::move(config), kPauseScale);
        // The restore keeps its real pauses and the unit checks them at full
        // length; nothing else these exchanges send waits for a pause.
        context.timing.restorePause = CLinkTiming{}.restorePause;
        WithSim([](CUnitSim& s) { s.Config().pauseScale = 1.0; });
        context.timing.second = milliseconds(200);
        sink.messages.clear();
        sink.answers.clear();
    }

    static CQelDoc Doc(int type = 0) {
        CQelDoc doc;
        NewConfiguration(doc, type);
        doc.commTimeout = 2;
        doc.identDate = "07/12/2026";
        return doc;
    }
    template <class Engine> TransferEnd Run(const std::string& typed, int type = 0) {
        CQelDoc doc = Doc(type);
        Engine engine(context, sink, ui, doc, typed, dir.string());
        engine.Run();
        path = engine.Path();
        return engine.End();
    }
    // The memory as the unit holds it: its blocks, then its whole pages.
    std::vector<std::uint8_t> UnitMemory() {
        return WithSim([](CUnitSim& s) {
            std::vector<std::uint8_t> all;
            for (std::size_t k = 0; k < s.Config().memoryBlocks; ++k) {
                const auto block = s.MemoryBlock(k);
                all.insert(all.end(), block.begin(), block.end());
            }
            const auto& pages = s.PageArea();
            all.insert(all.end(), pages.begin(), pages.begin() + (pages.size() / 256) * 256);
            return all;
        });
    }

    test::CTempDir temp{"kiv-backup"};
    fs::path dir = temp.Path();
    std::string path;
    RecordingSink sink;
    CPlainTransferUi ui;
};

// The header of a backup of SmallUnit by Doc(), written out by hand.
std::vector<std::uint8_t> SmallUnitHeader() {
    const std::string identity = "7.01DKL07/12/2026WAX file(KIV)";
    std::vector<std::uint8_t> h(identity.begin(), identity.end());
    h.resize(44, 0);
    h.insert(h.end(), {5, 0, 2, 0, 64, 0, 0xE8, 0x03}); // N 5, K 2, U 64, A 1000
    return h;
}

TEST_F(UnitFiles, BackupCopiesBlocksAndWholePages) {
    Start();
    // A bare name: the current folder, the name and ".wax".
    EXPECT_EQ(Run<CBackupEngine>("unit"), TransferEnd::Completed);
    EXPECT_EQ(path, (dir / "unit.wax").string());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, "Dati Ricevuti");
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::Information);

    // A' of 1000 gives three pages of 256 bytes; the rest is not read.
    const auto file = ReadAll(dir / "unit.wax");
    ASSERT_EQ(file.size(), 52u + 5 * 128 + 3 * 256);
    const auto header = SmallUnitHeader();
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 52), header);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 52, file.end()), UnitMemory());

    AwaitLast("$$X");
    const std::vector<std::string> expected{"E$$R", "E$$V", "E$$R", "S", "S", "S",  "S",
                                            "S",    "E$$B", "S",    "S", "S", "$$X"};
    EXPECT_EQ(Log(), expected);
}

TEST_F(UnitFiles, BackupStopsAtABadChecksum) {
    CSimConfig config = SmallUnit();
    config.badChecksumSection = 2; // the second memory block
    Start(config);
    EXPECT_EQ(Run<CBackupEngine>("bad.wax"), TransferEnd::Failed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Errore di Check Sum"});
    // No partial backup is left behind.
    EXPECT_FALSE(fs::exists(dir / "bad.wax"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 0);
    EXPECT_FALSE(Heard("E$$B"));
    EXPECT_FALSE(Heard("$$X"));
}

TEST_F(UnitFiles, BackupRestoreBackupGivesTheSameFile) {
    Start();
    ASSERT_EQ(Run<CBackupEngine>("first"), TransferEnd::Completed);
    const auto first = ReadAll(dir / "first.wax");

    // Another unit of the same kind with other contents everywhere.
    CSimConfig other = SmallUnit();
    other.password = "98765";
    Start(other);
    WithSim([](CUnitSim& s) {
        s.Memory().blocks[3] = std::vector<std::uint8_t>(128, 0xA5);
        s.PageArea().assign(1000, 0x3C);
        return 0;
    });
    ASSERT_EQ(Run<CBackupEngine>("before"), TransferEnd::Completed);
    ASSERT_NE(ReadAll(dir / "before.wax"), first);

    sink.messages.clear();
    sink.answers = {MsgAnswer::Ok};
    ASSERT_EQ(Run<CRestoreEngine>("first"), TransferEnd::Completed) << sink.Texts().back();
    EXPECT_EQ(sink.messages[0].text, kAllLost);
    EXPECT_EQ(sink.messages[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(sink.messages.back().text, "Trasferimento completato con successo");
    EXPECT_EQ(sink.messages.back().icon, MsgIcon::Information);
    AwaitLast("$$X");
    EXPECT_EQ(WithSim([](CUnitSim& s) { return s.Memory().restoresReceived; }), 1);

    ASSERT_EQ(Run<CBackupEngine>("second"), TransferEnd::Completed);
    EXPECT_EQ(ReadAll(dir / "second.wax"), first);
}

// A restore that does not keep its pauses around the attention byte: the
// unit has lost that byte, leaves the restore header unanswered, and the
// restore fails before any data of the file has gone.
TEST_F(UnitFiles, RestoreWithoutItsPausesIsNotTaken) {
    Start();
    ASSERT_EQ(Run<CBackupEngine>("b"), TransferEnd::Completed);
    const auto before = UnitMemory();
    for (const milliseconds pause : {0ms, 20ms}) {
        SCOPED_TRACE(pause.count());
        Start();
        context.timing.restorePause = pause;
        sink.answers = {MsgAnswer::Ok};
        EXPECT_EQ(Run<CRestoreEngine>("b"), TransferEnd::Failed);
        EXPECT_EQ(sink.Texts().back(), "Time-out Comunicazione");
        EXPECT_TRUE(Heard("silent: pause not kept before the attention byte of the restore "
                          "(150 ms needed)"));
        EXPECT_FALSE(Heard("restore header"));
        EXPECT_EQ(WithSim([](CUnitSim& s) { return s.Memory().restoresReceived; }), 0);
        EXPECT_EQ(UnitMemory(), before);
    }
}

TEST_F(UnitFiles, RestoreResendsARefusedUnit) {
    Start();
    ASSERT_EQ(Run<CBackupEngine>("b"), TransferEnd::Completed);
    WithSim([](CUnitSim& s) {
        s.Config().faults.push_back({SimFault::Kind::Refuse, 'B', 'N', 1});
        return 0;
    });
    sink.answers = {MsgAnswer::Ok};
    EXPECT_EQ(Run<CRestoreEngine>("b"), TransferEnd::Completed);
    EXPECT_TRUE(Heard("unit refused"));
    const auto file = ReadAll(dir / "b.wax");
    EXPECT_EQ(UnitMemory(), std::vector<std::uint8_t>(file.begin() + 52, file.end()));
}

// A restore refused before any of its data: the message, "$$X", and neither
// the restore header nor a unit reached the unit.
TEST_F(UnitFiles, RestoreRefusesFilesThatDoNotFit) {
    Start();
    ASSERT_EQ(Run<CBackupEngine>("good"), TransferEnd::Completed);
    const auto good = ReadAll(dir / "good.wax");

    // A file this program cannot restore is its own fault (Failed); a file
    // that does not suit the unit's memory is the unit's refusal (Refused).
    struct Case {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&)> change;
        bool afterGeometry; // refused after the "$$S" reply
        TransferEnd end;
    } cases[] = {
        {"another program version", [](auto& f) { f[0] = '6'; }, false, TransferEnd::Failed},
        {"not this program's", [](auto& f) { f[25] = 'X'; }, false, TransferEnd::Failed},
        {"shorter than its header", [](auto& f) { f.resize(40); }, false, TransferEnd::Failed},
        {"another unit size", [](auto& f) { f[48] = 32; }, true, TransferEnd::Refused},
        {"another page area", [](auto& f) { f[50] = 0; }, true, TransferEnd::Refused},
        {"other units per block", [](auto& f) { f[46] = 1; }, true, TransferEnd::Refused},
        {"more blocks than the memory takes",
         [](auto& f) {
             // 2012 blocks, all of them in the file.
             f[44] = 0xDC, f[45] = 0x07;
             f.resize(52 + 2012 * 128 + 3 * 256, 0);
         },
         true, TransferEnd::Refused},
        {"fewer block bytes than it announces", [](auto& f) { f.resize(52 + 5 * 128 - 1); }, true,
         TransferEnd::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start();
        auto bytes = good;
        c.change(bytes);
        WriteAll(dir / "changed.wax", bytes);
        sink.answers = {MsgAnswer::Ok};
        EXPECT_EQ(Run<CRestoreEngine>("changed"), c.end);
        EXPECT_EQ(sink.Texts().back(), kIncompatible);
        EXPECT_EQ(Heard("E$$S"), c.afterGeometry);
        EXPECT_FALSE(Heard("restore header"));
        EXPECT_FALSE(Heard("unit refused"));
        if (!c.afterGeometry) {
            // Refused before the question; the exchange is signed off.
            EXPECT_EQ(sink.messages.size(), 1u);
            AwaitLast("$$X");
        }
    }

    // A page area cut short shows when the unit asks for its pages: none
    // of them is sent.
    Start();
    auto cut = good;
    cut.resize(cut.size() - 1);
    WriteAll(dir / "changed.wax", cut);
    sink.answers = {MsgAnswer::Ok};
    EXPECT_EQ(Run<CRestoreEngine>("changed"), TransferEnd::Failed);
    EXPECT_EQ(sink.Texts().back(), kIncompatible);
    EXPECT_EQ(WithSim([](CUnitSim& s) { return s.Memory().restoresReceived; }), 0);
    EXPECT_FALSE(Heard("restore stored"));
}

// A unit may hand out fewer pages ("$$B") than its status counts: the
// backup holds those, and the restore takes that file back, sending the
// pages the unit asks for ("$$E"). A unit that asks for more pages than the
// file's page area holds refuses it, with nothing of the pages sent.
TEST_F(UnitFiles, RestoreTakesWhatBackupWrote) {
    CSimConfig unit = SmallUnit();
    unit.pageAreaLength = 4096;
    unit.pagesLength = 1000; // 3 pages handed out and taken back
    Start(unit);
    ASSERT_EQ(Run<CBackupEngine>("fewer"), TransferEnd::Completed);
    auto expected = SmallUnitHeader();
    expected[50] = 0x00; // A 4096, as the status says
    expected[51] = 0x10;
    const auto written = ReadAll(dir / "fewer.wax");
    ASSERT_EQ(written.size(), 52u + 5 * 128 + 3 * 256);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), written.begin()));

    const auto pages = Bytes(written.end() - 3 * 256, written.end());
    Start(unit);
    sink.answers = {MsgAnswer::Ok};
    ASSERT_EQ(Run<CRestoreEngine>("fewer"), TransferEnd::Completed) << sink.Texts().back();
    EXPECT_EQ(WithSim([](CUnitSim& s) { return s.Memory().restoresReceived; }), 1);
    EXPECT_EQ(WithSim([](CUnitSim& s) {
                  return Bytes(s.PageArea().begin(), s.PageArea().begin() + 3 * 256);
              }),
              pages);

    // The same unit asking for 5 pages: more than the file holds, but within
    // the page area its header names: the file is short (kivtool exit 1).
    unit.pagesLength = 5 * 256;
    Start(unit);
    std::string err;
    EXPECT_EQ(RunTool(RunRestoreCommand,
                      {(dir / "fewer").string(), "--device", Device(), "--yes", "--timeout", "2"},
                      &err),
              1)
        << err;
    EXPECT_NE(err.find(kIncompatible.substr(0, 20)), std::string::npos) << err;
    EXPECT_FALSE(Heard("restore stored"));
}
TEST_F(UnitFiles, RestoreEndsQuietlyOnCancelAndRefusesAnotherProduct) {
    Start();
    ASSERT_EQ(Run<CBackupEngine>("b"), TransferEnd::Completed);
    Start();
    sink.answers = {MsgAnswer::Cancel};
    EXPECT_EQ(Run<CRestoreEngine>("b"), TransferEnd::Stopped);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{kAllLost});
    AwaitLast("$$X");
    EXPECT_EQ(Log(), (std::vector<std::string>{"E$$R", "E$$V", "$$X"}));

    // No file of that name: the message, then "$$X".
    Start();
    EXPECT_EQ(Run<CRestoreEngine>("missing"), TransferEnd::Failed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Impossibile aprire file output"});
    AwaitLast("$$X");

    CSimConfig small = SmallUnit();
    small.productCode = 18;
    Start(small);
    EXPECT_EQ(Run<CRestoreEngine>("b"), TransferEnd::Refused);
    EXPECT_EQ(sink.Texts(),
              std::vector<std::string>{
                  "Tipo Prodotto errato. Il dispositivo connesso \xE8 del tipo RZ 2 Mbx"});
    AwaitLast("$$X");
}

TEST_F(UnitFiles, SystemInitializationLoadsTheImage) {
    Start();
    // Version 5.1.0, two blocks of two units of 64 bytes.
    std::vector<std::uint8_t> image{5, 1, 0, 2, 0};
    for (int k = 0; k < 256; ++k)
        image.push_back(static_cast<std::uint8_t>(255 - k));
    WriteAll(dir / "system.vox", image);
    sink.answers = {MsgAnswer::Ok};
    EXPECT_EQ(Run<CSysInitEngine>("system"), TransferEnd::Completed);
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{
                                kAllLost, "Prego resettare l'unit\xE0 prima di spedirgli i dati"}));
    EXPECT_EQ(sink.messages.back().icon, MsgIcon::Information);
    EXPECT_EQ(Log(), (std::vector<std::string>{"E$$R", "E$$V", "$$S", "system image header",
                                               "system image stored"}));
    WithSim([&image](CUnitSim& s) {
        EXPECT_EQ(s.MemoryBlock(0),
                  std::vector<std::uint8_t>(image.begin() + 5, image.begin() + 133));
        EXPECT_EQ(s.MemoryBlock(1), std::vector<std::uint8_t>(image.begin() + 133, image.end()));
        return 0;
    });

    // A file shorter than the units it announces: nothing after the geometry.
    image.pop_back();
    WriteAll(dir / "short.vox", image);
    Start();
    sink.answers = {MsgAnswer::Ok};
    EXPECT_EQ(Run<CSysInitEngine>("short"), TransferEnd::Failed);
    EXPECT_EQ(sink.Texts().back(), kIncompatible);
    EXPECT_EQ(Log(), (std::vector<std::string>{"E$$R", "E$$V", "$$S"}));

    // A unit that takes no system image says so with 0x0E.
    CSimConfig refusing = SmallUnit();
    refusing.faults.push_back({SimFault::Kind::WrongFirst, 'R', 0x0E, -1});
    Start(refusing);
    sink.answers = {MsgAnswer::Ok};
    EXPECT_EQ(Run<CSysInitEngine>("system"), TransferEnd::Refused);
    EXPECT_EQ(sink.Texts().back(), "Versione Errata");
    EXPECT_EQ(Log(), (std::vector<std::string>{"E$$R"}));

    // Cancel at the question: nothing is sent.
    Start();
    EXPECT_EQ(Run<CSysInitEngine>("system"), TransferEnd::Stopped);
    EXPECT_TRUE(Log().empty());
}

TEST_F(UnitFiles, Kivtool) {
    Start();
    const std::string device = Device();
    std::string err;
    const std::string wax = (dir / "tool").string();
    EXPECT_EQ(RunTool(RunBackupCommand, {"--device", device, "-o", wax, "--timeout", "2"}, &err),
              0);
    EXPECT_NE(err.find("Block 5 of 5 blocks"), std::string::npos) << err;
    EXPECT_NE(err.find("Page 3 of 3 pages"), std::string::npos) << err;
    ASSERT_TRUE(fs::exists(wax + ".wax"));
    // Without --yes the question is answered Cancel: refused by the user.
    EXPECT_EQ(RunTool(RunRestoreCommand, {wax, "--device", device, "--timeout", "2"}, &err), 2);
    EXPECT_NE(err.find("verranno persi [Cancel]"), std::string::npos) << err;
    EXPECT_EQ(
        RunTool(RunRestoreCommand, {wax, "--device", device, "--yes", "--timeout", "2"}, &err), 0);
    EXPECT_NE(err.find("Trasferimento completato con successo"), std::string::npos) << err;
    EXPECT_EQ(RunTool(RunInitCommand, {(dir / "none").string(), "--device", device, "--yes"}, &err),
              1);
    EXPECT_NE(err.find("Impossibile aprire file output"), std::string::npos) << err;
    EXPECT_EQ(RunTool(RunBackupCommand, {"--device", device}, nullptr), 1);
    EXPECT_EQ(RunTool(RunBackupCommand, {"-o", wax, "--device", "/nonexistent/tty"}, &err), 1);
    EXPECT_NE(err.find("Impossibile aprire la porta COM"), std::string::npos) << err;

    // The unit's answer shows another memory: refused by the unit, exit 2.
    // Another unit size, another page area in the status, more pages asked
    // for than the file's page area.
    for (auto change : std::vector<std::function<void(CSimConfig&)>>{
             [](CSimConfig& c) { c.blockSize = 32; },
             [](CSimConfig& c) { c.pageAreaLength = 2048; },
             [](CSimConfig& c) { c.pagesLength = 4096; }}) {
        CSimConfig other = SmallUnit();
        change(other);
        Start(other);
        EXPECT_EQ(RunTool(RunRestoreCommand, {wax, "--device", Device(), "--yes", "--timeout", "2"},
                          &err),
                  2)
            << err;
        EXPECT_NE(err.find("Il file selezionato non"), std::string::npos) << err;
        EXPECT_FALSE(Heard("restore stored"));
    }
}

} // namespace
