#include "app/ShellDialogs.h"

#include "app/FolderDlg.h"
#include "app/ProductTypeDlg.h"
#include "app/Texts.h"

#include <QDir>
#include <QFileDialog>

namespace kiv {

int CShellDialogs::Exec(QDialog& dialog) {
    return dialog.exec();
}

std::optional<int> CShellDialogs::AskProductType(QWidget* parent, int current) {
    CProductTypeDlg dlg(current, sink_, parent);
    if (Exec(dlg) != QDialog::Accepted) return std::nullopt;
    return dlg.Selected();
}

namespace {

// A filter reads "caption (patterns)". Where every caption already shows its
// own patterns in the form the user is meant to read ("ScriptFiles (*.03,*.21)"),
// the dialog shows the captions alone, not the matching patterns once more.
void SetNameFilters(QFileDialog& dlg, const QString& filter) {
    bool captionsShowPatterns = true;
    for (const QString& one : filter.split(QStringLiteral(";;"))) {
        const QString trimmed = one.trimmed();
        const qsizetype open = trimmed.lastIndexOf('(');
        captionsShowPatterns = captionsShowPatterns && trimmed.endsWith(')') && open > 0 &&
                               trimmed.left(open).trimmed().endsWith(')');
    }
    dlg.setOption(QFileDialog::HideNameFilterDetails, captionsShowPatterns);
    dlg.setNameFilter(filter);
}

std::optional<QString> RunFileDialog(CShellDialogs& shell, QFileDialog& dlg) {
    if (shell.Exec(dlg) != QDialog::Accepted) return std::nullopt;
    const QStringList files = dlg.selectedFiles();
    if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
    return files.front();
}

} // namespace

std::optional<QString> CShellDialogs::OpenFileName(QWidget* parent, const QString& filter,
                                                   const QString& folder, const QString& title) {
    QFileDialog dlg(parent, title.isEmpty() ? ui::Ui(ui::kOpenDialogTitle) : title);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    // Any name is taken: a name typed without extension gets ".qel", and a
    // file that cannot be read is reported by the command.
    dlg.setFileMode(QFileDialog::AnyFile);
    SetNameFilters(dlg, filter);
    if (!folder.isEmpty() && QDir(folder).exists()) dlg.setDirectory(folder);
    return RunFileDialog(*this, dlg);
}

std::optional<QString> CShellDialogs::SaveFileName(QWidget* parent, const QString& filter,
                                                   const QString& folder, const QString& name) {
    QFileDialog dlg(parent, ui::Ui(ui::kSaveDialogTitle));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setFileMode(QFileDialog::AnyFile);
    SetNameFilters(dlg, filter);
    if (!folder.isEmpty() && QDir(folder).exists()) dlg.setDirectory(folder);
    dlg.selectFile(name);
    return RunFileDialog(*this, dlg);
}

QString CShellDialogs::Filter(const QString& caption, const QString& patterns) {
    return caption + " (" + QString(patterns).replace(';', ' ') + ")";
}

std::optional<QString> CShellDialogs::PickFolder(QWidget* parent, const FolderRequest& request) {
    CFolderDlg dlg(request.folder, request.typeName, request.suffix, request.filter, parent);
    if (Exec(dlg) != QDialog::Accepted) return std::nullopt;
    return dlg.Folder();
}

} // namespace kiv
