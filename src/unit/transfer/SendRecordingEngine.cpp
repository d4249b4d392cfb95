#include "unit/transfer/SendRecordingEngine.h"

#include "document/PageOps.h"
#include "document/Texts.h"
#include "unit/files/RecordingFile.h"
#include "unit/link/PasswordLoop.h"
#include "unit/link/Protocol.h"
#include "unit/link/SerialLink.h"
#include "unit/link/SerialTrace.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/Texts.h"
#include "unit/transfer/UnitFileTransfer.h"

#include <algorithm>
#include <cstdio>

namespace kiv {

namespace {

std::string PageText(int index) {
    char buf[32];
    std::snprintf(buf, sizeof buf, texts::pageProgressFormat, PageNumber(index));
    return buf;
}

std::string BlockText(std::size_t block, std::size_t blocks) {
    char buf[64];
    std::snprintf(buf, sizeof buf, texts::blockProgressFormat, static_cast<int>(block),
                  static_cast<int>(blocks));
    return buf;
}

} // namespace

CSendRecordingEngine::CSendRecordingEngine(CLinkContext& context, MessageSink& messages,
                                           TransferUi& ui, PasswordPrompt& prompt,
                                           RecordingRequest request)
    : context_(context), messages_(messages), ui_(ui), prompt_(prompt),
      request_(std::move(request)) {}

int CSendRecordingEngine::Run() {
    pagesSent_.clear();
    blocksSent_.clear();
    failedInPage_ = false;
    end_ = GuardTransfer(messages_, [this] { return SendAll(); });
    ui_.SetBusyCursor(false);
    return end_ == TransferEnd::Completed ? 0 : 1;
}

TransferEnd CSendRecordingEngine::SendAll() {
    // Nothing to send: say so before the password is asked.
    if (request_.Empty()) {
        messages_.Show(texts::pageListEmpty);
        failedInPage_ = true;
        return TransferEnd::Failed;
    }
    CUnitSession session(context_, messages_, ui_, request_.timeoutSeconds, request_.productType);
    session.pacing = request_.Pacing();
    CPasswordLoop password(session, prompt_);
    password.typed = typedPassword;
    PasswordLoopOptions options;
    options.identify.signOffOnRefusal = true;
    const TransferEnd step = password.Run(options);
    typedPassword = password.typed;
    if (step != TransferEnd::Completed) return step;

    ui_.SetStatusText(texts::pleaseWait);
    for (int index = 0; index < static_cast<int>(request_.pageFiles.size()); ++index) {
        if (request_.pageFiles[static_cast<std::size_t>(index)].empty()) continue;
        const TransferEnd end = SendPage(session, index);
        if (end != TransferEnd::Completed) {
            failedInPage_ = true;
            return end;
        }
        pagesSent_.push_back(index);
    }
    session.SignOff();
    messages_.Show(texts::transferSucceeded, MsgIcon::Information);
    return TransferEnd::Completed;
}

TransferEnd CSendRecordingEngine::SendPage(CUnitSession& session, int index) {
    // The page is named first, so that a file that cannot be opened shows
    // which page it belongs to.
    ui_.SetStatusText(PageText(index));
    File file = OpenForReading(request_.pageFiles[static_cast<std::size_t>(index)]);
    if (!file) {
        messages_.Show(texts::kCannotOpenOutput);
        return TransferEnd::Failed;
    }
    ui_.SetBusyCursor(true);
    CSerialLink link(context_);
    if (!session.LinkOpen(link)) return TransferEnd::Failed;
    return SendRecording(session, link, index, file.get());
}

TransferEnd CSendRecordingEngine::SendRecording(CUnitSession& session, CSerialLink& link, int index,
                                                std::FILE* file) {
    // The header, and as many bytes of recording as it claims, must be in
    // the file before the unit is asked to take the page: a short file would
    // leave the page half-written. The recording itself is read a chunk at a
    // time, so nothing held grows with what a header claims.
    RecordingHeaderBytes bytes{};
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    const auto header = DecodeRecordingHeader(bytes.data(), got);
    if (!header || BytesLeft(file) < header->DataLength()) {
        messages_.Show(texts::kFileIncompatible);
        return TransferEnd::Failed;
    }

    session.SendCommand(link, proto::cmdSendRecordings);
    std::uint8_t r[5] = {};
    if (!session.AwaitBytes(link, r, 5, session.TimeoutSeconds())) return TransferEnd::Failed;
    const std::uint8_t unitSubBlocks = r[2];
    const std::uint16_t unitSize = proto::BigEndian16(r[3], r[4]);
    const auto adapted = AdaptRecording(*header, unitSubBlocks, unitSize);
    if (!adapted) {
        // A unit announcing chunks of no size cannot take the recording.
        messages_.Show(texts::systemError);
        return TransferEnd::Failed;
    }
    if (adapted->blocks > 255) {
        messages_.Show(texts::kFileIncompatible);
        return TransferEnd::Failed;
    }
    const std::uint8_t head[2] = {static_cast<std::uint8_t>(index),
                                  static_cast<std::uint8_t>(adapted->blocks)};
    session.Write(link, head, 1);
    session.Write(link, head + 1, 1);
    session.Write(link, header->descriptor.data(), header->descriptor.size());

    // The unit says it is ready for the chunks with 'S'.
    if (!session.AwaitAcknowledge(link, session.TimeoutSeconds())) return TransferEnd::Failed;

    // The recording's bytes in order, what follows its last byte sent as zeros.
    std::vector<std::uint8_t> chunk(adapted->chunkLength);
    std::size_t left = header->DataLength();
    for (std::size_t j = 0; j < adapted->chunks; ++j) {
        if (j % unitSubBlocks == 0) {
            ui_.SetStatusText(BlockText(j / unitSubBlocks + 1, adapted->blocks));
            ui_.SetProgressRange(unitSubBlocks);
        }
        const std::size_t take = std::min(left, chunk.size());
        if (std::fread(chunk.data(), 1, take, file) != take) {
            // The file was measured before the first byte went out; it
            // changed under the transfer.
            messages_.Show(texts::kFileIncompatible);
            return TransferEnd::Failed;
        }
        std::fill(chunk.begin() + static_cast<std::ptrdiff_t>(take), chunk.end(), 0);
        left -= take;
        if (!session.SendBlock(link, chunk.data(), chunk.size())) return TransferEnd::Failed;
        ui_.StepProgress();
    }
    blocksSent_.push_back(adapted->blocks);
    return TransferEnd::Completed;
}

} // namespace kiv
