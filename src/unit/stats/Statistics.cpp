#include "unit/stats/Statistics.h"

#include "document/TimeText.h"
#include "unit/image/MailboxSection.h"
#include "unit/stats/Texts.h"

#include <algorithm>
#include <cstdio>

namespace kiv {

namespace {

constexpr std::uint8_t kNoLanguage = 255;
// The unit counts message length in steps of 1/33 s.
constexpr int kLengthStepsPerSecond = 33;
// Message slots of a mailbox record.
constexpr std::size_t kMessageSlots = 50;

// Offsets of the unit status bytes (s0 ... s18) that the statistics read.
constexpr std::size_t kFlashTotal = 11;     // s11, s12
constexpr std::size_t kFlashRemaining = 13; // s13, s14
constexpr std::size_t kLineStates = 15;     // s15 ... s18

// Offsets within a message record.
constexpr std::size_t kMsgLength = 3; // 16-bit big-endian
constexpr std::size_t kMsgHour = 10;
constexpr std::size_t kMsgMinute = 11;
constexpr std::size_t kMsgMonth = 12;
constexpr std::size_t kMsgDay = 13;

std::uint16_t Be16(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>(high << 8 | low);
}

std::string IntText(long value) {
    return std::to_string(value);
}

// The mailbox number its record's four digits spell (up to the first that is no digit).
std::string RecordNumber(const std::array<std::uint8_t, 352>& record) {
    std::string number;
    for (std::size_t i = 0; i < 4 && record[mboxrec::kNumber + i] <= 9; ++i)
        number.push_back(static_cast<char>('0' + record[mboxrec::kNumber + i]));
    return number;
}

} // namespace

StatInputs StatInputsOf(const CQelDoc& doc) {
    StatInputs in;
    const auto& s = doc.unitStatus;
    in.totalSeconds = Be16(s[kFlashTotal], s[kFlashTotal + 1]);
    in.remainingSeconds = Be16(s[kFlashRemaining], s[kFlashRemaining + 1]);
    for (std::size_t line = 0; line < 4; ++line)
        in.lineState[line] = s[kLineStates + line];
    in.calls = doc.callsPerLine;
    in.languageCode = doc.languageCode;
    in.version = doc.unitVersion;
    return in;
}

FlashUse ComputeFlashUse(std::uint16_t totalSeconds, std::uint16_t remainingSeconds) {
    FlashUse use;
    use.totalMinutes = totalSeconds / 60;
    use.remainingMinutes = remainingSeconds / 60;
    // A unit reporting more free than total time has nothing in use, rather than a
    // negative amount.
    use.usedMinutes = std::max(use.totalMinutes - use.remainingMinutes, 0);
    if (use.totalMinutes != 0)
        use.percent = static_cast<int>(static_cast<double>(use.usedMinutes) * 100.0 /
                                       static_cast<double>(use.totalMinutes));
    use.total = TimeText(use.totalMinutes);
    use.used = TimeText(use.usedMinutes);
    use.remaining = TimeText(use.remainingMinutes);
    use.percentText = IntText(use.percent);
    return use;
}

std::vector<LineCalls> LinesInService(const std::array<std::uint8_t, 4>& lineState,
                                      const std::array<std::int32_t, 4>& calls) {
    std::vector<LineCalls> lines;
    for (std::size_t i = 0; i < lineState.size(); ++i)
        if (lineState[i] == kLineInService)
            lines.push_back(LineCalls{static_cast<int>(i) + 1, calls[i]});
    return lines;
}

std::string LineCallsRow(const LineCalls& line) {
    char buf[96];
    std::snprintf(buf, sizeof buf, texts::statLineRowFormat, line.line, line.calls);
    return buf;
}

int LanguageCount(const std::array<std::int32_t, 3>& languageCode) {
    return static_cast<int>(std::count_if(languageCode.begin(), languageCode.end(),
                                          [](std::int32_t code) { return code != kNoLanguage; }));
}

std::string LanguageCountText(const std::array<std::int32_t, 3>& languageCode) {
    const int count = LanguageCount(languageCode);
    return count == 0 ? std::string(texts::statNoLanguage) : IntText(count);
}

std::string VersionText(const std::string& version) {
    if (version.empty()) return version;
    return version.substr(0, 1) + "." + version.substr(1);
}

GeneralStatistics ComputeGeneralStatistics(const StatInputs& inputs) {
    GeneralStatistics stats;
    stats.flash = ComputeFlashUse(inputs.totalSeconds, inputs.remainingSeconds);
    stats.lines = LinesInService(inputs.lineState, inputs.calls);
    for (const LineCalls& line : stats.lines)
        stats.lineRows.push_back(LineCallsRow(line));
    stats.languages = LanguageCountText(inputs.languageCode);
    stats.version = VersionText(inputs.version);
    return stats;
}

std::vector<UnitMessage> CollectMessages(const CQelDoc& doc) {
    std::vector<UnitMessage> messages;
    const std::size_t mailboxes = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(doc.msgMboxCount, 0)), doc.msgMboxData.size());
    const std::size_t records = std::min<std::size_t>(
        static_cast<std::size_t>(std::max(doc.msgCount, 0)), doc.msgData.size());
    for (std::size_t m = 0; m < mailboxes; ++m) {
        const auto& record = doc.msgMboxData[m];
        const std::size_t slots = std::min<std::size_t>(
            record[mboxrec::kMessageCounts] + record[mboxrec::kMessageCounts + 1], kMessageSlots);
        const std::string number = RecordNumber(record);
        for (std::size_t slot = 0; slot < slots; ++slot) {
            const std::uint8_t status = record[mboxrec::kSlotStatus + slot];
            if ((status & kMessageHeld) == 0) continue;
            const std::size_t index = Be16(record[mboxrec::kSlotIndex + 2 * slot],
                                           record[mboxrec::kSlotIndex + 2 * slot + 1]);
            if (index >= records) continue;
            const auto& msg = doc.msgData[index];
            UnitMessage message;
            message.mailbox = number;
            message.status = status;
            message.day = msg[kMsgDay];
            message.month = msg[kMsgMonth];
            message.hour = msg[kMsgHour];
            message.minute = msg[kMsgMinute];
            message.seconds = Be16(msg[kMsgLength], msg[kMsgLength + 1]) / kLengthStepsPerSecond;
            messages.push_back(std::move(message));
        }
    }
    return messages;
}

