#include "unit/image/MailboxSection.h"

#include "document/DialCode.h"
#include "editors/MboxRefs.h"
#include "unit/image/Texts.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>

namespace kiv {

namespace {

constexpr std::uint8_t kAbsent = 0xFF;

// Section header: six clock bytes and the record count.
constexpr std::size_t kClockBytes = 6;
constexpr std::size_t kFirstRecord = 7;
constexpr std::size_t kShortestSection = 8;

namespace rec = mboxrec;

// Attribute bits (record byte 11).
constexpr std::uint8_t kVirtual = 0x80;
constexpr std::uint8_t kNoTimeStamp = 0x40;
constexpr std::uint8_t kThirdLanguage = 0x20;
constexpr std::uint8_t kSecondLanguage = 0x10;
constexpr std::uint8_t kAnnouncer = 0x08;
constexpr std::uint8_t kAttributeBits =
    kVirtual | kNoTimeStamp | kThirdLanguage | kSecondLanguage | kAnnouncer;
// Notification bits (record byte 14); bits 0-3 are the local notification 1-4.
constexpr std::uint8_t kAllowed = 0x80;
constexpr std::uint8_t kPhoneEnabled = 0x40;
constexpr std::uint8_t kPagerEnabled = 0x10;
constexpr std::uint8_t kLocalNotifyBits = 0x0F;
constexpr std::uint8_t kNotifyBits = kAllowed | kPhoneEnabled | kPagerEnabled | kLocalNotifyBits;

template <std::size_t N> std::string DigitText(const std::array<std::uint8_t, N>& digits) {
    std::string text;
    for (std::size_t i = 0; i < N && digits[i] <= 9; ++i)
        text.push_back(static_cast<char>('0' + digits[i]));
    return text;
}

std::string DigitText(std::span<const std::uint8_t> digits) {
    std::string text;
    for (std::size_t i = 0; i < digits.size() && digits[i] <= 9; ++i)
        text.push_back(static_cast<char>('0' + digits[i]));
    return text;
}

std::optional<int> NumberValue(const std::string& text) {
    int value = 0;
    if (text.empty()) return std::nullopt;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int Be16(std::span<const std::uint8_t> bytes, std::size_t off) {
    return bytes[off] << 8 | bytes[off + 1];
}

std::string NumberCodesText(std::span<const std::uint8_t> codes) {
    std::string text;
    if (codes.empty() || !DecodeNumberCodes(codes, text)) return {};
    return text;
}

// Digit values of the first `count` characters; 255 at other positions and for a character
// that is not a digit.
std::array<std::uint8_t, 4> Digits4(const std::string& text, std::size_t count) {
    std::array<std::uint8_t, 4> out;
    out.fill(kAbsent);
    for (std::size_t i = 0; i < std::min<std::size_t>(count, 4) && i < text.size(); ++i)
        if (text[i] >= '0' && text[i] <= '9') out[i] = static_cast<std::uint8_t>(text[i] - '0');
    return out;
}

template <std::size_t N>
void EncodeNumberField(const std::string& text, std::uint8_t& length,
                       std::array<std::uint8_t, N>& codes) {
    std::vector<std::uint8_t> coded;
    if (!EncodeNumberText(text, coded) || coded.size() > N) coded.clear();
    codes.fill(kAbsent);
    std::copy(coded.begin(), coded.end(), codes.begin());
    length = static_cast<std::uint8_t>(coded.size());
}

} // namespace

// --- Section -------------------------------------------------------------------------------------

bool MailboxSection::HoldsMailbox(std::size_t position) const {
    return position < records.size() && records[position][rec::kNumber] != kAbsent;
}

std::size_t MailboxSection::MailboxCount() const {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < records.size(); ++pos)
        count += HoldsMailbox(pos) ? 1 : 0;
    return count;
}

bool ParseMailboxSection(std::span<const std::uint8_t> bytes, MailboxSection& section,
                         std::string& error) {
    const auto fail = [&error] {
        error = texts::sectionLengthError;
        return false;
    };
    // Too short for the clock and the record count, let alone anything after them.
    if (bytes.size() < 2 || bytes.size() < kShortestSection) return fail();

    MailboxSection out;
    std::copy_n(bytes.begin(), kClockBytes, out.clock.begin());
    const std::size_t recordCount = bytes[kClockBytes];
    if (recordCount > kUnitSlots) return fail();
    std::size_t pos = kFirstRecord;
    const auto take = [&](std::size_t count) {
        if (count > bytes.size() - pos) return false;
        pos += count;
        return true;
    };
    out.records.resize(recordCount);
    for (auto& record : out.records) {
        const std::size_t at = pos;
        if (!take(kMailboxRecordSize)) return fail();
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), record.size(), record.begin());
    }
    std::size_t at = pos;
    if (!take(2)) return fail();
    const std::size_t messageCount = static_cast<std::size_t>(Be16(bytes, at));
    if (messageCount > kMaxMessageRecords) return fail();
    out.messages.resize(messageCount);
    for (auto& message : out.messages) {
        at = pos;
        if (!take(kMessageRecordSize)) return fail();
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), message.size(),
                    message.begin());
    }
    at = pos;
    if (!take(1)) return fail();
    out.groups.resize(bytes[at]);
    for (auto& group : out.groups) {
        at = pos;
        if (!take(kGroupBlockSize)) return fail();
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), group.size(), group.begin());
    }
    at = pos;
    if (!take(2 * out.calls.size()) || pos != bytes.size()) return fail();
    for (std::size_t line = 0; line < out.calls.size(); ++line)
        out.calls[line] = static_cast<std::uint16_t>(Be16(bytes, at + 2 * line));
    section = std::move(out);
    return true;
}

