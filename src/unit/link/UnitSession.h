#pragma once
// The routines every transfer builds on: identification of the unit, the
// opening sequence with the wait for a free line, sign-off, and the
// exchanges shared by the transfers (status, fixed sections, mailbox
// section, acknowledged blocks). Every failure shows its message through the
// MessageSink and is returned as a result; no exception leaves here.

#include "document/MessageSink.h"
#include "unit/link/LinkContext.h"
#include "unit/link/Protocol.h"
#include "unit/link/SerialLink.h"
#include "unit/link/Texts.h"
#include "unit/link/TransferEnd.h"
#include "unit/link/TransferUi.h"

#include <array>
#include <string>
#include <vector>

namespace kiv {

// What the identification learned about the unit.
struct CUnitIdentity {
    proto::StatusReply status;
    proto::IdentReply ident;
    bool identified = false; // both replies were read
    std::string version;     // three characters
    std::string password;    // the unit's password
    int productCode = 0;
    int productType = proto::unknownProductType;
    std::string productName;
};

// How a transfer's own copy of the identification differs from the plain one.
struct IdentifyOptions {
    // Compare the unit's product type with the document's (step left out by
    // transfers that ask to adopt the unit's type).
    bool checkProduct = true;
    // First part of the product mismatch message.
    const char* mismatchHead = texts::wrongVersion;
    // Send "$$X" before showing a version or product refusal.
    bool signOffOnRefusal = false;
};

class CUnitSession {
  public:
    // Identification modes.
    static constexpr int modeFull = 0;
    static constexpr int modeProbe = 1;
    static constexpr int modeAfterWait = 2;
    // Results of IdentifyUnit and ConnectUnit.
    static constexpr int resultOk = 0;
    static constexpr int resultFailed = 1;
    static constexpr int resultBusy = 2;      // IdentifyUnit: line busy
    static constexpr int resultCancelled = 2; // ConnectUnit: wait cancelled

    CUnitSession(CLinkContext& context, MessageSink& messages, TransferUi& ui, int timeoutSeconds,
                 int documentProductType);

    IdentifyOptions options;
    // Pacing count of every byte the session sends (identification, commands,
    // blocks); 0 keeps the standard gap of WriteSlow. A transfer that paces
    // its bytes (recordings) sets it before the first exchange.
    double pacing = 0;

    // 0 identified and accepted, 1 failed (message shown), 2 line busy.
    int IdentifyUnit(int mode);
    // 0 go on, 1 failed, 2 cancelled by the user while waiting.
    int ConnectUnit();
    // How a transfer ends when ConnectUnit gave `connected` (not 0): stopped
    // by the user, refused by a unit that answered, or failed on the line.
    TransferEnd ConnectEnd(int connected) const {
        if (connected == resultCancelled) return TransferEnd::Stopped;
        return Identity().identified ? TransferEnd::Refused : TransferEnd::Failed;
    }
    // Opens a link and sends "$$X"; with pauses, waits before and after.
    void SignOff(bool withPauses = false);
    // One free-line probe: 0 free, 1 no answer, 2 still busy. Sets
    // messageShown when it showed a message.
    int ProbeLine(bool& messageShown);

    const CUnitIdentity& Identity() const { return identity_; }
    CLinkContext& Context() { return context_; }
    MessageSink& Messages() { return messages_; }
    TransferUi& Ui() { return ui_; }
    int TimeoutSeconds() const { return timeout_; }

    // Exchange pieces, run on a link the caller holds open.

    // Sends bytes with the session's pacing.
    void Write(CSerialLink& link, const std::uint8_t* data, std::size_t count);
    void Write(CSerialLink& link, std::string_view bytes);
    // Attention (unless without) then the command, as two writes.
    // True when the link's port is open; otherwise says that the port cannot be opened.
    bool LinkOpen(const CSerialLink& link);
    void SendCommand(CSerialLink& link, std::string_view command, bool withAttention = true);
    // Awaits and reads count bytes one by one, each with the time-out;
    // "Time-out Comunicazione" / "La Stringa non può essere letta" on failure.
    bool AwaitBytes(CSerialLink& link, std::uint8_t* dest, std::size_t count, int seconds,
                    bool stepProgress = false);
    bool AwaitByte(CSerialLink& link, std::uint8_t& byte) {
        return AwaitBytes(link, &byte, 1, timeout_);
    }
    // Attention and "$$R", the first byte (not examined) and the 20 status bytes.
    bool ReadStatus(CSerialLink& link, proto::StatusReply& status);
    // Attention and "$$V" and the identification reply. False, with its
    // message shown, when it could not be read or does not start with 0x10.
    // Otherwise the identity is filled in and refusal holds the version or
    // product refusal, not yet shown (empty when the unit is accepted).
    bool ReadIdentity(CSerialLink& link, std::string& refusal);
    // The same with a time-out of its own for each byte: seconds[0] for the
    // first byte, seconds[1 + k] for status byte k.
    bool ReadStatus(CSerialLink& link, proto::StatusReply& status,
                    const std::array<int, 1 + proto::statusLength>& seconds);
    // Reads bytes, each awaited up to seconds, until one is 'S'. A unit that
    // sends maxBytesBeforeAck others first has lost its way: "Errore di Sistema".
    static constexpr std::size_t maxBytesBeforeAck = 64;
    bool AwaitAcknowledge(CSerialLink& link, int seconds);
    // "S", length bytes and the checksum ("Errore di Check Sum" on mismatch).
    bool ReadFixedSection(CSerialLink& link, std::size_t length, std::vector<std::uint8_t>& out);
    // Attention and "$$C", two length bytes, "S", then the section.
    bool ReadMailboxSection(CSerialLink& link, std::vector<std::uint8_t>& out);
    // Attention and "$$S" (or "$$S" alone), then the 7-byte geometry reply.
    bool ReadBlockGeometry(CSerialLink& link, proto::BlockGeometry& geometry,
                           bool withAttention = true);
    // The 5-byte header and its 'S' ("Errore di Sistema" otherwise).
    bool SendBlockHeader(CSerialLink& link, const std::uint8_t (&header)[5]);
    // One block and its checksum, sent again until the unit answers 'S'.
    // After maxBlockResends refusals in a row: "Errore di Sistema".
    static constexpr int maxBlockResends = 20;
    bool SendBlock(CSerialLink& link, const std::uint8_t* data, std::size_t count);
    // Every block of data (the last one may be short), stepping the progress.
    bool SendBlocks(CSerialLink& link, const std::vector<std::uint8_t>& data,
                    std::size_t blockSize);

  private:
    void Show(const std::string& text) { messages_.Show(text); }

    CLinkContext& context_;
    MessageSink& messages_;
    TransferUi& ui_;
    int timeout_;
    int documentType_;
    CUnitIdentity identity_;
};

} // namespace kiv
