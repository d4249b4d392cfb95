// "Pagina Inziale" of "Gestione Pagine" driven offscreen: the lines a
// "RZ 48 Mbx" does not have, the order in which the cells are checked, the
// cells' two-digit form, and what OK writes back.
#include "editors/EditorGuiSupport.h"

#include "autoattendant/ScriptPages.h"
#include "autoattendant/ui/AutoAttenSheet.h"
#include "autoattendant/ui/OpenScriptPage.h"
#include "editors/ui/SpinEdit.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace kiv::test {
namespace {

using autoatt::kModeBreak;
using autoatt::kModeDay;
using autoatt::kModeHoliday;
using autoatt::kModeNight;

class OpenScriptPageTest : public ::testing::Test {
  protected:
    std::unique_ptr<CQelDoc> Doc(int productType) {
        auto d = MakeDoc(productType, {"201"});
        for (int line = 0; line < 4; ++line) {
            d->ringsBeforeAnswer[line] = line + 2;
            for (int mode = 0; mode < 4; ++mode)
                d->openingPage[line][mode] = line * 4 + mode; // 0 ... 15
        }
        return d;
    }

    // Opens the tab and replaces a field's text as the user would.
    static void Type(CSpinEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
    }

    RecordingSink sink;
};

TEST_F(OpenScriptPageTest, ARz48HasLinesThreeAndFourDisabledNeitherCheckedNorChanged) {
    auto doc = Doc(1);
    // Values no check takes, on the lines the user cannot reach.
    doc->openingPage[3][kModeNight] = 30;
    doc->ringsBeforeAnswer[2] = 12;
    CScriptedShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(2));
    COpenScriptPage* page = sheet.OpenScriptPage();
    for (int line = 0; line < 4; ++line) {
        const bool on = line < 2;
        EXPECT_EQ(page->Rings(line)->isEnabled(), on) << line;
        for (int mode = 0; mode < 4; ++mode)
            EXPECT_EQ(page->InitialPage(line, mode)->isEnabled(), on) << line << mode;
    }
    int disabledLabels = 0;
    for (QLabel* label : page->findChildren<QLabel*>())
        if (label->text() == "Linea 3" || label->text() == "Linea 4") {
            EXPECT_FALSE(label->isEnabled());
            ++disabledLabels;
        } else if (label->text() == "Linea 1" || label->text() == "Linea 2") {
            EXPECT_TRUE(label->isEnabled());
        }
    EXPECT_EQ(disabledLabels, 4); // in both groups
    EXPECT_EQ(page->InitialPage(3, kModeHoliday)->text(), "15");
    EXPECT_EQ(page->InitialPage(3, kModeNight)->text(), "30");
    EXPECT_EQ(page->Rings(2)->text(), "12");

    // OK is not refused on a field the user cannot reach, and what those
    // fields hold goes back as it was.
    Type(page->Rings(1), "9");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    EXPECT_TRUE(sink.messages.empty());
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->openingPage[3][kModeNight], 30);
    EXPECT_EQ(doc->openingPage[3][kModeHoliday], 15);
    EXPECT_EQ(doc->ringsBeforeAnswer[2], 12);
    EXPECT_EQ(doc->ringsBeforeAnswer[3], 5);
    EXPECT_EQ(doc->ringsBeforeAnswer[1], 9);
}

TEST_F(OpenScriptPageTest, CellsAreCheckedBreakDayHolidayNightThenRings) {
    auto doc = Doc(0);
    CScriptedShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(2));
    COpenScriptPage* page = sheet.OpenScriptPage();
    Type(page->Rings(0), "0");
    // A night cell keeps a letter; the others are rewritten when left.
    Type(page->InitialPage(3, kModeNight), "2x");
    Type(page->InitialPage(2, kModeHoliday), "21");
    Type(page->InitialPage(0, kModeHoliday), "22");
    Type(page->InitialPage(1, kModeDay), "21");
    Type(page->InitialPage(1, kModeBreak), "21");

    // Each refusal focuses and selects the field; mending it reveals the next.
    const std::pair<CSpinEdit*, QString> order[] = {
        {page->InitialPage(1, kModeBreak), "20"},  {page->InitialPage(1, kModeDay), "00"},
        {page->InitialPage(0, kModeHoliday), "7"}, {page->InitialPage(2, kModeHoliday), ""},
        {page->InitialPage(3, kModeNight), "3"},   {page->Rings(0), "1"}};
    std::size_t shown = 0;
    for (const auto& [field, mended] : order) {
        const QString refused = field->text();
        EXPECT_FALSE(sheet.SetActivePage(3)) << refused.toStdString();
        ASSERT_EQ(sink.messages.size(), ++shown);
        EXPECT_EQ(QApplication::focusWidget(), field) << refused.toStdString();
        EXPECT_EQ(field->findChild<QLineEdit*>()->selectedText(), refused);
        Type(field, mended);
    }
    page->Rings(2)->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "pagina_iniziale_squilli");
    page->InitialPage(2, kModeBreak)->setFocus();
    EXPECT_EQ(sheet.CurrentHelpTopic(), "pagina_iniziale_pagina");
    ASSERT_TRUE(sheet.SetActivePage(3));
    EXPECT_EQ(sink.messages.size(), shown);

    // A day cell left takes the two-digit form, a night cell keeps its text.
    EXPECT_EQ(page->InitialPage(0, kModeHoliday)->text(), "07");
    EXPECT_EQ(page->InitialPage(2, kModeHoliday)->text(), "00");
    EXPECT_EQ(page->InitialPage(3, kModeNight)->text(), "3");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->openingPage[1][kModeBreak], 20);
    EXPECT_EQ(doc->openingPage[1][kModeDay], 0);
    EXPECT_EQ(doc->openingPage[0][kModeHoliday], 7);
    EXPECT_EQ(doc->openingPage[2][kModeHoliday], 0); // the empty cell
    EXPECT_EQ(doc->openingPage[3][kModeNight], 3);
    EXPECT_EQ(doc->ringsBeforeAnswer[0], 1);
    EXPECT_EQ(doc->openingPage[0][kModeNight], 1); // untouched
}

TEST_F(OpenScriptPageTest, AnEmptyNightCellIsStoredAsZero) {
    auto doc = Doc(0);
    CScriptedShell shell(sink);
    CAutoAttenSheet sheet(*doc, shell);
    ShowActive(sheet);
    ASSERT_TRUE(sheet.SetActivePage(2));
    COpenScriptPage* page = sheet.OpenScriptPage();
    Type(page->InitialPage(2, kModeNight), "");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    EXPECT_TRUE(page->InitialPage(2, kModeNight)->text().isEmpty());
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->openingPage[2][kModeNight], 0);
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace kiv::test