MboxRecord DecodeMailboxRecord(const MailboxRecordBytes& r, std::uint8_t position) {
    MboxRecord m;
    const std::span<const std::uint8_t> bytes(r);
    m.number = DigitText(bytes.subspan(rec::kNumber, 4));
    m.password = DigitText(bytes.subspan(rec::kPassword, 4));
    m.aux1 = Be16(bytes, rec::kFourthCounter) != 0 ? 1 : 0;
    m.aux2 = Be16(bytes, rec::kSecondCounter) != 0 ? 1 : 0;
    m.dnd = r[rec::kDnd] != kAbsent ? 1 : 0;

    const std::uint8_t attributes = r[rec::kAttributes];
    m.type = attributes & kVirtual ? 1 : 0;
    m.timeStamp = attributes & kNoTimeStamp ? 0 : 1;
    m.language = attributes & kThirdLanguage ? 2 : attributes & kSecondLanguage ? 1 : 0;
    m.announcer = attributes & kAnnouncer ? 1 : 0;

    const std::uint8_t notify = r[rec::kNotify];
    m.localNotify = 0;
    for (int bit = 0; bit < 4; ++bit)
        if (notify & (1 << bit)) {
            m.localNotify = bit + 1;
            break;
        }
    m.allowed = notify & kAllowed ? 1 : 0;
    m.phoneEnabled = notify & kPhoneEnabled ? 1 : 0;
    m.pagerEnabled = notify & kPagerEnabled ? 1 : 0;

    const std::size_t phoneLength = std::min<std::size_t>(r[rec::kPhoneLength], rec::kPhoneWidth);
    const std::size_t pagerLength = std::min<std::size_t>(r[rec::kPagerLength], rec::kPagerWidth);
    m.phone = NumberCodesText(bytes.subspan(rec::kPhone, phoneLength));
    m.pager = NumberCodesText(bytes.subspan(rec::kPager, pagerLength));
    m.slot = position;
    return m;
}

void ApplyMailboxSection(const MailboxSection& section, CQelDoc& doc) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < section.records.size() && pos < kUnitSlots; ++pos) {
        if (!section.HoldsMailbox(pos)) continue;
        doc.mailboxes[count] =
            DecodeMailboxRecord(section.records[pos], static_cast<std::uint8_t>(pos));
        doc.msgMboxData[count].fill(0);
        std::copy(section.records[pos].begin(), section.records[pos].end(),
                  doc.msgMboxData[count].begin());
        ++count;
    }
    for (std::size_t i = count; i < doc.mailboxes.size(); ++i) {
        doc.mailboxes[i] = MboxRecord{};
        doc.msgMboxData[i].fill(0);
    }
    doc.mboxCount = static_cast<std::int32_t>(count);
    doc.msgMboxCount = static_cast<std::int32_t>(count);

    const std::size_t messages = std::min(section.messages.size(), doc.msgData.size());
    for (std::size_t j = 0; j < doc.msgData.size(); ++j) {
        doc.msgData[j].fill(0);
        if (j < messages)
            std::copy(section.messages[j].begin(), section.messages[j].end(),
                      doc.msgData[j].begin());
    }
    doc.msgCount = static_cast<std::int32_t>(messages);

    for (std::size_t g = 0; g < kUnitGroups; ++g) {
        MboxGroup group;
        if (g < section.groups.size()) {
            const GroupBlockBytes& block = section.groups[g];
            const std::size_t members = std::min<std::size_t>(block[0], group.members.size());
            for (std::size_t j = 0; j < members; ++j) {
                const std::size_t pos = block[1 + j];
                if (!section.HoldsMailbox(pos)) continue;
                const auto number = NumberValue(DigitText(
                    std::span<const std::uint8_t>(section.records[pos]).subspan(rec::kNumber, 4)));
                if (number) group.members[group.memberCount++] = *number;
            }
        }
        doc.groups[g] = group;
    }
    for (std::size_t line = 0; line < doc.callsPerLine.size(); ++line)
        doc.callsPerLine[line] = section.calls[line];
}

