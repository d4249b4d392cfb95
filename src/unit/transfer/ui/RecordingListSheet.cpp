#include "unit/transfer/ui/RecordingListSheet.h"

#include "app/QtText.h"
#include "autoattendant/Texts.h"
#include "autoattendant/ui/RecordingListPage.h"

namespace kiv {

CRecordingListSheet::CRecordingListSheet(autoatt::CRecordingListEdit edit, const QString& caption,
                                         CShellDialogs& dialogs, QWidget* parent)
    : CPropertySheet(caption, dialogs, parent), edit_(std::move(edit)) {
    setObjectName("recordingListSheet");
    page_ = new CRecordingListPage(edit_, ToQString(autoatt::texts::kRecordingTab));
    AddPage(page_);
}

std::optional<std::array<std::string, kPageCount>>
RunRecordingList(const CQelDoc& doc, autoatt::RecordingListMode mode,
                 const std::array<std::string, kPageCount>& pageFiles, const QString& caption,
                 CShellDialogs& dialogs, QWidget* parent) {
    CRecordingListSheet sheet(autoatt::RecordingListFor(doc, mode, pageFiles), caption, dialogs,
                              parent);
    if (dialogs.Exec(sheet) != QDialog::Accepted) return std::nullopt;
    return sheet.PageFiles();
}

} // namespace kiv
