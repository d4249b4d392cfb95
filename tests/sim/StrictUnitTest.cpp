// The system's clients against the simulated unit in the same process: what a
// fresh unit holds reads back as its own byte tables say, and clients that
// break a rule of the line (the attention byte, the image header, the pauses)
// are caught by the unit.

#include "document/DocCommands.h"
#include "sim/SimSerialPort.h"
#include "unit/link/SerialLink.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/ReadParamEngine.h"
#include "unit/transfer/SendParamEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <thread>

using namespace kiv;
using namespace kiv::sim;
using namespace std::chrono;

namespace {

struct Prompt : PasswordPrompt {
    std::optional<std::string> Ask(const std::string&, const std::string&,
                                   const std::string&) override {
        return "1234";
    }
};

struct StrictUnit : ::testing::Test {
    // A unit holding these mailboxes; the system's timing and the unit's
    // pauses scaled alike.
    void Start(std::vector<std::string> mailboxes = {}, double scale = 0.0,
               void (*adjust)(CSimConfig&) = nullptr) {
        CSimConfig config;
        config.mailboxes = std::move(mailboxes);
        config.pauseScale = scale;
        if (adjust) adjust(config);
        line = std::make_shared<CSimSerialPort::Line>(std::move(config), "sim0");
        context.settingsPath.clear();
        context.ports = CPortResolver("sim0");
        context.portFactory = CSimSerialPort::Factory(line);
        context.timing = CLinkTiming{}.Scaled(scale);
        context.timing.byteGap = microseconds(0);
        context.timing.second = milliseconds(20);
        sink.messages.clear();
    }
    static CQelDoc Doc(std::vector<std::string> numbers = {}) {
        CQelDoc doc;
        NewConfiguration(doc, 0);
        doc.commTimeout = 1;
        for (const std::string& n : numbers) {
            MboxRecord& m = doc.mailboxes[static_cast<std::size_t>(doc.mboxCount++)];
            m = MboxRecord{};
            m.number = n;
            m.password = "1111";
        }
        return doc;
    }
    TransferEnd Send(const CQelDoc& doc) {
        Prompt prompt;
        CSendParamEngine engine(context, sink, ui, prompt, doc);
        engine.Run();
        return engine.End();
    }
    std::vector<std::string> Silences() const {
        std::vector<std::string> out;
        for (const std::string& e : line->sim.Log())
            if (e.rfind("silent: ", 0) == 0 || e.rfind("ignored: ", 0) == 0) out.push_back(e);
        return out;
    }
    std::string Mailboxes() const {
        std::string out;
        const CSimMailboxTable& t = line->sim.Memory().mailboxes;
        for (std::size_t slot = 0; slot < t.records.size(); ++slot)
            out += (slot ? "," : "") + t.Number(slot);
        return out;
    }

    std::shared_ptr<CSimSerialPort::Line> line;
    CLinkContext context;
    RecordingSink sink;
    CPlainTransferUi ui;
};

} // namespace

