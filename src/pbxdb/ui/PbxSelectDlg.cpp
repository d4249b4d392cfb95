#include "pbxdb/ui/PbxSelectDlg.h"

#include "app/Help.h"
#include "app/QtText.h"
#include "app/Texts.h"
#include "pbxdb/Texts.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CPbxSelectDlg::CPbxSelectDlg(CPbxIndex index, MessageSink& sink, QWidget* parent)
    : QDialog(parent), index_(std::move(index)), sink_(sink) {
    setWindowTitle(ToQString(texts::kPbxSelectTitle));
    setObjectName("pbxSelectDlg");

    // The list is filled in its own order (the core's sort) rather than by
    // the widget's, so what the user sees is what the tests check.
    list_ = new QListWidget(this);
    list_->setObjectName("pbxList");
    list_->setAccessibleName(ToQString(texts::kPbxSelectTitle));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const std::string& text : index_.SortedTexts())
        list_->addItem(QString::fromStdString(text));
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnOk(); });

    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(ui::Ui(ui::kOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName("okButton");
    QPushButton* cancel = box->addButton(ui::Ui(ui::kCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName("cancelButton");
    box->addButton(ui::Ui(ui::kHelp), QDialogButtonBox::HelpRole);
    ok->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &CPbxSelectDlg::OnOk);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::helpRequested, this,
            [this] { ShowHelp("selezione_pbx", sink_); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(box);
    resize(360, 280);
}

void CPbxSelectDlg::OnOk() {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (selected.isEmpty()) {
        choice_.reset();
        reject();
        return;
    }
    choice_ = index_.Choose(selected.front()->text().toStdString());
    accept();
}

} // namespace kiv
