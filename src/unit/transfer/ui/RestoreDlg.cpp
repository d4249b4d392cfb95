#include "unit/transfer/ui/RestoreDlg.h"

#include "document/QelDoc.h"
#include "unit/transfer/RestoreEngine.h"
#include "unit/transfer/Texts.h"

namespace kiv {

namespace {

const CUnitFileDlg::Kind kKind{
    texts::restoreCaption,    "ripristina", texts::waxFilter, "*.wax", 3, false,
    &CQelDoc::lastRestoreFile};

} // namespace

CRestoreDlg::CRestoreDlg(CLinkContext& context, CQelDoc& doc, MessageSink& sink,
                         CShellDialogs& dialogs, QWidget* parent)
    : CUnitFileDlg(
          kKind, doc, sink, dialogs,
          [&context, &doc](MessageSink& messages, ::kiv::TransferUi& ui, const std::string& typed,
                           const std::string& dir) {
              return std::make_unique<CRestoreEngine>(context, messages, ui, doc, typed, dir);
          },
          parent) {
    setObjectName("restoreDlg");
}

} // namespace kiv
