// Fuzzes everything that reads the unit's replies: the decoders, and the
// identification and section exchanges fed with arbitrary reply bytes.
// Also feeds the bytes to the simulated unit's command parser.

#include "sim/UnitSim.h"
#include "unit/link/Protocol.h"
#include "unit/link/UnitSession.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace {

using namespace kiv;

// A port whose unit answers with the fuzz bytes, whatever is asked.
class ScriptedPort : public ISerialPort {
  public:
    explicit ScriptedPort(std::deque<std::uint8_t>& replies) : replies_(replies) {}
    bool Open(const std::string&, const LineParams&) override { return open_ = true; }
    bool IsOpen() const override { return open_; }
    bool Write(const std::uint8_t*, std::size_t) override { return true; }
    std::size_t BytesWaiting() override { return replies_.size(); }
    bool WaitForBytes(std::size_t count, std::chrono::milliseconds) override {
        return replies_.size() >= count;
    }
    long Read(std::uint8_t* dest, std::size_t count) override {
        const std::size_t n = std::min(count, replies_.size());
        std::copy_n(replies_.begin(), n, dest);
        replies_.erase(replies_.begin(), replies_.begin() + static_cast<long>(n));
        return static_cast<long>(n);
    }
    void Flush() override {}
    void SetBreak(bool) override {}
    void Close() override { open_ = false; }

  private:
    std::deque<std::uint8_t>& replies_;
    bool open_ = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kiv::proto;
    if (size > 4096) return 0;

    if (const auto s = DecodeStatus(data, std::min<std::size_t>(size, statusLength)))
        (void)s->SectionLength();
    if (const auto i = DecodeIdent(data, std::min<std::size_t>(size, identLength))) {
        (void)VersionAccepted(i->Version());
        (void)i->Password();
        (void)ProductNameOfCode(i->ProductCode());
    }
    if (const auto g = DecodeGeometry(data, std::min<std::size_t>(size, geometryLength)))
        (void)g->BlockSize();

    // The whole identification, then the shared reads, over the reply bytes.
    std::deque<std::uint8_t> replies(data, data + size);
    CLinkContext context;
    context.settingsPath.clear();
    context.ports = CPortResolver("fuzz");
    context.portFactory = [&replies] { return std::make_unique<ScriptedPort>(replies); };
    context.timing = CLinkTiming{}.Scaled(0.0);
    context.timing.second = std::chrono::milliseconds(1);
    RecordingSink sink;
    CPlainTransferUi ui;
    ui.onProbe = [](int probes) { return probes >= 3; };
    CUnitSession session(context, sink, ui, 0, size > 0 ? data[0] % 5 : 0);
    if (session.ConnectUnit() == 0) {
        CSerialLink link(context);
        StatusReply status;
        std::vector<std::uint8_t> section;
        if (session.ReadStatus(link, status) &&
            session.ReadFixedSection(link, std::min<std::size_t>(status.SectionLength(), 512),
                                     section))
            session.ReadMailboxSection(link, section);
    }

    kiv::sim::CUnitSim sim{kiv::sim::CSimConfig{}};
    sim.Receive(data, size, kiv::sim::CUnitSim::Time{});
    (void)sim.TakeDue(kiv::sim::CUnitSim::Time::max());
    return 0;
}
