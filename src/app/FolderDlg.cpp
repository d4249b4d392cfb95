#include "app/FolderDlg.h"

#include "app/Texts.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kiv {

CFolderDlg::CFolderDlg(const QString& folder, const QString& fileName, const QString& suffix,
                       const QString& filter, QWidget* parent)
    : QFileDialog(parent) {
    setObjectName("folderDlg");
    // The extra field needs Qt's own dialog rather than the platform's.
    setOption(QFileDialog::DontUseNativeDialog);
    setWindowTitle(ui::Ui(ui::kFolderDlgTitle));
    setAcceptMode(QFileDialog::AcceptOpen);
    // The name is only a placeholder: any name (even one that does not
    // exist) accepts the folder.
    setFileMode(QFileDialog::AnyFile);
    setNameFilter(filter);
    if (suffix != "*.*") setDefaultSuffix(suffix);
    if (!folder.isEmpty() && QDir(folder).exists()) setDirectory(folder);
    selectFile(fileName);

    folderField_ = new QLineEdit(this);
    folderField_->setObjectName("folderName");
    folderField_->setReadOnly(true);
    auto* label = new QLabel(ui::Ui(ui::kFolderName), this);
    label->setBuddy(folderField_);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(folderField_, row, 1, 1, grid->columnCount() - 1);
    }
    folderField_->setText(QDir::toNativeSeparators(directory().absolutePath()));
    connect(this, &QFileDialog::directoryEntered, this, [this](const QString& dir) {
        folderField_->setText(QDir::toNativeSeparators(QDir(dir).absolutePath()));
    });
}

QString CFolderDlg::Folder() const {
    return QDir::toNativeSeparators(directory().absolutePath());
}

} // namespace kiv