// --- Clock ---------------------------------------------------------------------------------------

ClockBytes EncodeClock(const LocalTime& t) {
    const int year = t.year >= 2000 ? t.year - 2000 : t.year - 1900;
    return {static_cast<std::uint8_t>(t.minute),  static_cast<std::uint8_t>(t.hour),
            static_cast<std::uint8_t>(t.weekday), static_cast<std::uint8_t>(t.day),
            static_cast<std::uint8_t>(t.month),   static_cast<std::uint8_t>(std::max(year, 0))};
}

LocalTime DecodeClock(const ClockBytes& b) {
    LocalTime t;
    t.minute = b[0];
    t.hour = b[1];
    t.weekday = b[2];
    t.day = b[3];
    t.month = b[4];
    t.year = b[5] < 71 ? 2000 + b[5] : 1900 + b[5];
    t.second = 0;
    return t;
}

LocalTime AdvanceLocalTime(const LocalTime& time, std::int64_t seconds) {
    LocalTime out = CivilFromSeconds(SecondsFromCivil(time) + seconds);
    const std::int64_t days = DaysFromCivil(out.year, out.month, out.day) -
                              DaysFromCivil(time.year, time.month, time.day);
    if (days == 0) {
        out.weekday = time.weekday;
    } else {
        const std::int64_t w = ((time.weekday - 1 + days) % 7 + 7) % 7;
        out.weekday = static_cast<int>(w + 1);
    }
    return out;
}

LocalTime UnitClockAt(const CQelDoc& doc, std::int64_t now) {
    return AdvanceLocalTime(doc.ClockTime(), now - doc.clockReference);
}

// --- Deletion list -------------------------------------------------------------------------------

std::vector<std::uint8_t> DeletionListBytes(std::vector<int> positions) {
    std::sort(positions.begin(), positions.end(), std::greater<>());
    std::vector<std::uint8_t> bytes{static_cast<std::uint8_t>(positions.size())};
    for (int p : positions)
        bytes.push_back(static_cast<std::uint8_t>(p));
    return bytes;
}

// --- Staging slots and stream --------------------------------------------------------------------

MailboxSlot::MailboxSlot() {
    password.fill(kAbsent);
    numberRepeat.fill(kAbsent);
    number.fill(kAbsent);
    phone.fill(kAbsent);
    pager.fill(kAbsent);
}

std::string MailboxSlot::NumberText() const {
    return DigitText(number);
}

StagingSlots StagingFromSection(const MailboxSection& section) {
    StagingSlots slots;
    for (std::size_t pos = 0; pos < section.records.size() && pos < slots.size(); ++pos) {
        const MailboxRecordBytes& r = section.records[pos];
        MailboxSlot& s = slots[pos];
        s.attributes = r[rec::kAttributes];
        s.dnd = r[rec::kDnd];
        s.notify = r[rec::kNotify];
        std::copy_n(r.begin() + rec::kPassword, 4, s.password.begin());
        std::copy_n(r.begin() + rec::kNumber, 4, s.number.begin());
        s.numberRepeat = s.number;
        s.phoneLength = r[rec::kPhoneLength];
        std::copy_n(r.begin() + rec::kPhone, s.phone.size(), s.phone.begin());
        s.pagerLength = r[rec::kPagerLength];
        std::copy_n(r.begin() + rec::kPager, s.pager.size(), s.pager.begin());
    }
    return slots;
}

