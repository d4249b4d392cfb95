// Fuzzes the readers of backup and system image files: the header decoders,
// and the restore and the system initialization reading the fuzz bytes as
// their file against a small simulated unit in the same process.

#include "document/DocCommands.h"
#include "support/SimLink.h"
#include "support/TempDir.h"
#include "unit/files/BackupFile.h"
#include "unit/transfer/RestoreEngine.h"
#include "unit/transfer/SysInitEngine.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

using namespace kiv;

// One folder for the whole run, removed with what it holds at exit.
const std::string& Folder() {
    static const test::CTempDir folder("kiv-fuzz-backup");
    static const std::string path = folder.String();
    return path;
}

void RunAgainstUnit(bool restore, const std::string& name) {
    sim::CSimConfig config;
    config.memoryBlocks = 3;
    config.sectionBlocks = 2;
    config.blockSize = 16;
    config.pageAreaLength = 600;
    auto line = std::make_shared<sim::CSimSerialPort::Line>(config, "sim0");
    CLinkContext context = test::SimLinkContext(line);
    RecordingSink sink;
    sink.answers = {MsgAnswer::Ok};
    CPlainTransferUi ui;
    CQelDoc doc;
    NewConfiguration(doc, 0);
    doc.commTimeout = 0;
    if (restore) {
        CRestoreEngine engine(context, sink, ui, doc, name, Folder());
        engine.Run();
    } else {
        CSysInitEngine engine(context, sink, ui, doc, name, Folder());
        engine.Run();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (const auto wax = DecodeWaxHeader(bytes)) (void)BackupIdentityAccepted(wax->identity);
    (void)DecodeVoxHeader(bytes);

    const std::string path = Folder() + "/input.wax";
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    std::filesystem::copy_file(path, Folder() + "/input.vox",
                               std::filesystem::copy_options::overwrite_existing);
    RunAgainstUnit(true, "input");
    RunAgainstUnit(false, "input");
    return 0;
}
