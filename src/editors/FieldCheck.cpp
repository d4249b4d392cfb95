#include "editors/FieldCheck.h"

#include <climits>

namespace kiv::editors {

int LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX) return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

bool IsAllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

int LowestNumber(int digits) {
    if (digits < 1 || digits > 9) return 1;
    int v = 1;
    for (int i = 1; i < digits; ++i)
        v *= 10;
    return v;
}

int HighestNumber(int digits) {
    if (digits < 1 || digits > 9) return 0;
    return LowestNumber(digits) * 10 - 1;
}

bool NumberInRange(int value, int digits) {
    return value >= LowestNumber(digits) && value <= HighestNumber(digits);
}

bool IsValidMboxNumber(std::string_view number, int digits) {
    return static_cast<int>(number.size()) == digits &&
           NumberInRange(LeadingNumber(number), digits);
}

std::string FormatInt(const char* format, int value) {
    std::string out(format);
    for (const char* marker : {"%i", "%d"}) {
        if (auto at = out.find(marker); at != std::string::npos) {
            out.replace(at, 2, std::to_string(value));
            break;
        }
    }
    return out;
}

} // namespace kiv::editors
