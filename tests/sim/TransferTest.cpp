// Read Parameters and Send Parameters end to end: the engines over the
// QSerialPort adapter, a pseudo-terminal, and the simulated unit with its
// memory; timing scaled down.

#include "QtEnvironment.h"
#include "cli/TransferCommands.h"
#include "document/ConfigJson.h"
#include "document/DocCommands.h"
#include "document/QelFile.h"
#include "support/PtyUnit.h"
#include "support/TempDir.h"
#include "unit/transfer/ReadParamEngine.h"
#include "unit/transfer/SendParamEngine.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <set>
#include <thread>
#include <unistd.h>

using namespace kiv;
using namespace kiv::sim;
using namespace std::chrono;
namespace fs = std::filesystem;

namespace {

struct ScriptedPrompt : PasswordPrompt {
    std::optional<std::string> Ask(const std::string& caption, const std::string& prompt,
                                   const std::string& preset) override {
        EXPECT_EQ(caption, "Password");
        EXPECT_EQ(prompt, "Digitare la Password");
        presets.push_back(preset);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> presets;
};

const std::string kDone = "Trasferimento completato con successo";
constexpr double kPauseScale = 0.05;

class Transfer : public test::PtyUnitTest {
  protected:
    void Start(CSimConfig config = {}) {
        // The unit needs its pauses, scaled like the system's.
        StartUnit(std::move(config), kPauseScale);
        context.timing.second = milliseconds(200);
        sink.messages.clear();
        sink.answers.clear();
        prompt = ScriptedPrompt{};
    }

    // A fresh configuration of a product type, with a short time-out.
    static CQelDoc Doc(int type = 0) {
        CQelDoc doc;
        NewConfiguration(doc, type);
        doc.commTimeout = 2;
        return doc;
    }
    static void AddMailbox(CQelDoc& doc, const std::string& number, std::uint8_t slot = 255) {
        MboxRecord& m = doc.mailboxes[static_cast<std::size_t>(doc.mboxCount++)];
        m = MboxRecord{};
        m.number = number;
        m.password = "1111";
        m.phone = "";
        m.pager = "";
        m.slot = slot;
    }

    TransferEnd Read(CQelDoc& doc) {
        CReadParamEngine engine(context, sink, ui, doc);
        engine.Run();
        engine.ApplyTo(doc);
        return engine.End();
    }
    TransferEnd Send(CQelDoc& doc, std::string password = "1234") {
        if (prompt.answers.empty()) prompt.answers.push_back(password);
        CSendParamEngine engine(context, sink, ui, prompt, doc);
        engine.Run();
        engine.ApplyTo(doc);
        return engine.End();
    }

