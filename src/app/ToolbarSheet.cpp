#include "app/ToolbarSheet.h"

#include "app/FileLocPage.h"
#include "app/Texts.h"
#include "app/ToolbarPage.h"

namespace kiv {

CToolbarSheet::CToolbarSheet(const std::array<bool, 3>& visible, bool toolTips,
                             const std::array<std::string, 5>& locations, CShellDialogs& dialogs,
                             QWidget* parent)
    : CPropertySheet(ui::Ui(ui::kOptionsCaption), dialogs, parent) {
    setObjectName("optionsSheet");
    toolbarPage_ = new CToolbarPage(visible, toolTips);
    fileLocPage_ = new CFileLocPage(locations);
    AddPage(toolbarPage_);
    AddPage(fileLocPage_);
}

} // namespace kiv
