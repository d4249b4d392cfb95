#include "unit/transfer/BackupEngine.h"

#include "document/ReplacementFile.h"
#include "document/Texts.h"
#include "unit/files/BackupFile.h"
#include "unit/link/SerialLink.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/Texts.h"

#include <algorithm>

namespace kiv {

namespace {

// The line states (s15 to s18) may take the unit a while; the other status
// bytes come at once.
constexpr std::array<int, 1 + proto::statusLength> kStatusSeconds{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                                  1, 1, 1, 1, 1, 5, 5, 5, 5, 1};

} // namespace

bool CBackupEngine::Receive(CUnitSession& session, CSerialLink& link, std::FILE* file,
                            std::size_t count, bool stepBytes) {
    // The data goes to the file a piece at a time: a block may be far larger
    // than what is worth holding in memory.
    std::uint8_t piece[CSerialLink::maxRead];
    unsigned sum = 0;
    for (std::size_t done = 0; done < count;) {
        const std::size_t n = std::min(sizeof piece, count - done);
        if (!session.AwaitBytes(link, piece, n, timeout_, stepBytes)) return false;
        for (std::size_t k = 0; k < n; ++k)
            sum += piece[k];
        if (std::fwrite(piece, 1, n, file) != n) {
            messages_.Show(texts::kCannotOpenOutput);
            return false;
        }
        done += n;
    }
    std::uint8_t check = 0;
    if (!session.AwaitByte(link, check)) return false;
    if (check != static_cast<std::uint8_t>(sum & 0xFF)) {
        messages_.Show(texts::checksumError);
        return false;
    }
    return true;
}

TransferEnd CBackupEngine::Transfer() {
    if (!FormPath("wax")) return TransferEnd::Failed;
    // The backup goes to a new file beside the named one, which it replaces
    // only once complete: a failed backup keeps the previous one whole.
    CReplacementFile file(path_);
    if (!file.Open()) {
        messages_.Show(texts::kCannotOpenOutput);
        return TransferEnd::Failed;
    }
    ui_.SetStatusText(texts::pleaseWait);
    CUnitSession session(context_, messages_, ui_, timeout_, productType_);
    const int connected = session.ConnectUnit();
    if (connected != CUnitSession::resultOk) return session.ConnectEnd(connected);

    ui_.SetBusyCursor(true);
    {
        CSerialLink link(context_);
        if (!session.LinkOpen(link)) return TransferEnd::Failed;
        proto::StatusReply status;
        if (!session.ReadStatus(link, status, kStatusSeconds)) return TransferEnd::Failed;

        WaxHeader header;
        header.identity = MakeFileIdentity(identVersion_, identMaker_, identDate_, kBackupWords);
        header.blocks = status.MemoryBlocks();
        header.unitsPerBlock = status.UnitsPerBlock();
        header.unitSize = status.BlockSize();
        header.pageAreaLength = status.PageAreaLength();
        const auto head = EncodeWaxHeader(header);
        if (std::fwrite(head.data(), 1, head.size(), file.File()) != head.size()) {
            messages_.Show(texts::kCannotOpenOutput);
            return TransferEnd::Failed;
        }

        const std::size_t blockLength =
            static_cast<std::size_t>(header.unitsPerBlock) * header.unitSize;
        for (unsigned block = 1; block <= header.blocks; ++block) {
            ui_.SetProgressRange(blockLength);
            session.SendCommand(link, proto::cmdNext, false);
            ShowProgressText(texts::blockProgressFormat, block, header.blocks);
            if (!Receive(session, link, file.File(), blockLength, true)) return TransferEnd::Failed;
        }

        session.SendCommand(link, proto::cmdBackup);
        std::uint8_t length[2] = {0, 0};
        if (!session.AwaitBytes(link, length, 2, timeout_)) return TransferEnd::Failed;
        // Only whole pages are read; a remainder of the length stays in the unit.
        const unsigned pages = proto::BigEndian16(length[0], length[1]) / kBackupPageSize;
        ui_.SetProgressRange(pages);
        for (unsigned page = 1; page <= pages; ++page) {
            session.SendCommand(link, proto::cmdNext, false);
            ShowProgressText(texts::backupPageFormat, page, pages);
            if (!Receive(session, link, file.File(), kBackupPageSize, false))
                return TransferEnd::Failed;
            ui_.StepProgress();
        }
        link.WriteSlow(proto::attention);
    }
    // Everything written must have reached the disk before the backup counts.
    if (!file.Commit()) {
        messages_.Show(texts::kCannotOpenOutput);
        return TransferEnd::Failed;
    }
    session.SignOff();
    messages_.Show(texts::dataReceived, MsgIcon::Information);
    return TransferEnd::Completed;
}

} // namespace kiv
