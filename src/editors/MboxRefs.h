#pragma once
// Mailbox references by slot. Auto-attendant keys with operation 7 and in-band
// entries with operation 9 name a mailbox by its slot in their first target
// byte. Deleting a mailbox moves slots between mailboxes; these helpers find
// the references to a slot and rewrite them through one old → new slot map,
// so that every reference is rewritten at most once and keeps pointing at the
// same mailbox. The wizard uses them on its own copies of the two tables, and a
// send on its copy of the configuration when the mailboxes take the unit's
// positions. Beside them, the look-ups between a slot and the number of the
// mailbox that holds it, which the page and in-band editors and the report
// need to show and take a mailbox destination.

#include "document/PageOps.h"
#include "document/Records.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

using PageTable = std::array<std::array<PageEntry, kPageKeys>, kPageCount>;
using InBandTable = std::array<InBandEntry, 40>;

// --- Slot <-> mailbox number -------------------------------------------------

// The mailboxes in use, in list order.
std::span<const MboxRecord> MailboxesInUse(const CQelDoc& doc);

// The number of the mailbox whose slot is `slot`, for a slot below
// `slotLimit` (S of the product type); none when no mailbox holds it. This is
// what a key or in-band entry routing to `slot` shows and prints.
std::optional<std::string> NumberOfSlot(std::span<const MboxRecord> mailboxes, std::uint8_t slot,
                                        int slotLimit);
// The slot of the mailbox a typed destination names: exactly `extDigits`
// decimal digits whose value equals a mailbox's number read as a decimal
// number; none otherwise.
std::optional<std::uint8_t> SlotOfNumber(std::span<const MboxRecord> mailboxes,
                                         std::string_view typed, int extDigits);

// --- References --------------------------------------------------------------

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
// operator key's row (every row when `operatorKey` is -1), and all 40 in-band
// entries with operation 9.
void RewritePageRefs(PageTable& pages, int operatorKey, const CSlotMap& map);
void RewriteInBandRefs(InBandTable& inBand, const CSlotMap& map);

} // namespace kiv::editors
