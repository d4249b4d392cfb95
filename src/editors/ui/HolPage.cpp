#include "editors/ui/HolPage.h"

#include "app/QtText.h"
#include "app/ShellDialogs.h"
#include "document/MessageSink.h"
#include "editors/Texts.h"
#include "editors/ui/AddHolidayDlg.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kiv {

CHolPage::CHolPage(editors::ScheduleTables& tables, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kHolidayTab), parent), tables_(tables),
      holidays_(tables.holidays) {
    namespace t = editors::texts;
    SetHelpTopic("orario_festivita");
    list_ = new QTreeWidget(this);
    list_->setObjectName("holidayList");
    list_->setAccessibleName(ToQString(t::kHolidayTab));
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The columns follow the list's width.
    list_->viewport()->installEventFilter(this);
    list_->setHeaderLabels({ToQString(t::kHolidayDate), ToQString(t::kHolidayStart),
                            ToQString(t::kHolidayEnd), ToQString(t::kHolidayText)});
    add_ = new QPushButton(ToQString(t::kAdd), this);
    add_->setObjectName("holidayAdd");
    remove_ = new QPushButton(ToQString(t::kHolidayRemove), this);
    remove_->setObjectName("holidayRemove");
    add_->setAutoDefault(false);
    remove_->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, &CHolPage::Add);
    connect(remove_, &QPushButton::clicked, this, &CHolPage::Remove);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add_);
    buttons->addWidget(remove_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    Fill();
}

void CHolPage::Fill() {
    list_->clear();
    for (const editors::Holiday& h : holidays_.Rows())
        list_->addTopLevelItem(new QTreeWidgetItem(QStringList{
            ToQString(h.date), ToQString(h.start), ToQString(h.end), ToQString(h.text)}));
}

void CHolPage::SizeColumns() {
    // A fifth of the list for each of date, start and end; the description
    // takes the rest, so that every column stays in sight.
    const int w = list_->viewport()->width();
    for (int c = 0; c < 3; ++c)
        list_->header()->resizeSection(c, w / 5);
    list_->header()->resizeSection(3, w - 3 * (w / 5));
}

bool CHolPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Resize) SizeColumns();
    return CPropertyPage::eventFilter(watched, event);
}

void CHolPage::Add() {
    CAddHolidayDlg dialog(Sink(), this);
    if (Dialogs().Exec(dialog) != QDialog::Accepted) return;
    const QDate date = dialog.Date();
    if (!holidays_.Add(date.day(), date.month(), dialog.Start(), dialog.End(), dialog.Text())) {
        Sink().Show(editors::texts::kInputError, MsgIcon::Warning);
        return;
    }
    Fill();
}

void CHolPage::Remove() {
    std::vector<int> rows;
    for (QTreeWidgetItem* item : list_->selectedItems())
        rows.push_back(list_->indexOfTopLevelItem(item));
    holidays_.Remove(rows);
    Fill();
}

void CHolPage::OnOK() {
    tables_.holidays = holidays_.Rows();
}

} // namespace kiv
