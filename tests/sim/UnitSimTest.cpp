// The simulated unit's state machine, bytes in and bytes out.

#include "sim/UnitSim.h"

#include <gtest/gtest.h>

#include <memory>

using namespace kiv::sim;
using namespace std::chrono;
using Bytes = std::vector<std::uint8_t>;

namespace {

const CUnitSim::Time t0{};

Bytes Feed(CUnitSim& sim, const std::string& text, CUnitSim::Time now = t0) {
    sim.Receive(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), now);
    return sim.TakeDue(now + hours(1));
}

} // namespace

TEST(UnitSim, StatusAndIdentificationReplies) {
    CSimConfig config;
    config.productCode = 21;
    config.version = {7, 3, 9};
    config.password = "90210";
    config.languages = {4, 255, 255};
    config.lineStates = {6, 1, 6, 6};
    config.busyProbes = 2;
    config.busyByte = 0x33;
    CUnitSim sim(config);

    EXPECT_EQ(Feed(sim, "E$$R"), Bytes{0x33});
    EXPECT_EQ(Feed(sim, "E$$R"), Bytes{0x33});
    const Bytes status = Feed(sim, "E$$R");
    ASSERT_EQ(status.size(), 21u);
    EXPECT_EQ(status[0], 0x14);
    EXPECT_EQ(status[9], 32);                       // s8: blocks per section
    EXPECT_EQ((status[10] << 8) | status[11], 512); // s9, s10: block size
    EXPECT_EQ(status[17], 1);                       // s16: line 2

    const Bytes ident = Feed(sim, "E$$V");
    const Bytes expected{0x10, 7, 3, 9, 9, 0, 2, 1, 0, 0, 0, 0, 5, 21, 4, 255, 255};
    EXPECT_EQ(ident, expected);
    EXPECT_EQ(sim.Log(), (std::vector<std::string>{"E$$R", "E$$R", "E$$R", "E$$V"}));
}

TEST(UnitSim, SectionsFollowStatusWithChecksumsUntilTheNextCommand) {
    CSimConfig config;
    config.sectionBlocks = 1;
    config.blockSize = 300;
    config.memoryBlocks = 2; // the two sections are the memory's first blocks
    CUnitSim sim(config);
    Feed(sim, "E$$R");
    const Bytes one = Feed(sim, "S");
    ASSERT_EQ(one.size(), 301u);
    unsigned sum = 0;
    for (std::size_t k = 0; k < 300; ++k)
        sum += one[k];
    EXPECT_EQ(one.back(), sum & 0xFF);
    EXPECT_EQ(Feed(sim, "S").size(), 301u);
    EXPECT_TRUE(Feed(sim, "S").empty());

    Feed(sim, "E$$R");
    Feed(sim, "$$X"); // ends the exchange: nothing more to hand out
    EXPECT_TRUE(Feed(sim, "S").empty());
}

TEST(UnitSim, DelaysAndLineBreak) {
    CSimConfig config;
    config.replyDelay = milliseconds(50);
    config.byteDelay = milliseconds(10);
    CUnitSim sim(config);
    const std::string cmd = "E$$V";
    sim.Receive(reinterpret_cast<const std::uint8_t*>(cmd.data()), cmd.size(), t0);
    EXPECT_TRUE(sim.TakeDue(t0 + milliseconds(49)).empty());
    EXPECT_EQ(sim.TakeDue(t0 + milliseconds(65)).size(), 2u);
    EXPECT_EQ(sim.NextDue(), t0 + milliseconds(70));
    sim.LineBreak(); // the port closed: the rest of the reply is dropped
    EXPECT_FALSE(sim.NextDue());

    // A command cut by a break does not complete with later bytes.
    CUnitSim other{CSimConfig{}};
    Feed(other, "E$$");
    other.LineBreak();
    EXPECT_TRUE(Feed(other, "V").empty());
}

