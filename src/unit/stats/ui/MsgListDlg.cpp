#include "unit/stats/ui/MsgListDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "unit/stats/Texts.h"
#include "unit/stats/ui/MsgListPanel.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CMsgListDlg::CMsgListDlg(const CQelDoc& doc, MessageSink& sink, QWidget* parent)
    : QDialog(parent), messages_(CollectMessages(doc)) {
    setObjectName("CMsgListDlg");
    setWindowTitle(ToQString(texts::msgListCaption));

    auto* heading = new QLabel(ToQString(texts::msgMailboxHeading), this);
    mailboxes_ = new QListWidget(this);
    mailboxes_->setObjectName("msgMailboxes");
    mailboxes_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    heading->setBuddy(mailboxes_);
    mailboxes_->setAccessibleName(ToQString(texts::msgMailboxHeading));
    for (int i = 0; i < doc.mboxCount && i < static_cast<int>(doc.mailboxes.size()); ++i) {
        const std::string& number = doc.mailboxes[static_cast<std::size_t>(i)].number;
        numbers_.push_back(number);
        mailboxes_->addItem(ToQString(number));
    }
    mailboxes_->setMaximumWidth(mailboxes_->fontMetrics().horizontalAdvance(QString(12, '0')));
    show_ = new QPushButton(ToQString(texts::msgShow), this);
    show_->setObjectName("msgShow");
    connect(show_, &QPushButton::clicked, this, &CMsgListDlg::ShowSelected);

    panel_ = new CMsgListPanel(this);

    auto* note = new QLabel(ToQString(texts::statRefreshNote), this);
    note->setWordWrap(true);
    auto* box = new QDialogButtonBox(this);
    box->addButton(ToQString(texts::statClose), QDialogButtonBox::RejectRole);
    QPushButton* help = box->addButton("Ai&uto", QDialogButtonBox::HelpRole);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [&sink] { ShowHelp("messaggi", sink); });

    auto* left = new QVBoxLayout;
    left->addWidget(heading);
    left->addWidget(mailboxes_, 1);
    left->addWidget(show_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(panel_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(note);
    layout->addWidget(box);
    show_->setDefault(true);
}

void CMsgListDlg::ShowSelected() {
    std::vector<std::string> chosen;
    for (int row = 0; row < mailboxes_->count(); ++row)
        if (mailboxes_->item(row)->isSelected())
            chosen.push_back(numbers_[static_cast<std::size_t>(row)]);
    panel_->Show(MessagesOf(messages_, chosen));
}

} // namespace kiv
