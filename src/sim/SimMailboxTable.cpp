#include "sim/SimMailboxTable.h"

#include "sim/SimFactory.h"

#include <algorithm>

namespace kiv::sim {

namespace {

using At = CSimMailboxTable::At;

constexpr std::uint8_t kAbsent = 0xFF;

// Columns of the "$$U" stream, in order, each one byte per slot.
enum Column : std::size_t {
    kColAttributes = 0,
    kColDnd = 1,
    kColNotify = 2,
    kColPassword = 3,     // 4 columns
    kColNumberRepeat = 7, // 4 columns
    kColNumber = 11,      // 4 columns
    kColPhoneLength = 15,
    kColPhone = 16, // 20 columns
    kColPagerLength = 36,
    kColPager = 37, // 40 columns
    kColumns = 77,
};

void PutBe16(std::vector<std::uint8_t>& out, unsigned v) {
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
}

} // namespace

std::size_t MailboxStreamLength(std::size_t slots) {
    return 1 + kColumns * slots + CSimMailboxTable::groupCount * CSimMailboxTable::groupSize + 8;
}

CSimMailboxTable::Record CSimMailboxTable::FreeRecord() {
    Record r{};
    r[At::dnd] = kAbsent;
    std::fill_n(r.begin() + At::password, 8, kAbsent);
    std::fill(r.begin() + At::phone, r.end(), kAbsent);
    return r;
}

CSimMailboxTable::Record CSimMailboxTable::MailboxRecord(const std::string& number) {
    return FactoryMailboxRecord(number);
}

void CSimMailboxTable::Preset(const std::vector<std::string>& numbers, int messagesEach) {
    records.clear();
    messages.clear();
    groups = {};
    for (const std::string& number : numbers) {
        if (records.size() >= maxSlots) break;
        Record r = MailboxRecord(number);
        for (int m = 0; m < messagesEach && m < 50 && messages.size() < 800; ++m) {
            const auto index = static_cast<unsigned>(messages.size());
            MessageRecord message{};
            message[3] = 0x01; // about eight seconds
            message[4] = 0x08;
            message[10] = 9; // 09:15 on 5 January
            message[11] = 15;
            message[12] = 1;
            message[13] = 5;
            messages.push_back(message);
            r[At::slotIndex + 2 * static_cast<std::size_t>(m)] =
                static_cast<std::uint8_t>(index >> 8);
            r[At::slotIndex + 2 * static_cast<std::size_t>(m) + 1] =
                static_cast<std::uint8_t>(index & 0xFF);
            r[At::slotStatus + static_cast<std::size_t>(m)] = 0x80;
            ++r[At::messageCounts];
        }
        records.push_back(r);
    }
}

bool CSimMailboxTable::HoldsMailbox(std::size_t slot) const {
    return slot < records.size() && records[slot][At::number] != kAbsent;
}

std::size_t CSimMailboxTable::MailboxCount() const {
    std::size_t n = 0;
    for (std::size_t slot = 0; slot < records.size(); ++slot)
        n += HoldsMailbox(slot) ? 1 : 0;
    return n;
}

std::string CSimMailboxTable::Number(std::size_t slot) const {
    std::string text;
    if (!HoldsMailbox(slot)) return text;
    for (std::size_t i = 0; i < 4 && records[slot][At::number + i] <= 9; ++i)
        text.push_back(static_cast<char>('0' + records[slot][At::number + i]));
    return text;
}

std::vector<std::uint8_t>
CSimMailboxTable::SectionBytes(const std::array<std::uint8_t, 6>& clock) const {
    std::vector<std::uint8_t> out(clock.begin(), clock.end());
    out.push_back(static_cast<std::uint8_t>(records.size()));
    for (const Record& r : records)
        out.insert(out.end(), r.begin(), r.end());
    PutBe16(out, static_cast<unsigned>(messages.size()));
    for (const MessageRecord& m : messages)
        out.insert(out.end(), m.begin(), m.end());
    out.push_back(static_cast<std::uint8_t>(groups.size()));
    for (const Group& g : groups)
        out.insert(out.end(), g.begin(), g.end());
    for (std::uint16_t c : calls)
        PutBe16(out, c);
    return out;
}

bool CSimMailboxTable::ApplyStream(const std::vector<std::uint8_t>& stream) {
    if (stream.empty()) return false;
    const std::size_t n = stream[0];
    if (n > maxSlots || stream.size() != MailboxStreamLength(n)) return false;
    const auto at = [&stream, n](std::size_t column, std::size_t slot) {
        return stream[1 + column * n + slot];
    };
    std::vector<Record> fresh(n, FreeRecord());
    for (std::size_t slot = 0; slot < n; ++slot) {
        if (at(kColNumberRepeat, slot) == kAbsent) continue;
        Record r = MailboxRecord("");
        bool same = HoldsMailbox(slot);
        for (std::size_t i = 0; i < 4; ++i)
            same = same && records[slot][At::number + i] == at(kColNumber + i, slot);
        if (same) r = records[slot]; // counters and messages stay with their mailbox
        r[At::attributes] = at(kColAttributes, slot);
        r[At::dnd] = at(kColDnd, slot);
        r[At::notify] = at(kColNotify, slot);
        for (std::size_t i = 0; i < 4; ++i) {
            r[At::password + i] = at(kColPassword + i, slot);
            r[At::number + i] = at(kColNumber + i, slot);
        }
        r[At::phoneLength] = at(kColPhoneLength, slot);
        for (std::size_t i = 0; i < CSimMailboxTable::phoneWidth; ++i)
            r[At::phone + i] = at(kColPhone + i, slot);
        r[At::pagerLength] = at(kColPagerLength, slot);
        for (std::size_t i = 0; i < CSimMailboxTable::pagerWidth; ++i)
            r[At::pager + i] = at(kColPager + i, slot);
        fresh[slot] = r;
    }
    records = std::move(fresh);

    std::size_t pos = 1 + kColumns * n;
    for (Group& g : groups) {
        const std::size_t count = std::min<std::size_t>(stream[pos], groupSize - 1);
        g.fill(0);
        std::size_t members = 0;
        for (std::size_t j = 0; j < count; ++j) {
            const std::uint8_t slotPlusOne = stream[pos + 1 + j];
            if (slotPlusOne == 0 || !HoldsMailbox(slotPlusOne - 1u)) continue;
            g[1 + members++] = static_cast<std::uint8_t>(slotPlusOne - 1);
        }
        g[0] = static_cast<std::uint8_t>(members);
        pos += groupSize;
    }
    for (std::uint16_t& c : calls) {
        c = static_cast<std::uint16_t>(stream[pos] << 8 | stream[pos + 1]);
        pos += 2;
    }
    TrimFreeTail();
    return true;
}

void CSimMailboxTable::Delete(std::size_t slot) {
    if (slot >= records.size()) return;
    records[slot] = FreeRecord();
    for (Group& g : groups) {
        Group kept{};
        std::size_t members = 0;
        for (std::size_t j = 0; j < g[0] && j + 1 < groupSize; ++j)
            if (g[1 + j] != slot) kept[1 + members++] = g[1 + j];
        kept[0] = static_cast<std::uint8_t>(members);
        g = kept;
    }
    TrimFreeTail();
}

void CSimMailboxTable::TrimFreeTail() {
    while (!records.empty() && !HoldsMailbox(records.size() - 1))
        records.pop_back();
}

} // namespace kiv::sim
