#pragma once
// "Salvataggio": the whole-unit transfer window over CBackupEngine.

#include "unit/link/LinkContext.h"
#include "unit/transfer/ui/UnitFileDlg.h"

namespace kiv {

class CBackupDlg : public CUnitFileDlg {
    Q_OBJECT
  public:
    CBackupDlg(CLinkContext& context, CQelDoc& doc, MessageSink& sink, CShellDialogs& dialogs,
               QWidget* parent = nullptr);
};

} // namespace kiv
