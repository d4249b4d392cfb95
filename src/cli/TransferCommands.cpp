#include "cli/TransferCommands.h"

#include "cli/PortsCommand.h"

#include "document/Cp1252.h"
#include "document/DocCommands.h"
#include "document/PageOps.h"
#include "document/ProductType.h"
#include "unit/link/SerialTrace.h"
#include "unit/link/ui/PortProfile.h"
#include "unit/link/ui/QtSerialPort.h"
#include "unit/transfer/BackupEngine.h"
#include "unit/transfer/ReadParamEngine.h"
#include "unit/transfer/ReadRecordingEngine.h"
#include "unit/transfer/RestoreEngine.h"
#include "unit/transfer/SendParamEngine.h"
#include "unit/transfer/SendRecordingEngine.h"
#include "unit/transfer/SysInitEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

namespace kiv {

namespace {

// Messages and questions on stderr; questions take the answer given on the
// command line.
class CAnsweringSink : public MessageSink {
  public:
    explicit CAnsweringSink(bool yes) : yes_(yes) {}
    MsgAnswer Ask(const Message& message) override {
        const std::string text = Cp1252ToUtf8(message.text);
        switch (message.buttons) {
        case MsgButtons::Ok:
            std::fprintf(stderr, "%s\n", text.c_str());
            return MsgAnswer::Ok;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel:
            std::fprintf(stderr, "%s %s\n", text.c_str(), yes_ ? "[Yes]" : "[No]");
            return yes_ ? MsgAnswer::Yes : MsgAnswer::No;
        case MsgButtons::OkCancel:
            break;
        }
        std::fprintf(stderr, "%s %s\n", text.c_str(), yes_ ? "[OK]" : "[Cancel]");
        return yes_ ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }

  private:
    bool yes_;
};

// The password of the command line, once; asked again, there is no other.
class COncePrompt : public PasswordPrompt {
  public:
    explicit COncePrompt(std::string password) : password_(std::move(password)) {}
    std::optional<std::string> Ask(const std::string&, const std::string&,
                                   const std::string&) override {
        if (used_) return std::nullopt;
        used_ = true;
        return password_;
    }

  private:
    std::string password_;
    bool used_ = false;
};

// Status texts on their own lines, progress in quarters.
class CStderrProgress : public CPlainTransferUi {
  public:
    void SetStatusText(const std::string& text) override {
        if (text == last_) return;
        last_ = text;
        std::fprintf(stderr, "%s\n", Cp1252ToUtf8(text).c_str());
    }
    void SetProgressRange(std::size_t range) override {
        range_ = range;
        done_ = 0;
        shown_ = 0;
    }
    void StepProgress() override {
        if (range_ == 0) return;
        ++done_;
        const std::size_t quarter = done_ * 4 / range_;
        if (quarter > shown_ && quarter <= 4) {
            shown_ = quarter;
            std::fprintf(stderr, "  %zu%%\n", quarter * 25);
        }
    }

  private:
    std::string last_;
    std::size_t range_ = 0, done_ = 0, shown_ = 0;
};

CPlainTransferUi* g_ui = nullptr;

void OnInterrupt(int) {
    if (g_ui) g_ui->cancel = true;
}

bool ParseInt(const std::string& text, long lo, long hi, long& value) {
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && value >= lo && value <= hi;
}

struct Options {
    long port = 0;
    long timeout = 10;
    long delay = 0;
    std::string device, trace, output, password, file, pages;
    bool yes = false;
    bool hasPassword = false;
};

// Parses the shared options; `positional` receives a word that is no option.
bool ParseOptions(const std::vector<std::string>& args, Options& o, const char* command) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& opt = args[k];
        if (opt == "--yes") {
            o.yes = true;
            continue;
        }
        if (opt.rfind("-", 0) != 0) {
            if (!o.file.empty()) return false;
            o.file = opt;
            continue;
        }
        if (k + 1 >= args.size()) return false;
        const std::string& value = args[++k];
        if (opt == "--port") {
            if (!ParseInt(value, 1, 4, o.port)) {
                std::fprintf(stderr, "kivtool %s: --port takes 1 to 4\n", command);
                return false;
            }
        } else if (opt == "--device") {
            o.device = value;
        } else if (opt == "--trace") {
            o.trace = value;
        } else if (opt == "--timeout") {
            if (!ParseInt(value, 1, 3600, o.timeout)) return false;
        } else if (opt == "-o" || opt == "--output") {
            o.output = value;
        } else if (opt == "--pages") {
            o.pages = value;
        } else if (opt == "--delay") {
            if (!ParseInt(value, 0, 1000, o.delay)) return false;
        } else if (opt == "--password") {
            o.password = value;
            o.hasPassword = true;
        } else {
            return false;
        }
    }
    return (o.port == 0) != o.device.empty();
}

