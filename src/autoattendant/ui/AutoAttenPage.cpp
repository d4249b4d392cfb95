#include "autoattendant/ui/AutoAttenPage.h"

#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/HelpTopics.h"
#include "document/MessageSink.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>

namespace kiv {

namespace t = autoatt::texts;

namespace {

QString RowCaption(int row) {
    return row == kTimeoutKey ? ToQString(t::kTimeoutRow) : QString::number(row);
}

} // namespace

CAutoAttenPage::CAutoAttenPage(autoatt::CAutoAttenEdit& edit, QWidget* parent)
    : CPropertyPage(ToQString(t::kProgramTab), parent), edit_(edit) {
    SetHelpTopic("programmazione_pagine");

    pageNumber_ = new QLineEdit(this);
    pageNumber_->setObjectName("pageNumber");
    pageNumber_->setMaxLength(2);
    pageNumber_->setValidator(
        new QRegularExpressionValidator(QRegularExpression("[0-9]{0,2}"), pageNumber_));
    pageNumber_->setFixedWidth(pageNumber_->fontMetrics().horizontalAdvance("000") + 12);
    auto* pageLabel = new QLabel(ToQString(t::kPageNumber), this);
    pageLabel->setBuddy(pageNumber_);
    previous_ = new QPushButton(ToQString(t::kPrevious), this);
    previous_->setObjectName("previousPage");
    next_ = new QPushButton(ToQString(t::kNext), this);
    next_->setObjectName("nextPage");
    for (QPushButton* b : {previous_, next_}) {
        b->setAccessibleName(b->text());
        b->setAutoDefault(false);
    }
    description_ = new QLabel(this);
    description_->setObjectName("pageDescription");
    description_->setMinimumWidth(description_->fontMetrics().horizontalAdvance(
        QStringLiteral("Mancata Risposta senza Casella - Seconda Lingua")));

    auto* top = new QHBoxLayout;
    top->addWidget(pageLabel);
    top->addWidget(pageNumber_);
    top->addWidget(previous_);
    top->addWidget(next_);
    top->addSpacing(12);
    top->addWidget(description_, 1);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ToQString(t::kKeyHead), this), 0, 0);
    grid->addWidget(new QLabel(ToQString(t::kOperationHead), this), 0, 1);
    grid->addWidget(new QLabel(ToQString(t::kDestinationHead), this), 0, 2);
    for (int r = 0; r < kPageKeys; ++r) {
        auto* key = new QLabel(RowCaption(r), this);
        auto* combo = new QComboBox(this);
        combo->setObjectName(QString("operation%1").arg(r));
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        auto* dest = new QLineEdit(this);
        dest->setObjectName(QString("destination%1").arg(r));
        LimitTyping(dest, 4);
        dest->setFixedWidth(dest->fontMetrics().horizontalAdvance("00000") + 12);
        ops_[static_cast<std::size_t>(r)] = combo;
        dests_[static_cast<std::size_t>(r)] = dest;
        grid->addWidget(key, r + 1, 0);
        grid->addWidget(combo, r + 1, 1);
        grid->addWidget(dest, r + 1, 2);
        connect(combo, &QComboBox::activated, this, [this, r](int i) { OnOperationChosen(r, i); });
        connect(dest, &QLineEdit::textEdited, this,
                [this, r](const QString& text) { edit_.SetDestination(r, FieldText(text)); });
        SetControlHelp(combo, autoatt::help::kPageOperation);
        SetControlHelp(dest, autoatt::help::kPageDestination);
    }
    grid->setColumnStretch(3, 1);

    timeout_ = new CSpinEdit(autoatt::kPageTimeoutRule, 1, this);
    timeout_->setObjectName("pageTimeout");
    timeout_->SetDigitsOnly(true);
    auto* timeoutLabel = new QLabel(ToQString(t::kTimeoutField), this);
    timeoutLabel->setBuddy(timeout_);
    SetControlHelp(timeout_, autoatt::help::kPageTimeout);
    connect(timeout_, &CSpinEdit::TextChanged, this, [this](const QString& text) {
        if (!drawing_) edit_.SetTimeoutText(FieldText(text));
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(timeoutLabel);
    bottom->addWidget(timeout_);
    bottom->addWidget(new QLabel(ToQString(t::kSeconds), this));
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addLayout(bottom);
    layout->addStretch(1);

    for (QWidget* w : {static_cast<QWidget*>(pageNumber_), static_cast<QWidget*>(previous_),
                       static_cast<QWidget*>(next_)})
        SetControlHelp(w, autoatt::help::kPageNumber);
    connect(pageNumber_, &QLineEdit::textEdited, this, &CAutoAttenPage::OnPageNumberEdited);
    connect(pageNumber_, &QLineEdit::editingFinished, this, &CAutoAttenPage::OnPageNumberLeft);
    connect(previous_, &QPushButton::clicked, this, [this] {
        if (!Refused(edit_.Previous())) Redraw();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        if (!Refused(edit_.Next())) Redraw();
    });
    Redraw();
}

void CAutoAttenPage::Redraw() {
    drawing_ = true;
    const QString number = ToQString(edit_.pageNumberText);
    if (pageNumber_->text() != number) pageNumber_->setText(number);
    description_->setText(ToQString(edit_.description));
    // While the number names no page, nothing on the form belongs to one.
    const bool onPage = edit_.PageNumberValid();
    const QString page =
        ToQString(t::kPageWord) + " " + ToQString(autoatt::PageNumberText(edit_.CurrentPage()));
    for (int r = 0; r < kPageKeys; ++r) {
        const auto& row = edit_.rows[static_cast<std::size_t>(r)];
        QComboBox* combo = ops_[static_cast<std::size_t>(r)];
        QLineEdit* dest = dests_[static_cast<std::size_t>(r)];
        combo->clear();
        for (const std::string& label : edit_.RowLabels(r))
            combo->addItem(ToQString(label));
        const auto at = std::find(row.offered.begin(), row.offered.end(), row.chosen);
        combo->setCurrentIndex(row.isOperator || at == row.offered.end()
                                   ? 0
                                   : static_cast<int>(at - row.offered.begin()));
        combo->setEnabled(onPage && !row.isOperator);
        dest->setText(ToQString(row.destination));
        dest->setEnabled(onPage && !row.isOperator && row.destinationEnabled);
        const QString key = r == kTimeoutKey ? ToQString(t::kTimeoutRow)
                                             : ToQString(t::kKeyHead) + " " + QString::number(r);
        combo->setAccessibleName(page + " " + key + " " + ToQString(t::kOperationHead));
        dest->setAccessibleName(page + " " + key + " " + ToQString(t::kDestinationHead));
    }
    timeout_->SetText(ToQString(edit_.timeoutText));
    timeout_->setEnabled(onPage);
    drawing_ = false;
}

bool CAutoAttenPage::Refused(const autoatt::PageCheck& check) {
    if (!check) return false;
    Redraw();
    const autoatt::PageFieldRef& ref = check->field;
    QWidget* field = pageNumber_;
    if (ref.kind == autoatt::PageFieldRef::Destination) field = dests_.at(ref.row);
    if (ref.kind == autoatt::PageFieldRef::Timeout) field = timeout_;
    const MsgIcon icon = ref.exclamation ? MsgIcon::Warning : MsgIcon::None;
    refusing_ = true;
    if (ref.focus) FocusAndSelectAll(field);
    Sink().Show(check->message, icon);
    // The message box took the focus; give it back to the field.
    if (ref.focus) FocusAndSelectAll(field);
    refusing_ = false;
    return true;
}

void CAutoAttenPage::OnPageNumberEdited(const QString& text) {
    if (drawing_) return;
    if (!Refused(edit_.OnPageNumberChanged(FieldText(text)))) Redraw();
}

void CAutoAttenPage::OnPageNumberLeft() {
    // A two-character text was switched on (or refused) as it was typed; only
    // a short one is padded and switched here, so that one mistake gives one
    // message.
    if (drawing_ || refusing_ || pageNumber_->text().size() >= 2) return;
    if (!Refused(edit_.OnPageNumberLeft())) Redraw();
}

void CAutoAttenPage::OnOperationChosen(int row, int index) {
    const auto& form = edit_.rows.at(static_cast<std::size_t>(row));
    if (index < 0 || index >= static_cast<int>(form.offered.size())) return;
    edit_.ChooseOp(row, form.offered[static_cast<std::size_t>(index)]);
    QLineEdit* dest = dests_.at(static_cast<std::size_t>(row));
    dest->setText(ToQString(form.destination));
    dest->setEnabled(form.destinationEnabled);
}

bool CAutoAttenPage::eventFilter(QObject* watched, QEvent* event) {
    // Operation lists, destinations and the time-out take the focus only while
    // the page-number field holds a page.
    const bool pageControl = watched == pageNumber_ || watched == previous_ || watched == next_;
    if (event->type() == QEvent::FocusIn && !pageControl && !refusing_ &&
        !edit_.PageNumberValid()) {
        FocusAndSelectAll(pageNumber_);
        return true;
    }
    return CPropertyPage::eventFilter(watched, event);
}

bool CAutoAttenPage::OnKillActive() {
    if (Refused(edit_.LeaveCheck())) return false;
    Redraw();
    return true;
}

} // namespace kiv
