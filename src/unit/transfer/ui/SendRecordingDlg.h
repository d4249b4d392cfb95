#pragma once
// "Spedizione Registrazioni": the transfer window over CSendRecordingEngine,
// with the password prompt and "Lista delle Registrazioni..." to choose the
// files to send. An empty list is refused before the password is asked; a
// run that fails in a page leaves the window open for another try, while
// the password step (Cancel, a refused unit) ends it.

#include "unit/link/LinkContext.h"
#include "unit/link/ui/GuiThreadSink.h"
#include "unit/link/ui/TransferDlg.h"
#include "unit/transfer/SendRecordingEngine.h"
#include "unit/transfer/ui/ReadRecordingDlg.h"

#include <optional>

namespace kiv {

class CSendRecordingDlg : public CTransferDlg {
    Q_OBJECT
  public:
    CSendRecordingDlg(CLinkContext& context, MessageSink& sink, PasswordPrompt& prompt,
                      RecordingRequest request, RecordingListOpener openList,
                      QWidget* parent = nullptr);

    const RecordingRequest& Request() const { return request_; }
    QPushButton* ListButton() const { return list_; }
    const CSendRecordingEngine* Engine() const { return engine_ ? &*engine_ : nullptr; }

  private:
    CLinkContext& context_;
    MessageSink& appSink_;
    CGuiThreadSink messages_;
    CGuiThreadPrompt prompt_;
    RecordingRequest request_;
    std::string typed_;
    std::optional<CSendRecordingEngine> engine_;
    QPushButton* list_;
};

} // namespace kiv
