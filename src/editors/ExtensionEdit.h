#pragma once
// CExtensionEdit: what the "Interni" tab of "Parametri PBX" edits (the
// length of extension numbers, the operator key and extensions, the fax and
// the ten ranges of extensions callers may be transferred to), the lock of
// the digit count once numbers of that length exist, and the leave check.
// The wizard's twin of the page runs the same check without the fax.

#include "editors/FieldCheck.h"

#include <array>
#include <string>
#include <string_view>

namespace kiv {
class CQelDoc;
}

namespace kiv::editors {

inline constexpr int kRangeRows = 10;
inline constexpr int kExtMaxLength = 4;
inline constexpr int kMinExtDigits = 2;
inline constexpr int kMaxExtDigits = 4;

struct ExtField {
    enum Kind { ExtDigits, OperatorKey, DayExt, NightExt, FaxExt, From, To };
    Kind kind = ExtDigits;
    int row = 0; // of From and To
    bool operator==(const ExtField&) const = default;
};

class CExtensionEdit {
  public:
    explicit CExtensionEdit(const CQelDoc& doc);

    // The digit count may not change while mailboxes exist or a range field
    // holds text.
    bool DigitsLocked() const { return mboxLock_ || rangeLock_; }
    // A range field lost the focus: text in it locks the digit count for the
    // rest of the page's life, even if it is deleted later.
    void RangeLeft(std::string_view text);
    // The mailboxes the digit count must suit: the document's when the page
    // is made; the wizard gives those of its own mailbox list each time its
    // first step is entered, so the lock follows that list.
    void SetMailboxesExist(bool exist) { mboxLock_ = exist; }

    // The page's leave check, in its field order; the first failure only. A
    // failure of the digit count unlocks it so that it can be corrected.
    // `withFax`: the wizard's page has no fax field.
    FieldCheck<ExtField> Check(bool withFax = true);
    // After Check passed.
    void ApplyTo(CQelDoc& doc) const;

    std::string& Range(ExtField field);
    const std::string& Range(ExtField field) const;

    std::string extDigits;
    std::string operatorKey;
    std::string operatorDayExt;
    std::string operatorNightExt;
    std::string faxExt;
    std::array<std::string, kRangeRows> from;
    std::array<std::string, kRangeRows> to;

  private:
    FieldCheck<ExtField> CheckRow(int row, int digits) const;
    bool mboxLock_ = false;
    bool rangeLock_ = false;
};

} // namespace kiv::editors
