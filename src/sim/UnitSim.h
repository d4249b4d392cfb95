#pragma once
// The unit's side of the serial protocol as a state machine: bytes in, bytes
// out, each outgoing byte due at a moment (reply delays). No I/O here: the
// unitsim program serves it on a pseudo-terminal, tests drive it directly.
//
// Commands are dispatched from a table by their letter ("$$R" -> 'R'); an
// exchange that takes data from the system installs a receiver that gets the
// following bytes until it is done. New exchanges are new table entries and
// receivers over the same memory.
//
// It is as strict as a unit: a command marked for the attention byte is
// heard only after "E"; the image header is taken only as the unit expects
// it; bytes on a line that is not at the unit's rate are not heard; a byte
// that comes before the unit has finished storing what it was sent (the
// pauses of the send) is not heard; and neither is the attention byte of a
// restore without the quiet it wants before and after it. In the last three
// cases the unit falls silent until the port closes, and the log says why.

#include "sim/SimConfig.h"
#include "sim/SimMailboxTable.h"

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kiv::sim {

// What the unit stores.
struct CSimMemory {
    std::vector<std::uint8_t> section1; // first parameter section
    std::vector<std::uint8_t> section2; // second parameter section (the image)
    CSimMailboxTable mailboxes;         // served by "$$C"
    std::array<std::uint8_t, 5> imageHeader{};
    int imagesReceived = 0;
    std::vector<std::uint8_t> mailboxStream; // last stream received with "$$U"
    std::array<std::uint8_t, 6> clock{};     // minute, hour, weekday, day, month, year
    // When the clock was last set; it runs on from there.
    std::optional<std::chrono::steady_clock::time_point> clockSetAt;
    std::vector<std::uint8_t> deletions; // last deletion list received with "$$D"

    // The whole memory as a backup sees it: N blocks of K x U bytes, the
    // first two being the parameter sections; blocks 2 and on as written by
    // a restore or an initialization (a fixed pattern until then).
    std::map<std::size_t, std::vector<std::uint8_t>> blocks;
    std::vector<std::uint8_t> pageArea; // A bytes (a fixed pattern until written)
    int restoresReceived = 0;           // restores whose blocks and pages all came
    int systemImagesReceived = 0;       // system images whose units all came
    // Page recordings by page index 0..38; a page not here has none.
    struct Recording {
        std::array<std::uint8_t, 68> descriptor{};
        std::uint8_t blocks = 0;
        std::vector<std::uint8_t> data; // blocks x sub-blocks x unit size
    };
    std::map<int, Recording> recordings;
    int recordingsReceived = 0;
};

class CUnitSim {
  public:
    using Clock = std::chrono::steady_clock;
    using Time = Clock::time_point;
    // Handles a command; attention tells whether "E" came just before it.
    using CommandHandler = std::function<void(CUnitSim&, bool attention, Time now)>;
    // Takes one byte of an exchange; returns false once it wants no more.
    using Receiver = std::function<bool(CUnitSim&, std::uint8_t byte, Time now)>;

    explicit CUnitSim(CSimConfig config);

    // Bytes from the system, come off the line by `now`. `since`, when
    // given, is the earliest moment they may have come (the line was last
    // seen empty then); pauses are judged against the widest gap the two
    // allow, so a late look at the line never makes a kept pause look short.
    void Receive(const std::uint8_t* data, std::size_t count, Time now,
                 std::optional<Time> since = std::nullopt);
    // The rate the line is set to, in baud, as the port side sees it.
    void SetLineRate(int baud) { lineRate_ = baud; }
    // The system released the port (break): the exchange in progress and any
    // reply not yet sent are dropped.
    void LineBreak();

    // Reply bytes due by now, in order.
    std::vector<std::uint8_t> TakeDue(Time now);
    // When the next reply byte is due, if any is waiting.
    std::optional<Time> NextDue() const;

    CSimConfig& Config() { return config_; }
    CSimMemory& Memory() { return memory_; }
    // One entry per command heard: "E$$R", "$$X", "S", ...
    const std::vector<std::string>& Log() const { return log_; }
    void Note(const std::string& entry);
    // Called with every log entry as it is made (unitsim --verbose).
    std::function<void(const std::string&)> onLog;

    std::vector<std::uint8_t> StatusBytes() const; // the 20 bytes after 0x14
    std::vector<std::uint8_t> IdentBytes() const;  // the 16 bytes after 0x10

    // Queues a reply, applying the faults aimed at target and the delays.
    void Send(std::vector<std::uint8_t> bytes, char target, Time now);
    // Installs the receiver for the bytes that follow.
    void Expect(Receiver receiver) { receiver_ = std::move(receiver); }
    void SetCommand(char letter, CommandHandler handler) { commands_[letter] = std::move(handler); }
    // Sections the unit hands out, one per "S", until the next command.
    void QueueSections(std::deque<std::vector<std::uint8_t>> sections) {
        pending_ = std::move(sections);
    }

    std::size_t SectionLength() const;
    // Block k of the memory (k x U bytes), and the page area.
    std::vector<std::uint8_t> MemoryBlock(std::size_t k) const;
    std::vector<std::uint8_t>& PageArea();
    // The "$$C" section as the unit would send it at `now`.
    std::vector<std::uint8_t> MailboxSectionBytes(Time now);

  private:
    // False when the byte is not heard: the unit is silent, the line is at
    // another rate, or a pause was not kept.
    bool Hears(Time now);
    void FallSilent(const std::string& why);
    // The unit stores for `pause` (scaled) from `from` and hears nothing before.
    void StoreFor(std::chrono::milliseconds pause, Time from, const std::string& what);
    // A pause of the protocol at the configured scale.
    Clock::duration Scaled(std::chrono::milliseconds pause) const;
    // The quiet before the attention byte of the command being heard, and
    // between that byte and the command; unknown when nothing came before.
    struct AttentionPauses {
        std::optional<Clock::duration> before;
        std::optional<Clock::duration> after;
    };
    // Why the unit lost the attention byte of a restore ("" when the pauses
    // around it were kept, or pauses are not checked).
    std::string MissedRestorePause(const AttentionPauses& pauses) const;
    // since / latest: when the byte may have come at the earliest / latest;
    // now: when the unit answers it.
    void Parse(std::uint8_t byte, Time since, Time latest, Time now);
    void InstallCommands();
    void InstallReceivingCommands();
    // "$$I" and "$$J" (UnitSimRecordings.cpp).
    void InstallRecordingCommands();
    void ApplyFaults(std::vector<std::uint8_t>& bytes, char target);
    void StoreBlock(std::size_t k, std::vector<std::uint8_t> bytes);
    // Receives blocks x units-per-block units, each acknowledged, into the
    // memory; done runs once the last one is stored. False (done has run)
    // when there is nothing to receive.
    bool ExpectUnits(std::size_t blocks, std::function<void(CUnitSim&, Time)> done);
    void InstallBackupCommands();
    // What "S" hands out after "$$R" (memory blocks) or "$$B" (pages).
    enum class Stream { None, Blocks, Pages };
    Stream stream_ = Stream::None;
    std::size_t streamAt_ = 0;
    bool restoreBlocksDone_ = false;

    CSimConfig config_;
    CSimMemory memory_;
    std::map<char, CommandHandler> commands_;
    Receiver receiver_;
    std::deque<std::vector<std::uint8_t>> pending_;
    std::deque<std::pair<Time, std::uint8_t>> out_;
    std::vector<std::string> log_;
    bool attention_ = false;
    int dollars_ = 0;
    int busyLeft_ = 0;
    std::optional<Time> inAt_; // when the last byte from the system came off the line
    int lineRate_ = 9600;
    bool silent_ = false; // until the port closes
    std::optional<Time> storingUntil_;
    std::string storing_;
    // Quiet around "$$X": the last moment the line was busy before the
    // command now being heard, and the moment the latest byte may have come.
    std::optional<Time> lastActivity_;
    std::optional<Time> commandStart_;
    Time since_{}; // earliest arrival of the byte being handled
    AttentionPauses attentionPauses_;
    Time attentionSince_{}; // earliest arrival of the last attention byte
};

} // namespace kiv::sim
