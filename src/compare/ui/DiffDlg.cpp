#include "compare/ui/DiffDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "compare/Texts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kiv {

CDiffDlg::CDiffDlg(std::vector<ConfigDifference> differences, QWidget* parent)
    : QDialog(parent), differences_(std::move(differences)) {
    setObjectName("CDiffDlg");
    setWindowTitle(ToQString(texts::compareCaption));
    InstallHelpKey(this, "confronta_unita");

    filter_ = new QLineEdit(this);
    filter_->setObjectName("diffFilter");
    filter_->setClearButtonEnabled(true);
    auto* filterLabel = new QLabel(ToQString(texts::compareFilter), this);
    filterLabel->setBuddy(filter_);

    list_ = new QTreeWidget(this);
    list_->setObjectName("diffList");
    list_->setAccessibleName(ToQString(texts::compareCaption));
    list_->setColumnCount(3);
    list_->setHeaderLabels({ToQString(texts::compareField), ToQString(texts::compareConfiguration),
                            ToQString(texts::compareUnit)});
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Groups in the sheets' order until the user sorts by a column.
    QTreeWidgetItem* group = nullptr;
    std::string sheet;
    for (const ConfigDifference& d : differences_) {
        if (!group || d.sheet != sheet) {
            sheet = d.sheet;
            group = new QTreeWidgetItem(list_, {ToQString(d.sheet)});
            group->setFirstColumnSpanned(true);
            QFont bold = group->font(0);
            bold.setBold(true);
            group->setFont(0, bold);
        }
        new QTreeWidgetItem(group, {ToQString(d.caption), ToQString(d.first), ToQString(d.second)});
    }
    list_->expandAll();
    // No sort column at first: the sheets keep their order until a header is clicked.
    list_->header()->setSortIndicator(-1, Qt::AscendingOrder);
    list_->setSortingEnabled(true);
    list_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list_->header()->setMinimumSectionSize(120);
    list_->header()->resizeSection(1, 160);

    none_ = new QLabel(ToQString(texts::compareNone), this);
    none_->setObjectName("diffNone");
    none_->setAlignment(Qt::AlignCenter);
    const bool empty = differences_.empty();
    none_->setVisible(empty);
    list_->setVisible(!empty);
    filter_->setEnabled(!empty);

    auto* scope = new QLabel(ToQString(texts::compareScopeUnit), this);
    scope->setObjectName("diffScope");
    scope->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    send_ = buttons->addButton(ToQString(texts::compareSend), QDialogButtonBox::AcceptRole);
    send_->setObjectName("diffSend");
    QPushButton* close =
        buttons->addButton(ToQString(texts::compareClose), QDialogButtonBox::RejectRole);
    close->setObjectName("diffClose");
    // A send changes the unit: it takes a deliberate click, never Enter.
    send_->setAutoDefault(false);
    close->setDefault(true);
    connect(send_, &QPushButton::clicked, this, [this] {
        sendChosen_ = true;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(filter_, &QLineEdit::textChanged, this, &CDiffDlg::ApplyFilter);

    auto* top = new QHBoxLayout;
    top->addWidget(filterLabel);
    top->addWidget(filter_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scope);
    layout->addLayout(top);
    layout->addWidget(list_, 1);
    layout->addWidget(none_, 1);
    layout->addWidget(buttons);
    resize(760, 480);
}

void CDiffDlg::ApplyFilter(const QString& text) {
    for (int g = 0; g < list_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = list_->topLevelItem(g);
        const bool groupMatches = group->text(0).contains(text, Qt::CaseInsensitive);
        int shown = 0;
        for (int r = 0; r < group->childCount(); ++r) {
            QTreeWidgetItem* row = group->child(r);
            bool match = groupMatches;
            for (int c = 0; c < 3 && !match; ++c)
                match = row->text(c).contains(text, Qt::CaseInsensitive);
            row->setHidden(!match);
            shown += match;
        }
        group->setHidden(shown == 0);
    }
}

int CDiffDlg::VisibleRows() const {
    int shown = 0;
    for (int g = 0; g < list_->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = list_->topLevelItem(g);
        if (group->isHidden()) continue;
        for (int r = 0; r < group->childCount(); ++r)
            shown += !group->child(r)->isHidden();
    }
    return shown;
}

} // namespace kiv
