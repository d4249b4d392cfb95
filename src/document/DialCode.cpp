#include "document/DialCode.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kiv {

namespace {

// Characters of the dial and number sets indexed by code; "." marks a code with no character.
// Code 55, one past the end, is the text terminator.
constexpr std::string_view kDialTable = "0123456789*.#ABCD...............................Xp&@.!Q";
constexpr std::string_view kNumberTable = "0123456789*.#ABCD...............................Xp..$.Q";
static_assert(kDialTable.size() == kDialCodeTextEnd);
static_assert(kNumberTable.size() == kDialCodeTextEnd);

// Characters of the signal set for codes 0-16 (the shared DTMF part).
constexpr std::string_view kSignalDtmfTable = "0123456789*.#ABCD";

constexpr std::uint8_t kSignalJ = 48;
constexpr std::uint8_t kSignalI = 49;
constexpr std::uint8_t kSignalS = 50;
constexpr std::uint8_t kSignalT = 51;
constexpr int kSignalMaxIValue = 99;

// The longest output of any conversion: 100 signal codes, all "I" pairs, give 150 characters.
constexpr std::size_t kScratchSize = kMaxDialCodeLength + kMaxDialCodeLength / 2;
using Scratch = std::array<std::uint8_t, kScratchSize>;

// Result of a conversion into scratch space: the bytes produced, or nothing on failure.
using Converted = std::optional<std::size_t>;

constexpr char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr bool IsDigit(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

// Code of c in a dial/number table, letters in either case; nothing for a character the set
// lacks (including the "." placeholder).
std::optional<std::uint8_t> TableCode(std::string_view table, char c) {
    if (c == '.') return std::nullopt;
    const char upper = Upper(c);
    for (std::size_t code = 0; code < table.size(); ++code) {
        if (Upper(table[code]) == upper) return static_cast<std::uint8_t>(code);
    }
    return std::nullopt;
}

Converted EncodeTable(std::string_view table, std::span<const std::uint8_t> chars, Scratch& out) {
    if (chars.size() > kMaxDialCodeLength) return std::nullopt;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const auto code = TableCode(table, static_cast<char>(chars[i]));
        if (!code) return std::nullopt;
        out[i] = *code;
    }
    return chars.size();
}

// One character per code; code 55 becomes a zero byte. No terminator is appended.
Converted DecodeTable(std::string_view table, std::span<const std::uint8_t> codes, Scratch& out) {
    if (codes.size() > kMaxDialCodeLength) return std::nullopt;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::uint8_t code = codes[i];
        if (code == kDialCodeTextEnd) {
            out[i] = 0;
        } else if (code < table.size() && table[code] != '.') {
            out[i] = static_cast<std::uint8_t>(table[code]);
        } else {
            return std::nullopt;
        }
    }
    return codes.size();
}

Converted EncodeSignalChars(std::span<const std::uint8_t> chars, Scratch& out) {
    if (chars.size() > kMaxDialCodeLength) return std::nullopt;
    // Only "#" (35) to "t" (116) can appear in a signal; rejecting the rest up front also keeps
    // bytes of other code pages away from the letter mapping.
    const bool inRange = std::all_of(chars.begin(), chars.end(),
                                     [](std::uint8_t c) { return c >= '#' && c <= 't'; });
    if (!inRange) return std::nullopt;

    std::size_t count = 0;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char c = Upper(static_cast<char>(chars[i]));
        std::uint8_t code = 0;
        if (c == 'I') {
            if (i + 2 >= chars.size() || !IsDigit(chars[i + 1]) || !IsDigit(chars[i + 2])) {
                return std::nullopt;
            }
            out[count++] = kSignalI;
            code = static_cast<std::uint8_t>((chars[i + 1] - '0') * 10 + (chars[i + 2] - '0'));
            i += 2;
        } else if (c == 'J') {
            code = kSignalJ;
        } else if (c == 'S') {
            code = kSignalS;
        } else if (c == 'T') {
            code = kSignalT;
        } else if (const auto dtmf = TableCode(kSignalDtmfTable, c)) {
            code = *dtmf;
        } else {
            return std::nullopt;
        }
        out[count++] = code;
    }
    return count;
}

