#include "editors/MboxRefs.h"

#include "document/QelDoc.h"
#include "editors/FieldCheck.h"
#include "editors/Texts.h"

#include <algorithm>

namespace kiv::editors {

std::span<const MboxRecord> MailboxesInUse(const CQelDoc& doc) {
    const auto count = static_cast<std::size_t>(
        std::clamp<int>(doc.mboxCount, 0, static_cast<int>(doc.mailboxes.size())));
    return std::span<const MboxRecord>(doc.mailboxes).first(count);
}

std::optional<std::string> NumberOfSlot(std::span<const MboxRecord> mailboxes, std::uint8_t slot,
                                        int slotLimit) {
    if (slot >= slotLimit) return std::nullopt;
    for (const MboxRecord& m : mailboxes)
        if (m.slot == slot) return m.number;
    return std::nullopt;
}

std::optional<std::uint8_t> SlotOfNumber(std::span<const MboxRecord> mailboxes,
                                         std::string_view typed, int extDigits) {
    if (static_cast<int>(typed.size()) != extDigits || !IsAllDigits(typed)) return std::nullopt;
    const int value = LeadingNumber(typed);
    for (const MboxRecord& m : mailboxes)
        if (IsAllDigits(m.number) && LeadingNumber(m.number) == value) return m.slot;
    return std::nullopt;
}

namespace {
bool RoutesTo(const PageEntry& row, std::uint8_t slot) {
    return row.op == kPageOpToMailbox && row.target[0] == slot;
}
} // namespace

int FindPageUsingSlot(const PageTable& pages, int operatorKey, std::uint8_t slot) {
    for (std::size_t p = 0; p < pages.size(); ++p)
        for (std::size_t k = 0; k < pages[p].size(); ++k)
            if (static_cast<int>(k) != operatorKey && RoutesTo(pages[p][k], slot))
                return static_cast<int>(p);
    return -1;
}

bool InBandUsesSlot(const InBandTable& inBand, std::uint8_t slot) {
    for (const auto& e : inBand)
        if (e.operation == kInBandOpToMailbox && e.target[0] == slot) return true;
    return false;
}

std::string SlotInUseMessage(const PageTable& pages, const InBandTable& inBand, int operatorKey,
                             std::uint8_t slot) {
    if (int page = FindPageUsingSlot(pages, operatorKey, slot); page >= 0)
        return FormatInt(texts::kMboxUsedInPage, PageNumber(page));
    if (InBandUsesSlot(inBand, slot)) return texts::kMboxUsedByProtocol;
    return {};
}

void RewritePageRefs(PageTable& pages, int operatorKey, const CSlotMap& map) {
    for (auto& page : pages)
        for (std::size_t k = 0; k < page.size(); ++k)
            if (static_cast<int>(k) != operatorKey && page[k].op == kPageOpToMailbox)
                page[k].target[0] = map.Map(page[k].target[0]);
}

void RewriteInBandRefs(InBandTable& inBand, const CSlotMap& map) {
    for (auto& e : inBand)
        if (e.operation == kInBandOpToMailbox) e.target[0] = map.Map(e.target[0]);
}

} // namespace kiv::editors
