#pragma once
// CAutoAttenEdit: the page editor of "Programmazione Pagine" without its
// widgets. It holds the working copy of the page table and the time-outs, and
// the form: the page-number text, eleven rows (offered operations, the chosen
// one, the destination text) and the time-out text. The Qt page mirrors the
// form, passes every user action here and redraws from the form after each
// call; a refusal names the field to focus and select and the message to show.
// The wizard's twin of the page is the same model with `wizard` set.

#include "autoattendant/PageRules.h"
#include "document/PageOps.h"
#include "document/Records.h"
#include "editors/FieldCheck.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::autoatt {

using PageTable = std::array<std::array<PageEntry, kPageKeys>, kPageCount>;

inline constexpr editors::NumberRule kPageTimeoutRule{0, 9};

// Where a refusal sends the user. `row` names the destination field of a key
// row (0-9); the time-out row's destination is not focused. Most refusals come
// with the exclamation icon; the leave check's unknown page number without.
struct PageFieldRef {
    enum Kind { PageNumber, Destination, Timeout } kind = PageNumber;
    int row = -1;
    bool exclamation = true;
    bool focus = true;

    bool operator==(const PageFieldRef&) const = default;
};
using PageCheck = editors::FieldCheck<PageFieldRef>;

struct PageRowForm {
    bool isOperator = false;  // the operator key's row: "Operatore", disabled
    std::vector<int> offered; // operation codes, in list order
    int chosen = 0;           // the selected operation code
    std::string destination;
    bool destinationEnabled = false;
};

class CAutoAttenEdit {
  public:
    CAutoAttenEdit();
    explicit CAutoAttenEdit(const CQelDoc& doc);
    // The page table and the time-outs back into the document, after the leave
    // check passed.
    void ApplyTo(CQelDoc& doc) const;

    // Working state, as copied from the document.
    PageTable pages{};
    std::array<int, kPageCount> timeouts{};
    std::array<std::string, kOrdinaryPages> pageText;
    int operatorKey = 0;
    int extDigits = 3;
    std::vector<MboxRecord> mailboxes;
    int slotLimit = 129;
    bool wizard = false;

    // The form.
    std::string pageNumberText;
    std::string description;
    std::array<PageRowForm, kPageKeys> rows;
    std::string timeoutText;

    int CurrentPage() const { return current_; }
    // Loads the page at `pageIndex` into the form and makes it the current one.
    void LoadPage(int pageIndex);
    // The list items of a row: "Operatore" alone for the operator row, else
    // the offered labels.
    std::vector<std::string> RowLabels(int row) const;

    // The user picks an operation in a row: the entry takes the code at once,
    // its target bytes cleared, and the destination is redrawn.
    void ChooseOp(int row, int op);
    // The user types in a destination or the time-out field.
    void SetDestination(int row, std::string_view text);
    void SetTimeoutText(std::string_view text);

    // Saves the form into the current page. Rows before a refused one keep
    // what they stored.
    PageCheck SavePage();

    // The page-number field changed; it switches page once it holds two
    // characters.
    PageCheck OnPageNumberChanged(std::string_view text);
    // The page-number field lost the focus: a short text is padded to two
    // digits, then the page switches.
    PageCheck OnPageNumberLeft();
    // Operation lists, destinations and the time-out take the focus only
    // while the page-number field holds a page.
    bool PageNumberValid() const;

    PageCheck Previous(); // "<<"
    PageCheck Next();     // ">>"

    // Leaving the page for another tab, OK, or the wizard's next step.
    PageCheck LeaveCheck();

    // Wizard: entering the step takes the values typed in the earlier steps,
    // keeps a copy of the table and the time-outs and reloads the form; going
    // back restores both.
    void EnterWizardStep(int stepExtDigits, int stepOperatorKey,
                         std::vector<MboxRecord> stepMailboxes);
    void WizardBack();

  private:
    PageCheck SwitchTo(int pageIndex);
    PageCheck Step(int targetNumber);
    PageCheck BadPageNumber(bool exclamation);

    int current_ = 0;
    PageTable savedPages_{};
    std::array<int, kPageCount> savedTimeouts_{};
};

} // namespace kiv::autoatt
