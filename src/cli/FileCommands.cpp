#include "cli/FileCommands.h"

#include "autoattendant/CallFlowRender.h"
#include "compare/ConfigDiff.h"
#include "document/ConfigJson.h"
#include "document/Cp1252.h"
#include "document/DefaultFiles.h"
#include "document/DocCommands.h"
#include "document/ProductType.h"
#include "document/QelDoc.h"
#include "document/QelFile.h"
#include "editors/MboxCsv.h"
#include "editors/MboxList.h"
#include "editors/MboxRefs.h"
#include "schedule/WeekSvg.h"
#include "unit/image/CodedFields.h"

#include <cstdio>
#include <memory>
#include <optional>

namespace kiv::cli {
namespace {

// Exit statuses shared by the commands.
constexpr int kOk = 0;
constexpr int kError = 1;
constexpr int kRefused = 2;

int Fail(const std::string& message) {
    std::fprintf(stderr, "kivtool: %s\n", message.c_str());
    return kError;
}

bool WantsHelp(const std::vector<std::string>& args) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") return true;
    return false;
}

// Messages shown while loading are collected for the dump and echoed on stderr.
class CollectingSink : public MessageSink {
  public:
    MsgAnswer Ask(const Message& m) override {
        texts.push_back(m.text);
        std::fprintf(stderr, "%s\n", Cp1252ToUtf8(m.text).c_str());
        return m.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
    std::vector<std::string> texts;
};

// Splits "IN -o OUT" style arguments: positionals and the value of -o.
struct Args {
    std::vector<std::string> positional;
    std::optional<std::string> output;
    std::optional<std::string> type;
    bool useDefault = false;
    std::string error;
};

Args Parse(const std::vector<std::string>& args, bool takesType, bool takesDefault) {
    Args out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-o" || a == "--output" || (takesType && a == "--type")) {
            if (i + 1 >= args.size()) {
                out.error = a + " needs a value";
                return out;
            }
            (a == "--type" ? out.type : out.output) = args[++i];
        } else if (takesDefault && a == "--default") {
            out.useDefault = true;
        } else if (a.size() > 1 && a[0] == '-') {
            out.error = "unknown option " + a;
            return out;
        } else {
            out.positional.push_back(a);
        }
    }
    return out;
}

std::optional<int> ParseType(const std::string& s) {
    if (s.size() == 1 && s[0] >= '0' && s[0] <= '3') return s[0] - '0';
    return std::nullopt;
}

std::vector<std::string> DefaultFolders(const Context& ctx) {
    return DataFolders(ctx.startDir, ctx.programDir);
}

int PrintJson(CQelDoc& doc, const std::vector<std::string>& messages) {
    const std::string text = json::Write(ConfigurationToJson(doc, messages)) + "\n";
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return Fail("cannot write the output");
    return kOk;
}

// Checks the output name: ".qel" added when it has none, and one of the four
// extensions, which gives the product type of the file.
std::optional<std::string> OutputPath(const std::string& given, int& type) {
    const std::string path = WithDefaultExtension(given);
    const auto t = ProductTypeFromFileName(FileNameOf(path));
    if (!t) {
        Fail(given + ": the file name must end in .qel, .dax, .ri8 or .ri2");
        return std::nullopt;
    }
    type = *t;
    return path;
}

int Save(CQelDoc& doc, const std::string& given) {
    int type = 0;
    const auto path = OutputPath(given, type);
    if (!path) return kError;
    if (doc.mboxCount > MaxMailboxes(type)) {
        std::fprintf(stderr,
                     "kivtool: %s: %d mailboxes do not fit a %s configuration (at most %d)\n",
                     given.c_str(), doc.mboxCount, ProductTypeName(type), MaxMailboxes(type));
        return kRefused;
    }
    CollectingSink sink;
    if (!SaveConfiguration(doc, *path, false, sink)) return kError;
    return kOk;
}

} // namespace

