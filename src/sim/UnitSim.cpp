#include "sim/UnitSim.h"

#include "document/Clock.h"
#include "sim/SimFactory.h"

#include <algorithm>
#include <memory>

namespace kiv::sim {

namespace {

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes) {
    unsigned sum = 0;
    for (auto b : bytes)
        sum += b;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::vector<std::uint8_t> WithChecksum(std::vector<std::uint8_t> bytes) {
    const auto check = Sum(bytes);
    bytes.push_back(check);
    return bytes;
}

std::uint8_t High(std::uint16_t v) {
    return static_cast<std::uint8_t>(v >> 8);
}
std::uint8_t Low(std::uint16_t v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

// The header the unit takes before the blocks of its parameter image: one
// section of the geometry it has just announced.
constexpr std::array<std::uint8_t, 5> kImageHeader{0x04, 0x01, 0x00, 0x01, 0x00};

// What the unit needs to store what it was sent, at full scale.
constexpr std::chrono::milliseconds kStorePause{2000};
constexpr std::chrono::milliseconds kClockPause{500};
constexpr std::chrono::milliseconds kSignOffQuiet{100};
// A restore keeps 200 ms of quiet before and after the attention byte that
// opens its "$$S"; a unit loses that byte on a busier line. 150 ms is taken
// as kept. Each gap is measured as the widest the line allows (see Parse), so
// a kept pause never looks shorter before the attention byte (that gap starts
// at the unit's own reply), and looks shorter after it only when the terminal
// holds the attention byte back for more than 100 ms after it was written
// (the server's 50 ms slack plus this 50 ms margin), far beyond any
// scheduling delay. A pause cut to 20 ms, or left out, measures well under
// 150 ms.
constexpr std::chrono::milliseconds kRestorePauseHeard{150};

// Commands heard only right after the attention byte, and those the system
// sends alone. "$$X" comes either way.
bool NeedsAttention(char letter) {
    return std::string_view("RVCBIJ").find(letter) != std::string_view::npos;
}
bool SentAlone(char letter) {
    return std::string_view("UTDE").find(letter) != std::string_view::npos;
}

// Most blocks a restore or a system image may bring per step of the memory
// size factor.
constexpr std::size_t kBlocksPerMemoryFactor = 2011;
constexpr std::size_t kPageSize = 256;
constexpr std::uint8_t kSystemImageHeader = 0x82;
constexpr std::uint8_t kRestoreHeader = 0x04;

// The unit clock (minute, hour, weekday 1-7, day, month, two-digit year)
// moved on by whole seconds; the weekday follows the date.
std::array<std::uint8_t, 6> RunClock(const std::array<std::uint8_t, 6>& c, std::int64_t seconds) {
    LocalTime t;
    t.minute = c[0];
    t.hour = c[1];
    t.day = c[3];
    t.month = c[4];
    t.year = c[5] < 71 ? 2000 + c[5] : 1900 + c[5];
    const LocalTime u = CivilFromSeconds(SecondsFromCivil(t) + seconds);
    const std::int64_t days =
        DaysFromCivil(u.year, u.month, u.day) - DaysFromCivil(t.year, t.month, t.day);
    const auto weekday = static_cast<std::uint8_t>(((c[2] - 1 + days) % 7 + 7) % 7 + 1);
    return {static_cast<std::uint8_t>(u.minute),
            static_cast<std::uint8_t>(u.hour),
            weekday,
            static_cast<std::uint8_t>(u.day),
            static_cast<std::uint8_t>(u.month),
            static_cast<std::uint8_t>(u.year % 100)};
}

std::string Milliseconds(std::chrono::nanoseconds d) {
    return std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(d).count()) + " ms";
}

} // namespace

CUnitSim::CUnitSim(CSimConfig config) : config_(std::move(config)) {
    busyLeft_ = config_.busyProbes;
    lineRate_ = config_.lineRate;
    const std::size_t length = SectionLength();
    memory_.section1 = FactorySection1(length);
    memory_.section2 = FactorySection2(length, config_.password, config_.languages,
                                       config_.sectionBlocks, config_.divisor);
    memory_.mailboxes.Preset(config_.mailboxes, config_.messagesPerMailbox);
    memory_.mailboxes.calls = config_.calls;
    memory_.clock = config_.clock;
    InstallCommands();
    InstallReceivingCommands();
    InstallBackupCommands();
    InstallRecordingCommands();
}

std::size_t CUnitSim::SectionLength() const {
    return static_cast<std::size_t>(config_.sectionBlocks) * config_.blockSize;
}

std::vector<std::uint8_t> CUnitSim::StatusBytes() const {
    std::vector<std::uint8_t> s(20, 0);
    s[0] = config_.memoryFactor;
    s[1] = High(config_.pageAreaLength);
    s[2] = Low(config_.pageAreaLength);
    s[5] = High(config_.memoryBlocks);
    s[6] = Low(config_.memoryBlocks);
    s[7] = 0;
    s[8] = config_.sectionBlocks;
    s[9] = High(config_.blockSize);
    s[10] = Low(config_.blockSize);
    s[11] = High(config_.flashTotalSeconds);
    s[12] = Low(config_.flashTotalSeconds);
    s[13] = High(config_.flashRemainingSeconds);
    s[14] = Low(config_.flashRemainingSeconds);
    for (std::size_t line = 0; line < 4; ++line)
        s[15 + line] = config_.lineStates[line];
    s[19] = config_.divisor;
    return s;
}

std::vector<std::uint8_t> CUnitSim::IdentBytes() const {
    std::vector<std::uint8_t> i(16, 0);
    std::copy(config_.version.begin(), config_.version.end(), i.begin());
    const std::size_t length = std::min<std::size_t>(config_.password.size(), 8);
    for (std::size_t k = 0; k < length; ++k)
        i[3 + k] = static_cast<std::uint8_t>(config_.password[k] - '0');
    i[11] = static_cast<std::uint8_t>(length);
    i[12] = static_cast<std::uint8_t>(config_.productCode);
    std::copy(config_.languages.begin(), config_.languages.end(), i.begin() + 13);
    return i;
}

void CUnitSim::InstallCommands() {
    // Status: busy while busy probes remain, else 0x14 and the status bytes.
    // The two parameter sections then follow one per "S".
    SetCommand('R', [](CUnitSim& sim, bool, Time now) {
        if (sim.busyLeft_ > 0) {
            --sim.busyLeft_;
            sim.Send({sim.config_.busyByte}, 'R', now);
            return;
        }
        std::vector<std::uint8_t> reply{0x14};
        const auto status = sim.StatusBytes();
        reply.insert(reply.end(), status.begin(), status.end());
        sim.Send(std::move(reply), 'R', now);
        // Each "S" now hands out the next memory block, the two parameter
        // sections first.
        sim.stream_ = Stream::Blocks;
        sim.streamAt_ = 0;
    });
    SetCommand('V', [](CUnitSim& sim, bool, Time now) {
        std::vector<std::uint8_t> reply{0x10};
        const auto ident = sim.IdentBytes();
        reply.insert(reply.end(), ident.begin(), ident.end());
        sim.Send(std::move(reply), 'V', now);
    });
    SetCommand('X', [](CUnitSim& sim, bool, Time) {
        sim.receiver_ = nullptr;
        sim.pending_.clear();
    });
    // Mailbox section: its length now, the bytes after "S", no checksum.
    SetCommand('C', [](CUnitSim& sim, bool, Time now) {
        std::vector<std::uint8_t> section = sim.MailboxSectionBytes(now);
        section.resize(std::min<std::size_t>(section.size(), 0xFFFF));
        const auto length = static_cast<std::uint16_t>(section.size());
        sim.Send({High(length), Low(length)}, 'C', now);
        sim.QueueSections({std::move(section)});
    });
    // Image reception: geometry, the 5-byte header acknowledged with 'S' when
    // it is the image's (refused with 'N' otherwise, and the exchange ends),
    // then the blocks of the second section, each acknowledged when its
    // checksum matches, refused otherwise (the system sends it again).
    SetCommand('S', [](CUnitSim& sim, bool attention, Time now) {
        const std::uint8_t blocks = sim.config_.sectionBlocks;
        const std::uint16_t size = sim.config_.blockSize;
        sim.Send({0, 0, 0, 0, blocks, High(size), Low(size)}, 'G', now);
        if (!attention) {
            // "$$S" alone opens a system initialization: 0x82 and the block
            // count, then every unit of the image.
            auto head = std::make_shared<std::vector<std::uint8_t>>();
            sim.Expect([head](CUnitSim& s, std::uint8_t b, Time t) {
                head->push_back(b);
                if (head->size() < 3) return true;
                const std::size_t n = (*head)[1] | (*head)[2] << 8;
                if ((*head)[0] != kSystemImageHeader ||
                    n > s.config_.memoryFactor * kBlocksPerMemoryFactor) {
                    s.Note("system image header refused");
                    s.Send({'N'}, 'H', t);
                    return false;
                }
                s.Note("system image header");
                s.Send({'S'}, 'H', t);
                return s.ExpectUnits(n, [](CUnitSim& u, Time) {
                    u.memory_.systemImagesReceived++;
                    u.Note("system image stored");
                });
            });
            return;
        }
        auto header = std::make_shared<std::vector<std::uint8_t>>();
        auto block = std::make_shared<std::vector<std::uint8_t>>();
        auto image = std::make_shared<std::vector<std::uint8_t>>();
        // Whether this "$$S" opens a restore shows only in the header.
        const AttentionPauses pauses = sim.attentionPauses_;
        sim.Expect([header, block, image, blocks, size, pauses](CUnitSim& s, std::uint8_t b,
                                                                Time t) {
            if (header->size() < kImageHeader.size()) {
                header->push_back(b);
                if (header->size() < kImageHeader.size()) return true;
                const auto& h = *header;
                const std::size_t n = h[1] | h[2] << 8;
                if (h[0] == kRestoreHeader && h[3] == 0 && h[4] == 0) {
                    // A restore: N blocks of units, then "$$E" and the pages.
                    // Without its pauses the unit did not take the attention
                    // byte, so it never opened the restore: the header goes
                    // unanswered.
                    if (const std::string missed = s.MissedRestorePause(pauses); !missed.empty()) {
                        s.FallSilent(missed);
                        return false;
                    }
                    if (n > s.config_.memoryFactor * kBlocksPerMemoryFactor) {
                        s.Note("restore header refused");
                        s.Send({'N'}, 'H', t);
                        return false;
                    }
                    s.Note("restore header");
                    s.Send({'S'}, 'H', t);
                    s.restoreBlocksDone_ = false;
                    return s.ExpectUnits(n, [](CUnitSim& u, Time) {
                        u.restoreBlocksDone_ = true;
                        u.Note("restore blocks stored");
                    });
                }
                std::copy(header->begin(), header->end(), s.memory_.imageHeader.begin());
                if (!std::equal(header->begin(), header->end(), kImageHeader.begin())) {
                    s.Note("header refused");
                    s.Send({'N'}, 'H', t);
                    return false;
                }
                s.Note("header");
                s.Send({'S'}, 'H', t);
                return true;
            }
            block->push_back(b);
            if (block->size() < static_cast<std::size_t>(size) + 1) return true;
            const std::uint8_t check = block->back();
            block->pop_back();
            const bool intact = check == Sum(*block);
            std::vector<std::uint8_t> ack{static_cast<std::uint8_t>(intact ? 'S' : 'N')};
            s.ApplyFaults(ack, 'B');
            if (intact && !ack.empty() && ack[0] == 'S') {
                image->insert(image->end(), block->begin(), block->end());
                s.Note("block ok");
            } else {
                s.Note("block refused");
            }
            block->clear();
            s.Send(std::move(ack), 0, t);
            if (image->size() < static_cast<std::size_t>(blocks) * size) return true;
            s.memory_.section2 = *image;
            s.memory_.imagesReceived++;
            s.Note("image stored");
            s.StoreFor(kStorePause, s.since_, "the image");
            return false;
        });
    });
}

std::vector<std::uint8_t> CUnitSim::MailboxSectionBytes(Time now) {
    // The clock runs on from the moment it was set.
    if (!memory_.clockSetAt) memory_.clockSetAt = now;
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::seconds>(now - *memory_.clockSetAt).count();
    std::vector<std::uint8_t> section =
        memory_.mailboxes.SectionBytes(RunClock(memory_.clock, elapsed));
    if (config_.mailboxSectionLength >= 0)
        section.resize(static_cast<std::size_t>(config_.mailboxSectionLength), 0);
    return section;
}

void CUnitSim::InstallReceivingCommands() {
    // Mailbox stream: its first byte says how many mailboxes follow.
    SetCommand('U', [](CUnitSim& sim, bool, Time) {
        auto stream = std::make_shared<std::vector<std::uint8_t>>();
        sim.Expect([stream](CUnitSim& s, std::uint8_t b, Time) {
            stream->push_back(b);
            if (stream->size() < MailboxStreamLength(stream->front())) return true;
            s.memory_.mailboxStream = *stream;
            s.Note(s.memory_.mailboxes.ApplyStream(*stream) ? "mailbox stream stored"
                                                            : "mailbox stream refused");
            s.StoreFor(kStorePause, s.since_, "the mailbox stream");
            return false;
        });
    });
    // Clock: six bytes.
    SetCommand('T', [](CUnitSim& sim, bool, Time) {
        auto got = std::make_shared<std::size_t>(0);
        sim.Expect([got](CUnitSim& s, std::uint8_t b, Time t) {
            s.memory_.clock[(*got)++] = b;
            if (*got < s.memory_.clock.size()) return true;
            s.memory_.clockSetAt = t;
            s.Note("clock set");
            s.StoreFor(kClockPause, s.since_, "the clock");
            return false;
        });
    });
    // Deletion list: a count, then that many mailbox positions, each deleted
    // as it comes. The unit needs a pause after the command and after each
    // position.
    SetCommand('D', [](CUnitSim& sim, bool, Time) {
        sim.memory_.deletions.clear();
        sim.StoreFor(kStorePause, sim.since_, "$$D");
        auto left = std::make_shared<int>(-1);
        sim.Expect([left](CUnitSim& s, std::uint8_t b, Time) {
            if (*left < 0) {
                *left = b;
            } else {
                s.memory_.deletions.push_back(b);
                s.memory_.mailboxes.Delete(b);
                --*left;
                s.StoreFor(kStorePause, s.since_, "deleting position " + std::to_string(b));
            }
            if (*left > 0) return true;
            s.Note("deletions stored");
            return false;
        });
    });
}

std::vector<std::uint8_t> CUnitSim::MemoryBlock(std::size_t k) const {
    if (k == 0) return memory_.section1;
    if (k == 1) return memory_.section2;
    if (const auto it = memory_.blocks.find(k); it != memory_.blocks.end()) return it->second;
    std::vector<std::uint8_t> block(SectionLength());
    for (std::size_t j = 0; j < block.size(); ++j)
        block[j] = static_cast<std::uint8_t>(k * 131 + j * 7 + (j >> 8));
    return block;
}

std::vector<std::uint8_t>& CUnitSim::PageArea() {
    const std::size_t length = std::max(config_.pageAreaLength, config_.PagesLength());
    if (memory_.pageArea.size() != length) {
        memory_.pageArea.resize(length);
        for (std::size_t j = 0; j < memory_.pageArea.size(); ++j)
            memory_.pageArea[j] = static_cast<std::uint8_t>(j * 31 + 7 + (j >> 8));
    }
    return memory_.pageArea;
}

void CUnitSim::StoreBlock(std::size_t k, std::vector<std::uint8_t> bytes) {
    if (k == 0)
        memory_.section1 = std::move(bytes);
    else if (k == 1)
        memory_.section2 = std::move(bytes);
    else
        memory_.blocks[k] = std::move(bytes);
}

bool CUnitSim::ExpectUnits(std::size_t blocks, std::function<void(CUnitSim&, Time)> done) {
    // Units per block and unit size as the "$$S" reply gave them.
    const std::size_t perBlock = config_.sectionBlocks;
    const std::size_t size = config_.blockSize;
    const std::size_t total = blocks * perBlock;
    if (total == 0) {
        done(*this, Time{});
        return false;
    }
    auto unit = std::make_shared<std::vector<std::uint8_t>>();
    auto block = std::make_shared<std::vector<std::uint8_t>>();
    auto stored = std::make_shared<std::size_t>(0);
    Expect([=](CUnitSim& s, std::uint8_t b, Time t) {
        unit->push_back(b);
        if (unit->size() < size + 1) return true;
        const std::uint8_t check = unit->back();
        unit->pop_back();
        const bool intact = check == Sum(*unit);
        std::vector<std::uint8_t> ack{static_cast<std::uint8_t>(intact ? 'S' : 'N')};
        s.ApplyFaults(ack, 'B');
        if (intact && !ack.empty() && ack[0] == 'S') {
            block->insert(block->end(), unit->begin(), unit->end());
            ++*stored;
            if (*stored % perBlock == 0) {
                s.StoreBlock(*stored / perBlock - 1, std::move(*block));
                block->clear();
            }
        } else {
            s.Note("unit refused");
        }
        unit->clear();
        s.Send(std::move(ack), 0, t);
        if (*stored < total) return true;
        done(s, t);
        return false;
    });
    return true;
}

void CUnitSim::InstallBackupCommands() {
    // Backup of the page area: its length, then a page per "S".
    SetCommand('B', [](CUnitSim& sim, bool, Time now) {
        const std::uint16_t length = sim.config_.PagesLength();
        sim.Send({High(length), Low(length)}, 'A', now);
        sim.stream_ = Stream::Pages;
        sim.streamAt_ = 0;
    });
    // Restore of the page area, once the restore's blocks have all come: its
    // length and 'S', then the pages, each acknowledged.
    SetCommand('E', [](CUnitSim& sim, bool, Time now) {
        if (!sim.restoreBlocksDone_) {
            sim.Note("ignored: $$E without the blocks of a restore");
            return;
        }
        sim.restoreBlocksDone_ = false;
        const std::uint16_t length = sim.config_.PagesLength();
        sim.Send({High(length), Low(length), 'S'}, 'A', now);
        const std::size_t pages = length / kPageSize;
        auto finish = [](CUnitSim& s) {
            s.memory_.restoresReceived++;
            s.Note("restore stored");
        };
        if (pages == 0) {
            finish(sim);
            return;
        }
        auto page = std::make_shared<std::vector<std::uint8_t>>();
        auto stored = std::make_shared<std::size_t>(0);
        sim.Expect([=](CUnitSim& s, std::uint8_t b, Time t) {
            page->push_back(b);
            if (page->size() < kPageSize + 1) return true;
            const std::uint8_t check = page->back();
            page->pop_back();
            const bool intact = check == Sum(*page);
            std::vector<std::uint8_t> ack{static_cast<std::uint8_t>(intact ? 'S' : 'N')};
            s.ApplyFaults(ack, 'B');
            if (intact && !ack.empty() && ack[0] == 'S') {
                std::copy(page->begin(), page->end(),
                          s.PageArea().begin() + static_cast<std::ptrdiff_t>(*stored * kPageSize));
                ++*stored;
            } else {
                s.Note("page refused");
            }
            page->clear();
            s.Send(std::move(ack), 0, t);
            if (*stored < pages) return true;
            finish(s);
            return false;
        });
    });
}

CUnitSim::Clock::duration CUnitSim::Scaled(std::chrono::milliseconds pause) const {
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(
        static_cast<double>(pause.count()) * config_.pauseScale));
}

