// "Ora, Data e Orario Settimanale" and its inner sheet "Auto" as the user drives them, and the
// masked time fields under the keyboard.
#include "EditorGuiSupport.h"

#include "editors/Texts.h"
#include "editors/ui/AddHolidayDlg.h"
#include "editors/ui/DateEdit.h"
#include "editors/ui/DayBreakPage.h"
#include "editors/ui/DayBreakSheet.h"
#include "editors/ui/DayMultiBreakPage.h"
#include "editors/ui/HolPage.h"
#include "editors/ui/SpinEdit.h"
#include "editors/ui/TimeDatePage.h"
#include "editors/ui/TimeDateSheet.h"
#include "editors/ui/TimeEdit.h"

#include "support/ClipCheck.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

namespace kiv::test {
namespace {

namespace t = editors::texts;
using Texts = std::vector<std::string>;

TEST(MaskedTimeField, KeysGoThroughTheMask) {
    CTimeEdit field;
    field.SetMaxHours(23);
    field.SetMaxMinutes(59);
    field.SetText("12:30");
    ShowActive(field);
    field.setFocus();
    field.setCursorPosition(0);
    QTest::keyClicks(&field, "24");
    EXPECT_EQ(field.text(), "22:30") << "the 4 is refused";
    EXPECT_EQ(field.cursorPosition(), 1);
    QTest::keyClicks(&field, "1x6");
    EXPECT_EQ(field.text(), "21:30") << "a letter and a 6 in the first minute position refused";
    EXPECT_EQ(field.cursorPosition(), 3);
    QTest::keyClicks(&field, "45");
    EXPECT_EQ(field.text(), "21:45");

    QTest::keyClick(&field, Qt::Key_Home);
    QTest::keyClick(&field, Qt::Key_Delete);
    QTest::keyClick(&field, Qt::Key_Insert);
    EXPECT_EQ(field.text(), "21:45");
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_X, Qt::ControlModifier); // cut
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier); // paste
    EXPECT_EQ(field.text(), "21:45");

    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "21:30") << "Backspace puts back what the owner set";
    EXPECT_EQ(field.cursorPosition(), 3);
    EXPECT_EQ(field.Time(), QTime(21, 30));
    field.SetTime(QTime());
    EXPECT_EQ(field.text(), "");
}

TEST(MaskedDateField, DaysAndMonthsAreLimitedAndTheDateIsExchanged) {
    CDateEdit field;
    QDate member(2026, 3, 5);
    ExchangeDate(field, member, false);
    EXPECT_EQ(field.text(), "05/03/2026");
    ShowActive(field);
    field.setFocus();
    field.setCursorPosition(0);
    QTest::keyClicks(&field, "3211322027");
    EXPECT_EQ(field.text(), "31/12/2027") << "the 2 after a 3 and the 3 after a 1 refused";
    ExchangeDate(field, member, true);
    EXPECT_EQ(member, QDate(2027, 12, 31));
    field.setCursorPosition(3);
    QTest::keyClicks(&field, "02");
    EXPECT_EQ(field.text(), "31/02/2027");
    ExchangeDate(field, member, true);
    EXPECT_FALSE(member.isValid()) << "no 31 February";
}

class TimeDateSheetTest : public ::testing::Test {
  protected:
    TimeDateSheetTest() {
        doc->SetClock(clock);
        doc->clockHour = 9;
        doc->clockMinute = 15;
        doc->clockSecond = 0;
        doc->clockDay = 9;
        doc->clockMonth = 12;
        doc->clockYear = 2026;
        doc->clockWeekday = 3;
        doc->clockReference = clock.Now() - 30;
        doc->operatingMode = 0;
    }

    // Runs the command with `handler` on the outer sheet, before the
    // handlers already queued for the dialogs it opens.
    bool Run(CScriptedShell::Handler handler) {
        shell.handlers.push_front(std::move(handler));
        return RunTimeDateCommand(*doc, shell, nullptr);
    }

    RecordingSink sink;
    CScriptedShell shell{sink};
    FixedClock clock{SecondsFromCivil(LocalTime{2026, 12, 9, 20, 0, 0, 3})};
    std::unique_ptr<CQelDoc> doc = MakeDoc(0, {});
};

