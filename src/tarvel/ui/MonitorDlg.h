#pragma once
// The line monitor's window "Monitor di Linea": a field per line that
// collects the line's events, "Incolla" beside each to empty it, and
// "Inizio", "Fine" and "Esci". The monitor's threads do the work; their
// events reach the fields through the dialog's event queue, never by waiting
// for the window's thread.

#include "app/MessageBoxSink.h"
#include "tarvel/LineMonitor.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

class QLineEdit;
class QPushButton;
class QSettings;

namespace kiv {

// The device the monitor listens on: the port number of the arguments
// mapped as the profile's "Ports" section maps it.
std::string MonitorDevice(const QStringList& arguments, QSettings& profile);

class CMonitorDlg : public QDialog {
    Q_OBJECT
  public:
    // Messages go to `messages` when given, to message boxes otherwise.
    CMonitorDlg(std::string device, SerialPortFactory factory, QWidget* parent = nullptr,
                MessageSink* messages = nullptr);
    ~CMonitorDlg() override;

    const std::string& Device() const { return device_; }
    bool IsRunning() const { return monitor_.IsRunning(); }
    QLineEdit* Field(int line) const { return fields_[static_cast<std::size_t>(line)]; }

    void OnStart();
    void OnStop();
    void OnClear(int line);
    void OnAbout();

    void done(int result) override;

  private:
    // Display thread: keeps the event for the window's thread.
    void Post(const CLineDecoder::Event& event);
    // Window thread: inserts the kept events into their fields.
    void ShowPosted();
    void UpdateButtons();
    // Window thread: the line failed under the monitor (it hung up, the
    // device went away): the reading ends as "Fine" ends it, and says why.
    void OnLineEnded();

    std::string device_;
    CMessageBoxSink boxes_;
    MessageSink* messages_;
    std::array<QLineEdit*, CLineDecoder::kLineCount> fields_{};
    QPushButton* start_ = nullptr;
    QPushButton* stop_ = nullptr;
    std::mutex postedMutex_;
    std::vector<CLineDecoder::Event> posted_;
    bool showPending_ = false;
    CLineMonitor monitor_; // last: stopped before the rest goes
};

} // namespace kiv
