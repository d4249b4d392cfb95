// "Confronta con l'&Unità" in kiv against a simulated unit in the same
// process: the unit is read into a copy, the document stays as it is, the
// differences are listed, and "&Spedisci" goes on to the send.
#include "AppTestSupport.h"

#include "app/MainFrame.h"
#include "compare/ui/DiffDlg.h"
#include "document/QelDoc.h"
#include "kiv/Installers.h"
#include "sim/SimSerialPort.h"
#include "unit/link/SerialSettings.h"
#include "unit/link/ui/PasswordDlg.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/transfer/ui/UnitCommands.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>

#include <map>

namespace kiv::test {
namespace {

class CompareCommandTest : public AppTest {
  protected:
    void Install(const sim::CSimConfig& config) {
        line = std::make_shared<sim::CSimSerialPort::Line>(config, CPortResolver::DefaultDevice(2));
        prepare = [this](CQelApp& app) {
            InstallSubsystems(app);
            CUnitCommands* unit = app.FindPart<CUnitCommands>();
            ASSERT_NE(unit, nullptr);
            unit->Context().timing = unit->Context().timing.Scaled(0.01);
            unit->Context().portFactory = sim::CSimSerialPort::Factory(line);
        };
        dialogs.onExec = [this](QDialog& dialog) {
            if (auto* transfer = qobject_cast<CTransferDlg*>(&dialog)) {
                transfer->Start();
                return transfer->exec();
            }
            if (auto* password = qobject_cast<CPasswordDlg*>(&dialog)) {
                password->Field()->setText("1234");
                return static_cast<int>(QDialog::Accepted);
            }
            if (auto* diff = qobject_cast<CDiffDlg*>(&dialog)) {
                rows.clear();
                QTreeWidget* list = diff->List();
                for (int g = 0; g < list->topLevelItemCount(); ++g)
                    for (int r = 0; r < list->topLevelItem(g)->childCount(); ++r) {
                        const QTreeWidgetItem* row = list->topLevelItem(g)->child(r);
                        rows.push_back((list->topLevelItem(g)->text(0) + " | " + row->text(0) +
                                        ": " + row->text(1) + " -> " + row->text(2))
                                           .toStdString());
                    }
                diff->findChild<QPushButton*>(sendNext ? "diffSend" : "diffClose")->click();
                return diff->result();
            }
            return static_cast<int>(QDialog::Rejected);
        };
    }

    std::shared_ptr<sim::CSimSerialPort::Line> line;
    std::vector<std::string> rows;
    bool sendNext = false;
};

TEST_F(CompareCommandTest, ListsTheDifferencesLeavesTheDocumentAndSendsOnRequest) {
    sim::CSimConfig config;
    config.mailboxes = {"101", "102"};
    Install(config);
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    CQelDoc& doc = app->Doc();
    ASSERT_EQ(doc.readFromUnit, 1);
    QAction* compare = app->Frame()->Action("actionCompareWithUnit");
    ASSERT_TRUE(compare->isEnabled());

    // Just read: nothing differs.
    compare->trigger();
    EXPECT_TRUE(rows.empty());

    doc.faxExt = "350";
    doc.modified = true;
    const CQelDoc before = doc;
    compare->trigger();
    EXPECT_EQ(rows, std::vector<std::string>{"Parametri PBX | Interno Fax: 350 -> 4590"});
    // The document is as it was.
    EXPECT_EQ(doc.faxExt, "350");
    EXPECT_EQ(doc.mboxCount, before.mboxCount);
    EXPECT_EQ(doc.mailboxes, before.mailboxes);
    EXPECT_TRUE(doc.modified);

    // "&Spedisci": the reading's own message, then the send runs; then the unit
    // holds the configuration.
    sendNext = true;
    sink.messages.clear();
    compare->trigger();
    EXPECT_EQ(sink.Texts(),
              (std::vector<std::string>{"Dati Ricevuti", "Trasferimento completato con successo"}));
    sendNext = false;
    compare->trigger();
    EXPECT_TRUE(rows.empty());
}

TEST_F(CompareCommandTest, AnotherProductTypeIsTheFirstDifference) {
    sim::CSimConfig config;
    Install(config);
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    // The configuration is for another unit; the reading asks whether to take
    // the unit's type (into the copy only) and the list starts with the type.
    app->Doc().SetProductType(1);
    sink.messages.clear();
    sink.answers = {MsgAnswer::Yes};
    app->Frame()->Action("actionCompareWithUnit")->trigger();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.front(), "Tipo Prodotto | Tipo Prodotto: RZ 48 Mbx -> RZ 128 Mbx");
    EXPECT_EQ(app->Doc().productType, 1);
}

TEST_F(CompareCommandTest, TheCommunicationMenuHasOneMnemonicPerItem) {
    Install(sim::CSimConfig{});
    auto app = Start({}, 0);
    ASSERT_TRUE(app);
    bool seen = false;
    for (QAction* top : app->Frame()->menuBar()->actions()) {
        QMenu* menu = top->menu();
        if (!menu || menu->objectName() != "menuComm") continue;
        seen = true;
        std::map<QChar, QString> taken;
        for (QAction* action : menu->actions()) {
            const QString text = action->text();
            const qsizetype at = text.indexOf(QRegularExpression("&[^&]"));
            if (at < 0 || action->isSeparator()) continue;
            const QChar key = text.at(at + 1).toLower();
            EXPECT_FALSE(taken.count(key))
                << menu->title().toStdString() << ": " << text.toStdString() << " and "
                << taken[key].toStdString();
            taken[key] = text;
        }
    }
    EXPECT_TRUE(seen);
}

} // namespace
} // namespace kiv::test
