#include "editors/MboxEdit.h"

#include "editors/MboxList.h"
#include "editors/Texts.h"

#include <algorithm>
#include <string_view>

namespace kiv::editors {

namespace {

// The reset fills unused texts with one blank; an editor shows that as empty.
std::string Shown(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos ? std::string() : text;
}

FieldCheck<MboxField> CheckNotifyNumber(MboxField field, const std::string& number, bool enabled,
                                        bool allowed, std::string_view accepted,
                                        std::size_t maxLength) {
    using E = FieldError<MboxField>;
    if (enabled && number.empty()) return E{field, texts::kNumberRequired};
    if (!allowed && !number.empty()) return E{field, texts::kInputError};
    if (!OnlyChars(number, accepted, maxLength)) return E{field, texts::kInputError};
    return std::nullopt;
}

} // namespace

CMboxEdit::CMboxEdit(const MboxRecord& record, int extDigits, bool isNew)
    : number(record.number), type(record.type == 1 ? 1 : 0), announcer(record.announcer != 0),
      password(record.password == kDefaultMboxPassword ? record.password
                                                       : std::string(texts::kHiddenPassword)),
      language(std::clamp(record.language, 0, 2)),
      localNotify(std::clamp(record.localNotify, 0, 4)), allowed(record.allowed != 0),
      phoneEnabled(record.phoneEnabled != 0), phone(Shown(record.phone)),
      pagerEnabled(record.pagerEnabled != 0), pager(Shown(record.pager)),
      dnd(record.dnd != 0 || type == 1), timeStamp(record.timeStamp != 0), original_(record),
      extDigits_(extDigits), isNew_(isNew) {}

const char* CMboxEdit::Caption() const {
    return isNew_ ? texts::kNewMbox : texts::kChangeMbox;
}

void CMboxEdit::SetType(int value) {
    type = value == 1 ? 1 : 0;
    dnd = type == 1;
}

void CMboxEdit::SetAllowed(bool value) {
    allowed = value;
    if (!value) {
        phoneEnabled = false;
        pagerEnabled = false;
    }
}

void CMboxEdit::SetPhoneEnabled(bool value) {
    phoneEnabled = value;
    if (value) allowed = true;
}

void CMboxEdit::SetPagerEnabled(bool value) {
    pagerEnabled = value;
    if (value) allowed = true;
}

void CMboxEdit::ResetPassword() {
    password = kDefaultMboxPassword;
}

FieldCheck<MboxField> CMboxEdit::Check() const {
    using E = FieldError<MboxField>;
    // A changed mailbox keeps its number (the field is disabled), so only a
    // new one is checked: a number left over from another digit count must
    // not lock the user out of the other fields.
    if (isNew_ && (static_cast<int>(number.size()) != extDigits_ ||
                   !NumberInRange(LeadingNumber(number), extDigits_)))
        return E{MboxField::Number, texts::kInvalidMboxNumber};
    if (type == 1) {
        if (localNotify != 0) return E{MboxField::LocalNotify, texts::kVirtualNoLocalNotify};
        if (!dnd) return E{MboxField::Dnd, texts::kVirtualMustBeDnd};
    }
    if (auto failed = CheckNotifyNumber(MboxField::Phone, phone, phoneEnabled, allowed,
                                        chars::kPhone, kPhoneMaxLength))
        return failed;
    return CheckNotifyNumber(MboxField::Pager, pager, pagerEnabled, allowed, chars::kPager,
                             kPagerMaxLength);
}

MboxRecord CMboxEdit::Result() const {
    MboxRecord r = original_;
    if (isNew_) r.number = number;
    r.type = type;
    r.announcer = announcer ? 1 : 0;
    if (password == kDefaultMboxPassword) r.password = kDefaultMboxPassword;
    r.language = language;
    r.localNotify = localNotify;
    r.allowed = allowed ? 1 : 0;
    r.phoneEnabled = phoneEnabled ? 1 : 0;
    // A number shown as it was loaded keeps its stored text (a blank one stays blank).
    r.phone = phone == Shown(original_.phone) ? original_.phone : phone;
    r.pagerEnabled = pagerEnabled ? 1 : 0;
    r.pager = pager == Shown(original_.pager) ? original_.pager : pager;
    r.dnd = dnd ? 1 : 0;
    r.timeStamp = timeStamp ? 1 : 0;
    return r;
}

} // namespace kiv::editors