// A line of the configured rate both ways (unitsim --byte-rate): every byte
// takes its byte time, the first of a command or reply included.
TEST(UnitSim, ALineAtItsByteRateTakesEveryBytesTime) {
    CSimConfig config;
    config.byteDelay = milliseconds(10);
    config.paceReceived = true;
    CUnitSim sim(config);
    const std::string cmd = "E$$V";
    // Read at once at t0: the four bytes have come by t0 + 40 ms, and the
    // first byte of the reply has reached the system 10 ms later.
    sim.Receive(reinterpret_cast<const std::uint8_t*>(cmd.data()), cmd.size(), t0);
    EXPECT_EQ(sim.NextDue(), t0 + milliseconds(50));
    EXPECT_TRUE(sim.TakeDue(t0 + milliseconds(49)).empty());
    EXPECT_EQ(sim.TakeDue(t0 + milliseconds(50)), Bytes{0x10});
    // 0x10 and 16 identification bytes, one every 10 ms.
    EXPECT_EQ(sim.TakeDue(t0 + milliseconds(209)).size(), 15u);
    EXPECT_EQ(sim.TakeDue(t0 + milliseconds(210)).size(), 1u);

    // After a quiet line the next command's first byte still takes its time;
    // bytes read apart come no sooner than one byte time after each other.
    const auto t1 = t0 + seconds(1);
    const std::string e = "E";
    sim.Receive(reinterpret_cast<const std::uint8_t*>(e.data()), 1, t1);
    const std::string rest = "$$R";
    sim.Receive(reinterpret_cast<const std::uint8_t*>(rest.data()), rest.size(),
                t1 + milliseconds(1));
    // Come by t1 + 40 ms; the status reply's first byte 10 ms after.
    EXPECT_EQ(sim.NextDue(), t1 + milliseconds(50));
}

TEST(UnitSim, FaultsHitTheirReplyTheGivenNumberOfTimes) {
    CSimConfig config;
    SimFault silence, shortR, corrupt;
    ASSERT_EQ(ParseFault("silence:V:0:1", silence), "");
    ASSERT_EQ(ParseFault("short:R:5", shortR), "");
    ASSERT_EQ(ParseFault("corrupt:*:0:1", corrupt), "");
    config.faults = {silence, shortR};
    CUnitSim sim(config);
    EXPECT_TRUE(Feed(sim, "E$$V").empty());
    EXPECT_EQ(Feed(sim, "E$$V").size(), 17u);
    EXPECT_EQ(Feed(sim, "E$$R").size(), 5u);
    EXPECT_EQ(Feed(sim, "E$$R").size(), 5u);

    CSimConfig corrupting;
    corrupting.faults = {corrupt};
    CUnitSim wrong(corrupting);
    EXPECT_EQ(Feed(wrong, "E$$V")[0], 0x10 ^ 0xFF);
    EXPECT_EQ(Feed(wrong, "E$$V")[0], 0x10);

    SimFault f;
    EXPECT_NE(ParseFault("melt:V", f), "");
    EXPECT_NE(ParseFault("short:Q:1", f), "");
    EXPECT_NE(ParseFault("short:R:x", f), "");
    EXPECT_NE(ParseFault("short", f), "");
}

TEST(UnitSim, ImageReceptionChecksEveryBlock) {
    CSimConfig config;
    config.sectionBlocks = 2;
    config.blockSize = 4;
    CUnitSim sim(config);
    EXPECT_EQ(Feed(sim, "E$$S"), (Bytes{0, 0, 0, 0, 2, 0, 4}));
    const Bytes header{4, 1, 0, 1, 0};
    sim.Receive(header.data(), header.size(), t0);
    EXPECT_EQ(sim.TakeDue(t0), Bytes{'S'});
    const Bytes badBlock{1, 2, 3, 4, 9};
    sim.Receive(badBlock.data(), badBlock.size(), t0);
    EXPECT_NE(sim.TakeDue(t0), Bytes{'S'});
    const Bytes blocks{1, 2, 3, 4, 10, 200, 100, 0, 0, 44};
    sim.Receive(blocks.data(), blocks.size(), t0);
    EXPECT_EQ(sim.TakeDue(t0), (Bytes{'S', 'S'}));
    EXPECT_EQ(sim.Memory().section2, (Bytes{1, 2, 3, 4, 200, 100, 0, 0}));
    EXPECT_EQ(sim.Memory().imagesReceived, 1);
    // Back to commands afterwards.
    EXPECT_EQ(Feed(sim, "E$$V").size(), 17u);
}