    RecordingSink sink;
    CPlainTransferUi ui;
    ScriptedPrompt prompt;
};

CSimConfig UnitWith(std::vector<std::string> mailboxes) {
    CSimConfig c;
    c.mailboxes = std::move(mailboxes);
    return c;
}

std::string Stored(CQelDoc& doc) {
    StoreOptions options;
    options.advanceClock = false;
    return StoreConfiguration(doc, options);
}

} // namespace

TEST_F(Transfer, ReadTakesTheUnitsConfiguration) {
    CSimConfig config = UnitWith({"101", "102", "103"});
    config.calls = {5, 6, 7, 300};
    config.messagesPerMailbox = 2;
    config.languages = {4, 255, 7};
    config.version = {7, 3, 1};
    Start(config);
    CQelDoc doc = Doc();
    EXPECT_EQ(Read(doc), TransferEnd::Completed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Dati Ricevuti"});
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(doc.readFromUnit, 1);
    EXPECT_EQ(doc.mboxCount, 3);
    EXPECT_EQ(doc.mailboxes[2].number, "103");
    EXPECT_EQ(doc.mailboxes[2].slot, 2);
    EXPECT_EQ(doc.msgCount, 6);
    EXPECT_EQ(doc.callsPerLine, (std::array<std::int32_t, 4>{5, 6, 7, 300}));
    EXPECT_EQ(doc.languageCode, (std::array<std::int32_t, 3>{4, 255, 7}));
    EXPECT_EQ(doc.unitVersion, "731");
    EXPECT_EQ(doc.unitStatus[8], 32);
    EXPECT_EQ(doc.unitPassword, "1234"); // from the image
    // The unit clock (09:00 on Monday 5 January 2026), a moment later.
    EXPECT_EQ(doc.clockYear, 2026);
    EXPECT_EQ(doc.clockDay, 5);
    EXPECT_EQ(doc.clockHour, 9);
    EXPECT_EQ(doc.clockWeekday, 1);
    AwaitLast("$$X");

    // A unit without mailboxes empties the list.
    Start();
    EXPECT_EQ(Read(doc), TransferEnd::Completed);
    EXPECT_EQ(doc.mboxCount, 0);
    EXPECT_EQ(doc.msgCount, 0);
}

TEST_F(Transfer, FailedReadLeavesTheDocumentAlone) {
    struct Case {
        const char* name;
        CSimConfig config;
        std::string message;
    };
    CSimConfig badFirst = UnitWith({"101"}), badSecond = UnitWith({"101"}),
               oneByte = UnitWith({"101"}), longer = UnitWith({"101"}), silent = UnitWith({"101"}),
               tooMany = UnitWith({"1", "2", "3"}),
               tooManyOf8 = UnitWith({"11", "12", "13", "14", "15", "16", "17", "18", "19"});
    badFirst.badChecksumSection = 1;
    badSecond.badChecksumSection = 2;
    oneByte.mailboxSectionLength = 1;
    longer.mailboxSectionLength = 7 + 233 + 2 + 1 + 4 * 21 + 8 + 1;
    silent.faults = {{SimFault::Kind::Silence, 'C', 0, -1}};
    tooMany.productCode = 18;    // a 2-mailbox unit holding three
    tooManyOf8.productCode = 17; // an 8-mailbox unit holding nine
    const std::string tooShort = "La lunghezza dei dati letti \xE8 troppo breve: ";
    Case cases[] = {
        {"checksum 1", badFirst, "Errore di Check Sum"},
        {"checksum 2", badSecond, "Errore di Check Sum"},
        {"section of one byte", oneByte, tooShort},
        {"bytes after the counters", longer, tooShort},
        {"no mailbox section", silent, "Time-out Comunicazione"},
        {"more mailboxes than the product holds", tooMany,
         "Non si possono definire pi\xF9 di 2 Caselle Vocali"},
        {"nine mailboxes in an 8-mailbox unit", tooManyOf8,
         "Non si possono definire pi\xF9 di 8 Caselle Vocali"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start(c.config);
        CQelDoc doc = Doc(c.config.productCode == 18 ? 3 : c.config.productCode == 17 ? 2 : 0);
        AddMailbox(doc, "555", 0);
        doc.operatorKey = 7;
        const std::string before = Stored(doc);
        EXPECT_EQ(Read(doc), TransferEnd::Failed);
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(Stored(doc), before);
        EXPECT_EQ(doc.readFromUnit, 0);
        EXPECT_EQ(Count("$$X"), 0u); // a failed reading leaves the unit without "$$X"
    }
}

TEST_F(Transfer, AnotherProductTypeIsAdoptedOnlyWhenTheUserAgrees) {
    CSimConfig config = UnitWith({"11"});
    config.productCode = 22; // RZ 2 Mbx
    config.badChecksumSection = 2;
    Start(config);
    const std::string question = "Il dispositivo connesso \xE8 del tipo RZ 2 Mbx, Vuoi continuare?";

    // No: nothing is read and nothing changes.
    CQelDoc doc = Doc(0);
    EXPECT_EQ(Read(doc), TransferEnd::Stopped);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{question});
    EXPECT_EQ(sink.messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(sink.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(doc.productType, 0);
    EXPECT_EQ(Count("S"), 0u);

    // Yes: the type changes at once and stays even though the reading then fails.
    sink.messages.clear();
    sink.answers = {MsgAnswer::Yes};
    int announced = -1;
    CReadParamEngine engine(context, sink, ui, doc);
    engine.onProductTypeAdopted = [&announced](int type) { announced = type; };
    EXPECT_EQ(engine.Run(), 1);
    engine.ApplyTo(doc);
    EXPECT_EQ(announced, 3);
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{question, "Errore di Check Sum"}));
    EXPECT_EQ(doc.productType, 3);
    EXPECT_EQ(doc.slotLimit, 3);
    EXPECT_EQ(doc.readFromUnit, 0);
    EXPECT_EQ(doc.mboxCount, 0);

    // An unknown product is refused outright.
    CSimConfig unknown;
    unknown.productCode = 24;
    Start(unknown);
    EXPECT_EQ(Read(doc), TransferEnd::Refused);
    EXPECT_EQ(sink.Texts(),
              std::vector<std::string>{"Versione Errata. Il dispositivo connesso \xE8 del tipo "
                                       "Sconosciuto (24)"});
}

TEST_F(Transfer, WrongPasswordAsksAgainAndAnEmptyAnswerEnds) {
    Start(UnitWith({"101"}));
    CQelDoc doc = Doc();
    prompt.answers = {std::string("9999"), std::string("")};
    EXPECT_EQ(Send(doc), TransferEnd::Stopped);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Password errata"});
    EXPECT_EQ(prompt.presets, (std::vector<std::string>{"", "9999"}));
    AwaitLast("$$X");
    std::this_thread::sleep_for(milliseconds(50));
    EXPECT_EQ(Log(), (std::vector<std::string>{"E$$R", "E$$V", "$$X"}));

    // The right password at the second try goes on; a pending change is
    // checked against the new password.
    Start(UnitWith({"101"}));
    prompt.answers = {std::string("1"), std::string("1234")};
    AddMailbox(doc, "101");
    EXPECT_EQ(Send(doc), TransferEnd::Completed);
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"Password errata", kDone}));

    Start(UnitWith({"101"}));
    doc.passwordChanged = 1;
    doc.unitPassword = "777";
    EXPECT_EQ(Send(doc, "777"), TransferEnd::Completed);
    CQelDoc back = Doc();
    EXPECT_EQ(Read(back), TransferEnd::Completed);
    EXPECT_EQ(back.unitPassword, "777");
}

