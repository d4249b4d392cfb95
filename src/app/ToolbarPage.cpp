#include "app/ToolbarPage.h"

#include "app/Texts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kiv {

CToolbarPage::CToolbarPage(const std::array<bool, 3>& visibleBars, bool tips, QWidget* parent)
    : CPropertyPage(ui::Ui(ui::kToolbarPageTitle), parent), visible(visibleBars), toolTips(tips) {
    SetHelpTopic("opzioni_barra");
    auto* bars = new QGroupBox(ui::Ui(ui::kToolbarGroup), this);
    auto* barsLayout = new QVBoxLayout(bars);
    const char* captions[3] = {ui::kCheckMain, ui::kCheckComm, ui::kCheckParameters};
    const char* names[3] = {"checkMainBar", "checkCommBar", "checkParametersBar"};
    for (int i = 0; i < 3; ++i) {
        checks_[i] = new QCheckBox(ui::Ui(captions[i]), bars);
        checks_[i]->setObjectName(names[i]);
        checks_[i]->setChecked(visible[i]);
        barsLayout->addWidget(checks_[i]);
    }
    barsLayout->addStretch();

    auto* tipsBox = new QGroupBox(ui::Ui(ui::kTipsGroup), this);
    auto* tipsLayout = new QVBoxLayout(tipsBox);
    show_ = new QRadioButton(ui::Ui(ui::kTipsShow), tipsBox);
    hide_ = new QRadioButton(ui::Ui(ui::kTipsHide), tipsBox);
    show_->setObjectName("tipsShow");
    hide_->setObjectName("tipsHide");
    (toolTips ? show_ : hide_)->setChecked(true);
    tipsLayout->addWidget(show_);
    tipsLayout->addWidget(hide_);
    tipsLayout->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(bars);
    row->addWidget(tipsBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch();
}

void CToolbarPage::OnOK() {
    for (int i = 0; i < 3; ++i)
        visible[i] = checks_[i]->isChecked();
    toolTips = show_->isChecked();
}

} // namespace kiv
