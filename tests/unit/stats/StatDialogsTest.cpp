// "Generali", "Lista dei Messaggi" and "Lista Messaggi per Casella", offscreen, filled from a
// document holding unit data as a Read Parameters leaves it (bytes placed by hand).
#include "app/ShellDialogs.h"
#include "document/Clock.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "unit/stats/ui/MboxMsgListDlg.h"
#include "unit/stats/ui/MsgListDlg.h"
#include "unit/stats/ui/MsgListPanel.h"
#include "unit/stats/ui/StatCommands.h"
#include "unit/stats/ui/StatDlg.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

namespace kiv {
namespace {

using Texts = std::vector<std::string>;

// Runs each dialog through the test's handler instead of a modal loop.
class CHandledShell : public CShellDialogs {
  public:
    using CShellDialogs::CShellDialogs;
    int Exec(QDialog& dialog) override {
        opened.push_back(dialog.objectName().toStdString());
        dialog.show();
        const int result = handler ? handler(dialog) : QDialog::Rejected;
        dialog.hide();
        return result;
    }
    std::function<int(QDialog&)> handler;
    Texts opened;
};

Texts Items(const QListWidget& list) {
    Texts items;
    for (int row = 0; row < list.count(); ++row)
        items.push_back(list.item(row)->text().toStdString());
    return items;
}

// Each row's cells joined by " | ".
Texts Rows(const QTreeWidget& list) {
    Texts rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        std::string cells;
        for (int column = 0; column < list.columnCount(); ++column)
            cells += (column ? " | " : "") + list.topLevelItem(row)->text(column).toStdString();
        rows.push_back(cells);
    }
    return rows;
}

Texts Totals(const CMsgListPanel& panel) {
    return {panel.NewLength()->text().toStdString(), panel.ArchivedLength()->text().toStdString(),
            panel.NewCount()->text().toStdString(), panel.ArchivedCount()->text().toStdString(),
            panel.TotalCount()->text().toStdString()};
}

class StatDialogsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Flash: 7200 s total (s11-s12), 2730 s free (s13-s14); lines 1, 2 and 4 in service.
        const std::uint8_t status[] = {0x1C, 0x20, 0x0A, 0xAA, 6, 6, 0, 6};
        std::copy(std::begin(status), std::end(status), doc.unitStatus.begin() + 11);
        doc.callsPerLine = {128, 7, 55, 1033};
        doc.languageCode = {0, 2, 255};
        doc.unitVersion = "745";
        doc.mboxCount = 3;
        doc.mailboxes[0].number = "201";
        doc.mailboxes[1].number = "202";
        doc.mailboxes[2].number = "310";

        // Mailbox 201: three messages; 202: none; 310: one archived.
        Mailbox(0, {2, 0, 1, 255}, 2, 1);
        Slot(0, 0, 0x80, 2);
        Slot(0, 1, 0x82, 0);
        Slot(0, 2, 0x80, 3);
        Mailbox(1, {2, 0, 2, 255}, 0, 0);
        Mailbox(2, {3, 1, 0, 255}, 1, 0);
        Slot(2, 0, 0x82, 1);
        doc.msgMboxCount = 3;
        Message(0, 0x09, 0x4F, 8, 30, 11, 28); // 2383: 72 s
        Message(1, 0x01, 0x4A, 17, 2, 12, 1);  // 330: 10 s
        Message(2, 0x00, 0xA5, 9, 15, 12, 3);  // 165: 5 s
        Message(3, 0x1E, 0xF0, 14, 45, 12, 5); // 7920: 240 s
        doc.msgCount = 4;
    }
    void Mailbox(std::size_t m, std::array<std::uint8_t, 4> digits, std::uint8_t count0,
                 std::uint8_t count1) {
        doc.msgMboxData[m][0] = count0;
        doc.msgMboxData[m][1] = count1;
        std::copy(digits.begin(), digits.end(), doc.msgMboxData[m].begin() + 19);
    }
    void Slot(std::size_t m, std::size_t s, std::uint8_t status, std::uint8_t index) {
        doc.msgMboxData[m][123 + s] = status;
        doc.msgMboxData[m][24 + 2 * s] = index;
    }
    void Message(std::size_t j, std::uint8_t lengthHigh, std::uint8_t lengthLow, std::uint8_t hour,
                 std::uint8_t minute, std::uint8_t month, std::uint8_t day) {
        auto& r = doc.msgData[j];
        r[3] = lengthHigh;
        r[4] = lengthLow;
        r[10] = hour;
        r[11] = minute;
        r[12] = month;
        r[13] = day;
    }
    // With KIV_SCREENSHOT_DIR set, the dialog is also saved there as a picture.
    void Grab(QWidget& dialog, const char* name) {
        const QString dir = qEnvironmentVariable("KIV_SCREENSHOT_DIR");
        if (dir.isEmpty()) return;
        dialog.resize(dialog.sizeHint());
        dialog.show();
        EXPECT_TRUE(dialog.grab().save(QDir(dir).filePath(QString("stats-%1.png").arg(name))));
    }

    FixedClock clock{1700000000};
    CQelDoc doc{clock};
    RecordingSink sink;
    CHandledShell shell{sink};
};

