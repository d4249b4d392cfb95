#include "unit/transfer/UnitFileTransfer.h"

#include "document/Texts.h"
#include "unit/files/BackupFile.h"
#include "unit/link/SerialLink.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/Texts.h"

#include <cstdio>
#include <filesystem>
#include <vector>

namespace kiv {

CUnitFileTransfer::CUnitFileTransfer(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                                     const CQelDoc& doc, std::string typedName,
                                     std::string currentDir)
    : context_(context), messages_(messages), ui_(ui), timeout_(doc.commTimeout),
      productType_(doc.productType), identVersion_(doc.identVersion), identMaker_(doc.identMaker),
      identDate_(doc.identDate), typed_(std::move(typedName)), currentDir_(std::move(currentDir)) {}

int CUnitFileTransfer::Run() {
    end_ = GuardTransfer(messages_, [this] { return Transfer(); });
    ui_.SetBusyCursor(false);
    return end_ == TransferEnd::Completed ? 0 : 1;
}

bool CUnitFileTransfer::FormPath(const char* extension) {
    path_ = FormTransferFileName(typed_, currentDir_, extension);
    if (!path_.empty()) return true;
    messages_.Show(texts::kInputError);
    return false;
}

void CUnitFileTransfer::ShowProgressText(const char* format, unsigned at, unsigned of) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, at, of);
    ui_.SetStatusText(buf);
}

bool CUnitFileTransfer::SendUnits(CUnitSession& session, CSerialLink& link, std::FILE* file,
                                  unsigned blocks, unsigned unitsPerBlock, unsigned unitSize) {
    std::vector<std::uint8_t> unit(unitSize);
    for (unsigned block = 0; block < blocks; ++block) {
        ShowProgressText(texts::blockProgressFormat, block + 1, blocks);
        ui_.SetProgressRange(unitsPerBlock);
        for (unsigned k = 0; k < unitsPerBlock; ++k) {
            if (unitSize > 0 && std::fread(unit.data(), 1, unitSize, file) != unitSize) {
                // The file was measured before the first byte went out; it
                // changed under the transfer.
                messages_.Show(texts::kFileIncompatible);
                return false;
            }
            if (!session.SendBlock(link, unit.data(), unit.size())) return false;
            ui_.StepProgress();
        }
    }
    return true;
}

bool CUnitFileTransfer::SendPages(CUnitSession& session, CSerialLink& link, std::FILE* file,
                                  unsigned pages) {
    std::vector<std::uint8_t> page(kBackupPageSize);
    ui_.SetProgressRange(pages);
    for (unsigned p = 0; p < pages; ++p) {
        ShowProgressText(texts::backupPageFormat, p + 1, pages);
        if (std::fread(page.data(), 1, page.size(), file) != page.size()) {
            messages_.Show(texts::kFileIncompatible);
            return false;
        }
        if (!session.SendBlock(link, page.data(), page.size())) return false;
        ui_.StepProgress();
    }
    return true;
}

File OpenForReading(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return nullptr;
    return File(std::fopen(path.c_str(), "rb"));
}

std::uint64_t BytesLeft(std::FILE* file) {
    const long at = std::ftell(file);
    if (at < 0 || std::fseek(file, 0, SEEK_END) != 0) return 0;
    const long end = std::ftell(file);
    std::fseek(file, at, SEEK_SET);
    return end > at ? static_cast<std::uint64_t>(end - at) : 0;
}

} // namespace kiv
