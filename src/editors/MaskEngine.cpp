#include "editors/MaskEngine.h"

#include "document/TimeText.h"

#include <cstdio>

namespace kiv::editors {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    // The letters of code page 1252 beside A-Z and a-z (accented ones).
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
           (u >= 0xC0 && u != 0xD7 && u != 0xF7);
}

bool IsPrintable(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x20 && u != 0x7F;
}

// A limit text as two digits ("9" is "09"), so that each digit position has
// its own digit to compare with.
std::string TwoDigits(const std::string& limit) {
    return limit.size() >= 2 ? limit : std::string(2 - limit.size(), '0') + limit;
}

// The date a day, month and year name; none when there is no such day.
std::optional<LocalTime> RealDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return std::nullopt;
    const LocalTime t = CivilFromSeconds(DaysFromCivil(year, month, day) * 86400);
    if (t.day != day || t.month != month) return std::nullopt;
    return t;
}

bool IsValid(const LocalTime& t) {
    return t.year >= 0 && t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 &&
           t.second >= 0 && t.second <= 59 && RealDate(t.year, t.month, t.day).has_value();
}

} // namespace

CMaskEngine CMaskEngine::Time() {
    return CMaskEngine(Kind::Time, "00:00", "__:__");
}

CMaskEngine CMaskEngine::Date() {
    return CMaskEngine(Kind::Date, "00/00/0000", "__/__/____");
}

CMaskEngine::CMaskEngine(Kind kind, std::string mask, std::string placeholder)
    : kind_(kind), mask_(std::move(mask)), placeholder_(std::move(placeholder)) {}

void CMaskEngine::SetText(std::string_view text) {
    text_ = text;
    reset_ = text;
    caret_ = 0;
    selection_ = 0;
}

void CMaskEngine::SetDateTime(const std::optional<LocalTime>& value) {
    if (!value || !IsValid(*value)) {
        SetText("");
        return;
    }
    char buf[48];
    if (kind_ == Kind::Time)
        std::snprintf(buf, sizeof buf, "%02d:%02d", value->hour, value->minute);
    else if (mask_.size() == 8)
        std::snprintf(buf, sizeof buf, "%02d/%02d/%02d", value->day, value->month,
                      value->year % 100);
    else
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", value->day, value->month, value->year);
    SetText(buf);
}

std::optional<LocalTime> CMaskEngine::DateTime() const {
    if (kind_ == Kind::Time) {
        const auto minutes = ClockTimeMinutes(text_);
        if (!minutes) return std::nullopt;
        LocalTime t;
        t.hour = *minutes / 60;
        t.minute = *minutes % 60;
        return t;
    }
    if (kind_ != Kind::Date) return std::nullopt;
    const std::size_t first = text_.find('/');
    const std::size_t second = first == std::string::npos ? first : text_.find('/', first + 1);
    if (second == std::string::npos) return std::nullopt;
    const auto day = StoredNumber(std::string_view(text_).substr(0, first));
    const auto month = StoredNumber(std::string_view(text_).substr(first + 1, second - first - 1));
    const std::string_view yearText = std::string_view(text_).substr(second + 1);
    auto year = StoredNumber(yearText);
    if (!day || !month || !year || (yearText.size() != 2 && yearText.size() != 4))
        return std::nullopt;
    // A two-digit year: 00-29 this century, 30-99 the last.
    if (yearText.size() == 2) *year += *year < 30 ? 2000 : 1900;
    return RealDate(*year, *month, *day);
}

void CMaskEngine::SetCaret(int caret, int selectionLength) {
    caret_ = caret < 0 ? 0 : caret;
    selection_ = selectionLength < 0 ? 0 : selectionLength;
}

bool CMaskEngine::IsLiteral(int pos) const {
    return pos >= 0 && static_cast<std::size_t>(pos) < placeholder_.size() &&
           placeholder_[static_cast<std::size_t>(pos)] != '_';
}