MailboxSlot EncodeMailboxSlot(const MboxRecord& m, int extDigits, const MailboxSlot* unitSlot) {
    MailboxSlot s;
    const std::uint8_t keptAttributes = unitSlot ? unitSlot->attributes & ~kAttributeBits : 0;
    const std::uint8_t keptNotify = unitSlot ? unitSlot->notify & ~kNotifyBits : 0;

    std::uint8_t attributes = keptAttributes;
    if (m.type != 0) attributes |= kVirtual;
    if (m.timeStamp == 0) attributes |= kNoTimeStamp;
    if (m.language == 1) attributes |= kSecondLanguage;
    if (m.language == 2) attributes |= kThirdLanguage;
    if (m.announcer != 0) attributes |= kAnnouncer;
    s.attributes = attributes;

    s.dnd = m.dnd != 0 ? 0 : kAbsent;

    std::uint8_t notify = keptNotify;
    if (m.localNotify >= 1 && m.localNotify <= 4)
        notify |= static_cast<std::uint8_t>(1 << (m.localNotify - 1));
    if (m.allowed != 0) notify |= kAllowed;
    if (m.phoneEnabled != 0) notify |= kPhoneEnabled;
    if (m.pagerEnabled != 0) notify |= kPagerEnabled;
    s.notify = notify;

    s.password = Digits4(m.password, 4);
    s.number = Digits4(m.number, static_cast<std::size_t>(std::clamp(extDigits, 0, 4)));
    s.numberRepeat = s.number;
    EncodeNumberField(m.phone, s.phoneLength, s.phone);
    EncodeNumberField(m.pager, s.pagerLength, s.pager);
    return s;
}

std::vector<std::uint8_t> BuildMailboxStream(const CQelDoc& doc, const StagingSlots& slots,
                                             std::size_t length) {
    length = std::min(length, slots.size());
    const auto first = slots.begin();
    const auto last = slots.begin() + static_cast<std::ptrdiff_t>(length);
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(length)};
    const auto column = [&](auto byteOf) {
        for (auto it = first; it != last; ++it)
            out.push_back(byteOf(*it));
    };
    column([](const MailboxSlot& s) { return s.attributes; });
    column([](const MailboxSlot& s) { return s.dnd; });
    column([](const MailboxSlot& s) { return s.notify; });
    for (std::size_t i = 0; i < 4; ++i)
        column([i](const MailboxSlot& s) { return s.password[i]; });
    for (std::size_t i = 0; i < 4; ++i)
        column([i](const MailboxSlot& s) { return s.numberRepeat[i]; });
    for (std::size_t i = 0; i < 4; ++i)
        column([i](const MailboxSlot& s) { return s.number[i]; });
    column([](const MailboxSlot& s) { return s.phoneLength; });
    for (std::size_t i = 0; i < rec::kPhoneWidth; ++i)
        column([i](const MailboxSlot& s) { return s.phone[i]; });
    column([](const MailboxSlot& s) { return s.pagerLength; });
    for (std::size_t i = 0; i < rec::kPagerWidth; ++i)
        column([i](const MailboxSlot& s) { return s.pager[i]; });

    for (std::size_t g = 0; g < kUnitGroups; ++g) {
        const MboxGroup& group = doc.groups[g];
        const std::size_t members = std::min<std::size_t>(group.memberCount, group.members.size());
        out.push_back(static_cast<std::uint8_t>(members));
        for (std::size_t j = 0; j < group.members.size(); ++j) {
            std::uint8_t slotPlusOne = 0;
            for (std::size_t pos = 0; j < members && pos < length; ++pos)
                if (!slots[pos].IsFree() &&
                    NumberValue(slots[pos].NumberText()) == group.members[j]) {
                    slotPlusOne = static_cast<std::uint8_t>(pos + 1);
                    break;
                }
            out.push_back(slotPlusOne);
        }
    }
    for (std::int32_t calls : doc.callsPerLine) {
        out.push_back(static_cast<std::uint8_t>((calls >> 8) & 0xFF));
        out.push_back(static_cast<std::uint8_t>(calls & 0xFF));
    }
    return out;
}

// --- Reconciliation ------------------------------------------------------------------------------

