#pragma once
// The unit's mailboxes on the wire: the mailbox section the unit sends ("$$C"), the mailbox
// stream it takes ("$$U"), the six clock bytes ("$$T") and the deletion list ("$$D"); and the
// reconciliation of the configuration's mailboxes with the unit's that a send runs before it
// builds the stream.
//
// A send drives these in order:
//   ParseMailboxSection        the unit's section, read back
//   ReconcileMailboxes         which unit mailboxes go, where every configuration mailbox goes;
//                              the caller asks deleteMailboxesQuestion when askBeforeDeleting
//                              (No ends the send), then shows `error` if there is one (ends)
//   PrepareMailboxSend         places the mailboxes in the unit's slots, rewrites the mailbox
//                              references of the send's copy of the configuration, and builds
//                              the stream and the deletion list
// after which the copy is encoded over the parameter image (ParamImage.h).

#include "document/Clock.h"
#include "document/QelDoc.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kiv {

inline constexpr std::size_t kMailboxRecordSize = 233;

// Offsets within a 233-byte mailbox record (the unit and the simulated unit
// read and write the same layout).
namespace mboxrec {
inline constexpr std::size_t kMessageCounts = 0; // two counts
inline constexpr std::size_t kSecondCounter = 4; // 16-bit: aux2
inline constexpr std::size_t kFourthCounter = 8; // 16-bit: aux1
inline constexpr std::size_t kDnd = 10;
inline constexpr std::size_t kAttributes = 11;
inline constexpr std::size_t kPhoneLength = 12;
inline constexpr std::size_t kPagerLength = 13;
inline constexpr std::size_t kNotify = 14;
inline constexpr std::size_t kPassword = 15;    // four digits
inline constexpr std::size_t kNumber = 19;      // four digits; 255 first = free slot
inline constexpr std::size_t kSlotIndex = 23;   // 50 x 16-bit message record indices
inline constexpr std::size_t kSlotStatus = 123; // 50 status bytes
inline constexpr std::size_t kPhone = 173;
inline constexpr std::size_t kPhoneWidth = 20;
inline constexpr std::size_t kPager = 193;
inline constexpr std::size_t kPagerWidth = 40;
} // namespace mboxrec
inline constexpr std::size_t kMessageRecordSize = 14;
inline constexpr std::size_t kGroupBlockSize = 21;
// Mailbox slots of the largest unit, and the most records a section may carry.
inline constexpr std::size_t kUnitSlots = 129;
inline constexpr std::size_t kMaxMessageRecords = 800;
// Groups carried by the section and the stream (the configuration's fifth is not).
inline constexpr std::size_t kUnitGroups = 4;

using MailboxRecordBytes = std::array<std::uint8_t, kMailboxRecordSize>;
using MessageRecordBytes = std::array<std::uint8_t, kMessageRecordSize>;
using GroupBlockBytes = std::array<std::uint8_t, kGroupBlockSize>;

// The unit clock: minute, hour, weekday (1 Monday ... 7 Sunday), day, month, two-digit year.
using ClockBytes = std::array<std::uint8_t, 6>;

// A mailbox section split into its parts. A record's position in `records` is its slot in the
// unit.
struct MailboxSection {
    ClockBytes clock{};
    std::vector<MailboxRecordBytes> records;
    std::vector<MessageRecordBytes> messages;
    std::vector<GroupBlockBytes> groups;
    std::array<std::uint16_t, 4> calls{};

    // The record at `position` holds a mailbox: its first number digit is not 255.
    bool HoldsMailbox(std::size_t position) const;
    // Records that hold a mailbox (a read compares this with the product's largest count).
    std::size_t MailboxCount() const;
};

// Splits the bytes read with "$$C". Every part is checked against the bytes present: a section
// that ends early, goes on after the four call counters, or announces more mailbox records or
// message records than a unit holds, is refused with the length message in `error`; `section`
// is then left as it was.
bool ParseMailboxSection(std::span<const std::uint8_t> bytes, MailboxSection& section,
                         std::string& error);

// The configuration mailbox a section record describes; its `slot` is `position`.
MboxRecord DecodeMailboxRecord(const MailboxRecordBytes& record, std::uint8_t position);

// A read: the section's mailboxes (free records skipped, list order = section order) become
// the configuration's mailbox list; its first four groups become groups 0-3 (each member byte
// names a section position, turned into that mailbox's number; a member naming no mailbox is
// dropped); the records, message records and call counters become the unit data.
// msgMboxData[i] holds the section record of mailboxes[i] (233 bytes, the rest zero) and
// msgData[j] message record j (14 bytes, the rest zero). The clock is not touched. A section
// holds at most kUnitSlots records, so this always fits; whether the count suits the product
// type (MailboxCount() against its largest mailbox count) is the caller's check.
void ApplyMailboxSection(const MailboxSection& section, CQelDoc& doc);

