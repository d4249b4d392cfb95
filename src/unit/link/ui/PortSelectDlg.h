#pragma once
// "Selezione Porta COM": the four ports, each with the device it stands for
// here and whether that device exists.

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QRadioButton;

namespace kiv {

class CPortResolver;
class MessageSink;

class CPortSelectDlg : public QDialog {
    Q_OBJECT
  public:
    // `exists` tells whether a device path is present (injectable for tests).
    CPortSelectDlg(int portIndex, const CPortResolver& ports, MessageSink& sink,
                   std::function<bool(const std::string&)> exists = {}, QWidget* parent = nullptr);

    // The chosen port index 0-3.
    int PortIndex() const;
    QRadioButton* Button(int index) const { return buttons_[static_cast<size_t>(index)]; }

  private:
    std::array<QRadioButton*, 4> buttons_{};
};

} // namespace kiv
