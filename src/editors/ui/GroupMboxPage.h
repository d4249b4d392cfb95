#pragma once
// "Gruppi": four groups of chosen mailboxes and the group of every mailbox,
// side by side, each captioned with its number (the first digit followed by
// 00-03 or 99), and the first digit itself. The lists are CGroupEdit's.

#include "app/PropertyPage.h"
#include "editors/GroupEdit.h"

#include <array>

class QGroupBox;
class QListWidget;
class QPushButton;

namespace kiv {

class CQelDoc;
class CSpinEdit;

class CGroupMboxPage : public CPropertyPage {
    Q_OBJECT
  public:
    explicit CGroupMboxPage(const CQelDoc& doc, QWidget* parent = nullptr);

    bool OnKillActive() override;
    const editors::CGroupEdit& Model() const { return edit_; }

    // Columns 0-3 are the groups, column 4 every mailbox.
    QGroupBox* Column(int column) const { return boxes_[static_cast<std::size_t>(column)]; }
    QListWidget* List(int column) const { return lists_[static_cast<std::size_t>(column)]; }
    CSpinEdit* FirstDigit() const { return firstDigit_; }

    // "Aggiungi" / "Rimuovi" of a group.
    void AddTo(int group);
    void RemoveFrom(int group);

  private:
    void Fill(int column);
    void Recaption();

    editors::CGroupEdit edit_;
    std::array<QGroupBox*, editors::kGroupColumns> boxes_{};
    std::array<QListWidget*, editors::kGroupColumns> lists_{};
    std::array<QPushButton*, editors::kEditableGroups> adds_{};
    std::array<QPushButton*, editors::kEditableGroups> removes_{};
    CSpinEdit* firstDigit_;
};

} // namespace kiv
