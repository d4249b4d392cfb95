#pragma once
// Mailbox references by slot. Auto-attendant keys with operation 7 and in-band
// entries with operation 9 name a mailbox by its slot in their first target
// byte. Deleting a mailbox moves slots between mailboxes; these helpers find
// the references to a slot and rewrite them through one old → new slot map,
// so that every reference is rewritten at most once and keeps pointing at the
// same mailbox. The wizard uses them on its own copies of the two tables.

#include "document/Records.h"

#include <array>
#include <cstdint>
#include <string>

namespace kiv::editors {

using PageTable = std::array<std::array<PageEntry, 11>, 39>;
using InBandTable = std::array<InBandEntry, 40>;

inline constexpr int kPageOpToMbox = 7;   // key: "Trasferta ad una Casella"
inline constexpr int kInBandOpToMbox = 9; // in-band: "Trasferta ad una Casella"

// Number a page is known by: indexes 0-26 are pages 0-26, 27-32 are 31-36,
// 33-38 are 41-46.
int PageNumber(int pageIndex);

// Which slot each slot's references move to; a slot not set keeps its references.
class CSlotMap {
  public:
    CSlotMap() { to_.fill(-1); }
    void Set(std::uint8_t from, std::uint8_t to) { to_[from] = to; }
    bool Moves(std::uint8_t from) const { return to_[from] >= 0; }
    std::uint8_t Map(std::uint8_t from) const {
        return Moves(from) ? static_cast<std::uint8_t>(to_[from]) : from;
    }

  private:
    std::array<std::int16_t, 256> to_;
};

// Index of the first page with a row routing to `slot`, rows in order, the
// operator key's row skipped (that key always goes to the operator); -1 when
// no page does.
int FindPageUsingSlot(const PageTable& pages, int operatorKey, std::uint8_t slot);

// True when some of the 40 in-band entries transfers to `slot`.
bool InBandUsesSlot(const InBandTable& inBand, std::uint8_t slot);

// The message refusing to delete the mailbox that holds `slot` (page first,
// then the in-band protocol), or an empty text when nothing refers to it.
std::string SlotInUseMessage(const PageTable& pages, const InBandTable& inBand, int operatorKey,
                             std::uint8_t slot);

// Rewrite the references through `map`: page rows with operation 7 except the
// operator key's row, and all 40 in-band entries with operation 9.
void RewritePageRefs(PageTable& pages, int operatorKey, const CSlotMap& map);
void RewriteInBandRefs(InBandTable& inBand, const CSlotMap& map);

} // namespace kiv::editors
