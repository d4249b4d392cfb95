// kiv with its link commands against a simulated unit in the same process:
// the start-up read puts the document on line, the port dialog's choice is
// kept, and the editors' menu commands are attached.
#include "AppTestSupport.h"

#include "app/Installers.h"
#include "app/MainFrame.h"
#include "app/QelView.h"
#include "document/QelDoc.h"
#include "sim/SimSerialPort.h"
#include "unit/SerialSettings.h"
#include "unit/ui/PasswordDlg.h"
#include "unit/ui/PortSelectDlg.h"
#include "unit/ui/TransferDlg.h"
#include "unit/ui/UnitCommands.h"

#include <QAction>
#include <QLineEdit>

#include <QRadioButton>
#include <deque>

namespace kiv::test {
namespace {

class UnitCommandsTest : public AppTest {
  protected:
    void Install(const sim::CSimConfig& config) {
        // The unit answers on the device of "Porta Com 2".
        line = std::make_shared<sim::CSimSerialPort::Line>(config, CPortResolver::DefaultDevice(2));
        prepare = [this](CQelApp& app) {
            // Every subsystem, as main() installs them.
            InstallSubsystems(app);
            unit = app.FindPart<CUnitCommands>();
            ASSERT_NE(unit, nullptr);
            unit->Context().timing = unit->Context().timing.Scaled(0.01);
            // The simulated unit answers on every port; the profile still names devices.
            unit->Context().portFactory = sim::CSimSerialPort::Factory(line);
        };
        // The port dialog takes the preselected port; the transfer dialogs are
        // started as if OK was pressed and run to their end.
        dialogs.onExec = [this](QDialog& dialog) {
            if (auto* transfer = qobject_cast<CTransferDlg*>(&dialog)) {
                ++transfers;
                transfer->Start();
                return transfer->exec();
            }
            if (auto* password = qobject_cast<CPasswordDlg*>(&dialog)) {
                prompts.push_back(password->windowTitle().toStdString());
                if (passwords.empty()) return static_cast<int>(QDialog::Rejected);
                password->Field()->setText(QString::fromStdString(passwords.front()));
                passwords.pop_front();
                return static_cast<int>(QDialog::Accepted);
            }
            if (auto* ports = qobject_cast<CPortSelectDlg*>(&dialog)) {
                if (choosePort >= 0) ports->Button(choosePort)->setChecked(true);
                return static_cast<int>(QDialog::Accepted);
            }
            return static_cast<int>(QDialog::Rejected);
        };
    }

    std::shared_ptr<sim::CSimSerialPort::Line> line;
    CUnitCommands* unit = nullptr;
    int transfers = 0;
    int choosePort = -1;
    // Answers of the password dialogs, in order; none left answers Annulla.
    std::deque<std::string> passwords;
    std::vector<std::string> prompts;
};

TEST_F(UnitCommandsTest, StartupReadPutsTheDocumentOnLine) {
    sim::CSimConfig config;
    config.mailboxes = {"101", "102", "205"};
    Install(config);
    auto app = Start({}, 3);
    ASSERT_TRUE(app);
    const CQelDoc& doc = app->Doc();
    EXPECT_EQ(transfers, 1);
    EXPECT_EQ(doc.readFromUnit, 1);
    EXPECT_EQ(doc.productType, 0); // the unit's type, asked nowhere since it matched
    ASSERT_EQ(doc.mboxCount, 3);
    EXPECT_EQ(doc.mailboxes[2].number, "205");
    // "Apri Default" did not run: no product type was asked.
    EXPECT_TRUE(dialogs.productTypeCalls.empty());
    EXPECT_TRUE(app->Frame()->Action("actionSendParameters")->isEnabled());
    EXPECT_TRUE(app->Frame()->Action("actionMailboxList")->isEnabled());
    EXPECT_EQ(doc.portIndex, 1);
}

TEST_F(UnitCommandsTest, SilentUnitFallsBackToTheDefaultConfiguration) {
    sim::CSimConfig config;
    Install(config);
    line->present = false; // the port cannot be opened
    auto app = Start({}, 2);
    ASSERT_TRUE(app);
    EXPECT_EQ(app->Doc().readFromUnit, 0);
    EXPECT_EQ(app->Doc().productType, 2);
    EXPECT_EQ(app->Doc().title, "default.ri8");
    // The test-open of step 1 and the read both said so.
    EXPECT_FALSE(sink.messages.empty());
    EXPECT_EQ(sink.messages.front().text, "Impossibile aprire la porta COM");
}

TEST_F(UnitCommandsTest, PortChosenAtStartIsKept) {
    sim::CSimConfig config;
    Install(config);
    choosePort = 3;
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    EXPECT_EQ(app->Doc().portIndex, 3);
    EXPECT_EQ(unit->Context().settings.portNumber, 4);
}

TEST_F(UnitCommandsTest, PasswordCommandChangesThePasswordAfterTheUnitAgrees) {
    sim::CSimConfig config;
    config.password = "1234";
    Install(config);
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    sink.messages.clear();

    // A wrong current password is refused and asked again; then the new one twice.
    passwords = {"9999", "1234", "5678", "5679", "5678"};
    app->Frame()->Action("actionPassword")->trigger();
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"Password errata", "Password errata"}));
    EXPECT_TRUE(passwords.empty());
    EXPECT_EQ(app->Doc().unitPassword, "5678");
    EXPECT_EQ(app->Doc().passwordChanged, 1);
    EXPECT_EQ(app->Doc().unitPasswordRead, "1234");
    ASSERT_GE(prompts.size(), 3u);
    EXPECT_EQ(prompts.front(), "Cambiare Password");

    // Annulla at the first question changes nothing.
    sink.messages.clear();
    passwords.clear();
    app->Frame()->Action("actionPassword")->trigger();
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(app->Doc().unitPassword, "5678");
    EXPECT_EQ(app->Doc().passwordChanged, 0);
}