int RunDump(const std::vector<std::string>& args, const Context& ctx) {
    if (WantsHelp(args)) {
        std::puts("usage: kivtool dump FILE\n"
                  "       kivtool dump --default TYPE\n\n"
                  "Prints a configuration as JSON. FILE is loaded as \"Apri\" loads it: the\n"
                  "product type follows from its extension. With --default, prints the\n"
                  "configuration \"Apri Default\" makes for product type TYPE (0 RZ 128 Mbx,\n"
                  "1 RZ 48 Mbx, 2 RZ 8 Mbx, 3 RZ 2 Mbx) from the default file of the current\n"
                  "folder (or the installed one).\n\n"
                  "Exit status: 0 loaded, 2 the file was refused, 1 usage or I/O error.");
        return kOk;
    }
    const Args a = Parse(args, false, true);
    if (!a.error.empty()) return Fail(a.error);
    if (a.positional.size() != 1)
        return Fail("dump takes one FILE, or --default TYPE (see --help)");

    CollectingSink sink;
    CQelDoc doc;
    doc.startDir = ctx.startDir;
    doc.currentDir = ctx.startDir;
    NewConfiguration(doc, 0);
    if (a.useDefault) {
        const auto type = ParseType(a.positional[0]);
        if (!type) return Fail("--default takes a product type 0, 1, 2 or 3");
        OpenDefaultConfiguration(doc, *type, DefaultFolders(ctx), sink);
        const int status = PrintJson(doc, sink.texts);
        return status != kOk ? status : (doc.fileValid ? kOk : kRefused);
    }
    std::vector<uint8_t> data;
    if (!ReadWholeFile(a.positional[0], data))
        return Fail(a.positional[0] + ": cannot read the file");
    const bool accepted = LoadConfiguration(doc, data, FileNameOf(a.positional[0]), sink) == 1;
    const int status = PrintJson(doc, sink.texts);
    return status != kOk ? status : (accepted ? kOk : kRefused);
}

int RunNew(const std::vector<std::string>& args, const Context& ctx) {
    if (WantsHelp(args)) {
        std::puts("usage: kivtool new --type TYPE -o FILE\n\n"
                  "Writes a fresh configuration of product type TYPE (0-3) as \"Apri Default\"\n"
                  "makes it. The extension of FILE must match the product type.");
        return kOk;
    }
    const Args a = Parse(args, true, false);
    if (!a.error.empty()) return Fail(a.error);
    if (!a.positional.empty() || !a.type || !a.output)
        return Fail("new needs --type TYPE and -o FILE (see --help)");
    const auto type = ParseType(*a.type);
    if (!type) return Fail("--type takes a product type 0, 1, 2 or 3");
    int fileType = 0;
    const auto path = OutputPath(*a.output, fileType);
    if (!path) return kError;
    if (fileType != *type)
        return Fail(*a.output + ": a " + ProductTypeName(*type) + " configuration is saved as *." +
                    FindProductType(*type)->extension);
    CollectingSink sink;
    CQelDoc doc;
    doc.startDir = ctx.startDir;
    OpenDefaultConfiguration(doc, *type, DefaultFolders(ctx), sink);
    return Save(doc, *path);
}

int RunImport(const std::vector<std::string>& args, const Context& ctx) {
    if (WantsHelp(args)) {
        std::puts("usage: kivtool import FILE.json -o FILE\n\n"
                  "Builds a configuration from JSON as \"kivtool dump\" prints it and saves\n"
                  "it. Keys that are missing keep the values of a new configuration; unknown\n"
                  "keys, wrong types, values out of range and texts the unit cannot take\n"
                  "as codes (a dial string with \"$\", say) are refused.");
        return kOk;
    }
    const Args a = Parse(args, false, false);
    if (!a.error.empty()) return Fail(a.error);
    if (a.positional.size() != 1 || !a.output)
        return Fail("import needs FILE.json and -o FILE (see --help)");
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(a.positional[0], bytes))
        return Fail(a.positional[0] + ": cannot read the file");
    json::Value root;
    std::string error;
    if (!json::Parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                     root, error))
        return Fail(a.positional[0] + ": " + error);
    CQelDoc doc;
    doc.startDir = ctx.startDir;
    NewConfiguration(doc, 0);
    if (!ConfigurationFromJson(root, doc, error)) return Fail(a.positional[0] + ": " + error);
    if (const auto bad = FindUncodableText(doc))
        return Fail(a.positional[0] + ": " + bad->member + ": " + bad->Reason());
    return Save(doc, *a.output);
}