TEST_F(StatDialogsTest, GeneraliShowsTheUnitsFigures) {
    CStatDlg dialog(StatInputsOf(doc), sink);
    EXPECT_EQ(dialog.windowTitle(), "Generali");
    // 120 min total, 45 free: 75 in use, 62 %.
    EXPECT_EQ(dialog.TotalTime()->text(), "02:00");
    EXPECT_EQ(dialog.UsedTime()->text(), "01:15");
    EXPECT_EQ(dialog.Percent()->text(), "62");
    EXPECT_EQ(dialog.RemainingTime()->text(), "00:45");
    EXPECT_EQ(dialog.Languages()->text(), "2");
    EXPECT_EQ(dialog.Version()->text(), "7.45");
    EXPECT_EQ(Items(*dialog.CallsList()), (Texts{"        1                              128",
                                                 "        2                              7",
                                                 "        4                              1033"}));
    Grab(dialog, "generali");
}

TEST_F(StatDialogsTest, CancellaClearsEveryCounterAndTheDocumentTakesThemBack) {
    // Closing untouched changes nothing.
    shell.handler = [](QDialog&) { return QDialog::Rejected; };
    EXPECT_FALSE(RunStatCommand(doc, shell, nullptr));
    EXPECT_EQ(doc.callsPerLine, (std::array<std::int32_t, 4>{128, 7, 55, 1033}));
    EXPECT_FALSE(doc.modified);

    shell.handler = [](QDialog& dialog) {
        auto& stat = dynamic_cast<CStatDlg&>(dialog);
        stat.ClearButton()->click();
        // The rows stay, now with 0 calls.
        EXPECT_EQ(Items(*stat.CallsList()), (Texts{"        1                              0",
                                                   "        2                              0",
                                                   "        4                              0"}));
        return QDialog::Rejected; // "&Chiudi"
    };
    EXPECT_TRUE(RunStatCommand(doc, shell, nullptr));
    // Line 3 is not in service, and its counter is cleared as well.
    EXPECT_EQ(doc.callsPerLine, (std::array<std::int32_t, 4>{0, 0, 0, 0}));
    EXPECT_TRUE(doc.modified);
}

TEST_F(StatDialogsTest, CancellaWithNoLineInServiceKeepsTheCounters) {
    doc.unitStatus[15] = doc.unitStatus[16] = doc.unitStatus[18] = 0;
    doc.unitStatus[11] = doc.unitStatus[12] = 0; // no flash: 0 %
    doc.languageCode = {255, 255, 255};
    doc.unitVersion.clear();
    CStatDlg dialog(StatInputsOf(doc), sink);
    EXPECT_EQ(dialog.CallsList()->count(), 0);
    EXPECT_EQ(dialog.Percent()->text(), "0");
    EXPECT_EQ(dialog.Languages()->text(), "Nessuna");
    EXPECT_EQ(dialog.Version()->text(), "");
    dialog.ClearButton()->click();
    EXPECT_EQ(dialog.Calls(), (std::array<std::int32_t, 4>{128, 7, 55, 1033}));
}

TEST_F(StatDialogsTest, MessageListShowsTheSelectedMailboxesOnMostra) {
    CMsgListDlg dialog(doc, sink);
    EXPECT_EQ(dialog.windowTitle(), "Lista dei Messaggi");
    EXPECT_EQ(Items(*dialog.Mailboxes()), (Texts{"201", "202", "310"}));
    CMsgListPanel& panel = *dialog.Panel();
    EXPECT_EQ(panel.List()->topLevelItemCount(), 0);
    EXPECT_EQ(Totals(panel), (Texts{"00:00:00", "00:00:00", "0", "0", "0"}));

    dialog.Mailboxes()->item(0)->setSelected(true);
    dialog.Mailboxes()->item(2)->setSelected(true);
    dialog.ShowButton()->click();
    EXPECT_EQ(Rows(*panel.List()),
              (Texts{"03/12 | 09:15 | 00:05 | Nuovo", "28/11 | 08:30 | 01:12 | Arch.",
                     "05/12 | 14:45 | 04:00 | Nuovo", "01/12 | 17:02 | 00:10 | Arch."}));
    EXPECT_EQ(Totals(panel), (Texts{"00:04:05", "00:01:22", "2", "2", "4"}));
    Grab(dialog, "messaggi");

    // A mailbox without messages, alone: the list empties.
    dialog.Mailboxes()->clearSelection();
    dialog.Mailboxes()->item(1)->setSelected(true);
    dialog.ShowButton()->click();
    EXPECT_EQ(panel.List()->topLevelItemCount(), 0);
    EXPECT_EQ(Totals(panel), (Texts{"00:00:00", "00:00:00", "0", "0", "0"}));
}

TEST_F(StatDialogsTest, MailboxMessageListShowsOneMailbox) {
    CMboxMsgListDlg dialog(doc, "310", sink);
    EXPECT_EQ(dialog.windowTitle(), "Lista Messaggi per Casella");
    EXPECT_EQ(dialog.Number()->text(), "310");
    EXPECT_EQ(Rows(*dialog.Panel()->List()), (Texts{"01/12 | 17:02 | 00:10 | Arch."}));
    EXPECT_EQ(Totals(*dialog.Panel()), (Texts{"00:00:00", "00:00:10", "0", "1", "1"}));
    Grab(dialog, "messaggi-casella");

    CMboxMsgListDlg none(doc, "20", sink);
    EXPECT_EQ(none.Panel()->List()->topLevelItemCount(), 0);
}

} // namespace
} // namespace kiv

int main(int argc, char** argv) {
    // Also when the tests are only listed (no display is needed for that).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