TEST_F(Transfer, LanguagesTheUnitLacksAreRefused) {
    struct Case {
        const char* name;
        void (*set)(CQelDoc&);
        std::string message;
    } cases[] = {
        {"default language", [](CQelDoc& d) { d.defaultLanguage = 2; },
         "Lingua Inesistente selezionata per Lingua Default"},
        {"key", [](CQelDoc& d) { d.pages[4][7].op = 4; },
         "Lingua Inesistente selezionata nella Pagina"},
        {"mailbox", [](CQelDoc& d) { d.mailboxes[0].language = 2; },
         "La Lingua Utente selezionata per la Casella non \xE8 supportata"},
        {"in-band entry", [](CQelDoc& d) { d.inBand[39].operation = 4; },
         "Lingua Inesistente selezionata nella Pagina"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start(UnitWith({"101"})); // languages 1 and 2, no third
        CQelDoc doc = Doc();
        AddMailbox(doc, "101");
        c.set(doc);
        EXPECT_EQ(Send(doc), TransferEnd::Refused);
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{c.message});
        AwaitLast("$$X");
        EXPECT_EQ(Count("E$$S"), 0u);
        EXPECT_EQ(doc.readFromUnit, 0);
    }
}

TEST_F(Transfer, TextsTheUnitCannotTakeStopTheSendBeforeAnythingMoves) {
    struct Case {
        const char* name;
        void (*set)(CQelDoc&);
        std::string message;
    } cases[] = {
        {"five codes in a four-code field", [](CQelDoc& d) { d.lineSeizeCode = "12345"; },
         "Errore inserimento: Codice Impegno Linea Esterna"},
        {"a dial string with $", [](CQelDoc& d) { d.dialStrings[4] = "0$"; },
         "Errore inserimento: Stringa da comporre (N. 4)"},
        {"a telephone number with @", [](CQelDoc& d) { d.mailboxes[0].phone = "0@1"; },
         "Errore inserimento: Telefono (Casella 101)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Start(UnitWith({"101"}));
        CQelDoc doc = Doc();
        AddMailbox(doc, "101");
        c.set(doc);
        EXPECT_EQ(Send(doc), TransferEnd::Failed);
        ASSERT_EQ(sink.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(sink.messages[0].icon, MsgIcon::Warning);
        EXPECT_TRUE(prompt.presets.empty()); // not even the password was asked
        std::this_thread::sleep_for(milliseconds(50));
        EXPECT_TRUE(Log().empty());
        EXPECT_EQ(doc.readFromUnit, 0);
    }

    // kivtool: exit status 1, the member named.
    const test::CTempDir dir("kiv-transfer-uncodable");
    CQelDoc doc = Doc();
    AddMailbox(doc, "101");
    doc.dialStrings[2] = "9$";
    const std::string file = (dir / "bad.qel").string();
    RecordingSink saveSink;
    ASSERT_TRUE(SaveConfiguration(doc, file, false, saveSink));
    ::testing::internal::CaptureStderr();
    const int status = RunSendCommand(
        {file, "--device", Device(), "--password", "1234", "--timeout", "2"}, context.timing);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 1);
    EXPECT_EQ(err, "Errore inserimento: Stringa da comporre (N. 2)\n"
                   "kivtool send: dialStrings[2]: cannot be coded for the unit: at most 20 dial "
                   "codes (0-9 * # A-D X P & @ ! Q)\n");
    std::this_thread::sleep_for(milliseconds(50));
    EXPECT_TRUE(Log().empty());
}

TEST_F(Transfer, SameMailboxesNeitherAskNorDelete) {
    Start(UnitWith({"101", "102"}));
    CQelDoc doc = Doc();
    AddMailbox(doc, "102");
    AddMailbox(doc, "101");
    // The clock was set an hour ago at 23:30 on Wednesday 31 December 2025.
    doc.SetClockTime(LocalTime{2025, 12, 31, 23, 30, 0, 3}, doc.Clock().Now() - 3600);
    EXPECT_EQ(Send(doc), TransferEnd::Completed);
    AwaitLast("$$X");
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{kDone});
    EXPECT_EQ(Count("$$D"), 0u);
    EXPECT_EQ(doc.readFromUnit, 1);
    // Unit and document both moved on into Thursday 1 January.
    WithSim([](CUnitSim& s) {
        EXPECT_EQ(s.Memory().clock, (std::array<std::uint8_t, 6>{30, 0, 4, 1, 1, 26}));
    });
    EXPECT_EQ(doc.ClockTime().day, 1);
    EXPECT_EQ(doc.ClockTime().year, 2026);
    EXPECT_EQ(doc.ClockTime().weekday, 4);
    EXPECT_LE(doc.Clock().Now() - doc.clockReference, 1);
    // The mailboxes stayed where the unit had them.
    WithSim([](CUnitSim& s) {
        EXPECT_EQ(s.Memory().mailboxes.Number(0), "101");
        EXPECT_EQ(s.Memory().mailboxes.Number(1), "102");
    });
}

