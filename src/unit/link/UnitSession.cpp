#include "unit/link/UnitSession.h"

#include "unit/link/SerialTrace.h"

#include <cstdio>
#include <thread>

namespace kiv {

namespace {

// Restores the arrow cursor however a routine ends.
class BusyCursor {
  public:
    explicit BusyCursor(TransferUi& ui) : ui_(ui) { ui_.SetBusyCursor(true); }
    ~BusyCursor() { ui_.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    TransferUi& ui_;
};

std::string MismatchText(const char* head, const std::string& productName) {
    char buf[256];
    std::snprintf(buf, sizeof buf, texts::productMismatchFormat, head, texts::connectedTypeIs,
                  productName.c_str());
    return buf;
}

} // namespace

CUnitSession::CUnitSession(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                           int timeoutSeconds, int documentProductType)
    : context_(context), messages_(messages), ui_(ui), timeout_(timeoutSeconds),
      documentType_(documentProductType) {}

void CUnitSession::Write(CSerialLink& link, const std::uint8_t* data, std::size_t count) {
    if (pacing > 0)
        link.WritePaced(data, count, pacing);
    else
        link.WriteSlow(data, count);
}

void CUnitSession::Write(CSerialLink& link, std::string_view bytes) {
    Write(link, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void CUnitSession::SendCommand(CSerialLink& link, std::string_view command, bool withAttention) {
    if (withAttention) Write(link, proto::attention);
    Write(link, command);
}

bool CUnitSession::AwaitBytes(CSerialLink& link, std::uint8_t* dest, std::size_t count, int seconds,
                              bool stepProgress) {
    for (std::size_t k = 0; k < count; ++k) {
        if (link.WaitBytes(seconds, 1) != 0) {
            Show(texts::commTimeout);
            return false;
        }
        if (link.ReadBytes(dest + k, 1) != 0) {
            Show(texts::cannotRead);
            return false;
        }
        if (stepProgress) ui_.StepProgress();
    }
    return true;
}

bool CUnitSession::ReadStatus(CSerialLink& link, proto::StatusReply& status) {
    SendCommand(link, proto::cmdStatus);
    std::uint8_t first = 0;
    if (!AwaitByte(link, first)) return false;
    return AwaitBytes(link, status.s.data(), status.s.size(), timeout_);
}

bool CUnitSession::ReadStatus(CSerialLink& link, proto::StatusReply& status,
                              const std::array<int, 1 + proto::statusLength>& seconds) {
    SendCommand(link, proto::cmdStatus);
    std::uint8_t first = 0;
    if (!AwaitBytes(link, &first, 1, seconds[0])) return false;
    for (std::size_t k = 0; k < proto::statusLength; ++k)
        if (!AwaitBytes(link, &status.s[k], 1, seconds[1 + k])) return false;
    return true;
}

bool CUnitSession::AwaitAcknowledge(CSerialLink& link, int seconds) {
    for (std::size_t k = 0; k < maxBytesBeforeAck; ++k) {
        std::uint8_t byte = 0;
        if (!AwaitBytes(link, &byte, 1, seconds)) return false;
        if (byte == proto::acknowledge) return true;
    }
    Show(texts::systemError);
    return false;
}

bool CUnitSession::LinkOpen(const CSerialLink& link) {
    if (link.IsOpen()) return true;
    Show(CannotOpenPortText(link));
    return false;
}

int CUnitSession::IdentifyUnit(int mode) {
    BusyCursor cursor(ui_);
    identity_ = CUnitIdentity{};
    std::string refusal;
    {
        CSerialLink link(context_);
        if (!LinkOpen(link)) return resultFailed;
        SendCommand(link, proto::cmdStatus);
        std::uint8_t first = 0;
        if (!AwaitByte(link, first)) return resultFailed;
        if (mode != modeAfterWait && first != proto::statusLead) return resultBusy;
        if (mode == modeProbe) return resultOk;
        if (!AwaitBytes(link, identity_.status.s.data(), proto::statusLength, timeout_))
            return resultFailed;

        if (!ReadIdentity(link, refusal)) return resultFailed;
    } // the link closes here: break, and rs_setup.cfg rewritten
    if (refusal.empty()) return resultOk;
    if (options.signOffOnRefusal) SignOff();
    Show(refusal);
    return resultFailed;
}

bool CUnitSession::ReadIdentity(CSerialLink& link, std::string& refusal) {
    refusal.clear();
    SendCommand(link, proto::cmdIdentify);
    std::uint8_t first = 0;
    if (!AwaitByte(link, first)) return false;
    if (first != proto::identLead) {
        Show(texts::wrongVersion);
        return false;
    }
    if (!AwaitBytes(link, identity_.ident.i.data(), proto::identLength, timeout_)) return false;

    identity_.identified = true;
    identity_.version = identity_.ident.Version();
    identity_.password = identity_.ident.Password();
    identity_.productCode = identity_.ident.ProductCode();
    identity_.productType = proto::ProductTypeOfCode(identity_.productCode);
    identity_.productName = proto::ProductNameOfCode(identity_.productCode);

    if (!proto::VersionAccepted(identity_.version))
        refusal = texts::wrongVersion;
    else if (options.checkProduct && identity_.productType != documentType_)
        refusal = MismatchText(options.mismatchHead, identity_.productName);
    return true;
}

int CUnitSession::ProbeLine(bool& messageShown) {
    messageShown = false;
    CSerialLink link(context_);
    if (!link.IsOpen()) return TransferUi::lineTimeout;
    SendCommand(link, proto::cmdStatus);
    std::uint8_t byte = 0;
    if (link.WaitBytes(1, 1) != 0 || link.ReadBytes(&byte, 1) != 0) return TransferUi::lineTimeout;
    if (byte != proto::statusLead) return TransferUi::lineBusy;
    proto::StatusReply status;
    if (!AwaitBytes(link, status.s.data(), status.s.size(), 1)) {
        messageShown = true;
        return TransferUi::lineTimeout;
    }
    return TransferUi::lineFree;
}

int CUnitSession::ConnectUnit() {
    const int r = IdentifyUnit(modeFull);
    if (r != resultBusy) return r;
    bool probeShowedMessage = false;
    const int wait =
        ui_.WaitForFreeLine([this, &probeShowedMessage] { return ProbeLine(probeShowedMessage); },
                            context_.timing.probePeriod);
    if (wait == TransferUi::waitCancelled) {
        SignOff();
        return resultCancelled;
    }
    if (wait != TransferUi::lineFree) {
        // The probe may already have said why it gave up; say it only once.
        if (!probeShowedMessage) Show(texts::commTimeout);
        return resultFailed;
    }
    return IdentifyUnit(modeAfterWait) == resultFailed ? resultFailed : resultOk;
}

void CUnitSession::SignOff(bool withPauses) {
    if (withPauses) std::this_thread::sleep_for(context_.timing.signOffPause);
    {
        CSerialLink link(context_);
        if (link.IsOpen()) SendCommand(link, proto::cmdSignOff, false);
    }
    if (withPauses) std::this_thread::sleep_for(context_.timing.signOffPause);
}

bool CUnitSession::ReadFixedSection(CSerialLink& link, std::size_t length,
                                    std::vector<std::uint8_t>& out) {
    ui_.SetProgressRange(length);
    out.assign(length, 0);
    SendCommand(link, proto::cmdNext, false);
    if (!AwaitBytes(link, out.data(), length, timeout_, true)) return false;
    std::uint8_t check = 0;
    if (!AwaitByte(link, check)) return false;
    if (check != proto::Checksum(out.data(), out.size())) {
        Show(texts::checksumError);
        return false;
    }
    return true;
}

bool CUnitSession::ReadMailboxSection(CSerialLink& link, std::vector<std::uint8_t>& out) {
    SendCommand(link, proto::cmdMailboxes);
    std::uint8_t len[2] = {0, 0};
    if (!AwaitBytes(link, len, 2, timeout_)) return false;
    const std::size_t length = proto::BigEndian16(len[0], len[1]);
    ui_.SetProgressRange(length);
    SendCommand(link, proto::cmdNext, false);
    out.assign(length, 0);
    return AwaitBytes(link, out.data(), length, timeout_, true);
}

bool CUnitSession::ReadBlockGeometry(CSerialLink& link, proto::BlockGeometry& geometry,
                                     bool withAttention) {
    SendCommand(link, proto::cmdSendImage, withAttention);
    if (link.WaitBytes(timeout_, proto::geometryLength) != 0) {
        Show(texts::commTimeout);
        return false;
    }
    if (link.ReadBytes(geometry.g.data(), proto::geometryLength) != 0) {
        Show(texts::cannotRead);
        return false;
    }
    return true;
}

bool CUnitSession::SendBlockHeader(CSerialLink& link, const std::uint8_t (&header)[5]) {
    Write(link, header, 5);
    std::uint8_t answer = 0;
    if (!AwaitByte(link, answer)) return false;
    if (answer != proto::acknowledge) {
        Show(texts::systemError);
        return false;
    }
    return true;
}

bool CUnitSession::SendBlock(CSerialLink& link, const std::uint8_t* data, std::size_t count) {
    const std::uint8_t check = proto::Checksum(data, count);
    for (int sent = 0; sent <= maxBlockResends; ++sent) {
        Write(link, data, count);
        Write(link, &check, 1);
        std::uint8_t answer = 0;
        if (!AwaitByte(link, answer)) return false;
        if (answer == proto::acknowledge) return true;
        if (context_.trace) context_.trace->Note("block not acknowledged, sending it again");
    }
    // A unit that refuses the same block over and over would otherwise keep
    // the transfer going for ever: it has not taken the data.
    Show(texts::systemError);
    return false;
}

bool CUnitSession::SendBlocks(CSerialLink& link, const std::vector<std::uint8_t>& data,
                              std::size_t blockSize) {
    if (blockSize == 0) {
        // A unit announcing blocks of no size cannot take the data.
        Show(texts::systemError);
        return false;
    }
    ui_.SetProgressRange((data.size() + blockSize - 1) / blockSize);
    for (std::size_t at = 0; at < data.size(); at += blockSize) {
        const std::size_t n = std::min(blockSize, data.size() - at);
        if (!SendBlock(link, data.data() + at, n)) return false;
        ui_.StepProgress();
    }
    return true;
}

} // namespace kiv
