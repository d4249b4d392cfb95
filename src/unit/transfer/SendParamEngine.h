#pragma once
// "Spedizione Parametri" without its dialog: the check that every coded text
// can be coded (before anything else: a text that cannot ends the send with
// "Errore inserimento" and the field's caption), the password loop, the
// identification with the product and language checks, the read-back of the
// unit's image and mailboxes, the reconciliation of the mailboxes (asking
// before any is deleted), and the sending of the image, the mailbox stream,
// the clock and the deletion list, each with its pauses.
//
// It works on its own copy of the configuration; the document changes only
// through ApplyTo. Run blocks while bytes move (a dialog runs it on a worker
// thread).

#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "unit/image/CodedFields.h"
#include "unit/image/MailboxSection.h"
#include "unit/link/LinkContext.h"
#include "unit/link/PasswordCommand.h"
#include "unit/link/Protocol.h"
#include "unit/link/TransferEnd.h"
#include "unit/link/TransferUi.h"

#include <optional>
#include <string>
#include <vector>

namespace kiv {

class CUnitSession;

class CSendParamEngine {
  public:
    CSendParamEngine(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                     PasswordPrompt& prompt, const CQelDoc& doc);

    // The whole send. Returns the result flag: 0 success, 1 otherwise.
    int Run();

    TransferEnd End() const { return end_; }
    bool Succeeded() const { return end_ == TransferEnd::Completed; }

    // After the send, whatever its end: the document's clock moves on by the
    // time elapsed since it was set (rolling the date over at midnight); after
    // success the document is on line.
    void ApplyTo(CQelDoc& doc) const;

    // What was sent (tests and the trace look at it).
    const CQelDoc& SentConfig() const { return config_; }
    const std::vector<std::uint8_t>& Image() const { return image_; }
    const MailboxSend& Mailboxes() const { return mailboxes_; }
    // The last password typed (presets the prompt the next time).
    const std::string& TypedPassword() const { return typed_; }
    // The text that stopped the send before it began because it cannot be
    // coded for the unit; nullptr when none did.
    const UncodableText* Uncodable() const { return uncodable_ ? &*uncodable_ : nullptr; }

  private:
    TransferEnd Send();
    TransferEnd PasswordLoop(CUnitSession& session);
    // The first language check that fails, as its message; empty when none.
    std::string MissingLanguage(const proto::IdentReply& ident) const;
    TransferEnd SendImage(CUnitSession& session, CSerialLink& link);
    TransferEnd SendMailboxesAndClock(CUnitSession& session);
    TransferEnd SendDeletions(CUnitSession& session);

    CLinkContext& context_;
    MessageSink& messages_;
    TransferUi& ui_;
    PasswordPrompt& prompt_;
    int timeout_;
    int largestPosition_;
    CQelDoc config_;
    TransferEnd end_ = TransferEnd::Failed;
    std::string typed_;
    proto::StatusReply status_;
    std::vector<std::uint8_t> section1_, image_;
    MailboxSection unitMailboxes_;
    MailboxSend mailboxes_;
    std::optional<UncodableText> uncodable_;
};

} // namespace kiv
