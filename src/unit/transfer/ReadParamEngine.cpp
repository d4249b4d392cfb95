#include "unit/transfer/ReadParamEngine.h"

#include "document/ProductType.h"
#include "editors/MboxList.h"
#include "unit/image/MailboxSection.h"
#include "unit/image/ParamImage.h"
#include "unit/link/SerialLink.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/Texts.h"
#include "unit/transfer/UnitSections.h"

#include <algorithm>
#include <cstdio>

namespace kiv {

namespace {

bool IsKnownProductCode(int code) {
    return code >= 16 && code <= 23;
}

} // namespace

CReadParamEngine::CReadParamEngine(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                                   const CQelDoc& doc)
    : context_(context), messages_(messages), ui_(ui), timeout_(doc.commTimeout), config_(doc) {}

int CReadParamEngine::Run() {
    end_ = GuardTransfer(messages_, [this] { return Read(); });
    ui_.SetBusyCursor(false);
    return end_ == TransferEnd::Completed ? 0 : 1;
}

TransferEnd CReadParamEngine::Read() {
    const IClock& clock = config_.Clock();
    const std::int64_t readTime = clock.Now();
    ui_.SetStatusText(texts::pleaseWait);

    CUnitSession session(context_, messages_, ui_, timeout_, config_.productType);
    // The product type is compared here, with the offer to adopt the unit's.
    session.options.checkProduct = false;
    const int connected = session.ConnectUnit();
    if (connected != CUnitSession::resultOk) return session.ConnectEnd(connected);

    const CUnitIdentity& unit = session.Identity();
    if (!IsKnownProductCode(unit.productCode)) {
        char buf[256];
        std::snprintf(buf, sizeof buf, texts::productMismatchFormat, texts::wrongVersion,
                      texts::connectedTypeIs, unit.productName.c_str());
        messages_.Show(buf);
        return TransferEnd::Refused;
    }
    if (unit.productType != config_.productType) {
        char buf[256];
        std::snprintf(buf, sizeof buf, texts::adoptTypeFormat, texts::connectedTypeIs,
                      unit.productName.c_str(), texts::continueQuestion);
        if (messages_.Ask(buf, MsgButtons::YesNo, MsgIcon::Question) != MsgAnswer::Yes)
            return TransferEnd::Stopped;
        config_.SetProductType(unit.productType);
        adoptedType_ = unit.productType;
        if (onProductTypeAdopted) onProductTypeAdopted(unit.productType);
    }
    const std::string version = unit.version;
    const proto::IdentReply ident = unit.ident;

    UnitSections sections;
    ui_.SetBusyCursor(true);
    {
        CSerialLink link(context_);
        if (!session.LinkOpen(link)) return TransferEnd::Failed;
        if (!ReadUnitSections(session, link, texts::readingSectionFormat, sections))
            return TransferEnd::Failed;
        // More mailboxes than the product holds would not fit its editors: the
        // mailbox list's own limit message says why.
        if (static_cast<int>(sections.mailboxes.MailboxCount()) >
            MaxMailboxes(config_.productType)) {
            messages_.Show(editors::MboxLimitMessage(MaxMailboxes(config_.productType) + 1));
            return TransferEnd::Failed;
        }
    }
    status_ = sections.status;
    section1_ = std::move(sections.section1);
    section2_ = std::move(sections.section2);
    ParamImageContext image;
    image.s8 = status_.SectionBlocks();
    image.s19 = status_.Divisor();
    DecodeParamImage(section2_, image, config_);
    ApplyMailboxSection(sections.mailboxes, config_);

    // The identification's language slots win over the image's copy.
    for (int slot = 1; slot <= 3; ++slot)
        config_.languageCode[static_cast<std::size_t>(slot - 1)] = ident.Language(slot);
    config_.unitVersion = version;
    config_.unitStatus.fill(0);
    std::copy_n(status_.s.begin(), 19, config_.unitStatus.begin());

    const std::int64_t now = clock.Now();
    config_.SetClockTime(AdvanceLocalTime(DecodeClock(sections.mailboxes.clock), now - readTime),
                         now);

    session.SignOff();
    messages_.Show(texts::dataReceived, MsgIcon::Information);
    return TransferEnd::Completed;
}

void CReadParamEngine::ApplyTo(CQelDoc& doc) const {
    if (adoptedType_) doc.SetProductType(*adoptedType_);
    if (!Succeeded()) return;
    // The copy was taken when the reading started and holds everything the
    // unit does not carry as the document had it.
    doc = config_;
    doc.readFromUnit = 1;
}

} // namespace kiv
