#include "autoattendant/ProtocolEdit.h"

#include "autoattendant/Texts.h"
#include "document/QelDoc.h"
#include "editors/MboxRefs.h"

#include <algorithm>

namespace kiv::autoatt {

namespace {

ProtocolCheck Refuse(ProtocolFieldRef::Kind kind, int row = -1) {
    return editors::FieldError<ProtocolFieldRef>{{kind, row}, texts::kInputError};
}

bool IsInBandOp(int op) {
    return op >= 0 && op < kInBandOpCount;
}

// The characters of `bytes` up to the first zero byte, at most `count` of them.
std::string Characters(std::span<const std::uint8_t> bytes, int count) {
    std::string text;
    const auto n = static_cast<std::size_t>(std::clamp(count, 0, static_cast<int>(bytes.size())));
    for (std::size_t i = 0; i < n && bytes[i] != 0; ++i)
        text.push_back(static_cast<char>(bytes[i]));
    return text;
}

// Copies `text` into `bytes` and clears the bytes after it.
template <std::size_t N>
void PutCharacters(std::array<std::uint8_t, N>& bytes, std::string_view text) {
    bytes.fill(0);
    std::copy_n(text.begin(), std::min(text.size(), N), bytes.begin());
}

} // namespace

bool InBandOpHasDestination(int op) {
    return IsInBandOpToPage(op) || op == kInBandOpToExtension || op == kInBandOpToMailbox;
}

std::string DrawInBandDestination(InBandEntry& entry, std::span<const MboxRecord> mailboxes,
                                  int slotLimit) {
    if (IsInBandOpToPage(entry.operation)) {
        entry.targetLength = 2;
        return Characters(entry.target, 2);
    }
    if (entry.operation == kInBandOpToExtension)
        return Characters(entry.target, entry.targetLength);
    if (entry.operation == kInBandOpToMailbox) {
        if (entry.targetLength == 1)
            if (auto number = editors::NumberOfSlot(mailboxes, entry.target[0], slotLimit))
                return *number;
        return "0";
    }
    return {};
}

CProtocolEdit::CProtocolEdit(int page) : page_(std::clamp(page, 0, 3)) {
    Load();
}

CProtocolEdit::CProtocolEdit(const CQelDoc& doc, int page)
    : firstDtmfTimeout(doc.firstDtmfTimeout), interDtmfDelay(doc.interDtmfDelay),
      extDigits(doc.extDigits), slotLimit(doc.slotLimit), page_(std::clamp(page, 0, 3)) {
    std::copy_n(doc.inBand.begin() + FirstEvent(), kProtocolRows, events.begin());
    const auto inUse = editors::MailboxesInUse(doc);
    mailboxes.assign(inUse.begin(), inUse.end());
    Load();
}

void CProtocolEdit::ApplyTo(CQelDoc& doc) const {
    std::copy(events.begin(), events.end(), doc.inBand.begin() + FirstEvent());
    if (HasTiming()) {
        doc.firstDtmfTimeout = firstDtmfTimeout;
        doc.interDtmfDelay = interDtmfDelay;
    }
}

std::vector<std::string> CProtocolEdit::OperationLabels() {
    return {kInBandOpLabels.begin(), kInBandOpLabels.end()};
}

void CProtocolEdit::Load() {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        InBandEntry& entry = events[r];
        ProtocolRowForm& row = rows[r];
        row = ProtocolRowForm{};
        // A stored operation outside the list selects nothing.
        row.chosen = IsInBandOp(entry.operation) ? entry.operation : -1;
        row.code = Characters(entry.code, entry.codeLength);
        row.destinationEnabled = InBandOpHasDestination(row.chosen);
        if (row.destinationEnabled)
            row.destination = DrawInBandDestination(entry, mailboxes, slotLimit);
    }
    firstDtmfText = std::to_string(firstDtmfTimeout);
    interDtmfText = std::to_string(interDtmfDelay);
}

void CProtocolEdit::ChooseOp(int row, int op) {
    if (!IsInBandOp(op)) return;
    InBandEntry& entry = events.at(static_cast<std::size_t>(row));
    ProtocolRowForm& form = rows[static_cast<std::size_t>(row)];
    entry.operation = op;
    entry.target.fill(0);
    entry.targetLength = 0;
    form.chosen = op;
    form.destination.clear();
    form.destinationEnabled = InBandOpHasDestination(op);
    if (form.destinationEnabled)
        form.destination = DrawInBandDestination(entry, mailboxes, slotLimit);
}

