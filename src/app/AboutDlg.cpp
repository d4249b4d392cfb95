#include "app/AboutDlg.h"

#include "app/Icons.h"
#include "app/Texts.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kiv {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ui::Ui(ui::kAbout).remove('&'));
    setObjectName("aboutDlg");
    auto* icon = new QLabel(this);
    icon->setPixmap(AppIcon().pixmap(32, 32));
    auto* text = new QLabel(ui::Ui(ui::kAboutVersion), this);
    text->setObjectName("aboutVersion");
    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(ui::Ui(ui::kSheetOk), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(icon);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(box);
}

} // namespace kiv