TEST(UnitSim, StreamClockAndDeletionsAreTakenAsData) {
    CUnitSim sim{CSimConfig{}};
    // A stream for one mailbox whose bytes look like commands.
    Bytes stream(MailboxStreamLength(1), '$');
    stream[0] = 1;
    stream[1] = 'E';
    Feed(sim, "$$U");
    sim.Receive(stream.data(), stream.size(), t0);
    EXPECT_TRUE(sim.TakeDue(t0 + hours(1)).empty());
    EXPECT_EQ(sim.Memory().mailboxStream, stream);

    Feed(sim, "$$T");
    const Bytes clock{30, 12, 3, 7, 12, 26};
    sim.Receive(clock.data(), clock.size(), t0);
    EXPECT_EQ(Bytes(sim.Memory().clock.begin(), sim.Memory().clock.end()), clock);

    Feed(sim, "$$D");
    const Bytes deletions{3, 7, 5, 3};
    sim.Receive(deletions.data(), deletions.size(), t0);
    EXPECT_EQ(sim.Memory().deletions, (Bytes{7, 5, 3}));
    EXPECT_EQ(Feed(sim, "E$$V").size(), 17u);
    EXPECT_EQ(sim.Log().back(), "E$$V");
}

TEST(UnitSim, MailboxMemoryTakesStreamsAndDeletions) {
    CSimConfig config;
    config.mailboxes = {"101", "102", "103"};
    config.messagesPerMailbox = 2;
    config.calls = {1, 2, 3, 4};
    CUnitSim sim(config);
    CSimMailboxTable& table = sim.Memory().mailboxes;
    table.groups[0] = {2, 0, 2};

    // The section: clock, three records, six message records, four groups, counters.
    const Bytes section = sim.MailboxSectionBytes(t0);
    ASSERT_EQ(section.size(), 7 + 3 * 233 + 2 + 6 * 14 + 1 + 4 * 21 + 8u);
    EXPECT_EQ(Bytes(section.begin(), section.begin() + 7), (Bytes{0, 9, 1, 5, 1, 26, 3}));
    EXPECT_EQ(section[7 + 233 + 19], 1); // first number digit of 102
    EXPECT_EQ(section.back(), 4);

    // A stream over four slots: 102 stays in slot 1, slot 0 is freed, 105 comes in slot 3.
    const std::size_t n = 4;
    Bytes stream(MailboxStreamLength(n), 255);
    stream[0] = n;
    const auto put = [&](std::size_t column, std::size_t slot, std::uint8_t v) {
        stream[1 + column * n + slot] = v;
    };
    const auto number = [&](std::size_t slot, std::array<std::uint8_t, 3> digits) {
        for (std::size_t i = 0; i < 3; ++i) {
            put(7 + i, slot, digits[i]);
            put(11 + i, slot, digits[i]);
        }
        put(15, slot, 0); // no phone
        put(36, slot, 0); // no pager
    };
    number(1, {1, 0, 2});
    number(2, {1, 0, 3});
    number(3, {1, 0, 5});
    put(0, 3, 0x90); // attributes of 105
    std::size_t groups = 1 + 77 * n;
    stream[groups] = 3; // group 0: slots 1, 3 and a member naming nothing
    stream[groups + 1] = 2;
    stream[groups + 2] = 4;
    stream[groups + 3] = 0;
    for (std::size_t g = 1; g < 4; ++g)
        stream[groups + 21 * g] = 0;
    const std::size_t calls = groups + 84;
    for (std::size_t k = 0; k < 8; ++k)
        stream[calls + k] = static_cast<std::uint8_t>(k);

    Bytes tooShort(stream.begin(), stream.end() - 1);
    EXPECT_FALSE(table.ApplyStream(tooShort));
    EXPECT_EQ(table.MailboxCount(), 3u);
    ASSERT_TRUE(table.ApplyStream(stream));
    EXPECT_FALSE(table.HoldsMailbox(0));
    EXPECT_EQ(table.Number(1), "102");
    EXPECT_EQ(table.records[1][0], 2); // its messages stayed with it
    EXPECT_EQ(table.Number(3), "105");
    EXPECT_EQ(table.records[3][0], 0);
    EXPECT_EQ(table.records[3][11], 0x90);
    EXPECT_EQ(table.groups[0][0], 2);
    EXPECT_EQ(table.groups[0][1], 1);
    EXPECT_EQ(table.groups[0][2], 3);
    EXPECT_EQ(table.calls, (std::array<std::uint16_t, 4>{0x0001, 0x0203, 0x0405, 0x0607}));

    // Deleting the last slot takes it out of the groups and the section.
    table.Delete(3);
    EXPECT_EQ(table.records.size(), 3u);
    EXPECT_EQ(table.groups[0][0], 1);
}

