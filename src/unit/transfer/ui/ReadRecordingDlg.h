#pragma once
// "Lettura Registrazioni": the transfer window over CReadRecordingEngine,
// with "Lista delle Registrazioni..." to choose the files the pages are read
// into. An empty list is refused before anything starts; a failed run leaves
// the window open for another try.

#include "unit/link/LinkContext.h"
#include "unit/link/ui/GuiThreadSink.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/transfer/ReadRecordingEngine.h"
#include "unit/transfer/RecordingRequest.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace kiv {

// Opens the recording list on the given names; the names after its OK.
using RecordingListOpener = std::function<std::optional<std::array<std::string, 39>>(
    QWidget* parent, const std::array<std::string, 39>& pageFiles)>;

class CReadRecordingDlg : public CTransferDlg {
    Q_OBJECT
  public:
    CReadRecordingDlg(CLinkContext& context, MessageSink& sink, RecordingRequest request,
                      RecordingListOpener openList, QWidget* parent = nullptr);

    const RecordingRequest& Request() const { return request_; }
    QPushButton* ListButton() const { return list_; }
    // The last run's engine (nothing before the first).
    const CReadRecordingEngine* Engine() const { return engine_ ? &*engine_ : nullptr; }

  private:
    CLinkContext& context_;
    MessageSink& appSink_;
    CGuiThreadSink messages_;
    RecordingRequest request_;
    std::optional<CReadRecordingEngine> engine_;
    QPushButton* list_;
};

} // namespace kiv
