#pragma once
// CProtocolEdit: one page of the in-band DTMF protocol editor without its
// widgets. A page edits ten consecutive events (0-9, 10-19, 20-29 or 30-39);
// the first page also holds the two timing values. The model keeps the page's
// working copy of its events and the form: per row the chosen operation, the
// code text and the destination text. The Qt page mirrors the form, passes
// every user action here and redraws from the form after each call; a refusal
// names the field to focus and select and the message to show. The wizard's
// twins of the first two pages are the same model entered as a wizard step.

#include "document/PageOps.h"
#include "document/Records.h"
#include "editors/FieldCheck.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::autoatt {

inline constexpr int kInBandEvents = 40;
inline constexpr int kProtocolRows = 10;    // events per page
inline constexpr int kInBandCodeChars = 20; // longest code
inline constexpr int kInBandDestinationChars = 4;

// The timing fields, in milliseconds and steps of 20. Their spin buttons take
// range and step from the same rules.
inline constexpr editors::NumberRule kFirstDtmfRule{0, 9980, 20};
inline constexpr editors::NumberRule kInterDtmfRule{0, 980, 20};

struct ProtocolFieldRef {
    enum Kind { Operation, Code, Destination, InterDtmf, FirstDtmf } kind = Code;
    int row = -1; // 0-9 for the row fields

    bool operator==(const ProtocolFieldRef&) const = default;
};
using ProtocolCheck = editors::FieldCheck<ProtocolFieldRef>;

struct ProtocolRowForm {
    int chosen = -1; // the selected operation code; -1 selects nothing
    std::string code;
    std::string destination;
    bool destinationEnabled = false;
};

// Operations whose destination the user types: the page ones, the extension
// and the mailbox.
bool InBandOpHasDestination(int op);

// What an event's destination field reads for its stored entry. Drawing a
// page destination fixes its `targetLength` at 2, so it takes the entry.
std::string DrawInBandDestination(InBandEntry& entry, std::span<const MboxRecord> mailboxes,
                                  int slotLimit);

class CProtocolEdit {
  public:
    // Page `page` (0-3) of the sheet; page 0 holds the timing values.
    explicit CProtocolEdit(int page = 0);
    CProtocolEdit(const CQelDoc& doc, int page);
    // The page's events (and the timing values on page 0) back into the
    // document, after its leave check passed.
    void ApplyTo(CQelDoc& doc) const;

    int FirstEvent() const { return page_ * kProtocolRows; }
    bool HasTiming() const { return page_ == 0; }

    // Working state, as copied from the document.
    std::array<InBandEntry, kProtocolRows> events{};
    int firstDtmfTimeout = 3000;
    int interDtmfDelay = 500;
    int extDigits = 3;
    std::vector<MboxRecord> mailboxes;
    int slotLimit = 129;

    // The form.
    std::array<ProtocolRowForm, kProtocolRows> rows;
    std::string firstDtmfText;
    std::string interDtmfText;

    // Every list offers the 16 operations in code order.
    static std::vector<std::string> OperationLabels();

    // Fills the form from the working state.
    void Load();

    // The user picks an operation in a row: the entry takes the code at once,
    // its target bytes and length cleared, and the destination is redrawn.
    void ChooseOp(int row, int op);
    // The user types in a row's code or destination, or a timing field. Text
    // beyond a field's length cannot be typed and is cut off.
    void SetCode(int row, std::string_view text);
    void SetDestination(int row, std::string_view text);
    void SetFirstDtmfText(std::string_view text);
    void SetInterDtmfText(std::string_view text);

    // Stores the rows in order; stops at the first refused one. Rows already
    // saved keep what they stored.
    ProtocolCheck SaveEvents();

    // Leaving the page for another tab, OK, or the wizard's next step: on
    // page 0 the inter-digit delay, then the first-digit wait, then the rows.
    ProtocolCheck LeaveCheck();

    // Wizard: entering the step takes the extension digit count and the
    // mailboxes of the earlier steps, keeps a copy of what the step edits and
    // reloads the form; going back restores the copy.
    void EnterWizardStep(int stepExtDigits, std::vector<MboxRecord> stepMailboxes);
    void WizardBack();

  private:
    int page_ = 0;
    std::array<InBandEntry, kProtocolRows> savedEvents_{};
    int savedFirstDtmf_ = 0;
    int savedInterDtmf_ = 0;
};

} // namespace kiv::autoatt
