#pragma once
// The one way an editor check fails: the field that is wrong and the message
// to show. A Qt page maps the field to its widget, puts the caret there with
// the text selected and shows the message; the core never touches a widget.
// Also the small text and number rules the editors share, and the character
// sets their fields accept.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kiv::editors {

template <class Field> struct FieldError {
    Field field;
    std::string message; // code page 1252
};

// Empty when every field passed.
template <class Field> using FieldCheck = std::optional<FieldError<Field>>;

// Value of the decimal number a text starts with, read as atoi reads it:
// leading blanks skipped, an optional sign, then digits up to the first other
// character ("12a4" is 12, "0123" is 123, "x" is 0). Saturates instead of
// overflowing.
int LeadingNumber(std::string_view text);

// True when the text is not empty and holds only the digits 0-9.
bool IsAllDigits(std::string_view text);

// True when every character of the text is in `allowed` (an empty text
// passes); with `maxLength`, also when it is no longer than that.
bool OnlyChars(std::string_view text, std::string_view allowed);
bool OnlyChars(std::string_view text, std::string_view allowed, std::size_t maxLength);

// What an emptied numeric field means: some fields refuse it, others read it
// as 0 and check that.
enum class EmptyField { Fails, ReadsZero };

// The value of a numeric field of digits only; none when a character is not a
// digit, or the field is empty and `empty` is Fails. A value too large for an
// int saturates, so it fails every range.
std::optional<int> FieldNumber(std::string_view text, EmptyField empty = EmptyField::Fails);
// A numeric field whose value lies in lo..hi.
bool IsNumberIn(std::string_view text, int lo, int hi, EmptyField empty = EmptyField::Fails);
// A numeric field whose value lies in lo..hi and is a multiple of `step`
// (the millisecond times go in steps of 20).
bool IsMultipleIn(std::string_view text, int lo, int hi, int step = 20,
                  EmptyField empty = EmptyField::Fails);

// A numeric field's rule: the range its check accepts and the step its
// value must be a multiple of. A spin field takes its arrows' range and step
// from the same rule, so the arrows never offer what the check refuses.
struct NumberRule {
    int lo = 0;
    int hi = 0;
    int step = 1;
    EmptyField empty = EmptyField::Fails;

    bool Accepts(std::string_view text) const {
        return step > 1 ? IsMultipleIn(text, lo, hi, step, empty) : IsNumberIn(text, lo, hi, empty);
    }
};

// The characters each kind of field accepts.
namespace chars {
inline constexpr const char* kDigits = "1234567890";
// DTMF digits: the PBX's in-band signals, the disconnect code.
inline constexpr const char* kDtmf = "1234567890AaBbCcDd*#";
// An extension a page key or an in-band event transfers to.
inline constexpr const char* kExtension = "1234567890PpAaBbCcDd*#";
// The strings "Compone una Stringa" dials.
inline constexpr const char* kDialString = "1234567890PpAaBbCcDd*#&@";
// Transfer and recall codes.
inline constexpr const char* kTransferCode = "1234567890PpXxAaBbCcDd*#&@";
// The codes that switch the message lamps.
inline constexpr const char* kLedCode = "1234567890PpXxAaBbCcDd*#&@!";
// The code that seizes an outside line.
inline constexpr const char* kLineSeize = "1234567890*#ABCDp";
// A mailbox's notification telephone and pager numbers.
inline constexpr const char* kPhone = "1234567890PpAaBbCcDd*#Qq";
inline constexpr const char* kPager = "1234567890PpXxAaBbCcDd*#$Qq";
// The letters of an in-band code besides its DTMF digits: I and two digits,
// J and one DTMF digit, S, and a run of T as long as an extension number.
inline constexpr const char* kInBandLetters = "IiJjSsTt";
} // namespace chars

// An in-band code as the PBX sends it: empty, or DTMF digits, "I" with two
// digits not both 0, "J" with one DTMF digit, "S", and runs of "T" exactly
// `extDigits` long (either case for every letter).
bool IsInBandCode(std::string_view code, int extDigits);

// Smallest and largest mailbox / extension number with `digits` digits
// (10-99, 100-999, 1000-9999). A digit count outside 1-9 has no valid numbers.
int LowestNumber(int digits);
int HighestNumber(int digits);
bool NumberInRange(int value, int digits);

// A mailbox number as the editors accept it: exactly `digits` characters
// whose value lies in the range for `digits` (so no leading zero, no letter).
bool IsValidMboxNumber(std::string_view number, int digits);

// Puts a decimal integer in place of the first "%i" or "%d" of a text.
std::string FormatInt(const char* format, int value);

} // namespace kiv::editors