TEST_F(Transfer, DeletionsGoHighestFirstAfterTheQuestion) {
    Start(UnitWith({"100", "101", "102", "103", "104", "105", "106", "107"}));
    CQelDoc doc = Doc();
    for (const char* n : {"100", "101", "102", "104", "106", "110"})
        AddMailbox(doc, n);
    const std::string question =
        "Questo processo canceller\xE0 le Caselle gi\xE0 configurate.  Si vuole continuare?";

    // No: the unit keeps everything and hears "$$X".
    EXPECT_EQ(Send(doc), TransferEnd::Stopped);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{question});
    AwaitLast("$$X");
    EXPECT_EQ(Count("E$$S"), 0u);

    sink.messages.clear();
    sink.answers = {MsgAnswer::Yes};
    EXPECT_EQ(Send(doc), TransferEnd::Completed);
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{question, kDone}));
    AwaitLast("$$X");
    WithSim([](CUnitSim& s) {
        EXPECT_EQ(s.Memory().deletions, (std::vector<std::uint8_t>{7, 5, 3}));
        const CSimMailboxTable& t = s.Memory().mailboxes;
        EXPECT_EQ(t.MailboxCount(), 6u);
        EXPECT_EQ(t.Number(4), "104");
        EXPECT_FALSE(t.HoldsMailbox(3));
        EXPECT_FALSE(t.HoldsMailbox(5));
        EXPECT_EQ(t.Number(8), "110"); // appended after the highest slot in use
    });
}

