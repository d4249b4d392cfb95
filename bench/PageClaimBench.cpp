// Peak memory of "Spedizione Registrazioni" given page files whose headers
// claim more than they hold: a 117-byte file claiming 255 blocks of 255
// units of 65535 bytes (4.2 GB), a sound file picked by mistake (its bytes
// claim about 100 MB), then a real recording of 200 blocks for comparison.
// Each goes through the send engine against the simulated unit in this
// process. Prints the process's peak resident size after each (getrusage);
// the goal is under 100 MB throughout.
//
// usage: bench_page_claims [FOLDER]   (FOLDER: where the files are written)

#include "document/Cp1252.h"
#include "document/MessageSink.h"
#include "support/SimLink.h"
#include "unit/transfer/SendRecordingEngine.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {

using namespace kiv;

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::vector<std::uint8_t> Header(std::uint8_t blocks, std::uint8_t r2, std::uint16_t unitSize) {
    std::vector<std::uint8_t> f(117, 0);
    f[44] = blocks;
    f[45] = r2;
    f[47] = static_cast<std::uint8_t>(unitSize & 0xFF);
    f[48] = static_cast<std::uint8_t>(unitSize >> 8);
    return f;
}

void Send(const std::string& what, const std::filesystem::path& file,
          const std::vector<std::uint8_t>& bytes) {
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    sim::CSimConfig config;
    config.pauseScale = 0;
    config.recordingSubBlocks = 1;
    config.recordingUnitSize = 128;
    auto line = std::make_shared<sim::CSimSerialPort::Line>(config, "sim0");
    CLinkContext context = test::SimLinkContext(line, std::chrono::milliseconds(5));
    RecordingSink sink;
    CPlainTransferUi ui;
    test::UnitPassword prompt;
    RecordingRequest request;
    request.timeoutSeconds = 1;
    request.pageFiles[5] = file.string();
    CSendRecordingEngine engine(context, sink, ui, prompt, request);
    engine.Run();
    const auto texts = sink.Texts();
    const std::string last = texts.empty() ? "" : Cp1252ToUtf8(texts.back());
    std::printf("%-46s %-8s %-54s peak %6.1f MB\n", what.c_str(),
                engine.Succeeded() ? "sent" : "refused", last.c_str(),
                static_cast<double>(PeakKilobytes()) / 1024.0);
}

} // namespace

int main(int argc, char** argv) {
    const std::filesystem::path dir =
        argc > 1 ? std::filesystem::path(argv[1]) : std::filesystem::temp_directory_path();
    const auto file = dir / "kiv-bench-page.rec";
    std::printf("peak at start %.1f MB\n", static_cast<double>(PeakKilobytes()) / 1024.0);
    Send("117 bytes claiming 255 x 255 x 65535 (4.2 GB)", file, Header(255, 255, 0xFFFF));
    std::vector<std::uint8_t> wave(4 << 20, 0x10);
    const std::vector<std::uint8_t> claim = Header(0x30, 0x40, 0x8000);
    std::copy(claim.begin() + 44, claim.begin() + 49, wave.begin() + 44);
    Send("4 MB sound file claiming 48 x 64 x 32768", file, wave);
    std::vector<std::uint8_t> real = Header(200, 1, 128);
    for (int k = 0; k < 200 * 128; ++k)
        real.push_back(static_cast<std::uint8_t>(k * 7));
    Send("real recording, 200 blocks of 128 bytes", file, real);
    std::filesystem::remove(file);
    return 0;
}
