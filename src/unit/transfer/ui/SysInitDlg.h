#pragma once
// "Inizializzazione Sistema": the whole-unit transfer window over CSysInitEngine.

#include "unit/link/LinkContext.h"
#include "unit/transfer/ui/UnitFileDlg.h"

namespace kiv {

class CSysInitDlg : public CUnitFileDlg {
    Q_OBJECT
  public:
    CSysInitDlg(CLinkContext& context, CQelDoc& doc, MessageSink& sink, CShellDialogs& dialogs,
                QWidget* parent = nullptr);
};

} // namespace kiv