TEST_F(Transfer, RefusedBlockIsSentAgainWhole) {
    CSimConfig config = UnitWith({"101"});
    config.faults = {{SimFault::Kind::Refuse, 'B', 'N', 1}};
    Start(config);
    CQelDoc doc = Doc();
    AddMailbox(doc, "101");
    doc.operatorKey = 5;
    CSendParamEngine engine(context, sink, ui, prompt, doc);
    prompt.answers = {std::string("1234")};
    EXPECT_EQ(engine.Run(), 0);
    WithSim([&engine](CUnitSim& s) {
        const auto& log = s.Log();
        EXPECT_EQ(std::count(log.begin(), log.end(), "block refused"), 1);
        EXPECT_EQ(std::count(log.begin(), log.end(), "block ok"), 32);
        EXPECT_EQ(s.Memory().imagesReceived, 1);
        EXPECT_EQ(s.Memory().section2, engine.Image());
        EXPECT_EQ(s.Memory().imageHeader, (std::array<std::uint8_t, 5>{4, 1, 0, 1, 0}));
    });
    EXPECT_EQ(engine.Image()[106], 5);

    // A unit that never takes the header ends the send before any block.
    CSimConfig noHeader;
    noHeader.faults = {{SimFault::Kind::WrongFirst, 'H', 'N', -1}};
    Start(noHeader);
    CQelDoc empty = Doc();
    EXPECT_EQ(Send(empty), TransferEnd::Failed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Errore di Sistema"});
    EXPECT_EQ(Count("block ok"), 0u);
}

TEST_F(Transfer, TooManyNewMailboxesAreRefusedBeforeTheImage) {
    CSimConfig config = UnitWith({"11", "12"});
    config.productCode = 18; // three slots: positions 0 and 1 only
    Start(config);
    CQelDoc doc = Doc(3);
    AddMailbox(doc, "11");
    AddMailbox(doc, "12");
    AddMailbox(doc, "13");
    EXPECT_EQ(Send(doc), TransferEnd::Failed);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{
                                "Le Caselle non sono configurate correttamente. Prego leggere i "
                                "dati dall'unit\xE0 e riprovare di nuovo."});
    AwaitLast("$$X");
    EXPECT_EQ(Count("E$$S"), 0u);
}