TEST_F(TimeDateSheetTest, SchedulesOpenOnlyInAutoMode) {
    EXPECT_FALSE(Run([](QDialog& dialog) {
        auto* mode = Find<QComboBox>(dialog, "operatingMode");
        auto* schedules = Find<QPushButton>(dialog, "schedules");
        EXPECT_EQ(mode->currentText(), "Giorno");
        EXPECT_FALSE(schedules->isEnabled());
        mode->setCurrentIndex(4);
        EXPECT_EQ(mode->currentText(), "Auto");
        EXPECT_TRUE(schedules->isEnabled());
        mode->setCurrentIndex(3);
        EXPECT_FALSE(schedules->isEnabled());
        return PressCancel(dialog);
    }));
    EXPECT_EQ(doc->operatingMode, 0);
    EXPECT_FALSE(doc->modified);
}

TEST_F(TimeDateSheetTest, TheClockRunsAndOkStoresItWithThePickedDate) {
    EXPECT_TRUE(Run([this](QDialog& dialog) {
        auto& page = *static_cast<CTimeDateSheet&>(dialog).TimeDatePage();
        // Advanced by the 30 seconds since the reference before the sheet opened.
        EXPECT_EQ(page.TimeField()->time(), QTime(9, 15, 30));
        page.Tick();
        EXPECT_EQ(page.TimeField()->time(), QTime(9, 15, 30)) << "no new second yet";
        clock.Advance(1);
        page.Tick();
        EXPECT_EQ(page.TimeField()->time(), QTime(9, 15, 31));
        clock.Advance(1);
        QTest::qWait(60); // the page's own timer
        EXPECT_EQ(page.TimeField()->time(), QTime(9, 15, 32));
        page.DateField()->SetDate(QDate(2026, 12, 13)); // a Sunday
        EXPECT_EQ(page.Model().weekday, 6);
        page.ModeField()->setCurrentIndex(2);
        clock.Advance(5);
        return PressOk(dialog);
    }));
    EXPECT_EQ(doc->clockHour, 9);
    EXPECT_EQ(doc->clockMinute, 15);
    EXPECT_EQ(doc->clockSecond, 32) << "the shown time, not the computer's";
    EXPECT_EQ(doc->clockDay, 13);
    EXPECT_EQ(doc->clockWeekday, 7);
    EXPECT_EQ(doc->clockReference, clock.Now()) << "true from the moment of the OK";
    EXPECT_EQ(doc->operatingMode, 2);
    EXPECT_TRUE(doc->modified);
}

TEST_F(TimeDateSheetTest, TheRunningClockLeavesTheTimeBeingTyped) {
    CTimeDateSheet sheet(*doc, shell);
    ShowActive(sheet);
    CTimeDatePage& page = *sheet.TimeDatePage();
    QTimeEdit* time = page.TimeField();
    time->setFocus();
    time->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClick(time, Qt::Key_1);
    clock.Advance(1);
    page.Tick(); // a second passes between the two keys
    QTest::keyClick(time, Qt::Key_6);
    EXPECT_EQ(time->time().hour(), 16);
    clock.Advance(1);
    page.Tick();
    EXPECT_EQ(time->time().hour(), 16);
    EXPECT_EQ(time->time().second(), 0) << "the clock waits for the user";
    page.DateField()->setFocus(); // leaving the field confirms the time
    clock.Advance(1);
    page.Tick();
    EXPECT_EQ(time->time(), QTime(16, 15, 1)) << "and runs again once the time is confirmed";
}

TEST_F(TimeDateSheetTest, OnlyDatesTheUnitCanHoldAreTaken) {
    doc->clockMonth = 2;
    doc->clockDay = 31; // from a read: no such day
    CTimeDateSheet sheet(*doc, shell);
    ShowActive(sheet);
    CDateEdit* date = sheet.TimeDatePage()->DateField();
    EXPECT_EQ(date->text(), "31/02/2026") << "shown as stored";
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    EXPECT_TRUE(date->hasFocus());
    EXPECT_EQ(date->selectedText(), "31/02/2026");
    // A real date typed, then the stored text again: still refused.
    date->SetText("01/03/2026");
    date->SetText("31/02/2026");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    // The year goes to the unit in one byte: 2071 would come back as 1971.
    date->SetText("28/02/2071");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    date->SetText("28/02/1970");
    EXPECT_EQ(PressOk(sheet), QDialog::Rejected);
    date->SetText("31/12/2070");
    EXPECT_EQ(PressOk(sheet), QDialog::Accepted);
    sheet.ApplyTo(*doc);
    EXPECT_EQ(doc->clockYear, 2070);
    EXPECT_EQ(doc->clockMonth, 12);
    EXPECT_EQ(doc->clockDay, 31);
    EXPECT_EQ(doc->clockWeekday, 3); // a Wednesday
    EXPECT_EQ(sink.messages.size(), 4u);
}