TEST(UnitSim, CommandsNeedTheAttentionByteOrNone) {
    CSimConfig config;
    config.sectionBlocks = 1;
    config.blockSize = 4;
    CUnitSim sim(config);
    // Without "E" the unit does not answer status, identification, mailboxes
    // or the backup; it answers them once "E" comes right before.
    for (const char* command : {"$$R", "$$V", "$$C", "$$B"}) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(Feed(sim, command).empty());
        EXPECT_EQ(sim.Log().back(),
                  std::string("ignored: ") + command + " needs the attention byte");
        EXPECT_FALSE(Feed(sim, std::string("E") + command).empty());
    }
    sim.LineBreak(); // out of the image exchange
    // "E" that something else follows is spent.
    EXPECT_TRUE(Feed(sim, "EX$$V").empty());
    // The data commands come alone: after "E" they take no data.
    Feed(sim, "E$$D");
    EXPECT_EQ(sim.Log().back(), "ignored: $$D is sent alone");
    const Bytes list{1, 0};
    sim.Receive(list.data(), list.size(), t0);
    EXPECT_TRUE(sim.Memory().deletions.empty());
    // "$$X" is heard either way.
    Feed(sim, "E$$X");
    EXPECT_EQ(sim.Log().back(), "E$$X");
}

TEST(UnitSim, ImageHeaderMustBeTheImages) {
    CSimConfig config;
    config.sectionBlocks = 1;
    config.blockSize = 4;
    const Bytes before = CUnitSim(config).Memory().section2;
    // A header for two sections, or for another kind of data, is refused and
    // what follows is not taken as the image. (4, N, 0, 0, 0 opens a restore.)
    for (const Bytes& header :
         {Bytes{4, 2, 0, 1, 0}, Bytes{0x82, 1, 0, 1, 0}, Bytes{4, 1, 0, 0, 1}}) {
        CUnitSim sim(config);
        Feed(sim, "E$$S");
        sim.Receive(header.data(), header.size(), t0);
        EXPECT_EQ(sim.TakeDue(t0), Bytes{'N'});
        const Bytes block{1, 2, 3, 4, 10};
        sim.Receive(block.data(), block.size(), t0);
        EXPECT_TRUE(sim.TakeDue(t0).empty());
        EXPECT_EQ(sim.Memory().section2, before);
        EXPECT_EQ(sim.Memory().imagesReceived, 0);
    }
}

