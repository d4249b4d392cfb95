// Load and save time of a full configuration: 128 mailboxes and every text
// list filled. `bench_file --write FILE` writes that configuration for the
// whole-process timing of kivtool (see bench/run).
#include "document/QelFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

kiv::CQelDoc FullConfiguration() {
    kiv::CQelDoc doc;
    doc.mboxCount = 128;
    for (int i = 0; i < 128; ++i) {
        auto& m = doc.mailboxes[static_cast<size_t>(i)];
        m.number = std::to_string(100 + i);
        m.password = "1234";
        m.phone = "0039055123456789";
        m.pager = "00390551234567890123456789$";
        m.slot = static_cast<uint8_t>(i);
    }
    for (auto& t : doc.holidayText)
        t = "Festa patronale di San Giovanni";
    for (auto& t : doc.pageFile)
        t = "C:\\Registrazioni\\pagina.wav";
    for (auto& t : doc.pageText)
        t = "Descrizione della pagina";
    for (auto& t : doc.allowedExt)
        t = "1234";
    return doc;
}

std::span<const uint8_t> Span(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

void BM_Save(benchmark::State& state) {
    kiv::CQelDoc doc = FullConfiguration();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string stored = kiv::StoreConfiguration(doc);
        bytes = stored.size();
        benchmark::DoNotOptimize(stored);
    }
    state.counters["file_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_Save)->Unit(benchmark::kMicrosecond);

void BM_Load(benchmark::State& state) {
    kiv::CQelDoc source = FullConfiguration();
    const std::string stored = kiv::StoreConfiguration(source);
    kiv::CQelDoc doc;
    for (auto _ : state) {
        kiv::RecordingSink sink;
        if (kiv::LoadConfiguration(doc, Span(stored), "full.qel", sink) != 1)
            state.SkipWithError("the full configuration was refused");
        benchmark::DoNotOptimize(doc.mboxCount);
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write") == 0) {
        kiv::CQelDoc doc = FullConfiguration();
        std::ofstream(argv[2], std::ios::binary) << kiv::StoreConfiguration(doc);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
