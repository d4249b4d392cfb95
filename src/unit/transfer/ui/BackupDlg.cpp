#include "unit/transfer/ui/BackupDlg.h"

#include "document/QelDoc.h"
#include "unit/transfer/BackupEngine.h"
#include "unit/transfer/Texts.h"

namespace kiv {

namespace {

const CUnitFileDlg::Kind kKind{
    texts::backupCaption,    "salvataggio", texts::waxFilter, "*.wax", 3, true,
    &CQelDoc::lastBackupFile};

} // namespace

CBackupDlg::CBackupDlg(CLinkContext& context, CQelDoc& doc, MessageSink& sink,
                       CShellDialogs& dialogs, QWidget* parent)
    : CUnitFileDlg(
          kKind, doc, sink, dialogs,
          [&context, &doc](MessageSink& messages, ::kiv::TransferUi& ui, const std::string& typed,
                           const std::string& dir) {
              return std::make_unique<CBackupEngine>(context, messages, ui, doc, typed, dir);
          },
          parent) {
    setObjectName("backupDlg");
}

} // namespace kiv