TEST(UnitSim, LineAtAnotherRateIsNotHeardUntilThePortCloses) {
    CUnitSim sim{CSimConfig{}};
    sim.SetLineRate(4800);
    EXPECT_TRUE(Feed(sim, "E$$R").empty());
    EXPECT_EQ(sim.Log().back(), "silent: line at 4800 baud, the unit speaks 9600");
    sim.SetLineRate(9600); // still the same exchange: silent
    EXPECT_TRUE(Feed(sim, "E$$R").empty());
    sim.LineBreak();
    EXPECT_EQ(Feed(sim, "E$$R").size(), 21u);
}

namespace {

// Feeds bytes that came off the line between since and now.
void FeedAt(CUnitSim& sim, const Bytes& bytes, CUnitSim::Time now,
            std::optional<CUnitSim::Time> since = std::nullopt) {
    sim.Receive(bytes.data(), bytes.size(), now, since);
}
Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

} // namespace

TEST(UnitSim, DeletionsNeedTheirPauses) {
    CSimConfig config;
    config.mailboxes = {"100", "101", "102", "103"};
    config.pauseScale = 0.5; // a second after "$$D" and after each position
    {
        CUnitSim sim(config);
        FeedAt(sim, Text("$$D"), t0);
        FeedAt(sim, {2}, t0 + milliseconds(1000));
        FeedAt(sim, {3}, t0 + milliseconds(2000));
        FeedAt(sim, {1}, t0 + milliseconds(3000));
        FeedAt(sim, Text("$$X"), t0 + milliseconds(4000));
        EXPECT_EQ(sim.Memory().deletions, (Bytes{3, 1}));
        EXPECT_EQ(sim.Memory().mailboxes.MailboxCount(), 2u);
        EXPECT_EQ(sim.Log().back(), "$$X");
    }
    {
        // The count too soon after the command: nothing is deleted.
        CUnitSim sim(config);
        FeedAt(sim, Text("$$D"), t0);
        FeedAt(sim, {2, 3, 1}, t0 + milliseconds(999));
        EXPECT_TRUE(sim.Memory().deletions.empty());
        EXPECT_EQ(sim.Log().back(), "silent: pause not kept after $$D (1000 ms needed)");
        // Silent until the port closes; the pause runs on across the break.
        FeedAt(sim, Text("E$$R"), t0 + milliseconds(1500));
        EXPECT_TRUE(sim.TakeDue(t0 + hours(1)).empty());
    }
    {
        // A position too soon after the one before: only the first is deleted,
        // and "$$X" right after the last position is not heard either.
        CUnitSim sim(config);
        FeedAt(sim, Text("$$D"), t0);
        FeedAt(sim, {2, 3}, t0 + milliseconds(1000));
        FeedAt(sim, {1}, t0 + milliseconds(1900));
        EXPECT_EQ(sim.Memory().deletions, Bytes{3});
        EXPECT_EQ(sim.Log().back(),
                  "silent: pause not kept after deleting position 3 (1000 ms needed)");
        sim.LineBreak();
        FeedAt(sim, Text("$$X"), t0 + milliseconds(1950));
        EXPECT_NE(sim.Log().back(), "$$X");
    }
    {
        // Bytes read together: when the line was last seen empty long enough
        // before, the pause may have been kept, and they are heard; when not,
        // it was certainly not kept.
        const Bytes together{'$', '$', 'D', 1, 0};
        CUnitSim sim(config);
        FeedAt(sim, together, t0 + milliseconds(1500), t0);
        EXPECT_EQ(sim.Memory().deletions, Bytes{0});
        CUnitSim other(config);
        FeedAt(other, together, t0 + milliseconds(900), t0);
        EXPECT_TRUE(other.Memory().deletions.empty());
    }
}