namespace {

// A configuration that sets every field the unit stores to a value of its own.
CQelDoc RichConfiguration() {
    CQelDoc d;
    NewConfiguration(d, 0);
    d.commTimeout = 2;
    d.unitPassword = "1234";
    d.operatorKey = 3;
    d.transferModeOperator = 1;
    d.operatingMode = 4;
    d.extDigits = 3;
    d.transferModeOther = 2;
    d.flash1 = 400;
    d.busyToneOff = 300;
    d.busyToneOn = 360;
    d.noAnswerWait = 25;
    d.led1Code = "12";
    d.led2Code = "3*";
    d.ledOffCode = "#5";
    d.transferCode = "&X";
    d.recallOnBusy = "&1";
    d.recallOnNoAnswer = "&2";
    d.operatorDayExt = "200";
    d.operatorNightExt = "201";
    d.faxExt = "2999";
    d.ringsBeforeAnswer = {2, 3, 4, 5};
    d.allowedExt[0] = "100";
    d.allowedExt[10] = "199";
    d.allowedExt[3] = "4000";
    d.allowedExt[13] = "4999";
    d.defaultLanguage = 1;
    d.languageCode = {1, 2, 255};
    d.lineSeizeCode = "0";
    d.ringDuration = 1;
    d.ringInterval = 15;
    d.archiveDays = 20;
    d.ringAttempts = 3;
    d.disconnectToneOff = 400;
    d.disconnectToneOn = 200;
    d.voiceSensitivity = 7;
    d.firstDtmfTimeout = 6000;
    d.interDtmfDelay = 200;
    d.supervisionType = 1;
    d.autoVolume = 0;
    d.nameOrder = 1;
    d.supervisorMbox = "101";
    d.maxRecordTime = 5;
    d.ledMode = 1;
    d.listenKey = 7;
    d.extNotifyStart = 480;
    d.extNotifyEnd = 1080;
    d.disconnectCode = "#1";
    d.answerSignal = "12";
    d.busySignal = "A";
    d.dndSignal = "I05";
    d.groupFirstDigit = "8";
    for (std::size_t day = 0; day < 7; ++day) {
        d.workHours[day] = "08:3" + std::to_string(day);
        d.workHours[day + 7] = "18:00";
    }
    d.workHoursCopy = d.workHours;
    d.holidayCount = 2;
    d.holidayDate[0] = "25/12";
    d.holidayStart[0] = "00:00";
    d.holidayEnd[0] = "23:59";
    d.holidayDate[1] = "01/01";
    d.holidayStart[1] = "08:00";
    d.holidayEnd[1] = "12:00";
    d.breaks[0][0] = {720, 780, 21};
    d.breaks[6][9] = {60, 90, 97};
    d.openingPage[0] = {1, 2, 3, 4};
    d.openingPage[3] = {5, 6, 7, 8};
    d.dialStrings[0] = "123";
    d.dialStrings[15] = "9#*";

    d.mboxCount = 0;
    const char* numbers[] = {"101", "102", "103"};
    for (std::uint8_t i = 0; i < 3; ++i) {
        MboxRecord& m = d.mailboxes[d.mboxCount++];
        m = MboxRecord{};
        m.number = numbers[i];
        m.password = "12" + std::to_string(i) + "9";
        m.phone = i == 0 ? "0123456" : "";
        m.pager = i == 1 ? "55*9" : "";
        m.localNotify = i + 1;
        m.allowed = i != 2;
        m.phoneEnabled = i == 0;
        m.pagerEnabled = i == 1;
        m.timeStamp = i == 2 ? 0 : 1;
        m.dnd = i == 1;
        m.language = i == 0 ? 1 : 0;
        m.announcer = i == 2;
        m.type = i == 2;
        m.slot = i;
    }
    d.groups[0].memberCount = 2;
    d.groups[0].members[0] = 101;
    d.groups[0].members[1] = 103;
    d.groups[3].memberCount = 1;
    d.groups[3].members[0] = 102;
    d.callsPerLine = {5, 6, 7, 8};

    auto& page = d.pages[0];
    page[1] = {1, {2, 0, 0, 0}, 1};
    page[2] = {7, {2, 0, 0, 0}, 1}; // mailbox in slot 2
    page[3] = {3, {0, 1, 0, 0}, 2};
    page[4] = {6, {'2', '2', 0, 0}, 2};
    page[5] = {14, {0, 0, 0, 0}, 0};
    page[6] = {18, {3, 0, 0, 0}, 1};
    d.pages[38][10] = {15, {0, 0, 0, 0}, 0};
    d.pageTimeout[0] = 10;
    d.pageTimeout[38] = 600;

    InBandEntry& e0 = d.inBand[0];
    e0.operation = 1;
    e0.code[0] = '1';
    e0.code[1] = '2';
    e0.codeLength = 2;
    e0.target = {'2', '1', 0, 0};
    e0.targetLength = 2;
    InBandEntry& e1 = d.inBand[11];
    e1.operation = 9;
    e1.code[0] = '3';
    e1.codeLength = 1;
    e1.target = {1, 0, 0, 0}; // mailbox in slot 1
    e1.targetLength = 1;
    InBandEntry& e2 = d.inBand[39];
    e2.operation = 8;
    e2.code[0] = '#';
    e2.codeLength = 1;
    e2.target = {'2', '0', '5', 0};
    e2.targetLength = 3;
    return d;
}

// Members the parameter image and the mailbox section do not carry.
const std::set<std::string> kNotCarried = {
    "identVersion", "identMaker",  "identDate",    "identProduct",  "flash2",
    "holidayText",  "pageState",   "pageFile",     "reservedText1", "reservedText2",
    "pageText",     "clockHour",   "clockMinute",  "clockDay",      "clockMonth",
    "clockYear",    "clockSecond", "clockWeekday", "unitStatus",    "msgMboxCount",
    "msgMboxData",  "msgCount",    "msgData",      "mailboxes",     "groups",
};

} // namespace

