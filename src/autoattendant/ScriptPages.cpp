#include "autoattendant/ScriptPages.h"

#include "autoattendant/Texts.h"
#include "document/ProductType.h"
#include "document/QelDoc.h"

#include <algorithm>
#include <cstdio>

namespace kiv::autoatt {

namespace {

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

} // namespace

// --- Dial strings ------------------------------------------------------------

editors::FieldCheck<int> CheckDialStrings(const std::array<std::string, kDialStrings>& strings) {
    for (int n = 0; n < kDialStrings; ++n)
        if (!editors::OnlyChars(strings[static_cast<std::size_t>(n)], editors::chars::kDialString,
                                kDialStringLength))
            return editors::FieldError<int>{n, texts::kInputError};
    return std::nullopt;
}

// --- Opening script ----------------------------------------------------------

COpenScriptEdit::COpenScriptEdit(const CQelDoc& doc) : productType(doc.productType) {
    for (int line = 0; line < kLines; ++line) {
        const auto l = static_cast<std::size_t>(line);
        rings[l] = std::to_string(doc.ringsBeforeAnswer[l]);
        for (std::size_t mode = 0; mode < kModes; ++mode)
            initialPages[l][mode] = TwoDigits(doc.openingPage[l][mode]);
    }
}

bool COpenScriptEdit::LineEnabled(int line) const {
    return line < LineCount(productType);
}

std::string COpenScriptEdit::CellTextOnLeave(int mode, std::string_view text) const {
    if (mode == kModeNight) return std::string(text);
    return TwoDigits(editors::LeadingNumber(text));
}

editors::FieldCheck<ScriptFieldRef> COpenScriptEdit::Check() const {
    for (int mode : {kModeBreak, kModeDay, kModeHoliday, kModeNight})
        for (int line = 0; line < kLines; ++line)
            if (LineEnabled(line) &&
                !kInitialPageRule.Accepts(
                    initialPages[static_cast<std::size_t>(line)][static_cast<std::size_t>(mode)]))
                return editors::FieldError<ScriptFieldRef>{
                    {ScriptFieldRef::InitialPage, line, mode}, texts::kInputError};
    for (int line = 0; line < kLines; ++line)
        if (LineEnabled(line) && !kRingsRule.Accepts(rings[static_cast<std::size_t>(line)]))
            return editors::FieldError<ScriptFieldRef>{{ScriptFieldRef::Rings, line, 0},
                                                       texts::kInputError};
    return std::nullopt;
}

void COpenScriptEdit::ApplyTo(CQelDoc& doc) const {
    for (std::size_t line = 0; line < kLines; ++line) {
        if (!LineEnabled(static_cast<int>(line))) continue;
        doc.ringsBeforeAnswer[line] = editors::LeadingNumber(rings[line]);
        for (std::size_t mode = 0; mode < kModes; ++mode)
            doc.openingPage[line][mode] = editors::LeadingNumber(initialPages[line][mode]);
    }
}

// --- Recording list ----------------------------------------------------------

bool IsPageProgrammed(const std::array<PageEntry, kPageKeys>& page) {
    return std::any_of(page.begin(), page.end(), [](const PageEntry& e) { return e.op != 0; });
}

int PageStateIcon(const std::array<PageEntry, kPageKeys>& page, int pageState) {
    return (IsPageProgrammed(page) ? 1 : 0) + (pageState == 1 ? 2 : 0);
}

FileFilter ScriptFilesFilter(const std::vector<int>& selected) {
    std::string items;
    std::string pattern;
    for (int index : selected) {
        const std::string item = "*." + TwoDigits(PageNumber(index));
        items += (items.empty() ? "" : ",") + item;
        pattern += (pattern.empty() ? "" : ";") + item;
    }
    return {std::string(texts::kScriptFilesFilter) + " (" + items + ")", pattern};
}

namespace {

// The extension of the file name at the end of `path`, without its dot; none
// when the name has no dot.
std::optional<std::string> Extension(const std::string& path) {
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart))
        return std::nullopt;
    return path.substr(dot + 1);
}

// The page index an extension numbers: two characters, the first 0-4, the
// second a digit, forming a page number; -1 otherwise.
int PageOfExtension(const std::string& extension) {
    if (extension.size() != 2 || extension[0] < '0' || extension[0] > '4') return -1;
    return PageIndexOfText(extension);
}

} // namespace

void AssignChosenFile(std::array<std::string, kPageCount>& pageFiles,
                      const std::vector<int>& selected, const std::string& chosen) {
    if (selected.empty()) return;
    std::vector<int> pages = selected;
    std::sort(pages.begin(), pages.end());
    // One file name per result, each with the extension that numbers it.
    std::vector<std::pair<std::string, std::string>> results;
    if (auto extension = Extension(chosen)) {
        results.emplace_back(chosen, *extension);
    } else {
        for (int index : pages) {
            const std::string number = TwoDigits(PageNumber(index));
            results.emplace_back(chosen + "." + number, number);
        }
    }
    if (pages.size() == 1) {
        pageFiles[static_cast<std::size_t>(pages.front())] = results.front().first;
        return;
    }
    for (const auto& [path, extension] : results)
        if (int index = PageOfExtension(extension); index >= 0)
            pageFiles[static_cast<std::size_t>(index)] = path;
}

} // namespace kiv::autoatt
