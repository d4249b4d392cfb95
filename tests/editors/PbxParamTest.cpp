// The rules of "Parametri PBX" and "Parametri Notifica Interna e Esterna"
// without widgets: what each page takes from the document and gives back,
// and which field each leave check stops at.
#include "document/QelDoc.h"
#include "editors/CallTranEdit.h"
#include "editors/ExtensionEdit.h"
#include "editors/NotificationEdit.h"
#include "editors/SuperEdit.h"
#include "editors/TonesEdit.h"

#include <gtest/gtest.h>

namespace kiv::editors {
namespace {

template <class Field> std::optional<Field> FailedAt(const FieldCheck<Field>& check) {
    if (!check) return std::nullopt;
    EXPECT_EQ(check->message, "Errore inserimento");
    return check->field;
}

ExtField From(int row) {
    return {ExtField::From, row};
}
ExtField To(int row) {
    return {ExtField::To, row};
}

// --- "Interni" ---------------------------------------------------------------

TEST(ExtensionEdit, TheDigitCountLocksWhenNumbersOfItsLengthExist) {
    CQelDoc doc;
    EXPECT_FALSE(CExtensionEdit(doc).DigitsLocked());
    doc.allowedExt[13] = "150"; // an "A" field alone
    EXPECT_TRUE(CExtensionEdit(doc).DigitsLocked());
    doc.allowedExt[13].clear();
    doc.mboxCount = 1;
    EXPECT_TRUE(CExtensionEdit(doc).DigitsLocked());

    doc.mboxCount = 0;
    CExtensionEdit edit(doc);
    edit.RangeLeft("");
    EXPECT_FALSE(edit.DigitsLocked());
    edit.from[4] = "1";
    edit.RangeLeft("1");
    edit.from[4].clear(); // deleted afterwards: still locked
    EXPECT_TRUE(edit.DigitsLocked());
    EXPECT_FALSE(edit.Check());
    EXPECT_TRUE(edit.DigitsLocked());

    // A digit count that fails unlocks the field so that it can be corrected.
    edit.extDigits = "5";
    EXPECT_EQ(FailedAt(edit.Check()), ExtField{ExtField::ExtDigits});
    EXPECT_FALSE(edit.DigitsLocked());
}

TEST(ExtensionEdit, ChecksRunInTheFieldOrderAndStopAtTheFirst) {
    CQelDoc doc;
    CExtensionEdit edit(doc);
    edit.extDigits = "x";
    edit.operatorKey = "12";
    edit.operatorNightExt = "1a";
    edit.from[0] = "9";
    EXPECT_EQ(FailedAt(edit.Check()), ExtField{ExtField::ExtDigits});
    edit.extDigits = "";
    EXPECT_EQ(FailedAt(edit.Check()), ExtField{ExtField::ExtDigits});
    edit.extDigits = "3";
    EXPECT_EQ(FailedAt(edit.Check()), ExtField{ExtField::OperatorKey});
    edit.operatorKey = "9";
    edit.operatorDayExt = "*";
    EXPECT_EQ(FailedAt(edit.Check()), ExtField{ExtField::DayExt});
    edit.operatorDayExt = "";
    EXPECT_EQ(FailedAt(edit.Check()), ExtField{ExtField::NightExt});
    edit.operatorNightExt = "";
    edit.faxExt = "20 ";
    EXPECT_EQ(FailedAt(edit.Check()), ExtField{ExtField::FaxExt});
    // The wizard's page has no fax field.
    EXPECT_EQ(FailedAt(edit.Check(false)), From(0));
    edit.faxExt = "";
    edit.from[0] = "";
    EXPECT_FALSE(edit.Check()) << "operator and fax extensions may stay empty";
}

TEST(ExtensionEdit, ARangeRowIsTwoNumbersOfTheDigitCountInOrder) {
    CQelDoc doc;
    doc.extDigits = 3;
    CExtensionEdit edit(doc);
    const auto row = [&edit](int r, const char* lo, const char* hi) {
        CExtensionEdit e = edit;
        e.from[static_cast<std::size_t>(r)] = lo;
        e.to[static_cast<std::size_t>(r)] = hi;
        return FailedAt(e.Check());
    };
    EXPECT_EQ(row(2, "200", ""), From(2));
    EXPECT_EQ(row(2, "", "200"), From(2));
    EXPECT_EQ(row(3, "150", "120"), From(3));
    EXPECT_EQ(row(3, "099", "120"), From(3)) << "below 100";
    EXPECT_EQ(row(3, "10", "120"), From(3));
    EXPECT_EQ(row(3, "100", "1200"), From(3));
    EXPECT_EQ(row(9, "1a0", "120"), From(9));
    EXPECT_EQ(row(9, "100", "12b"), To(9)) << "the A field's characters before the pair rule";
    EXPECT_EQ(row(5, "100", "100"), std::nullopt);
    EXPECT_EQ(row(5, "100", "999"), std::nullopt);

    // The digit count is the field's, as typed now.
    edit.extDigits = "4";
    EXPECT_EQ(row(0, "100", "200"), From(0));
    EXPECT_EQ(row(0, "1000", "1000"), std::nullopt);
    EXPECT_EQ(row(0, "0999", "1000"), From(0));
    edit.extDigits = "2";
    EXPECT_EQ(row(0, "10", "99"), std::nullopt);
    EXPECT_EQ(row(0, "09", "99"), From(0));

    // Rows are checked in order: the first bad one is named.
    edit.extDigits = "3";
    edit.from[7] = "7";
    edit.to[1] = "x";
    EXPECT_EQ(FailedAt(edit.Check()), To(1));
}

TEST(ExtensionEdit, ValuesGoBackWhereTheyCameFrom) {
    CQelDoc doc;
    for (int i = 0; i < 20; ++i)
        doc.allowedExt[static_cast<std::size_t>(i)] = std::to_string(100 + i);
    CExtensionEdit edit(doc);
    EXPECT_EQ(edit.from[3], "103");
    EXPECT_EQ(edit.to[3], "113");
    edit.extDigits = "4";
    edit.operatorKey = "7";
    edit.operatorDayExt = "1001";
    edit.operatorNightExt = "1002";
    edit.faxExt = "1003";
    edit.from[9] = "2000";
    edit.to[0] = "";
    CQelDoc out;
    edit.ApplyTo(out);
    EXPECT_EQ(out.extDigits, 4);
    EXPECT_EQ(out.operatorKey, 7);
    EXPECT_EQ(out.operatorDayExt, "1001");
    EXPECT_EQ(out.operatorNightExt, "1002");
    EXPECT_EQ(out.faxExt, "1003");
    EXPECT_EQ(out.allowedExt[9], "2000");
    EXPECT_EQ(out.allowedExt[10], "");
    EXPECT_EQ(out.allowedExt[19], "119");
    EXPECT_EQ(out.allowedExt[0], "100");
}

// --- "Trasferta Chiamate" ----------------------------------------------------

TEST(CallTranEdit, FlashTimeAndCodes) {
    CQelDoc doc;
    CCallTranEdit edit(doc);
    EXPECT_EQ(edit.flash1, "600");
    const auto flash = [&edit](const char* text) {
        CCallTranEdit e = edit;
        e.flash1 = text;
        return FailedAt(e.Check());
    };
    EXPECT_EQ(flash("990"), TransferField::Flash1);
    EXPECT_EQ(flash("970"), TransferField::Flash1);
    EXPECT_EQ(flash("98a"), TransferField::Flash1);
    EXPECT_EQ(flash(""), TransferField::Flash1);
    EXPECT_EQ(flash("980"), std::nullopt);
    EXPECT_EQ(flash("0"), std::nullopt);

    // The range comes before the codes, the step after them.
    edit.transferCode = "";
    edit.flash1 = "1000";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::Flash1);
    edit.flash1 = "970";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::TransferCode) << "an empty code is refused";
    edit.transferCode = "q";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::TransferCode);
    edit.transferCode = "*9&";
    edit.recallOnBusy = "";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::RecallOnBusy);
    edit.recallOnBusy = "pPxX@#";
    edit.recallOnNoAnswer = std::string(21, '1');
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::RecallOnNoAnswer);
    edit.recallOnNoAnswer = std::string(20, 'D');
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::Flash1);
    edit.flash1 = "960";
    EXPECT_EQ(FailedAt(edit.Check()), std::nullopt);

    doc.flash2 = 1234; // not on the page: goes back as it came
    CCallTranEdit shown(doc);
    shown.flash1 = "40";
    shown.transferCode = "*9&";
    CQelDoc out;
    out.flash2 = 0;
    shown.ApplyTo(out);
    EXPECT_EQ(out.flash1, 40);
    EXPECT_EQ(out.flash2, 1234);
    EXPECT_EQ(out.transferCode, "*9&");
    EXPECT_EQ(out.recallOnBusy, "&");
}