// Every field of the unit's factory image and of a factory mailbox record, as
// the unit's own tables set them down, read through the system's decoder.
TEST_F(StrictUnit, FreshUnitReadsAsItsFactoryTablesSay) {
    Start({"101", "205"}, 0.0, [](CSimConfig& c) { c.password = "4321"; });
    CQelDoc doc = Doc();
    CReadParamEngine engine(context, sink, ui, doc);
    ASSERT_EQ(engine.Run(), 0) << (sink.Texts().empty() ? "" : sink.Texts()[0]);
    engine.ApplyTo(doc);

    EXPECT_EQ(doc.operatorKey, 9);
    EXPECT_EQ(doc.transferModeOperator, 1);
    EXPECT_EQ(doc.operatingMode, 2);
    EXPECT_EQ(doc.extDigits, 3);
    EXPECT_EQ(doc.transferModeOther, 2);
    EXPECT_EQ(doc.flash1, 160);
    EXPECT_EQ(doc.busyToneOff, 420);
    EXPECT_EQ(doc.busyToneOn, 380);
    EXPECT_EQ(doc.noAnswerWait, 24);
    EXPECT_EQ(doc.led1Code, "*1");
    EXPECT_EQ(doc.led2Code, "2#");
    EXPECT_EQ(doc.ledOffCode, "");
    EXPECT_EQ(doc.transferCode, "&");
    EXPECT_EQ(doc.recallOnBusy, "");
    EXPECT_EQ(doc.recallOnNoAnswer, "");
    EXPECT_EQ(doc.operatorDayExt, "271");
    EXPECT_EQ(doc.operatorNightExt, "38");
    EXPECT_EQ(doc.faxExt, "4590");
    EXPECT_EQ(doc.ringsBeforeAnswer, (std::array<std::int32_t, 4>{2, 3, 4, 5}));
    EXPECT_EQ(doc.unitPassword, "4321");
    for (std::size_t k = 0; k < 20; ++k) {
        const char* expected[] = {"100", "300", "", "", "", "", "", "", "", "",
                                  "199", "399", "", "", "", "", "", "", "", ""};
        EXPECT_EQ(doc.allowedExt[k], expected[k]) << "allowedExt " << k;
    }
    EXPECT_EQ(doc.languageCode, (std::array<std::int32_t, 3>{1, 2, 255}));
    EXPECT_EQ(doc.defaultLanguage, 0);
    EXPECT_EQ(doc.lineSeizeCode, "9");
    EXPECT_EQ(doc.ringDuration, 1);
    EXPECT_EQ(doc.ringInterval, 12);
    EXPECT_EQ(doc.archiveDays, 14);
    EXPECT_EQ(doc.ringAttempts, 4);
    EXPECT_EQ(doc.disconnectToneOff, 440);
    EXPECT_EQ(doc.disconnectToneOn, 260);
    EXPECT_EQ(doc.voiceSensitivity, 6);
    EXPECT_EQ(doc.firstDtmfTimeout, 6000);
    EXPECT_EQ(doc.interDtmfDelay, 160);
    EXPECT_EQ(doc.supervisionType, 2);
    EXPECT_EQ(doc.autoVolume, 1);
    EXPECT_EQ(doc.nameOrder, 1);
    EXPECT_EQ(doc.supervisorMbox, "101");
    EXPECT_EQ(doc.maxRecordTime, 3);
    EXPECT_EQ(doc.ledMode, 2);
    EXPECT_EQ(doc.listenKey, 8);
    EXPECT_EQ(doc.extNotifyStart, 480);
    EXPECT_EQ(doc.extNotifyEnd, 1200);
    EXPECT_EQ(doc.disconnectCode, "#5");
    EXPECT_EQ(doc.groupFirstDigit, "7");
    for (std::size_t e = 0; e < 40; ++e)
        EXPECT_EQ(doc.inBand[e].codeLength, 0) << "in-band entry " << e;
    EXPECT_EQ(doc.answerSignal, "12");
    EXPECT_EQ(doc.busySignal, "");
    EXPECT_EQ(doc.dndSignal, "3");
    EXPECT_EQ(doc.dialStrings[0], "123");
    EXPECT_EQ(doc.dialStrings[1], "");
    EXPECT_EQ(doc.dialStrings[9], "");
    EXPECT_EQ(doc.dialStrings[10], "45*");
    EXPECT_EQ(doc.dialStrings[19], "");
    EXPECT_EQ(doc.openingPage[0], (std::array<std::int32_t, 4>{0, 1, 2, 3}));
    EXPECT_EQ(doc.openingPage[1], (std::array<std::int32_t, 4>{4, 5, 6, 7}));
    EXPECT_EQ(doc.openingPage[3], (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    for (std::size_t d = 0; d < 7; ++d) {
        EXPECT_EQ(doc.workHours[d], "08:0" + std::to_string(d)) << d;
        EXPECT_EQ(doc.workHours[d + 7], "18:0" + std::to_string(d)) << d;
    }
    EXPECT_EQ(doc.holidayCount, 1);
    EXPECT_EQ(doc.holidayDate[0], "25/12");
    EXPECT_EQ(doc.holidayStart[0], "00:00");
    EXPECT_EQ(doc.holidayEnd[0], "23:59");
    EXPECT_EQ(doc.breaks[0][0], (BreakSlot{720, 780, 21}));
    EXPECT_EQ(doc.breaks[0][1], (BreakSlot{0, 0, 0}));
    EXPECT_EQ(doc.breaks[6][9], (BreakSlot{0, 0, 0}));
    EXPECT_EQ(doc.pages[0][1], (PageEntry{1, {2, 0, 0, 0}, 1}));
    EXPECT_EQ(doc.pages[0][0].op, 0);
    EXPECT_EQ(doc.pages[22][10].op, 0);
    EXPECT_EQ(doc.pages[38][10].op, 0);
    EXPECT_EQ(doc.pageTimeout[0], 10);
    EXPECT_EQ(doc.pageTimeout[1], 15);
    EXPECT_EQ(doc.pageTimeout[38], 15);

    ASSERT_EQ(doc.mboxCount, 2);
    const MboxRecord& m = doc.mailboxes[1];
    EXPECT_EQ(m.number, "205");
    EXPECT_EQ(m.password, "205");
    EXPECT_EQ(m.slot, 1);
    EXPECT_EQ(m.language, 0);
    EXPECT_EQ(m.timeStamp, 1);
    EXPECT_EQ(m.dnd, 0);
    EXPECT_EQ(m.allowed, 1);
    EXPECT_EQ(m.localNotify, 0);
    EXPECT_EQ(m.phoneEnabled, 0);
    EXPECT_EQ(m.pagerEnabled, 0);
    EXPECT_EQ(m.type, 0);
    EXPECT_EQ(m.announcer, 0);
    EXPECT_EQ(m.phone, "");
    EXPECT_EQ(m.pager, "");
}

TEST_F(StrictUnit, CommandWithoutItsAttentionByteGetsNoAnswer) {
    Start();
    CUnitSession session(context, sink, ui, 1, 0);
    {
        CSerialLink link(context);
        std::vector<std::uint8_t> section;
        link.WriteSlow("$$C");
        EXPECT_EQ(link.WaitBytes(0, 1), 1);
        EXPECT_EQ(Silences(), std::vector<std::string>{"ignored: $$C needs the attention byte"});
        // With it, the unit answers.
        EXPECT_TRUE(session.ReadMailboxSection(link, section));
        proto::BlockGeometry geometry;
        EXPECT_TRUE(session.ReadBlockGeometry(link, geometry, true));
        EXPECT_EQ(geometry.ImageBlocks(), 32);
        EXPECT_EQ(geometry.BlockSize(), 512);
    }
    {
        CSerialLink link(context);
        link.WriteSlow("$$R");
        EXPECT_EQ(link.WaitBytes(0, 1), 1);
    }
}

TEST_F(StrictUnit, HeaderOtherThanTheImagesIsRefused) {
    Start();
    CUnitSession session(context, sink, ui, 1, 0);
    CSerialLink link(context);
    proto::BlockGeometry geometry;
    ASSERT_TRUE(session.ReadBlockGeometry(link, geometry, true));
    const std::uint8_t twoSections[5] = {0x04, 0x02, 0x00, 0x01, 0x00};
    EXPECT_FALSE(session.SendBlockHeader(link, twoSections));
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Errore di Sistema"});
    EXPECT_EQ(line->sim.Log().back(), "header refused");
}

TEST_F(StrictUnit, SendThatKeepsItsPausesDeletesAndSetsEverything) {
    Start({"100", "101", "102", "103"}, 0.02);
    sink.answers = {MsgAnswer::Yes}; // 101 and 103 go
    EXPECT_EQ(Send(Doc({"100", "102", "110"})), TransferEnd::Completed);
    EXPECT_EQ(sink.Texts().back(), "Trasferimento completato con successo");
    EXPECT_TRUE(Silences().empty());
    EXPECT_EQ(line->sim.Memory().deletions, (std::vector<std::uint8_t>{3, 1}));
    EXPECT_EQ(Mailboxes(), "100,,102,,110");
}

TEST_F(StrictUnit, ClientThatSkipsAPauseLosesWhatFollows) {
    // 400 ms to store, 100 ms after the clock: a client that skips a pause
    // cannot be so slow by chance.
    const double scale = 0.2;
    {
        SCOPED_TRACE("no pause after $$D");
        Start({"100", "101"}, scale);
        CUnitSession session(context, sink, ui, 1, 0);
        CSerialLink link(context);
        session.SendCommand(link, proto::cmdDelete, false);
        const std::uint8_t list[] = {1, 1};
        link.WriteSlow(list, 2);
        EXPECT_EQ(Silences(),
                  std::vector<std::string>{"silent: pause not kept after $$D (400 ms needed)"});
        EXPECT_EQ(Mailboxes(), "100,101");
    }
    {
        SCOPED_TRACE("no pause after a deleted position");
        Start({"100", "101", "102"}, scale);
        CUnitSession session(context, sink, ui, 1, 0);
        CSerialLink link(context);
        session.SendCommand(link, proto::cmdDelete, false);
        std::this_thread::sleep_for(context.timing.stepPause);
        const std::uint8_t list[] = {2, 2, 1};
        link.WriteSlow(list, 3);
        EXPECT_EQ(Silences(), std::vector<std::string>{"silent: pause not kept after deleting "
                                                       "position 2 (400 ms needed)"});
        EXPECT_EQ(Mailboxes(), "100,101");
    }
    {
        SCOPED_TRACE("no pause after the clock");
        Start({"100"}, scale);
        context.timing.clockPause = milliseconds(0);
        Send(Doc({"100"}));
        EXPECT_EQ(Silences(), std::vector<std::string>{
                                  "silent: pause not kept after the clock (100 ms needed)"});
    }
    {
        SCOPED_TRACE("no pause at all");
        Start({"100", "101"}, scale);
        context.timing = CLinkTiming{}.Scaled(0.0);
        context.timing.second = milliseconds(20);
        Send(Doc({"100", "101", "120"}));
        ASSERT_FALSE(Silences().empty());
        EXPECT_EQ(Silences().front(), "silent: pause not kept after the image (400 ms needed)");
        // The image went in; the mailboxes after it did not.
        EXPECT_EQ(line->sim.Memory().imagesReceived, 1);
        EXPECT_EQ(Mailboxes(), "100,101");
    }
}

TEST_F(StrictUnit, AbandonedSendSignsOffInQuiet) {
    // A two-mailbox unit already full: a third mailbox cannot be placed, and
    // the send ends with "$$X" between two pauses.
    const auto full = [](CSimConfig& c) {
        c.productCode = 18;
        c.quietAroundSignOff = true;
    };
    const std::string placement = "Le Caselle non sono configurate correttamente. Prego leggere i "
                                  "dati dall'unit\xE0 e riprovare di nuovo.";
    for (const bool keepsPauses : {true, false}) {
        SCOPED_TRACE(keepsPauses ? "pauses kept" : "pauses skipped");
        Start({"11", "12"}, 2.0, full); // 200 ms of quiet on either side
        if (!keepsPauses) context.timing.signOffPause = milliseconds(0);
        CQelDoc doc;
        NewConfiguration(doc, 3);
        doc.commTimeout = 1;
        for (const char* n : {"11", "12", "13"}) {
            MboxRecord& m = doc.mailboxes[static_cast<std::size_t>(doc.mboxCount++)];
            m = MboxRecord{};
            m.number = n;
        }
        EXPECT_EQ(Send(doc), TransferEnd::Failed);
        EXPECT_EQ(sink.Texts(), std::vector<std::string>{placement});
        // The next exchange follows at once.
        CUnitSession session(context, sink, ui, 1, 3);
        const int identified = session.IdentifyUnit(CUnitSession::modeFull);
        if (keepsPauses) {
            EXPECT_TRUE(Silences().empty());
            EXPECT_EQ(identified, 0);
        } else {
            EXPECT_EQ(Silences(), std::vector<std::string>{
                                      "silent: line not quiet before $$X (200 ms needed)"});
        }
    }
}
