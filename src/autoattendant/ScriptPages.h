#pragma once
// The rules of three companion pages of "Gestione Pagine": the dial strings
// ("Compone una Stringa"), the opening script ("Pagina Inziale": rings before
// answer and the initial page per line and time mode) and the file naming of
// the recording list ("Registrazione Pagine").

#include "document/PageOps.h"
#include "document/Records.h"
#include "editors/FieldCheck.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::autoatt {

// --- Dial strings ------------------------------------------------------------

inline constexpr int kDialStrings = 20;
inline constexpr std::size_t kDialStringLength = 20;

// The number (0-19) of the first string that is too long or holds a character
// outside the dial-string set; an empty string passes.
editors::FieldCheck<int> CheckDialStrings(const std::array<std::string, kDialStrings>& strings);

// --- Opening script ----------------------------------------------------------

inline constexpr int kLines = 4;
inline constexpr int kModes = 4; // day, night, break, holiday
enum ScriptMode { kModeDay = 0, kModeNight = 1, kModeBreak = 2, kModeHoliday = 3 };

inline constexpr editors::NumberRule kInitialPageRule{0, kOrdinaryPages - 1, 1,
                                                      editors::EmptyField::ReadsZero};
inline constexpr editors::NumberRule kRingsRule{1, 9};

struct ScriptFieldRef {
    enum Kind { InitialPage, Rings } kind = InitialPage;
    int line = 0; // 0-3
    int mode = 0; // initial pages only

    bool operator==(const ScriptFieldRef&) const = default;
};

class COpenScriptEdit {
  public:
    explicit COpenScriptEdit(const CQelDoc& doc);

    // Lines 3 and 4 of a "RZ 48 Mbx" are shown disabled; the user cannot
    // reach them, so they are neither checked nor written back.
    bool LineEnabled(int line) const;

    // The text a cell takes when it loses the focus: the two-digit form of
    // its value, except in the night column, which keeps what was typed.
    std::string CellTextOnLeave(int mode, std::string_view text) const;

    // Initial pages first (break, day, holiday, night; lines 1-4 within each),
    // then the rings of lines 1-4; enabled lines only.
    editors::FieldCheck<ScriptFieldRef> Check() const;
    // After Check passed; a disabled line keeps the document's values.
    void ApplyTo(CQelDoc& doc) const;

    std::array<std::string, kLines> rings;
    std::array<std::array<std::string, kModes>, kLines> initialPages; // [line][mode]
    int productType = 0;
};

// --- Recording list ----------------------------------------------------------

// A page is programmed when any of its rows, the operator's included, holds
// an operation.
bool IsPageProgrammed(const std::array<PageEntry, kPageKeys>& page);
// The state icon of a page: 1 if programmed, plus 2 if recorded.
int PageStateIcon(const std::array<PageEntry, kPageKeys>& page, int pageState);

struct FileFilter {
    std::string label;
    std::string pattern;
};
// The file dialog's first filter for the selected page indexes, in page order.
FileFilter ScriptFilesFilter(const std::vector<int>& selected);

// Puts the file the user chose (full path `chosen`) into `pageFiles` for the
// selected page indexes. One selected page takes the path as it is. With
// several, a name without an extension gives each selected page the name with
// its two-digit page number as extension; a name with an extension goes to the
// page that extension numbers, selected or not, and to none when it numbers no
// page. Nothing happens when nothing is selected.
void AssignChosenFile(std::array<std::string, kPageCount>& pageFiles,
                      const std::vector<int>& selected, const std::string& chosen);

} // namespace kiv::autoatt
