#include "autoattendant/ui/DescriptionDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "app/TypingLimit.h"
#include "autoattendant/Texts.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace kiv {

namespace t = autoatt::texts;

CDescriptionDlg::CDescriptionDlg(const QString& text, MessageSink& sink, QWidget* parent)
    : QDialog(parent), sink_(sink) {
    setObjectName("descriptionDlg");
    setWindowTitle(ToQString(t::kDescriptionTitle));
    field_ = new QLineEdit(text, this);
    field_->setObjectName("description");
    LimitTyping(field_, 40);
    field_->setMinimumWidth(field_->fontMetrics().horizontalAdvance(QString(41, 'M')) / 2);
    auto* label = new QLabel(ToQString(t::kDescriptionName), this);
    label->setBuddy(field_);

    auto* ok = new QPushButton(ToQString(t::kOk), this);
    auto* cancel = new QPushButton(ToQString(t::kCancel), this);
    auto* help = new QPushButton(ToQString(t::kHelp), this);
    ok->setObjectName("ok");
    cancel->setObjectName("cancel");
    help->setObjectName("help");
    for (QPushButton* b : {ok, cancel, help})
        b->setAccessibleName(b->text().remove('&'));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &CDescriptionDlg::ShowHelp);
    // F1 anywhere in the dialog, and the field's context menu, open the same
    // topic as the help button: the dialog has one field.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &CDescriptionDlg::ShowHelp);
    field_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(field_, &QLineEdit::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = CreateContextMenu();
        menu->exec(field_->mapToGlobal(at));
        delete menu;
    });

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(field_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

QMenu* CDescriptionDlg::CreateContextMenu() {
    return CreateHelpContextMenu(field_, [this] { ShowHelp(); });
}

void CDescriptionDlg::ShowHelp() {
    kiv::ShowHelp("descrizione", sink_);
}

QString CDescriptionDlg::Text() const {
    return field_->text();
}

} // namespace kiv