TEST(UnitSim, StoredDataNeedsItsPauseBeforeTheNextCommand) {
    CSimConfig config;
    config.pauseScale = 0.1; // 200 ms after image and stream, 50 ms after the clock
    config.sectionBlocks = 1;
    config.blockSize = 2;
    CUnitSim sim(config);
    FeedAt(sim, Text("E$$S"), t0);
    FeedAt(sim, {4, 1, 0, 1, 0, 7, 8, 15}, t0);
    EXPECT_EQ(sim.Memory().section2, (Bytes{7, 8}));
    FeedAt(sim, Text("$$U"), t0 + milliseconds(199));
    EXPECT_EQ(sim.Log().back(), "silent: pause not kept after the image (200 ms needed)");
    sim.LineBreak();

    Bytes stream(MailboxStreamLength(0), 0);
    FeedAt(sim, Text("$$U"), t0 + milliseconds(200));
    FeedAt(sim, stream, t0 + milliseconds(200));
    EXPECT_EQ(sim.Log().back(), "mailbox stream stored");
    FeedAt(sim, Text("$$T"), t0 + milliseconds(400));
    FeedAt(sim, {1, 2, 3, 4, 5, 6}, t0 + milliseconds(400));
    EXPECT_EQ(sim.Log().back(), "clock set");
    FeedAt(sim, Text("$$X"), t0 + milliseconds(449));
    EXPECT_EQ(sim.Log().back(), "silent: pause not kept after the clock (50 ms needed)");
}

// A restore sends its attention byte 200 ms after the status reply and its
// "$$S" 200 ms after that; 150 ms of quiet on either side will do. Without
// them the unit has lost the attention byte: the restore header that follows
// goes unanswered.
TEST(UnitSim, RestoreWantsQuietAroundItsAttentionByte) {
    CSimConfig config;
    config.pauseScale = 1.0;
    config.sectionBlocks = 1;
    config.blockSize = 2;
    const Bytes header{4, 1, 0, 0, 0};
    // Status at t0, "E" from since to latest, "$$S" and the header at dollar.
    const auto restore = [&](CSimConfig c, milliseconds since, milliseconds latest,
                             milliseconds dollar) {
        auto sim = std::make_unique<CUnitSim>(c);
        FeedAt(*sim, Text("E$$R"), t0);
        EXPECT_EQ(sim->TakeDue(t0).size(), 21u);
        FeedAt(*sim, Text("E"), t0 + latest, t0 + since);
        FeedAt(*sim, Text("$$S"), t0 + dollar, t0 + dollar);
        EXPECT_EQ(sim->TakeDue(t0 + dollar), (Bytes{0, 0, 0, 0, 1, 0, 2}));
        FeedAt(*sim, header, t0 + dollar, t0 + dollar);
        return sim;
    };
    const std::string silent = "silent: pause not kept ";
    {
        const auto sim = restore(config, 200ms, 200ms, 400ms);
        EXPECT_EQ(sim->TakeDue(t0 + 400ms), Bytes{'S'});
        EXPECT_EQ(sim->Log().back(), "restore header");
    }
    {
        // Just long enough on both sides, judged by the widest gaps.
        const auto sim = restore(config, 140ms, 150ms, 290ms);
        EXPECT_EQ(sim->TakeDue(t0 + 290ms), Bytes{'S'});
    }
    {
        const auto sim = restore(config, 149ms, 149ms, 400ms);
        EXPECT_TRUE(sim->TakeDue(t0 + hours(1)).empty());
        EXPECT_EQ(sim->Log().back(),
                  silent + "before the attention byte of the restore (150 ms needed)");
        EXPECT_EQ(sim->Memory().restoresReceived, 0);
    }
    {
        const auto sim = restore(config, 200ms, 200ms, 349ms);
        EXPECT_TRUE(sim->TakeDue(t0 + hours(1)).empty());
        EXPECT_EQ(sim->Log().back(),
                  silent + "between the attention byte and $$S of the restore (150 ms needed)");
    }
    {
        // Pauses not checked: the restore is taken without them.
        CSimConfig unchecked = config;
        unchecked.pauseScale = 0.0;
        const auto sim = restore(unchecked, 0ms, 0ms, 0ms);
        EXPECT_EQ(sim->TakeDue(t0), Bytes{'S'});
    }
    {
        // The parameter image's "$$S" wants no such pauses.
        CUnitSim sim(config);
        Feed(sim, "E$$R");
        Feed(sim, "E$$S");
        EXPECT_EQ(Feed(sim, std::string("\x04\x01\x00\x01\x00", 5)), Bytes{'S'});
    }
}