Converted DecodeSignalChars(std::span<const std::uint8_t> codes, Scratch& out) {
    if (codes.empty() || codes.size() > kMaxDialCodeLength) return std::nullopt;
    std::size_t count = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::uint8_t code = codes[i];
        if (code < kSignalDtmfTable.size() && kSignalDtmfTable[code] != '.') {
            out[count++] = static_cast<std::uint8_t>(kSignalDtmfTable[code]);
        } else if (code == kSignalJ) {
            out[count++] = 'J';
        } else if (code == kSignalS) {
            out[count++] = 'S';
        } else if (code == kSignalT) {
            out[count++] = 'T';
        } else if (code == kSignalI) {
            if (i + 1 >= codes.size() || codes[i + 1] > kSignalMaxIValue) return std::nullopt;
            const int value = codes[++i];
            out[count++] = 'I';
            out[count++] = static_cast<std::uint8_t>('0' + value / 10);
            out[count++] = static_cast<std::uint8_t>('0' + value % 10);
        } else {
            return std::nullopt;
        }
    }
    return count;
}

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Common frame of the in-place functions: n checks, conversion into scratch space, and the
// copy back only when the whole result (plus `extra` trailing zero bytes) fits in buf.
template <typename Convert>
int InPlace(std::span<std::uint8_t> buf, int n, std::size_t extra, Convert convert) {
    if (n < 1) return 0;
    if (n > kMaxDialCodeLength || static_cast<std::size_t>(n) > buf.size()) return 1;
    Scratch out{};
    const Converted count = convert(buf.first(static_cast<std::size_t>(n)), out);
    if (!count || *count + extra > buf.size()) return 1;
    std::copy_n(out.begin(), *count, buf.begin());
    std::fill_n(buf.begin() + static_cast<std::ptrdiff_t>(*count), extra, std::uint8_t{0});
    return 0;
}

bool EncodeTableText(std::string_view table, std::string_view text,
                     std::vector<std::uint8_t>& codes) {
    Scratch out{};
    const Converted count = EncodeTable(table, Bytes(text), out);
    if (!count) return false;
    codes.assign(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(*count));
    return true;
}

bool DecodeTableCodes(std::string_view table, std::span<const std::uint8_t> codes,
                      std::string& text) {
    Scratch out{};
    const Converted count = DecodeTable(table, codes, out);
    if (!count) return false;
    const auto end =
        std::find(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(*count), std::uint8_t{0});
    text.assign(out.begin(), end);
    return true;
}

} // namespace

int EncodeDial(std::span<std::uint8_t> buf, int n) {
    return InPlace(buf, n, 0,
                   [](auto in, Scratch& out) { return EncodeTable(kDialTable, in, out); });
}

int DecodeDial(std::span<std::uint8_t> buf, int n) {
    return InPlace(buf, n, 1,
                   [](auto in, Scratch& out) { return DecodeTable(kDialTable, in, out); });
}

int EncodeNumber(std::span<std::uint8_t> buf, int n) {
    return InPlace(buf, n, 0,
                   [](auto in, Scratch& out) { return EncodeTable(kNumberTable, in, out); });
}

int DecodeNumber(std::span<std::uint8_t> buf, int n) {
    return InPlace(buf, n, 1,
                   [](auto in, Scratch& out) { return DecodeTable(kNumberTable, in, out); });
}

int EncodeSignal(std::span<std::uint8_t> buf, int n) {
    // The codes are never more than the characters, so padding up to n always fits.
    return InPlace(buf, n, 0, [n](auto in, Scratch& out) {
        const Converted count = EncodeSignalChars(in, out);
        if (!count) return Converted{};
        std::fill(out.begin() + static_cast<std::ptrdiff_t>(*count), out.begin() + n,
                  kSignalPadding);
        return Converted{static_cast<std::size_t>(n)};
    });
}

int DecodeSignal(std::span<std::uint8_t> buf, int n, int* length) {
    if (n < 1) return 1;
    Converted decoded;
    const int result = InPlace(buf, n, 0, [&decoded](auto in, Scratch& out) {
        decoded = DecodeSignalChars(in, out);
        return decoded;
    });
    if (result == 0 && length != nullptr) *length = static_cast<int>(*decoded);
    return result;
}

bool EncodeDialText(std::string_view text, std::vector<std::uint8_t>& codes) {
    return EncodeTableText(kDialTable, text, codes);
}

bool DecodeDialCodes(std::span<const std::uint8_t> codes, std::string& text) {
    return DecodeTableCodes(kDialTable, codes, text);
}

bool EncodeNumberText(std::string_view text, std::vector<std::uint8_t>& codes) {
    return EncodeTableText(kNumberTable, text, codes);
}

bool DecodeNumberCodes(std::span<const std::uint8_t> codes, std::string& text) {
    return DecodeTableCodes(kNumberTable, codes, text);
}

bool EncodeSignalText(std::string_view text, int n, std::vector<std::uint8_t>& codes) {
    if (n < 0 || n > kMaxDialCodeLength) return false;
    Scratch out{};
    const Converted count = EncodeSignalChars(Bytes(text), out);
    if (!count || *count > static_cast<std::size_t>(n)) return false;
    codes.assign(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(*count));
    codes.resize(static_cast<std::size_t>(n), kSignalPadding);
    return true;
}

bool DecodeSignalCodes(std::span<const std::uint8_t> codes, std::string& text) {
    Scratch out{};
    const Converted count = DecodeSignalChars(codes, out);
    if (!count) return false;
    text.assign(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(*count));
    return true;
}

} // namespace kiv
