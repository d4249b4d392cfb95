#pragma once
// The working state of "Gestione Pagine" as a whole: what each of its five
// pages copies from the configuration when the sheet opens, and what OK
// writes back. The page table copies of the recording list and the page
// status, and the recorded states, are for showing only and never written.
// Beside it, the rows of the page status list and of the recording list.

#include "autoattendant/AutoAttenEdit.h"
#include "autoattendant/ScriptPages.h"

#include <array>
#include <string>
#include <vector>

namespace kiv::autoatt {

// Who the recording list works for: the page sheet, or the choice of the
// files to send or to read recordings into.
enum class RecordingListMode { Manage = 0, Send = 1, Read = 2 };

struct PageListCopy {
    PageTable pages{};
    std::array<int, kPageCount> pageState{};
};

struct CRecordingListEdit {
    PageListCopy shown;
    std::array<std::string, kPageCount> pageFiles;
    std::string folder; // the page recordings' folder, empty when not set
    RecordingListMode mode = RecordingListMode::Manage;

    const char* FirstButtonCaption() const;
    // The " N." cell of a row: the page number after two blanks.
    static std::string NumberCell(int pageIndex);
    int Icon(int pageIndex) const;
    void Choose(const std::vector<int>& selected, const std::string& chosen) {
        AssignChosenFile(pageFiles, selected, chosen);
    }
    // "Chiaro": the selected rows lose their file names.
    void Clear(const std::vector<int>& selected);
};

// The recording list as the recording transfers open it: the configuration's
// pages and page states for the icons, the given file names, the page
// recordings' folder, and the mode.
CRecordingListEdit RecordingListFor(const CQelDoc& doc, RecordingListMode mode,
                                    const std::array<std::string, kPageCount>& pageFiles);

struct PageStatusRow {
    std::string number; // "05", "31"
    std::string programmed;
    std::string recorded;
    std::string description;
    int icon = 0;
};

struct CInfoEdit {
    PageListCopy shown;
    std::array<std::string, kOrdinaryPages> pageText;

    std::vector<PageStatusRow> Rows() const;
    // Only the ordinary pages have a description to edit; false, and nothing
    // changed, for a special page.
    bool SetDescription(int pageIndex, const std::string& text);
};

class CPageSheetEdit {
  public:
    explicit CPageSheetEdit(const CQelDoc& doc);
    void ApplyTo(CQelDoc& doc) const;

    CAutoAttenEdit pages;
    std::array<std::string, kDialStrings> dialStrings;
    COpenScriptEdit script;
    CRecordingListEdit recordings;
    CInfoEdit info;
};

} // namespace kiv::autoatt