TEST_F(UnitCommandsTest, SendThenReadThroughTheMenus) {
    sim::CSimConfig config;
    config.mailboxes = {"101", "102"};
    Install(config);
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    CQelDoc& doc = app->Doc();
    ASSERT_EQ(doc.mboxCount, 2);
    doc.operatorKey = 4;
    doc.faxExt = "350";
    doc.mailboxes[1].phone = "0612345";
    doc.mailboxes[1].allowed = 1;
    doc.mailboxes[1].phoneEnabled = 1;
    sink.messages.clear();

    passwords = {"1234"};
    app->Frame()->Action("actionSendParameters")->trigger();
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Trasferimento completato con successo"});
    EXPECT_EQ(doc.readFromUnit, 1);

    // A fresh configuration, then read back what the unit now holds.
    doc.operatorKey = 0;
    doc.faxExt.clear();
    doc.mailboxes[1].phone = " ";
    app->Frame()->Action("actionReadParameters")->trigger();
    EXPECT_EQ(doc.operatorKey, 4);
    EXPECT_EQ(doc.faxExt, "350");
    EXPECT_EQ(doc.mailboxes[1].phone, "0612345");
}

// The program's own installation: the commands it attaches, and the ones it does not attach
// yet (their actions stay disabled, so a command that is built but never attached shows here).
TEST_F(UnitCommandsTest, CommandsTheProgramAttaches) {
    sim::CSimConfig config;
    Install(config);
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    CMainFrame* frame = app->Frame();
    std::vector<std::string> without;
    for (QAction* action : frame->Actions())
        if (!frame->HasCommand(action->objectName()))
            without.push_back(action->objectName().toStdString());
    const std::vector<std::string> notBuiltYet = {"actionPrintAll",
                                                  "actionPrintPbx",
                                                  "actionPrintSystem",
                                                  "actionPrintInBand",
                                                  "actionPrintAutoAttendant",
                                                  "actionPrintSchedule",
                                                  "actionPrintNotification",
                                                  "actionPrintMailboxes",
                                                  "actionPrintStatistics",
                                                  "actionPrintMessages",
                                                  "actionFilePrint",
                                                  "actionFilePrintPreview",
                                                  "actionFilePrintSetup",
                                                  "actionReadRecordings",
                                                  "actionSendRecordings",
                                                  "actionBackup",
                                                  "actionRestore",
                                                  "actionSystemInit",
                                                  "actionStatistics",
                                                  "actionMessageList"};
    EXPECT_EQ(without, notBuiltYet);

    // "&Inizializzazione Sistema" is refused by versions 740-759 with the command the program
    // attaches; while it attaches none, the action stays disabled.
    QAction* init = frame->Action("actionSystemInit");
    app->Doc().unitVersion = "745";
    frame->UpdateCommands();
    EXPECT_FALSE(init->isEnabled());
    app->Doc().unitVersion = "739";
    frame->UpdateCommands();
    EXPECT_EQ(init->isEnabled(), frame->HasCommand("actionSystemInit"));
}

} // namespace
} // namespace kiv::test
