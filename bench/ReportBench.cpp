// Writes the configuration the report benchmark prints: `bench_report_config
// FILE` saves 128 mailboxes, 39 programmed pages and 50 holidays, every text
// filled. bench/run-report times `kivtool report` of it.
#include "document/DocCommands.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"

#include <cstdio>
#include <string>

namespace {

class QuietSink : public kiv::MessageSink {
  public:
    kiv::MsgAnswer Ask(const kiv::Message&) override { return kiv::MsgAnswer::Ok; }
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_report_config FILE.qel\n");
        return 1;
    }
    kiv::CQelDoc doc;
    doc.mboxCount = 128;
    for (int i = 0; i < 128; ++i) {
        auto& m = doc.mailboxes[static_cast<size_t>(i)];
        m.number = std::to_string(100 + i);
        m.password = i % 2 ? "6071" : "1234";
        m.phone = "0039055123456789";
        m.pager = "00390551234567890123456789";
        m.slot = static_cast<uint8_t>(i);
        m.phoneEnabled = m.pagerEnabled = m.allowed = 1;
    }
    for (auto& page : doc.pages)
        for (auto& key : page)
            key = {6, {'2', '3', '4'}, 3};
    doc.holidayCount = 50;
    for (size_t h = 0; h < 50; ++h) {
        doc.holidayDate[h] = "25/12";
        doc.holidayStart[h] = "08:00";
        doc.holidayEnd[h] = "18:00";
        doc.holidayText[h] = "Festa patronale";
    }
    for (auto& t : doc.pageText)
        t = "Descrizione della pagina";
    for (auto& t : doc.allowedExt)
        t = "1234";
    for (auto& s : doc.dialStrings)
        s = "0039055123456";
    QuietSink sink;
    return kiv::SaveConfiguration(doc, argv[1], false, sink) ? 0 : 1;
}
