// What a screen reader finds: every window and sheet the program opens names
// each of its focusable controls, and the status panel's painted texts reach
// the accessibility interface. The sheets are found through the commands the
// subsystems install, so a new editor is held to this without a new test.
#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/PropertyPage.h"
#include "app/PropertySheet.h"
#include "app/QelView.h"
#include "document/QelDoc.h"
#include "editors/ui/ListMboxSheet.h"
#include "kiv/Installers.h"
#include "sim/SimSerialPort.h"
#include "unit/stats/ui/StatCommands.h"
#include "unit/transfer/ui/UnitCommands.h"

#include <QAbstractItemView>
#include <QAbstractPrintDialog>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>

namespace kiv::test {
namespace {

bool InsideComposite(const QWidget* widget, const QWidget* window) {
    // A spin box's or combo box's own editor and list speak through their owner.
    for (const QWidget* p = widget->parentWidget(); p && p != window; p = p->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p))
            return true;
    return false;
}

// The focusable controls of a window that a screen reader cannot name: no
// name at all, or a field whose name is only its value.
QStringList Unnamed(QWidget& window) {
    QStringList out;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || InsideComposite(w, &window)) continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        const QString name = iface ? iface->text(QAccessible::Name).trimmed() : QString();
        const bool field = qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
                           qobject_cast<QLineEdit*>(w);
        if (name.isEmpty() || (field && name == iface->text(QAccessible::Value).trimmed()))
            out << QString("%1 %2 (\"%3\") in %4")
                       .arg(w->metaObject()->className(), w->objectName(), name,
                            window.objectName());
    }
    return out;
}

// The shell's own dialogs (product type, folders, file dialogs) are built as
// the program builds them; every dialog run is inspected and cancelled. The
// pages' buttons of each sheet are pressed, with a row chosen in each list,
// so that the dialogs they open (the mailbox editor ...) are inspected too.
class CInspectingDialogs : public CShellDialogs {
  public:
    using CShellDialogs::CShellDialogs;

    int Exec(QDialog& dialog) override {
        opened << dialog.objectName();
        // Qt's own file and print dialogs are Qt's.
        if (qobject_cast<QFileDialog*>(&dialog) || qobject_cast<QAbstractPrintDialog*>(&dialog) ||
            qobject_cast<QPrintPreviewDialog*>(&dialog) || qobject_cast<QPageSetupDialog*>(&dialog))
            return QDialog::Rejected;
        unnamed << Unnamed(dialog);
        auto* sheet = qobject_cast<CPropertySheet*>(&dialog);
        if (sheet && depth < 3) {
            ++depth;
            for (int i = 0; i < sheet->PageCount(); ++i) {
                sheet->SetActivePage(i);
                // A row chosen in each list, for the buttons that act on one.
                for (QAbstractItemView* list : sheet->Page(i)->findChildren<QAbstractItemView*>())
                    if (!InsideComposite(list, sheet) && list->model() &&
                        list->model()->rowCount() > 0)
                        list->setCurrentIndex(list->model()->index(0, 0));
                for (QPushButton* button : sheet->Page(i)->findChildren<QPushButton*>())
                    if (button->isEnabled()) button->click();
            }
            --depth;
        }
        // The recording transfers open the recording list from their window.
        if (auto* list = dialog.findChild<QPushButton*>("recordingListButton"); list && depth < 3) {
            ++depth;
            list->click();
            --depth;
        }
        // The wizard's welcome lets the sheet behind it be inspected as well.
        if (dialog.objectName() == "wizardWelcome") return QDialog::Accepted;
        return QDialog::Rejected;
    }

    QStringList opened;
    QStringList unnamed;
    int depth = 0;
};

class AccessibilityTest : public AppTest {
  protected:
    // kiv as main() starts it, its unit simulated.
    std::unique_ptr<CQelApp> StartProgram(CShellDialogs& shell) {
        sim::CSimConfig config;
        line = std::make_shared<sim::CSimSerialPort::Line>(config, CPortResolver::DefaultDevice(2));
        auto app = std::make_unique<CQelApp>(&sink, &shell);
        InstallSubsystems(*app);
        CUnitCommands* unit = app->FindPart<CUnitCommands>();
        EXPECT_NE(unit, nullptr);
        if (unit) {
            unit->Context().timing = unit->Context().timing.Scaled(0.01);
            unit->Context().portFactory = sim::CSimSerialPort::Factory(line);
        }
        EXPECT_TRUE(app->InitInstance({}));
        return app;
    }

    std::shared_ptr<sim::CSimSerialPort::Line> line;
};

