#pragma once
// "Lettura Registrazioni" without its dialog: for each page that has a file
// name, in index order, identify the unit, ask it for the page's recording
// ("$$I", the page index) and write the page recording file. The first page
// that fails ends the run and keeps its file as it was; the files already
// written stay. The run ends with the attention byte and "$$X" either way.
//
// Run blocks while bytes move (the dialog runs it on a worker thread).

#include "document/MessageSink.h"
#include "unit/link/LinkContext.h"
#include "unit/link/TransferEnd.h"
#include "unit/link/TransferUi.h"
#include "unit/transfer/RecordingRequest.h"

#include <cstdio>
#include <vector>

namespace kiv {

class CSerialLink;
class CUnitSession;

class CReadRecordingEngine {
  public:
    CReadRecordingEngine(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                         RecordingRequest request);

    // The whole run. Returns the result flag: 0 success, 1 otherwise.
    int Run();
    TransferEnd End() const { return end_; }
    bool Succeeded() const { return end_ == TransferEnd::Completed; }
    // Pages read completely, in the order read.
    const std::vector<int>& PagesRead() const { return pagesRead_; }

  private:
    TransferEnd ReadAll();
    TransferEnd ReadPage(CUnitSession& session, int index);
    TransferEnd ReadRecording(CUnitSession& session, CSerialLink& link, int index, std::FILE* file);
    void EndExchange(CUnitSession& session);

    CLinkContext& context_;
    MessageSink& messages_;
    TransferUi& ui_;
    RecordingRequest request_;
    TransferEnd end_ = TransferEnd::Failed;
    std::vector<int> pagesRead_;
};

} // namespace kiv