// --- "Supervisione" ----------------------------------------------------------

TEST(SuperEdit, TransferModeButtonsSwapTheMiddleModes) {
    // Buttons: "Senza Controllo", "Controllo Parziale", "Con Controllo".
    EXPECT_EQ(TransferModeButton(0), 0);
    EXPECT_EQ(TransferModeButton(1), 2);
    EXPECT_EQ(TransferModeButton(2), 1);
    EXPECT_EQ(TransferModeButton(3), -1);
    EXPECT_EQ(TransferModeOfButton(0), 0);
    EXPECT_EQ(TransferModeOfButton(1), 2);
    EXPECT_EQ(TransferModeOfButton(2), 1);
    EXPECT_EQ(TransferModeOfButton(-1), -1);
}

TEST(SuperEdit, SupervisionByTonesEmptiesTheSignals) {
    CQelDoc doc;
    doc.supervisionType = 3; // any value but 0 is "by key"
    doc.answerSignal = "1";
    doc.busySignal = "2";
    doc.dndSignal = "3";
    CSuperEdit edit(doc);
    EXPECT_EQ(edit.SupervisionChoice(), 1);
    EXPECT_TRUE(edit.SignalsEnabled());
    edit.SetSupervisionChoice(1);
    EXPECT_EQ(edit.supervisionType, 3) << "choosing what is shown changes nothing";
    edit.SetSupervisionChoice(0);
    EXPECT_FALSE(edit.SignalsEnabled());
    EXPECT_EQ(edit.answerSignal + edit.busySignal + edit.dndSignal, "");
    edit.SetSupervisionChoice(1);
    EXPECT_EQ(edit.supervisionType, 1);
    EXPECT_EQ(edit.answerSignal + edit.busySignal + edit.dndSignal, "") << "they stay empty";
}

