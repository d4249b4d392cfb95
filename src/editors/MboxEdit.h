#pragma once
// CMboxEdit: the fields of "Parametri Casella" for one mailbox, their
// dependencies while the page is open, the checks run when the page is left
// and the record they make. The page shows these values, forwards each user
// change to the matching setter and reads the fields back.

#include "document/Records.h"
#include "editors/FieldCheck.h"

#include <string>

namespace kiv::editors {

enum class MboxField {
    Number,
    Type,
    Announcer,
    Password,
    Language,
    LocalNotify,
    Allowed,
    PhoneEnabled,
    Phone,
    PagerEnabled,
    Pager,
    Dnd,
    TimeStamp,
};

inline constexpr int kMboxNumberMaxLength = 4;
inline constexpr int kPhoneMaxLength = 20;
inline constexpr int kPagerMaxLength = 40;

class CMboxEdit {
  public:
    // `isNew`: the sheet is "Nuova Casella" (number editable) rather than
    // "Modifica una Casella".
    CMboxEdit(const MboxRecord& record, int extDigits, bool isNew);

    const char* Caption() const;
    bool NumberEnabled() const { return isNew_; }
    // A virtual mailbox is always "Non Disturbare".
    bool DndEnabled() const { return type != 1; }

    // User changes with their side effects on other fields.
    void SetType(int value);          // "Virtuale" checks DND, "Reale" unchecks it
    void SetAllowed(bool value);      // unchecking clears both "Abilitata"
    void SetPhoneEnabled(bool value); // checking sets "Autorizzata"
    void SetPagerEnabled(bool value); // checking sets "Autorizzata"
    void ResetPassword();             // "Reset": the default password

    // The leave checks, in the page's order; the first failure only. The
    // number is checked only while it can be edited.
    FieldCheck<MboxField> Check() const;
    // The edited record: the fields over the original, whose slot and hidden
    // fields stay; the password becomes the default only when the field
    // shows it; a telephone or pager number left as shown keeps its stored
    // text (an all-blank one, shown empty, stays as it was).
    MboxRecord Result() const;

    std::string number;
    int type = 0;
    bool announcer = false;
    std::string password; // as shown: the default, or "****"
    int language = 0;
    int localNotify = 0;
    bool allowed = false;
    bool phoneEnabled = false;
    std::string phone;
    bool pagerEnabled = false;
    std::string pager;
    bool dnd = false;
    bool timeStamp = true;

  private:
    MboxRecord original_;
    int extDigits_;
    bool isNew_;
};

} // namespace kiv::editors
