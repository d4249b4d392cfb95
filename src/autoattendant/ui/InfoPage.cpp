#include "autoattendant/ui/InfoPage.h"

#include "app/PropertySheet.h"
#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/DescriptionDlg.h"
#include "autoattendant/ui/HelpTopics.h"
#include "autoattendant/ui/PageStateIcon.h"
#include "editors/ui/FieldText.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kiv {

namespace t = autoatt::texts;

CInfoPage::CInfoPage(autoatt::CInfoEdit& edit, QWidget* parent)
    : CPropertyPage(ToQString(t::kInfoTab), parent), edit_(edit) {
    SetHelpTopic("stato_pagine");
    list_ = new QTreeWidget(this);
    list_->setObjectName("pageStatusList");
    list_->setAccessibleName(ToQString(t::kInfoTab));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHeaderLabels({ToQString(t::kInfoNumberHead), ToQString(t::kProgrammedHead),
                            ToQString(t::kRecordedHead), ToQString(t::kDescriptionHead)});
    for (int p = 0; p < kPageCount; ++p)
        new QTreeWidgetItem(list_);
    list_->setMinimumWidth(480);

    describe_ = new QPushButton(ToQString(t::kDescriptionButton), this);
    describe_->setObjectName("editDescription");
    describe_->setAccessibleName(describe_->text().remove('&'));
    describe_->setAutoDefault(false);
    SetControlHelp(list_, autoatt::help::kInfoList);
    SetControlHelp(describe_, autoatt::help::kInfoDescribe);
    connect(describe_, &QPushButton::clicked, this, &CInfoPage::EditDescription);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, &CInfoPage::EditDescription);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(describe_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    Fill();
}

void CInfoPage::Fill() {
    const std::vector<autoatt::PageStatusRow> rows = edit_.Rows();
    for (int p = 0; p < kPageCount && p < static_cast<int>(rows.size()); ++p) {
        const autoatt::PageStatusRow& row = rows[static_cast<std::size_t>(p)];
        QTreeWidgetItem* item = list_->topLevelItem(p);
        item->setText(0, ToQString(row.number));
        item->setText(1, ToQString(row.programmed));
        item->setText(2, ToQString(row.recorded));
        item->setText(3, ToQString(row.description));
        item->setIcon(0, PageStateIcon(row.icon));
    }
}

void CInfoPage::EditDescription() {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) return;
    const int page = list_->indexOfTopLevelItem(item);
    if (page >= 0 && page < kOrdinaryPages) {
        CDescriptionDlg dlg(ToQString(edit_.pageText[static_cast<std::size_t>(page)]), Sink(),
                            this);
        if (Dialogs().Exec(dlg) == QDialog::Accepted)
            edit_.SetDescription(page, FieldText(dlg.Text()));
    }
    Fill();
    list_->setCurrentItem(item);
    list_->scrollToItem(item);
}

void CInfoPage::resizeEvent(QResizeEvent* event) {
    CPropertyPage::resizeEvent(event);
    SizeColumns();
}

void CInfoPage::showEvent(QShowEvent* event) {
    CPropertyPage::showEvent(event);
    SizeColumns();
}

void CInfoPage::SizeColumns() {
    const int w = list_->viewport()->width();
    list_->setColumnWidth(0, w / 7);
    list_->setColumnWidth(1, w / 6);
    list_->setColumnWidth(2, w / 7);
    list_->setColumnWidth(3, w / 2);
}

} // namespace kiv
