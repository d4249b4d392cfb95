#pragma once
// CProtocolSheetEdit: the in-band protocol sheet without its widgets. Four
// pages of ten events each, the first with the timing values. Switching tabs
// and OK run the leave check of the page being left; OK then writes all four
// pages back. Cancel is simply dropping the object.

#include "autoattendant/ProtocolEdit.h"

#include <array>

namespace kiv::autoatt {

inline constexpr int kProtocolPages = 4;

class CProtocolSheetEdit {
  public:
    explicit CProtocolSheetEdit(const CQelDoc& doc);

    std::array<CProtocolEdit, kProtocolPages> pages;

    int ActivePage() const { return active_; }
    CProtocolEdit& Active() { return pages[static_cast<std::size_t>(active_)]; }

    // Another tab: the page being left must pass its check, else it stays.
    ProtocolCheck SwitchTo(int page);
    // OK: the active page's check, then the 40 events and the timing values
    // into the document. The document is untouched when the check fails.
    ProtocolCheck Ok(CQelDoc& doc);
    // The four pages' events and the timing values into the document, once
    // the page being left has passed its check.
    void ApplyTo(CQelDoc& doc) const;

  private:
    int active_ = 0;
};

} // namespace kiv::autoatt
