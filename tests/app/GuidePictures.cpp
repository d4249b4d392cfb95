// guide_pictures OUTDIR [NAMES.txt]: takes the pictures of the user guide
// from the program itself. kiv starts as main() starts it, against a
// simulated unit in the same process; each picture's window is opened
// through the real menus, and every dialog the program runs is shown,
// grabbed into OUTDIR/<name>.png and closed. NAMES.txt (the guide's
// IMAGES.txt) lists the pictures wanted; those that could not be taken are
// named on standard error, and the exit status is 1 when any is missing.
// scripts/guide-pictures runs it under Xvfb.
#include "app/MainFrame.h"
#include "app/ProductTypeDlg.h"
#include "app/Profile.h"
#include "app/PropertySheet.h"
#include "app/QelApp.h"
#include "app/ShellDialogs.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "kiv/Installers.h"
#include "sim/SimSerialPort.h"
#include "tarvel/ui/MonitorDlg.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/transfer/ui/UnitCommands.h"
#include "wizard/ui/WelcomeDlg.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <map>
#include <set>

namespace {

using namespace kiv;

// Messages are only counted: the pictures are of windows, not of boxes.
class QuietSink : public MessageSink {
  public:
    MsgAnswer Ask(const Message&) override { return MsgAnswer::Ok; }
};

// The button of a window whose caption (without '&') starts with `text`.
QAbstractButton* ButtonOf(QWidget& window, const QString& text) {
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QString caption = button->text();
        caption.remove('&');
        if (caption.startsWith(text) && button->isVisible()) return button;
    }
    return nullptr;
}

class CPictureDialogs : public CShellDialogs {
  public:
    using Drive = std::function<int(QDialog&)>;

    CPictureDialogs(MessageSink& sink, QString folder)
        : CShellDialogs(sink), folder_(std::move(folder)) {}

    // The next dialogs the program runs: each is grabbed under its name
    // (an empty name is not grabbed), then `drive` (if any) decides how it
    // ends; without one it is cancelled.
    void Expect(const QString& name, Drive drive = {}) { expected_.push_back({name, drive}); }

    int Exec(QDialog& dialog) override {
        // A transfer the program runs on its way (a read before a comparison)
        // goes ahead; anything else not expected is cancelled.
        auto* transfer = qobject_cast<CTransferDlg*>(&dialog);
        if (transfer && (expected_.empty() || !kTransferPictures.count(expected_.front().first))) {
            transfer->Start();
            return transfer->exec();
        }
        if (expected_.empty()) return QDialog::Rejected;
        auto [name, drive] = expected_.front();
        expected_.erase(expected_.begin());
        Show(dialog);
        if (!name.isEmpty()) Grab(dialog, name);
        const int result = drive ? drive(dialog) : static_cast<int>(QDialog::Rejected);
        dialog.hide();
        return result;
    }

