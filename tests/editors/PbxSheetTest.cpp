// "Parametri PBX" and "Parametri Notifica Interna e Esterna" as the user
// drives them: the lock of the digit count, the supervision signals, the
// 20 ms spin steps, the failed checks and what OK and Annulla leave behind.
#include "EditorGuiSupport.h"

#include "document/QelFile.h"
#include "editors/Texts.h"
#include "editors/ui/Extension1.h"
#include "editors/ui/PBXParameterSheet.h"
#include "editors/ui/PbxCommands.h"
#include "editors/ui/SpinEdit.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace kiv::test {
namespace {

namespace t = editors::texts;
using Texts = std::vector<std::string>;

// The document as a file would hold it, to see that nothing changed.
std::string Stored(const CQelDoc& doc) {
    CQelDoc copy = doc;
    StoreOptions options;
    options.advanceClock = false;
    return StoreConfiguration(copy, options);
}

void Type(QWidget* field, const char* text) {
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field)) spin->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// The field has the caret with its whole text selected.
void ExpectFailedOn(QLineEdit* field) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString();
    EXPECT_EQ(field->selectedText(), field->text()) << field->objectName().toStdString();
}
void ExpectFailedOn(CSpinEdit* field) {
    EXPECT_TRUE(field->hasFocus()) << field->objectName().toStdString();
    EXPECT_EQ(field->findChild<QLineEdit*>()->selectedText(), field->text())
        << field->objectName().toStdString();
}

class PbxSheetTest : public ::testing::Test {
  protected:
    RecordingSink sink;
    CScriptedShell shell{sink};
};

TEST_F(PbxSheetTest, TextLeftInARangeFieldLocksTheDigitCountForGood) {
    auto doc = MakeDoc(0, {});
    shell.handlers.push_back([this](QDialog& dialog) {
        auto* digits = Find<CSpinEdit>(dialog, "extDigits");
        auto* from = Find<QLineEdit>(dialog, "allowedFrom7");
        auto* to = Find<QLineEdit>(dialog, "allowedTo7");
        EXPECT_FALSE(digits->isReadOnly());
        EXPECT_EQ(from->accessibleName(), "Gruppo: 7 Da");

        // Typing 5 on an empty configuration: refused, and still editable.
        Type(digits, "5");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        EXPECT_EQ(sink.Texts(), Texts{t::kInputError});
        ExpectFailedOn(digits);
        EXPECT_FALSE(digits->isReadOnly());
        Type(digits, "4");

        from->setFocus();
        to->setFocus(); // an empty field left locks nothing
        EXPECT_FALSE(digits->isReadOnly());
        QTest::keyClicks(to, "1");
        from->setFocus();
        EXPECT_TRUE(digits->isReadOnly());
        Type(to, "");
        from->setFocus();
        EXPECT_TRUE(digits->isReadOnly()) << "the text was deleted afterwards";
        QTest::keyClick(digits, Qt::Key_Up);
        QTest::keyClick(digits, Qt::Key_Down);
        EXPECT_EQ(digits->text(), "4") << "the arrows do nothing";

        // With D = 4 a row of three digits is refused, on its "Da" field.
        Type(from, "200");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        ExpectFailedOn(from);
        Type(from, "2000");
        Type(to, "2999");
        return PressOk(dialog);
    });
    EXPECT_TRUE(RunPbxParamCommand(*doc, shell, nullptr));
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(doc->extDigits, 4);
    EXPECT_EQ(doc->allowedExt[7], "2000");
    EXPECT_EQ(doc->allowedExt[17], "2999");
    EXPECT_TRUE(doc->modified);

    // Mailboxes of that length exist: the stored count is shown, locked.
    auto withMailboxes = MakeDoc(0, {"201"});
    CPBXParameterSheet sheet(*withMailboxes, shell);
    EXPECT_EQ(sheet.ExtensionPage()->ExtDigits()->text(), "3");
    EXPECT_TRUE(sheet.ExtensionPage()->ExtDigits()->isReadOnly());
}

