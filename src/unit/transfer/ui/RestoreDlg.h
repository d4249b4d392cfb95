#pragma once
// "Ripristina": the whole-unit transfer window over CRestoreEngine.

#include "unit/link/LinkContext.h"
#include "unit/transfer/ui/UnitFileDlg.h"

namespace kiv {

class CRestoreDlg : public CUnitFileDlg {
    Q_OBJECT
  public:
    CRestoreDlg(CLinkContext& context, CQelDoc& doc, MessageSink& sink, CShellDialogs& dialogs,
                QWidget* parent = nullptr);
};

} // namespace kiv
