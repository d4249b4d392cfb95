#pragma once
// "Opzioni": the toolbar page and the folder page.

#include "app/PropertySheet.h"

#include <array>
#include <string>

namespace kiv {

class CFileLocPage;
class CShellDialogs;
class CToolbarPage;

class CToolbarSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CToolbarSheet(const std::array<bool, 3>& visible, bool toolTips,
                  const std::array<std::string, 5>& locations, CShellDialogs& dialogs,
                  QWidget* parent = nullptr);

    CToolbarPage* ToolbarPage() const { return toolbarPage_; }
    CFileLocPage* FileLocPage() const { return fileLocPage_; }

  private:
    CToolbarPage* toolbarPage_;
    CFileLocPage* fileLocPage_;
};

} // namespace kiv
