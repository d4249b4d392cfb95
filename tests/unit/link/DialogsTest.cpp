// The link's dialogs, offscreen: the password field, the port choice and the
// "Attesa linea libera" wait with its worker-thread probing.
#include "document/MessageSink.h"
#include "unit/link/SerialSettings.h"
#include "unit/link/Texts.h"
#include "unit/link/ui/GuiThreadSink.h"
#include "unit/link/ui/PasswordDlg.h"
#include "unit/link/ui/PortSelectDlg.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/link/ui/WaitLineDlg.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

namespace kiv {
namespace {

using namespace std::chrono_literals;

TEST(PasswordDlgTest, DigitsOnlyAndAtMostEight) {
    RecordingSink sink;
    CPasswordDlg dialog("Cambiare Password", "Digitare la Password corrente", sink);
    EXPECT_EQ(dialog.windowTitle(), "Cambiare Password");
    EXPECT_EQ(dialog.Field()->maxLength(), 8);
    dialog.Field()->setText("123456789");
    EXPECT_EQ(dialog.Field()->text(), "12345678");

    dialog.show();
    dialog.Field()->setText("12a4");
    dialog.accept();
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{texts::kInputError});
    EXPECT_TRUE(dialog.isVisible()); // kept open
    EXPECT_EQ(dialog.Field()->selectedText(), "12a4");