TEST_F(AccessibilityTest, EveryWindowAndSheetNamesItsFocusableControls) {
    CInspectingDialogs shell(sink);
    auto app = StartProgram(shell);
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    // Mailboxes, so that the list's editor commands have rows to work on.
    CQelDoc& doc = app->Doc();
    doc.mboxCount = 2;
    doc.mailboxes[0].number = "101";
    doc.mailboxes[0].slot = 0;
    doc.mailboxes[1].number = "102";
    doc.mailboxes[1].slot = 1;
    frame->DocumentChanged();

    shell.unnamed << Unnamed(*frame);
    // Every command installed, except those that open no window of the
    // program's own (leaving, the monitor program, the help browser).
    const QStringList skipped{"actionAppExit", "actionLineMonitor", "actionHelpTopics"};
    for (QAction* action : frame->Actions()) {
        frame->UpdateCommands();
        // Automatic mode (a command before may have reset the document), so
        // that "&Orari" opens the schedule sheet.
        doc.operatingMode = 4;
        if (action->isEnabled() && !skipped.contains(action->objectName())) action->trigger();
    }
    EXPECT_TRUE(shell.unnamed.isEmpty()) << shell.unnamed.join("\n").toStdString();

    // The walk reached the start-up dialogs, the sheets and the dialogs opened
    // from inside them.
    for (const char* name :
         {"productTypeDlg", "CPortSelectDlg",    "listMboxSheet",     "editMboxSheet",
          "groupMboxSheet", "generalParamSheet", "pbxParameterSheet", "notificationSheet",
          "optionsSheet",   "CPasswordDlg",      "aboutDlg",          "transferDlg",
          "folderDlg",      "timeDateSheet",     "dayBreakSheet",     "addHolidayDlg",
          "printDlg",       "printPreviewDlg",   "pageSetupDlg",      "protocolSheet",
          "CStatDlg",       "CMsgListDlg",       "backupDlg",         "restoreDlg",
          "sysInitDlg",     "readRecordingDlg",  "sendRecordingDlg",  "recordingListSheet",
          "wizardWelcome",  "wizSheet",          "wizDefMboxSheet",   "pageDiagramDlg",
          "weekPictureDlg"})
        EXPECT_TRUE(shell.opened.contains(name)) << name;
}

// In the walk above the list's buttons before "&Statistiche" leave no row chosen; the message
// list of one mailbox is opened here with a row chosen.
TEST_F(AccessibilityTest, TheMailboxMessageListNamesItsControls) {
    CInspectingDialogs shell(sink);
    auto app = Start();
    ASSERT_TRUE(app);
    CQelDoc& doc = app->Doc();
    doc.mboxCount = 1;
    doc.mailboxes[0].number = "101";
    SetMboxStatisticsOpener(&RunMboxMsgListCommand); // as the statistics installer does
    CListMboxSheet sheet(doc, shell, nullptr);
    sheet.ListPage()->SelectRow(0);
    sheet.findChild<QPushButton*>("mboxStatistics")->click();
    EXPECT_EQ(shell.opened, QStringList{"CMboxMsgListDlg"});
    EXPECT_TRUE(shell.unnamed.isEmpty()) << shell.unnamed.join("\n").toStdString();
}

TEST_F(AccessibilityTest, AComboBoxIsNamedByItsCaptionAndKeepsItsValue) {
    auto app = Start();
    ASSERT_TRUE(app);
    CListMboxSheet sheet(app->Doc(), dialogs, nullptr);
    auto* supervisor = sheet.findChild<QComboBox*>("mboxSupervisor");
    ASSERT_NE(supervisor, nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(supervisor);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);
    EXPECT_EQ(iface->text(QAccessible::Name), "Casella Supervisore");
    EXPECT_EQ(iface->text(QAccessible::Value), "Nessuna");
    // Its list is still its child.
    ASSERT_GE(iface->childCount(), 1);
    EXPECT_EQ(iface->child(0)->object(), qobject_cast<QObject*>(supervisor->view()));
}

TEST_F(AccessibilityTest, TheStatusPanelsTextsReachAScreenReader) {
    auto app = Start();
    ASSERT_TRUE(app);
    CQelView* view = app->Frame()->View();
    const auto panelTexts = [view] {
        QStringList texts;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(view);
        if (!iface) return texts;
        for (int i = 0; i < iface->childCount(); ++i) {
            QAccessibleInterface* child = iface->child(i);
            EXPECT_EQ(child->role(), QAccessible::StaticText);
            EXPECT_EQ(iface->indexOfChild(child), i);
            texts << child->text(QAccessible::Name);
        }
        return texts;
    };
    app->Doc().SetProductType(2);
    app->Frame()->DocumentChanged();
    EXPECT_EQ(panelTexts(), (QStringList{"Stato Dispositivo", "Tipo Dispositivo:", "RZ 8 Mbx",
                                         "Comunicazione:", "Off Line"}));
    app->Doc().SetProductType(1);
    app->Doc().readFromUnit = 1;
    app->Frame()->DocumentChanged();
    EXPECT_EQ(panelTexts().mid(2), (QStringList{"RZ 48 Mbx", "Comunicazione:", "On Line"}));
}

} // namespace
} // namespace kiv::test