// --- Clock ---------------------------------------------------------------------------------------

ClockBytes EncodeClock(const LocalTime& time);
// The time the bytes give, second 0; a two-digit year below 71 is 20xx, otherwise 19xx.
LocalTime DecodeClock(const ClockBytes& bytes);
// `time` moved by `seconds`, rolling the date over at midnight; the weekday moves by as many
// days as the date does.
LocalTime AdvanceLocalTime(const LocalTime& time, std::int64_t seconds);
// The unit clock at `now`: the configuration's clock plus the time elapsed since
// clockReference.
LocalTime UnitClockAt(const CQelDoc& doc, std::int64_t now);

// --- Deletion list -------------------------------------------------------------------------------

// The "$$D" bytes: the count, then the positions in descending order.
std::vector<std::uint8_t> DeletionListBytes(std::vector<int> positions);

// --- Staging slots and the mailbox stream --------------------------------------------------------

// One mailbox slot of the unit as the stream carries it. A slot whose first repeated-number
// byte is 255 is free.
struct MailboxSlot {
    MailboxSlot();
    std::uint8_t attributes = 0; // record byte 11
    std::uint8_t dnd = 0xFF;     // record byte 10
    std::uint8_t notify = 0;     // record byte 14
    std::array<std::uint8_t, 4> password{};
    std::array<std::uint8_t, 4> numberRepeat{};
    std::array<std::uint8_t, 4> number{};
    std::uint8_t phoneLength = 0;
    std::array<std::uint8_t, 20> phone{};
    std::uint8_t pagerLength = 0;
    std::array<std::uint8_t, 40> pager{};

    bool IsFree() const { return numberRepeat[0] == 0xFF; }
    // The mailbox number the digits spell (up to the first byte that is not a digit value).
    std::string NumberText() const;
};
using StagingSlots = std::array<MailboxSlot, kUnitSlots>;

// The unit's slots as the section holds them; slots past the section's records are blank.
StagingSlots StagingFromSection(const MailboxSection& section);

// A configuration mailbox in the unit's form. The record bits this program does not name are
// taken from `unitSlot` (the unit's own slot of the same mailbox), or 0 for a new mailbox
// (nullptr). Number digits beyond extDigits, and code bytes beyond the phone and pager
// lengths, are 255. A phone or pager that the number set cannot code is sent empty.
MailboxSlot EncodeMailboxSlot(const MboxRecord& mailbox, int extDigits,
                              const MailboxSlot* unitSlot);

// The "$$U" stream of slots 0 ... length-1, column by column, then groups 0-3 (member count,
// then for each member the slot + 1 of the mailbox with that number, 0 for none) and the
// configuration's four call counters.
std::vector<std::uint8_t> BuildMailboxStream(const CQelDoc& doc, const StagingSlots& slots,
                                             std::size_t length);

// --- Reconciliation ------------------------------------------------------------------------------

struct MailboxReconciliation {
    // The unit holds mailboxes that the configuration has not: ask deleteMailboxesQuestion
    // before going on; No ends the send.
    bool askBeforeDeleting = false;
    // Unit positions of the mailboxes to delete, in descending order.
    std::vector<int> deletions;
    // When not empty, the send ends with this message (after the question, if one is asked).
    std::string error;
    // For each configuration mailbox, in list order: its position in the unit, and whether a
    // unit mailbox with its number is there already.
    std::vector<int> positions;
    std::vector<bool> inUnit;
    // Slots the stream covers: the last position used plus one.
    std::size_t listLength = 0;
};

// Matches the configuration's mailboxes with the unit's by number. A matched mailbox keeps
// its unit position; the others are appended after the highest position the unit uses, and
// one that would reach `largestPosition` - 1 is an error (`largestPosition` is the product's
// slot count: 129, 49, 9 or 3). Unit mailboxes that the configuration has not are to be
// deleted.
MailboxReconciliation ReconcileMailboxes(const CQelDoc& config, const MailboxSection& unit,
                                         int largestPosition);

struct MailboxSend {
    StagingSlots staging;
    std::size_t length = 0;
    std::vector<std::uint8_t> stream;
    std::vector<std::uint8_t> deletionList;
};

// After the user agreed: gives every mailbox of `config` (the send's copy) its unit position
// as `slot`, places the mailboxes in the unit's slots (all slots free first; a mailbox whose
// slot is not below `largestPosition` takes the lowest free one), rewrites the targets of
// auto-attendant keys with operation 7 and in-band entries with operation 9 from the slots
// the mailboxes had before to their unit positions (a target naming no mailbox stays), and
// builds the stream and the deletion list.
MailboxSend PrepareMailboxSend(CQelDoc& config, const MailboxSection& unit,
                               const MailboxReconciliation& plan, int largestPosition);

} // namespace kiv
