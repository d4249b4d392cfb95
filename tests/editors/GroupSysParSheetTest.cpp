// "Gruppo Caselle" and "Parametri Sistema" as the user drives them.
#include "EditorGuiSupport.h"

#include "editors/Texts.h"
#include "editors/ui/EditorCommands.h"
#include "editors/ui/GeneralParamSheet.h"
#include "editors/ui/GroupMboxPage.h"
#include "editors/ui/GroupMboxSheet.h"
#include "editors/ui/SpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace kiv::test {
namespace {

namespace t = editors::texts;
using Texts = std::vector<std::string>;

QStringList Rows(const QListWidget& list) {
    QStringList rows;
    for (int i = 0; i < list.count(); ++i)
        rows << list.item(i)->text();
    return rows;
}

void Select(QListWidget& list, const QStringList& numbers) {
    list.clearSelection();
    for (const QString& number : numbers)
        list.findItems(number, Qt::MatchExactly).front()->setSelected(true);
}

class GroupSysParSheetTest : public ::testing::Test {
  protected:
    RecordingSink sink;
};

TEST_F(GroupSysParSheetTest, AnAdditionBeyondTwentyMembersIsRefusedAsAWhole) {
    std::vector<std::string> numbers;
    for (int n = 100; n < 125; ++n)
        numbers.push_back(std::to_string(n));
    auto doc = MakeDoc(0, numbers);
    doc->groups[0].memberCount = 18;
    for (int m = 0; m < 18; ++m)
        doc->groups[0].members[static_cast<std::size_t>(m)] = 100 + m;
    CScriptedShell shell(sink);
    CGroupMboxSheet sheet(*doc, shell);
    CGroupMboxPage* page = sheet.GroupPage();
    QListWidget* all = page->List(4);
    QListWidget* group = page->List(0);
    ASSERT_EQ(group->count(), 18);

    // Three of the five are members already: still 18 + 5 > 20.
    Select(*all, {"115", "116", "117", "118", "119"});
    Find<QPushButton>(sheet, "groupAdd0")->click();
    EXPECT_EQ(sink.Texts(), Texts{t::kTooManyMboxes});
    EXPECT_EQ(group->count(), 18);

    Select(*all, {"117", "118"});
    Find<QPushButton>(sheet, "groupAdd0")->click();
    EXPECT_EQ(group->count(), 19) << "a member already there is not added twice";
    EXPECT_TRUE(all->selectedItems().isEmpty());

    Select(*group, {"100", "118"});
    Find<QPushButton>(sheet, "groupRemove0")->click();
    EXPECT_EQ(group->count(), 17);
    EXPECT_EQ(Rows(*group).front(), "101");
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST_F(GroupSysParSheetTest, FirstDigitReCaptionsTheGroupsAtOnceAndMustBeADigit) {
    auto doc = MakeDoc(0, {"100", "200"});
    doc->groupFirstDigit = "4";
    doc->groups[1].memberCount = 2;
    doc->groups[1].members[0] = 200;
    doc->groups[1].members[1] = 555; // its mailbox was deleted
    CScriptedShell shell(sink);
    shell.handlers.push_back([](QDialog& dialog) {
        auto& page = *dynamic_cast<CGroupMboxSheet&>(dialog).GroupPage();
        const auto titles = [&page] {
            QStringList out;
            for (int c = 0; c < 5; ++c)
                out << page.Column(c)->title();
            return out;
        };
        EXPECT_EQ(titles(), (QStringList{"400", "401", "402", "403", "499"}));
        EXPECT_EQ(Rows(*page.List(1)), QStringList{"200"});
        CSpinEdit* digit = page.FirstDigit();
        digit->selectAll();
        QTest::keyClicks(digit, "7");
        EXPECT_EQ(titles(), (QStringList{"700", "701", "702", "703", "799"}));
        EXPECT_EQ(page.List(4)->accessibleName(), "799");

        digit->SetText("");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        EXPECT_TRUE(digit->hasFocus());
        digit->SetText("x");
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        QTest::keyClick(digit, Qt::Key_Up); // the arrows step the number the text starts with
        EXPECT_EQ(digit->text(), "1");
        return PressOk(dialog);
    });
    EXPECT_TRUE(RunGroupMboxCommand(*doc, shell, nullptr));
    EXPECT_EQ(sink.Texts(), Texts(2, t::kInputError));
    EXPECT_EQ(doc->groupFirstDigit, "1");
    EXPECT_EQ(doc->groups[1].memberCount, 1);
    EXPECT_EQ(doc->groups[1].members[1], 0);
    EXPECT_TRUE(doc->modified);
}

TEST_F(GroupSysParSheetTest, RecordingTimeWarnsOnEveryChangeAfterTheFirst) {
    auto doc = MakeDoc(0, {});
    doc->maxRecordTime = 2;
    doc->defaultLanguage = 1;
    CScriptedShell shell(sink);
    shell.handlers.push_back([this](QDialog& dialog) {
        EXPECT_TRUE(sink.messages.empty()) << "filling the field warns of nothing";
        auto* minutes = Find<CSpinEdit>(dialog, "maxRecordTime");
        EXPECT_EQ(minutes->text(), "2");
        minutes->selectAll();
        QTest::keyClicks(minutes, "5");
        QTest::keyClick(minutes, Qt::Key_Up);
        EXPECT_EQ(sink.Texts(), Texts(2, t::kRecordTimeWarning));
        QTest::keyClick(minutes, Qt::Key_Backspace);
        EXPECT_EQ(sink.messages.size(), 3u);
        EXPECT_EQ(PressOk(dialog), QDialog::Rejected);
        EXPECT_EQ(sink.Texts().back(), t::kInputError);
        EXPECT_TRUE(minutes->hasFocus());
        QTest::keyClicks(minutes, "9");
        Find<QCheckBox>(dialog, "autoVolume")->click();
        Find<QRadioButton>(dialog, "defaultLanguage2")->click();
        Find<QRadioButton>(dialog, "nameOrder1")->click();
        return PressOk(dialog);
    });
    EXPECT_TRUE(RunGeneralParamCommand(*doc, shell, nullptr));
    EXPECT_EQ(doc->maxRecordTime, 9);
    EXPECT_EQ(doc->autoVolume, 0);
    EXPECT_EQ(doc->defaultLanguage, 2);
    EXPECT_EQ(doc->nameOrder, 1);

    // Cancel takes nothing over.
    doc->modified = false;
    shell.handlers.push_back([](QDialog& dialog) {
        Find<CSpinEdit>(dialog, "maxRecordTime")->SetText("3");
        return PressCancel(dialog);
    });
    EXPECT_FALSE(RunGeneralParamCommand(*doc, shell, nullptr));
    EXPECT_EQ(doc->maxRecordTime, 9);
    EXPECT_FALSE(doc->modified);
}

} // namespace
} // namespace kiv::test