// Everything a transfer needs around the engine: the application object that
// QSerialPort wants, the link context, the trace, Ctrl+C.
class CToolLink {
  public:
    CToolLink(const Options& o, const CLinkTiming& timing) {
        if (!QCoreApplication::instance()) {
            app_ = std::make_unique<QCoreApplication>(argc_, argv_);
        }
        // Line codes come from the rs_setup.cfg kiv uses from this folder; the tool
        // never rewrites it.
        context.settings = ToolSerialSettings();
        context.settingsPath.clear();
        context.ports = o.device.empty()
                            ? CPortResolver(ProfilePorts().Device(static_cast<int>(o.port)))
                            : CPortResolver(o.device);
        context.portFactory = CQtSerialPort::Factory();
        context.timing = timing;
        if (!o.trace.empty()) {
            trace_ = std::make_unique<CSerialTrace>(o.trace);
            if (trace_->Good()) context.trace = trace_.get();
        }
        g_ui = &ui;
        previous_ = std::signal(SIGINT, OnInterrupt);
    }
    ~CToolLink() {
        std::signal(SIGINT, previous_);
        g_ui = nullptr;
    }
    CToolLink(const CToolLink&) = delete;
    CToolLink& operator=(const CToolLink&) = delete;

    bool TraceFailed() const { return trace_ && !trace_->Good(); }

    CLinkContext context;
    CStderrProgress ui;

  private:
    int argc_ = 1;
    char name_[8] = "kivtool";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
    std::unique_ptr<CSerialTrace> trace_;
    void (*previous_)(int) = nullptr;
};

// `path` with the extension of the product type.
std::string WithTypeExtension(const std::string& path, int productType) {
    const ProductTypeInfo* info = FindProductType(productType);
    const std::string name = FileNameOf(path);
    const std::size_t dot = name.rfind('.');
    const std::string stem =
        dot == std::string::npos ? path : path.substr(0, path.size() - (name.size() - dot));
    return stem + "." + (info ? info->extension : "qel");
}

// "0,5,31" (unit page numbers) into a set of page indices.
bool ParsePages(const std::string& text, std::array<bool, kPageCount>& chosen) {
    chosen.fill(false);
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        long number = 0;
        if (!ParseInt(text.substr(at, comma - at), 0, 99, number)) return false;
        const int index = PageIndex(static_cast<int>(number));
        if (index < 0) return false;
        chosen[static_cast<std::size_t>(index)] = true;
        at = comma + 1;
    }
    return true;
}

} // namespace

int RunReadCommand(const std::vector<std::string>& args, const CLinkTiming& timing) {
    Options o;
    if (!ParseOptions(args, o, "read") || o.output.empty() || !o.file.empty()) {
        std::fputs("usage: kivtool read (--port N | --device PATH) -o FILE [--yes] "
                   "[--trace FILE] [--timeout SECONDS]\n"
                   "  The extension of FILE (qel, dax, ri8, ri2) gives the product type\n"
                   "  expected; --yes adopts the unit's type when it differs.\n",
                   stderr);
        return 1;
    }
    const int expected = ProductTypeFromFileName(FileNameOf(o.output)).value_or(0);
    CQelDoc doc;
    NewConfiguration(doc, expected);
    doc.commTimeout = static_cast<std::int32_t>(o.timeout);

    CToolLink tool(o, timing);
    if (tool.TraceFailed()) {
        std::fprintf(stderr, "kivtool read: cannot write %s\n", o.trace.c_str());
        return 1;
    }
    CAnsweringSink sink(o.yes);
    CReadParamEngine engine(tool.context, sink, tool.ui, doc);
    engine.Run();
    engine.ApplyTo(doc);
    if (!engine.Succeeded()) return ExitStatus(engine.End());

    std::string path = WithDefaultExtension(o.output);
    if (doc.productType != expected) {
        // The file's extension is what tells its product type when it is opened again.
        path = WithTypeExtension(path, doc.productType);
        std::fprintf(stderr, "the unit is a %s: writing %s\n", ProductTypeName(doc.productType),
                     path.c_str());
    }
    if (!SaveConfiguration(doc, path, true, sink)) return 1;
    std::printf("%s\n", path.c_str());
    return 0;
}

