#pragma once
// The simulated unit's mailbox memory: one 233-byte record per slot (a slot
// whose first number digit is 255 is free), the message records, four groups
// and the calls answered per line. It serves the "$$C" section and takes the
// "$$U" stream and the "$$D" deletions, so that what a send stores a read
// gives back.
//
// The layout is the unit's own, written out here from the unit's record
// description; it shares no table or offset with the system's reader and
// writer, so a layout mistake there cannot hide behind the same mistake here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kiv::sim {

class CSimMailboxTable {
  public:
    // Sizes of the section's parts.
    static constexpr std::size_t recordSize = 233;
    static constexpr std::size_t messageSize = 14;
    static constexpr std::size_t groupSize = 21; // member count, 20 members
    static constexpr std::size_t groupCount = 4;
    static constexpr std::size_t maxSlots = 129;

    // Where things sit in a 233-byte mailbox record.
    struct At {
        static constexpr std::size_t messageCounts = 0; // two counts
        static constexpr std::size_t counters = 2;      // four 16-bit big-endian
        static constexpr std::size_t dnd = 10;          // 255 off
        static constexpr std::size_t attributes = 11;
        static constexpr std::size_t phoneLength = 12;
        static constexpr std::size_t pagerLength = 13;
        static constexpr std::size_t notify = 14;
        static constexpr std::size_t password = 15;    // four digits
        static constexpr std::size_t number = 19;      // four digits, 255 first: free
        static constexpr std::size_t slotIndex = 23;   // 50 x 16-bit message record index
        static constexpr std::size_t slotStatus = 123; // 50 status bytes
        static constexpr std::size_t phone = 173;      // 20 codes
        static constexpr std::size_t pager = 193;      // 40 codes
    };
    static constexpr std::size_t phoneWidth = 20;
    static constexpr std::size_t pagerWidth = 40;

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
