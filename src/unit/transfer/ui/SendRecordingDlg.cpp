#include "unit/transfer/ui/SendRecordingDlg.h"

#include "app/QtText.h"
#include "unit/transfer/Texts.h"

#include <QPushButton>

namespace kiv {

CSendRecordingDlg::CSendRecordingDlg(CLinkContext& context, MessageSink& sink,
                                     PasswordPrompt& prompt, RecordingRequest request,
                                     RecordingListOpener openList, QWidget* parent)
    : CTransferDlg(ToQString(texts::sendRecordingsCaption), "spedizione_registrazioni", sink,
                   parent),
      context_(context), appSink_(sink), messages_(sink, this), prompt_(prompt, this),
      request_(std::move(request)) {
    setObjectName("sendRecordingDlg");
    list_ = AddButton(ToQString(texts::recordingListButton), [this, openList] {
        if (!openList) return;
        if (auto files = openList(this, request_.pageFiles)) request_.pageFiles = *files;
    });
    list_->setObjectName("recordingListButton");
    SetCheck([this] {
        if (!request_.Empty()) return true;
        appSink_.Show(texts::pageListEmpty);
        return false;
    });
    SetJob([this] {
        engine_.emplace(context_, messages_, Ui(), prompt_, request_);
        engine_->typedPassword = typed_;
        engine_->Run();
        typed_ = engine_->typedPassword;
    });
    SetStayOpen([this] { return engine_ && engine_->FailedInPage(); });
}

} // namespace kiv