std::vector<UnitMessage> MessagesOf(std::span<const UnitMessage> messages,
                                    std::span<const std::string> mailboxes) {
    std::vector<UnitMessage> chosen;
    for (const UnitMessage& message : messages)
        if (std::find(mailboxes.begin(), mailboxes.end(), message.mailbox) != mailboxes.end())
            chosen.push_back(message);
    return chosen;
}

MessageRow MessageRowOf(const UnitMessage& message) {
    return MessageRow{DayMonthText(message.day, message.month),
                      HourMinuteText(message.hour, message.minute), TimeText(message.seconds),
                      message.Archived() ? texts::msgArchived : texts::msgNew};
}

MessageTotals TotalsOf(std::span<const UnitMessage> messages) {
    MessageTotals totals;
    for (const UnitMessage& message : messages) {
        if (message.Archived()) {
            ++totals.archivedCount;
            totals.archivedSeconds += message.seconds;
        } else {
            ++totals.newCount;
            totals.newSeconds += message.seconds;
        }
    }
    return totals;
}

std::string HourMinuteSecondText(int seconds) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return buf;
}

MessageTotalTexts TotalTextsOf(const MessageTotals& totals) {
    MessageTotalTexts t;
    t.newLength = HourMinuteSecondText(totals.newSeconds);
    t.archivedLength = HourMinuteSecondText(totals.archivedSeconds);
    t.newCount = IntText(totals.newCount);
    t.archivedCount = IntText(totals.archivedCount);
    t.count = IntText(totals.Count());
    return t;
}

} // namespace kiv
