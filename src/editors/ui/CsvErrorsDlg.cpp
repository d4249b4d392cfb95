#include "editors/ui/CsvErrorsDlg.h"

#include "app/QtText.h"
#include "editors/Texts.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kiv {

namespace t = editors::texts;

CCsvErrorsDlg::CCsvErrorsDlg(const std::vector<editors::CsvRowError>& errors, QWidget* parent)
    : QDialog(parent) {
    setObjectName("csvErrorsDlg");
    setWindowTitle(ToQString(t::kCsvErrorsTitle));
    setSizeGripEnabled(true);

    auto* heading = new QLabel(ToQString(t::kCsvRefused), this);
    heading->setObjectName("csvErrorsHeading");

    list_ = new QTreeWidget(this);
    list_->setObjectName("csvErrorsList");
    list_->setAccessibleName(heading->text());
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setWordWrap(false);
    list_->setHeaderLabels(
        {ToQString(t::kCsvLineHead), ToQString(t::kCsvColumnHead), ToQString(t::kCsvFaultHead)});
    for (const editors::CsvRowError& e : errors) {
        auto* row = new QTreeWidgetItem(
            list_, {QString::number(e.line), ToQString(e.column), ToQString(e.message)});
        // The whole fault as a tool tip, for a message wider than the window.
        row->setToolTip(2, row->text(2));
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("csvErrorsOk");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);

    // Wide enough for the messages, never larger than the screen: the list
    // scrolls, the OK button stays in reach.
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    int wanted = 0;
    for (int c = 0; c < list_->columnCount(); ++c) {
        int widest = list_->fontMetrics().horizontalAdvance(list_->headerItem()->text(c));
        for (int r = 0; r < list_->topLevelItemCount(); ++r)
            widest = std::max(
                widest, list_->fontMetrics().horizontalAdvance(list_->topLevelItem(r)->text(c)));
        wanted += widest + 24;
    }
    const int rows = list_->topLevelItemCount();
    const int rowHeight = rows ? list_->sizeHintForRow(0) : 0;
    const int height = heading->sizeHint().height() + buttons->sizeHint().height() +
                       list_->header()->sizeHint().height() + rowHeight * (rows + 1) + 60;
    resize(std::clamp(wanted + 40, 360, room.width() * 9 / 10),
           std::clamp(height, 200, room.height() * 8 / 10));
    setMaximumSize(room.size());
}

} // namespace kiv
