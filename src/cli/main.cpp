// kivtool: the command-line companion of kiv, on the same core code.
#include "cli/FileCommands.h"
#ifdef KIV_WITH_UNIT
#include "cli/IdentifyCommand.h"
#include "cli/OffscreenGui.h"
#include "cli/PortsCommand.h"
#include "cli/ReportCommand.h"
#include "cli/TransferCommands.h"
#include "schedule/ui/WeekPictureRender.h"
#endif

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&, const kiv::cli::Context&);
    const char* summary;
};

#ifdef KIV_WITH_UNIT
// The unit commands take the usual argc/argv with the command name first.
int RunIdentify(const std::vector<std::string>& args, const kiv::cli::Context&) {
    std::vector<std::string> words{"identify"};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    return kiv::RunIdentifyCommand(static_cast<int>(words.size()), argv.data());
}
int RunPorts(const std::vector<std::string>& args, const kiv::cli::Context&) {
    return kiv::RunPortsCommand(args);
}
int RunRead(const std::vector<std::string>& args, const kiv::cli::Context&) {
    return kiv::RunReadCommand(args);
}
int RunSend(const std::vector<std::string>& args, const kiv::cli::Context&) {
    return kiv::RunSendCommand(args);
}
int RunBackup(const std::vector<std::string>& args, const kiv::cli::Context&) {
    return kiv::RunBackupCommand(args);
}
int RunRestore(const std::vector<std::string>& args, const kiv::cli::Context&) {
    return kiv::RunRestoreCommand(args);
}
int RunInit(const std::vector<std::string>& args, const kiv::cli::Context&) {
    return kiv::RunInitCommand(args);
}
int RunRecordings(const std::vector<std::string>& args, const kiv::cli::Context&) {
    return kiv::RunRecordingsCommand(args);
}
#endif

int RunDiff(const std::vector<std::string>& args, const kiv::cli::Context& ctx) {
#ifdef KIV_WITH_UNIT
    return kiv::cli::RunDiff(args, ctx,
                             [](const std::vector<std::string>& options, kiv::CQelDoc& unit) {
                                 return kiv::ReadUnitConfiguration(options, unit);
                             });
#else
    return kiv::cli::RunDiff(args, ctx, {});
#endif
}

int RunSchedule(const std::vector<std::string>& args, const kiv::cli::Context& ctx) {
#ifdef KIV_WITH_UNIT
    return kiv::cli::RunSchedule(args, ctx,
                                 [](const std::string& svg, kiv::schedule::WeekFormat format,
                                    std::string& bytes, std::string& error) {
                                     const auto app = kiv::cli::MakeOffscreenGuiApplication();
                                     return kiv::schedule::RenderWeekPicture(svg, format, bytes,
                                                                             error);
                                 });
#else
    return kiv::cli::RunSchedule(args, ctx, {});
#endif
}

const Command kCommands[] = {
    {"dump", kiv::cli::RunDump, "print a configuration file (or a default) as JSON"},
    {"new", kiv::cli::RunNew, "write a fresh configuration of a product type"},
    {"import", kiv::cli::RunImport, "build a configuration file from JSON"},
    {"convert", kiv::cli::RunConvert, "load a configuration and save it under another name"},
    {"diff", RunDiff, "compare two configurations, or a configuration with the unit"},
    {"mailboxes", kiv::cli::RunMailboxes, "export the mailboxes to CSV, or import them from CSV"},
    {"diagram", kiv::cli::RunDiagram, "draw the auto-attendant's call flow (svg, png, pdf, dot)"},
    {"schedule", RunSchedule, "draw the week: working hours, breaks, holidays, modes"},
#ifdef KIV_WITH_UNIT
    {"ports", RunPorts, "list the system's serial ports and the mapping of COM1-COM4"},
    {"identify", RunIdentify, "identify the unit on a serial port"},
    {"read", RunRead, "read the configuration from the unit into a file"},
    {"send", RunSend, "send a configuration file to the unit"},
    {"report", kiv::cli::RunReport, "write the configuration report to a PDF"},
    {"backup", RunBackup, "copy the unit's whole memory into a backup file (.wax)"},
    {"restore", RunRestore, "write a backup file back into the unit"},
    {"init", RunInit, "load a system image file (.vox) into the unit"},
    {"recordings", RunRecordings, "read or send the page recordings of a configuration"},
#endif
};

void Usage(FILE* out) {
    std::fprintf(out, "usage: kivtool COMMAND [ARGS]   (kivtool COMMAND --help for details)\n\n");
    for (const auto& c : kCommands)
        std::fprintf(out, "  %-9s %s\n", c.name, c.summary);
}

std::string ProgramDir(const char* argv0) {
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) exe = std::filesystem::absolute(argv0, ec);
    return exe.parent_path().string();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage(stderr);
        return 1;
    }
    const std::string name = argv[1];
    if (name == "--version") {
        std::printf("kivtool %s\n", KIV_VERSION);
        return 0;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        Usage(stdout);
        return 0;
    }
    kiv::cli::Context ctx;
    std::error_code ec;
    ctx.startDir = std::filesystem::current_path(ec).string();
    ctx.programDir = ProgramDir(argv[0]);
    for (const auto& c : kCommands) {
        if (name == c.name) return c.run(std::vector<std::string>(argv + 2, argv + argc), ctx);
    }
    std::fprintf(stderr, "kivtool: unknown command '%s'\n", name.c_str());
    Usage(stderr);
    return 1;
}
