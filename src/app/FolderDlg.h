#pragma once
// "Modifica Posizione Files": a file-open dialog used to pick a folder. An
// extra field "Nome Cartella:" always shows the folder being displayed, and
// that folder is the answer.

#include <QFileDialog>

class QLineEdit;

namespace kiv {

class CFolderDlg : public QFileDialog {
    Q_OBJECT
  public:
    // `fileName` presets the name field (the row's type name); `suffix` and
    // `filter` are the default extension and the single name filter.
    CFolderDlg(const QString& folder, const QString& fileName, const QString& suffix,
               const QString& filter, QWidget* parent = nullptr);

    // The folder displayed (the answer on OK).
    QString Folder() const;
    QLineEdit* FolderField() const { return folderField_; }

  private:
    QLineEdit* folderField_;
};

} // namespace kiv
