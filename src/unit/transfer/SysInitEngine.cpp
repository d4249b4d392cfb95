#include "unit/transfer/SysInitEngine.h"

#include "document/Texts.h"
#include "unit/files/BackupFile.h"
#include "unit/link/SerialLink.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/Texts.h"

namespace kiv {

TransferEnd CSysInitEngine::Transfer() {
    if (!FormPath("vox")) return TransferEnd::Failed;
    File file = OpenForReading(path_);
    if (!file) {
        messages_.Show(texts::kCannotOpenOutput);
        return TransferEnd::Failed;
    }
    if (messages_.Ask(texts::allDataLost, MsgButtons::OkCancel, MsgIcon::Warning) != MsgAnswer::Ok)
        return TransferEnd::Stopped;
    std::uint8_t head[kVoxHeaderSize] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, file.get());
    const auto header = DecodeVoxHeader(std::span<const std::uint8_t>(head, got));
    if (!header) {
        messages_.Show(texts::kFileIncompatible);
        return TransferEnd::Failed;
    }
    version_ = header->version;

    ui_.SetStatusText(texts::pleaseWait);
    ui_.SetBusyCursor(true);
    CUnitSession session(context_, messages_, ui_, timeout_, productType_);
    CSerialLink link(context_);
    if (!session.LinkOpen(link)) return TransferEnd::Failed;
    session.SendCommand(link, proto::cmdStatus);
    std::uint8_t first = 0;
    if (!session.AwaitByte(link, first)) return TransferEnd::Failed;
    if (first == noImageTaken) {
        messages_.Show(texts::wrongVersion);
        return TransferEnd::Refused;
    }
    proto::StatusReply status;
    if (!session.AwaitBytes(link, status.s.data(), status.s.size(), timeout_))
        return TransferEnd::Failed;
    std::string refusal;
    if (!session.ReadIdentity(link, refusal)) return TransferEnd::Failed;
    if (!refusal.empty()) {
        messages_.Show(refusal);
        return TransferEnd::Refused;
    }

    proto::BlockGeometry geometry;
    if (!session.ReadBlockGeometry(link, geometry, false)) return TransferEnd::Failed;
    const unsigned unitsPerBlock = geometry.BlockCount();
    const unsigned unitSize = geometry.BlockSize();
    // Every unit the header announces must be in the file before the first goes out.
    if (BytesLeft(file.get()) < std::uint64_t{header->blocks} * unitsPerBlock * unitSize) {
        messages_.Show(texts::kFileIncompatible);
        return TransferEnd::Failed;
    }
    const std::uint8_t start[3] = {0x82, static_cast<std::uint8_t>(header->blocks & 0xFF),
                                   static_cast<std::uint8_t>(header->blocks >> 8)};
    link.WriteSlow(start, sizeof start);
    if (!session.AwaitAcknowledge(link, 3 * timeout_)) return TransferEnd::Failed;
    if (!SendUnits(session, link, file.get(), header->blocks, unitsPerBlock, unitSize))
        return TransferEnd::Failed;
    messages_.Show(texts::resetUnitFirst, MsgIcon::Information);
    return TransferEnd::Completed;
}

} // namespace kiv
