#pragma once
// What the simulated unit is: its identity, its memory geometry, how it
// behaves on the line (busy, slow) and which faults it injects.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kiv::sim {

// A fault applied to the replies of one command.
struct SimFault {
    enum class Kind {
        Silence,    // the reply is not sent at all
        Short,      // only the first `value` bytes are sent
        WrongFirst, // the first byte is replaced by `value`
        Corrupt,    // the byte at index `value` is inverted
        Refuse,     // a block is answered with `value` instead of 'S' (image reception)
    };
    Kind kind = Kind::Silence;
    // Reply it applies to: 'R' status, 'V' identification, 'C' mailbox length,
    // 'N' a section, memory block or page sent after "S", 'G' the "$$S"
    // geometry, 'H' the header acknowledgement, 'B' a block (or unit, or page)
    // acknowledgement, 'A' the length reply of "$$B" and "$$E", 'I' / 'J' the
    // geometry answering "$$I" / "$$J", 'P' a page's block count and
    // descriptor, 'D' the readiness for a page's chunks; 0 = every reply.
    char target = 0;
    int value = 0;
    int times = -1; // how many replies it hits; -1 = all
};

struct CSimConfig {
    int productCode = 16;
    std::array<std::uint8_t, 3> version{7, 6, 0};
    std::string password = "1234"; // up to eight digits
    std::array<std::uint8_t, 3> languages{1, 2, 255};
    std::array<std::uint8_t, 4> lineStates{6, 6, 6, 6};
    std::uint16_t flashTotalSeconds = 3600;
    std::uint16_t flashRemainingSeconds = 3000;

    // Memory geometry reported in the status reply.
    std::uint8_t memoryFactor = 1;
    std::uint16_t pageAreaLength = 4096;
    // The page area's length that "$$B" and "$$E" give, when it differs from
    // the status's (a unit may hand out and take fewer pages than it counts).
    std::optional<std::uint16_t> pagesLength;
    std::uint16_t PagesLength() const { return pagesLength.value_or(pageAreaLength); }
    std::uint16_t memoryBlocks = 2048;
    // Each parameter section is sectionBlocks x blockSize bytes: 16384, room
    // for the whole parameter image.
    std::uint8_t sectionBlocks = 32; // s8, blocks of each parameter section
    std::uint16_t blockSize = 512;   // s9, s10
    std::uint8_t divisor = 8;        // s19

    // The first busyProbes status requests are answered with busyByte.
    int busyProbes = 0;
    std::uint8_t busyByte = 0x01;

    // Delay before the first byte of a reply, and between its bytes (the
    // line's byte time: 1/960 s models a 9600-baud line).
    std::chrono::milliseconds replyDelay{0};
    std::chrono::nanoseconds byteDelay{0};
    // The system's bytes, too, reach the unit no faster than one per byteDelay.
    bool paceReceived = false;

    // Mailboxes the unit holds at start, by number, in slots 0, 1, ...; and
    // how many messages each holds.
    std::vector<std::string> mailboxes;
    int messagesPerMailbox = 0;
    // Calls answered on lines 1 to 4.
    std::array<std::uint16_t, 4> calls{0, 0, 0, 0};
    // The unit clock at start: minute, hour, weekday (1 Monday), day, month,
    // two-digit year.
    std::array<std::uint8_t, 6> clock{0, 9, 1, 5, 1, 26};

    // Parameter section (1 or 2) sent with a wrong checksum; 0 none.
    int badChecksumSection = 0;
    // When not negative, the "$$C" section is cut or padded with zeros to
    // this many bytes.
    int mailboxSectionLength = -1;

    // Page recordings: the unit's answer to "$$I" and "$$J" (r0, r1, then
    // sub-blocks per block r2 and the unit size), and the pages recorded at
    // start, by page index, with their number of blocks (filled with a
    // pattern of the page's own).
    std::array<std::uint8_t, 2> recordingGeometry{0x03, 0x07};
    std::uint8_t recordingSubBlocks = 2;
    std::uint16_t recordingUnitSize = 256;
    std::vector<std::pair<int, int>> recordings;

    std::vector<SimFault> faults;

    // The line rate the unit speaks. Bytes that come over a line set to
    // another rate are not heard: the unit stays silent until the port closes.
    int lineRate = 9600;

    // The pauses the unit needs to store what it was sent (2000 ms after
    // "$$D", after each deleted position, after the image and the mailbox
    // stream; 500 ms after the clock) and to take the attention byte that
    // opens a restore's "$$S" (200 ms of quiet before and after it, 150 ms
    // taken as kept), multiplied by pauseScale. A byte that comes sooner is
    // not heard, and the unit stays silent until the port closes. 0 checks
    // no pause.
    double pauseScale = 0.0;
    // Also requires the line quiet for 100 ms (scaled) before and after
    // "$$X": the pauses around the sign-off of an abandoned send.
    bool quietAroundSignOff = false;
};

// Parses "kind:target[:value[:times]]", e.g. "silence:V", "short:R:5",
// "wrong:V:0x11", "corrupt:N:10:1", "refuse:B:0x4E:1". Empty string on
// success, else what is wrong.
std::string ParseFault(const std::string& text, SimFault& fault);
// Parses a list of small numbers, e.g. "7,6,0" or "1,2,255".
bool ParseByteList(const std::string& text, std::vector<std::uint8_t>& out);

} // namespace kiv::sim
