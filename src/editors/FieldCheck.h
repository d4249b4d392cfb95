#pragma once
// The one way an editor check fails: the field that is wrong and the message
// to show. A Qt page maps the field to its widget, puts the caret there with
// the text selected and shows the message; the core never touches a widget.
// Also the small number rules the editors share.

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
