#include "unit/transfer/ReadRecordingEngine.h"

#include "document/ReplacementFile.h"
#include "document/Texts.h"
#include "unit/files/RecordingFile.h"
#include "unit/link/Protocol.h"
#include "unit/link/SerialLink.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/Texts.h"

#include <cstdio>
#include <vector>

namespace kiv {

namespace {

// The unit answers "$$I" and the page index within these fixed times.
constexpr int kGeometrySeconds = 5;
constexpr int kDescriptorSeconds = 1;

std::string BlockText(std::size_t block, std::size_t blocks) {
    char buf[64];
    std::snprintf(buf, sizeof buf, texts::blockProgressFormat, static_cast<int>(block),
                  static_cast<int>(blocks));
    return buf;
}

} // namespace

CReadRecordingEngine::CReadRecordingEngine(CLinkContext& context, MessageSink& messages,
                                           TransferUi& ui, RecordingRequest request)
    : context_(context), messages_(messages), ui_(ui), request_(std::move(request)) {}

int CReadRecordingEngine::Run() {
    pagesRead_.clear();
    end_ = GuardTransfer(messages_, [this] { return ReadAll(); });
    ui_.SetBusyCursor(false);
    return end_ == TransferEnd::Completed ? 0 : 1;
}

TransferEnd CReadRecordingEngine::ReadAll() {
    if (request_.Empty()) {
        messages_.Show(texts::pageListEmpty);
        return TransferEnd::Failed;
    }
    ui_.SetStatusText(texts::pleaseWait);
    CUnitSession session(context_, messages_, ui_, request_.timeoutSeconds, request_.productType);
    session.pacing = request_.Pacing();
    for (int index = 0; index < static_cast<int>(request_.pageFiles.size()); ++index) {
        if (request_.pageFiles[static_cast<std::size_t>(index)].empty()) continue;
        const TransferEnd end = ReadPage(session, index);
        if (end != TransferEnd::Completed) {
            EndExchange(session);
            return end;
        }
        pagesRead_.push_back(index);
    }
    EndExchange(session);
    messages_.Show(texts::dataReceived, MsgIcon::Information);
    return TransferEnd::Completed;
}

void CReadRecordingEngine::EndExchange(CUnitSession& session) {
    CSerialLink link(context_);
    if (link.IsOpen()) session.SendCommand(link, proto::cmdSignOff);
}

TransferEnd CReadRecordingEngine::ReadPage(CUnitSession& session, int index) {
    // The page goes to a new file beside the named one, which takes its
    // place only once the whole recording is in: a page that fails keeps
    // the previous file as it was, and no tail of a longer one survives.
    CReplacementFile file(request_.pageFiles[static_cast<std::size_t>(index)]);
    if (!file.Open()) {
        messages_.Show(texts::kCannotOpenOutput);
        return TransferEnd::Failed;
    }
    const FileIdentity identity = MakeFileIdentity(request_.identVersion, request_.identMaker,
                                                   request_.identDate, kRecordingFileWords);
    std::fwrite(identity.data(), 1, identity.size(), file.File());

    session.options = IdentifyOptions{};
    const int connected = session.ConnectUnit();
    if (connected != CUnitSession::resultOk) return session.ConnectEnd(connected);

    ui_.SetBusyCursor(true);
    CSerialLink link(context_);
    if (!session.LinkOpen(link)) return TransferEnd::Failed;
    const TransferEnd end = ReadRecording(session, link, index, file.File());
    if (end != TransferEnd::Completed) return end;
    if (!file.Commit()) {
        messages_.Show(texts::kCannotOpenOutput);
        return TransferEnd::Failed;
    }
    return end;
}

TransferEnd CReadRecordingEngine::ReadRecording(CUnitSession& session, CSerialLink& link, int index,
                                                std::FILE* file) {
    session.SendCommand(link, proto::cmdReadRecordings);
    std::uint8_t r[5] = {};
    if (!session.AwaitBytes(link, r, 5, kGeometrySeconds)) return TransferEnd::Failed;
    RecordingHeader header;
    header.geometry1 = r[1];
    header.subBlocks = r[2];
    header.unitSize = proto::BigEndian16(r[3], r[4]);
    const auto page = static_cast<std::uint8_t>(index);
    session.Write(link, &page, 1);
    if (!session.AwaitBytes(link, &header.blocks, 1, kGeometrySeconds)) return TransferEnd::Failed;

    for (std::uint8_t& d : header.descriptor)
        if (!session.AwaitBytes(link, &d, 1, kDescriptorSeconds)) return TransferEnd::Failed;
    const RecordingHeaderBytes bytes = EncodeRecordingHeader(header);
    std::fwrite(bytes.data() + kFileIdentityLength, 1, bytes.size() - kFileIdentityLength, file);

    const std::size_t blockLength = static_cast<std::size_t>(header.subBlocks) * header.unitSize;
    ui_.SetProgressRange(blockLength);
    std::vector<std::uint8_t> block(blockLength);
    for (std::size_t b = 1; b <= header.blocks; ++b) {
        session.SendCommand(link, proto::cmdNext, false);
        ui_.SetStatusText(BlockText(b, header.blocks));
        ui_.SetProgressRange(blockLength);
        if (!session.AwaitBytes(link, block.data(), block.size(), session.TimeoutSeconds(), true))
            return TransferEnd::Failed;
        std::uint8_t check = 0;
        if (!session.AwaitByte(link, check)) return TransferEnd::Failed;
        if (check != proto::Checksum(block.data(), block.size())) {
            messages_.Show(texts::checksumError);
            return TransferEnd::Failed;
        }
        std::fwrite(block.data(), 1, block.size(), file);
    }
    // A write that failed on the way (a full disk) shows here.
    if (std::fflush(file) != 0 || std::ferror(file)) {
        messages_.Show(texts::kCannotOpenOutput);
        return TransferEnd::Failed;
    }
    return TransferEnd::Completed;
}

} // namespace kiv