bool CMaskEngine::Accepts(char maskChar, char c) const {
    switch (maskChar) {
    case '0':
        return IsDigit(c);
    case '9':
        return IsDigit(c) || c == ' ';
    case '#':
        return IsDigit(c) || c == ' ' || c == 'k' || c == 'm';
    case 'L':
        return IsLetter(c);
    case '?':
        return IsLetter(c) || c == ' ';
    case 'A':
        return IsLetter(c) || IsDigit(c);
    case 'a':
        return IsLetter(c) || IsDigit(c) || c == ' ';
    case '&':
        return IsPrintable(c);
    default:
        return false;
    }
}

bool CMaskEngine::WithinLimits(int pos, char c) const {
    const auto at = [this](int p) {
        return static_cast<std::size_t>(p) < text_.size() ? text_[static_cast<std::size_t>(p)]
                                                          : '\0';
    };
    if (kind_ == Kind::Time) {
        // Hours in positions 0-1, minutes in 3-4: a first digit up to the
        // limit's first digit, a second one up to the limit's second digit
        // when the first equals the limit's first.
        const int part = pos < 2 ? 0 : 3;
        if (pos != part && pos != part + 1) return true;
        const std::string limit = TwoDigits(part == 0 ? maxHours_ : maxMinutes_);
        if (pos == part) return c <= limit[0];
        return at(part) != limit[0] || c <= limit[1];
    }
    if (kind_ == Kind::Date) {
        // Days up to 31, months up to 12.
        switch (pos) {
        case 0:
            return c <= '3';
        case 1:
            return at(0) != '3' || c < '2';
        case 3:
            return c <= '1';
        case 4:
            return at(3) != '1' || c < '3';
        default:
            return true;
        }
    }
    return true;
}

void CMaskEngine::Put(char c) {
    const auto pos = static_cast<std::size_t>(caret_);
    // A field shorter than its mask fills up with the placeholder first.
    while (text_.size() < pos)
        text_ += text_.size() < placeholder_.size() ? placeholder_[text_.size()] : ' ';
    if (text_.size() == pos)
        text_ += c;
    else
        text_[pos] = c;
    ++caret_;
}

void CMaskEngine::TypeLiteral() {
    Put(placeholder_[static_cast<std::size_t>(caret_)]);
}

void CMaskEngine::CutToMask() {
    // A stored text longer than the mask (a time of 6000 minutes or more)
    // is shown whole; the first key that edits it drops the tail that no key
    // can reach, so that it is never read as part of the typed value.
    if (text_.size() <= mask_.size()) return;
    text_.resize(mask_.size());
    if (caret_ > static_cast<int>(mask_.size())) caret_ = static_cast<int>(mask_.size());
}

KeyResult CMaskEngine::Type(char c) {
    selection_ = 0;
    CutToMask();
    const int length = static_cast<int>(mask_.size());
    if (caret_ >= length) return KeyResult::Beep;
    if (IsLiteral(caret_)) TypeLiteral();
    if (caret_ >= length) return KeyResult::Beep;
    const char maskChar = mask_[static_cast<std::size_t>(caret_)];
    if (!Accepts(maskChar, c)) return KeyResult::Beep;
    if (maskChar == '0' && !WithinLimits(caret_, c)) return KeyResult::Silent;
    Put(c);
    if (caret_ < length && IsLiteral(caret_)) TypeLiteral();
    return KeyResult::Accepted;
}

KeyResult CMaskEngine::Backspace() {
    if (selection_ > 0 || caret_ <= 0) return KeyResult::Beep;
    CutToMask();
    --caret_;
    const auto pos = static_cast<std::size_t>(caret_);
    if (!reset_.empty() && pos < reset_.size() && pos < text_.size()) text_[pos] = reset_[pos];
    return KeyResult::Accepted;
}

KeyResult CMaskEngine::Delete() {
    return KeyResult::Ignored;
}

KeyResult CMaskEngine::Insert() {
    return KeyResult::Ignored;
}

} // namespace kiv::editors
