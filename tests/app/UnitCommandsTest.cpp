// kiv with its link commands against a simulated unit in the same process:
// the start-up read puts the document on line, the port dialog's choice is
// kept, and the editors' menu commands are attached.
#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/QelView.h"
#include "app/QtText.h"
#include "autoattendant/ui/RecordingListPage.h"
#include "document/QelDoc.h"
#include "kiv/Installers.h"
#include "sim/SimSerialPort.h"
#include "support/TempDir.h"
#include "unit/link/SerialSettings.h"
#include "unit/link/ui/PasswordDlg.h"
#include "unit/link/ui/PortSelectDlg.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/transfer/ui/RecordingListSheet.h"
#include "unit/transfer/ui/UnitCommands.h"
#include "unit/transfer/ui/UnitFileDlg.h"

#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>

#include <QAction>
#include <QLineEdit>

#include <QRadioButton>
#include <deque>
#include <filesystem>
#include <optional>

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

TEST_F(UnitCommandsTest, RecordingWindowsTakeTheListAndStayOpenAfterAFailure) {
    sim::CSimConfig config;
    config.recordingSubBlocks = 1;
    config.recordingUnitSize = 8;
    config.recordings = {{2, 1}};
    Install(config);
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    CQelDoc& doc = app->Doc();
    doc.modified = false;
    sink.messages.clear();

    // The list chooses page 02's file; OK then reads it. After a failure the
    // window is ready again and Annulla closes it.
    const QString base = WorkPath("pagina");
    int failures = 0;
    QStringList captions;
    const auto runTransfer = dialogs.onExec;
    dialogs.onExec = [&](QDialog& dialog) {
        if (auto* sheet = qobject_cast<CRecordingListSheet*>(&dialog)) {
            captions << sheet->windowTitle();
            sheet->ListPage()->List()->topLevelItem(2)->setSelected(true);
            dialogs.openNames.push_back(base);
            sheet->ListPage()->ChooseButton()->click();
            return static_cast<int>(QDialog::Accepted);
        }
        if (auto* transfer = qobject_cast<CTransferDlg*>(&dialog)) {
            captions << transfer->windowTitle();
            QObject::connect(transfer, &CTransferDlg::Failed, transfer, [&failures, transfer] {
                ++failures;
                EXPECT_TRUE(transfer->OkButton()->isVisible());
                transfer->reject();
            });
            // Nothing chosen yet: refused before anything starts.
            transfer->Start();
            EXPECT_FALSE(transfer->Started());
            transfer->findChild<QPushButton*>("recordingListButton")->click();
        }
        return runTransfer(dialog);
    };
    app->Frame()->Action("actionReadRecordings")->trigger();
    EXPECT_EQ(captions, (QStringList{"Lettura Registrazioni", "Lista della Pagine da leggere"}));
    EXPECT_EQ(sink.Texts(),
              (std::vector<std::string>{"La Lista delle Pagine \xE8 vuota", "Dati Ricevuti"}));
    EXPECT_EQ(doc.pageFile[2], NativePath(base + ".02"));
    EXPECT_TRUE(doc.modified);
    EXPECT_EQ(QFileInfo(base + ".02").size(), 117 + 8);
    // The pacing value is written back even when the profile had none.
    EXPECT_EQ(app->Profile().Settings().value("Script/Delay").toInt(), 0);
    EXPECT_TRUE(app->Profile().Settings().contains("Script/Delay"));

    // Sending: the list opens in its sending mode; a unit that never says it
    // is ready fails the page and the window stays open.
    line->sim.Config().faults = {{sim::SimFault::Kind::Silence, 'D', 0, -1}};
    doc.pageFile.fill("");
    captions.clear();
    sink.messages.clear();
    passwords = {"1234"};
    app->Frame()->Action("actionSendRecordings")->trigger();
    EXPECT_EQ(captions, (QStringList{"Spedizione Registrazioni", "Lista delle Pagine da spedire"}));
    EXPECT_EQ(failures, 1);
    EXPECT_EQ(sink.Texts(), (std::vector<std::string>{"La Lista delle Pagine \xE8 vuota",
                                                      "Time-out Comunicazione"}));
    EXPECT_TRUE(line->sim.Memory().recordings.count(2));
    EXPECT_EQ(line->sim.Memory().recordingsReceived, 0);
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
    const std::vector<std::string> notBuiltYet = {};
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

TEST_F(UnitCommandsTest, BackupAndRestoreFromTheMenuKeepTheirFileNames) {
    sim::CSimConfig config;
    config.memoryBlocks = 3;
    config.sectionBlocks = 2;
    config.blockSize = 64;
    config.pageAreaLength = 600;
    Install(config);
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    const CTempDir temp("kiv-menu-backup");
    const std::string file = (temp.Path() / "unit").string();
    // The windows are given a name, or left as they open (preset).
    std::optional<std::string> typed = file;
    std::vector<std::string> presets;
    const auto run = dialogs.onExec;
    dialogs.onExec = [&](QDialog& dialog) {
        if (auto* window = qobject_cast<CUnitFileDlg*>(&dialog)) {
            presets.push_back(window->FileField()->text().toStdString());
            if (typed) window->FileField()->setText(QString::fromStdString(*typed));
        }
        return run(dialog);
    };
    CMainFrame* frame = app->Frame();
    sink.messages.clear();
    frame->Action("actionBackup")->trigger();
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Dati Ricevuti"});
    EXPECT_EQ(std::filesystem::file_size(file + ".wax"), 52u + 3 * 128 + 2 * 256);
    EXPECT_EQ(app->Doc().lastBackupFile, file);

    // The restore keeps its own name; the backup's is offered again.
    sink.messages.clear();
    sink.answers = {MsgAnswer::Ok};
    frame->Action("actionRestore")->trigger();
    EXPECT_EQ(sink.Texts().back(), "Trasferimento completato con successo");
    EXPECT_EQ(app->Doc().lastRestoreFile, file);
    typed.reset();
    sink.messages.clear();
    frame->Action("actionBackup")->trigger();
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"Dati Ricevuti"});
    EXPECT_EQ(presets, (std::vector<std::string>{"", "", file}));
}

} // namespace
} // namespace kiv::test