TEST_F(PbxSheetTest, SupervisionByTonesEmptiesAndClosesTheSignals) {
    auto doc = MakeDoc(0, {});
    doc->supervisionType = 1;
    doc->answerSignal = "1";
    doc->busySignal = "2#";
    doc->dndSignal = "3";
    doc->transferModeOperator = 1; // "Con Controllo", the third button
    shell.handlers.push_back([](QDialog& dialog) {
        auto& sheet = dynamic_cast<CPBXParameterSheet&>(dialog);
        EXPECT_TRUE(sheet.SetActivePage(2));
        EXPECT_EQ(sheet.Tabs()->tabText(2), "Supervisione");
        auto* type = Find<QComboBox>(dialog, "supervisionType");
        const std::vector<QLineEdit*> signalFields = {Find<QLineEdit>(dialog, "answerSignal"),
                                                      Find<QLineEdit>(dialog, "busySignal"),
                                                      Find<QLineEdit>(dialog, "dndSignal")};
        EXPECT_TRUE(Find<QRadioButton>(dialog, "transferModeOperator2")->isChecked());
        for (QLineEdit* signal : signalFields)
            EXPECT_TRUE(signal->isEnabled() && !signal->text().isEmpty());
        QTest::keyClicks(Find<QLineEdit>(dialog, "dndSignal"), "4");

        type->setFocus();
        QTest::keyClick(type, Qt::Key_Up); // "Toni Controllo Chiamata"
        EXPECT_EQ(type->currentIndex(), 0);
        for (QLineEdit* signal : signalFields)
            EXPECT_TRUE(!signal->isEnabled() && signal->text().isEmpty());
        QTest::keyClick(type, Qt::Key_Down); // "Tasto"
        for (QLineEdit* signal : signalFields)
            EXPECT_TRUE(signal->isEnabled() && signal->text().isEmpty());
        QTest::keyClicks(Find<QLineEdit>(dialog, "busySignal"), "*9");
        QTest::keyClick(type, Qt::Key_Down); // chosen again: what was typed stays
        EXPECT_EQ(Find<QLineEdit>(dialog, "busySignal")->text(), "*9");

        Find<QRadioButton>(dialog, "transferModeOperator1")->click(); // "Controllo Parziale"
        Find<QRadioButton>(dialog, "transferModeOther2")->click();    // "Con Controllo"
        return PressOk(dialog);
    });
    EXPECT_TRUE(RunPbxParamCommand(*doc, shell, nullptr));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(doc->supervisionType, 1);
    EXPECT_EQ(doc->answerSignal, "");
    EXPECT_EQ(doc->busySignal, "*9");
    EXPECT_EQ(doc->dndSignal, "");
    EXPECT_EQ(doc->transferModeOperator, 2);
    EXPECT_EQ(doc->transferModeOther, 1);
}

TEST_F(PbxSheetTest, TimeSpinsStepToTheNextMultipleOfTwenty) {
    auto doc = MakeDoc(0, {});
    CPBXParameterSheet sheet(*doc, shell);
    ShowActive(sheet);
    for (const char* name : {"flash1", "busyToneOn", "disconnectToneOff"}) {
        auto* spin = Find<CSpinEdit>(sheet, name);
        spin->SetText("130");
        QTest::keyClick(spin, Qt::Key_Up);
        EXPECT_EQ(spin->text(), "140") << name;
        spin->SetText("130");
        QTest::keyClick(spin, Qt::Key_Down);
        EXPECT_EQ(spin->text(), "120") << name;
        QTest::keyClick(spin, Qt::Key_Down);
        EXPECT_EQ(spin->text(), "100") << name;
    }
    auto* flash = Find<CSpinEdit>(sheet, "flash1");
    flash->SetText("970");
    QTest::keyClick(flash, Qt::Key_Up);
    QTest::keyClick(flash, Qt::Key_Up);
    EXPECT_EQ(flash->text(), "980") << "the range bounds the step";
    auto* busyOn = Find<CSpinEdit>(sheet, "busyToneOn");
    QTest::keyClick(busyOn, Qt::Key_Down);
    EXPECT_EQ(busyOn->text(), "100");
    EXPECT_EQ(Find<CSpinEdit>(sheet, "noAnswerWait")->Step(), 1);
    // The doubled ampersand of the caption is one for the eye and the ear.
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(flash);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), "Tempo Flash1 (&)");
}