int RunSendCommand(const std::vector<std::string>& args, const CLinkTiming& timing) {
    Options o;
    if (!ParseOptions(args, o, "send") || o.file.empty() || !o.hasPassword || !o.output.empty()) {
        std::fputs("usage: kivtool send FILE (--port N | --device PATH) --password P [--yes] "
                   "[--trace FILE] [--timeout SECONDS]\n",
                   stderr);
        return 1;
    }
    CAnsweringSink sink(o.yes);
    CQelDoc doc;
    if (!OpenConfiguration(doc, o.file, sink)) return 1;
    doc.commTimeout = static_cast<std::int32_t>(o.timeout);

    CToolLink tool(o, timing);
    if (tool.TraceFailed()) {
        std::fprintf(stderr, "kivtool send: cannot write %s\n", o.trace.c_str());
        return 1;
    }
    COncePrompt prompt(o.password);
    CSendParamEngine engine(tool.context, sink, tool.ui, prompt, doc);
    engine.Run();
    if (const UncodableText* bad = engine.Uncodable())
        std::fprintf(stderr, "kivtool send: %s: %s\n", bad->member.c_str(), bad->Reason().c_str());
    return ExitStatus(engine.End());
}

bool ReadUnitConfiguration(const std::vector<std::string>& portOptions, CQelDoc& doc,
                           const CLinkTiming& timing) {
    Options o;
    if (!ParseOptions(portOptions, o, "diff") || !o.file.empty() || !o.output.empty()) {
        std::fputs("kivtool diff: the unit is named by --port N or --device PATH\n", stderr);
        return false;
    }
    doc.commTimeout = static_cast<std::int32_t>(o.timeout);
    CToolLink tool(o, timing);
    if (tool.TraceFailed()) {
        std::fprintf(stderr, "kivtool diff: cannot write %s\n", o.trace.c_str());
        return false;
    }
    CAnsweringSink sink(o.yes);
    CReadParamEngine engine(tool.context, sink, tool.ui, doc);
    engine.Run();
    if (!engine.Succeeded()) return false;
    engine.ApplyTo(doc);
    return true;
}

namespace {

enum class UnitFileCommand { Backup, Restore, Init };

// kivtool backup / restore / init: the engine of the dialog over the file
// named on the command line. --config names a configuration whose product
// type and identity texts stand for the document's.
int RunUnitFileCommand(UnitFileCommand which, const std::vector<std::string>& args,
                       const CLinkTiming& timing) {
    static const char* const names[] = {"backup", "restore", "init"};
    const char* name = names[static_cast<int>(which)];
    std::vector<std::string> rest;
    std::string config;
    for (std::size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "--config" && k + 1 < args.size())
            config = args[++k];
        else
            rest.push_back(args[k]);
    }
    Options o;
    const bool parsed = ParseOptions(rest, o, name);
    const std::string typed = which == UnitFileCommand::Backup ? o.output : o.file;
    const bool stray = which == UnitFileCommand::Backup ? !o.file.empty() : !o.output.empty();
    if (!parsed || typed.empty() || stray) {
        std::fprintf(stderr,
                     "usage: kivtool backup -o FILE (--port N | --device PATH) [options]\n"
                     "       kivtool restore FILE (--port N | --device PATH) [--yes] [options]\n"
                     "       kivtool init FILE (--port N | --device PATH) [--yes] [options]\n"
                     "  options: [--config CONFIG] [--trace FILE] [--timeout SECONDS]\n"
                     "  A name without a folder is taken in the current folder, and gets .%s\n"
                     "  when it has no extension. CONFIG gives the product type expected (a\n"
                     "  new RZ 128 Mbx configuration otherwise); --yes agrees to lose the\n"
                     "  unit's data.\n",
                     which == UnitFileCommand::Init ? "vox" : "wax");
        return 1;
    }
    CAnsweringSink sink(o.yes);
    CQelDoc doc;
    if (config.empty())
        NewConfiguration(doc, 0);
    else if (!OpenConfiguration(doc, config, sink))
        return 1;
    doc.commTimeout = static_cast<std::int32_t>(o.timeout);