void CProtocolEdit::SetCode(int row, std::string_view text) {
    rows.at(static_cast<std::size_t>(row)).code = text.substr(0, kInBandCodeChars);
}

void CProtocolEdit::SetDestination(int row, std::string_view text) {
    rows.at(static_cast<std::size_t>(row)).destination = text.substr(0, kInBandDestinationChars);
}

void CProtocolEdit::SetFirstDtmfText(std::string_view text) {
    firstDtmfText = text;
}

void CProtocolEdit::SetInterDtmfText(std::string_view text) {
    interDtmfText = text;
}

ProtocolCheck CProtocolEdit::SaveEvents() {
    for (int r = 0; r < kProtocolRows; ++r) {
        const ProtocolRowForm& row = rows[static_cast<std::size_t>(r)];
        InBandEntry& entry = events[static_cast<std::size_t>(r)];
        // A row that selects nothing would store an operation outside the
        // list, which no file or unit accepts: the user has to pick one.
        if (!IsInBandOp(row.chosen)) return Refuse(ProtocolFieldRef::Operation, r);
        entry.operation = row.chosen;

        // A code is stored only once it passes, so an entry never holds a
        // code longer than its 20 bytes or one the unit would misread.
        if (row.code.size() > static_cast<std::size_t>(kInBandCodeChars) ||
            !editors::IsInBandCode(row.code, extDigits))
            return Refuse(ProtocolFieldRef::Code, r);
        if (entry.operation != kInBandOpAutoAttendant && row.code.empty())
            return Refuse(ProtocolFieldRef::Code, r);
        PutCharacters(entry.code, row.code);
        entry.codeLength = static_cast<std::uint8_t>(row.code.size());

        const std::string& typed = row.destination;
        if (IsInBandOpToPage(entry.operation)) {
            if (PageIndexOfText(typed) < 0) return Refuse(ProtocolFieldRef::Destination, r);
            // The page number's two characters as typed, not its index.
            entry.target[0] = static_cast<std::uint8_t>(typed[0]);
            entry.target[1] = static_cast<std::uint8_t>(typed[1]);
            entry.targetLength = 2;
        } else if (entry.operation == kInBandOpToExtension) {
            if (typed.size() < 2 || !editors::OnlyChars(typed, editors::chars::kExtension, 4))
                return Refuse(ProtocolFieldRef::Destination, r);
            PutCharacters(entry.target, typed);
            entry.targetLength = static_cast<std::int32_t>(typed.size());
        } else if (entry.operation == kInBandOpToMailbox) {
            const auto slot = editors::SlotOfNumber(mailboxes, typed, extDigits);
            if (!slot) return Refuse(ProtocolFieldRef::Destination, r);
            entry.target[0] = *slot;
            entry.targetLength = 1;
        }
    }
    return std::nullopt;
}

ProtocolCheck CProtocolEdit::LeaveCheck() {
    if (HasTiming()) {
        if (!kInterDtmfRule.Accepts(interDtmfText)) return Refuse(ProtocolFieldRef::InterDtmf);
        if (!kFirstDtmfRule.Accepts(firstDtmfText)) return Refuse(ProtocolFieldRef::FirstDtmf);
        interDtmfDelay = editors::LeadingNumber(interDtmfText);
        firstDtmfTimeout = editors::LeadingNumber(firstDtmfText);
    }
    return SaveEvents();
}

void CProtocolEdit::EnterWizardStep(int stepExtDigits, std::vector<MboxRecord> stepMailboxes) {
    extDigits = stepExtDigits;
    mailboxes = std::move(stepMailboxes);
    savedEvents_ = events;
    savedFirstDtmf_ = firstDtmfTimeout;
    savedInterDtmf_ = interDtmfDelay;
    Load();
}

void CProtocolEdit::WizardBack() {
    events = savedEvents_;
    firstDtmfTimeout = savedFirstDtmf_;
    interDtmfDelay = savedInterDtmf_;
    Load();
}

} // namespace kiv::autoatt
