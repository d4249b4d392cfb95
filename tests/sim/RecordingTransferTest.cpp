// Page recordings end to end: the engines and kivtool over the QSerialPort
// adapter, a pseudo-terminal and the simulated unit; timing scaled down.
// Every expected file byte is written out here by hand.

#include "QtEnvironment.h"
#include "cli/TransferCommands.h"
#include "document/DocCommands.h"
#include "document/QelFile.h"
#include "support/FileBytes.h"
#include "support/PtyUnit.h"
#include "support/TempDir.h"
#include "unit/transfer/ReadRecordingEngine.h"
#include "unit/transfer/SendRecordingEngine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <filesystem>
#include <sys/resource.h>

using namespace kiv;
using namespace kiv::sim;
using namespace std::chrono;
namespace fs = std::filesystem;
using kiv::test::ReadAll;
using kiv::test::WriteAll;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct Prompt : PasswordPrompt {
    std::optional<std::string> Ask(const std::string&, const std::string&,
                                   const std::string& preset) override {
        presets.push_back(preset);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> presets;
};

struct StatusUi : CPlainTransferUi {
    void SetStatusText(const std::string& text) override { texts.push_back(text); }
    bool Saw(const std::string& text) const {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    std::vector<std::string> texts;
};

// A page recording file: identity "x", then B, r2, r1, U little-endian, a
// descriptor 0x40 + d, and B x r2 x U data bytes (k x 3 + 1).
Bytes RecordingFile(std::uint8_t blocks, std::uint8_t r2, std::uint16_t unitSize) {
    Bytes f(44, 0);
    f[0] = 'x';
    f.push_back(blocks);
    f.push_back(r2);
    f.push_back(0x07);
    f.push_back(static_cast<std::uint8_t>(unitSize & 0xFF));
    f.push_back(static_cast<std::uint8_t>(unitSize >> 8));
    for (int d = 0; d < 68; ++d)
        f.push_back(static_cast<std::uint8_t>(0x40 + d));
    const std::size_t data = static_cast<std::size_t>(blocks) * r2 * unitSize;
    for (std::size_t k = 0; k < data; ++k)
        f.push_back(static_cast<std::uint8_t>(k * 3 + 1));
    return f;
}

// The process's peak resident size so far.
long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

constexpr double kPauseScale = 0.05;

class Recordings : public test::PtyUnitTest {
  protected:
    void Start(CSimConfig config = {}) {
        StartUnit(std::move(config), kPauseScale);
        // Short enough for the time-out cases, long enough for a loaded machine.
        context.timing.second = milliseconds(500);
        sink.messages.clear();
        ui.texts.clear();
        prompt = Prompt{};
    }

    RecordingRequest Request() {
        RecordingRequest r;
        r.timeoutSeconds = 2;
        r.identVersion = "7.01";
        r.identMaker = "DKL";
        r.identDate = "07/12/2026";
        return r;
    }
    fs::path File(const std::string& name) const { return temp.Path() / name; }

    TransferEnd Read(const RecordingRequest& request) {
        CReadRecordingEngine engine(context, sink, ui, request);
        engine.Run();
        return engine.End();
    }
    TransferEnd Send(const RecordingRequest& request, std::vector<std::size_t>* blocks = nullptr) {
        if (prompt.answers.empty()) prompt.answers.push_back("1234");
        CSendRecordingEngine engine(context, sink, ui, prompt, request);
        engine.Run();
        if (blocks) *blocks = engine.BlocksSent();
        return engine.End();
    }

    CSimMemory::Recording Stored(int page) {
        return WithSim([page](CUnitSim& s) { return s.Memory().recordings.at(page); });
    }

    RecordingSink sink;
    StatusUi ui;
    Prompt prompt;
    test::CTempDir temp{"kiv-recordings"};
};

} // namespace

TEST_F(Recordings, ReadWritesEachChosenPageByOffset) {
    CSimConfig config;
    config.recordingSubBlocks = 2;
    config.recordingUnitSize = 256;
    config.recordings = {{27, 2}}; // page 31; page 46 (index 38) holds nothing
    Start(config);
    RecordingRequest request = Request();
    request.pageFiles[27] = File("p31").string();
    request.pageFiles[38] = File("p46").string();
    ASSERT_EQ(Read(request), TransferEnd::Completed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Dati Ricevuti"});
    EXPECT_TRUE(ui.Saw("Block 2 of 2 blocks"));

    Bytes expected(44, 0);
    const std::string id = "7.01DKL07/12/2026Script file";
    std::copy(id.begin(), id.end(), expected.begin());
    Bytes empty = expected;
    expected.insert(expected.end(), {2, 2, 0x07, 0x00, 0x01}); // B, r2, r1, U = 256 LE
    for (int d = 0; d < 68; ++d)
        expected.push_back(static_cast<std::uint8_t>(0xA0 + 27 + d));
    for (int k = 0; k < 2 * 2 * 256; ++k)
        expected.push_back(static_cast<std::uint8_t>(27 * 7 + k));
    EXPECT_EQ(ReadAll(File("p31")), expected);

    // A page with no recording: the header alone, 117 bytes.
    empty.insert(empty.end(), {0, 2, 0x07, 0x00, 0x01});
    for (int d = 0; d < 68; ++d)
        empty.push_back(0);
    EXPECT_EQ(ReadAll(File("p46")), empty);
    EXPECT_EQ(empty.size(), 117u);

    // The unit was asked by index, and the run ended with attention and "$$X".
    EXPECT_TRUE(Heard("page 27 read"));
    EXPECT_TRUE(Heard("page 38 read"));
    AwaitLast("E$$X");

    // Reading again into a longer file leaves no stale tail.
    WriteAll(File("p46"), Bytes(5000, 0xEE));
    request.pageFiles[27].clear();
    ASSERT_EQ(Read(request), TransferEnd::Completed);
    EXPECT_EQ(ReadAll(File("p46")), empty);
}

TEST_F(Recordings, ReadFailuresLeaveNoPartialFileAndSignOff) {
    struct Case {
        const char* name;
        SimFault fault;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"block checksum", {SimFault::Kind::Corrupt, 'N', 5, 1}, "Errore di Check Sum"},
        {"silent after $$I", {SimFault::Kind::Silence, 'I', 0, -1}, "Time-out Comunicazione"},
        {"short descriptor", {SimFault::Kind::Short, 'P', 30, -1}, "Time-out Comunicazione"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CSimConfig config;
        config.recordings = {{3, 2}};
        config.faults = {c.fault};
        Start(config);
        RecordingRequest request = Request();
        request.pageFiles[3] = File("p03").string();
        request.pageFiles[4] = File("p04").string();
        EXPECT_EQ(Read(request), TransferEnd::Failed);
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{c.message});
        EXPECT_FALSE(fs::exists(File("p03")));
        EXPECT_FALSE(fs::exists(File("p04"))); // the first failure ends the run
        EXPECT_EQ(std::distance(fs::directory_iterator(temp.Path()), fs::directory_iterator()), 0);
        AwaitLast("E$$X");
    }
}

TEST_F(Recordings, SendShowsUnitPageNumbersAndAdaptsTheBlocks) {
    // A file recorded with unit size 512 into a unit of 256: twice the blocks.
    CSimConfig config;
    config.recordingSubBlocks = 2;
    config.recordingUnitSize = 256;
    Start(config);
    const Bytes big = RecordingFile(3, 2, 512);
    WriteAll(File("a.31"), big);
    RecordingRequest request = Request();
    request.delay = 3;
    request.pageFiles[27] = File("a.31").string();
    std::vector<std::size_t> blocks;
    ASSERT_EQ(Send(request, &blocks), TransferEnd::Completed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Trasferimento completato con successo"});
    EXPECT_EQ(blocks, std::vector<std::size_t>{6});
    EXPECT_TRUE(ui.Saw("Pagina: 31"));
    EXPECT_TRUE(ui.Saw("Block 6 of 6 blocks"));
    CSimMemory::Recording stored = Stored(27);
    EXPECT_EQ(stored.blocks, 6);
    EXPECT_EQ(stored.data, Bytes(big.begin() + 117, big.end()));
    for (int d = 0; d < 68; ++d)
        EXPECT_EQ(stored.descriptor[static_cast<std::size_t>(d)], 0x40 + d);
    AwaitLast("$$X");

    // Five blocks of 256 into a unit of 512: three, the last half filled with zeros.
    config.recordingUnitSize = 512;
    Start(config);
    const Bytes small = RecordingFile(5, 2, 256);
    WriteAll(File("b.46"), small);
    request.pageFiles[27].clear();
    request.pageFiles[38] = File("b.46").string();
    ASSERT_EQ(Send(request, &blocks), TransferEnd::Completed);
    EXPECT_EQ(blocks, std::vector<std::size_t>{3});
    EXPECT_TRUE(ui.Saw("Pagina: 46"));
    EXPECT_TRUE(ui.Saw("Block 3 of 3 blocks"));
    stored = Stored(38);
    Bytes expected(small.begin() + 117, small.end());
    expected.resize(3 * 2 * 512, 0);
    EXPECT_EQ(stored.data, expected);
}

TEST_F(Recordings, SendRefusesWhatTheUnitCannotTake) {
    CSimConfig config;
    config.recordingSubBlocks = 1;
    config.recordingUnitSize = 16;
    // One chunk refused once: sent again, stored intact.
    config.faults = {{SimFault::Kind::Refuse, 'B', 'N', 1}};
    Start(config);
    WriteAll(File("short.01"), Bytes(100, 1)); // no whole header
    WriteAll(File("cut.02"), [] {
        Bytes f = RecordingFile(2, 1, 16);
        f.pop_back(); // one data byte missing
        return f;
    }());
    WriteAll(File("huge.03"), RecordingFile(5, 1, 1024)); // 320 blocks of 16: no byte holds it
    WriteAll(File("ok.04"), RecordingFile(2, 1, 16));
    // A header alone claiming 255 blocks of 255 units of 65535 bytes (4.2 GB).
    WriteAll(File("claim.05"), [] {
        Bytes f = RecordingFile(0, 1, 16);
        f[44] = 255;
        f[45] = 255;
        f[47] = 0xFF;
        f[48] = 0xFF;
        return f;
    }());
    // A sound file picked by mistake: its bytes 44 to 48 claim about 100 MB.
    WriteAll(File("wave.06"), [] {
        Bytes f(4000, 0x10);
        const std::string riff("RIFF\x9C\x0F\x00\x00WAVEfmt ", 16);
        std::copy(riff.begin(), riff.end(), f.begin());
        f[44] = 0x30;
        f[45] = 0x40;
        f[47] = 0x00;
        f[48] = 0x80;
        return f;
    }());

    // Wrong password: "$$X", the message, the prompt again with the last entry.
    // What a header claims is never held in memory: the process's peak grows
    // by far less than the 4.2 GB and 100 MB claimed.
    const long peakBefore = PeakKilobytes();
    prompt.answers = {"99", "1234"};
    for (const char* name : {"short.01", "cut.02", "huge.03", "claim.05", "wave.06"}) {
        SCOPED_TRACE(name);
        RecordingRequest request = Request();
        request.pageFiles[static_cast<std::size_t>(name[std::strlen(name) - 1] - '0')] =
            File(name).string();
        sink.messages.clear();
        EXPECT_EQ(Send(request), TransferEnd::Failed);
        EXPECT_EQ(sink.Texts().back(), "Il file selezionato non \xE8 compatibile con l'unit\xE0");
    }
    EXPECT_LT(PeakKilobytes() - peakBefore, 50 * 1024);
    EXPECT_EQ(prompt.presets, (std::vector<std::string>{"", "99", "", "", "", ""}));
    const auto log = Log();
    // Nothing of the refused files reached the unit: those holding less than
    // their headers claim were refused before "$$J", the huge one before its
    // page index.
    EXPECT_EQ(std::count(log.begin(), log.end(), "E$$J"), 1);
    EXPECT_EQ(WithSim([](CUnitSim& s) { return s.Memory().recordingsReceived; }), 0);

    RecordingRequest request = Request();
    request.pageFiles[4] = File("ok.04").string();
    sink.messages.clear();
    EXPECT_EQ(Send(request), TransferEnd::Completed) << ::testing::PrintToString(sink.Texts());
    EXPECT_TRUE(Heard("chunk refused"));
    const Bytes ok = RecordingFile(2, 1, 16);
    EXPECT_EQ(Stored(4).data, Bytes(ok.begin() + 117, ok.end()));

    // A page whose file cannot be opened is named before the message.
    request.pageFiles[4].clear();
    request.pageFiles[27] = File("missing.31").string();
    sink.messages.clear();
    ui.texts.clear();
    EXPECT_EQ(Send(request), TransferEnd::Failed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Impossibile aprire file output"});
    ASSERT_FALSE(ui.texts.empty());
    EXPECT_EQ(ui.texts.back(), "Pagina: 31");

    // Cancel at the password: nothing sent, the run stopped.
    prompt.answers = {std::nullopt};
    EXPECT_EQ(Send(request), TransferEnd::Stopped);
}

TEST_F(Recordings, KivtoolReadsAndSendsTheChosenPages) {
    CSimConfig config;
    config.recordings = {{5, 1}, {6, 1}};
    Start(config);
    CQelDoc doc;
    NewConfiguration(doc, 0);
    doc.pageFile[5] = File("p05").string();
    doc.pageFile[6] = File("p06").string();
    const std::string qel = File("unit.qel").string();
    RecordingSink saveSink;
    ASSERT_TRUE(SaveConfiguration(doc, qel, true, saveSink));
    const std::string device = Device();
    std::string err;
    EXPECT_EQ(RunTool(RunRecordingsCommand,
                      {"read", qel, "--device", device, "--pages", "6", "--timeout", "2"}, &err),
              0)
        << err;
    EXPECT_FALSE(fs::exists(File("p05")));
    EXPECT_EQ(ReadAll(File("p06")).size(), 117u + 2 * 256);
    EXPECT_NE(err.find("Dati Ricevuti"), std::string::npos);

    // A page without a file, a number that is no page, no password: usage errors.
    EXPECT_EQ(RunTool(RunRecordingsCommand, {"read", qel, "--device", device, "--pages", "7"}), 1);
    EXPECT_EQ(RunTool(RunRecordingsCommand, {"read", qel, "--device", device, "--pages", "28"}), 1);
    EXPECT_EQ(RunTool(RunRecordingsCommand, {"send", qel, "--device", device}), 1);

    // A wrong password is a refusal; the right one sends page 06 back.
    EXPECT_EQ(RunTool(RunRecordingsCommand,
                      {"send", qel, "--device", device, "--pages", "6", "--password", "9",
                       "--timeout", "2"},
                      &err),
              2);
    EXPECT_NE(err.find("Password errata"), std::string::npos) << err;
    EXPECT_EQ(RunTool(RunRecordingsCommand,
                      {"send", qel, "--device", device, "--pages", "6", "--password", "1234",
                       "--timeout", "2"},
                      &err),
              0)
        << err;
    EXPECT_NE(err.find("Pagina: 06"), std::string::npos) << err;
    EXPECT_EQ(WithSim([](CUnitSim& s) { return s.Memory().recordingsReceived; }), 1);
}
