#pragma once
// "Ripristina": the whole-unit transfer window over CRestoreEngine.

#include "unit/LinkContext.h"
#include "unit/ui/UnitFileDlg.h"

namespace kiv {

class CRestoreDlg : public CUnitFileDlg {
    Q_OBJECT
  public:
    CRestoreDlg(CLinkContext& context, CQelDoc& doc, MessageSink& sink, CShellDialogs& dialogs,
                QWidget* parent = nullptr);
};

} // namespace kiv
