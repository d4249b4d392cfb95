// ProductType.h first: its member `slots` must be read before Qt defines
// the keyword of that name.
#include "document/ProductType.h"

#include "app/ProductTypeDlg.h"

#include "app/Help.h"
#include "app/Texts.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kiv {

CProductTypeDlg::CProductTypeDlg(int current, MessageSink& sink, QWidget* parent)
    : QDialog(parent), sink_(sink) {
    setWindowTitle(ui::Ui(ui::kProductTypeCaption));
    setObjectName("productTypeDlg");
    auto* group = new QGroupBox(ui::Ui(ui::kProductTypePrompt), this);
    auto* groupLayout = new QVBoxLayout(group);
    auto* buttons = new QButtonGroup(this);
    for (int type = 0; type < kProductTypeCount; ++type) {
        radios_[type] = new QRadioButton(QString::fromLatin1(ProductTypeName(type)), group);
        radios_[type]->setObjectName(QString("productType%1").arg(type));
        buttons->addButton(radios_[type], type);
        groupLayout->addWidget(radios_[type]);
    }
    Select(current);

    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(ui::Ui(ui::kOk), QDialogButtonBox::AcceptRole);
    box->addButton(ui::Ui(ui::kCancel), QDialogButtonBox::RejectRole);
    box->addButton(ui::Ui(ui::kHelp), QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::helpRequested, this,
            [this] { ShowHelp("tipo_prodotto", sink_); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(box);
}

void CProductTypeDlg::Select(int type) {
    radios_[FindProductType(type) ? type : 0]->setChecked(true);
}

int CProductTypeDlg::Selected() const {
    for (int type = 0; type < kProductTypeCount; ++type)
        if (radios_[type]->isChecked()) return type;
    return 0;
}

} // namespace kiv
