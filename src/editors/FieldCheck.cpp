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

bool OnlyChars(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

bool OnlyChars(std::string_view text, std::string_view allowed, std::size_t maxLength) {
    return text.size() <= maxLength && OnlyChars(text, allowed);
}

std::optional<int> FieldNumber(std::string_view text, EmptyField empty) {
    if (text.empty()) return empty == EmptyField::ReadsZero ? std::optional<int>(0) : std::nullopt;
    if (!IsAllDigits(text)) return std::nullopt;
    return LeadingNumber(text);
}

bool IsNumberIn(std::string_view text, int lo, int hi, EmptyField empty) {
    const auto value = FieldNumber(text, empty);
    return value && *value >= lo && *value <= hi;
}

bool IsMultipleIn(std::string_view text, int lo, int hi, int step, EmptyField empty) {
    const auto value = FieldNumber(text, empty);
    return value && *value >= lo && *value <= hi && step > 0 && *value % step == 0;
}

bool IsInBandCode(std::string_view code, int extDigits) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isDtmf = [](char c) {
        return std::string_view(chars::kDtmf).find(c) != std::string_view::npos;
    };
    std::size_t i = 0;
    while (i < code.size()) {
        const char c = code[i];
        if (isDtmf(c)) {
            ++i;
        } else if (c == 'I' || c == 'i') {
            if (code.size() - i < 3 || !isDigit(code[i + 1]) || !isDigit(code[i + 2]) ||
                (code[i + 1] == '0' && code[i + 2] == '0'))
                return false;
            i += 3;
        } else if (c == 'J' || c == 'j') {
            if (code.size() - i < 2 || !isDtmf(code[i + 1])) return false;
            i += 2;
        } else if (c == 'S' || c == 's') {
            ++i;
        } else if (c == 'T' || c == 't') {
            std::size_t run = 0;
            while (i < code.size() && (code[i] == 'T' || code[i] == 't')) {
                ++run;
                ++i;
            }
            if (static_cast<int>(run) != extDigits) return false;
        } else {
            return false;
        }
    }
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