    std::optional<int> AskProductType(QWidget* parent, int current) override {
        if (expected_.empty() || expected_.front().first != "tipo_prodotto") return 0;
        expected_.erase(expected_.begin());
        CProductTypeDlg dialog(current, Sink(), parent);
        Show(dialog);
        Grab(dialog, "tipo_prodotto");
        return 0;
    }
    std::optional<QString> OpenFileName(QWidget*, const QString&, const QString&,
                                        const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> SaveFileName(QWidget*, const QString&, const QString&,
                                        const QString&) override {
        return std::nullopt;
    }

    static void Show(QWidget& window) {
        window.show();
        window.raise();
        QTest::qWait(150); // laid out and painted
    }
    void Grab(QWidget& window, const QString& name) {
        QApplication::processEvents();
        if (window.grab().save(QDir(folder_).filePath(name + ".png"))) taken.insert(name);
    }
    // Grabs each page of a property sheet under its name.
    void GrabPages(QDialog& dialog, const std::vector<std::pair<int, QString>>& pages) {
        auto* sheet = qobject_cast<CPropertySheet*>(&dialog);
        if (!sheet) return;
        for (const auto& [index, name] : pages) {
            if (index >= sheet->PageCount() || !sheet->SetActivePage(index)) continue;
            QTest::qWait(100);
            Grab(*sheet, name);
        }
    }
    bool Idle() const { return expected_.empty(); }
    void Clear() { expected_.clear(); }

    std::set<QString> taken;

  private:
    // The pictures that are of a transfer window, before OK is pressed.
    inline static const std::set<QString> kTransferPictures = {
        "lettura_parametri",        "spedizione_parametri", "lettura_registrazioni",
        "spedizione_registrazioni", "salvataggio",          "ripristina",
        "inizializzazione_sistema"};
    QString folder_;
    std::vector<std::pair<QString, Drive>> expected_;
};

// Makes the first row of the visible lists of a window the current one, as a
// click on it would.
void SelectFirstRow(QWidget& window) {
    for (QAbstractItemView* view : window.findChildren<QAbstractItemView*>()) {
        if (!view->isVisible() || !view->model() || view->model()->rowCount() == 0) continue;
        view->setCurrentIndex(view->model()->index(0, 0));
        view->selectionModel()->select(view->currentIndex(), QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
    }
    QApplication::processEvents();
}

// Clicks a button of a window and lets the dialogs it runs come to Exec.
int Click(QDialog& window, const QString& text) {
    if (QAbstractButton* button = ButtonOf(window, text)) button->click();
    return QDialog::Rejected;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: guide_pictures OUTDIR [IMAGES.txt]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    std::vector<QString> wanted;
    if (argc > 2) {
        QFile list(QString::fromLocal8Bit(argv[2]));
        if (list.open(QIODevice::ReadOnly))
            for (const QByteArray& line : list.readAll().split('\n'))
                if (!line.trimmed().isEmpty())
                    wanted.push_back(QString::fromUtf8(line.split('\t')[0]));
    }

    // A profile and a start folder of its own, as on a first run.
    QTemporaryDir profile, work;
    CProfile::SetDirectoryOverride(profile.path());
    QDir::setCurrent(work.path());

    sim::CSimConfig config;
    config.mailboxes = {"101", "102", "103", "110", "200"};
    auto line =
        std::make_shared<sim::CSimSerialPort::Line>(config, CPortResolver::DefaultDevice(2));

    QuietSink sink;
    CPictureDialogs dialogs(sink, out);
    CQelApp app(&sink, &dialogs);
    InstallSubsystems(app);
    if (auto* unit = app.FindPart<CUnitCommands>()) {
        unit->Context().timing = unit->Context().timing.Scaled(0.01);
        unit->Context().portFactory = sim::CSimSerialPort::Factory(line);
        unit->deviceLister = [] {
            return std::vector<SerialDeviceInfo>{
                {"/dev/ttyS0", "", "", ""},
                {"/dev/ttyUSB0", "USB-Serial Controller", "Prolific Technology Inc.", "A1B2C3"}};
        };
    }
    // Start-up: the port dialog, then the read "before pressing OK" (it then
    // runs, so the program works on the unit's configuration).
    dialogs.Expect("porta", [](QDialog&) { return static_cast<int>(QDialog::Accepted); });
    dialogs.Expect("lettura_parametri", [](QDialog& d) {
        auto* transfer = qobject_cast<CTransferDlg*>(&d);
        if (!transfer) return static_cast<int>(QDialog::Rejected);
        transfer->Start();
        return transfer->exec();
    });
    if (!app.InitInstance({})) return 2;
    CMainFrame* frame = app.Frame();
    dialogs.Clear();
    CPictureDialogs::Show(*frame);
    dialogs.Grab(*frame, "finestra_principale");

    const auto run = [&](const char* action) {
        if (QAction* a = frame->Action(action)) {
            a->setEnabled(true);
            a->trigger();
        }
        QApplication::processEvents();
        dialogs.Clear();
    };
    const auto pages = [&](std::vector<std::pair<int, QString>> list) {
        return [&dialogs, list](QDialog& d) {
            dialogs.GrabPages(d, list);
            return static_cast<int>(QDialog::Rejected);
        };
    };

    // First the windows that show the unit's configuration (its mailboxes,
    // statistics and messages).
    dialogs.Expect("", [&](QDialog& d) {
        dialogs.GrabPages(d, {{1, "lista_caselle_parametri"}, {0, "lista_caselle"}});
        dialogs.Expect("parametri_casella");
        Click(d, "Aggiungi");
        dialogs.Expect("crea_intervallo");
        Click(d, "Crea Intervallo");
        dialogs.Expect("messaggicasella");
        SelectFirstRow(d);
        Click(d, "Statistiche");
        return static_cast<int>(QDialog::Rejected);
    });
    run("actionMailboxList");
    dialogs.Expect("gruppo_caselle");
    run("actionMailboxGroups");
    dialogs.Expect("statistiche");
    run("actionStatistics");
    dialogs.Expect("messaggi");
    run("actionMessageList");
    // The comparison reads the unit first; a changed mailbox makes a difference.
    app.Doc().mailboxes[0].number = "109";
    dialogs.Expect("confronta_unita");
    run("actionCompareWithUnit");
    // The rest on a new configuration, as "Nuovo" makes it.
    dialogs.Expect("tipo_prodotto");
    run("actionFileNew");
    for (const auto& [name, action] : std::vector<std::pair<QString, const char*>>{
             {"spedizione_parametri", "actionSendParameters"},
             {"password", "actionPassword"},
             {"lettura_registrazioni", "actionReadRecordings"},
             {"spedizione_registrazioni", "actionSendRecordings"},
             {"salvataggio", "actionBackup"},
             {"ripristina", "actionRestore"},
             {"inizializzazione_sistema", "actionSystemInit"},
             {"parametri_notifica", "actionNotification"},
             {"selezione_pbx", "actionSelectPbx"},
             {"diagramma_pagine", "actionPageDiagram"}}) {
        dialogs.Expect(name);
        run(action);
    }
    dialogs.Expect("", pages({{0, "parametri_pbx_interni"},
                              {1, "parametri_pbx_trasferta"},
                              {2, "parametri_pbx_supervisione"},
                              {3, "parametri_pbx_toni"}}));
    run("actionPbxParameters");
    dialogs.Expect("parametri_sistema");
    run("actionSystemParameters");
    dialogs.Expect("protocollo_inband");
    run("actionInBandProtocol");
    dialogs.Expect("", [&](QDialog& d) {
        dialogs.GrabPages(d, {{1, "compone_stringa"},
                              {2, "pagina_iniziale"},
                              {3, "registrazione_pagine"},
                              {0, "gestione_pagine"},
                              {4, "stato_pagine"}});
        dialogs.Expect("descrizione");
        SelectFirstRow(d);
        Click(d, "Descrizione");
        return static_cast<int>(QDialog::Rejected);
    });
    run("actionPages");
    dialogs.Expect("", [&](QDialog& d) {
        // "Modo Operativo" on Auto, then "Orari" opens the weekly schedule.
        for (QComboBox* box : d.findChildren<QComboBox*>()) {
            const int automatic = box->findText("Auto");
            if (automatic >= 0) {
                box->setCurrentIndex(automatic);
                emit box->activated(automatic);
            }
        }
        QTest::qWait(50);
        dialogs.Grab(d, "ora_e_data");
        dialogs.Expect("", [&](QDialog& schedule) {
            dialogs.GrabPages(
                schedule, {{0, "orario_settimanale"}, {1, "auto_pausa"}, {2, "orario_festivita"}});
            dialogs.Expect("aggiungi_festivita");
            Click(schedule, "Aggiungi");
            return static_cast<int>(QDialog::Rejected);
        });
        Click(d, "Orari");
        return static_cast<int>(QDialog::Rejected);
    });
    run("actionTimeDate");
    dialogs.Expect("", pages({{0, "opzioni_barra"}, {1, "opzioni_file"}}));
    run("actionOptions");
    dialogs.Expect("wizard_benvenuto",
                   [](QDialog&) { return static_cast<int>(QDialog::Accepted); });
    dialogs.Expect("", pages({{4, "wizard_protocollo"}}));
    run("actionWizard");
    {
        CMonitorDlg monitor(CPortResolver::DefaultDevice(2), {});
        CPictureDialogs::Show(monitor);
        dialogs.Grab(monitor, "monitor_linea");
    }

    int missing = 0;
    for (const QString& name : wanted)
        if (!dialogs.taken.count(name)) {
            std::fprintf(stderr, "guide_pictures: not taken: %s\n", qPrintable(name));
            ++missing;
        }
    std::printf("guide_pictures: %zu pictures in %s\n", dialogs.taken.size(), qPrintable(out));
    frame->close();
    return missing ? 1 : 0;
}
