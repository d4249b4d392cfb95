#include "unit/stats/ui/MboxMsgListDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "unit/stats/Statistics.h"
#include "unit/stats/Texts.h"
#include "unit/stats/ui/FigureRow.h"
#include "unit/stats/ui/MsgListPanel.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CMboxMsgListDlg::CMboxMsgListDlg(const CQelDoc& doc, const std::string& mailbox, MessageSink& sink,
                                 QWidget* parent)
    : QDialog(parent) {
    setObjectName("CMboxMsgListDlg");
    setWindowTitle(ToQString(texts::mboxMsgListCaption));

    auto* top = new QWidget(this);
    auto* grid = new QGridLayout(top);
    grid->setContentsMargins(0, 0, 0, 0);
    number_ = AddFigureRow(grid, 0, texts::msgMailboxNumber, nullptr, "msgMailboxNumber");
    number_->setText(ToQString(mailbox));
    number_->setAlignment(Qt::AlignLeft);
    grid->setColumnStretch(2, 1);

    panel_ = new CMsgListPanel(this);
    const std::vector<UnitMessage> all = CollectMessages(doc);
    const std::string numbers[] = {mailbox};
    panel_->Show(MessagesOf(all, numbers));

    auto* note = new QLabel(ToQString(texts::statRefreshNote), this);
    note->setWordWrap(true);
    auto* box = new QDialogButtonBox(this);
    box->addButton(ToQString(texts::statClose), QDialogButtonBox::RejectRole)->setDefault(true);
    QPushButton* help = box->addButton("Ai&uto", QDialogButtonBox::HelpRole);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [&sink] { ShowHelp("messaggicasella", sink); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(top);
    layout->addWidget(panel_, 1);
    layout->addWidget(note);
    layout->addWidget(box);
}

} // namespace kiv
