#pragma once
// CGroupEdit: what "Gruppo Caselle" edits. Four groups of chosen mailboxes
// (the fifth stored group is neither shown nor changed), the all-mailbox
// group, and the first digit of the group numbers. Lists are kept in
// ascending text order, as the page shows them.

#include "document/Records.h"
#include "editors/FieldCheck.h"

#include <array>
#include <string>
#include <vector>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

enum class GroupField { FirstDigit };

inline constexpr int kEditableGroups = 4;
inline constexpr int kGroupColumns = 5; // the four groups and the all-mailbox group
inline constexpr int kMaxGroupMembers = 20;

class CGroupEdit {
  public:
    // `mailboxNumbers`: every mailbox's number. A stored member whose mailbox
    // no longer exists is left out (and so gone after OK); a stored count
    // above 20 counts as 0.
    CGroupEdit(std::string firstDigit, std::vector<std::string> mailboxNumbers,
               const std::array<MboxGroup, 5>& groups);
    explicit CGroupEdit(const CQelDoc& doc);

    // The first digit followed by "00", "01", "02", "03" (groups 0-3) or "99"
    // (column 4), whatever the field holds at the moment.
    std::string Caption(int column) const;

    const std::vector<std::string>& Members(int group) const;
    const std::vector<std::string>& AllMailboxes() const { return all_; }

    // "Aggiungi" of a group with the numbers selected in the all-mailbox list:
    // "Troppe Caselle Vocali" when the selection and the present members
    // together exceed 20 (nothing is added); otherwise the numbers not yet in
    // the group join it.
    std::string Add(int group, const std::vector<std::string>& selected);
    // "Rimuovi": drops the selected members.
    void Remove(int group, const std::vector<std::string>& selected);

    FieldCheck<GroupField> Check() const;
    // After Check passed: the first digit and groups 0-3. A group whose list
    // is as it opened, and which showed every stored member, goes back exactly
    // as it was stored (its order, repeated members and the values beyond its
    // count included); any other is rebuilt from its list: members as
    // numbers, in list order, unused entries cleared.
    void ApplyTo(std::string& groupFirstDigit, std::array<MboxGroup, 5>& groups) const;
    void ApplyTo(CQelDoc& doc) const;

    std::string firstDigit;

  private:
    std::vector<std::string> all_;
    std::array<std::vector<std::string>, kEditableGroups> members_;
    // As the groups were given, the lists they opened with, and whether each
    // list showed every stored member (none dropped, the count read as is).
    std::array<MboxGroup, kEditableGroups> stored_{};
    std::array<std::vector<std::string>, kEditableGroups> opened_;
    std::array<bool, kEditableGroups> shownWhole_{};
};

} // namespace kiv::editors
