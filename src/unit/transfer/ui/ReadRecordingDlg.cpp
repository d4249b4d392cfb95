#include "unit/transfer/ui/ReadRecordingDlg.h"

#include "app/QtText.h"
#include "unit/transfer/Texts.h"

#include <QPushButton>

namespace kiv {

CReadRecordingDlg::CReadRecordingDlg(CLinkContext& context, MessageSink& sink,
                                     RecordingRequest request, RecordingListOpener openList,
                                     QWidget* parent)
    : CTransferDlg(ToQString(texts::readRecordingsCaption), "lettura_registrazioni", sink, parent),
      context_(context), appSink_(sink), messages_(sink, this), request_(std::move(request)) {
    setObjectName("readRecordingDlg");
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
        engine_.emplace(context_, messages_, Ui(), request_);
        engine_->Run();
    });
    SetStayOpen([this] { return engine_ && !engine_->Succeeded(); });
}

} // namespace kiv
