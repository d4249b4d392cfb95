// kiv with its link commands against a simulated unit in the same process:
// the start-up read puts the document on line, the port dialog's choice is
// kept, and the editors' menu commands are attached.
#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "app/QelView.h"
#include "document/QelDoc.h"
#include "editors/EditorMenu.h"
#include "sim/SimSerialPort.h"
#include "unit/PortSelectDlg.h"
#include "unit/SerialSettings.h"
#include "unit/TransferDlg.h"
#include "unit/UnitCommands.h"

#include <QAction>
#include <QRadioButton>

namespace kiv::test {
namespace {

class UnitCommandsTest : public AppTest {
  protected:
    void Install(const sim::CSimConfig& config) {
        // The unit answers on the device of "Porta Com 2".
        line = std::make_shared<sim::CSimSerialPort::Line>(config, CPortResolver::DefaultDevice(2));
        prepare = [this](CQelApp& app) {
            unit = std::make_unique<CUnitCommands>(app);
            unit->Install();
            unit->Context().timing = unit->Context().timing.Scaled(0.01);
            // The simulated unit answers on every port; the profile still names devices.
            unit->Context().portFactory = sim::CSimSerialPort::Factory(line);
            auto frameCreated = app.StartupHooks().frameCreated;
            app.StartupHooks().frameCreated = [frameCreated](CQelApp& a) {
                if (frameCreated) frameCreated(a);
                InstallEditorCommands(*a.Frame());
            };
        };
        // The port dialog takes the preselected port; the transfer dialogs are
        // started as if OK was pressed and run to their end.
        dialogs.onExec = [this](QDialog& dialog) {
            if (auto* transfer = qobject_cast<CTransferDlg*>(&dialog)) {
                ++transfers;
                transfer->Start();
                return transfer->exec();
            }
            if (auto* ports = qobject_cast<CPortSelectDlg*>(&dialog)) {
                if (choosePort >= 0) ports->Button(choosePort)->setChecked(true);
                return static_cast<int>(QDialog::Accepted);
            }
            return static_cast<int>(QDialog::Rejected);
        };
    }

    std::shared_ptr<sim::CSimSerialPort::Line> line;
    std::unique_ptr<CUnitCommands> unit;
    int transfers = 0;
    int choosePort = -1;
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

} // namespace
} // namespace kiv::test
