#pragma once
// "Selezione Porta COM": the four ports, each with the device it stands for
// here and whether that device exists, and the device of the chosen port:
// picked from the serial ports the system lists (refreshed on opening and
// on "Aggiorna") or typed as a path.

#include "unit/link/SerialSettings.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kiv {

class MessageSink;

class CPortSelectDlg : public QDialog {
    Q_OBJECT
  public:
    using DeviceLister = std::function<std::vector<SerialDeviceInfo>()>;
    using DeviceCheck = std::function<bool(const std::string&)>;

    // `lister` gives the system's serial devices and `exists` tells whether a
    // device path is present; both default to the real system (tests inject
    // their own).
    CPortSelectDlg(int portIndex, const CPortResolver& ports, MessageSink& sink,
                   DeviceLister lister = {}, DeviceCheck exists = {}, QWidget* parent = nullptr);

    // The chosen port index 0-3.
    int PortIndex() const;
    // The mapping as the user left it (an empty path stands for the port's
    // default device).
    CPortResolver Ports() const;

    QRadioButton* Button(int index) const { return buttons_[static_cast<size_t>(index)]; }
    QComboBox* SystemDevices() const { return systemList_; }
    QLineEdit* DeviceField() const { return deviceField_; }
    QPushButton* RefreshButton() const { return refresh_; }

    // Lists the system's devices again.
    void Refresh();

  private:
    void ShowChosenPort();
    void UpdateLabel(int index);
    void SelectListedDevice();

    std::array<QRadioButton*, 4> buttons_{};
    std::array<std::string, 4> devices_;
    QComboBox* systemList_ = nullptr;
    QLineEdit* deviceField_ = nullptr;
    QPushButton* refresh_ = nullptr;
    DeviceLister lister_;
    DeviceCheck exists_;
    std::vector<SerialDeviceInfo> listed_;
};

} // namespace kiv