TEST_F(Transfer, SendThenReadGivesTheConfigurationBack) {
    Start(UnitWith({"101", "150"}));
    const CQelDoc config = RichConfiguration();
    sink.answers = {MsgAnswer::Yes}; // 150 goes
    prompt.answers = {std::string("1234")};
    CSendParamEngine engine(context, sink, ui, prompt, config);
    EXPECT_EQ(engine.Run(), 0);
    EXPECT_EQ(sink.Texts().back(), kDone);
    // The send's copy holds the mailboxes at their unit positions (101 kept its
    // slot, 102 and 103 came after it), and the references follow them.
    CQelDoc sent = engine.SentConfig();
    EXPECT_EQ(sent.mailboxes[2].slot, 3);
    EXPECT_EQ(sent.pages[0][2].target[0], 3);
    EXPECT_EQ(sent.inBand[11].target[0], 2);

    CQelDoc back = Doc();
    back.holidayText[0] = "kept";
    EXPECT_EQ(Read(back), TransferEnd::Completed);
    const json::Value a = ConfigurationToJson(sent, {});
    const json::Value b = ConfigurationToJson(back, {});
    for (const auto& [key, value] : a.items()) {
        if (kNotCarried.count(key)) continue;
        const json::Value* other = json::Find(b, key);
        ASSERT_NE(other, nullptr) << key;
        EXPECT_EQ(json::Write(value, 0), json::Write(*other, 0)) << key;
    }
    EXPECT_EQ(back.holidayText[0], "kept");
    // Mailboxes: every member the unit stores; their slots are the unit's.
    ASSERT_EQ(back.mboxCount, 3);
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        MboxRecord expected = sent.mailboxes[i];
        expected.aux3 = back.mailboxes[i].aux3;
        EXPECT_EQ(back.mailboxes[i], expected);
    }
    for (std::size_t g = 0; g < 4; ++g)
        EXPECT_EQ(back.groups[g], sent.groups[g]) << g;
    EXPECT_EQ(back.callsPerLine, sent.callsPerLine);
}