std::string CUnitSim::MissedRestorePause(const AttentionPauses& pauses) const {
    if (!(config_.pauseScale > 0.0)) return {};
    const auto needed = Scaled(kRestorePauseHeard);
    const std::string tail = " (" + Milliseconds(needed) + " needed)";
    if (pauses.before && *pauses.before < needed)
        return "pause not kept before the attention byte of the restore" + tail;
    if (pauses.after && *pauses.after < needed)
        return "pause not kept between the attention byte and $$S of the restore" + tail;
    return {};
}

void CUnitSim::StoreFor(std::chrono::milliseconds pause, Time from, const std::string& what) {
    if (!(config_.pauseScale > 0.0)) return;
    const auto needed = Scaled(pause);
    storingUntil_ = from + needed;
    storing_ = what + " (" + Milliseconds(needed) + " needed)";
}

void CUnitSim::FallSilent(const std::string& why) {
    receiver_ = nullptr;
    pending_.clear();
    dollars_ = 0;
    attention_ = false;
    if (silent_) return;
    silent_ = true;
    Note("silent: " + why);
}

bool CUnitSim::Hears(Time now) {
    if (silent_) return false;
    if (lineRate_ != config_.lineRate) {
        FallSilent("line at " + std::to_string(lineRate_) + " baud, the unit speaks " +
                   std::to_string(config_.lineRate));
        return false;
    }
    if (storingUntil_ && now < *storingUntil_) {
        FallSilent("pause not kept after " + storing_);
        return false;
    }
    return true;
}

