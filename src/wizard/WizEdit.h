#pragma once
// CWizEdit: what the integration wizard holds between its steps, without
// widgets. The mailbox step (3), the two protocol steps (5, 6) and the page
// step (7) work over one page table and one in-band table (`tables`): the
// mailbox step checks and rewrites the references in them when it deletes a
// mailbox, and the later steps take them each time they are entered and hand
// their edits back when they are left by Next. Back from one of those steps
// first puts back what the step held when it was entered.
//
// Nothing reaches the document before Finish; ApplyTo writes the protocol and
// page steps' part, after the mailbox list has written its own (which
// includes the target bytes of all 40 in-band entries).

#include "autoattendant/AutoAttenEdit.h"
#include "autoattendant/ProtocolEdit.h"
#include "editors/MboxList.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::wizard {

inline constexpr int kWizSteps = 8;
// The steps, numbered as their titles show them.
enum WizStep {
    kStepExtensions = 1,
    kStepSupervision = 2,
    kStepMailboxes = 3,
    kStepNotification = 4,
    kStepProtocol1 = 5,
    kStepProtocol2 = 6,
    kStepPages = 7,
    kStepFinish = 8,
};

// "Wizard (Pag. n di 8) - section"; the last step's title has no section.
std::string WizStepTitle(int step);
// The help topic's section of a step (the section of its title); the last
// step has none.
std::string WizStepSection(int step);

// What steps 5 to 7 take from the earlier steps each time they are entered:
// the digit count and the operator key typed in step 1 and the mailboxes of
// step 3 as they are at that moment.
struct WizStepInput {
    int extDigits = 3;
    int operatorKey = 0;
    std::vector<MboxRecord> mailboxes;
};

class CWizEdit {
  public:
    explicit CWizEdit(const CQelDoc& doc);

    // Shared by the mailbox step and steps 5 to 7.
    std::shared_ptr<editors::MboxRefTables> tables;
    // Steps 5 and 6: events 0-9 with the timing values, events 10-19.
    std::array<autoatt::CProtocolEdit, 2> protocol;
    // Step 7: the page table and the 39 time-outs.
    autoatt::CAutoAttenEdit pages;

    // `which` is 0 for step 5, 1 for step 6.
    void EnterProtocolStep(int which, const WizStepInput& input);
    // Next: the step's leave check; when it passes, its events go into the
    // shared in-band table.
    autoatt::ProtocolCheck LeaveProtocolStep(int which);
    // Back: the events as they were on entering, in the step and the table.
    void BackProtocolStep(int which);

    void EnterPageStep(const WizStepInput& input);
    autoatt::PageCheck LeavePageStep();
    void BackPageStep();

    // Finish: in-band events 0-19 in full, both timing values, the page
    // table and the time-outs. Events 20-39 are left to the mailbox list's
    // ApplyTo, which writes only their target bytes.
    void ApplyTo(CQelDoc& doc) const;

  private:
    void TakeEvents(int which);
    void GiveEvents(int which);
};

} // namespace kiv::wizard