    CToolLink tool(o, timing);
    if (tool.TraceFailed()) {
        std::fprintf(stderr, "kivtool %s: cannot write %s\n", name, o.trace.c_str());
        return 1;
    }
    std::error_code ec;
    const std::string here = std::filesystem::current_path(ec).string();
    std::unique_ptr<CUnitFileTransfer> engine;
    switch (which) {
    case UnitFileCommand::Backup:
        engine = std::make_unique<CBackupEngine>(tool.context, sink, tool.ui, doc, typed, here);
        break;
    case UnitFileCommand::Restore:
        engine = std::make_unique<CRestoreEngine>(tool.context, sink, tool.ui, doc, typed, here);
        break;
    case UnitFileCommand::Init:
        engine = std::make_unique<CSysInitEngine>(tool.context, sink, tool.ui, doc, typed, here);
        break;
    }
    engine->Run();
    if (engine->Succeeded()) std::printf("%s\n", engine->Path().c_str());
    return ExitStatus(engine->End());
}

} // namespace

int RunBackupCommand(const std::vector<std::string>& args, const CLinkTiming& timing) {
    return RunUnitFileCommand(UnitFileCommand::Backup, args, timing);
}

int RunRestoreCommand(const std::vector<std::string>& args, const CLinkTiming& timing) {
    return RunUnitFileCommand(UnitFileCommand::Restore, args, timing);
}

int RunInitCommand(const std::vector<std::string>& args, const CLinkTiming& timing) {
    return RunUnitFileCommand(UnitFileCommand::Init, args, timing);
}

int RunRecordingsCommand(const std::vector<std::string>& args, const CLinkTiming& timing) {
    const std::string direction = args.empty() ? "" : args.front();
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    Options o;
    const bool sending = direction == "send";
    if ((direction != "read" && !sending) || !ParseOptions(rest, o, "recordings") ||
        o.file.empty() || !o.output.empty() || (sending && !o.hasPassword)) {
        std::fputs("usage: kivtool recordings read|send CONFIG (--port N | --device PATH)\n"
                   "         [--pages LIST] [--password P] [--yes] [--trace FILE]\n"
                   "         [--timeout SECONDS] [--delay D]\n"
                   "  The pages' recording files are those named in CONFIG; LIST names the\n"
                   "  pages by their numbers (0-26, 31-36, 41-46), e.g. 0,5,31 (default: all\n"
                   "  pages that have a file). send needs --password. --delay paces the bytes\n"
                   "  sent (the program's Script/Delay).\n",
                   stderr);
        return 1;
    }
    CAnsweringSink sink(o.yes);
    CQelDoc doc;
    if (!OpenConfiguration(doc, o.file, sink)) return 1;
    doc.commTimeout = static_cast<std::int32_t>(o.timeout);
    RecordingRequest request = RecordingRequest::From(doc, static_cast<int>(o.delay));
    if (!o.pages.empty()) {
        std::array<bool, kPageCount> chosen{};
        if (!ParsePages(o.pages, chosen)) {
            std::fprintf(stderr, "kivtool recordings: --pages %s: not a list of page numbers\n",
                         o.pages.c_str());
            return 1;
        }
        for (std::size_t p = 0; p < chosen.size(); ++p) {
            if (!chosen[p]) {
                request.pageFiles[p].clear();
            } else if (request.pageFiles[p].empty()) {
                std::fprintf(stderr, "kivtool recordings: page %02d has no recording file in %s\n",
                             PageNumber(static_cast<int>(p)), o.file.c_str());
                return 1;
            }
        }
    }

    CToolLink tool(o, timing);
    if (tool.TraceFailed()) {
        std::fprintf(stderr, "kivtool recordings: cannot write %s\n", o.trace.c_str());
        return 1;
    }
    if (sending) {
        COncePrompt prompt(o.password);
        CSendRecordingEngine engine(tool.context, sink, tool.ui, prompt, request);
        engine.Run();
        return ExitStatus(engine.End());
    }
    CReadRecordingEngine engine(tool.context, sink, tool.ui, request);
    engine.Run();
    for (const int index : engine.PagesRead())
        std::printf("%s\n", request.pageFiles[static_cast<std::size_t>(index)].c_str());
    return ExitStatus(engine.End());
}

} // namespace kiv
