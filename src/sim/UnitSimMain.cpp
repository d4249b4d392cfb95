// unitsim: a simulated unit on a pseudo-terminal. Prints the device path to
// open as the serial port, optionally links it at a fixed path, and answers
// the system until interrupted.

#include "sim/PtyServer.h"
#include "sim/UnitSim.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

kiv::sim::CPtyServer* g_server = nullptr;

void OnSignal(int) {
    if (g_server) g_server->Stop();
}

void Usage(FILE* out) {
    std::fputs("usage: unitsim [options]\n"
               "  --product CODE        product code (16..23; default 16)\n"
               "  --version D,D,D|NNN   software version digits (default 760)\n"
               "  --password DIGITS     unit password, up to 8 digits (default 1234; '' for none)\n"
               "  --languages A,B,C     language slots, 255 = none (default 1,2,255)\n"
               "  --lines A,B,C,D       line states (default 6,6,6,6)\n"
               "  --flash TOTAL,LEFT    flash recording seconds (default 3600,3000)\n"
               "  --busy N              answer the first N status requests as busy\n"
               "  --busy-byte B         byte sent when busy (default 1)\n"
               "  --reply-delay MS      delay before each reply\n"
               "  --byte-delay MS       delay between reply bytes\n"
               "  --byte-rate N         bytes per second both ways (960 models a 9600-baud line)\n"
               "  --section-blocks N    blocks of each parameter section (default 32)\n"
               "  --block-size N        block size in bytes (default 512)\n"
               "  --divisor N           status byte s19 (default 8)\n"
               "  --memory-blocks N     blocks of the whole memory, the backup's N (default 2048;\n"
               "                        a block is section-blocks x block-size bytes)\n"
               "  --page-area N         length of the page area in bytes (default 4096)\n"
               "  --pages-length N      the page area's length that $$B and $$E give (default:\n"
               "                        the page area's)\n"
               "  --memory-factor N     status byte s0 (default 1: a restore takes 2011 blocks)\n"
               "  --mailboxes N,N,...   mailbox numbers held at start, in slots 0, 1, ...\n"
               "  --mailbox-count N     N mailboxes numbered 100, 101, ... held at start\n"
               "  --messages N          messages held by each of those mailboxes\n"
               "  --calls A,B,C,D       calls answered on lines 1 to 4\n"
               "  --bad-checksum N      send parameter section N (1 or 2) with a wrong checksum\n"
               "  --mailbox-section-length N\n"
               "                        cut or pad the \"$$C\" section to N bytes\n"
               "  --recording-unit R2,SIZE\n"
               "                        page recordings in blocks of R2 chunks of SIZE bytes\n"
               "                        (default 2,256)\n"
               "  --recording PAGE:BLOCKS\n"
               "                        page index 0..38 recorded with BLOCKS blocks (repeatable)\n"
               "  --fault KIND:TARGET[:VALUE[:TIMES]]\n"
               "                        KIND silence|short|wrong|corrupt|refuse,\n"
               "                        TARGET R|V|C|N|G|H|B|A|I|J|P|D or * (repeatable)\n"
               "  --pause-scale F       pauses the unit needs to store what it is sent, times F\n"
               "                        (default 1: 2000 ms after \"$$D\", each deleted position,\n"
               "                        the image and the stream, 500 ms after the clock,\n"
               "                        200 ms before and after the attention byte of a\n"
               "                        restore's \"$$S\", of which 150 ms will do;\n"
               "                        0 checks none)\n"
               "  --quiet-around-x      also require 100 ms (scaled) of quiet around \"$$X\"\n"
               "  --link PATH           create a symbolic link PATH to the device\n"
               "  --verbose             print every command heard on stderr\n",
               out);
}

bool ToInt(const char* text, long lo, long hi, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 0);
    return *text && *end == '\0' && value >= lo && value <= hi;
}

} // namespace

