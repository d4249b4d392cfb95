#pragma once
// CRecordingListSheet: the recording list alone, titled "Registrazione
// Pagine", under the caption its creator gives ("Lista delle Pagine da
// spedire", "Lista della Pagine da leggere"). The recording transfers open it
// to choose the files to send or to read into; on OK they take back the 39
// file names.

#include "app/PropertySheet.h"
#include "autoattendant/PageSheetEdit.h"

#include <array>
#include <optional>
#include <string>

namespace kiv {

class CQelDoc;
class CRecordingListPage;

class CRecordingListSheet : public CPropertySheet {
    Q_OBJECT
  public:
    CRecordingListSheet(autoatt::CRecordingListEdit edit, const QString& caption,
                        CShellDialogs& dialogs, QWidget* parent = nullptr);

    CRecordingListPage* ListPage() const { return page_; }
    const std::array<std::string, kPageCount>& PageFiles() const { return edit_.pageFiles; }

  private:
    autoatt::CRecordingListEdit edit_;
    CRecordingListPage* page_;
};

// Runs the sheet on the given names; the 39 names after OK, nothing after Cancel.
std::optional<std::array<std::string, kPageCount>>
RunRecordingList(const CQelDoc& doc, autoatt::RecordingListMode mode,
                 const std::array<std::string, kPageCount>& pageFiles, const QString& caption,
                 CShellDialogs& dialogs, QWidget* parent);

} // namespace kiv