TEST_F(PbxSheetTest, AFailedCheckKeepsItsTabAndNamesTheField) {
    auto doc = MakeDoc(0, {});
    doc->flash1 = 970; // stored off the step: refused only once the page is left
    shell.handlers.push_back([this](QDialog& dialog) {
        auto& sheet = dynamic_cast<CPBXParameterSheet&>(dialog);
        Type(Find<QLineEdit>(dialog, "operatorDayExt"), "12a");
        EXPECT_FALSE(sheet.SetActivePage(1));
        EXPECT_EQ(sheet.ActiveIndex(), 0);
        ExpectFailedOn(Find<QLineEdit>(dialog, "operatorDayExt"));
        Type(Find<QLineEdit>(dialog, "operatorDayExt"), "12");
        EXPECT_TRUE(sheet.SetActivePage(1));

        Type(Find<QLineEdit>(dialog, "transferCode"), "");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        ExpectFailedOn(Find<QLineEdit>(dialog, "transferCode"));
        Type(Find<QLineEdit>(dialog, "transferCode"), "*9&");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        ExpectFailedOn(Find<CSpinEdit>(dialog, "flash1"));
        Type(Find<CSpinEdit>(dialog, "flash1"), "980");
        EXPECT_TRUE(sheet.SetActivePage(2));

        Type(Find<CSpinEdit>(dialog, "voiceSensitivity"), "");
        EXPECT_FALSE(sheet.SetActivePage(3));
        ExpectFailedOn(Find<CSpinEdit>(dialog, "voiceSensitivity"));
        Type(Find<CSpinEdit>(dialog, "voiceSensitivity"), "9");
        Type(Find<CSpinEdit>(dialog, "noAnswerWait"), "");
        EXPECT_TRUE(sheet.SetActivePage(3));

        Type(Find<CSpinEdit>(dialog, "busyToneOn"), "3020");
        Type(Find<CSpinEdit>(dialog, "busyToneOff"), "110");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        ExpectFailedOn(Find<CSpinEdit>(dialog, "busyToneOff"));
        Type(Find<CSpinEdit>(dialog, "busyToneOff"), "3000");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        ExpectFailedOn(Find<CSpinEdit>(dialog, "busyToneOn"));
        Type(Find<CSpinEdit>(dialog, "busyToneOn"), "100");
        EXPECT_EQ(sink.Texts(), Texts(6, t::kInputError));
        return PressOk(dialog);
    });
    EXPECT_TRUE(RunPbxParamCommand(*doc, shell, nullptr));
    EXPECT_EQ(doc->operatorDayExt, "12");
    EXPECT_EQ(doc->transferCode, "*9&");
    EXPECT_EQ(doc->flash1, 980);
    EXPECT_EQ(doc->voiceSensitivity, 9);
    EXPECT_EQ(doc->noAnswerWait, 0);
    EXPECT_EQ(doc->busyToneOn, 100);
    EXPECT_EQ(doc->busyToneOff, 3000);
}

