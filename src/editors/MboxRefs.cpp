#include "editors/MboxRefs.h"

#include "editors/FieldCheck.h"
#include "editors/Texts.h"

namespace kiv::editors {

int PageNumber(int pageIndex) {
    if (pageIndex >= 33) return pageIndex + 8;
    if (pageIndex >= 27) return pageIndex + 4;
    return pageIndex;
}

namespace {
bool RoutesTo(const PageEntry& row, std::uint8_t slot) {
    return row.op == kPageOpToMbox && row.target[0] == slot;
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
        if (e.operation == kInBandOpToMbox && e.target[0] == slot) return true;
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
            if (static_cast<int>(k) != operatorKey && page[k].op == kPageOpToMbox)
                page[k].target[0] = map.Map(page[k].target[0]);
}

void RewriteInBandRefs(InBandTable& inBand, const CSlotMap& map) {
    for (auto& e : inBand)
        if (e.operation == kInBandOpToMbox) e.target[0] = map.Map(e.target[0]);
}

} // namespace kiv::editors
