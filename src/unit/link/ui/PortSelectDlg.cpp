#include "unit/link/ui/PortSelectDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "unit/link/SerialSettings.h"
#include "unit/link/Texts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kiv {

CPortSelectDlg::CPortSelectDlg(int portIndex, const CPortResolver& ports, MessageSink& sink,
                               std::function<bool(const std::string&)> exists, QWidget* parent)
    : QDialog(parent) {
    setObjectName("CPortSelectDlg");
    setWindowTitle(ToQString(texts::portDialogCaption));
    if (!exists) {
        exists = [](const std::string& device) {
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
        const std::string device = ports.Device(i + 1);
        const QString label = ToQString(texts::portLabel[i]);
        auto* button = new QRadioButton(this);
        button->setText(QString("%1    (%2%3)")
                            .arg(label, QString::fromStdString(device),
                                 exists(device) ? QString() : ToQString(texts::portMissing)));
        button->setAccessibleName(label);
        button->setObjectName(QString("port%1").arg(i + 1));
        group->addButton(button, i);
        layout->addWidget(button);
        buttons_[static_cast<size_t>(i)] = button;
    }
    buttons_[static_cast<size_t>(portIndex >= 0 && portIndex < 4 ? portIndex : 1)]->setChecked(
        true);

    auto* box = new QDialogButtonBox(this);
    box->addButton("OK", QDialogButtonBox::AcceptRole)->setDefault(true);
    box->addButton("&Annulla", QDialogButtonBox::RejectRole);
    QPushButton* help = box->addButton("Ai&uto", QDialogButtonBox::HelpRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [&sink] { ShowHelp("porta", sink); });
    layout->addWidget(box);
}

int CPortSelectDlg::PortIndex() const {
    for (int i = 0; i < 4; ++i)
        if (buttons_[static_cast<size_t>(i)]->isChecked()) return i;
    return 1;
}

} // namespace kiv
