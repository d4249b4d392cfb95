// The difference list offscreen: groups by sheet, sorting, the filter, the
// empty case and the way on to the send. With KIV_SCREENSHOT_DIR set the list
// is also saved as a picture there.
#include "compare/ui/DiffDlg.h"
#include "app/QtText.h"
#include "compare/Texts.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace kiv {
namespace {

std::vector<ConfigDifference> Sample() {
    return {
        {"Parametri PBX", "Interno Fax", "", "205"},
        {"Parametri PBX", "N. Cifre Interni", "3", "4"},
        {"Lista Caselle", "Casella 101", "Si", ""},
        {"Lista Caselle", "Casella 102 Telefono", "0123", "0456"},
        {"Ora, Data e Orario Settimanale", "Orario Lavoro Luned\xEC Da", "08:00", "08:30"},
    };
}

TEST(DiffDlgTest, GroupsBySheetFiltersAndSorts) {
    CDiffDlg dialog(Sample());
    QTreeWidget* list = dialog.List();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Parametri PBX");
    EXPECT_EQ(list->topLevelItem(1)->childCount(), 2);
    EXPECT_EQ(list->topLevelItem(2)->child(0)->text(0),
              QString::fromUtf8("Orario Lavoro Lunedì Da"));
    EXPECT_EQ(list->topLevelItem(1)->child(1)->text(1), "0123");
    EXPECT_EQ(list->topLevelItem(1)->child(1)->text(2), "0456");
    EXPECT_EQ(dialog.VisibleRows(), 5);
    EXPECT_TRUE(dialog.findChild<QLabel*>("diffNone")->isHidden());

    // Sorting by a column orders the rows within each sheet.
    list->sortByColumn(0, Qt::DescendingOrder);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Parametri PBX");
    EXPECT_EQ(list->topLevelItem(0)->child(0)->text(0), "N. Cifre Interni");

    // The filter keeps the rows holding its text, in any column, and their sheets.
    dialog.Filter()->setText("casella");
    EXPECT_EQ(dialog.VisibleRows(), 2);
    dialog.Filter()->setText("0456");
    EXPECT_EQ(dialog.VisibleRows(), 1);
    dialog.Filter()->setText("parametri pbx");
    EXPECT_EQ(dialog.VisibleRows(), 2);
    dialog.Filter()->clear();
    EXPECT_EQ(dialog.VisibleRows(), 5);

    const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        dialog.show();
        EXPECT_TRUE(dialog.grab().save(QDir(dir).filePath("compare-diff.png")));
    }

    // What is compared is said; Enter closes rather than sends.
    EXPECT_EQ(dialog.findChild<QLabel*>("diffScope")->text(), ToQString(texts::compareScopeUnit));
    EXPECT_FALSE(dialog.findChild<QPushButton*>("diffSend")->isDefault());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("diffSend")->autoDefault());
    EXPECT_TRUE(dialog.findChild<QPushButton*>("diffClose")->isDefault());
    {
        CDiffDlg enter(Sample());
        enter.show();
        enter.List()->setFocus();
        QTest::keyClick(enter.List(), Qt::Key_Return);
        EXPECT_FALSE(enter.SendChosen());
        EXPECT_EQ(enter.result(), QDialog::Rejected);
    }

    EXPECT_FALSE(dialog.SendChosen());
    dialog.findChild<QPushButton*>("diffSend")->click();
    EXPECT_TRUE(dialog.SendChosen());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(DiffDlgTest, NoDifferenceSaysSo) {
    CDiffDlg dialog({});
    dialog.show();
    EXPECT_TRUE(dialog.List()->isHidden());
    QLabel* none = dialog.findChild<QLabel*>("diffNone");
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->isVisible());
    EXPECT_EQ(none->text(), "Nessuna differenza");
    dialog.findChild<QPushButton*>("diffClose")->click();
    EXPECT_FALSE(dialog.SendChosen());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace kiv
