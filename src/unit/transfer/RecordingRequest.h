#pragma once
// What a recording transfer works on, taken from the configuration when its
// dialog starts: the 39 page recording files (an empty name leaves the page
// out), the communication time-out, the product type the unit must be, the
// identity texts of the files written, and the pacing of the bytes sent.

#include "document/QelDoc.h"
#include "unit/link/LinkTiming.h"

#include <algorithm>
#include <array>
#include <string>

namespace kiv {

struct RecordingRequest {
    std::array<std::string, 39> pageFiles;
    int timeoutSeconds = 10;
    int productType = 0;
    std::string identVersion, identMaker, identDate;
    // The profile's "Script" / "Delay".
    int delay = 0;

    static RecordingRequest From(const CQelDoc& doc, int delay) {
        RecordingRequest r;
        r.pageFiles = doc.pageFile;
        r.timeoutSeconds = doc.commTimeout;
        r.productType = doc.productType;
        r.identVersion = doc.identVersion;
        r.identMaker = doc.identMaker;
        r.identDate = doc.identDate;
        r.delay = delay;
        return r;
    }
    bool Empty() const {
        return std::all_of(pageFiles.begin(), pageFiles.end(),
                           [](const std::string& f) { return f.empty(); });
    }
    double Pacing() const { return CLinkTiming::ScriptPacing(delay); }
};

} // namespace kiv