void CUnitSim::Receive(const std::uint8_t* data, std::size_t count, Time now,
                       std::optional<Time> since) {
    const Time from = since ? std::min(*since, now) : now;
    const auto byteTime = std::chrono::duration_cast<Clock::duration>(config_.byteDelay);
    for (std::size_t k = 0; k < count; ++k) {
        if (!Hears(now)) continue;
        since_ = from;
        // On a line of the configured rate a byte takes one byte time to
        // come, from when it was sent or the byte before it had come,
        // whichever is later; the unit answers from then on.
        Time at = now;
        if (config_.paceReceived && byteTime.count() > 0) {
            at = (inAt_ ? std::max(now, *inAt_) : now) + byteTime;
            inAt_ = at;
        }
        if (receiver_) {
            Receiver r = receiver_;
            if (!r(*this, data[k], at)) receiver_ = nullptr;
        } else {
            Parse(data[k], from, now, at);
        }
        lastActivity_ = lastActivity_ ? std::max(*lastActivity_, from) : from;
    }
}

void CUnitSim::Parse(std::uint8_t byte, Time since, Time latest, Time now) {
    // A command starts with its attention byte or its first '$': what the
    // line did before that is what "$$X" wants quiet.
    if (byte == 'E' || (byte == '$' && dollars_ == 0 && !attention_)) commandStart_ = lastActivity_;
    // The quiet around an attention byte, each gap the widest the line
    // allows: from the last moment the line was busy (for a reply, when it
    // was due to go out, which is no later than when it went) to the latest
    // the byte may have come, and from the earliest it may have come to the
    // latest the command's first '$' may have come.
    if (byte == 'E') {
        attentionPauses_.before =
            lastActivity_ ? std::optional<Clock::duration>(latest - *lastActivity_) : std::nullopt;
        attentionPauses_.after.reset();
        attentionSince_ = since;
    } else if (byte == '$' && dollars_ == 0 && attention_) {
        attentionPauses_.after = latest - attentionSince_;
    }
    if (dollars_ == 2) {
        const char letter = static_cast<char>(byte);
        const bool attention = attention_;
        dollars_ = 0;
        attention_ = false;
        const std::string name = "$$" + std::string(1, letter);
        Note(std::string(attention ? "E" : "") + name);
        if (NeedsAttention(letter) && !attention) {
            Note("ignored: " + name + " needs the attention byte");
            return;
        }
        if (SentAlone(letter) && attention) {
            Note("ignored: " + name + " is sent alone");
            return;
        }
        if (letter == 'X' && config_.quietAroundSignOff) {
            const auto quiet = Scaled(kSignOffQuiet);
            if (commandStart_ && latest - *commandStart_ < quiet) {
                FallSilent("line not quiet before $$X (" + Milliseconds(quiet) + " needed)");
                return;
            }
            StoreFor(kSignOffQuiet, since, "$$X");
        }
        pending_.clear();
        stream_ = Stream::None;
        const auto it = commands_.find(letter);
        if (it != commands_.end()) it->second(*this, attention, now);
        return;
    }
    if (byte == '$') {
        ++dollars_;
        return;
    }
    dollars_ = 0;
    if (byte == 'E') {
        attention_ = true;
    } else if (byte == 'S') {
        attention_ = false;
        Note("S");
        if (!pending_.empty()) {
            auto section = std::move(pending_.front());
            pending_.pop_front();
            Send(std::move(section), 'N', now);
        } else if (stream_ == Stream::Blocks && streamAt_ < config_.memoryBlocks) {
            auto block = WithChecksum(MemoryBlock(streamAt_));
            const int bad = config_.badChecksumSection;
            if ((bad == 1 || bad == 2) && streamAt_ == static_cast<std::size_t>(bad - 1))
                block.back() ^= 0x5A;
            ++streamAt_;
            Send(std::move(block), 'N', now);
        } else if (stream_ == Stream::Pages && streamAt_ < config_.PagesLength() / kPageSize) {
            const auto& area = PageArea();
            const auto from = area.begin() + static_cast<std::ptrdiff_t>(streamAt_ * kPageSize);
            ++streamAt_;
            Send(WithChecksum(std::vector<std::uint8_t>(
                     from, from + static_cast<std::ptrdiff_t>(kPageSize))),
                 'N', now);
        }
    } else {
        attention_ = false;
    }
}

