#include "autoattendant/PageSheetEdit.h"

#include "autoattendant/Texts.h"
#include "document/QelDoc.h"

#include <algorithm>
#include <cstdio>

namespace kiv::autoatt {

namespace {

// Element of the configuration's file locations that holds the page recordings.
constexpr std::size_t kPageFilesLocation = 4;

PageListCopy ShownCopy(const CQelDoc& doc) {
    PageListCopy copy;
    copy.pages = doc.pages;
    std::copy(doc.pageState.begin(), doc.pageState.end(), copy.pageState.begin());
    return copy;
}

bool InTable(int pageIndex) {
    return pageIndex >= 0 && pageIndex < kPageCount;
}

} // namespace

const char* CRecordingListEdit::FirstButtonCaption() const {
    return texts::kRecordingButton[static_cast<int>(mode)];
}

std::string CRecordingListEdit::NumberCell(int pageIndex) {
    char text[16];
    std::snprintf(text, sizeof text, "  %02d", std::max(PageNumber(pageIndex), 0));
    return text;
}

int CRecordingListEdit::Icon(int pageIndex) const {
    if (!InTable(pageIndex)) return 0;
    const auto p = static_cast<std::size_t>(pageIndex);
    return PageStateIcon(shown.pages[p], shown.pageState[p]);
}

void CRecordingListEdit::Clear(const std::vector<int>& selected) {
    for (int index : selected)
        if (InTable(index)) pageFiles[static_cast<std::size_t>(index)].clear();
}

std::vector<PageStatusRow> CInfoEdit::Rows() const {
    std::vector<PageStatusRow> rows;
    for (std::size_t p = 0; p < kPageCount; ++p) {
        const int index = static_cast<int>(p);
        PageStatusRow row;
        row.number = PageNumberText(index);
        row.programmed = IsPageProgrammed(shown.pages[p]) ? texts::kStatusYes : texts::kStatusNo;
        row.recorded = shown.pageState[p] == 1 ? texts::kStatusYes : texts::kStatusNo;
        row.description = PageDescription(pageText, index);
        row.icon = PageStateIcon(shown.pages[p], shown.pageState[p]);
        rows.push_back(std::move(row));
    }
    return rows;
}

bool CInfoEdit::SetDescription(int pageIndex, const std::string& text) {
    if (pageIndex < 0 || pageIndex >= kOrdinaryPages) return false;
    pageText[static_cast<std::size_t>(pageIndex)] = text;
    return true;
}

CRecordingListEdit RecordingListFor(const CQelDoc& doc, RecordingListMode mode,
                                    const std::array<std::string, kPageCount>& pageFiles) {
    CRecordingListEdit edit;
    edit.shown = ShownCopy(doc);
    edit.pageFiles = pageFiles;
    edit.folder = doc.fileLocation[kPageFilesLocation];
    edit.mode = mode;
    return edit;
}

CPageSheetEdit::CPageSheetEdit(const CQelDoc& doc)
    : pages(doc), dialStrings(doc.dialStrings), script(doc) {
    recordings.shown = ShownCopy(doc);
    recordings.pageFiles = doc.pageFile;
    recordings.folder = doc.fileLocation[kPageFilesLocation];
    info.shown = ShownCopy(doc);
    info.pageText = doc.pageText;
}

void CPageSheetEdit::ApplyTo(CQelDoc& doc) const {
    pages.ApplyTo(doc);
    doc.pageFile = recordings.pageFiles;
    script.ApplyTo(doc);
    doc.pageText = info.pageText;
    doc.dialStrings = dialStrings;
}

} // namespace kiv::autoatt