TEST_F(PbxSheetTest, AnnullaAfterEditsOnEveryTabLeavesTheDocument) {
    auto doc = MakeDoc(0, {});
    doc->modified = false;
    const std::string before = Stored(*doc);
    shell.handlers.push_back([](QDialog& dialog) {
        auto& sheet = dynamic_cast<CPBXParameterSheet&>(dialog);
        Type(Find<CSpinEdit>(dialog, "extDigits"), "2");
        Type(Find<QLineEdit>(dialog, "allowedFrom0"), "10");
        Type(Find<QLineEdit>(dialog, "allowedTo0"), "20");
        EXPECT_TRUE(sheet.SetActivePage(1));
        Type(Find<QLineEdit>(dialog, "transferCode"), "1");
        Type(Find<CSpinEdit>(dialog, "flash1"), "20");
        EXPECT_TRUE(sheet.SetActivePage(2));
        QComboBox* type = Find<QComboBox>(dialog, "supervisionType");
        type->setFocus();
        QTest::keyClick(type, Qt::Key_Down);
        Type(Find<QLineEdit>(dialog, "answerSignal"), "5");
        Find<QRadioButton>(dialog, "transferModeOther1")->click();
        EXPECT_TRUE(sheet.SetActivePage(3));
        Type(Find<CSpinEdit>(dialog, "disconnectToneOn"), "1000");
        Type(Find<QLineEdit>(dialog, "disconnectCode"), "#");
        EXPECT_TRUE(sheet.SetActivePage(0)) << "every tab passed its check";
        return PressCancel(dialog);
    });
    EXPECT_FALSE(RunPbxParamCommand(*doc, shell, nullptr));
    EXPECT_EQ(Stored(*doc), before);
    EXPECT_FALSE(doc->modified);
}

TEST_F(PbxSheetTest, NotificationWindowAndChoices) {
    auto doc = MakeDoc(0, {});
    doc->extNotifyStart = 60;
    doc->extNotifyEnd = 120;
    shell.handlers.push_back([this](QDialog& dialog) {
        auto* start = Find<QLineEdit>(dialog, "extNotifyStart");
        auto* end = Find<QLineEdit>(dialog, "extNotifyEnd");
        EXPECT_EQ(start->text(), "01:00");
        EXPECT_EQ(end->text(), "02:00");
        Type(start, "18:00");
        Type(end, "08:00");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        ExpectFailedOn(start);
        Type(start, "8:30");
        Type(end, "17:05");
        Type(Find<CSpinEdit>(dialog, "ringAttempts"), "100");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        ExpectFailedOn(Find<CSpinEdit>(dialog, "ringAttempts"));
        Type(Find<CSpinEdit>(dialog, "ringAttempts"), "99");
        Type(Find<QLineEdit>(dialog, "lineSeizeCode"), "9#");
        Find<QRadioButton>(dialog, "ledMode1")->click();
        Find<QRadioButton>(dialog, "ringDuration1")->click();
        EXPECT_EQ(sink.Texts(), Texts(2, t::kInputError));
        return PressOk(dialog);
    });
    EXPECT_TRUE(RunNotificationCommand(*doc, shell, nullptr));
    EXPECT_EQ(doc->extNotifyStart, 510);
    EXPECT_EQ(doc->extNotifyEnd, 1025);
    EXPECT_EQ(doc->ringAttempts, 99);
    EXPECT_EQ(doc->lineSeizeCode, "9#");
    EXPECT_EQ(doc->ledMode, 1);
    EXPECT_EQ(doc->ringDuration, 1);

    shell.handlers.push_back([](QDialog& dialog) {
        EXPECT_EQ(Find<QLineEdit>(dialog, "extNotifyStart")->text(), "08:30");
        EXPECT_EQ(Find<QLineEdit>(dialog, "extNotifyEnd")->text(), "17:05");
        Type(Find<QLineEdit>(dialog, "led1Code"), "123");
        Find<QRadioButton>(dialog, "ledMode0")->click();
        return PressCancel(dialog);
    });
    doc->modified = false;
    EXPECT_FALSE(RunNotificationCommand(*doc, shell, nullptr));
    EXPECT_EQ(doc->led1Code, "");
    EXPECT_EQ(doc->ledMode, 1);
    EXPECT_FALSE(doc->modified);
}

} // namespace
} // namespace kiv::test
