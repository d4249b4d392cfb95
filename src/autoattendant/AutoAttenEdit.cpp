#include "autoattendant/AutoAttenEdit.h"

#include "autoattendant/Texts.h"
#include "document/QelDoc.h"
#include "editors/MboxRefs.h"

#include <algorithm>

namespace kiv::autoatt {

namespace {

PageCheck Refuse(PageFieldRef field) {
    return editors::FieldError<PageFieldRef>{field, texts::kInputError};
}

bool TwoDigits(std::string_view text) {
    return text.size() == 2 && editors::IsAllDigits(text);
}

} // namespace

CAutoAttenEdit::CAutoAttenEdit() {
    LoadPage(0);
}

CAutoAttenEdit::CAutoAttenEdit(const CQelDoc& doc)
    : pages(doc.pages), pageText(doc.pageText), operatorKey(doc.operatorKey),
      extDigits(doc.extDigits), slotLimit(doc.slotLimit) {
    std::copy(doc.pageTimeout.begin(), doc.pageTimeout.end(), timeouts.begin());
    const auto inUse = editors::MailboxesInUse(doc);
    mailboxes.assign(inUse.begin(), inUse.end());
    LoadPage(0);
}

void CAutoAttenEdit::ApplyTo(CQelDoc& doc) const {
    doc.pages = pages;
    std::copy(timeouts.begin(), timeouts.end(), doc.pageTimeout.begin());
}

void CAutoAttenEdit::LoadPage(int pageIndex) {
    current_ = std::clamp(pageIndex, 0, kPageCount - 1);
    const auto& page = pages[static_cast<std::size_t>(current_)];
    for (int r = 0; r < kPageKeys; ++r) {
        PageRowForm& row = rows[static_cast<std::size_t>(r)];
        const PageEntry& entry = page[static_cast<std::size_t>(r)];
        row = PageRowForm{};
        if (r == operatorKey) {
            row.isOperator = true;
            continue;
        }
        row.offered = OfferedPageOps(r, current_);
        const bool allowed =
            std::find(row.offered.begin(), row.offered.end(), entry.op) != row.offered.end();
        // An operation that may not stand here shows as "Non utilizzato" and is
        // stored as such when the page is next saved.
        row.chosen = allowed ? entry.op : kPageOpNotUsed;
        if (allowed) row.destination = DestinationText(entry, mailboxes, slotLimit);
        row.destinationEnabled = PageOpHasDestination(row.chosen);
    }
    pageNumberText = PageNumberText(current_);
    description = PageDescription(pageText, current_);
    timeoutText = std::to_string(timeouts[static_cast<std::size_t>(current_)]);
}

std::vector<std::string> CAutoAttenEdit::RowLabels(int row) const {
    const PageRowForm& form = rows.at(static_cast<std::size_t>(row));
    if (form.isOperator) return {texts::kOperatorRow};
    std::vector<std::string> labels;
    for (int op : form.offered)
        labels.emplace_back(PageOpLabel(op));
    return labels;
}

void CAutoAttenEdit::ChooseOp(int row, int op) {
    PageRowForm& form = rows.at(static_cast<std::size_t>(row));
    if (form.isOperator) return;
    if (std::find(form.offered.begin(), form.offered.end(), op) == form.offered.end()) return;
    PageEntry& entry = pages[static_cast<std::size_t>(current_)][static_cast<std::size_t>(row)];
    ChooseOperation(entry, op);
    form.chosen = op;
    form.destination = DestinationText(entry, mailboxes, slotLimit);
    form.destinationEnabled = PageOpHasDestination(op);
}

void CAutoAttenEdit::SetDestination(int row, std::string_view text) {
    rows.at(static_cast<std::size_t>(row)).destination = text;
}

void CAutoAttenEdit::SetTimeoutText(std::string_view text) {
    timeoutText = text;
}

PageCheck CAutoAttenEdit::SavePage() {
    auto& page = pages[static_cast<std::size_t>(current_)];
    for (int r = 0; r < kPageKeys; ++r) {
        const PageRowForm& row = rows[static_cast<std::size_t>(r)];
        if (row.isOperator) continue;
        if (!StoreDestination(page[static_cast<std::size_t>(r)], row.chosen, row.destination,
                              mailboxes, extDigits))
            return Refuse({PageFieldRef::Destination, r, true, r != kTimeoutKey});
    }
    if (!kPageTimeoutRule.Accepts(timeoutText)) return Refuse({PageFieldRef::Timeout});
    timeouts[static_cast<std::size_t>(current_)] = editors::LeadingNumber(timeoutText);
    return std::nullopt;
}

PageCheck CAutoAttenEdit::BadPageNumber(bool exclamation) {
    description.clear();
    return Refuse({PageFieldRef::PageNumber, -1, exclamation});
}

PageCheck CAutoAttenEdit::SwitchTo(int pageIndex) {
    if (pageIndex == current_) return std::nullopt;
    if (auto refused = SavePage()) {
        pageNumberText = PageNumberText(current_);
        return refused;
    }
    LoadPage(pageIndex);
    return std::nullopt;
}

PageCheck CAutoAttenEdit::OnPageNumberChanged(std::string_view text) {
    pageNumberText = text;
    if (pageNumberText.size() != 2) return std::nullopt;
    const int index = PageIndexOfText(pageNumberText);
    if (index < 0) return BadPageNumber(true);
    return SwitchTo(index);
}

PageCheck CAutoAttenEdit::OnPageNumberLeft() {
    std::string text = pageNumberText;
    if (text.empty())
        text = "00";
    else if (text.size() == 1)
        text.insert(text.begin(), '0');
    return OnPageNumberChanged(text);
}

bool CAutoAttenEdit::PageNumberValid() const {
    return PageIndexOfText(pageNumberText) >= 0;
}

PageCheck CAutoAttenEdit::Step(int targetNumber) {
    if (targetNumber < 0) return std::nullopt;
    if (auto refused = SavePage()) return refused;
    LoadPage(PageIndex(targetNumber));
    return std::nullopt;
}

PageCheck CAutoAttenEdit::Previous() {
    if (wizard && !PageNumberValid()) return BadPageNumber(true);
    if (!TwoDigits(pageNumberText)) return std::nullopt;
    return Step(PreviousPageNumber(editors::LeadingNumber(pageNumberText)));
}

PageCheck CAutoAttenEdit::Next() {
    if (wizard && !PageNumberValid()) return BadPageNumber(true);
    if (!TwoDigits(pageNumberText)) return std::nullopt;
    return Step(NextPageNumber(editors::LeadingNumber(pageNumberText)));
}

PageCheck CAutoAttenEdit::LeaveCheck() {
    if (!TwoDigits(pageNumberText)) return Refuse({PageFieldRef::PageNumber});
    if (!PageNumberValid()) return BadPageNumber(false);
    // An empty time-out is refused here as well as by the save, before any
    // row is stored.
    if (!kPageTimeoutRule.Accepts(timeoutText)) return Refuse({PageFieldRef::Timeout});
    return SavePage();
}

void CAutoAttenEdit::EnterWizardStep(int stepExtDigits, int stepOperatorKey,
                                     std::vector<MboxRecord> stepMailboxes) {
    wizard = true;
    extDigits = stepExtDigits;
    operatorKey = stepOperatorKey;
    mailboxes = std::move(stepMailboxes);
    savedPages_ = pages;
    savedTimeouts_ = timeouts;
    LoadPage(current_);
}

void CAutoAttenEdit::WizardBack() {
    pages = savedPages_;
    timeouts = savedTimeouts_;
    LoadPage(current_);
}

} // namespace kiv::autoatt
