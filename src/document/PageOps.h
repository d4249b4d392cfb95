#pragma once
// Auto-attendant pages and the operations of page keys and in-band events.
//
// The page table is addressed by a page index 0-38; users see and type a page
// number: indexes 0-26 are pages 00-26 (21-26 the special pages of the first
// language), 27-32 are pages 31-36 (second language), 33-38 pages 41-46 (third
// language). The special pages answer fixed situations: the last digit of the
// number says which (1, 2 busy; 3, 4 no answer; 5 do not disturb; 6 after a
// message was recorded), the tens digit the language.
//
// Operation codes are what the configuration stores; the unit's own codes are
// the parameter image's business. Page keys and in-band events have separate
// code lists, although several labels are the same.

#include <array>
#include <string>
#include <string_view>

namespace kiv {

inline constexpr int kPageCount = 39;
inline constexpr int kPageKeys = 11; // keys 0-9, then the time-out row
inline constexpr int kTimeoutKey = 10;
inline constexpr int kOrdinaryPages = 21; // pages 00-20 have a free description

// Number of the page at `index`; -1 for an index outside 0-38.
int PageNumber(int index);
// Index of page `number`; -1 when the number is no page (27-30, 37-40, 47 ...).
int PageIndex(int number);
bool IsPageNumber(int number);
// Exactly two decimal digits that form a page number, as the editors take a
// typed page; -1 for anything else.
int PageIndexOfText(std::string_view text);

bool IsSpecialPage(int index);
// The situation digit 1-6 of a special page; 0 for an ordinary page or an
// index outside the table.
int SpecialSituation(int index);
// Busy pages: situations 1 and 2.
bool IsBusyPage(int index);

// The fixed description of a special page ("Occupato con Casella - Prima
// Lingua" ...); empty for an ordinary page or an index outside the table.
std::string SpecialPageDescription(int index);
// What a page is described by: its text for pages 00-20, the fixed
// description for the special pages.
std::string PageDescription(const std::array<std::string, kOrdinaryPages>& pageText, int index);

// --- Page key operations -------------------------------------------------------------------------

enum PageOp : int {
    kPageOpNotUsed = 0,
    kPageOpGoToPage = 1,
    kPageOpGoToPageFirstLanguage = 2, // 2, 3, 4: first, second, third language
    kPageOpGoToPageSecondLanguage = 3,
    kPageOpGoToPageThirdLanguage = 4,
    kPageOpNameDirectory = 5,
    kPageOpToExtension = 6,
    kPageOpToMailbox = 7,
    kPageOpDialExtension = 8,
    kPageOpDialMailbox = 9,
    kPageOpRetryOnBusy = 10,
    kPageOpToBusyUnsupervised = 11,
    kPageOpLeaveMessage = 12,
    kPageOpListenMessages = 13,
    kPageOpDisconnect = 14,
    kPageOpDisconnectAfterMessage = 15,
    kPageOpMainMenu = 16,
    kPageOpToOperator = 17,
    kPageOpDialString = 18,
};
inline constexpr int kPageOpCount = 19;
extern const std::array<const char*, kPageOpCount> kPageOpLabels;
// The label of a stored code; empty for a code outside the list.
const char* PageOpLabel(int op);
// Operations whose target names a page: 1-4.
bool IsPageOpToPage(int op);
// The language (0-2) an operation switches to; -1 when it switches none.
int PageOpLanguage(int op);

// --- In-band event operations --------------------------------------------------------------------

enum InBandOp : int {
    kInBandOpAutoAttendant = 0,
    kInBandOpGoToPage = 1,
    kInBandOpGoToPageFirstLanguage = 2, // 2, 3, 4: first, second, third language
    kInBandOpGoToPageSecondLanguage = 3,
    kInBandOpGoToPageThirdLanguage = 4,
    kInBandOpBusyMenu = 5,
    kInBandOpNoAnswerMenu = 6,
    kInBandOpDndMenu = 7,
    kInBandOpToExtension = 8,
    kInBandOpToMailbox = 9,
    kInBandOpToOperator = 10,
    kInBandOpNameDirectory = 11,
    kInBandOpRecordCall = 12,
    kInBandOpLeaveMessage = 13,
    kInBandOpListenMessages = 14,
    kInBandOpDisconnect = 15,
};
inline constexpr int kInBandOpCount = 16;
extern const std::array<const char*, kInBandOpCount> kInBandOpLabels;
const char* InBandOpLabel(int op);
bool IsInBandOpToPage(int op);
int InBandOpLanguage(int op);

} // namespace kiv