TEST_F(TimeDateSheetTest, AWorkingPeriodEndingBeforeItStartsKeepsTheInnerSheetOpen) {
    doc->operatingMode = 4;
    doc->workHours[2] = "08:30";
    doc->workHours[9] = "17:00";
    shell.handlers.push_back([this](QDialog& dialog) {
        auto& sheet = static_cast<CDayBreakSheet&>(dialog);
        CDayBreakPage* page = sheet.WeeklyPage();
        EXPECT_EQ(page->From(0)->text(), "00:00") << "an empty period shows as 00:00";
        EXPECT_EQ(page->From(2)->text(), "08:30");
        page->From(0)->setFocus();
        page->From(0)->setCursorPosition(0);
        QTest::keyClicks(page->From(0), "1800");
        page->To(0)->setFocus();
        page->To(0)->setCursorPosition(0);
        QTest::keyClicks(page->To(0), "0800");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        EXPECT_EQ(sink.Texts(), Texts{t::kInputError});
        EXPECT_TRUE(page->From(0)->hasFocus()) << "Monday's Da";
        EXPECT_EQ(page->From(0)->selectedText(), "18:00");
        // Another tab is refused the same way.
        EXPECT_FALSE(sheet.SetActivePage(1));
        page->To(0)->SetText("18:00");
        EXPECT_TRUE(sheet.SetActivePage(1));
        return PressOk(dialog);
    });
    EXPECT_TRUE(Run([this](QDialog& dialog) {
        auto& page = *static_cast<CTimeDateSheet&>(dialog).TimeDatePage();
        page.SchedulesButton()->click();
        EXPECT_EQ(shell.opened.back(), "dayBreakSheet");
        EXPECT_EQ(page.Model().tables.workHours[0], "18:00") << "the inner OK reached the page";
        return PressOk(dialog);
    }));
    EXPECT_EQ(doc->workHours[0], "18:00");
    EXPECT_EQ(doc->workHours[7], "18:00");
    EXPECT_EQ(doc->workHours[2], "08:30");
    EXPECT_EQ(doc->workHours[13], "") << "untouched: stored as it was, not as the 00:00 shown";
    EXPECT_EQ(doc->workHoursCopy, doc->workHours);
}

TEST_F(TimeDateSheetTest, ABreakWithPageNinetyEightStopsTheMoveToThursday) {
    doc->operatingMode = 4;
    shell.handlers.push_back([this](QDialog& dialog) {
        auto& sheet = static_cast<CDayBreakSheet&>(dialog);
        EXPECT_TRUE(sheet.SetActivePage(1));
        CDayMultiBreakPage* page = sheet.BreakPage();
        auto* weekday = Find<QLineEdit>(dialog, "breakWeekday");
        EXPECT_EQ(weekday->text(), "Luned\u00EC");
        page->PrevButton()->click();
        EXPECT_EQ(page->Weekday(), 0) << "nothing before Monday";
        page->NextButton()->click();
        page->NextButton()->click();
        EXPECT_EQ(weekday->text(), "Mercoled\u00EC");
        EXPECT_FALSE(page->Page(3)->isEnabled());
        page->Start(3)->setFocus();
        page->Start(3)->setCursorPosition(0);
        QTest::keyClicks(page->Start(3), "1200");
        EXPECT_TRUE(page->Page(3)->isEnabled()) << "the start differs from 00:00";
        page->End(3)->setFocus();
        page->End(3)->setCursorPosition(0);
        QTest::keyClicks(page->End(3), "1230");
        page->Page(3)->setFocus();
        page->Page(3)->selectAll();
        QTest::keyClicks(page->Page(3), "98");
        page->NextButton()->click();
        EXPECT_EQ(page->Weekday(), 2);
        EXPECT_EQ(sink.Texts(), Texts{t::kInputError});
        EXPECT_TRUE(page->Page(3)->hasFocus());
        page->Page(3)->selectAll();
        QTest::keyClicks(page->Page(3), "05");
        page->NextButton()->click();
        EXPECT_EQ(weekday->text(), "Gioved\u00EC");
        EXPECT_EQ(page->Start(3)->text(), "00:00");
        page->PrevButton()->click();
        EXPECT_EQ(page->Start(3)->text(), "12:00");
        EXPECT_EQ(page->End(3)->text(), "12:30");
        EXPECT_EQ(page->Page(3)->text(), "05");
        for (int day = 3; day < 7; ++day)
            page->NextButton()->click();
        EXPECT_EQ(weekday->text(), "Domenica") << "nothing after Sunday";
        // Emptying a row disables its page field again.
        page->PrevButton()->click();
        page->PrevButton()->click();
        page->PrevButton()->click();
        page->PrevButton()->click();
        page->Start(3)->SetText("00:00");
        page->End(3)->SetText("00:00");
        EXPECT_FALSE(page->Page(3)->isEnabled());
        page->End(3)->SetText("12:30");
        return PressOk(dialog);
    });
    EXPECT_TRUE(Run([](QDialog& dialog) {
        static_cast<CTimeDateSheet&>(dialog).TimeDatePage()->SchedulesButton()->click();
        return PressOk(dialog);
    }));
    EXPECT_EQ(doc->breaks[2][3], (BreakSlot{0, 750, 5}));
    EXPECT_EQ(doc->breaks[3][3], (BreakSlot{0, 0, 15}));
}

