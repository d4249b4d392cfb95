#include "unit/transfer/SendParamEngine.h"

#include "document/PageOps.h"
#include "document/ProductType.h"
#include "unit/image/ParamImage.h"
#include "unit/image/Texts.h"
#include "unit/link/PasswordLoop.h"
#include "unit/link/SerialLink.h"
#include "unit/link/SerialTrace.h"
#include "unit/link/UnitSession.h"
#include "unit/transfer/Texts.h"
#include "unit/transfer/UnitSections.h"

#include <algorithm>
#include <cstdio>
#include <thread>

namespace kiv {

namespace {

std::string SectionText(int section) {
    char buf[64];
    std::snprintf(buf, sizeof buf, texts::sendingSectionFormat, section);
    return buf;
}

// Header of the parameter image in the "$$S" exchange.
constexpr std::uint8_t kImageHeader[5] = {0x04, 0x01, 0x00, 0x01, 0x00};

} // namespace

CSendParamEngine::CSendParamEngine(CLinkContext& context, MessageSink& messages, TransferUi& ui,
                                   PasswordPrompt& prompt, const CQelDoc& doc)
    : context_(context), messages_(messages), ui_(ui), prompt_(prompt), timeout_(doc.commTimeout),
      config_(doc) {
    const ProductTypeInfo* info = FindProductType(doc.productType);
    largestPosition_ = info ? info->slotCount : kMaxSlots;
}

int CSendParamEngine::Run() {
    end_ = GuardTransfer(messages_, [this] { return Send(); });
    ui_.SetBusyCursor(false);
    return end_ == TransferEnd::Completed ? 0 : 1;
}

void CSendParamEngine::ApplyTo(CQelDoc& doc) const {
    const std::int64_t now = doc.Clock().Now();
    doc.SetClockTime(UnitClockAt(doc, now), now);
    if (Succeeded()) doc.readFromUnit = 1;
}

std::string CSendParamEngine::MissingLanguage(const proto::IdentReply& ident) const {
    const auto missing = [&ident](int language) {
        return language >= 0 && language <= 2 && !ident.HasLanguage(language + 1);
    };
    for (const auto& page : config_.pages)
        for (const PageEntry& key : page)
            if (missing(PageOpLanguage(key.op))) return texts::pageLanguageMissing;
    if (missing(config_.defaultLanguage)) return texts::defaultLanguageMissing;
    const std::size_t count =
        static_cast<std::size_t>(std::clamp<std::int32_t>(config_.mboxCount, 0, kMaxSlots));
    for (std::size_t i = 0; i < count; ++i)
        if (missing(config_.mailboxes[i].language)) return texts::mailboxLanguageMissing;
    for (const InBandEntry& entry : config_.inBand)
        if (missing(InBandOpLanguage(entry.operation))) return texts::pageLanguageMissing;
    return {};
}

TransferEnd CSendParamEngine::PasswordLoop(CUnitSession& session) {
    CPasswordLoop loop(session, prompt_);
    loop.typed = typed_;
    PasswordLoopOptions options;
    options.identify.mismatchHead = texts::wrongProduct;
    options.identify.signOffOnRefusal = true;
    options.refusal = [this](const CUnitIdentity& unit) { return MissingLanguage(unit.ident); };
    options.expected = [this](const CUnitIdentity& unit) {
        return config_.passwordChanged ? config_.unitPassword : unit.password;
    };
    const TransferEnd end = loop.Run(options);
    typed_ = loop.typed;
    return end;
}

TransferEnd CSendParamEngine::Send() {
    // A text the unit cannot take would arrive as an empty field: refuse before the
    // password is asked, so that nothing goes on the line.
    uncodable_ = FindUncodableText(config_);
    if (uncodable_) {
        messages_.Show(std::string(texts::kInputError) + ": " + uncodable_->Caption(),
                       MsgIcon::Warning);
        return TransferEnd::Failed;
    }

    CUnitSession session(context_, messages_, ui_, timeout_, config_.productType);
    if (const TransferEnd end = PasswordLoop(session); end != TransferEnd::Completed) return end;

    session.options = IdentifyOptions{};
    const int connected = session.ConnectUnit();
    if (connected != CUnitSession::resultOk) return session.ConnectEnd(connected);

    ui_.SetBusyCursor(true);
    CSerialLink link(context_);
    if (!session.LinkOpen(link)) return TransferEnd::Failed;
    UnitSections unit;
    if (!ReadUnitSections(session, link, texts::sendingSectionFormat, unit))
        return TransferEnd::Failed;
    status_ = unit.status;
    section1_ = std::move(unit.section1);
    image_ = std::move(unit.section2);
    unitMailboxes_ = std::move(unit.mailboxes);

    const MailboxReconciliation plan =
        ReconcileMailboxes(config_, unitMailboxes_, largestPosition_);
    if (plan.askBeforeDeleting && messages_.Ask(texts::deleteMailboxesQuestion, MsgButtons::YesNo,
                                                MsgIcon::Question) != MsgAnswer::Yes) {
        session.SignOff(true);
        return TransferEnd::Stopped;
    }
    if (!plan.error.empty()) {
        session.SignOff(true);
        messages_.Show(plan.error);
        return TransferEnd::Failed;
    }
    mailboxes_ = PrepareMailboxSend(config_, unitMailboxes_, plan, largestPosition_);

    ParamImageContext context;
    context.s8 = status_.SectionBlocks();
    context.s19 = status_.Divisor();
    context.passwordChangePending = config_.passwordChanged != 0;
    std::vector<std::string> uncoded;
    EncodeParamImage(config_, context, image_, &uncoded);
    if (context_.trace)
        for (const std::string& name : uncoded)
            context_.trace->Note("sent empty, cannot be coded: " + name);

    if (const TransferEnd end = SendImage(session, link); end != TransferEnd::Completed) return end;
    if (const TransferEnd end = SendMailboxesAndClock(session); end != TransferEnd::Completed)
        return end;
    if (const TransferEnd end = SendDeletions(session); end != TransferEnd::Completed) return end;

    session.SignOff();
    messages_.Show(texts::transferSucceeded, MsgIcon::Information);
    return TransferEnd::Completed;
}

TransferEnd CSendParamEngine::SendImage(CUnitSession& session, CSerialLink& link) {
    ui_.SetStatusText(SectionText(4));
    proto::BlockGeometry geometry;
    if (!session.ReadBlockGeometry(link, geometry)) return TransferEnd::Failed;
    const std::size_t blockSize = geometry.BlockSize();
    const std::size_t total = static_cast<std::size_t>(geometry.ImageBlocks()) * blockSize;
    if (blockSize == 0 || total > proto::maxSectionLength) {
        // The unit asks for an image no unit holds; nothing has been sent.
        messages_.Show(texts::systemError);
        return TransferEnd::Failed;
    }
    if (!session.SendBlockHeader(link, kImageHeader)) return TransferEnd::Failed;
    // The unit takes as many blocks as it announced; an image read shorter
    // than that is completed with zeros.
    std::vector<std::uint8_t> blocks(
        image_.begin(),
        image_.begin() + static_cast<std::ptrdiff_t>(std::min(total, image_.size())));
    blocks.resize(total, 0);
    return session.SendBlocks(link, blocks, blockSize) ? TransferEnd::Completed
                                                       : TransferEnd::Failed;
}

TransferEnd CSendParamEngine::SendMailboxesAndClock(CUnitSession& session) {
    const CLinkTiming& timing = context_.timing;
    CSerialLink link(context_);
    if (!session.LinkOpen(link)) return TransferEnd::Failed;
    std::this_thread::sleep_for(timing.stepPause);
    session.SendCommand(link, proto::cmdMailboxStream, false);
    ui_.SetStatusText(SectionText(5));
    ui_.SetProgressRange(mailboxes_.stream.size());
    for (const std::uint8_t byte : mailboxes_.stream) {
        link.WriteSlow(&byte, 1);
        ui_.StepProgress();
    }

    const ClockBytes clock = EncodeClock(UnitClockAt(config_, config_.Clock().Now()));
    std::this_thread::sleep_for(timing.stepPause);
    session.SendCommand(link, proto::cmdClock, false);
    link.WriteSlow(clock.data(), clock.size());
    std::this_thread::sleep_for(timing.clockPause);
    return TransferEnd::Completed;
}

TransferEnd CSendParamEngine::SendDeletions(CUnitSession& session) {
    const std::vector<std::uint8_t>& list = mailboxes_.deletionList;
    if (list.size() <= 1) return TransferEnd::Completed;
    const CLinkTiming& timing = context_.timing;
    CSerialLink link(context_);
    if (!session.LinkOpen(link)) return TransferEnd::Failed;
    session.SendCommand(link, proto::cmdDelete, false);
    std::this_thread::sleep_for(timing.stepPause);
    ui_.SetProgressRange(list.size() - 1);
    ui_.SetStatusText(SectionText(6));
    link.WriteSlow(list.data(), 1);
    for (std::size_t k = 1; k < list.size(); ++k) {
        link.WriteSlow(&list[k], 1);
        std::this_thread::sleep_for(timing.stepPause);
        ui_.StepProgress();
    }
    return TransferEnd::Completed;
}

} // namespace kiv
