#include "wizard/WizEdit.h"

#include "document/QelDoc.h"
#include "editors/FieldCheck.h"
#include "wizard/Texts.h"

#include <algorithm>

namespace kiv::wizard {

namespace {

std::size_t FirstEventOf(int which) {
    return static_cast<std::size_t>(which) * autoatt::kProtocolRows;
}

} // namespace

std::string WizStepSection(int step) {
    namespace t = texts;
    switch (step) {
    case kStepExtensions:
    case kStepSupervision:
        return t::kSectionPbx;
    case kStepMailboxes:
        return t::kSectionMailboxes;
    case kStepNotification:
        return t::kSectionNotification;
    case kStepProtocol1:
    case kStepProtocol2:
        return t::kSectionProtocol;
    case kStepPages:
        return t::kSectionPages;
    default:
        return {};
    }
}

std::string WizStepTitle(int step) {
    namespace t = texts;
    std::string title = t::kStepTitle;
    // "%i" twice: the step, then the number of steps.
    for (int value : {step, kWizSteps}) {
        const auto at = title.find("%i");
        if (at != std::string::npos) title.replace(at, 2, std::to_string(value));
    }
    const std::string section = WizStepSection(step);
    if (section.empty()) return title;
    title += t::kTitleSeparator + section;
    if (step == kStepProtocol1 || step == kStepProtocol2)
        title += std::string(" (") +
                 (step == kStepProtocol1 ? t::kProtocolPage1 : t::kProtocolPage2) + ")";
    return title;
}

CWizEdit::CWizEdit(const CQelDoc& doc)
    : tables(
          std::make_shared<editors::MboxRefTables>(editors::MboxRefTables{doc.pages, doc.inBand})),
      protocol{autoatt::CProtocolEdit(doc, 0), autoatt::CProtocolEdit(doc, 1)}, pages(doc) {}

void CWizEdit::TakeEvents(int which) {
    auto& events = protocol[static_cast<std::size_t>(which)].events;
    const auto first = tables->inBand.begin() + static_cast<std::ptrdiff_t>(FirstEventOf(which));
    std::copy(first, first + autoatt::kProtocolRows, events.begin());
}

void CWizEdit::GiveEvents(int which) {
    const auto& events = protocol[static_cast<std::size_t>(which)].events;
    std::copy(events.begin(), events.end(),
              tables->inBand.begin() + static_cast<std::ptrdiff_t>(FirstEventOf(which)));
}

void CWizEdit::EnterProtocolStep(int which, const WizStepInput& input) {
    TakeEvents(which);
    protocol[static_cast<std::size_t>(which)].EnterWizardStep(input.extDigits, input.mailboxes);
}

autoatt::ProtocolCheck CWizEdit::LeaveProtocolStep(int which) {
    auto failed = protocol[static_cast<std::size_t>(which)].LeaveCheck();
    if (!failed) GiveEvents(which);
    return failed;
}

void CWizEdit::BackProtocolStep(int which) {
    protocol[static_cast<std::size_t>(which)].WizardBack();
    GiveEvents(which);
}

void CWizEdit::EnterPageStep(const WizStepInput& input) {
    pages.pages = tables->pages;
    pages.EnterWizardStep(input.extDigits, input.operatorKey, input.mailboxes);
}

autoatt::PageCheck CWizEdit::LeavePageStep() {
    auto failed = pages.LeaveCheck();
    if (!failed) tables->pages = pages.pages;
    return failed;
}

void CWizEdit::BackPageStep() {
    pages.WizardBack();
    tables->pages = pages.pages;
}

void CWizEdit::ApplyTo(CQelDoc& doc) const {
    for (const auto& step : protocol)
        step.ApplyTo(doc);
    pages.ApplyTo(doc);
}

} // namespace kiv::wizard