TEST_F(TimeDateSheetTest, HolidaysAreAddedUpToFiftyAndCancelOfTheInnerSheetKeepsNothing) {
    doc->operatingMode = 4;
    doc->holidayCount = 49;
    for (std::size_t i = 0; i < 49; ++i) {
        doc->holidayDate[i] = "01/01";
        doc->holidayStart[i] = "00:00";
        doc->holidayEnd[i] = "23:59";
        doc->holidayText[i] = std::to_string(i);
    }
    const auto addHoliday = [this](QDate date, const char* start, const char* text) {
        shell.handlers.push_front([date, start, text](QDialog& dialog) {
            auto& add = static_cast<CAddHolidayDlg&>(dialog);
            EXPECT_EQ(add.StartField()->text(), "00:00");
            EXPECT_EQ(add.EndField()->text(), "23:59");
            add.DateField()->setDate(date);
            add.StartField()->SetText(start);
            add.TextField()->setText(text);
            Find<QPushButton>(dialog, "holidayOk")->click();
            return dialog.isVisible() ? int(QDialog::Rejected) : dialog.result();
        });
    };
    shell.handlers.push_back([&](QDialog& dialog) {
        auto& sheet = static_cast<CDayBreakSheet&>(dialog);
        EXPECT_TRUE(sheet.SetActivePage(2));
        CHolPage* page = sheet.HolidayPage();
        QTreeWidget* list = page->List();
        EXPECT_EQ(list->topLevelItemCount(), 49);
        auto* add = Find<QPushButton>(dialog, "holidayAdd");

        // A start after the end keeps the add dialog open on its start field.
        shell.handlers.push_front([this](QDialog& dlg) {
            auto& addDlg = static_cast<CAddHolidayDlg&>(dlg);
            addDlg.StartField()->SetText("23:59");
            addDlg.EndField()->SetText("12:00");
            Find<QPushButton>(dlg, "holidayOk")->click();
            EXPECT_TRUE(dlg.isVisible());
            EXPECT_TRUE(addDlg.StartField()->hasFocus());
            EXPECT_EQ(sink.Texts(), Texts{t::kInputError});
            return int(QDialog::Rejected);
        });
        add->click();
        EXPECT_EQ(list->topLevelItemCount(), 49);

        addHoliday(QDate(2027, 3, 5), "08:00", "Cinquanta");
        add->click();
        EXPECT_EQ(list->topLevelItemCount(), 50);
        QTreeWidgetItem* last = list->topLevelItem(49);
        if (!last) return int(QDialog::Rejected);
        EXPECT_EQ(last->text(0), "05/03");
        EXPECT_EQ(last->text(1), "08:00");
        EXPECT_EQ(last->text(2), "23:59");
        EXPECT_EQ(last->text(3), "Cinquanta");

        addHoliday(QDate(2027, 12, 25), "00:00", "Natale");
        add->click();
        EXPECT_EQ(list->topLevelItemCount(), 50) << "the 51st";
        EXPECT_EQ(sink.Texts(), Texts(2, t::kInputError));

        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(7)->setSelected(true);
        Find<QPushButton>(dialog, "holidayRemove")->click();
        EXPECT_EQ(list->topLevelItemCount(), 48);
        EXPECT_EQ(list->topLevelItem(0)->text(3), "1");
        addHoliday(QDate(2027, 12, 25), "00:00", "Natale");
        add->click();
        EXPECT_EQ(list->topLevelItemCount(), 49);
        EXPECT_EQ(list->topLevelItem(48)->text(0), "25/12");
        return PressOk(dialog);
    });
    // The inner sheet opened a second time and cancelled leaves the page's tables.
    shell.handlers.push_back([](QDialog& dialog) {
        auto& sheet = static_cast<CDayBreakSheet&>(dialog);
        sheet.SetActivePage(2);
        sheet.HolidayPage()->List()->topLevelItem(0)->setSelected(true);
        Find<QPushButton>(dialog, "holidayRemove")->click();
        return PressCancel(dialog);
    });
    EXPECT_TRUE(Run([](QDialog& dialog) {
        auto& page = *static_cast<CTimeDateSheet&>(dialog).TimeDatePage();
        page.SchedulesButton()->click();
        page.SchedulesButton()->click();
        EXPECT_EQ(page.Model().tables.holidays.size(), 49u);
        return PressOk(dialog);
    }));
    EXPECT_EQ(doc->holidayCount, 49);
    EXPECT_EQ(doc->holidayText[0], "1");
    EXPECT_EQ(doc->holidayText[5], "6");
    EXPECT_EQ(doc->holidayText[6], "8");
    EXPECT_EQ(doc->holidayDate[47], "05/03");
    EXPECT_EQ(doc->holidayStart[47], "08:00");
    EXPECT_EQ(doc->holidayText[48], "Natale");
    EXPECT_EQ(doc->holidayDate[49], "");

    // The outer Cancel after an inner OK keeps the document as it was.
    doc->modified = false;
    shell.handlers.push_back([](QDialog& dialog) {
        auto& sheet = static_cast<CDayBreakSheet&>(dialog);
        sheet.SetActivePage(2);
        sheet.HolidayPage()->List()->topLevelItem(0)->setSelected(true);
        Find<QPushButton>(dialog, "holidayRemove")->click();
        return PressOk(dialog);
    });
    EXPECT_FALSE(Run([](QDialog& dialog) {
        static_cast<CTimeDateSheet&>(dialog).TimeDatePage()->SchedulesButton()->click();
        return PressCancel(dialog);
    }));
    EXPECT_EQ(doc->holidayCount, 49);
    EXPECT_FALSE(doc->modified);
}

