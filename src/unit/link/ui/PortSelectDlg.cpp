#include "unit/link/ui/PortSelectDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "unit/link/Texts.h"
#include "unit/link/ui/PortProfile.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kiv {

CPortSelectDlg::CPortSelectDlg(int portIndex, const CPortResolver& ports, MessageSink& sink,
                               DeviceLister lister, DeviceCheck exists, QWidget* parent)
    : QDialog(parent), lister_(std::move(lister)), exists_(std::move(exists)) {
    setObjectName("CPortSelectDlg");
    setWindowTitle(ToQString(texts::portDialogCaption));
    if (!lister_) lister_ = SystemSerialDevices;
    if (!exists_) {
        exists_ = [](const std::string& device) {
#ifdef _WIN32
            (void)device;
            return true; // COM ports are not files here
#else
            return QFileInfo::exists(QString::fromStdString(device));
#endif
        };
    }
    auto* layout = new QVBoxLayout(this);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        devices_[static_cast<size_t>(i)] = ports.Device(i + 1);
        auto* button = new QRadioButton(this);
        button->setAccessibleName(ToQString(texts::portLabel[i]));
        button->setObjectName(QString("port%1").arg(i + 1));
        group->addButton(button, i);
        layout->addWidget(button);
        buttons_[static_cast<size_t>(i)] = button;
        UpdateLabel(i);
    }
    buttons_[static_cast<size_t>(portIndex >= 0 && portIndex < 4 ? portIndex : 1)]->setChecked(
        true);

    auto* mapping = new QGridLayout;
    systemList_ = new QComboBox(this);
    systemList_->setObjectName("systemDevices");
    systemList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* listLabel = new QLabel(ToQString(texts::portSystemDevicesLabel), this);
    listLabel->setBuddy(systemList_);
    refresh_ = new QPushButton(ToQString(texts::portRefreshButton), this);
    refresh_->setObjectName("refreshDevices");
    refresh_->setAutoDefault(false);
    deviceField_ = new QLineEdit(this);
    deviceField_->setObjectName("portDevice");
    auto* fieldLabel = new QLabel(ToQString(texts::portDeviceLabel), this);
    fieldLabel->setBuddy(deviceField_);
    mapping->addWidget(listLabel, 0, 0);
    mapping->addWidget(systemList_, 0, 1);
    mapping->addWidget(refresh_, 0, 2);
    mapping->addWidget(fieldLabel, 1, 0);
    mapping->addWidget(deviceField_, 1, 1, 1, 2);
    mapping->setColumnStretch(1, 1);
    layout->addSpacing(6);
    layout->addLayout(mapping);

    // The field shows the chosen port's device; editing it, or picking a
    // listed port, maps the chosen port to that device.
    connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) ShowChosenPort();
    });
    connect(deviceField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int index = PortIndex();
        devices_[static_cast<size_t>(index)] = text.trimmed().toStdString();
        UpdateLabel(index);
        SelectListedDevice();
    });
    connect(systemList_, &QComboBox::activated, this, [this](int row) {
        const QString device = systemList_->itemData(row).toString();
        if (device.isEmpty()) return;
        deviceField_->setText(device);
        emit deviceField_->textEdited(device);
    });
    connect(refresh_, &QPushButton::clicked, this, &CPortSelectDlg::Refresh);

    auto* box = new QDialogButtonBox(this);
    box->addButton("OK", QDialogButtonBox::AcceptRole)->setDefault(true);
    box->addButton("&Annulla", QDialogButtonBox::RejectRole);
    QPushButton* help = box->addButton("Ai&uto", QDialogButtonBox::HelpRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [&sink] { ShowHelp("porta", sink); });
    layout->addWidget(box);

    Refresh();
    ShowChosenPort();
}

int CPortSelectDlg::PortIndex() const {
    for (int i = 0; i < 4; ++i)
        if (buttons_[static_cast<size_t>(i)]->isChecked()) return i;
    return 1;
}

CPortResolver CPortSelectDlg::Ports() const {
    CPortResolver ports;
    for (int i = 0; i < 4; ++i) {
        const std::string& device = devices_[static_cast<size_t>(i)];
        ports.SetDevice(i + 1, device.empty() ? CPortResolver::DefaultDevice(i + 1) : device);
    }
    return ports;
}

void CPortSelectDlg::Refresh() {
    listed_ = lister_();
    systemList_->clear();
    if (listed_.empty()) {
        systemList_->addItem(ToQString(texts::portNoSystemDevice));
    } else {
        systemList_->addItem(ToQString(texts::portPickSystemDevice));
        for (const SerialDeviceInfo& info : listed_)
            systemList_->addItem(QString::fromStdString(DescribeSerialDevice(info)),
                                 QString::fromStdString(info.device));
    }
    // A device that came or went changes the ports' "assente" marks too.
    for (int i = 0; i < 4; ++i)
        UpdateLabel(i);
    SelectListedDevice();
}

void CPortSelectDlg::ShowChosenPort() {
    if (!deviceField_) return;
    deviceField_->setText(QString::fromStdString(devices_[static_cast<size_t>(PortIndex())]));
    SelectListedDevice();
}

void CPortSelectDlg::SelectListedDevice() {
    if (!systemList_) return;
    const int row = systemList_->findData(deviceField_->text().trimmed());
    systemList_->setCurrentIndex(row >= 0 ? row : 0);
}

void CPortSelectDlg::UpdateLabel(int index) {
    const std::string& device = devices_[static_cast<size_t>(index)];
    const std::string shown = device.empty() ? CPortResolver::DefaultDevice(index + 1) : device;
    buttons_[static_cast<size_t>(index)]->setText(
        QString("%1    (%2%3)")
            .arg(ToQString(texts::portLabel[index]), QString::fromStdString(shown),
                 exists_(shown) ? QString() : ToQString(texts::portMissing)));
}

} // namespace kiv
