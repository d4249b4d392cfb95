#include "wizard/ui/WelcomeDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "wizard/Texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CWelcomeDlg::CWelcomeDlg(QWidget* parent) : QDialog(parent) {
    namespace t = wizard::texts;
    setObjectName("wizardWelcome");
    setWindowTitle(ToQString(t::kWelcomeTitle));
    InstallHelpKey(this, "wizard");
    setModal(true);
    auto* text = new QLabel(
        ToQString(std::string(t::kWelcome1) + "\n\n" + t::kWelcome2 + "\n\n\n" + t::kWelcome3),
        this);
    text->setObjectName("wizardWelcomeText");
    text->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start = buttons->addButton(ToQString(t::kStart), QDialogButtonBox::AcceptRole);
    QPushButton* cancel = buttons->addButton(ToQString(t::kCancel), QDialogButtonBox::RejectRole);
    start->setObjectName("wizardStart");
    cancel->setObjectName("wizardCancel");
    start->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

} // namespace kiv