int RunConvert(const std::vector<std::string>& args, const Context& ctx) {
    if (WantsHelp(args)) {
        std::puts("usage: kivtool convert IN -o OUT\n\n"
                  "Loads IN as \"Apri\" does and saves it as OUT. Each extension gives its\n"
                  "product type (.qel, .dax, .ri8, .ri2).");
        return kOk;
    }
    const Args a = Parse(args, false, false);
    if (!a.error.empty()) return Fail(a.error);
    if (a.positional.size() != 1 || !a.output)
        return Fail("convert needs IN and -o OUT (see --help)");
    std::vector<uint8_t> data;
    if (!ReadWholeFile(a.positional[0], data))
        return Fail(a.positional[0] + ": cannot read the file");
    CollectingSink sink;
    CQelDoc doc;
    doc.startDir = ctx.startDir;
    NewConfiguration(doc, 0);
    if (LoadConfiguration(doc, data, FileNameOf(a.positional[0]), sink) != 1) return kRefused;
    return Save(doc, *a.output);
}

int RunMailboxes(const std::vector<std::string>& args, const Context& ctx) {
    if (WantsHelp(args)) {
        std::puts("usage: kivtool mailboxes export FILE -o OUT.csv\n"
                  "       kivtool mailboxes import FILE IN.csv -o OUT\n\n"
                  "Writes the mailboxes of a configuration as CSV (UTF-8, a header row of\n"
                  "column names; telephone and pager numbers as =\"0123\", which spreadsheets\n"
                  "keep as text), or takes them from a CSV file (\",\" or \";\" separated, the\n"
                  "numbers as =\"0123\" or plain) and\n"
                  "saves the configuration as OUT. Every row is checked as the mailbox\n"
                  "editor checks it; a row whose number exists replaces that mailbox, any\n"
                  "other row adds one. Nothing is saved unless every row is good.\n\n"
                  "Exit status: 0 done, 2 the configuration or the CSV was refused (each\n"
                  "faulty row on stderr as IN.csv:LINE: colonna COLUMN: what is wrong),\n"
                  "1 usage or I/O error.");
        return kOk;
    }
    const Args a = Parse(args, false, false);
    if (!a.error.empty()) return Fail(a.error);
    const bool isExport = !a.positional.empty() && a.positional[0] == "export";
    const bool isImport = !a.positional.empty() && a.positional[0] == "import";
    if (!a.output ||
        !((isExport && a.positional.size() == 2) || (isImport && a.positional.size() == 3)))
        return Fail("mailboxes takes export FILE -o OUT.csv or import FILE IN.csv -o OUT "
                    "(see --help)");
    const std::string& file = a.positional[1];
    std::vector<uint8_t> data;
    if (!ReadWholeFile(file, data)) return Fail(file + ": cannot read the file");
    CollectingSink sink;
    CQelDoc doc;
    doc.startDir = ctx.startDir;
    NewConfiguration(doc, 0);
    if (LoadConfiguration(doc, data, FileNameOf(file), sink) != 1) return kRefused;

    if (isExport) {
        const std::string csv = editors::ExportMboxCsv(editors::MailboxesInUse(doc));
        if (!WriteFileReplacing(*a.output, csv)) return Fail(*a.output + ": cannot write the file");
        return kOk;
    }
    const std::string& csvPath = a.positional[2];
    std::vector<uint8_t> csv;
    if (!ReadWholeFile(csvPath, csv)) return Fail(csvPath + ": cannot read the file");
    editors::CMboxList list(doc);
    const editors::MboxCsvImport result = editors::ImportMboxCsv(
        list, std::string_view(reinterpret_cast<const char*>(csv.data()), csv.size()));
    for (const auto& e : result.errors) {
        const std::string where = e.column.empty() ? "" : "colonna " + e.column + ": ";
        std::fprintf(stderr, "%s:%d: %s%s\n", csvPath.c_str(), e.line, where.c_str(),
                     Cp1252ToUtf8(e.message).c_str());
    }
    if (!result.Ok()) return kRefused;
    if (result.changed) list.ApplyTo(doc);
    std::fprintf(stderr, "%d replaced, %d added\n", result.replaced, result.added);
    return Save(doc, *a.output);
}

