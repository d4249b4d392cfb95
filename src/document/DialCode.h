#pragma once
// Conversion between the characters the user types for dial strings, telephone and pager
// numbers and in-band signals, and the byte codes the unit stores for them.
//
// Three code sets:
//   dial set    0-9 * # A-D X P & @ ! Q      (P decodes as lower-case "p")
//   number set  0-9 * # A-D X P $ Q          (P decodes as lower-case "p")
//   signal set  0-9 * # A-D J S T, and "I" + two decimal digits (codes 49, value 0-99)
// Letters are accepted in either case when encoding.
//
// Two layers:
//   * The in-place functions (EncodeDial ... DecodeSignal) work on the first n bytes of a
//     buffer and return 0 for success, 1 for failure. The span's size is the buffer's capacity:
//     a call whose input or output would not fit in it fails, so no call can write past the
//     buffer. On failure the buffer is left unchanged. At most 100 characters or codes are
//     accepted (n above 100 fails). n below 1 returns 0 at once without touching the buffer,
//     except for DecodeSignal, which fails for n outside 1..100.
//   * The string/vector wrappers (…Text, …Codes) are what the rest of the program uses; they
//     return true for success and leave their output argument unchanged on failure.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kiv {

// Longest text or code sequence any of the functions accepts.
inline constexpr int kMaxDialCodeLength = 100;

// Code 55 in a dial-set or number-set sequence ends the decoded text.
inline constexpr std::uint8_t kDialCodeTextEnd = 55;

// Padding after the codes of a signal field.
inline constexpr std::uint8_t kSignalPadding = 0xFF;

// --- In-place buffer functions ---------------------------------------------------------------

// The n characters at the start of buf become n dial-set codes, one for one, no terminator.
int EncodeDial(std::span<std::uint8_t> buf, int n);

// The n dial-set codes at the start of buf become n characters followed by a zero byte
// (n + 1 bytes written, so buf must hold n + 1). Code 55 decodes to a zero byte, ending the
// text there; the codes after it are still validated and decoded.
int DecodeDial(std::span<std::uint8_t> buf, int n);

// As EncodeDial / DecodeDial with the number set.
int EncodeNumber(std::span<std::uint8_t> buf, int n);
int DecodeNumber(std::span<std::uint8_t> buf, int n);

// The n characters at the start of buf become signal-set codes, written from the start of buf
// and followed by 0xFF up to n bytes ("I07" gives two codes for three characters). An "I" not
// followed by two decimal digits fails.
int EncodeSignal(std::span<std::uint8_t> buf, int n);

// The n signal-set codes at the start of buf become characters, written from the start of buf
// with no terminator. The text can be longer than n (49, v becomes "I" and two digits); it
// must fit in buf. On success *length, when given, receives the number of characters.
// Code 49 as the last code, or followed by a value above 99, fails.
int DecodeSignal(std::span<std::uint8_t> buf, int n, int* length = nullptr);

// --- String and vector wrappers --------------------------------------------------------------

// text (at most 100 characters) to one dial-set code per character. Empty text gives no codes.
bool EncodeDialText(std::string_view text, std::vector<std::uint8_t>& codes);

// codes (at most 100) to the text they spell, which ends at the first code 55; every code,
// including those after a 55, must be valid. No codes give the empty text.
bool DecodeDialCodes(std::span<const std::uint8_t> codes, std::string& text);

bool EncodeNumberText(std::string_view text, std::vector<std::uint8_t>& codes);
bool DecodeNumberCodes(std::span<const std::uint8_t> codes, std::string& text);

// text (at most 100 characters) to a field of exactly n bytes (0 <= n <= 100): the signal-set
// codes followed by 0xFF. Fails, leaving codes unchanged, when the codes do not fit in n bytes:
// a signal is never silently cut short (a cut could also split an "I" from its value).
// Empty text gives n bytes of 0xFF.
bool EncodeSignalText(std::string_view text, int n, std::vector<std::uint8_t>& codes);

// codes (1 to 100 of them; no padding bytes: strip the 0xFF before calling) to text.
// Fails for an empty sequence, as DecodeSignal does for n below 1.
bool DecodeSignalCodes(std::span<const std::uint8_t> codes, std::string& text);

} // namespace kiv
