#include "editors/ui/GroupMboxPage.h"

#include "app/QtText.h"
#include "document/MessageSink.h"
#include "editors/Texts.h"
#include "editors/ui/FieldText.h"
#include "editors/ui/SpinEdit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CGroupMboxPage::CGroupMboxPage(const CQelDoc& doc, QWidget* parent)
    : CPropertyPage(ToQString(editors::texts::kGroupTab), parent), edit_(doc) {
    namespace t = editors::texts;
    SetHelpTopic("gruppo_caselle");

    auto* columns = new QHBoxLayout;
    for (int c = 0; c < editors::kGroupColumns; ++c) {
        const auto i = static_cast<std::size_t>(c);
        auto* box = new QGroupBox(this);
        box->setObjectName(QString("group%1").arg(c));
        auto* list = new QListWidget(box);
        list->setObjectName(QString("groupList%1").arg(c));
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(10, '0')));
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(list, 1);
        if (c < editors::kEditableGroups) {
            adds_[i] = new QPushButton(ToQString(t::kGroupAdd), box);
            removes_[i] = new QPushButton(ToQString(t::kGroupRemove), box);
            adds_[i]->setObjectName(QString("groupAdd%1").arg(c));
            removes_[i]->setObjectName(QString("groupRemove%1").arg(c));
            boxLayout->addWidget(adds_[i]);
            boxLayout->addWidget(removes_[i]);
            connect(adds_[i], &QPushButton::clicked, this, [this, c] { AddTo(c); });
            connect(removes_[i], &QPushButton::clicked, this, [this, c] { RemoveFrom(c); });
        } else {
            // Level with the lists above the buttons of the other columns.
            boxLayout->addSpacing(2 * (boxLayout->spacing() + adds_[0]->sizeHint().height()));
        }
        boxes_[i] = box;
        lists_[i] = list;
        columns->addWidget(box);
        Fill(c);
    }

    firstDigit_ = new CSpinEdit(0, 9, 1, this);
    firstDigit_->setObjectName("groupFirstDigit");
    firstDigit_->SetText(ToQString(edit_.firstDigit));
    auto* digitLabel = new QLabel(ToQString(t::kGroupFirstDigit), this);
    digitLabel->setBuddy(firstDigit_);
    connect(firstDigit_, &CSpinEdit::TextChanged, this, [this](const QString& text) {
        edit_.firstDigit = FieldText(text);
        Recaption();
    });

    auto* digitRow = new QHBoxLayout;
    digitRow->addWidget(digitLabel);
    digitRow->addWidget(firstDigit_);
    digitRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(digitRow);
    Recaption();
}

void CGroupMboxPage::Fill(int column) {
    QListWidget* list = List(column);
    list->clear();
    const auto& numbers =
        column < editors::kEditableGroups ? edit_.Members(column) : edit_.AllMailboxes();
    for (const std::string& number : numbers)
        list->addItem(ToQString(number));
}

void CGroupMboxPage::Recaption() {
    for (int c = 0; c < editors::kGroupColumns; ++c) {
        const QString caption = ToQString(edit_.Caption(c));
        Column(c)->setTitle(caption);
        List(c)->setAccessibleName(caption);
        if (c < editors::kEditableGroups) {
            adds_[static_cast<std::size_t>(c)]->setAccessibleDescription(caption);
            removes_[static_cast<std::size_t>(c)]->setAccessibleDescription(caption);
        }
    }
}

namespace {

std::vector<std::string> SelectedNumbers(const QListWidget& list) {
    std::vector<std::string> numbers;
    for (int row = 0; row < list.count(); ++row)
        if (list.item(row)->isSelected()) numbers.push_back(FieldText(list.item(row)->text()));
    return numbers;
}

} // namespace

void CGroupMboxPage::AddTo(int group) {
    const std::vector<std::string> selected = SelectedNumbers(*List(editors::kEditableGroups));
    if (const std::string refused = edit_.Add(group, selected); !refused.empty()) {
        Sink().Show(refused, MsgIcon::Warning);
        return;
    }
    Fill(group);
    Fill(editors::kEditableGroups);
}

void CGroupMboxPage::RemoveFrom(int group) {
    edit_.Remove(group, SelectedNumbers(*List(group)));
    Fill(group);
}

bool CGroupMboxPage::OnKillActive() {
    const auto failed = edit_.Check();
    if (!failed) return true;
    return FailField(firstDigit_, ToQString(failed->message));
}

} // namespace kiv
