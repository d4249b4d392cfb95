#pragma once
// "Lettura Parametri" without its dialog: identifies the unit (offering to
// adopt its product type), reads the status, the two parameter sections and
// the mailbox section, and decodes them into a copy of the configuration.
// The document itself is changed only by ApplyTo, and only after a reading
// that completely succeeded (the product type excepted, see ApplyTo).
//
// Run blocks while bytes move; the dialog runs it on a worker thread and
// answers the sink and the transfer UI from there.

#include "document/MessageSink.h"
#include "document/QelDoc.h"
#include "unit/link/LinkContext.h"
#include "unit/link/Protocol.h"
#include "unit/link/TransferEnd.h"
#include "unit/link/TransferUi.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kiv {

class CReadParamEngine {
  public:
    // Takes the document's time-out and a copy of the configuration to read into.
    CReadParamEngine(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                     const CQelDoc& doc);

    // Called on the running thread as soon as the user agreed to adopt the
    // unit's product type (the main view redraws its status panel).
    std::function<void(int productType)> onProductTypeAdopted;

    // The whole reading. Returns the result flag: 0 success, 1 failure.
    int Run();

    TransferEnd End() const { return end_; }
    bool Succeeded() const { return end_ == TransferEnd::Completed; }
    // The unit's product type when the user agreed to adopt it.
    std::optional<int> AdoptedProductType() const { return adoptedType_; }
    // The configuration as read (complete only after success).
    const CQelDoc& Config() const { return config_; }
    const proto::StatusReply& Status() const { return status_; }
    const std::vector<std::uint8_t>& Section1() const { return section1_; }
    const std::vector<std::uint8_t>& Section2() const { return section2_; }

    // Applies the outcome to the document: an adopted product type in every
    // case; after success every field the image and the mailbox section
    // carry, the unit status, language slots and version, the clock with its
    // reference moment, and the on-line state.
    void ApplyTo(CQelDoc& doc) const;

  private:
    TransferEnd Read();

    CLinkContext& context_;
    MessageSink& messages_;
    TransferUi& ui_;
    int timeout_;
    CQelDoc config_;
    TransferEnd end_ = TransferEnd::Failed;
    std::optional<int> adoptedType_;
    proto::StatusReply status_;
    std::vector<std::uint8_t> section1_, section2_;
};

} // namespace kiv