void CUnitSim::Note(const std::string& entry) {
    log_.push_back(entry);
    if (onLog) onLog(entry);
}

void CUnitSim::LineBreak() {
    receiver_ = nullptr;
    stream_ = Stream::None;
    restoreBlocksDone_ = false;
    pending_.clear();
    out_.clear();
    inAt_.reset();
    attention_ = false;
    dollars_ = 0;
    // A new exchange: the unit listens again (and checks the line anew).
    // A pause it needs to store what it was sent runs on across the break.
    silent_ = false;
}

void CUnitSim::ApplyFaults(std::vector<std::uint8_t>& bytes, char target) {
    for (auto& f : config_.faults) {
        if (f.times == 0 || (f.target != 0 && f.target != target)) continue;
        if (f.times > 0) --f.times;
        switch (f.kind) {
        case SimFault::Kind::Silence:
            bytes.clear();
            break;
        case SimFault::Kind::Short:
            bytes.resize(std::min(bytes.size(), static_cast<std::size_t>(std::max(f.value, 0))));
            break;
        case SimFault::Kind::WrongFirst:
            if (!bytes.empty()) bytes[0] = static_cast<std::uint8_t>(f.value);
            break;
        case SimFault::Kind::Corrupt:
            if (f.value >= 0 && static_cast<std::size_t>(f.value) < bytes.size())
                bytes[static_cast<std::size_t>(f.value)] ^= 0xFF;
            break;
        case SimFault::Kind::Refuse:
            if (!bytes.empty()) bytes[0] = static_cast<std::uint8_t>(f.value);
            break;
        }
        return;
    }
}

