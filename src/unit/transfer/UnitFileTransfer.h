#pragma once
// What the whole-unit transfers ("Salvataggio", "Ripristina",
// "Inizializzazione Sistema") share: the typed file name and the folder it is
// taken in, the document's time-out and product type, how the transfer ended,
// and the units sent one by one from a file with their acknowledgements.
//
// Run blocks while bytes move; a dialog runs it on a worker thread.

#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "unit/link/LinkContext.h"
#include "unit/link/TransferEnd.h"
#include "unit/link/TransferUi.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace kiv {

class CSerialLink;
class CUnitSession;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The plain file at path opened for reading; null for anything else (a
// folder, a device or a pipe, which could block a transfer or never end).
File OpenForReading(const std::string& path);

class CUnitFileTransfer {
  public:
    // typedName: the file name field as typed; currentDir: where a name
    // without a folder is taken.
    CUnitFileTransfer(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                      const CQelDoc& doc, std::string typedName, std::string currentDir);
    virtual ~CUnitFileTransfer() = default;
    CUnitFileTransfer(const CUnitFileTransfer&) = delete;
    CUnitFileTransfer& operator=(const CUnitFileTransfer&) = delete;

    // The whole transfer. Returns the result flag: 0 success, 1 failure.
    int Run();

    TransferEnd End() const { return end_; }
    bool Succeeded() const { return end_ == TransferEnd::Completed; }
    // The file's path as formed from the typed name (empty before Run or for
    // an empty name).
    const std::string& Path() const { return path_; }

  protected:
    virtual TransferEnd Transfer() = 0;

    // Forms the path with the extension; "Errore inserimento" for an empty name.
    bool FormPath(const char* extension);
    // Sends blocks x unitsPerBlock units of unitSize bytes read from file, each
    // with its checksum and resent until acknowledged; "Block %i of %d blocks"
    // at the start of each block.
    bool SendUnits(CUnitSession& session, CSerialLink& link, std::FILE* file, unsigned blocks,
                   unsigned unitsPerBlock, unsigned unitSize);
    // Sends pages of 256 bytes read from file, each acknowledged in the same way.
    bool SendPages(CUnitSession& session, CSerialLink& link, std::FILE* file, unsigned pages);
    void ShowProgressText(const char* format, unsigned at, unsigned of);

    CLinkContext& context_;
    MessageSink& messages_;
    TransferUi& ui_;
    int timeout_;
    int productType_;
    std::string identVersion_, identMaker_, identDate_;
    std::string typed_, currentDir_, path_;
    TransferEnd end_ = TransferEnd::Failed;
};

// Bytes left in file from where it stands.
std::uint64_t BytesLeft(std::FILE* file);

} // namespace kiv
