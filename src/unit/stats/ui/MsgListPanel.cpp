#include "unit/stats/ui/MsgListPanel.h"

#include "app/QtText.h"
#include "unit/stats/Texts.h"
#include "unit/stats/ui/FigureRow.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace kiv {

CMsgListPanel::CMsgListPanel(QWidget* parent) : QWidget(parent) {
    list_ = new QTreeWidget(this);
    list_->setObjectName("msgList");
    list_->setAccessibleName(ToQString(texts::msgListCaption));
    list_->setHeaderLabels({ToQString(texts::msgDateHeading), ToQString(texts::msgTimeHeading),
                            ToQString(texts::msgLengthHeading), ToQString(texts::msgStateHeading)});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setSectionsMovable(false);
    const int width = list_->fontMetrics().horizontalAdvance(QString(8, '0'));
    for (int column = 0; column < 4; ++column)
        list_->setColumnWidth(column, width);
    list_->setMinimumWidth(4 * width + 8);

    auto* totals = new QWidget(this);
    auto* grid = new QGridLayout(totals);
    grid->setContentsMargins(0, 0, 0, 0);
    newLength_ =
        AddFigureRow(grid, 0, texts::msgNewLength, texts::msgHoursMinutesSeconds, "msgNewLength");
    archivedLength_ = AddFigureRow(grid, 1, texts::msgArchivedLength, texts::msgHoursMinutesSeconds,
                                   "msgArchivedLength");
    newCount_ = AddFigureRow(grid, 2, texts::msgNewCount, nullptr, "msgNewCount");
    archivedCount_ = AddFigureRow(grid, 3, texts::msgArchivedCount, nullptr, "msgArchivedCount");
    totalCount_ = AddFigureRow(grid, 4, texts::msgTotalCount, nullptr, "msgTotalCount");
    grid->setRowStretch(5, 1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_, 1);
    layout->addWidget(totals);

    ShowTotals(MessageTotalTexts{});
}

void CMsgListPanel::Show(std::span<const UnitMessage> messages) {
    list_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const UnitMessage& message : messages) {
        const MessageRow row = MessageRowOf(message);
        auto* item = new QTreeWidgetItem(QStringList{ToQString(row.date), ToQString(row.time),
                                                     ToQString(row.length), ToQString(row.state)});
        for (int column = 0; column < 3; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        rows << item;
    }
    list_->addTopLevelItems(rows);
    ShowTotals(TotalTextsOf(TotalsOf(messages)));
}

void CMsgListPanel::ShowTotals(const MessageTotalTexts& totals) {
    newLength_->setText(ToQString(totals.newLength));
    archivedLength_->setText(ToQString(totals.archivedLength));
    newCount_->setText(ToQString(totals.newCount));
    archivedCount_->setText(ToQString(totals.archivedCount));
    totalCount_->setText(ToQString(totals.count));
}

} // namespace kiv