int main(int argc, char** argv) {
    using namespace kiv::sim;
    CSimConfig config;
    // A unit on the desk needs its pauses.
    config.pauseScale = 1.0;
    std::string linkPath;
    bool verbose = false;
    for (int k = 1; k < argc; ++k) {
        const std::string opt = argv[k];
        if (opt == "--help" || opt == "-h") {
            Usage(stdout);
            return 0;
        }
        if (opt == "--verbose") {
            verbose = true;
            continue;
        }
        if (opt == "--quiet-around-x") {
            config.quietAroundSignOff = true;
            continue;
        }
        if (k + 1 >= argc) {
            std::fprintf(stderr, "unitsim: %s needs a value\n", opt.c_str());
            return 1;
        }
        const char* value = argv[++k];
        std::vector<std::uint8_t> list;
        long n = 0;
        bool ok = true;
        if (opt == "--product") {
            ok = ToInt(value, 0, 255, n);
            config.productCode = static_cast<int>(n);
        } else if (opt == "--version") {
            if (std::strlen(value) == 3 && std::strspn(value, "0123456789") == 3) {
                for (std::size_t d = 0; d < 3; ++d)
                    config.version[d] = static_cast<std::uint8_t>(value[d] - '0');
            } else if ((ok = ParseByteList(value, list) && list.size() == 3)) {
                std::copy(list.begin(), list.end(), config.version.begin());
            }
        } else if (opt == "--password") {
            config.password = value;
            ok = config.password.size() <= 8 &&
                 config.password.find_first_not_of("0123456789") == std::string::npos;
        } else if (opt == "--languages") {
            if ((ok = ParseByteList(value, list) && list.size() == 3))
                std::copy(list.begin(), list.end(), config.languages.begin());
        } else if (opt == "--lines") {
            if ((ok = ParseByteList(value, list) && list.size() == 4))
                std::copy(list.begin(), list.end(), config.lineStates.begin());
        } else if (opt == "--flash") {
            long total = 0, left = 0;
            const std::string v = value;
            const auto comma = v.find(',');
            ok = comma != std::string::npos && ToInt(v.substr(0, comma).c_str(), 0, 65535, total) &&
                 ToInt(v.substr(comma + 1).c_str(), 0, 65535, left);
            config.flashTotalSeconds = static_cast<std::uint16_t>(total);
            config.flashRemainingSeconds = static_cast<std::uint16_t>(left);
        } else if (opt == "--busy") {
            ok = ToInt(value, 0, 1000000, n);
            config.busyProbes = static_cast<int>(n);
        } else if (opt == "--busy-byte") {
            ok = ToInt(value, 0, 255, n) && n != 0x14;
            config.busyByte = static_cast<std::uint8_t>(n);
        } else if (opt == "--reply-delay") {
            ok = ToInt(value, 0, 600000, n);
            config.replyDelay = std::chrono::milliseconds(n);
        } else if (opt == "--byte-delay") {
            ok = ToInt(value, 0, 600000, n);
            config.byteDelay = std::chrono::milliseconds(n);
        } else if (opt == "--byte-rate") {
            ok = ToInt(value, 1, 1000000, n);
            config.byteDelay = std::chrono::nanoseconds(1000000000L / std::max(n, 1L));
            config.paceReceived = true;
        } else if (opt == "--divisor") {
            ok = ToInt(value, 0, 255, n);
            config.divisor = static_cast<std::uint8_t>(n);
        } else if (opt == "--mailboxes") {
            config.mailboxes.clear();
            std::string rest = value;
            while (ok && !rest.empty()) {
                const auto comma = rest.find(',');
                const std::string number = rest.substr(0, comma);
                ok = !number.empty() && number.size() <= 4 &&
                     number.find_first_not_of("0123456789") == std::string::npos &&
                     config.mailboxes.size() < 129;
                config.mailboxes.push_back(number);
                rest = comma == std::string::npos ? "" : rest.substr(comma + 1);
            }
        } else if (opt == "--mailbox-count") {
            ok = ToInt(value, 0, 129, n);
            config.mailboxes.clear();
            for (long m = 0; m < n; ++m)
                config.mailboxes.push_back(std::to_string(100 + m));
        } else if (opt == "--messages") {
            ok = ToInt(value, 0, 50, n);
            config.messagesPerMailbox = static_cast<int>(n);
        } else if (opt == "--calls") {
            std::string v = value;
            std::size_t line = 0;
            while (ok && line < 4) {
                const auto comma = v.find(',');
                long c = 0;
                ok = ToInt(v.substr(0, comma).c_str(), 0, 65535, c);
                config.calls[line++] = static_cast<std::uint16_t>(c);
                if (comma == std::string::npos) break;
                v = v.substr(comma + 1);
            }
            ok = ok && line == 4;
        } else if (opt == "--bad-checksum") {
            ok = ToInt(value, 1, 2, n);
            config.badChecksumSection = static_cast<int>(n);
        } else if (opt == "--mailbox-section-length") {
            ok = ToInt(value, 0, 65535, n);
            config.mailboxSectionLength = static_cast<int>(n);
        } else if (opt == "--section-blocks") {
            ok = ToInt(value, 0, 255, n);
            config.sectionBlocks = static_cast<std::uint8_t>(n);
        } else if (opt == "--block-size") {
            ok = ToInt(value, 1, 65535, n);
            config.blockSize = static_cast<std::uint16_t>(n);
        } else if (opt == "--memory-blocks") {
            ok = ToInt(value, 0, 65535, n);
            config.memoryBlocks = static_cast<std::uint16_t>(n);
        } else if (opt == "--page-area") {
            ok = ToInt(value, 0, 65535, n);
            config.pageAreaLength = static_cast<std::uint16_t>(n);
        } else if (opt == "--pages-length") {
            ok = ToInt(value, 0, 65535, n);
            config.pagesLength = static_cast<std::uint16_t>(n);
        } else if (opt == "--memory-factor") {
            ok = ToInt(value, 0, 255, n);
            config.memoryFactor = static_cast<std::uint8_t>(n);
        } else if (opt == "--recording-unit") {
            const std::string v = value;
            const auto comma = v.find(',');
            long r2 = 0;
            ok = comma != std::string::npos && ToInt(v.substr(0, comma).c_str(), 1, 255, r2) &&
                 ToInt(v.substr(comma + 1).c_str(), 1, 65535, n);
            config.recordingSubBlocks = static_cast<std::uint8_t>(r2);
            config.recordingUnitSize = static_cast<std::uint16_t>(n);
        } else if (opt == "--recording") {
            const std::string v = value;
            const auto colon = v.find(':');
            long page = 0;
            ok = colon != std::string::npos && ToInt(v.substr(0, colon).c_str(), 0, 38, page) &&
                 ToInt(v.substr(colon + 1).c_str(), 0, 255, n);
            config.recordings.emplace_back(static_cast<int>(page), static_cast<int>(n));
        } else if (opt == "--fault") {
            SimFault fault;
            const std::string error = ParseFault(value, fault);
            if (!error.empty()) {
                std::fprintf(stderr, "unitsim: --fault %s: %s\n", value, error.c_str());
                return 1;
            }
            config.faults.push_back(fault);
        } else if (opt == "--pause-scale") {
            char* end = nullptr;
            config.pauseScale = std::strtod(value, &end);
            ok = *value && *end == '\0' && config.pauseScale >= 0.0 && config.pauseScale <= 100.0;
        } else if (opt == "--link") {
            linkPath = value;
        } else {
            std::fprintf(stderr, "unitsim: unknown option %s\n", opt.c_str());
            Usage(stderr);
            return 1;
        }
        if (!ok) {
            std::fprintf(stderr, "unitsim: bad value for %s: %s\n", opt.c_str(), value);
            return 1;
        }
    }

    CUnitSim sim(config);
    if (verbose)
        sim.onLog = [](const std::string& entry) {
            std::fprintf(stderr, "unitsim: %s\n", entry.c_str());
        };
    CPtyServer server(sim);
    if (!server.Open()) {
        std::fprintf(stderr, "unitsim: %s\n", server.Error().c_str());
        return 1;
    }
    if (!linkPath.empty()) {
        struct stat st {};
        if (::lstat(linkPath.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) ::unlink(linkPath.c_str());
        if (::symlink(server.SlavePath().c_str(), linkPath.c_str()) != 0) {
            std::fprintf(stderr, "unitsim: cannot create link %s: %s\n", linkPath.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    std::printf("%s\n", server.SlavePath().c_str());
    std::fflush(stdout);

    g_server = &server;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    server.Run();
    g_server = nullptr;
    if (!linkPath.empty()) ::unlink(linkPath.c_str());
    return 0;
}
