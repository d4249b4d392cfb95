#include "autoattendant/ui/RecordingListPage.h"

#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/HelpTopics.h"
#include "autoattendant/ui/PageStateIcon.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kiv {

namespace t = autoatt::texts;

CRecordingListPage::CRecordingListPage(autoatt::CRecordingListEdit& edit, const QString& title,
                                       QWidget* parent)
    : CPropertyPage(title, parent), edit_(edit) {
    SetHelpTopic("registrazione_pagine");
    list_ = new QTreeWidget(this);
    list_->setObjectName("recordingList");
    list_->setAccessibleName(title);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setHeaderLabels({ToQString(t::kRecordingNumberHead), ToQString(t::kRecordingFileHead)});
    for (int p = 0; p < kPageCount; ++p)
        new QTreeWidgetItem(list_);
    list_->header()->setStretchLastSection(true);
    list_->setMinimumWidth(420);

    choose_ = new QPushButton(ToQString(edit_.FirstButtonCaption()), this);
    choose_->setObjectName("chooseRecording");
    clear_ = new QPushButton(ToQString(t::kClear), this);
    clear_->setObjectName("clearRecording");
    for (QPushButton* b : {choose_, clear_}) {
        b->setAccessibleName(b->text().remove('&'));
        b->setAutoDefault(false);
    }
    SetControlHelp(list_, autoatt::help::kRecordingList);
    SetControlHelp(choose_, autoatt::help::kRecordingChoose);
    SetControlHelp(clear_, autoatt::help::kRecordingClear);
    connect(choose_, &QPushButton::clicked, this, &CRecordingListPage::Choose);
    connect(clear_, &QPushButton::clicked, this, [this] {
        edit_.Clear(Selected());
        Fill();
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(choose_);
    buttons->addWidget(clear_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    Fill();
    list_->resizeColumnToContents(0);
}

std::vector<int> CRecordingListPage::Selected() const {
    std::vector<int> rows;
    for (int p = 0; p < kPageCount; ++p)
        if (list_->topLevelItem(p)->isSelected()) rows.push_back(p);
    return rows;
}

void CRecordingListPage::Fill() {
    for (int p = 0; p < kPageCount; ++p) {
        QTreeWidgetItem* item = list_->topLevelItem(p);
        item->setText(0, ToQString(autoatt::CRecordingListEdit::NumberCell(p)));
        item->setText(1, FromNativePath(edit_.pageFiles[static_cast<std::size_t>(p)]));
        item->setIcon(0, PageStateIcon(edit_.Icon(p)));
    }
}

void CRecordingListPage::Choose() {
    const std::vector<int> selected = Selected();
    if (selected.empty()) return;
    const autoatt::FileFilter first = autoatt::ScriptFilesFilter(selected);
    // The caption as the user reads it, then the patterns in the form the
    // file dialog matches (blank-separated).
    const QString filter =
        CShellDialogs::Filter(ToQString(first.label), ToQString(first.pattern)) + ";;" +
        CShellDialogs::Filter(ToQString(t::kAllFilesFilter), ToQString(t::kAllFilesPattern));
    const auto chosen = Dialogs().OpenFileName(this, filter, FromNativePath(edit_.folder),
                                               ToQString(t::kChooseFileTitle));
    if (!chosen) return;
    edit_.Choose(selected, NativePath(*chosen));
    Fill();
}

} // namespace kiv
