#include "editors/ui/DayMultiBreakPage.h"

#include "app/QtText.h"
#include "document/ValueNames.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"
#include "editors/ui/TimeEdit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CDayMultiBreakPage::CDayMultiBreakPage(editors::ScheduleTables& tables, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kAutoBreakTab), parent), tables_(tables) {
    namespace t = editors::texts;
    SetHelpTopic("auto_pausa");

    auto* dayLabel = new QLabel(ToQString(t::kWeekdayHead), this);
    weekday_ = new QLineEdit(this);
    weekday_->setObjectName("breakWeekday");
    weekday_->setReadOnly(true);
    dayLabel->setBuddy(weekday_);
    prev_ = new QPushButton(ToQString(t::kPrevDay), this);
    prev_->setObjectName("breakPrev");
    next_ = new QPushButton(ToQString(t::kNextDay), this);
    next_->setObjectName("breakNext");
    // The buttons are no default button: Enter in a field is the sheet's OK.
    prev_->setAutoDefault(false);
    next_->setAutoDefault(false);
    connect(prev_, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { Move(1); });

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQString(t::kFrom), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(ToQString(t::kTo), this), 0, 2, Qt::AlignHCenter);
    grid->addWidget(new QLabel(ToQString(t::kBreakPage), this), 0, 3, Qt::AlignHCenter);
    for (int r = 0; r < editors::kBreaksPerDay; ++r) {
        const QString caption = ToQString(editors::FormatInt(t::kBreakRow, r));
        auto* label = new QLabel(caption, this);
        Row& row = rows_[static_cast<std::size_t>(r)];
        row.start = new CTimeEdit(this);
        row.end = new CTimeEdit(this);
        row.page = new CSpinEdit(0, editors::kMaxBreakPage, 2, this);
        row.start->setObjectName(QString("breakStart%1").arg(r));
        row.end->setObjectName(QString("breakEnd%1").arg(r));
        row.page->setObjectName(QString("breakPage%1").arg(r));
        row.start->setAccessibleName(caption + " " + ToQString(t::kFrom));
        row.end->setAccessibleName(caption + " " + ToQString(t::kTo));
        row.page->setAccessibleName(caption + " " + ToQString(t::kBreakPage));
        label->setBuddy(row.start);
        connect(row.start, &QLineEdit::textChanged, this, [this, r] { UpdatePageField(r); });
        connect(row.end, &QLineEdit::textChanged, this, [this, r] { UpdatePageField(r); });
        grid->addWidget(label, r + 1, 0);
        grid->addWidget(row.start, r + 1, 1);
        grid->addWidget(row.end, r + 1, 2);
        grid->addWidget(row.page, r + 1, 3);
    }

    auto* dayRow = new QHBoxLayout;
    dayRow->addWidget(prev_);
    dayRow->addWidget(weekday_, 1);
    dayRow->addWidget(next_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dayLabel, 0, Qt::AlignHCenter);
    layout->addLayout(dayRow);
    layout->addLayout(grid);
    layout->addStretch();
    ShowDay(0);
}

void CDayMultiBreakPage::ShowDay(int day) {
    day_ = day;
    weekday_->setText(ToQString(names::kWeekday[day]));
    const editors::BreakDayText rows =
        editors::ShowBreakDay(tables_.breaks[static_cast<std::size_t>(day)]);
    for (int r = 0; r < editors::kBreaksPerDay; ++r) {
        const auto i = static_cast<std::size_t>(r);
        rows_[i].start->SetText(ToQString(rows[i].start));
        rows_[i].end->SetText(ToQString(rows[i].end));
        rows_[i].page->SetText(ToQString(rows[i].page));
        UpdatePageField(r);
    }
}

editors::BreakRowText CDayMultiBreakPage::RowText(int row) const {
    const Row& r = rows_[static_cast<std::size_t>(row)];
    return {FieldText(r.start->text()), FieldText(r.end->text()), FieldText(r.page->text())};
}

void CDayMultiBreakPage::UpdatePageField(int row) {
    rows_[static_cast<std::size_t>(row)].page->setEnabled(!editors::IsEmptyBreakRow(RowText(row)));
}

bool CDayMultiBreakPage::StoreDay() {
    editors::BreakDayText rows;
    for (int r = 0; r < editors::kBreaksPerDay; ++r)
        rows[static_cast<std::size_t>(r)] = RowText(r);
    const auto failed =
        editors::StoreBreakDay(rows, tables_.breaks[static_cast<std::size_t>(day_)]);
    if (!failed) return true;
    const Row& row = rows_[static_cast<std::size_t>(failed->field.row)];
    QWidget* field = failed->field.part == editors::BreakPart::Page
                         ? static_cast<QWidget*>(row.page)
                         : static_cast<QWidget*>(row.start);
    return FailField(field, ToQString(failed->message));
}

void CDayMultiBreakPage::Move(int step) {
    const int to = day_ + step;
    if (to < 0 || to >= editors::kWeekdays) return;
    if (!StoreDay()) return;
    ShowDay(to);
}

bool CDayMultiBreakPage::OnKillActive() {
    return StoreDay();
}

} // namespace kiv
