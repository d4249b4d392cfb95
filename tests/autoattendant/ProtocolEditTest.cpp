#include "autoattendant/ProtocolEdit.h"

#include "document/QelDoc.h"

#include <gtest/gtest.h>

#include <memory>

namespace kiv::autoatt {
namespace {

using Bytes4 = std::array<std::uint8_t, 4>;

// A configuration with mailboxes 200 (slot 4) and 201 (slot 5), three-digit
// extensions, the "RZ 8 Mbx" slot limit.
std::unique_ptr<CQelDoc> Doc() {
    auto doc = std::make_unique<CQelDoc>();
    doc->extDigits = 3;
    doc->slotLimit = 9;
    doc->mailboxes[0].number = "200";
    doc->mailboxes[0].slot = 4;
    doc->mailboxes[1].number = "201";
    doc->mailboxes[1].slot = 5;
    doc->mboxCount = 2;
    return doc;
}

InBandEntry Entry(int op, std::string_view code, Bytes4 target, int targetLength) {
    InBandEntry e;
    e.operation = op;
    std::copy(code.begin(), code.end(), e.code.begin());
    e.codeLength = static_cast<std::uint8_t>(code.size());
    e.target = target;
    e.targetLength = targetLength;
    return e;
}

ProtocolFieldRef CodeOf(int row) {
    return {ProtocolFieldRef::Code, row};
}
ProtocolFieldRef DestinationOf(int row) {
    return {ProtocolFieldRef::Destination, row};
}

// The field a check refused, for readable failures; row -99 when it passed.
ProtocolFieldRef Refused(const ProtocolCheck& check) {
    return check ? check->field : ProtocolFieldRef{ProtocolFieldRef::Operation, -99};
}

TEST(ProtocolEdit, OpeningDrawsEveryRow) {
    auto doc = Doc();
    doc->inBand[10] = Entry(kInBandOpGoToPageSecondLanguage, "12", {'3', '1', 0, 0}, 0);
    doc->inBand[11] = Entry(kInBandOpToExtension, "I07", {'2', '5', '*', '9'}, 3);
    doc->inBand[12] = Entry(kInBandOpToMailbox, "J#", {5, 0, 0, 0}, 1);
    doc->inBand[13] = Entry(kInBandOpToMailbox, "3", {8, 0, 0, 0}, 1); // no mailbox holds 8
    doc->inBand[14] = Entry(kInBandOpToMailbox, "4", {5, 0, 0, 0}, 0); // length is not 1
    doc->inBand[15] = Entry(kInBandOpToMailbox, "5", {9, 0, 0, 0}, 1); // slot beyond S - 1
    doc->mailboxes[2].number = "300";
    doc->mailboxes[2].slot = 9;
    doc->mboxCount = 3;
    doc->inBand[16] = Entry(kInBandOpDisconnect, "S", {1, 2, 3, 4}, 0);
    doc->inBand[17].operation = 16; // outside the list
    doc->inBand[18] = Entry(kInBandOpAutoAttendant, "12345678901234567890", {}, 0);
    doc->inBand[0] = Entry(kInBandOpToMailbox, "9", {4, 0, 0, 0}, 1); // another page's event

    CProtocolEdit edit(*doc, 1);
    EXPECT_EQ(edit.FirstEvent(), 10);
    EXPECT_FALSE(edit.HasTiming());
    ASSERT_EQ(edit.OperationLabels().size(), 16u);
    EXPECT_EQ(edit.OperationLabels()[9], "Trasferta ad una Casella");
    EXPECT_EQ(edit.OperationLabels()[5], "Vai al Men\xF9 Occupato");

    EXPECT_EQ(edit.rows[0].destination, "31");
    EXPECT_EQ(edit.events[0].targetLength, 2) << "drawing a page destination fixes its length";
    EXPECT_TRUE(edit.rows[0].destinationEnabled);
    EXPECT_EQ(edit.rows[1].destination, "25*");
    EXPECT_EQ(edit.rows[1].code, "I07");
    EXPECT_EQ(edit.rows[2].destination, "201");
    EXPECT_EQ(edit.rows[3].destination, "0");
    EXPECT_EQ(edit.rows[4].destination, "0");
    EXPECT_EQ(edit.rows[5].destination, "0");
    EXPECT_EQ(edit.rows[6].destination, "");
    EXPECT_FALSE(edit.rows[6].destinationEnabled);
    EXPECT_EQ(edit.rows[7].chosen, -1) << "an unknown operation selects nothing";
    EXPECT_EQ(edit.rows[8].code, "12345678901234567890");
}

TEST(ProtocolEdit, OnlyTheAutoAttendantTakesAnEmptyCode) {
    auto doc = Doc();
    CProtocolEdit edit(*doc, 2);
    EXPECT_FALSE(edit.SaveEvents()) << "ten empty rows of operation 0";
    for (int op = 1; op < 16; ++op) {
        CProtocolEdit row(*doc, 2);
        row.ChooseOp(4, op);
        row.SetDestination(4, op == kInBandOpToMailbox ? "200" : "41");
        EXPECT_EQ(Refused(row.SaveEvents()), CodeOf(4)) << "operation " << op;
        row.SetCode(4, "1");
        EXPECT_FALSE(row.SaveEvents()) << "operation " << op;
    }
}

TEST(ProtocolEdit, CodeSyntaxAndLength) {
    auto doc = Doc();
    CProtocolEdit edit(*doc, 0);
    edit.SetCode(3, "123456789012345678901");
    EXPECT_EQ(edit.rows[3].code, "12345678901234567890") << "the 21st character cannot be typed";
    edit.rows[3].code = "123456789012345678901"; // and is refused if it gets there
    EXPECT_EQ(Refused(edit.SaveEvents()), CodeOf(3));

    for (const char* bad : {"I00", "12J", "1X", "72TT", "72TTTT"}) {
        edit.SetCode(3, bad);
        EXPECT_EQ(Refused(edit.SaveEvents()), CodeOf(3)) << bad;
        EXPECT_EQ(edit.events[3].codeLength, 0) << bad << " was stored";
    }

    edit.SetCode(3, "72tTt");
    EXPECT_FALSE(edit.SaveEvents());
    EXPECT_EQ(edit.events[3].code, (std::array<std::uint8_t, 20>{0x37, 0x32, 0x74, 0x54, 0x74}));
    EXPECT_EQ(edit.events[3].codeLength, 5);

    edit.extDigits = 2;
    EXPECT_EQ(Refused(edit.SaveEvents()), CodeOf(3)) << "a run of 3 with two-digit extensions";

    edit.SetCode(3, "12345678901234567890");
    EXPECT_FALSE(edit.SaveEvents());
    EXPECT_EQ(edit.events[3].codeLength, 20);
    edit.SetCode(3, "9");
    EXPECT_FALSE(edit.SaveEvents());
    EXPECT_EQ(edit.events[3].code, (std::array<std::uint8_t, 20>{0x39}))
        << "a shorter code leaves no tail of the longer one";
}

TEST(ProtocolEdit, DestinationsStoredByOperation) {
    auto doc = Doc();
    CProtocolEdit edit(*doc, 0);
    for (int r = 0; r < 4; ++r)
        edit.SetCode(r, "1");

    edit.ChooseOp(0, kInBandOpGoToPage);
    for (const char* bad : {"28", "30", "47", "4", "4a", ""}) {
        edit.SetDestination(0, bad);
        EXPECT_EQ(Refused(edit.SaveEvents()), DestinationOf(0)) << bad;
    }
    edit.SetDestination(0, "41");
    edit.ChooseOp(1, kInBandOpToExtension);
    edit.SetDestination(1, "P*d#9"); // the fifth character cannot be typed
    edit.ChooseOp(2, kInBandOpToMailbox);
    EXPECT_EQ(edit.rows[2].destination, "0") << "until a mailbox number is typed";
    edit.SetDestination(2, "201");
    edit.ChooseOp(3, kInBandOpGoToPageThirdLanguage);
    edit.SetDestination(3, "00");
    EXPECT_FALSE(edit.SaveEvents());
    EXPECT_EQ(edit.events[0].target, (Bytes4{0x34, 0x31, 0, 0}));
    EXPECT_EQ(edit.events[0].targetLength, 2);
    EXPECT_EQ(edit.events[1].target, (Bytes4{0x50, 0x2A, 0x64, 0x23}));
    EXPECT_EQ(edit.events[1].targetLength, 4);
    EXPECT_EQ(edit.events[2].target, (Bytes4{5, 0, 0, 0}));
    EXPECT_EQ(edit.events[2].targetLength, 1);
    EXPECT_EQ(edit.events[3].target, (Bytes4{0x30, 0x30, 0, 0}));

    for (const char* bad : {"1", "12X", "1 2"}) {
        edit.SetDestination(1, bad);
        EXPECT_EQ(Refused(edit.SaveEvents()), DestinationOf(1)) << bad;
    }
    edit.SetDestination(1, "12");
    for (const char* bad : {"0", "202", "0200", "20", "2O1"}) {
        edit.SetDestination(2, bad);
        EXPECT_EQ(Refused(edit.SaveEvents()), DestinationOf(2)) << bad;
    }
}

TEST(ProtocolEdit, ChoosingAnOperationClearsTheDestination) {
    auto doc = Doc();
    doc->inBand[0] = Entry(kInBandOpToExtension, "1", {'2', '5', '*', '9'}, 4);
    CProtocolEdit edit(*doc, 0);
    edit.ChooseOp(0, kInBandOpListenMessages);
    EXPECT_EQ(edit.events[0].operation, kInBandOpListenMessages);
    EXPECT_EQ(edit.events[0].target, Bytes4{});
    EXPECT_EQ(edit.events[0].targetLength, 0);
    EXPECT_EQ(edit.rows[0].destination, "");
    EXPECT_FALSE(edit.rows[0].destinationEnabled);
    edit.ChooseOp(0, kInBandOpGoToPage);
    EXPECT_TRUE(edit.rows[0].destinationEnabled);
    EXPECT_EQ(edit.rows[0].destination, "");
}

TEST(ProtocolEdit, RowsBeforeARefusalKeepWhatTheyStored) {
    auto doc = Doc();
    doc->inBand[2] = Entry(kInBandOpToExtension, "5", {'2', '5', 0, 0}, 2);
    CProtocolEdit edit(*doc, 0);
    edit.SetCode(0, "77");
    edit.ChooseOp(1, kInBandOpDisconnect);
    edit.SetCode(1, "88");
    edit.SetDestination(2, "9"); // too short
    edit.SetCode(3, "66");
    EXPECT_EQ(Refused(edit.SaveEvents()), DestinationOf(2));
    EXPECT_EQ(edit.events[0].codeLength, 2);
    EXPECT_EQ(edit.events[1].code[0], 0x38);
    EXPECT_EQ(edit.events[2].target, (Bytes4{0x32, 0x35, 0, 0})) << "the refused row's target";
    EXPECT_EQ(edit.events[3].codeLength, 0) << "a row after the refusal";
}

TEST(ProtocolEdit, RowWithoutOperationIsRefused) {
    auto doc = Doc();
    doc->inBand[6].operation = -3;
    CProtocolEdit edit(*doc, 0);
    EXPECT_EQ(Refused(edit.SaveEvents()), (ProtocolFieldRef{ProtocolFieldRef::Operation, 6}));
    EXPECT_EQ(edit.events[6].operation, -3);
    edit.ChooseOp(6, kInBandOpAutoAttendant);
    EXPECT_FALSE(edit.SaveEvents());
}

TEST(ProtocolEdit, TimingFieldsCheckedBeforeTheRows) {
    auto doc = Doc();
    CProtocolEdit edit(*doc, 0);
    EXPECT_EQ(edit.firstDtmfText, "3000");
    EXPECT_EQ(edit.interDtmfText, "500");
    edit.ChooseOp(0, kInBandOpDisconnect); // no code: refused once the times pass
    const ProtocolFieldRef first{ProtocolFieldRef::FirstDtmf};
    const ProtocolFieldRef inter{ProtocolFieldRef::InterDtmf};

    edit.SetInterDtmfText("1000");
    edit.SetFirstDtmfText("30");
    EXPECT_EQ(Refused(edit.LeaveCheck()), inter) << "the delay is checked first";
    for (const char* bad : {"990", "-20", "2 0", "", "x"}) {
        edit.SetInterDtmfText(bad);
        EXPECT_EQ(Refused(edit.LeaveCheck()), inter) << bad;
    }
    edit.SetInterDtmfText("0");
    for (const char* bad : {"30", "9990", "10000", ""}) {
        edit.SetFirstDtmfText(bad);
        EXPECT_EQ(Refused(edit.LeaveCheck()), first) << bad;
    }
    EXPECT_EQ(edit.interDtmfDelay, 500) << "nothing stored while a time is refused";
    edit.SetFirstDtmfText("0");
    EXPECT_EQ(Refused(edit.LeaveCheck()), CodeOf(0));
    edit.SetCode(0, "1");
    edit.SetFirstDtmfText("9980");
    edit.SetInterDtmfText("980");
    EXPECT_FALSE(edit.LeaveCheck());

    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->firstDtmfTimeout, 9980);
    EXPECT_EQ(doc->interDtmfDelay, 980);
    EXPECT_EQ(doc->inBand[0].operation, kInBandOpDisconnect);
}

TEST(ProtocolEdit, OtherPagesWriteTheirTenEventsOnly) {
    auto doc = Doc();
    CProtocolEdit edit(*doc, 3);
    edit.SetFirstDtmfText("x"); // no timing fields on this page
    edit.SetCode(9, "S");
    edit.ChooseOp(9, kInBandOpNameDirectory);
    EXPECT_FALSE(edit.LeaveCheck());
    doc->firstDtmfTimeout = 100;
    doc->inBand[29].operation = kInBandOpDndMenu;
    edit.ApplyTo(*doc);
    EXPECT_EQ(doc->inBand[39].operation, kInBandOpNameDirectory);
    EXPECT_EQ(doc->inBand[39].code[0], 0x53);
    EXPECT_EQ(doc->inBand[29].operation, kInBandOpDndMenu);
    EXPECT_EQ(doc->firstDtmfTimeout, 100);
}

TEST(ProtocolEdit, WizardStepTakesEarlierStepsAndBackDropsEdits) {
    auto doc = Doc();
    doc->inBand[11] = Entry(kInBandOpToMailbox, "1", {5, 0, 0, 0}, 1);
    CProtocolEdit edit(*doc, 1);
    MboxRecord box;
    box.number = "42";
    box.slot = 5;
    edit.EnterWizardStep(2, {box});
    EXPECT_EQ(edit.rows[1].destination, "42");
    edit.SetCode(0, "TT");
    edit.ChooseOp(0, kInBandOpBusyMenu);
    edit.SetDestination(1, "42");
    EXPECT_FALSE(edit.LeaveCheck()) << "a run of two with the step's two-digit extensions";
    EXPECT_EQ(edit.events[0].operation, kInBandOpBusyMenu);
    edit.WizardBack();
    EXPECT_EQ(edit.events[0], InBandEntry{});
    EXPECT_EQ(edit.rows[0].code, "");
    EXPECT_EQ(edit.events[1], Entry(kInBandOpToMailbox, "1", {5, 0, 0, 0}, 1));
}

} // namespace
} // namespace kiv::autoatt