    dialog.Field()->setText("");
    dialog.accept(); // an empty answer is the caller's to judge
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(sink.messages.size(), 1u);
}

TEST(PortSelectDlgTest, ShowsEachPortsDeviceAndMapsTheChosenOne) {
    RecordingSink sink;
    CPortResolver ports;
    ports.SetDevice(3, "/tmp/unit-here");
    std::vector<SerialDeviceInfo> system = {
        {"/dev/ttyS0", "", "", ""}, {"/dev/ttyUSB0", "USB-Serial Controller", "Prolific", "A1B2"}};
    std::vector<std::string> present = {"/tmp/unit-here", "/dev/ttyS0", "/dev/ttyUSB0"};
    int listed = 0;
    CPortSelectDlg dialog(
        2, ports, sink,
        [&] {
            ++listed;
            return system;
        },
        [&](const std::string& d) {
            return std::find(present.begin(), present.end(), d) != present.end();
        });
    EXPECT_EQ(dialog.windowTitle(), "Selezione Porta COM");
    EXPECT_TRUE(dialog.Button(2)->isChecked());
    EXPECT_EQ(dialog.Button(2)->text(), "Porta Com 3    (/tmp/unit-here)");
    EXPECT_EQ(dialog.Button(0)->text(), "Porta Com 1    (/dev/ttyS0)");
    EXPECT_EQ(dialog.Button(1)->text(), "Porta Com 2    (/dev/ttyS1 - assente)");
    EXPECT_EQ(dialog.DeviceField()->text(), "/tmp/unit-here");
    EXPECT_EQ(listed, 1); // listed when it opens
    ASSERT_EQ(dialog.SystemDevices()->count(), 3);
    EXPECT_EQ(dialog.SystemDevices()->itemText(2),
              "/dev/ttyUSB0 - USB-Serial Controller, Prolific, n. A1B2");

    // Port 2 goes to the USB adapter picked from the list.
    dialog.Button(1)->setChecked(true);
    EXPECT_EQ(dialog.DeviceField()->text(), "/dev/ttyS1");
    dialog.SystemDevices()->setCurrentIndex(2);
    emit dialog.SystemDevices()->activated(2);
    EXPECT_EQ(dialog.DeviceField()->text(), "/dev/ttyUSB0");
    EXPECT_EQ(dialog.Button(1)->text(), "Porta Com 2    (/dev/ttyUSB0)");
    // Port 4 to a path typed by hand; an emptied field is the default again.
    dialog.Button(3)->setChecked(true);
    dialog.DeviceField()->selectAll();
    QTest::keyClicks(dialog.DeviceField(), "/dev/pts/7");
    EXPECT_EQ(dialog.Button(3)->text(), "Porta Com 4    (/dev/pts/7 - assente)");
    dialog.Button(0)->setChecked(true);
    dialog.DeviceField()->selectAll();
    QTest::keyClick(dialog.DeviceField(), Qt::Key_Delete);
    EXPECT_EQ(dialog.PortIndex(), 0);
    const CPortResolver chosen = dialog.Ports();
    EXPECT_EQ(chosen.Device(1), CPortResolver::DefaultDevice(1));
    EXPECT_EQ(chosen.Device(2), "/dev/ttyUSB0");
    EXPECT_EQ(chosen.Device(3), "/tmp/unit-here");
    EXPECT_EQ(chosen.Device(4), "/dev/pts/7");

    // "Aggiorna" lists again: an adapter plugged in meanwhile appears, and a
    // port's mark follows its device.
    system.push_back({"/dev/ttyUSB1", "FT232R USB UART", "FTDI", ""});
    present.push_back("/dev/pts/7");
    QTest::mouseClick(dialog.RefreshButton(), Qt::LeftButton);
    EXPECT_EQ(listed, 2);
    EXPECT_EQ(dialog.SystemDevices()->count(), 4);
    EXPECT_EQ(dialog.Button(3)->text(), "Porta Com 4    (/dev/pts/7)");

    // Nothing listed: the list says so, and a typed path still works.
    system.clear();
    dialog.Refresh();
    ASSERT_EQ(dialog.SystemDevices()->count(), 1);
    EXPECT_EQ(dialog.SystemDevices()->itemText(0), "(nessuna porta seriale trovata)");

    CPortSelectDlg outside(
        7, ports, sink, [] { return std::vector<SerialDeviceInfo>{}; },
        [](const std::string&) { return true; });
    EXPECT_EQ(outside.PortIndex(), 1); // an index outside 0-3 stands for port 2
}

TEST(WaitLineDlgTest, EndsWhenTheLineFrees) {
    std::atomic<int> probes{0};
    const int result = CWaitLineDlg::Run(
        [&] { return ++probes < 4 ? TransferUi::lineBusy : TransferUi::lineFree; }, 5ms, nullptr);
    EXPECT_EQ(result, TransferUi::lineFree);
    EXPECT_EQ(probes.load(), 4);

    EXPECT_EQ(CWaitLineDlg::Run([] { return TransferUi::lineTimeout; }, 5ms, nullptr),
              TransferUi::lineTimeout);
}

TEST(WaitLineDlgTest, CancelStopsTheProbes) {
    std::atomic<int> probes{0};
    QTimer::singleShot(100, [] {
        auto* dialog = qobject_cast<CWaitLineDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Attesa linea libera");
        dialog->CancelButton()->click();
    });
    const int result = CWaitLineDlg::Run(
        [&] {
            ++probes;
            return TransferUi::lineBusy;
        },
        5ms, nullptr);
    EXPECT_EQ(result, TransferUi::waitCancelled);
    const int after = probes.load();
    QThread::msleep(50);
    EXPECT_EQ(probes.load(), after);
    EXPECT_GT(after, 1);
}

TEST(WaitLineDlgTest, WorkerThreadWaitShowsTheDialogOnTheWindowThread) {
    CDialogFreeLineWait wait(nullptr);
    std::atomic<int> result{-1};
    std::atomic<bool> sawDialog{false};
    std::unique_ptr<QThread> worker(QThread::create([&] {
        int probes = 0;
        result = wait.Wait(
            [&] {
                if (qobject_cast<CWaitLineDlg*>(QApplication::activeModalWidget()))
                    sawDialog = true;
                return ++probes < 5 ? TransferUi::lineBusy : TransferUi::lineFree;
            },
            5ms);
    }));
    worker->start();
    while (!worker->isFinished())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    worker->wait();
    EXPECT_EQ(result.load(), TransferUi::lineFree);
    EXPECT_TRUE(sawDialog.load());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(TransferDlgTest, RunsTheTransferOffTheWindowThreadToItsEnd) {
    RecordingSink sink;
    CTransferDlg dialog("Lettura Parametri", "lettura", sink);
    EXPECT_EQ(dialog.SecondLine()->text(), "e premere OK per continuare");
    std::atomic<bool> onWorker{false};
    dialog.SetJob([&] {
        onWorker = QThread::currentThread() != dialog.thread();
        dialog.Ui().SetStatusText("Lettura Dati Sezione 1");
        dialog.Ui().SetProgressRange(30);
        for (int i = 0; i < 30; ++i) {
            dialog.Ui().StepProgress();
            QThread::msleep(15);
        }
    });
    bool stillOpen = false;
    QTimer::singleShot(0, [&] { dialog.OkButton()->click(); });
    // Escape while bytes move does not end the dialog.
    QTimer::singleShot(60, [&] {
        dialog.reject();
        stillOpen = dialog.isVisible();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(onWorker.load());
    EXPECT_EQ(dialog.SecondLine()->text(), "Lettura Dati Sezione 1");
    EXPECT_EQ(dialog.Progress()->value(), 30);
    EXPECT_FALSE(dialog.OkButton()->isVisible());

    // Before OK, Annulla ends it without running anything.
    CTransferDlg unused("Lettura Parametri", "lettura", sink);
    bool ran = false;
    unused.SetJob([&] { ran = true; });
    QTimer::singleShot(0, [&] { unused.reject(); });
    EXPECT_EQ(unused.exec(), QDialog::Rejected);
    EXPECT_FALSE(ran);
    EXPECT_FALSE(unused.Started());
}

TEST(TransferDlgTest, ChecksFirstAndStaysOpenAfterAFailure) {
    RecordingSink sink;
    CTransferDlg dialog("Lettura Registrazioni", "lettura", sink);
    bool listEmpty = true;
    int runs = 0;
    bool failed = true;
    dialog.SetCheck([&] {
        if (listEmpty) sink.Show("La Lista delle Pagine \xE8 vuota");
        return !listEmpty;
    });
    dialog.SetJob([&] {
        ++runs;
        dialog.Ui().SetStatusText("Block 1 of 2 blocks");
    });
    dialog.SetStayOpen([&] { return failed; });
    bool listed = false;
    QPushButton* list = dialog.AddButton("Lista delle Registrazioni...", [&] { listed = true; });
    EXPECT_EQ(list->accessibleName(), "Lista delle Registrazioni...");
    dialog.show();

    // A refused check starts nothing and leaves the dialog as it was.
    dialog.Start();
    EXPECT_FALSE(dialog.Started());
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(sink.Texts(), std::vector<std::string>{"La Lista delle Pagine \xE8 vuota"});
    EXPECT_TRUE(dialog.OkButton()->isVisible());

    // A failed run brings back the texts and every button, ready for another OK.
    listEmpty = false;
    QEventLoop wait;
    QObject::connect(&dialog, &CTransferDlg::Failed, &wait, &QEventLoop::quit);
    dialog.Start();
    EXPECT_FALSE(list->isVisible());
    wait.exec();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.Started());
    EXPECT_EQ(dialog.SecondLine()->text(), "e premere OK per continuare");
    EXPECT_TRUE(dialog.OkButton()->isVisible());
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(dialog.Progress()->isVisible());
    list->click();
    EXPECT_TRUE(listed);

    // The next run succeeds and closes the dialog.
    failed = false;
    QTimer::singleShot(0, [&] { dialog.OkButton()->click(); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(runs, 2);
}

TEST(TransferDlgTest, FileRowBrowsesFromTheTypedName) {
    RecordingSink sink;
    CTransferDlg dialog("Salvataggio", "salvataggio", sink);
    QString offered;
    QLineEdit* field = dialog.AddFileRow("Nome File", [&](const QString& current) {
        offered = current;
        return std::optional<QString>("/tmp/unit.wax");
    });
    ASSERT_EQ(field, dialog.FileField());
    EXPECT_EQ(dialog.BrowseButton()->text(), "&Sfoglia...");
    EXPECT_EQ(dialog.BrowseButton()->accessibleName(), "Sfoglia...");
    field->setText("prima");
    dialog.BrowseButton()->click();
    EXPECT_EQ(offered, "prima");
    EXPECT_EQ(field->text(), "/tmp/unit.wax");

    // While bytes move the name cannot change; after a failure it is selected.
    dialog.SetStayOpen([] { return true; });
    std::atomic<bool> release{false};
    dialog.SetJob([&] {
        while (!release)
            QThread::msleep(2);
    });
    dialog.show();
    QEventLoop wait;
    QObject::connect(&dialog, &CTransferDlg::Failed, &wait, &QEventLoop::quit);
    dialog.Start();
    EXPECT_TRUE(field->isReadOnly());
    EXPECT_FALSE(dialog.BrowseButton()->isEnabled());
    release = true;
    wait.exec();
    EXPECT_FALSE(field->isReadOnly());
    EXPECT_EQ(field->selectedText(), "/tmp/unit.wax");
}

TEST(GuiThreadSinkTest, WorkerMessagesAreAnsweredOnTheWindowThread) {
    RecordingSink inner;
    inner.answers.push_back(MsgAnswer::Yes);
    QObject context;
    CGuiThreadSink sink(inner, &context);
    std::atomic<int> answer{-1};
    std::unique_ptr<QThread> worker(QThread::create(
        [&] { answer = static_cast<int>(sink.Ask("Vuoi continuare?", MsgButtons::YesNo)); }));
    worker->start();
    while (!worker->isFinished())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    worker->wait();
    EXPECT_EQ(answer.load(), static_cast<int>(MsgAnswer::Yes));
    EXPECT_EQ(inner.Texts(), std::vector<std::string>{"Vuoi continuare?"});
}

} // namespace
} // namespace kiv
