// The unit's page recordings: "$$I" hands one page's recording out, "$$J"
// takes one in. Both begin with the unit's recording geometry; the system
// then names the page by its index (0..38). A page index the unit does not
// have ends the exchange without an answer.

#include "sim/UnitSim.h"

#include <memory>

namespace kiv::sim {

namespace {

constexpr int kPages = 39;
constexpr std::size_t kDescriptor = 68;

std::uint8_t Sum(const std::uint8_t* data, std::size_t count) {
    unsigned sum = 0;
    for (std::size_t k = 0; k < count; ++k)
        sum += data[k];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

// What a page recorded at the factory holds: a pattern of the page's own.
CSimMemory::Recording FactoryRecording(int page, int blocks, std::size_t blockLength) {
    CSimMemory::Recording r;
    for (std::size_t d = 0; d < kDescriptor; ++d)
        r.descriptor[d] = static_cast<std::uint8_t>(0xA0 + page + d);
    r.blocks = static_cast<std::uint8_t>(blocks);
    r.data.resize(static_cast<std::size_t>(blocks) * blockLength);
    for (std::size_t k = 0; k < r.data.size(); ++k)
        r.data[k] = static_cast<std::uint8_t>(page * 7 + k);
    return r;
}

} // namespace

void CUnitSim::InstallRecordingCommands() {
    const std::size_t blockLength =
        static_cast<std::size_t>(config_.recordingSubBlocks) * config_.recordingUnitSize;
    for (const auto& [page, blocks] : config_.recordings)
        if (page >= 0 && page < kPages && blocks >= 0 && blocks <= 255)
            memory_.recordings[page] = FactoryRecording(page, blocks, blockLength);

    auto geometry = [](CUnitSim& sim, char target, Time now) {
        const auto& c = sim.config_;
        sim.Send({c.recordingGeometry[0], c.recordingGeometry[1], c.recordingSubBlocks,
                  static_cast<std::uint8_t>(c.recordingUnitSize >> 8),
                  static_cast<std::uint8_t>(c.recordingUnitSize & 0xFF)},
                 target, now);
    };

    // Reading: the page index, then B and the descriptor; one block with its
    // checksum for each "S".
    SetCommand('I', [geometry, blockLength](CUnitSim& sim, bool, Time now) {
        geometry(sim, 'I', now);
        sim.Expect([blockLength](CUnitSim& s, std::uint8_t page, Time t) {
            if (page >= kPages) {
                s.Note("page " + std::to_string(page) + " refused");
                return false;
            }
            s.Note("page " + std::to_string(page) + " read");
            const auto it = s.memory_.recordings.find(page);
            const CSimMemory::Recording none;
            const CSimMemory::Recording& r = it != s.memory_.recordings.end() ? it->second : none;
            std::vector<std::uint8_t> reply{r.blocks};
            reply.insert(reply.end(), r.descriptor.begin(), r.descriptor.end());
            s.Send(std::move(reply), 'P', t);
            std::deque<std::vector<std::uint8_t>> blocks;
            for (std::size_t at = 0; at + blockLength <= r.data.size() && blockLength > 0;
                 at += blockLength) {
                std::vector<std::uint8_t> block(r.data.begin() + static_cast<std::ptrdiff_t>(at),
                                                r.data.begin() +
                                                    static_cast<std::ptrdiff_t>(at + blockLength));
                block.push_back(Sum(block.data(), block.size()));
                blocks.push_back(std::move(block));
            }
            s.QueueSections(std::move(blocks));
            return false;
        });
    });

    // Sending: the page index, B, the descriptor; 'S' when ready; then
    // B x r2 chunks of the unit size, each with its checksum, acknowledged
    // with 'S' when intact and refused with 'N' otherwise (sent again).
    SetCommand('J', [geometry, blockLength](CUnitSim& sim, bool, Time now) {
        geometry(sim, 'J', now);
        struct Incoming {
            int page = -1;
            int blocks = -1;
            CSimMemory::Recording recording;
            std::size_t descriptorBytes = 0;
            std::vector<std::uint8_t> chunk;
        };
        auto in = std::make_shared<Incoming>();
        const std::size_t chunkLength = sim.config_.recordingUnitSize;
        sim.Expect([in, blockLength, chunkLength](CUnitSim& s, std::uint8_t b, Time t) {
            if (in->page < 0) {
                if (b >= kPages) {
                    s.Note("page " + std::to_string(b) + " refused");
                    return false;
                }
                in->page = b;
                return true;
            }
            if (in->blocks < 0) {
                in->blocks = b;
                in->recording.blocks = b;
                return true;
            }
            const std::size_t total = static_cast<std::size_t>(in->blocks) * blockLength;
            if (in->descriptorBytes < kDescriptor) {
                in->recording.descriptor[in->descriptorBytes++] = b;
                if (in->descriptorBytes < kDescriptor) return true;
                s.Send({'S'}, 'D', t);
            } else {
                in->chunk.push_back(b);
                if (in->chunk.size() < chunkLength + 1) return true;
                const std::uint8_t check = in->chunk.back();
                in->chunk.pop_back();
                std::vector<std::uint8_t> ack{static_cast<std::uint8_t>(
                    check == Sum(in->chunk.data(), chunkLength) ? 'S' : 'N')};
                s.ApplyFaults(ack, 'B');
                if (!ack.empty() && ack[0] == 'S') {
                    in->recording.data.insert(in->recording.data.end(), in->chunk.begin(),
                                              in->chunk.end());
                    s.Note("chunk ok");
                } else {
                    s.Note("chunk refused");
                }
                in->chunk.clear();
                s.Send(std::move(ack), 0, t);
            }
            if (in->recording.data.size() < total) return true;
            s.memory_.recordings[in->page] = in->recording;
            s.memory_.recordingsReceived++;
            s.Note("page " + std::to_string(in->page) + " stored, " + std::to_string(in->blocks) +
                   " blocks");
            return false;
        });
    });
}

} // namespace kiv::sim