TEST(SuperEdit, ChecksInOrder) {
    CQelDoc doc;
    doc.supervisionType = 1; // by key: the signals are checked
    CSuperEdit edit(doc);
    edit.answerSignal = "12345";
    edit.busySignal = "e";
    edit.dndSignal = "*#";
    edit.noAnswerWait = "100";
    edit.voiceSensitivity = "";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::AnswerSignal);
    edit.answerSignal = "aBcD";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::BusySignal);
    edit.busySignal = "";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::NoAnswerWait);
    edit.noAnswerWait = "";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::VoiceSensitivity) << "empty is refused";
    edit.voiceSensitivity = "0";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::VoiceSensitivity);
    edit.voiceSensitivity = "9";
    EXPECT_EQ(FailedAt(edit.Check()), std::nullopt) << "an empty wait reads as 0";

    edit.transferModeOperator = TransferModeOfButton(1);
    edit.transferModeOther = TransferModeOfButton(2);
    CQelDoc out;
    out.noAnswerWait = 55;
    edit.ApplyTo(out);
    EXPECT_EQ(out.noAnswerWait, 0);
    EXPECT_EQ(out.voiceSensitivity, 9);
    EXPECT_EQ(out.transferModeOperator, 2);
    EXPECT_EQ(out.transferModeOther, 1);
    EXPECT_EQ(out.answerSignal, "aBcD");
    EXPECT_EQ(out.dndSignal, "*#");
}

// --- "Toni Chiamata" ---------------------------------------------------------

