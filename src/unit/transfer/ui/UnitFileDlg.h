#pragma once
// The window of a whole-unit transfer ("Salvataggio", "Ripristina",
// "Inizializzazione Sistema"): the transfer window with a file name row whose
// "&Sfoglia..." opens the file chooser in the configuration's folder for the
// kind of file. OK refuses an empty name ("Errore inserimento") before
// anything starts, then runs the transfer's engine over the typed name; after
// a failure the window stays, the name selected, for another try.

#include "unit/link/ui/GuiThreadSink.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/transfer/UnitFileTransfer.h"

#include <functional>
#include <memory>
#include <string>

namespace kiv {

class CShellDialogs;
class CQelDoc;

class CUnitFileDlg : public CTransferDlg {
    Q_OBJECT
  public:
    // What tells the three windows apart.
    struct Kind {
        const char* caption;
        const char* helpTopic;
        const char* filterCaption;      // "Files WAX (wax)"
        const char* pattern;            // "*.wax"
        std::size_t folder;             // index in fileLocation
        bool saving;                    // the chooser names a file to write
        std::string CQelDoc::*lastFile; // preset and kept; may be null
    };
    using EngineFactory = std::function<std::unique_ptr<CUnitFileTransfer>(
        MessageSink& messages, ::kiv::TransferUi& ui, const std::string& typed,
        const std::string& dir)>;

    CUnitFileDlg(const Kind& kind, CQelDoc& doc, MessageSink& sink, CShellDialogs& dialogs,
                 EngineFactory factory, QWidget* parent = nullptr);

    // The engine of the last run, if any.
    const CUnitFileTransfer* Engine() const { return engine_.get(); }

  private:
    Kind kind_;
    CQelDoc& doc_;
    CGuiThreadSink messages_;
    EngineFactory factory_;
    std::string typed_;
    std::unique_ptr<CUnitFileTransfer> engine_;
};

} // namespace kiv
