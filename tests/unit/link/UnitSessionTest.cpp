// The shared exchanges over the in-process simulated unit.

#include "unit/link/UnitSession.h"
#include "sim/SimSerialPort.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kiv;
using namespace kiv::sim;
using namespace std::chrono;

namespace {

// Notes how many commands the unit had heard when each message was shown.
struct OrderedSink : RecordingSink {
    explicit OrderedSink(CUnitSim& s) : sim(s) {}
    MsgAnswer Ask(const Message& m) override {
        heardBefore.push_back(sim.Log().size());
        return RecordingSink::Ask(m);
    }
    CUnitSim& sim;
    std::vector<std::size_t> heardBefore;
};

struct SimSession : ::testing::Test {
    void Start(CSimConfig config = {}, int documentType = 0, int timeout = 1) {
        line = std::make_shared<CSimSerialPort::Line>(std::move(config), "sim0");
        context.settingsPath.clear();
        context.ports = CPortResolver("sim0");
        context.portFactory = CSimSerialPort::Factory(line);
        context.timing = CLinkTiming{}.Scaled(0.0);
        context.timing.second = milliseconds(20);
        sink = std::make_unique<OrderedSink>(line->sim);
        session = std::make_unique<CUnitSession>(context, *sink, ui, timeout, documentType);
    }
    std::vector<std::string> Log() const { return line->sim.Log(); }

    std::shared_ptr<CSimSerialPort::Line> line;
    CLinkContext context;
    CPlainTransferUi ui;
    std::unique_ptr<OrderedSink> sink;
    std::unique_ptr<CUnitSession> session;
};

} // namespace

TEST_F(SimSession, RefusalMessagesAndSignOffOrder) {
    CSimConfig config;
    config.productCode = 17; // an 8-mailbox unit
    Start(config, 0);
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 1);
    ASSERT_EQ(sink->Texts().size(), 1u);
    EXPECT_EQ(sink->Texts()[0], "Versione Errata. Il dispositivo connesso \xE8 del tipo RZ 8 Mbx");
    EXPECT_EQ(Log(), (std::vector<std::string>{"E$$R", "E$$V"}));
    EXPECT_TRUE(session->Identity().identified);
    EXPECT_EQ(line->breaks, 1); // the link closed once, leaving break

    // The sending variant signs off first, then names the product type error.
    session->options.mismatchHead = texts::wrongProduct;
    session->options.signOffOnRefusal = true;
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 1);
    EXPECT_EQ(sink->Texts()[1],
              "Tipo Prodotto errato. Il dispositivo connesso \xE8 del tipo RZ 8 Mbx");
    EXPECT_EQ(Log().back(), "$$X");
    EXPECT_EQ(sink->heardBefore[1], Log().size());

    // Adopting the unit's type: no comparison at all.
    session->options.checkProduct = false;
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 0);
    EXPECT_EQ(session->Identity().productType, 2);
}

TEST_F(SimSession, ReadsBothSectionsAndTheMailboxSection) {
    CSimConfig config;
    config.sectionBlocks = 4;
    config.mailboxes = {"12", "345"};
    Start(config);
    CSerialLink link(context);
    proto::StatusReply status;
    ASSERT_TRUE(session->ReadStatus(link, status));
    const std::size_t length = status.SectionLength();
    EXPECT_EQ(length, 2048u);
    std::vector<std::uint8_t> one, two, boxes;
    ASSERT_TRUE(session->ReadFixedSection(link, length, one));
    ASSERT_TRUE(session->ReadFixedSection(link, length, two));
    EXPECT_EQ(one, line->sim.Memory().section1);
    EXPECT_EQ(two, line->sim.Memory().section2);
    ASSERT_TRUE(session->ReadMailboxSection(link, boxes));
    EXPECT_EQ(boxes, line->sim.MailboxSectionBytes(CUnitSim::Clock::now()));
    EXPECT_EQ(boxes.size(), 7 + 2 * 233 + 2 + 1 + 4 * 21 + 8u);
    EXPECT_TRUE(sink->messages.empty());
}

TEST_F(SimSession, SectionFaultsEndWithTheirMessage) {
    struct Case {
        SimFault fault;
        const char* message;
    } cases[] = {
        {{SimFault::Kind::Corrupt, 'N', 2048, 1}, "Errore di Check Sum"},
        {{SimFault::Kind::Corrupt, 'N', 5, 1}, "Errore di Check Sum"},
        {{SimFault::Kind::Short, 'N', 100, 1}, "Time-out Comunicazione"},
        {{SimFault::Kind::Short, 'C', 1, 1}, "Time-out Comunicazione"},
    };
    for (const auto& c : cases) {
        CSimConfig config;
        config.sectionBlocks = 4;
        config.faults = {c.fault};
        Start(config);
        CSerialLink link(context);
        proto::StatusReply status;
        std::vector<std::uint8_t> data;
        ASSERT_TRUE(session->ReadStatus(link, status));
        const bool ok = c.fault.target == 'C' ? session->ReadMailboxSection(link, data)
                                              : session->ReadFixedSection(link, 2048, data);
        EXPECT_FALSE(ok);
        EXPECT_EQ(sink->Texts(), std::vector<std::string>{c.message});
    }
}

