#pragma once
// The unit's usage figures and message lists as the user sees them, computed from the unit
// data a Read Parameters leaves in the document: flash memory use, calls per line, languages,
// product version, and the messages held in the mailboxes with their totals. The statistics
// dialogs and the configuration report both show these; neither talks to the unit.
//
// Every figure comes as its number (for a caller with its own layout) and, where the dialogs
// show it, as its display text.

#include "document/QelDoc.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kiv {

// --- "Generali" ----------------------------------------------------------------------------------

// What the general statistics are made of.
struct StatInputs {
    std::uint16_t totalSeconds = 0;     // flash recording time of the unit
    std::uint16_t remainingSeconds = 0; // flash recording time still free
    std::array<std::uint8_t, 4> lineState{};
    std::array<std::int32_t, 4> calls{};
    std::array<std::int32_t, 3> languageCode{255, 255, 255};
    std::string version;
};

// The unit status bytes (total and remaining flash time, line states), the call counters,
// the language codes and the unit's version.
StatInputs StatInputsOf(const CQelDoc& doc);

inline constexpr std::uint8_t kLineInService = 6;

// Flash memory in whole minutes; texts are hours and minutes, "%02d:%02d".
struct FlashUse {
    int totalMinutes = 0;
    int usedMinutes = 0;
    int remainingMinutes = 0;
    int percent = 0; // of the total in use, truncated; 0 for an empty total
    std::string total;
    std::string used;
    std::string remaining;
    std::string percentText; // "%d"
};

FlashUse ComputeFlashUse(std::uint16_t totalSeconds, std::uint16_t remainingSeconds);

struct LineCalls {
    int line = 0; // 1 to 4
    std::int32_t calls = 0;
};

// The lines in service (state 6), in line order, each with its counter.
std::vector<LineCalls> LinesInService(const std::array<std::uint8_t, 4>& lineState,
                                      const std::array<std::int32_t, 4>& calls);
// A row of the calls list.
std::string LineCallsRow(const LineCalls& line);

// Language slots that hold a language (code other than 255).
int LanguageCount(const std::array<std::int32_t, 3>& languageCode);
// The count as "%d", or "Nessuna" when no slot holds a language.
std::string LanguageCountText(const std::array<std::int32_t, 3>& languageCode);

// The version digits with "." after the first ("701" shows 7.01); empty stays empty.
std::string VersionText(const std::string& version);

struct GeneralStatistics {
    FlashUse flash;
    std::vector<LineCalls> lines;
    std::vector<std::string> lineRows; // LineCallsRow of each of `lines`
    std::string languages;
    std::string version;
};

GeneralStatistics ComputeGeneralStatistics(const StatInputs& inputs);

// --- Messages ------------------------------------------------------------------------------------

// Slot status bits.
inline constexpr std::uint8_t kMessageHeld = 0x80;
inline constexpr std::uint8_t kMessageArchived = 0x02;

// One message held in a mailbox of the unit.
struct UnitMessage {
    std::string mailbox; // the mailbox's number
    std::uint8_t status = 0;
    int day = 0;
    int month = 0;
    int hour = 0;
    int minute = 0;
    int seconds = 0; // length

    bool Archived() const { return (status & kMessageArchived) != 0; }
};

// Every message of the document's unit data: mailbox by mailbox as the unit listed them,
// within a mailbox slot by slot. A slot counts when its status says it holds a message and it
// names a message record the unit sent; anything past the records the unit sent is unit
// garbage and left out rather than read.
std::vector<UnitMessage> CollectMessages(const CQelDoc& doc);

// The messages of the mailboxes whose numbers are listed, in the order of `messages`.
std::vector<UnitMessage> MessagesOf(std::span<const UnitMessage> messages,
                                    std::span<const std::string> mailboxes);

// A message as the lists show it.
struct MessageRow {
    std::string date;   // day and month, "%02d/%02d"
    std::string time;   // hour and minute, "%02d:%02d"
    std::string length; // minutes and seconds, "%02d:%02d"
    std::string state;  // "Arch." or "Nuovo"
};

MessageRow MessageRowOf(const UnitMessage& message);

struct MessageTotals {
    int newCount = 0;
    int archivedCount = 0;
    int newSeconds = 0;
    int archivedSeconds = 0;

    int Count() const { return newCount + archivedCount; }
};

MessageTotals TotalsOf(std::span<const UnitMessage> messages);

// Hours, minutes and seconds, "%02d:%02d:%02d".
std::string HourMinuteSecondText(int seconds);

// The totals beside a message list, as shown.
struct MessageTotalTexts {
    std::string newLength = "00:00:00";
    std::string archivedLength = "00:00:00";
    std::string newCount = "0";
    std::string archivedCount = "0";
    std::string count = "0";
};

MessageTotalTexts TotalTextsOf(const MessageTotals& totals);

} // namespace kiv