TEST(UnitSim, SignOffWantsQuietAroundItWhenAsked) {
    CSimConfig config;
    config.pauseScale = 1.0;
    config.quietAroundSignOff = true;
    {
        CUnitSim sim(config);
        Feed(sim, "E$$V"); // the reply is due at t0
        FeedAt(sim, Text("$$X"), t0 + milliseconds(100));
        FeedAt(sim, Text("E$$R"), t0 + milliseconds(200));
        EXPECT_EQ(sim.Log(), (std::vector<std::string>{"E$$V", "$$X", "E$$R"}));
    }
    {
        CUnitSim sim(config);
        Feed(sim, "E$$V");
        FeedAt(sim, Text("$$X"), t0 + milliseconds(99));
        EXPECT_EQ(sim.Log().back(), "silent: line not quiet before $$X (100 ms needed)");
    }
    {
        CUnitSim sim(config);
        FeedAt(sim, Text("$$X"), t0);
        FeedAt(sim, Text("E$$R"), t0 + milliseconds(99));
        EXPECT_EQ(sim.Log().back(), "silent: pause not kept after $$X (100 ms needed)");
    }
}

TEST(UnitSim, PageRecordingsOutAndIn) {
    CSimConfig config;
    config.recordingGeometry = {0x03, 0x07};
    config.recordingSubBlocks = 1;
    config.recordingUnitSize = 4;
    config.recordings = {{2, 2}};
    CUnitSim sim(config);

    // "$$I" is heard only after the attention byte.
    EXPECT_EQ(Feed(sim, "$$I"), Bytes{});
    EXPECT_EQ(Feed(sim, "E$$I"), (Bytes{0x03, 0x07, 1, 0, 4}));
    Bytes reply = Feed(sim, std::string(1, '\x02'));
    ASSERT_EQ(reply.size(), 69u);
    EXPECT_EQ(reply[0], 2);        // blocks
    EXPECT_EQ(reply[1], 0xA0 + 2); // descriptor byte 0
    EXPECT_EQ(reply[68], 0xA0 + 2 + 67);
    // Blocks of the page's pattern (page x 7 + k), each with its sum.
    EXPECT_EQ(Feed(sim, "S"), (Bytes{14, 15, 16, 17, 62}));
    EXPECT_EQ(Feed(sim, "S"), (Bytes{18, 19, 20, 21, 78}));
    EXPECT_EQ(Feed(sim, "S"), Bytes{});

    // A page index the unit does not have gets no answer.
    Feed(sim, "E$$I");
    EXPECT_EQ(Feed(sim, std::string(1, '\x27')), Bytes{});
    EXPECT_EQ(sim.Log().back(), "page 39 refused");

    // Taking a page: index, B, descriptor, 'S' when ready, then each chunk
    // with its sum; a wrong sum is refused and the chunk taken again.
    EXPECT_EQ(Feed(sim, "E$$J"), (Bytes{0x03, 0x07, 1, 0, 4}));
    EXPECT_EQ(Feed(sim, std::string("\x05\x02", 2) + std::string(68, '\x01')), Bytes{'S'});
    EXPECT_EQ(Feed(sim, std::string("\x01\x02\x03\x04\x0A", 5)), Bytes{'S'});
    EXPECT_EQ(Feed(sim, std::string("\x05\x06\x07\x08\x00", 5)), Bytes{'N'});
    EXPECT_EQ(Feed(sim, std::string("\x05\x06\x07\x08\x1A", 5)), Bytes{'S'});
    const auto& stored = sim.Memory().recordings.at(5);
    EXPECT_EQ(stored.blocks, 2);
    EXPECT_EQ(stored.data, (Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(stored.descriptor[67], 1);
    EXPECT_EQ(sim.Log().back(), "page 5 stored, 2 blocks");
}
