#pragma once
// CMboxList: the working copy that "Lista Caselle" edits. It holds the
// mailboxes in list order with their slots and the supervisor mailbox, and
// works over the two tables whose mailbox references a delete must check and
// rewrite (the auto-attendant keys and the in-band entries). The list sheet
// gives it a copy of the document's tables; the wizard gives its mailbox step
// the very tables its protocol and page steps take and hand back, so that a
// delete rewrites what those steps edit. The document is changed only by
// ApplyTo, which the sheet's command calls on OK; Cancel simply drops the
// working copy.
//
// Commands return the message that refused them (empty when they were done);
// a refused command leaves the working copy exactly as it was. After every
// command that changes the list the records are sorted by number and
// `currentRow` says which row the page selects.

#include "document/Records.h"
#include "editors/FieldCheck.h"
#include "editors/MboxRefs.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

inline constexpr const char* kDefaultMboxPassword = "6071";
inline constexpr int kMaxMboxRecords = 129;
inline constexpr std::uint8_t kNoSlot = 255;

// The record a new mailbox starts from: no number, real, default password,
// no numbers, no notification, time stamp on, first language, slot 255 and
// the three hidden fields 0, 0, -1.
MboxRecord NewMboxTemplate();

// The product's limit message for slot count S (3, 9, 49, 129; any other S
// names S - 1).
std::string MboxLimitMessage(int slotLimit);

// The 13 list columns: header, profile key under "ListMbox", and the default
// width as a fraction of the list's width.
struct MboxColumn {
    const char* header;
    const char* profileKey;
    int widthNum;
    int widthDen;
};
inline constexpr int kMboxColumnCount = 13;
extern const std::array<MboxColumn, kMboxColumnCount> kMboxColumns;
int DefaultColumnWidth(int column, int listWidth);
// The text of one cell of a mailbox's row.
std::string MboxCellText(const MboxRecord& record, int column);

// Fields of the wizard's range panel.
enum class RangeField { From, To };

// Range check of the wizard's "Da" / "A" fields for D digits and S slots.
// Both empty passes (nothing to create).
FieldCheck<RangeField> CheckMboxRange(std::string_view from, std::string_view to, int extDigits,
                                      int slotLimit);

// The auto-attendant keys and the in-band entries, whose mailbox references
// follow the mailboxes' slots.
struct MboxRefTables {
    PageTable pages{};
    InBandTable inBand{};
};

class CMboxList {
  public:
    CMboxList();
    // Copies in what the sheet edits, the two reference tables included; D,
    // the operator key and S come along read-only.
    explicit CMboxList(const CQelDoc& doc);
    // The same over reference tables shared with others (the document's own
    // tables are then not copied).
    CMboxList(const CQelDoc& doc, std::shared_ptr<MboxRefTables> shared);
    // A copy has tables of its own, holding the values of the original's;
    // an assignment copies values and keeps this list's tables.
    CMboxList(const CMboxList& other);
    CMboxList& operator=(const CMboxList& other);
    ~CMboxList() = default;
    // The tables the list works over.
    const std::shared_ptr<MboxRefTables>& Tables() const { return tables_; }
    // Copies back the mailboxes and their count, the supervisor mailbox and
    // the target bytes of the auto-attendant keys and in-band entries. The
    // caller marks the document modified.
    void ApplyTo(CQelDoc& doc) const;

    int Count() const { return mboxCount; }
    const MboxRecord& Record(int row) const { return mailboxes[static_cast<std::size_t>(row)]; }
    // S, kept within 1-129 whatever the configuration holds.
    int Slots() const;
    int MaxCount() const { return Slots() - 1; }
    bool IsFull() const { return Count() >= MaxCount(); }
    bool HasNumber(std::string_view number) const;

    // "&Aggiungi": the limit message when no more mailbox fits (checked
    // before the editor opens), then Add with the edited record.
    std::string CheckCanAdd() const;
    std::string Add(const MboxRecord& edited);
    // "&Copia" of a row: the next free number after the largest, no editor.
    std::string Copy(int row);
    // "Ca&mbia...": the edited fields; number, slot and hidden fields stay.
    void Change(int row, const MboxRecord& edited);
    // "&Cancella": refused while a page key or in-band entry uses the
    // mailbox; otherwise the later mailboxes move up, each place keeping its
    // slot, and every reference to a moved mailbox is rewritten to its new slot.
    std::string Delete(int row);
    // "Crea &Intervallo" of the wizard: one mailbox per number from `from` to
    // `to` with the given local notification; nothing is created unless all of
    // them fit and none exists yet. Refusals of the whole range name "Da".
    FieldCheck<RangeField> CreateRange(std::string_view from, std::string_view to, int localNotify);

    // Stable sort by the numbers' values; the slots move with the records.
    void Sort();
    // Gives every mailbox a unique slot: a slot repeated by a later record or
    // outside 0..S-1 is replaced by the lowest free one.
    void AssignSlots();

    // "Casella Supervisore": "Nessuna", then the numbers in list order; the
    // selected entry is the one equal to supervisorMbox, else "Nessuna".
    std::vector<std::string> SupervisorChoices() const;
    int SupervisorIndex() const;
    void SelectSupervisor(int index);

    // Leaving the list page: every number must suit D (the failing row and
    // "Numero Casella inserito non valido" otherwise); then slots are
    // assigned and the supervisor is taken from the list's selection.
    FieldCheck<int> Leave();
    // The wizard's list page moves on without testing the numbers.
    void LeaveWithoutNumberCheck();

    int slotLimit = kMaxMboxRecords;
    int extDigits = 3;
    int operatorKey = 0;
    int mboxCount = 0;
    std::array<MboxRecord, kMaxMboxRecords> mailboxes{};
    std::string supervisorMbox;
    // Row the page selects after a command; -1 when the list is empty.
    int currentRow = -1;

  private:
    std::shared_ptr<MboxRefTables> tables_;

  public:
    // The two tables, by their names (members of *Tables()).
    PageTable& pages;
    InBandTable& inBand;

  private:
    void Append(const MboxRecord& record);
    void Refresh();
};

} // namespace kiv::editors
