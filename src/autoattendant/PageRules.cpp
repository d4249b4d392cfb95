#include "autoattendant/PageRules.h"

#include "editors/FieldCheck.h"
#include "editors/MboxRefs.h"

#include <algorithm>
#include <cstdio>

namespace kiv::autoatt {

namespace {

constexpr int kMinExtensionChars = 2;
constexpr int kMaxExtensionChars = 4;
constexpr int kDialStringCount = 20;

bool OnKeyRow(int row) {
    return row >= 0 && row < kTimeoutKey;
}

} // namespace

bool IsPageOpOffered(int op, int row, int pageIndex) {
    const bool key = OnKeyRow(row);
    const bool special = IsSpecialPage(pageIndex);
    const int situation = SpecialSituation(pageIndex);
    switch (op) {
    case kPageOpNotUsed:
    case kPageOpGoToPage:
    case kPageOpToExtension:
    case kPageOpToMailbox:
    case kPageOpDisconnect:
    case kPageOpDisconnectAfterMessage:
    case kPageOpMainMenu:
    case kPageOpDialString:
        return true;
    case kPageOpGoToPageFirstLanguage:
    case kPageOpGoToPageSecondLanguage:
    case kPageOpGoToPageThirdLanguage:
    case kPageOpDialMailbox:
        return key && !special;
    case kPageOpNameDirectory:
        return key || special;
    case kPageOpDialExtension:
    case kPageOpListenMessages:
        return key;
    case kPageOpRetryOnBusy:
    case kPageOpToBusyUnsupervised:
        return IsBusyPage(pageIndex);
    case kPageOpLeaveMessage:
        if (!special) return key;
        if (situation == 1 || situation == 3 || situation == 5) return true;
        return key && situation == 6;
    case kPageOpToOperator:
        return !key;
    default:
        return false;
    }
}

std::vector<int> OfferedPageOps(int row, int pageIndex) {
    std::vector<int> ops;
    for (int op = 0; op < kPageOpCount; ++op)
        if (IsPageOpOffered(op, row, pageIndex)) ops.push_back(op);
    return ops;
}

bool PageOpHasDestination(int op) {
    return IsPageOpToPage(op) || op == kPageOpToExtension || op == kPageOpToMailbox ||
           op == kPageOpDialString;
}

std::string DestinationText(const PageEntry& entry, std::span<const MboxRecord> mailboxes,
                            int slotLimit) {
    const int op = entry.op;
    if (IsPageOpToPage(op)) {
        // A stored target that is no page shows as the first page.
        const int index = entry.target[0] < kPageCount ? entry.target[0] : 0;
        return PageNumberText(index);
    }
    if (op == kPageOpToExtension) {
        const int count = entry.targetInfo;
        if (count < kMinExtensionChars || count > kMaxExtensionChars) return {};
        std::string text(entry.target.begin(), entry.target.begin() + count);
        return editors::OnlyChars(text, editors::chars::kExtension) ? text : std::string();
    }
    if (op == kPageOpToMailbox) {
        if (entry.targetInfo == 1)
            if (auto number = editors::NumberOfSlot(mailboxes, entry.target[0], slotLimit))
                return *number;
        return "0";
    }
    if (op == kPageOpDialString) {
        if (entry.targetInfo != 1) return {};
        return std::to_string(entry.target[0] < kDialStringCount ? entry.target[0] : 0);
    }
    return {};
}

bool StoreDestination(PageEntry& entry, int op, std::string_view typed,
                      std::span<const MboxRecord> mailboxes, int extDigits) {
    PageEntry stored = entry;
    stored.op = op;
    if (IsPageOpToPage(op)) {
        const int index = PageIndexOfText(typed);
        if (index < 0) return false;
        stored.target[0] = static_cast<std::uint8_t>(index);
        if (op == kPageOpGoToPage) {
            stored.targetInfo = 1;
        } else {
            stored.targetInfo = 2;
            stored.target[1] = static_cast<std::uint8_t>(PageOpLanguage(op));
        }
    } else if (op == kPageOpToExtension) {
        const auto count = static_cast<int>(typed.size());
        if (count < kMinExtensionChars || count > kMaxExtensionChars ||
            !editors::OnlyChars(typed, editors::chars::kExtension))
            return false;
        std::copy(typed.begin(), typed.end(), stored.target.begin());
        stored.targetInfo = static_cast<std::uint8_t>(count);
    } else if (op == kPageOpToMailbox) {
        const auto slot = editors::SlotOfNumber(mailboxes, typed, extDigits);
        if (!slot) return false;
        stored.target[0] = *slot;
        stored.targetInfo = 1;
    } else if (op == kPageOpDialString) {
        if (!editors::IsNumberIn(typed, 0, kDialStringCount - 1)) return false;
        stored.target[0] = static_cast<std::uint8_t>(editors::LeadingNumber(typed));
        stored.targetInfo = 1;
    } else if (op != kPageOpDisconnectAfterMessage) {
        stored.target[0] = 0;
        stored.targetInfo = 0;
    }
    entry = stored;
    return true;
}

void ChooseOperation(PageEntry& entry, int op) {
    entry.op = op;
    entry.target.fill(0);
    entry.targetInfo = 0;
}

int PreviousPageNumber(int number) {
    if (number >= 47) return -1;
    if (number >= 27 && number <= 30) number = 26;
    if (number >= 37 && number <= 40) number = 36;
    const int index = PageIndex(number);
    return index > 0 ? PageNumber(index - 1) : -1;
}

int NextPageNumber(int number) {
    if (number >= 47) number = 46;
    if (number >= 27 && number <= 30) number = 31;
    if (number >= 37 && number <= 40) number = 41;
    const int index = PageIndex(number);
    if (index < 0) return -1;
    return PageNumber(std::min(index + 1, kPageCount - 1));
}

std::string PageNumberText(int pageIndex) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", std::max(PageNumber(pageIndex), 0));
    return text;
}

} // namespace kiv::autoatt
