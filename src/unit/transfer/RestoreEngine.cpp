#include "unit/transfer/RestoreEngine.h"

#include "document/Texts.h"
#include "unit/files/BackupFile.h"
#include "unit/link/SerialLink.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/Texts.h"

#include <thread>

namespace kiv {

TransferEnd CRestoreEngine::GiveUp(CUnitSession& session, TransferEnd end) {
    session.SignOff(true);
    return end;
}

TransferEnd CRestoreEngine::Transfer() {
    ui_.SetStatusText(texts::pleaseWait);
    CUnitSession session(context_, messages_, ui_, timeout_, productType_);
    session.options.mismatchHead = texts::wrongProduct;
    session.options.signOffOnRefusal = true;
    const int connected = session.ConnectUnit();
    if (connected != CUnitSession::resultOk) return session.ConnectEnd(connected);

    if (!FormPath("wax")) return GiveUp(session, TransferEnd::Failed);
    File file = OpenForReading(path_);
    if (!file) {
        messages_.Show(texts::kCannotOpenOutput);
        return GiveUp(session, TransferEnd::Failed);
    }
    std::uint8_t head[kWaxHeaderSize] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, file.get());
    const auto header = DecodeWaxHeader(std::span<const std::uint8_t>(head, got));
    if (!header || !BackupIdentityAccepted(header->identity)) {
        messages_.Show(texts::kFileIncompatible);
        return GiveUp(session, TransferEnd::Failed);
    }
    if (messages_.Ask(texts::allDataLost, MsgButtons::OkCancel, MsgIcon::Warning) != MsgAnswer::Ok)
        return GiveUp(session, TransferEnd::Stopped);
    ui_.SetStatusText(texts::pleaseWait);

    ui_.SetBusyCursor(true);
    {
        CSerialLink link(context_);
        if (!session.LinkOpen(link)) return TransferEnd::Failed;
        proto::StatusReply status;
        if (!session.ReadStatus(link, status)) return TransferEnd::Failed;
        std::this_thread::sleep_for(context_.timing.restorePause);
        link.WriteSlow(proto::attention);
        std::this_thread::sleep_for(context_.timing.restorePause);
        proto::BlockGeometry geometry;
        if (!session.ReadBlockGeometry(link, geometry, false)) return TransferEnd::Failed;

        // A unit of another memory size or page area cannot take the file,
        // and every byte of the block area must be in the file: nothing is
        // sent otherwise. The page area is measured against what the unit
        // asks for once it asks for pages (a backup holds the pages the unit
        // gave, which may be fewer than its status announces).
        const bool fits =
            header->blocks <= std::uint64_t{status.MemoryFactor()} * blocksPerMemoryFactor &&
            header->unitSize == geometry.BlockSize() &&
            header->pageAreaLength == status.PageAreaLength() &&
            header->unitsPerBlock == geometry.BlockCount();
        const std::uint64_t blockData =
            std::uint64_t{header->blocks} * header->unitsPerBlock * header->unitSize;
        if (!fits || BytesLeft(file.get()) < blockData) {
            messages_.Show(texts::kFileIncompatible);
            return fits ? TransferEnd::Failed : TransferEnd::Refused;
        }
        const std::uint8_t start[5] = {0x04, static_cast<std::uint8_t>(header->blocks & 0xFF),
                                       static_cast<std::uint8_t>(header->blocks >> 8), 0x00, 0x00};
        link.WriteSlow(start, sizeof start);
        if (!session.AwaitAcknowledge(link, timeout_)) return TransferEnd::Failed;
        if (!SendUnits(session, link, file.get(), header->blocks, header->unitsPerBlock,
                       header->unitSize))
            return TransferEnd::Failed;

        session.SendCommand(link, proto::cmdRestore, false);
        std::uint8_t length[2] = {0, 0};
        if (!session.AwaitBytes(link, length, 2, timeout_)) return TransferEnd::Failed;
        const unsigned pages = proto::BigEndian16(length[0], length[1]) / kBackupPageSize;
        if (!session.AwaitAcknowledge(link, timeout_)) return TransferEnd::Failed;
        if (BytesLeft(file.get()) < std::uint64_t{pages} * kBackupPageSize) {
            // More pages than the file holds: a unit whose page area is
            // larger than the file's refuses it; within the file's own page
            // area the file is short.
            messages_.Show(texts::kFileIncompatible);
            return pages > header->pageAreaLength / kBackupPageSize ? TransferEnd::Refused
                                                                    : TransferEnd::Failed;
        }
        if (!SendPages(session, link, file.get(), pages)) return TransferEnd::Failed;
    }
    session.SignOff();
    messages_.Show(texts::transferSucceeded, MsgIcon::Information);
    return TransferEnd::Completed;
}

} // namespace kiv