TEST(TonesEdit, TimesAreHundredToThreeThousandInStepsOfTwenty) {
    CQelDoc doc;
    CTonesEdit edit(doc);
    EXPECT_EQ(edit.disconnectToneOn, "240");
    const auto busyOn = [&edit](const char* text) {
        CTonesEdit e = edit;
        e.busyToneOn = text;
        return FailedAt(e.Check());
    };
    EXPECT_EQ(busyOn("3020"), TransferField::BusyToneOn);
    EXPECT_EQ(busyOn("110"), TransferField::BusyToneOn);
    EXPECT_EQ(busyOn("80"), TransferField::BusyToneOn);
    EXPECT_EQ(busyOn(""), TransferField::BusyToneOn);
    EXPECT_EQ(busyOn("3000"), std::nullopt);
    EXPECT_EQ(busyOn("100"), std::nullopt);

    // Off before on, busy before disconnect, the code last.
    edit.busyToneOn = edit.busyToneOff = edit.disconnectToneOn = edit.disconnectToneOff = "1";
    edit.disconnectCode = "###5#";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::BusyToneOff);
    edit.busyToneOff = "500";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::BusyToneOn);
    edit.busyToneOn = "520";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::DisconnectToneOff);
    edit.disconnectToneOff = "2980";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::DisconnectToneOn);
    edit.disconnectToneOn = "120";
    EXPECT_EQ(FailedAt(edit.Check()), TransferField::DisconnectCode);
    edit.disconnectCode = "";
    EXPECT_EQ(FailedAt(edit.Check()), std::nullopt);

    CQelDoc out;
    edit.ApplyTo(out);
    EXPECT_EQ(out.busyToneOff, 500);
    EXPECT_EQ(out.busyToneOn, 520);
    EXPECT_EQ(out.disconnectToneOff, 2980);
    EXPECT_EQ(out.disconnectToneOn, 120);
    EXPECT_EQ(out.disconnectCode, "");
}

TEST(WizSuper, ChecksTheShownFieldsInTheWizardsOrder) {
    CQelDoc doc;
    CCallTranEdit callTran(doc);
    CSuperEdit super(doc);
    CTonesEdit tones(doc);
    // Not on the wizard's page: never checked there.
    super.answerSignal = "x";
    tones.disconnectToneOn = "1";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), std::nullopt);

    super.noAnswerWait = "";
    super.voiceSensitivity = "0";
    callTran.flash1 = "990";
    tones.busyToneOn = "1";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::NoAnswerWait)
        << "an empty wait is refused in the wizard";
    super.noAnswerWait = "0";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::NoAnswerWait);
    super.noAnswerWait = "1";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::VoiceSensitivity);
    super.voiceSensitivity = "1";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::Flash1);
    callTran.flash1 = "970";
    callTran.recallOnNoAnswer = "";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::RecallOnNoAnswer);
    callTran.recallOnNoAnswer = "&";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::Flash1);
    callTran.flash1 = "980";
    tones.busyToneOff = "x";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::BusyToneOn)
        << "on before off, unlike the tab";
    tones.busyToneOn = "200";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::BusyToneOff);
    tones.busyToneOff = "200";
    tones.disconnectCode = "q";
    EXPECT_EQ(FailedAt(CheckWizardSuper(callTran, super, tones)), TransferField::DisconnectCode);
}

// --- "Parametri Notifica" ----------------------------------------------------

TEST(NotificationEdit, TheWindowIsShownAsTimesAndStoredAsMinutes) {
    CQelDoc doc;
    doc.extNotifyStart = 510;
    doc.extNotifyEnd = 1025;
    CNotificationEdit edit(doc);
    EXPECT_EQ(edit.start, "08:30");
    EXPECT_EQ(edit.end, "17:05");

    edit.start = "8:30";
    edit.end = "17:5";
    EXPECT_EQ(FailedAt(edit.Check()), std::nullopt);
    CQelDoc out;
    edit.ApplyTo(out);
    EXPECT_EQ(out.extNotifyStart, 510);
    EXPECT_EQ(out.extNotifyEnd, 1025);
    EXPECT_EQ(CNotificationEdit(out).end, "17:05");

    edit.start = edit.end = "";
    out.extNotifyStart = out.extNotifyEnd = 77;
    EXPECT_EQ(FailedAt(edit.Check()), std::nullopt);
    edit.ApplyTo(out);
    EXPECT_EQ(out.extNotifyStart, 0);
    EXPECT_EQ(out.extNotifyEnd, 0);
}