TEST_F(SimSession, RefusedBlockIsSentAgainInFull) {
    CSimConfig config;
    config.sectionBlocks = 3;
    config.blockSize = 16;
    config.faults = {{SimFault::Kind::Refuse, 'B', 'N', 1}};
    Start(config);
    std::vector<std::uint8_t> image(48);
    for (std::size_t k = 0; k < image.size(); ++k)
        image[k] = static_cast<std::uint8_t>(250 + k);

    CSerialLink link(context);
    proto::BlockGeometry geometry;
    ASSERT_TRUE(session->ReadBlockGeometry(link, geometry));
    EXPECT_EQ(geometry.ImageBlocks(), 3);
    ASSERT_TRUE(session->SendBlockHeader(link, {0x04, 0x01, 0x00, 0x01, 0x00}));
    ASSERT_TRUE(session->SendBlocks(link, image, geometry.BlockSize()));
    EXPECT_EQ(line->sim.Memory().section2, image);
    const auto log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "block refused"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "block ok"), 3);
    EXPECT_TRUE(sink->messages.empty());
}

TEST_F(SimSession, BlockRefusedForEverEndsInsteadOfHanging) {
    CSimConfig config;
    config.sectionBlocks = 1;
    config.blockSize = 8;
    config.faults = {{SimFault::Kind::Refuse, 'B', 'N', -1}};
    Start(config);
    CSerialLink link(context);
    const std::vector<std::uint8_t> block(8, 0x41);
    proto::BlockGeometry geometry;
    ASSERT_TRUE(session->ReadBlockGeometry(link, geometry));
    ASSERT_TRUE(session->SendBlockHeader(link, {0x04, 0x01, 0x00, 0x01, 0x00}));
    EXPECT_FALSE(session->SendBlock(link, block.data(), block.size()));
    EXPECT_EQ(sink->Texts(), std::vector<std::string>{"Errore di Sistema"});
    const auto log = Log();
    EXPECT_EQ(std::count(log.begin(), log.end(), "block refused"),
              CUnitSession::maxBlockResends + 1);
}

TEST_F(SimSession, HeaderNotAcknowledgedIsASystemError) {
    CSimConfig config;
    config.faults = {{SimFault::Kind::WrongFirst, 'H', 'N', 1}};
    Start(config);
    CSerialLink link(context);
    proto::BlockGeometry geometry;
    ASSERT_TRUE(session->ReadBlockGeometry(link, geometry));
    EXPECT_FALSE(session->SendBlockHeader(link, {0x04, 0x01, 0x00, 0x01, 0x00}));
    EXPECT_EQ(sink->Texts(), std::vector<std::string>{"Errore di Sistema"});
    EXPECT_FALSE(session->SendBlocks(link, {1, 2, 3}, 0));
}

TEST_F(SimSession, PortMissingOrVanishing) {
    Start();
    line->present = false;
    EXPECT_EQ(session->IdentifyUnit(CUnitSession::modeFull), 1);
    EXPECT_EQ(sink->Texts(), std::vector<std::string>{"Impossibile aprire la porta COM"});
    EXPECT_TRUE(Log().empty());

    // The device disappears in the middle of the status reply.
    line->present = true;
    line->sim.Config().byteDelay = milliseconds(5);
    sink->messages.clear();
    CSerialLink link(context);
    proto::StatusReply status;
    session->SendCommand(link, proto::cmdStatus);
    std::uint8_t first = 0;
    ASSERT_TRUE(session->AwaitByte(link, first));
    line->unplugged = true;
    const auto start = steady_clock::now();
    EXPECT_FALSE(session->AwaitBytes(link, status.s.data(), 20, 1));
    EXPECT_LT(steady_clock::now() - start, milliseconds(100)); // within the time-out
    // A byte that came in before the device went is then found unreadable.
    ASSERT_EQ(sink->messages.size(), 1u);
    EXPECT_TRUE(sink->Texts()[0] == "Time-out Comunicazione" ||
                sink->Texts()[0] == "La Stringa non pu\xF2 essere letta")
        << sink->Texts()[0];
}
