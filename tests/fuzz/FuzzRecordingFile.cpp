// Fuzz target: the page recording file reader on any bytes, the block count
// it adapts to any unit, and the send engine itself with the bytes as a
// page's file, over the simulated unit answering on the in-memory port.
// The first three bytes are the unit's sub-blocks per block and unit size;
// the rest is the file.
//
// The count must cover every data byte of the file and not one block more.
// The engine must refuse, before "$$J", a file that holds less than its
// header claims, and otherwise store exactly the file's data (the last
// block filled with zeros) or refuse a count that does not fit its byte;
// nothing it does may end in "Errore di Sistema".
#include "support/SimLink.h"
#include "support/TempDir.h"
#include "unit/files/RecordingFile.h"
#include "unit/transfer/SendRecordingEngine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using namespace kiv;

void Check(bool holds) {
    if (!holds) std::abort();
}

// The bytes as page 05's file sent to a unit of r2 sub-blocks of V bytes.
void SendAsPage(const std::uint8_t* file, std::size_t size, std::uint8_t r2, std::uint16_t v) {
    static const test::CTempDir folder("kiv-fuzz-page");
    static const std::string path = (folder.Path() / "page").string();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file), static_cast<std::streamsize>(size));
    }
    sim::CSimConfig config;
    config.pauseScale = 0;
    config.recordingSubBlocks = r2;
    config.recordingUnitSize = v;
    auto line = std::make_shared<sim::CSimSerialPort::Line>(config, "sim0");
    CLinkContext context = test::SimLinkContext(line);
    RecordingSink sink;
    CPlainTransferUi ui;
    test::UnitPassword prompt;
    RecordingRequest request;
    request.timeoutSeconds = 1;
    request.pageFiles[5] = path;
    CSendRecordingEngine engine(context, sink, ui, prompt, request);
    engine.Run();

    const auto texts = sink.Texts();
    Check(std::find(texts.begin(), texts.end(), "Errore di Sistema") == texts.end());
    const std::string incompatible = "Il file selezionato non \xE8 compatibile con l'unit\xE0";
    const auto& log = line->sim.Log();
    const auto header = DecodeRecordingHeader(file, size);
    if (!header || size - kRecordingHeaderLength < header->DataLength()) {
        Check(!engine.Succeeded() && !texts.empty() && texts.back() == incompatible);
        Check(std::find(log.begin(), log.end(), "E$$J") == log.end());
        return;
    }
    const auto adapted = AdaptRecording(*header, r2, v);
    Check(adapted.has_value());
    const auto& memory = line->sim.Memory();
    if (adapted->blocks > 255) {
        Check(!engine.Succeeded() && texts.back() == incompatible);
        Check(memory.recordingsReceived == 0);
        return;
    }
    Check(engine.Succeeded());
    const auto stored = memory.recordings.find(5);
    Check(stored != memory.recordings.end());
    std::vector<std::uint8_t> expected(file + kRecordingHeaderLength,
                                       file + kRecordingHeaderLength + header->DataLength());
    expected.resize(adapted->blocks * r2 * v, 0);
    Check(stored->second.data == expected);
    Check(stored->second.blocks == adapted->blocks);
    Check(std::equal(header->descriptor.begin(), header->descriptor.end(),
                     stored->second.descriptor.begin()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const std::uint8_t unitSubBlocks = data[0];
    const auto unitSize = static_cast<std::uint16_t>(data[1] << 8 | data[2]);
    const auto header = kiv::DecodeRecordingHeader(data + 3, size - 3);
    if (!header) {
        if (size - 3 >= kiv::kRecordingHeaderLength) std::abort();
    } else {
        const auto bytes = kiv::EncodeRecordingHeader(*header);
        for (std::size_t k = 0; k < bytes.size(); ++k)
            if (bytes[k] != data[3 + k]) std::abort();
        const auto adapted = kiv::AdaptRecording(*header, unitSubBlocks, unitSize);
        const std::size_t unitBlock = static_cast<std::size_t>(unitSubBlocks) * unitSize;
        if (!adapted) {
            if (unitBlock != 0) std::abort();
        } else {
            const std::size_t length = header->DataLength();
            if (adapted->blocks * unitBlock < length) std::abort();
            if (adapted->blocks > 0 && (adapted->blocks - 1) * unitBlock >= length) std::abort();
            if (adapted->chunks != adapted->blocks * unitSubBlocks) std::abort();
        }
    }
    // The engine on a unit of a few small chunks per block, so that a run
    // stays short whatever the file claims.
    if (size - 3 <= (1u << 16))
        SendAsPage(data + 3, size - 3, static_cast<std::uint8_t>(1 + unitSubBlocks % 4),
                   static_cast<std::uint16_t>(1 + unitSize % 512));
    return 0;
}
