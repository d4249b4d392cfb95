#include "cli/IdentifyCommand.h"

#include "cli/PortsCommand.h"

#include "document/Cp1252.h"
#include "document/MessageSink.h"
#include "unit/link/SerialTrace.h"
#include "unit/link/UnitSession.h"
#include "unit/link/ui/PortProfile.h"
#include "unit/link/ui/QtSerialPort.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace kiv {

namespace {

// Messages go to stderr, converted from code page 1252 for the terminal.
class CStderrSink : public MessageSink {
  public:
    MsgAnswer Ask(const Message& message) override {
        std::fprintf(stderr, "%s\n", Cp1252ToUtf8(message.text).c_str());
        return message.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
    }
};

CPlainTransferUi* g_ui = nullptr;

void OnInterrupt(int) {
    if (g_ui) g_ui->cancel = true;
}

void Usage() {
    std::fputs("usage: kivtool identify (--port N | --device PATH) [--trace FILE] "
               "[--timeout SECONDS] [--wait]\n"
               "  --wait   wait for a free line while the unit is busy (Ctrl+C gives up)\n",
               stderr);
}

bool ParseInt(const char* text, long lo, long hi, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return *text && *end == '\0' && value >= lo && value <= hi;
}

std::string LanguageText(const proto::IdentReply& ident) {
    std::string out;
    for (int slot = 1; slot <= 3; ++slot) {
        if (slot > 1) out += ", ";
        out += ident.HasLanguage(slot) ? std::to_string(ident.Language(slot)) : "none";
    }
    return out;
}

} // namespace

int RunIdentifyCommand(int argc, char** argv) {
    long port = 0;
    long timeout = 10;
    std::string device, tracePath;
    bool wait = false;
    // argv[0] may be "identify" (kivtool passes its sub-command's arguments).
    for (int k = 1; k < argc; ++k) {
        const std::string opt = argv[k];
        if (opt == "--wait") {
            wait = true;
            continue;
        }
        if (opt == "--help" || opt == "-h") {
            Usage();
            return 0;
        }
        if (k + 1 >= argc) {
            Usage();
            return 1;
        }
        const char* value = argv[++k];
        if (opt == "--port") {
            if (!ParseInt(value, 1, 4, port)) {
                std::fprintf(stderr, "kivtool identify: --port takes 1 to 4\n");
                return 1;
            }
        } else if (opt == "--device") {
            device = value;
        } else if (opt == "--trace") {
            tracePath = value;
        } else if (opt == "--timeout") {
            if (!ParseInt(value, 0, 3600, timeout)) {
                std::fprintf(stderr, "kivtool identify: bad --timeout\n");
                return 1;
            }
        } else {
            Usage();
            return 1;
        }
    }
    if ((port == 0) == device.empty()) {
        Usage();
        return 1;
    }

    // QSerialPort wants an application object on the thread that drives it.
    int appArgc = 1;
    char appName[] = "kivtool";
    char* appArgv[] = {appName, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(appArgc, appArgv);

    CLinkContext context;
    // Line codes come from the rs_setup.cfg kiv uses from this folder; the tool
    // never rewrites it.
    context.settings = ToolSerialSettings();
    context.settingsPath.clear();
    context.ports = device.empty() ? CPortResolver(ProfilePorts().Device(static_cast<int>(port)))
                                   : CPortResolver(device);
    context.portFactory = CQtSerialPort::Factory();
    std::unique_ptr<CSerialTrace> trace;
    if (!tracePath.empty()) {
        trace = std::make_unique<CSerialTrace>(tracePath);
        if (!trace->Good()) {
            std::fprintf(stderr, "kivtool identify: cannot write %s\n", tracePath.c_str());
            return 1;
        }
        context.trace = trace.get();
    }

    CStderrSink sink;
    CPlainTransferUi ui;
    CUnitSession session(context, sink, ui, static_cast<int>(timeout), proto::unknownProductType);
    // Any product is reported, so the product type is not compared.
    session.options.checkProduct = false;

    int result;
    if (wait) {
        g_ui = &ui;
        auto previous = std::signal(SIGINT, OnInterrupt);
        result = session.ConnectUnit();
        std::signal(SIGINT, previous);
        g_ui = nullptr;
    } else {
        result = session.IdentifyUnit(CUnitSession::modeFull);
    }

    const CUnitIdentity& id = session.Identity();
    if (result == CUnitSession::resultBusy) {
        std::fprintf(stderr, "%s\n",
                     wait ? "cancelled while waiting for a free line"
                          : "the unit is busy on a line");
        return 2;
    }
    if (id.identified) {
        std::printf("Product: %s (code %d)\n", Cp1252ToUtf8(id.productName).c_str(),
                    id.productCode);
        std::printf("Version: %s\n", Cp1252ToUtf8(id.version).c_str());
        std::printf("Password length: %zu\n", id.password.size());
        std::printf("Languages: %s\n", LanguageText(id.ident).c_str());
    }
    // No document type can match an unknown product: report it as refused.
    if (result == CUnitSession::resultOk) {
        if (id.productType != proto::unknownProductType) return 0;
        std::fprintf(stderr, "unknown product code %d\n", id.productCode);
        return 2;
    }
    // Identified but refused (version) is a refusal; anything else an error.
    return id.identified ? 2 : 1;
}

} // namespace kiv