MailboxReconciliation ReconcileMailboxes(const CQelDoc& config, const MailboxSection& unit,
                                         int largestPosition) {
    MailboxReconciliation plan;
    const std::size_t count =
        static_cast<std::size_t>(std::clamp<std::int32_t>(config.mboxCount, 0, kUnitSlots));

    struct UnitMailbox {
        std::size_t position;
        std::string number;
        bool taken = false;
    };
    std::vector<UnitMailbox> held;
    for (std::size_t pos = 0; pos < unit.records.size(); ++pos)
        if (unit.HoldsMailbox(pos))
            held.push_back({pos, DecodeMailboxRecord(unit.records[pos], 0).number});

    for (const UnitMailbox& u : held) {
        const auto first = config.mailboxes.begin();
        const bool kept = std::any_of(first, first + static_cast<std::ptrdiff_t>(count),
                                      [&u](const MboxRecord& m) { return m.number == u.number; });
        if (!kept) plan.deletions.push_back(static_cast<int>(u.position));
    }
    plan.askBeforeDeleting = !plan.deletions.empty();
    std::sort(plan.deletions.begin(), plan.deletions.end(), std::greater<>());

    std::size_t next = held.empty() ? 0 : held.back().position + 1;
    plan.listLength = next;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string& number = config.mailboxes[i].number;
        const auto match = std::find_if(held.begin(), held.end(), [&number](const UnitMailbox& u) {
            return !u.taken && u.number == number;
        });
        if (match != held.end()) {
            match->taken = true;
            plan.positions.push_back(static_cast<int>(match->position));
            plan.inUnit.push_back(true);
            continue;
        }
        if (static_cast<std::int64_t>(next) >= static_cast<std::int64_t>(largestPosition) - 1) {
            plan.error = texts::mailboxesMisconfigured;
            plan.positions.push_back(-1);
            plan.inUnit.push_back(false);
            continue;
        }
        plan.positions.push_back(static_cast<int>(next));
        plan.inUnit.push_back(false);
        plan.listLength = ++next;
    }
    return plan;
}

MailboxSend PrepareMailboxSend(CQelDoc& config, const MailboxSection& unit,
                               const MailboxReconciliation& plan, int largestPosition) {
    MailboxSend send;
    const StagingSlots unitSlots = StagingFromSection(unit);
    send.staging = unitSlots;
    send.length = std::min(plan.listLength, send.staging.size());
    const std::size_t count = std::min(
        {static_cast<std::size_t>(std::clamp<std::int32_t>(config.mboxCount, 0, kUnitSlots)),
         plan.positions.size(), plan.inUnit.size()});

    std::vector<std::uint8_t> oldSlots;
    for (std::size_t i = 0; i < count; ++i) {
        oldSlots.push_back(config.mailboxes[i].slot);
        const int pos = plan.positions[i];
        config.mailboxes[i].slot =
            pos >= 0 && pos < static_cast<int>(kUnitSlots) ? static_cast<std::uint8_t>(pos) : 255;
    }

    // Placement: every slot free, then the mailboxes by their slots, then the rest in the
    // lowest free slots.
    for (MailboxSlot& s : send.staging)
        s.numberRepeat[0] = kAbsent;
    const std::size_t limit =
        static_cast<std::size_t>(std::clamp<int>(largestPosition, 0, kUnitSlots));
    std::vector<bool> used(send.staging.size(), false);
    std::vector<bool> placed(count, false);
    const auto place = [&](std::size_t i, std::size_t pos, bool inUnit) {
        const MailboxSlot* unitSlot = inUnit && unit.HoldsMailbox(pos) ? &unitSlots[pos] : nullptr;
        send.staging[pos] = EncodeMailboxSlot(config.mailboxes[i], config.extDigits, unitSlot);
        config.mailboxes[i].slot = static_cast<std::uint8_t>(pos);
        used[pos] = placed[i] = true;
        send.length = std::max(send.length, pos + 1);
    };
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t pos = config.mailboxes[i].slot;
        if (pos < limit && !used[pos]) place(i, pos, plan.inUnit[i]);
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (placed[i]) continue;
        const auto freeSlot =
            std::find(used.begin(), used.begin() + static_cast<std::ptrdiff_t>(limit), false);
        if (freeSlot == used.begin() + static_cast<std::ptrdiff_t>(limit)) {
            config.mailboxes[i].slot = 255;
            continue;
        }
        place(i, static_cast<std::size_t>(freeSlot - used.begin()), false);
    }

    // References: old slot -> mailbox number -> its position among the staging slots. The
    // first mailbox that held an old slot decides it; a number the staging slots lack leaves
    // the references to that slot as they are. Every key row is rewritten, the operator
    // key's included: the unit gets the table as it is stored.
    editors::CSlotMap map;
    std::array<bool, 256> decided{};
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t oldSlot = oldSlots[i];
        if (oldSlot == kAbsent || decided[oldSlot]) continue;
        decided[oldSlot] = true;
        const std::string& number = config.mailboxes[i].number;
        for (std::size_t pos = 0; pos < send.length; ++pos)
            if (!send.staging[pos].IsFree() && send.staging[pos].NumberText() == number) {
                map.Set(oldSlot, static_cast<std::uint8_t>(pos));
                break;
            }
    }
    editors::RewritePageRefs(config.pages, -1, map);
    editors::RewriteInBandRefs(config.inBand, map);

    send.stream = BuildMailboxStream(config, send.staging, send.length);
    send.deletionList = DeletionListBytes(plan.deletions);
    return send;
}

} // namespace kiv