int RunDiff(const std::vector<std::string>& args, const Context& ctx, const UnitReader& readUnit) {
    constexpr int kSame = 0;
    constexpr int kDifferent = 1;
    constexpr int kTrouble = 2;
    if (WantsHelp(args)) {
        std::puts("usage: kivtool diff A B [--json]\n"
                  "       kivtool diff FILE (--port N | --device PATH) [--json] [--yes]\n"
                  "                [--trace FILE] [--timeout SECONDS]\n\n"
                  "Compares two configuration files, or a file with the configuration read\n"
                  "from the unit (nothing is written). One line per difference, rows\n"
                  "numbered as the sheets number them: sheet | field: first -> second.\n"
                  "A different product type is the first line. --json prints a list of\n"
                  "{sheet, caption, first, second}.\n\n"
                  "File against file: everything the files hold (what a send carries, the\n"
                  "page descriptions, the holiday descriptions, the recording list, the\n"
                  "language codes and the unit password, shown as **** when it differs),\n"
                  "but not the clock or the identity texts that every save rewrites.\n"
                  "File against unit: what a send carries to the unit.\n\n"
                  "Exit status: 0 no difference, 1 they differ, 2 a side could not be read\n"
                  "or a usage error.");
        return kOk;
    }
    std::vector<std::string> files;
    std::vector<std::string> portOptions;
    bool json = false;
    bool unit = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--json") {
            json = true;
        } else if (a == "--yes") {
            portOptions.push_back(a);
        } else if (a == "--port" || a == "--device" || a == "--timeout" || a == "--trace") {
            if (i + 1 >= args.size()) {
                Fail(a + " needs a value");
                return kTrouble;
            }
            unit = unit || a == "--port" || a == "--device";
            portOptions.push_back(a);
            portOptions.push_back(args[++i]);
        } else if (a.size() > 1 && a[0] == '-') {
            Fail("unknown option " + a);
            return kTrouble;
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != (unit ? 1u : 2u) || (!unit && !portOptions.empty())) {
        Fail("diff takes two files, or one file and --port N or --device PATH (see --help)");
        return kTrouble;
    }
    if (unit && !readUnit) {
        Fail("this kivtool cannot talk to a unit");
        return kTrouble;
    }

    std::vector<std::unique_ptr<CQelDoc>> docs;
    CollectingSink sink;
    for (const std::string& file : files) {
        std::vector<uint8_t> data;
        if (!ReadWholeFile(file, data)) {
            Fail(file + ": cannot read the file");
            return kTrouble;
        }
        auto doc = std::make_unique<CQelDoc>();
        doc->startDir = ctx.startDir;
        NewConfiguration(*doc, 0);
        if (LoadConfiguration(*doc, data, FileNameOf(file), sink) != 1) return kTrouble;
        docs.push_back(std::move(doc));
    }
    if (unit) {
        auto doc = std::make_unique<CQelDoc>();
        NewConfiguration(*doc, docs[0]->productType);
        if (!readUnit(portOptions, *doc)) return kTrouble;
        docs.push_back(std::move(doc));
    }

    const auto diffs =
        CompareConfigurations(*docs[0], *docs[1], unit ? CompareScope::Send : CompareScope::File);
    std::string text;
    if (json) {
        json::Value list = json::Value::array();
        for (const auto& d : diffs)
            list.push_back({{"sheet", Cp1252ToUtf8(d.sheet)},
                            {"caption", Cp1252ToUtf8(d.caption)},
                            {"first", Cp1252ToUtf8(d.first)},
                            {"second", Cp1252ToUtf8(d.second)}});
        text = json::Write(list) + "\n";
    } else {
        for (const auto& d : diffs)
            text += Cp1252ToUtf8(DifferenceLine(d)) + "\n";
    }
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
        std::fflush(stdout) != 0) {
        Fail("cannot write the output");
        return kTrouble;
    }
    return diffs.empty() ? kSame : kDifferent;
}