TEST(NotificationEdit, WindowRefusals) {
    CQelDoc doc;
    const auto window = [&doc](const char* start, const char* end) {
        CNotificationEdit e(doc);
        e.start = start;
        e.end = end;
        return FailedAt(e.Check());
    };
    EXPECT_EQ(window("18:00", "08:00"), NotifField::Start);
    EXPECT_EQ(window("08:00", "24:00"), NotifField::End);
    EXPECT_EQ(window("08:60", "09:00"), NotifField::Start);
    EXPECT_EQ(window("12.30", "13:00"), NotifField::Start);
    EXPECT_EQ(window("12.30", "1300"), NotifField::Start) << "the start's colon first";
    EXPECT_EQ(window("12:30", "1300"), NotifField::End);
    EXPECT_EQ(window("25:00", "1300"), NotifField::End) << "both colons before any range";
    EXPECT_EQ(window("", "13:00"), NotifField::Start);
    EXPECT_EQ(window("13:00", ""), NotifField::End);
    EXPECT_EQ(window("13:00", "13:00"), std::nullopt) << "a start equal to the end";
    EXPECT_EQ(window("9:", ":"), NotifField::Start) << "9:00 after 0:00";
}

TEST(NotificationEdit, CodesAndCountsInOrder) {
    CQelDoc doc;
    CNotificationEdit edit(doc);
    edit.led1Code = std::string(41, '1');
    edit.led2Code = "e";
    edit.ledOffCode = "e";
    edit.lineSeizeCode = "a";
    edit.start = "x";
    edit.ringInterval = "0";
    edit.ringAttempts = "100";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::Led1Code);
    edit.led1Code = std::string(38, '1') + "x!";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::Led2Code);
    edit.led2Code = "PpXxAaBbCcDd*#&@!";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::LedOffCode);
    edit.ledOffCode = "";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::LineSeizeCode);
    edit.lineSeizeCode = "P";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::LineSeizeCode);
    edit.lineSeizeCode = "9#*p0";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::LineSeizeCode) << "five characters";
    edit.lineSeizeCode = "9#";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::Start);
    edit.start = "";
    edit.end = "";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::RingInterval);
    edit.ringInterval = "99";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::RingAttempts);
    edit.ringAttempts = "0";
    EXPECT_EQ(FailedAt(edit.Check()), NotifField::RingAttempts);
    edit.ringAttempts = "99";
    EXPECT_EQ(FailedAt(edit.Check()), std::nullopt);
    edit.lineSeizeCode = "0";
    EXPECT_EQ(FailedAt(edit.Check()), std::nullopt);

    edit.ledMode = 1;
    edit.ringDuration = 1;
    CQelDoc out;
    edit.ApplyTo(out);
    EXPECT_EQ(out.led1Code, edit.led1Code);
    EXPECT_EQ(out.led2Code, "PpXxAaBbCcDd*#&@!");
    EXPECT_EQ(out.lineSeizeCode, "0");
    EXPECT_EQ(out.ringInterval, 99);
    EXPECT_EQ(out.ringAttempts, 99);
    EXPECT_EQ(out.ledMode, 1);
    EXPECT_EQ(out.ringDuration, 1);
}

TEST(NotificationEdit, TheWizardChecksOnlyItsFields) {
    CQelDoc doc;
    CNotificationEdit edit(doc);
    edit.led2Code = "e";
    edit.start = "99:99";
    EXPECT_EQ(FailedAt(edit.CheckWizard()), std::nullopt);
    edit.ringAttempts = "";
    edit.ledOffCode = "q";
    EXPECT_EQ(FailedAt(edit.CheckWizard()), NotifField::LedOffCode);
    edit.ledOffCode = "";
    EXPECT_EQ(FailedAt(edit.CheckWizard()), NotifField::RingAttempts);
}

} // namespace
} // namespace kiv::editors
