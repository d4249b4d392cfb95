// Fuzz target: the JSON reader of "kivtool import" on any text, and the
// import on whatever parses.
#include "document/ConfigJson.h"
#include "document/Json.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const kiv::FixedClock clock(1796637600);
    kiv::json::Value value;
    std::string error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!kiv::json::Parse(text, value, error)) return 0;
    kiv::json::Value reparsed;
    if (!kiv::json::Parse(kiv::json::Write(value), reparsed, error) || !(reparsed == value))
        std::abort();
    kiv::CQelDoc doc(clock);
    (void)kiv::ConfigurationFromJson(value, doc, error);
    return 0;
}