namespace {

// The configuration a drawing command draws: one FILE, or --default TYPE.
// kOk with `doc` loaded, or the exit status to return.
int LoadDrawingInput(const Args& a, const Context& ctx, CQelDoc& doc) {
    CollectingSink sink;
    doc.startDir = ctx.startDir;
    NewConfiguration(doc, 0);
    if (a.useDefault) {
        const auto type = ParseType(a.positional[0]);
        if (!type) return Fail("--default takes a product type 0, 1, 2 or 3");
        OpenDefaultConfiguration(doc, *type, DefaultFolders(ctx), sink);
        return doc.fileValid != 0 ? kOk : kRefused;
    }
    std::vector<uint8_t> data;
    if (!ReadWholeFile(a.positional[0], data))
        return Fail(a.positional[0] + ": cannot read the file");
    return LoadConfiguration(doc, data, FileNameOf(a.positional[0]), sink) == 1 ? kOk : kRefused;
}

} // namespace

int RunDiagram(const std::vector<std::string>& args, const Context& ctx) {
    if (WantsHelp(args)) {
        std::puts("usage: kivtool diagram FILE -o OUT.svg|OUT.png|OUT.pdf|OUT.dot\n"
                  "       kivtool diagram --default TYPE -o OUT...\n\n"
                  "Draws the auto-attendant of a configuration as a call-flow diagram: the\n"
                  "pages, each programmed key and time-out with its destination, and the\n"
                  "opening page of each line and mode. Pages no call reaches are dashed,\n"
                  "keys whose destination does not exist are red. The extension of OUT\n"
                  "chooses the format (.dot writes the Graphviz text).\n\n"
                  "Exit status: 0 written, 2 the file was refused, 1 usage or I/O error.");
        return kOk;
    }
    const Args a = Parse(args, false, true);
    if (!a.error.empty()) return Fail(a.error);
    if (a.positional.size() != 1 || !a.output)
        return Fail("diagram takes one FILE (or --default TYPE) and -o OUT (see --help)");
    const auto format = autoatt::DiagramFormatOfFileName(*a.output);
    if (!format) return Fail(*a.output + ": the file name must end in .svg, .png, .pdf or .dot");

    CQelDoc doc;
    if (const int status = LoadDrawingInput(a, ctx, doc); status != kOk) return status;
    std::string drawing;
    std::string error;
    if (!autoatt::RenderCallFlow(doc, *format, drawing, error)) return Fail(error);
    if (!WriteFileReplacing(*a.output, drawing)) return Fail(*a.output + ": cannot write the file");
    return kOk;
}

int RunSchedule(const std::vector<std::string>& args, const Context& ctx,
                const PictureRenderer& render) {
    if (WantsHelp(args)) {
        std::puts("usage: kivtool schedule FILE -o OUT.svg|OUT.png|OUT.pdf\n"
                  "       kivtool schedule --default TYPE -o OUT...\n\n"
                  "Draws the week of a configuration: Monday to Sunday against the 24 hours,\n"
                  "each day's working hours as a band and each break as a block with its\n"
                  "page, the operating mode, each line's opening page per mode and the\n"
                  "holidays. Overlapping breaks, breaks outside the working hours, working\n"
                  "hours that end before they start and break pages that are not programmed\n"
                  "are marked and listed under the drawing. The extension of OUT chooses the\n"
                  "format.\n\n"
                  "Exit status: 0 written, 2 the file was refused, 1 usage or I/O error.");
        return kOk;
    }
    const Args a = Parse(args, false, true);
    if (!a.error.empty()) return Fail(a.error);
    if (a.positional.size() != 1 || !a.output)
        return Fail("schedule takes one FILE (or --default TYPE) and -o OUT (see --help)");
    const std::string& out = *a.output;
    const auto format = schedule::WeekFormatOfFileName(out);
    if (!format) return Fail(out + ": the file name must end in .svg, .png or .pdf");
    if (*format != schedule::WeekFormat::Svg && !render)
        return Fail(out + ": this kivtool writes .svg only");

    CQelDoc doc;
    if (const int status = LoadDrawingInput(a, ctx, doc); status != kOk) return status;
    std::string drawing = schedule::WeekSvg(doc);
    if (*format != schedule::WeekFormat::Svg) {
        std::string bytes;
        std::string error;
        if (!render(drawing, *format, bytes, error)) return Fail(out + ": " + error);
        drawing = std::move(bytes);
    }
    if (!WriteFileReplacing(out, drawing)) return Fail(out + ": cannot write the file");
    return kOk;
}

} // namespace kiv::cli