TEST_F(Transfer, KivtoolReadAndSend) {
    CSimConfig config = UnitWith({"11"});
    config.productCode = 22;
    Start(config);
    const test::CTempDir temp("kiv-transfer-cli");
    const fs::path& dir = temp.Path();
    const std::string device = Device();
    const std::string qel = (dir / "unit.qel").string(), ri2 = (dir / "unit.ri2").string();
    std::string err;

    // Another product type: No without --yes, and nothing is written.
    EXPECT_EQ(RunTool(RunReadCommand, {"--device", device, "-o", qel, "--timeout", "2"}, &err), 2);
    EXPECT_NE(err.find("RZ 2 Mbx, Vuoi continuare? [No]"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(qel));
    // --yes adopts it, and the file is named for it.
    EXPECT_EQ(
        RunTool(RunReadCommand, {"--device", device, "-o", qel, "--yes", "--timeout", "2"}, &err),
        0);
    EXPECT_NE(err.find("Lettura Dati Sezione 3"), std::string::npos) << err;
    EXPECT_NE(err.find("Dati Ricevuti"), std::string::npos);
    ASSERT_TRUE(fs::exists(ri2));
    RecordingSink loadSink;
    CQelDoc loaded;
    ASSERT_TRUE(OpenConfiguration(loaded, ri2, loadSink));
    EXPECT_EQ(loaded.productType, 3);
    EXPECT_EQ(loaded.mboxCount, 1);
    EXPECT_EQ(loaded.mailboxes[0].number, "11");

    EXPECT_EQ(RunTool(RunSendCommand,
                      {ri2, "--device", device, "--password", "9", "--timeout", "2"}, &err),
              2);
    EXPECT_EQ(err, "Attendere Prego...\nPassword errata\n");
    EXPECT_EQ(RunTool(RunSendCommand,
                      {ri2, "--device", device, "--password", "1234", "--timeout", "2"}, &err),
              0);
    EXPECT_NE(err.find("Trasferimento completato con successo"), std::string::npos) << err;

    // Errors: no such port, a file that cannot be opened, a missing option.
    EXPECT_EQ(
        RunTool(RunSendCommand, {ri2, "--device", "/nonexistent/tty", "--password", "1"}, &err), 1);
    EXPECT_NE(err.find("Impossibile aprire la porta COM"), std::string::npos) << err;
    EXPECT_EQ(RunTool(RunSendCommand,
                      {(dir / "none.qel").string(), "--device", device, "--password", "1"},
                      nullptr),
              1);
    EXPECT_EQ(RunTool(RunReadCommand, {"--device", device}, nullptr), 1);
}

#ifdef KIV_SLOW_TRANSFER_TESTS
// The standard pauses, unscaled: a send that changes no mailbox takes about
// twenty seconds, most of them the byte pacing of the image.
TEST_F(Transfer, SendKeepsTheRealPauses) {
    CSimConfig config = UnitWith({"101"});
    config.blockSize = 500; // 16000 bytes: just room for the image
    Start(config);
    context.timing = CLinkTiming{};
    std::vector<std::pair<std::string, steady_clock::time_point>> heard;
    WithSim([&heard](CUnitSim& s) {
        s.Config().pauseScale = 1.0;
        s.onLog = [&heard](const std::string& entry) {
            heard.emplace_back(entry, steady_clock::now());
        };
    });
    CQelDoc doc = Doc();
    AddMailbox(doc, "101");
    EXPECT_EQ(Send(doc), TransferEnd::Completed);
    AwaitLast("$$X");
    const auto at = [&](const std::string& entry, bool last = false) {
        return WithSim([&](CUnitSim&) {
            steady_clock::time_point t{};
            for (const auto& [e, when] : heard)
                if (e == entry) {
                    t = when;
                    if (!last) break;
                }
            return t;
        });
    };
    const auto ms = [](steady_clock::duration d) { return duration_cast<milliseconds>(d).count(); };
    // The simulator stamps a reply when its thread reads the bytes; a loaded
    // machine can read the earlier ones late, which shortens what it sees of
    // a pause by a few milliseconds. A missing pause shortens it by all of it.
    constexpr long long slack = 50;
    EXPECT_GE(ms(at("block ok", true) - at("header")), 31 * 501 - slack); // a millisecond a byte
    EXPECT_GE(ms(at("$$U") - at("image stored")), 2000 - slack);          // pause before "$$U"
    EXPECT_GE(ms(at("$$T") - at("mailbox stream stored")), 2000 - slack); // pause before "$$T"
    EXPECT_GE(ms(at("$$X", true) - at("clock set")), 500 - slack);        // pause after the clock
    EXPECT_EQ(Log().back(), "$$X"); // heard: every pause was kept
    WithSim([](CUnitSim& s) { s.onLog = nullptr; });
}
#endif