// Every caption of the outer page and of the three inner tabs fits. With
// KIV_SCREENSHOT_DIR set, they are saved there as PNG pictures.
TEST_F(TimeDateSheetTest, EveryCaptionFitsOnTheOuterPageAndTheThreeInnerTabs) {
    const auto save = [](QWidget& widget, const char* name) {
        widget.show();
        QTest::qWait(30);
        ExpectNothingClipped(widget);
        const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            EXPECT_TRUE(widget.grab().save(QDir(dir).filePath(name)));
        }
    };
    doc->operatingMode = 4;
    doc->workHours = {"08:00", "08:00", "08:00", "08:00", "08:00", "09:00", "",
                      "17:30", "17:30", "17:30", "17:30", "17:30", "12:30", ""};
    doc->breaks[0][0] = BreakSlot{12 * 60 + 30, 13 * 60 + 30, 5};
    doc->breaks[0][1] = BreakSlot{16 * 60, 16 * 60 + 15, 12};
    doc->holidayCount = 3;
    doc->holidayDate = {"01/01", "25/04", "15/08"};
    doc->holidayStart = {"00:00", "00:00", "08:00"};
    doc->holidayEnd = {"23:59", "23:59", "13:00"};
    doc->holidayText = {"Capodanno", "Festa della Liberazione", "Ferragosto"};
    CTimeDateSheet outer(*doc, shell);
    save(outer, "ora_e_data.png");
    editors::CTimeDateEdit model(*doc, 0);
    CDayBreakSheet inner(model.tables, shell);
    save(inner, "orario_settimanale.png");
    ASSERT_TRUE(inner.SetActivePage(1));
    save(inner, "auto_pausa.png");
    ASSERT_TRUE(inner.SetActivePage(2));
    save(inner, "orario_festivita.png");
    CAddHolidayDlg add(sink);
    save(add, "aggiungi_festivita.png");
}

} // namespace
} // namespace kiv::test
