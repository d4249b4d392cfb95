#pragma once
// The dialogs the shell's commands run, behind one interface so that tests
// (and later an automation layer) can answer them in advance: the product
// type choice, the open and save file dialogs, the folder picker, and every
// other modal dialog through Exec.

#include <QString>
#include <optional>

class QDialog;
class QWidget;

namespace kiv {

class MessageSink;

struct FolderRequest {
    QString typeName; // preset file name: the row's type ("Files KIV")
    QString suffix;   // default extension ("qel", or "*.*")
    QString filter;   // the single name filter ("*.qel", "*.*")
    QString folder;   // folder displayed first
};

class CShellDialogs {
  public:
    explicit CShellDialogs(MessageSink& sink) : sink_(sink) {}
    virtual ~CShellDialogs() = default;

    // Runs a modal dialog; returns QDialog::Accepted or Rejected.
    virtual int Exec(QDialog& dialog);

    // "Tipo Prodotto": the type chosen, or nullopt for Cancel.
    virtual std::optional<int> AskProductType(QWidget* parent, int current);

    // File dialogs; nullopt for Cancel. The answer is the name as typed
    // (the caller adds a missing extension). An empty title is the shell's
    // own ("&Apri"'s); a page names its dialog ("Selezionate il File Pagina").
    virtual std::optional<QString> OpenFileName(QWidget* parent, const QString& filter,
                                                const QString& folder, const QString& title = {});
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& filter,
                                                const QString& folder, const QString& name);

    // One filter of a file dialog from the caption the user reads and its
    // patterns separated by ';' ("Files WAX (wax)", "*.wax"): the dialog
    // matches the patterns, whatever parentheses the caption holds.
    static QString Filter(const QString& caption, const QString& patterns);

    // "Modifica Posizione Files": the folder chosen, or nullopt for Cancel.
    virtual std::optional<QString> PickFolder(QWidget* parent, const FolderRequest& request);

    MessageSink& Sink() const { return sink_; }

  private:
    MessageSink& sink_;
};

} // namespace kiv
