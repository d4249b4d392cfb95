#include "unit/transfer/ui/SysInitDlg.h"

#include "document/QelDoc.h"
#include "unit/transfer/SysInitEngine.h"
#include "unit/transfer/Texts.h"

namespace kiv {

namespace {

const CUnitFileDlg::Kind kKind{texts::sysInitCaption,
                               "inizializzazione_sistema",
                               texts::voxFilter,
                               "*.vox",
                               2,
                               false,
                               nullptr};

} // namespace

CSysInitDlg::CSysInitDlg(CLinkContext& context, CQelDoc& doc, MessageSink& sink,
                         CShellDialogs& dialogs, QWidget* parent)
    : CUnitFileDlg(
          kKind, doc, sink, dialogs,
          [&context, &doc](MessageSink& messages, ::kiv::TransferUi& ui, const std::string& typed,
                           const std::string& dir) {
              return std::make_unique<CSysInitEngine>(context, messages, ui, doc, typed, dir);
          },
          parent) {
    setObjectName("sysInitDlg");
}

} // namespace kiv