void CUnitSim::Send(std::vector<std::uint8_t> bytes, char target, Time now) {
    if (target != 0) ApplyFaults(bytes, target);
    const auto byteTime = std::chrono::duration_cast<Clock::duration>(config_.byteDelay);
    Time at = now + config_.replyDelay;
    // A reply queued behind another waits its turn on the line.
    if (!out_.empty()) at = std::max(at, out_.back().first + byteTime);
    // On a line of the configured rate both ways the first byte, too, takes
    // a byte time to reach the system: a byte is due when it has come.
    else if (config_.paceReceived)
        at += byteTime;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (k > 0) at += byteTime;
        out_.emplace_back(at, bytes[k]);
    }
    // The line is busy until the last byte is due at the earliest.
    if (!bytes.empty()) lastActivity_ = lastActivity_ ? std::max(*lastActivity_, at) : at;
}

std::vector<std::uint8_t> CUnitSim::TakeDue(Time now) {
    std::vector<std::uint8_t> due;
    while (!out_.empty() && out_.front().first <= now) {
        due.push_back(out_.front().second);
        out_.pop_front();
    }
    return due;
}

std::optional<CUnitSim::Time> CUnitSim::NextDue() const {
    if (out_.empty()) return std::nullopt;
    return out_.front().first;
}

} // namespace kiv::sim
