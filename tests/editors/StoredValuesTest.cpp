// Values a read or an older file can store beyond what a field lets the user
// type: "Parametri PBX", the breaks and the masked time fields show them
// whole, give them back on OK when untouched, refuse them on their own field
// when no check takes them, and never trap the user on a field they cannot
// reach. Typing stays bound by the limits. ("Ora e Data": TimeDateSheetTest.)
#include "EditorGuiSupport.h"

#include "editors/ui/DayBreakSheet.h"
#include "editors/ui/DayMultiBreakPage.h"
#include "editors/ui/PBXParameterSheet.h"
#include "editors/ui/SpinEdit.h"
#include "editors/ui/TimeEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

namespace kiv::test {
namespace {

class StoredValuesTest : public ::testing::Test {
  protected:
    RecordingSink sink;
    CScriptedShell shell{sink};
};

TEST_F(StoredValuesTest, PbxParametersShowStoredValuesWholeAndGiveThemBack) {
    auto doc = MakeDoc(0, {}, 4);
    doc->allowedExt[0] = "1200";
    doc->allowedExt[10] = "12399"; // five digits where four can be typed
    doc->transferCode = "1234567890123456789012345";
    doc->busyToneOn = 12000;
    doc->supervisionType = 0; // by tones: the signals are disabled
    doc->answerSignal = "12345X";
    CPBXParameterSheet sheet(*doc, shell);
    ShowActive(sheet);
    EXPECT_EQ(Find<QLineEdit>(sheet, "allowedTo0")->text(), "12399");
    auto* code = Find<QLineEdit>(sheet, "transferCode");
    EXPECT_EQ(code->text(), "1234567890123456789012345");
    EXPECT_EQ(Find<CSpinEdit>(sheet, "busyToneOn")->text(), "12000");
    auto* answer = Find<QLineEdit>(sheet, "answerSignal");
    EXPECT_EQ(answer->text(), "12345X");
    EXPECT_FALSE(answer->isEnabled());

    // No check takes five digits with D = 4: refused on the range's "Da",
    // enabled, focused and selected.
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    auto* from = Find<QLineEdit>(sheet, "allowedFrom0");
    EXPECT_TRUE(from->isEnabled());
    EXPECT_TRUE(from->hasFocus());
    EXPECT_EQ(from->selectedText(), "1200");
    auto* to = Find<QLineEdit>(sheet, "allowedTo0");
    to->setFocus();
    QTest::keyClick(to, Qt::Key_End);
    QTest::keyClick(to, Qt::Key_Backspace);
    EXPECT_EQ(to->text(), "1239") << "a stored text too long can be shortened";
    QTest::keyClick(to, Qt::Key_9);
    EXPECT_EQ(to->text(), "1239") << "but typing stays within four characters";

    // The transfer code is refused the same way, on leaving its tab.
    ASSERT_TRUE(sheet.SetActivePage(1));
    EXPECT_FALSE(sheet.SetActivePage(2));
    EXPECT_TRUE(code->hasFocus());
    EXPECT_EQ(code->selectedText(), code->text());
    code->selectAll();
    QTest::keyClicks(code, "1234567890123456789012345");
    EXPECT_EQ(code->text(), "12345678901234567890") << "typing stops at twenty";

    // "Supervisione" is left freely: its signals are disabled. The tone
    // time is refused on its own field too; 2980 is taken.
    ASSERT_TRUE(sheet.SetActivePage(2));
    ASSERT_TRUE(sheet.SetActivePage(3));
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    auto* tone = Find<CSpinEdit>(sheet, "busyToneOn");
    EXPECT_TRUE(tone->hasFocus());
    tone->selectAll();
    QTest::keyClicks(tone, "29800");
    EXPECT_EQ(tone->text(), "2980");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->allowedExt[10], "1239");
    EXPECT_EQ(doc->busyToneOn, 2980);
    EXPECT_EQ(doc->answerSignal, "12345X") << "a disabled field is neither checked nor changed";
    EXPECT_EQ(sink.messages.size(), 3u);
}

TEST_F(StoredValuesTest, BreakPagesOfAByteAreShownWholeAndKept) {
    auto doc = MakeDoc(0, {});
    editors::ScheduleTables tables;
    tables.workHours = doc->workHours;
    tables.breaks = doc->breaks;
    tables.breaks[0][0] = BreakSlot{0, 0, 200}; // an empty row, its page disabled
    tables.breaks[0][1] = BreakSlot{600, 660, 255};
    CDayBreakSheet sheet(tables, shell);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(1));
    auto* empty = Find<CSpinEdit>(sheet, "breakPage0");
    auto* used = Find<CSpinEdit>(sheet, "breakPage1");
    EXPECT_EQ(empty->text(), "200");
    EXPECT_FALSE(empty->isEnabled());
    EXPECT_EQ(used->text(), "255");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected) << "no page 255";
    EXPECT_TRUE(used->hasFocus());
    used->selectAll();
    QTest::keyClicks(used, "97");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    EXPECT_EQ(sheet.Tables().breaks[0][0].page, 200) << "the empty row keeps its byte";
    EXPECT_EQ(sheet.Tables().breaks[0][1].page, 97);
}

// With KIV_SCREENSHOT_DIR set, the tabs holding long stored values are saved
// there as PNG pictures.
TEST_F(StoredValuesTest, Screenshots) {
    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (dir.isEmpty()) GTEST_SKIP() << "KIV_SCREENSHOT_DIR not set";
    QDir().mkpath(dir);
    auto doc = MakeDoc(0, {}, 4);
    doc->allowedExt[0] = "1200";
    doc->allowedExt[10] = "12399";
    CPBXParameterSheet ranges(*doc, shell);
    ranges.show();
    QTest::qWait(30);
    EXPECT_TRUE(ranges.grab().save(QDir(dir).filePath("stored_pbx_interni.png")));
    doc->allowedExt[10] = "1299";
    doc->transferCode = "1234567890123456789012345";
    CPBXParameterSheet codes(*doc, shell);
    codes.show();
    EXPECT_TRUE(codes.SetActivePage(1));
    QTest::qWait(30);
    EXPECT_TRUE(codes.grab().save(QDir(dir).filePath("stored_pbx_trasferta.png")));
}

TEST(MaskedTimeField, ALongStoredTimeIsRetypedWithoutItsTail) {
    CTimeEdit field;
    field.SetMaxHours(99);
    field.SetText("100:00"); // 6000 minutes, from a read
    EXPECT_EQ(field.text(), "100:00");
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, "1230");
    EXPECT_EQ(field.text(), "12:30") << "no leftover digit read as minutes";
}

TEST(MaskedTimeField, AMiddleClickPastesNothingWhileTheMaskIsOn) {
    QClipboard* clipboard = QApplication::clipboard();
    if (!clipboard->supportsSelection()) GTEST_SKIP() << "no selection on this platform";
    CTimeEdit field;
    field.SetText("08:30");
    clipboard->setText("99x99", QClipboard::Selection);
    QTest::mouseClick(&field, Qt::MiddleButton);
    EXPECT_EQ(field.text(), "08:30");
}

} // namespace
} // namespace kiv::test
