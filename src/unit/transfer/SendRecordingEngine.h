#pragma once
// "Spedizione Registrazioni" without its dialog: the password step, then for
// each page that has a file name, in index order, the page's recording file
// sent to the unit ("$$J", the page index, the block count adapted to the
// unit's block size, the descriptor, then acknowledged chunks). The first
// page that fails ends the run; the pages sent before it stay in the unit.
//
// Run blocks while bytes move (the dialog runs it on a worker thread).

#include "document/MessageSink.h"
#include "unit/link/LinkContext.h"
#include "unit/link/PasswordCommand.h"
#include "unit/link/TransferEnd.h"
#include "unit/link/TransferUi.h"
#include "unit/transfer/RecordingRequest.h"

#include <cstdio>
#include <string>
#include <vector>

namespace kiv {

class CSerialLink;
class CUnitSession;

class CSendRecordingEngine {
  public:
    CSendRecordingEngine(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                         PasswordPrompt& prompt, RecordingRequest request);

    // The last password typed presets the prompt.
    std::string typedPassword;

    // The whole run. Returns the result flag: 0 success, 1 otherwise.
    int Run();
    TransferEnd End() const { return end_; }
    bool Succeeded() const { return end_ == TransferEnd::Completed; }
    // True when the run failed in a page (the dialog stays open for
    // another try); false when the password step ended it.
    bool FailedInPage() const { return failedInPage_; }
    // Pages sent completely, and the block count each was sent with.
    const std::vector<int>& PagesSent() const { return pagesSent_; }
    const std::vector<std::size_t>& BlocksSent() const { return blocksSent_; }

  private:
    TransferEnd SendAll();
    TransferEnd SendPage(CUnitSession& session, int index);
    TransferEnd SendRecording(CUnitSession& session, CSerialLink& link, int index, std::FILE* file);

    CLinkContext& context_;
    MessageSink& messages_;
    TransferUi& ui_;
    PasswordPrompt& prompt_;
    RecordingRequest request_;
    TransferEnd end_ = TransferEnd::Failed;
    bool failedInPage_ = false;
    std::vector<int> pagesSent_;
    std::vector<std::size_t> blocksSent_;
};

} // namespace kiv
