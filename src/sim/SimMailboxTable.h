#pragma once
// The simulated unit's mailbox memory: one 233-byte record per slot (a slot
// whose first number digit is 255 is free), the message records, four groups
// and the calls answered per line. It serves the "$$C" section and takes the
// "$$U" stream and the "$$D" deletions, so that what a send stores a read
// gives back.

#include "unit/MailboxSection.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kiv::sim {

class CSimMailboxTable {
  public:
    // The section's layout, as the system reads it.
    static constexpr std::size_t recordSize = kMailboxRecordSize;
    static constexpr std::size_t messageSize = kMessageRecordSize;
    static constexpr std::size_t groupSize = kGroupBlockSize;
    static constexpr std::size_t groupCount = kUnitGroups;
    static constexpr std::size_t maxSlots = kUnitSlots;

    using Record = std::array<std::uint8_t, recordSize>;
    using MessageRecord = std::array<std::uint8_t, messageSize>;
    using Group = std::array<std::uint8_t, groupSize>; // count, slot positions, filler

    std::vector<Record> records;
    std::vector<MessageRecord> messages;
    std::array<Group, groupCount> groups{};
    std::array<std::uint16_t, 4> calls{};

    static Record FreeRecord();
    // A record holding the mailbox `number` (up to four digits), with the
    // number as its password and no notification.
    static Record MailboxRecord(const std::string& number);

    // Mailboxes with these numbers in slots 0, 1, ...; `messagesEach` new
    // messages in each.
    void Preset(const std::vector<std::string>& numbers, int messagesEach = 0);

    bool HoldsMailbox(std::size_t slot) const;
    std::size_t MailboxCount() const;
    // The number held in a slot ("" for a free slot).
    std::string Number(std::size_t slot) const;

    // The "$$C" section with the given clock bytes.
    std::vector<std::uint8_t> SectionBytes(const std::array<std::uint8_t, 6>& clock) const;

    // Stores a complete "$$U" stream: its slots replace the table's (a slot
    // keeps its counters and messages when it still holds the same mailbox),
    // then the groups and the call counters. False for a stream of the wrong
    // length (nothing changes).
    bool ApplyStream(const std::vector<std::uint8_t>& stream);

    // Frees a slot and takes it out of the groups.
    void Delete(std::size_t slot);

  private:
    void TrimFreeTail();
};

// Length of a mailbox stream for N slots: the count byte, 77 bytes per slot,
// four groups of 21 bytes and four 16-bit call counters.
std::size_t MailboxStreamLength(std::size_t slots);

} // namespace kiv::sim
