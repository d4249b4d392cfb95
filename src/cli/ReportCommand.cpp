#include "cli/ReportCommand.h"

#include "app/QtText.h"
#include "cli/OffscreenGui.h"
#include "document/Cp1252.h"
#include "document/DocCommands.h"
#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "document/QelFile.h"
#include "report/Report.h"
#include "report/ui/ReportRenderer.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <memory>
#include <optional>

namespace kiv::cli {
namespace {

int Fail(const std::string& message) {
    std::fprintf(stderr, "kivtool: %s\n", message.c_str());
    return 1;
}

// Messages of the load go to stderr; questions are answered No.
class StderrSink : public MessageSink {
  public:
    MsgAnswer Ask(const Message& m) override {
        std::fprintf(stderr, "%s\n", Cp1252ToUtf8(m.text).c_str());
        return m.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
};

std::optional<int> ParseSection(const std::string& s) {
    if (s.empty() || s.size() > 2 || s.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int code = std::stoi(s);
    return report::IsSection(code) ? std::optional<int>(code) : std::nullopt;
}

} // namespace

int RunReport(const std::vector<std::string>& args, const Context&) {
    std::string input, output;
    std::optional<int> section = report::kAll;
    QPageSize::PageSizeId paper = QPageSize::A4;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::puts(
                "usage: kivtool report FILE [--section CODE] [--paper A4|Letter] [--landscape]\n"
                "                      -o OUT.pdf\n\n"
                "Writes the configuration report of FILE, the pages \"Stampa\" prints, to\n"
                "a PDF (A4 portrait unless told). CODE chooses the section as \"Stampa\n"
                "Impostazioni\" does: 0 all (the default), 1 PBX, 2 system, 3 in-band, 4\n"
                "auto attendant, 5 schedule, 7 notification, 8 mailboxes, 9 statistics,\n"
                "10 messages. A page whose rows do not fit the paper goes on over the\n"
                "next sheet.\n\n"
                "Exit status: 0 written, 2 the file was refused, 1 usage or I/O error.");
            return 0;
        }
        if (a == "--landscape") {
            orientation = QPageLayout::Landscape;
            continue;
        }
        if (a == "--paper") {
            if (i + 1 >= args.size()) return Fail(a + " needs a value");
            const std::string& value = args[++i];
            if (value == "A4" || value == "a4")
                paper = QPageSize::A4;
            else if (value == "Letter" || value == "letter")
                paper = QPageSize::Letter;
            else
                return Fail("--paper takes A4 or Letter");
            continue;
        }
        if (a == "-o" || a == "--output" || a == "--section") {
            if (i + 1 >= args.size()) return Fail(a + " needs a value");
            const std::string& value = args[++i];
            if (a == "--section") {
                section = ParseSection(value);
                if (!section) return Fail("--section takes 0-5 or 7-10");
            } else {
                output = value;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            return Fail("unknown option " + a);
        } else if (input.empty()) {
            input = a;
        } else {
            return Fail("report takes one FILE (see --help)");
        }
    }
    if (input.empty() || output.empty()) return Fail("report needs FILE and -o OUT.pdf");

    std::vector<uint8_t> data;
    if (!ReadWholeFile(input, data)) return Fail(input + ": cannot read the file");
    StderrSink sink;
    CQelDoc doc;
    if (LoadConfiguration(doc, data, FileNameOf(input), sink) != 1) return 2;
    doc.title = FileNameOf(input);
    report::SelectSection(doc, *section);
    report::PreparePrint(doc);

    const auto app = MakeOffscreenGuiApplication();
    QPdfWriter pdf(FromNativePath(output));
    pdf.setResolution(static_cast<int>(report::kUnitsPerInch));
    pdf.setPageLayout(QPageLayout(QPageSize(paper), orientation, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    pdf.setTitle(FromNativePath(doc.title));
    pdf.setCreator(QStringLiteral("kivtool"));
    if (!report::PrintPages(pdf, doc, doc.Clock().ToLocal(doc.Clock().Now())))
        return Fail(output + ": cannot write the PDF");
    return 0;
}

} // namespace kiv::cli
