#include "unit/image/ParamImage.h"

#include "document/DialCode.h"
#include "document/PageOps.h"
#include "document/TimeText.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace kiv {

namespace {

using Image = std::span<std::uint8_t>;
using ConstImage = std::span<const std::uint8_t>;

constexpr std::uint8_t kAbsent = 0xFF;

// --- Where things are ----------------------------------------------------------------------------

// Page 1: six 40-byte slots of notification and transfer codes.
constexpr std::size_t kCodeSlotWidth = 40;
// Pages 2-5: in-band codes, ten entries of 20 bytes per page.
constexpr std::size_t kInBandCodes = 1024;
constexpr std::size_t kInBandCodeWidth = 20;
// Page 7: in-band entries, one row per attribute, one column per entry.
constexpr std::size_t kInBandCount = 3584;
constexpr std::size_t kInBandOperation = 3624;
constexpr std::size_t kInBandTarget = 3664; // 4 bytes per entry
constexpr std::size_t kInBandTargetExtra = 3824;
constexpr std::size_t kPbxSignals = 3864; // answer, busy, dnd: 4 codes each
constexpr std::size_t kSignalWidth = 4;
// Pages 9-10: dial strings, ten per page, a count byte and up to 20 codes.
constexpr std::size_t kDialStrings = 4608;
constexpr std::size_t kDialStringEntry = 21;
constexpr std::size_t kDialStringWidth = 20;
// Page 12: opening pages, working hours, holidays 1-30; page 13: holidays 31-50.
constexpr std::size_t kOpeningPages = 6144;
constexpr std::size_t kWorkHours = 6160;
constexpr std::size_t kHolidays = 6188;
constexpr std::size_t kHolidaysMore = 6656;
constexpr int kHolidaysOnFirstPage = 30;
constexpr std::size_t kHolidayEntry = 6;
// Page 14: breaks, 7 days x 10 slots x 5 bytes.
constexpr std::size_t kBreaks = 7168;
// Pages 16-17: key operations; 18-25: key arguments; 27-28: key parameters.
constexpr std::size_t kKeyOps = 8192;
constexpr std::size_t kKeyOpsMore = 8704;
constexpr std::size_t kKeyArgs = 9216;
constexpr std::size_t kKeyParams = 13824;
constexpr std::size_t kKeyParamsMore = 14336;
constexpr int kPagesOnFirstKeyPage = 23;
constexpr std::size_t kPagesPerArgPage = 5;
// Page 31: page time-outs, 16-bit little-endian.
constexpr std::size_t kPageTimeouts = 15872;

constexpr std::size_t kPages = kPageCount;
constexpr std::size_t kKeys = kPageKeys;
constexpr std::size_t kExtent = kPageTimeouts + 2 * kPages;

// Operation codes. Index: the document's value (PageOps.h for the operations); element: the
// image's byte.
constexpr std::array<std::uint8_t, 5> kOperatingModeCodes{0, 1, 4, 2, 3};
constexpr std::array<std::uint8_t, 2> kRingDurationCodes{2, 5};
constexpr std::array<std::uint8_t, kInBandOpCount> kInBandOpCodes{0,  3,  9,  10, 11, 4, 5, 6,
                                                                  14, 13, 15, 12, 8,  1, 2, 7};
constexpr std::array<std::uint8_t, kPageOpCount> kKeyOpCodes{255, 0,  11, 11, 11, 13, 1, 2,  6, 9,
                                                             7,   12, 4,  5,  3,  3,  8, 10, 14};
// Key operations that share an image code and tell themselves apart by the parameter byte:
// the three languages (parameter 0, 1, 2) and the two disconnections (parameter 0, 1).
constexpr std::uint8_t kKeyCodeLanguage = 11;
constexpr std::uint8_t kKeyCodeDisconnect = 3;

// --- Byte helpers --------------------------------------------------------------------------------

std::uint8_t Low8(std::int64_t v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

void PutLe16(Image img, std::size_t off, std::int64_t v) {
    img[off] = Low8(v);
    img[off + 1] = Low8(v >> 8);
}
void PutBe16(Image img, std::size_t off, std::int64_t v) {
    img[off] = Low8(v >> 8);
    img[off + 1] = Low8(v);
}
int GetLe16(ConstImage img, std::size_t off) {
    return img[off] | img[off + 1] << 8;
}
int GetBe16(ConstImage img, std::size_t off) {
    return img[off] << 8 | img[off + 1];
}

// Digit values of a text of '0'-'9' only, at most `width` of them.
std::optional<std::vector<std::uint8_t>> DigitValues(std::string_view text, std::size_t width) {
    if (text.size() > width) return std::nullopt;
    std::vector<std::uint8_t> out;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        out.push_back(static_cast<std::uint8_t>(c - '0'));
    }
    return out;
}

// The characters of `count` digit values; ends at the first byte that is not one.
std::string DigitText(ConstImage img, std::size_t off, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && img[off + i] <= 9; ++i)
        text.push_back(static_cast<char>('0' + img[off + i]));
    return text;
}

// Number of leading bytes that are not 255.
std::size_t CodesBeforeAbsent(ConstImage img, std::size_t off, std::size_t width) {
    std::size_t n = 0;
    while (n < width && img[off + n] != kAbsent)
        ++n;
    return n;
}

// A signal field without a length: the codes before the first 255.
std::string SignalText(ConstImage img, std::size_t off, std::size_t width) {
    const std::size_t n = CodesBeforeAbsent(img, off, width);
    std::string text;
    if (n == 0 || !DecodeSignalCodes(img.subspan(off, n), text)) return {};
    return text;
}

std::string DialText(ConstImage img, std::size_t off, std::size_t count) {
    std::string text;
    if (count == 0 || !DecodeDialCodes(img.subspan(off, count), text)) return {};
    return text;
}

// The codes of an in-band entry; none for an entry without a code, or with a code or an
// operation that the unit cannot take (such an entry goes out as unused).
std::optional<std::vector<std::uint8_t>> InBandCodes(const InBandEntry& entry) {
    const std::size_t length = std::min<std::size_t>(entry.codeLength, entry.code.size());
    const std::string_view text(reinterpret_cast<const char*>(entry.code.data()), length);
    std::vector<std::uint8_t> codes;
    if (length == 0 || entry.operation < 0 ||
        static_cast<std::size_t>(entry.operation) >= kInBandOpCodes.size() ||
        !EncodeSignalText(text, static_cast<int>(kInBandCodeWidth), codes))
        return std::nullopt;
    return codes;
}

class CUncoded {
  public:
    explicit CUncoded(std::vector<std::string>* names) : names_(names) {}
    void Add(const char* name) {
        if (names_ && std::find(names_->begin(), names_->end(), name) == names_->end())
            names_->push_back(name);
    }

  private:
    std::vector<std::string>* names_;
};

// --- Header page, offsets 106-255, and the code slots of page 1 ----------------------------------
//
// One line per field: offset, encoding, member. Walked by the writer (encoding) and the
// reader (decoding) below.
//   Byte        the value's low 8 bits
//   Mapped      the value as an index into a table of image codes
//   Ms20        milliseconds in 20 ms steps
//   Flag        1 when the value is not 0
//   Le16        16-bit little-endian
//   Fixed       a constant byte (encoding only)
//   Clear       a run of bytes set to 0 before the fields over it are written (encoding only)
//   CodeSlot    length byte; dial codes at the start of a 40-byte slot of page 1, the rest of
//               the slot keeps its bytes
//   DialField   4 dial codes padded with 0, and a length byte
//   Digits      digit values padded to a width, and a length byte
//   MailboxRef  as Digits, padded with 255; length 0 for anything but 1 to 4 digits
//   Password    as Digits, padded with 255; written only when a change is pending
//   ExtRange    a text read as a decimal number, 16-bit little-endian
//   InBandFlag  255 when any in-band entry has a code (encoding only)
//   DtmfTime    milliseconds / 20 in the low byte, / 5120 in the high byte
//   RecordSize  the size computed from maxRecordTime and the status bytes
//   Signal      count byte, then 4 signal codes padded with 255
//   DigitChar   one character as its digit value
template <class W, class D> void WalkHeader(W& w, D& d) {
    w.Byte(106, "operatorKey", d.operatorKey);
    w.Byte(107, "transferModeOperator", d.transferModeOperator);
    w.Mapped(108, "operatingMode", d.operatingMode, kOperatingModeCodes);
    w.Byte(109, "extDigits", d.extDigits);
    w.Fixed(110, 255);
    w.Byte(112, "transferModeOther", d.transferModeOther);
    w.Ms20(114, "flash1", d.flash1);
    w.Ms20(115, "busyToneOff", d.busyToneOff);
    w.Ms20(116, "busyToneOn", d.busyToneOn);
    w.Byte(119, "noAnswerWait", d.noAnswerWait);
    w.CodeSlot(120, 512, "led1Code", d.led1Code);
    w.CodeSlot(121, 552, "led2Code", d.led2Code);
    w.CodeSlot(122, 592, "ledOffCode", d.ledOffCode);
    w.CodeSlot(123, 632, "transferCode", d.transferCode);
    w.CodeSlot(124, 672, "recallOnBusy", d.recallOnBusy);
    w.CodeSlot(125, 712, "recallOnNoAnswer", d.recallOnNoAnswer);
    w.Clear(126, 15);
    w.Digits(126, 4, 130, "operatorDayExt", d.operatorDayExt);
    w.Digits(131, 4, 135, "operatorNightExt", d.operatorNightExt);
    w.Digits(136, 4, 140, "faxExt", d.faxExt);
    for (std::size_t line = 0; line < 4; ++line)
        w.Byte(141 + line, "ringsBeforeAnswer", d.ringsBeforeAnswer[line]);
    w.Password(149, 8, 157, "unitPassword", d.unitPassword);
    for (std::size_t g = 0; g < 10; ++g)
        w.ExtRange(158 + 2 * g, "allowedExt", d.allowedExt[g]);
    for (std::size_t slot = 0; slot < 3; ++slot)
        w.Byte(178 + slot, "languageCode", d.languageCode[slot]);
    w.Byte(181, "defaultLanguage", d.defaultLanguage);
    for (std::size_t g = 0; g < 10; ++g)
        w.ExtRange(182 + 2 * g, "allowedExt", d.allowedExt[10 + g]);
    w.DialField(202, 206, "lineSeizeCode", d.lineSeizeCode);
    w.Mapped(207, "ringDuration", d.ringDuration, kRingDurationCodes);
    w.Byte(208, "ringInterval", d.ringInterval);
    w.Byte(209, "archiveDays", d.archiveDays);
    w.Byte(210, "ringAttempts", d.ringAttempts);
    w.Ms20(211, "disconnectToneOff", d.disconnectToneOff);
    w.Ms20(212, "disconnectToneOn", d.disconnectToneOn);
    w.Byte(213, "voiceSensitivity", d.voiceSensitivity);
    w.InBandFlag(214, d.inBand);
    w.DtmfTime(215, "firstDtmfTimeout", d.firstDtmfTimeout);
    w.Ms20(217, "interDtmfDelay", d.interDtmfDelay);
    w.Byte(218, "supervisionType", d.supervisionType);
    w.Flag(231, "autoVolume", d.autoVolume);
    w.Byte(234, "nameOrder", d.nameOrder);
    w.MailboxRef(235, 239, "supervisorMbox", d.supervisorMbox);
    w.RecordSize(240, "maxRecordTime", d.maxRecordTime);
    w.Byte(242, "ledMode", d.ledMode);
    w.Byte(243, "listenKey", d.listenKey);
    w.Le16(244, "extNotifyStart", d.extNotifyStart);
    w.Le16(246, "extNotifyEnd", d.extNotifyEnd);
    w.Signal(250, 251, "disconnectCode", d.disconnectCode);
    w.DigitChar(255, "groupFirstDigit", d.groupFirstDigit);
}

// Quotient of the computed size; 0 when the status bytes give none.
std::int64_t RecordSizeUnit(const ParamImageContext& c) {
    if (c.s19 <= 0 || c.s8 <= 0) return 0;
    return static_cast<std::int64_t>(c.s8) * 512 / c.s19;
}

class CHeaderWriter {
  public:
    CHeaderWriter(Image image, const ParamImageContext& context, CUncoded& uncoded)
        : img_(image), context_(context), uncoded_(uncoded) {}

    void Byte(std::size_t off, const char*, const std::int32_t& v) { img_[off] = Low8(v); }
    template <std::size_t N>
    void Mapped(std::size_t off, const char* name, const std::int32_t& v,
                const std::array<std::uint8_t, N>& codes) {
        if (v >= 0 && static_cast<std::size_t>(v) < N)
            img_[off] = codes[static_cast<std::size_t>(v)];
        else
            uncoded_.Add(name);
    }
    void Ms20(std::size_t off, const char*, const std::int32_t& v) { img_[off] = Low8(v / 20); }
    void Flag(std::size_t off, const char*, const std::int32_t& v) { img_[off] = v != 0 ? 1 : 0; }
    void Le16(std::size_t off, const char*, const std::int32_t& v) { PutLe16(img_, off, v); }
    void Fixed(std::size_t off, std::uint8_t value) { img_[off] = value; }
    void Clear(std::size_t off, std::size_t count) {
        std::fill_n(img_.begin() + static_cast<std::ptrdiff_t>(off), count, std::uint8_t{0});
    }
    void CodeSlot(std::size_t lengthOff, std::size_t slotOff, const char* name,
                  const std::string& text) {
        std::vector<std::uint8_t> codes;
        if (!EncodeDialText(text, codes) || codes.size() > kCodeSlotWidth) {
            uncoded_.Add(name);
            codes.clear();
        }
        img_[lengthOff] = static_cast<std::uint8_t>(codes.size());
        std::copy(codes.begin(), codes.end(), img_.begin() + static_cast<std::ptrdiff_t>(slotOff));
    }
    void DialField(std::size_t off, std::size_t lengthOff, const char* name,
                   const std::string& text) {
        std::vector<std::uint8_t> codes;
        if (!EncodeDialText(text, codes) || codes.size() > kSignalWidth) {
            uncoded_.Add(name);
            codes.clear();
        }
        img_[lengthOff] = static_cast<std::uint8_t>(codes.size());
        codes.resize(kSignalWidth, 0);
        std::copy(codes.begin(), codes.end(), img_.begin() + static_cast<std::ptrdiff_t>(off));
    }
    void Digits(std::size_t off, std::size_t width, std::size_t lengthOff, const char* name,
                const std::string& text) {
        auto digits = DigitValues(text, width);
        if (!digits) {
            uncoded_.Add(name);
            digits.emplace();
        }
        WriteDigits(off, width, lengthOff, *digits, 0);
    }
    void MailboxRef(std::size_t off, std::size_t lengthOff, const char*, const std::string& text) {
        auto digits = DigitValues(text, 4);
        if (!digits) digits.emplace();
        WriteDigits(off, 4, lengthOff, *digits, kAbsent);
    }
    void Password(std::size_t off, std::size_t width, std::size_t lengthOff, const char* name,
                  const std::string& text) {
        if (!context_.passwordChangePending || text.empty()) return;
        const auto digits = DigitValues(text, width);
        if (!digits) {
            uncoded_.Add(name);
            return;
        }
        WriteDigits(off, width, lengthOff, *digits, kAbsent);
    }
    void ExtRange(std::size_t off, const char* name, const std::string& text) {
        std::optional<int> value = text.empty() ? 0 : StoredNumber(text);
        if (!value || *value > 0xFFFF) {
            uncoded_.Add(name);
            value = 0;
        }
        PutLe16(img_, off, *value);
    }
    void InBandFlag(std::size_t off, const std::array<InBandEntry, 40>& entries) {
        const bool any = std::any_of(entries.begin(), entries.end(), [](const InBandEntry& e) {
            return InBandCodes(e).has_value();
        });
        img_[off] = any ? 255 : 0;
    }
    void DtmfTime(std::size_t off, const char*, const std::int32_t& v) {
        img_[off] = Low8(v / 20);
        img_[off + 1] = Low8(v / 5120);
    }
    void RecordSize(std::size_t off, const char*, const std::int32_t& minutes) {
        const std::int64_t q = RecordSizeUnit(context_);
        if (q == 0) return;
        PutLe16(img_, off, q * (3 * static_cast<std::int64_t>(minutes) + 1) - 1);
    }
    void Signal(std::size_t countOff, std::size_t off, const char* name, const std::string& text) {
        std::vector<std::uint8_t> codes;
        if (!EncodeSignalText(text, static_cast<int>(kSignalWidth), codes)) {
            uncoded_.Add(name);
            codes.assign(kSignalWidth, kAbsent);
        }
        std::copy(codes.begin(), codes.end(), img_.begin() + static_cast<std::ptrdiff_t>(off));
        img_[countOff] = static_cast<std::uint8_t>(
            std::count_if(codes.begin(), codes.end(), [](std::uint8_t c) { return c != 0; }));
    }
    void DigitChar(std::size_t off, const char* name, const std::string& text) {
        const auto digits = DigitValues(text, 1);
        if (!digits || digits->empty()) {
            uncoded_.Add(name);
            return;
        }
        img_[off] = (*digits)[0];
    }

  private:
    void WriteDigits(std::size_t off, std::size_t width, std::size_t lengthOff,
                     const std::vector<std::uint8_t>& digits, std::uint8_t pad) {
        for (std::size_t i = 0; i < width; ++i)
            img_[off + i] = i < digits.size() ? digits[i] : pad;
        img_[lengthOff] = static_cast<std::uint8_t>(digits.size());
    }

    Image img_;
    const ParamImageContext& context_;
    CUncoded& uncoded_;
};

class CHeaderReader {
  public:
    CHeaderReader(ConstImage image, const ParamImageContext& context)
        : img_(image), context_(context) {}

    void Byte(std::size_t off, const char*, std::int32_t& v) { v = img_[off]; }
    template <std::size_t N>
    void Mapped(std::size_t off, const char*, std::int32_t& v,
                const std::array<std::uint8_t, N>& codes) {
        const auto it = std::find(codes.begin(), codes.end(), img_[off]);
        if (it != codes.end()) v = static_cast<std::int32_t>(it - codes.begin());
    }
    void Ms20(std::size_t off, const char*, std::int32_t& v) { v = img_[off] * 20; }
    void Flag(std::size_t off, const char*, std::int32_t& v) { v = img_[off] != 0 ? 1 : 0; }
    void Le16(std::size_t off, const char*, std::int32_t& v) { v = GetLe16(img_, off); }
    void Fixed(std::size_t, std::uint8_t) {}
    void Clear(std::size_t, std::size_t) {}
    void CodeSlot(std::size_t lengthOff, std::size_t slotOff, const char*, std::string& text) {
        const std::size_t n = img_[lengthOff];
        text = n <= kCodeSlotWidth ? DialText(img_, slotOff, n) : std::string();
    }
    void DialField(std::size_t off, std::size_t lengthOff, const char*, std::string& text) {
        const std::size_t n = img_[lengthOff];
        text = n <= kSignalWidth ? DialText(img_, off, n) : std::string();
    }
    void Digits(std::size_t off, std::size_t width, std::size_t lengthOff, const char*,
                std::string& text) {
        text = DigitText(img_, off, std::min<std::size_t>(img_[lengthOff], width));
    }
    void MailboxRef(std::size_t off, std::size_t lengthOff, const char*, std::string& text) {
        const std::size_t n = img_[lengthOff];
        text = n >= 1 && n <= 4 ? DigitText(img_, off, n) : std::string();
        if (text.size() != n || text.empty()) text = "None";
    }
    void Password(std::size_t off, std::size_t width, std::size_t lengthOff, const char*,
                  std::string& text) {
        const std::size_t n = img_[lengthOff];
        if (n > width) return;
        std::string digits = DigitText(img_, off, n);
        if (digits.size() == n) text = std::move(digits);
    }
    void ExtRange(std::size_t off, const char*, std::string& text) {
        const int value = GetLe16(img_, off);
        text = value == 0 ? std::string() : std::to_string(value);
    }
    void InBandFlag(std::size_t, std::array<InBandEntry, 40>&) {}
    void DtmfTime(std::size_t off, const char*, std::int32_t& v) {
        v = (img_[off + 1] * 256 + img_[off]) * 20;
    }
    void RecordSize(std::size_t off, const char*, std::int32_t& minutes) {
        const std::int64_t q = RecordSizeUnit(context_);
        if (q == 0) return;
        const std::int64_t v = GetLe16(img_, off);
        const std::int64_t m = ((v + 1) / q - 1) / 3;
        if (m >= 1 && m <= 9 && ((q * (3 * m + 1) - 1) & 0xFFFF) == v)
            minutes = static_cast<std::int32_t>(m);
    }
    void Signal(std::size_t, std::size_t off, const char*, std::string& text) {
        text = SignalText(img_, off, kSignalWidth);
    }
    void DigitChar(std::size_t off, const char*, std::string& text) {
        if (img_[off] <= 9) text = std::string(1, static_cast<char>('0' + img_[off]));
    }

  private:
    ConstImage img_;
    const ParamImageContext& context_;
};

// --- In-band protocol, pages 2-5 and 7 -----------------------------------------------------------

std::size_t InBandCodeOffset(std::size_t e) {
    return kInBandCodes + kImagePageSize * (e / 10) + kInBandCodeWidth * (e % 10);
}

std::uint8_t PageDigit(std::uint8_t c) {
    return c >= '0' && c <= '9' ? static_cast<std::uint8_t>(c - '0') : kAbsent;
}

void EncodeInBand(const CQelDoc& d, Image img, CUncoded& uncoded) {
    for (std::size_t e = 0; e < d.inBand.size(); ++e) {
        const InBandEntry& entry = d.inBand[e];
        const auto coded = InBandCodes(entry);
        const bool hasCode = coded.has_value();
        if (!hasCode && entry.codeLength > 0) uncoded.Add("inBand");
        std::vector<std::uint8_t> codes = coded.value_or(std::vector<std::uint8_t>{});
        if (!hasCode) codes.assign(kInBandCodeWidth, kAbsent);

        std::array<std::uint8_t, 4> target;
        target.fill(kAbsent);
        std::uint8_t extra = 0;
        std::uint8_t operation = kAbsent;
        if (hasCode) {
            operation = kInBandOpCodes[static_cast<std::size_t>(entry.operation)];
            const int op = entry.operation;
            if (IsInBandOpToPage(op)) {
                target[0] = PageDigit(entry.target[0]);
                target[1] = PageDigit(entry.target[1]);
                extra = Low8(entry.targetLength);
            } else if (op == kInBandOpToExtension) {
                const std::size_t n =
                    static_cast<std::size_t>(std::clamp(entry.targetLength, 0, 4));
                const std::string_view ext(reinterpret_cast<const char*>(entry.target.data()), n);
                std::vector<std::uint8_t> dial;
                if (EncodeDialText(ext, dial))
                    std::copy(dial.begin(), dial.end(), target.begin());
                else
                    uncoded.Add("inBand");
                extra = Low8(entry.targetLength);
            } else if (op == kInBandOpToMailbox) {
                target[0] = entry.target[0];
                extra = Low8(entry.targetLength);
            }
        }
        std::copy(codes.begin(), codes.end(),
                  img.begin() + static_cast<std::ptrdiff_t>(InBandCodeOffset(e)));
        img[kInBandCount + e] = static_cast<std::uint8_t>(
            std::count_if(codes.begin(), codes.end(), [](std::uint8_t c) { return c != kAbsent; }));
        img[kInBandOperation + e] = operation;
        std::copy(target.begin(), target.end(),
                  img.begin() + static_cast<std::ptrdiff_t>(kInBandTarget + 4 * e));
        img[kInBandTargetExtra + e] = extra;
    }
}

void DecodeInBand(ConstImage img, CQelDoc& d) {
    for (std::size_t e = 0; e < d.inBand.size(); ++e) {
        InBandEntry& entry = d.inBand[e];
        std::string text = SignalText(img, InBandCodeOffset(e), kInBandCodeWidth);
        if (text.size() > entry.code.size()) text.clear();
        entry.code.fill(0);
        std::copy(text.begin(), text.end(), entry.code.begin());
        entry.codeLength = static_cast<std::uint8_t>(text.size());

        const auto it =
            std::find(kInBandOpCodes.begin(), kInBandOpCodes.end(), img[kInBandOperation + e]);
        const int op =
            it == kInBandOpCodes.end() ? 0 : static_cast<int>(it - kInBandOpCodes.begin());
        entry.operation = op;
        entry.target.fill(0);
        entry.targetLength = 0;
        const std::size_t t = kInBandTarget + 4 * e;
        if (IsInBandOpToPage(op)) {
            for (std::size_t i = 0; i < 2; ++i)
                entry.target[i] = img[t + i] <= 9 ? static_cast<std::uint8_t>('0' + img[t + i]) : 0;
            entry.targetLength = 2;
        } else if (op == kInBandOpToExtension) {
            const std::size_t n =
                std::min<std::size_t>(img[kInBandTargetExtra + e], CodesBeforeAbsent(img, t, 4));
            const std::string ext = DialText(img, t, n);
            std::copy(ext.begin(), ext.end(), entry.target.begin());
            entry.targetLength = static_cast<std::int32_t>(ext.size());
        } else if (op == kInBandOpToMailbox) {
            entry.target[0] = img[t];
            entry.targetLength = 1;
        }
    }
    for (std::size_t s = 0; s < 3; ++s) {
        std::string& signal = s == 0 ? d.answerSignal : s == 1 ? d.busySignal : d.dndSignal;
        signal = SignalText(img, kPbxSignals + kSignalWidth * s, kSignalWidth);
    }
}

void EncodeSignals(const CQelDoc& d, Image img, CUncoded& uncoded) {
    const std::array<std::pair<const char*, const std::string*>, 3> signals{{
        {"answerSignal", &d.answerSignal},
        {"busySignal", &d.busySignal},
        {"dndSignal", &d.dndSignal},
    }};
    for (std::size_t s = 0; s < signals.size(); ++s) {
        std::vector<std::uint8_t> codes;
        if (!EncodeSignalText(*signals[s].second, static_cast<int>(kSignalWidth), codes)) {
            uncoded.Add(signals[s].first);
            codes.assign(kSignalWidth, kAbsent);
        }
        std::copy(codes.begin(), codes.end(),
                  img.begin() + static_cast<std::ptrdiff_t>(kPbxSignals + kSignalWidth * s));
    }
}

// --- Dial strings, pages 9-10 --------------------------------------------------------------------

std::size_t DialStringOffset(std::size_t k) {
    return kDialStrings + kImagePageSize * (k / 10) + kDialStringEntry * (k % 10);
}

void EncodeDialStrings(const CQelDoc& d, Image img, CUncoded& uncoded) {
    for (std::size_t k = 0; k < d.dialStrings.size(); ++k) {
        std::vector<std::uint8_t> codes;
        if (!EncodeDialText(d.dialStrings[k], codes) || codes.size() > kDialStringWidth) {
            uncoded.Add("dialStrings");
            codes.clear();
        }
        const std::size_t off = DialStringOffset(k);
        img[off] = static_cast<std::uint8_t>(codes.size());
        std::copy(codes.begin(), codes.end(), img.begin() + static_cast<std::ptrdiff_t>(off + 1));
    }
}

void DecodeDialStrings(ConstImage img, CQelDoc& d) {
    for (std::size_t k = 0; k < d.dialStrings.size(); ++k) {
        const std::size_t off = DialStringOffset(k);
        const std::size_t n = img[off];
        d.dialStrings[k] = n <= kDialStringWidth ? DialText(img, off + 1, n) : std::string();
    }
}

// --- Schedule, pages 12-14 -----------------------------------------------------------------------

std::size_t HolidayOffset(std::size_t i) {
    return i < kHolidaysOnFirstPage ? kHolidays + kHolidayEntry * i
                                    : kHolidaysMore + kHolidayEntry * (i - kHolidaysOnFirstPage);
}

std::size_t BreakOffset(std::size_t day, std::size_t slot) {
    return kBreaks + 50 * day + 5 * slot;
}

int MinutesOrZero(const std::string& text, const char* name, CUncoded& uncoded) {
    const auto minutes = StoredTimeMinutes(text);
    if (!minutes) uncoded.Add(name);
    return minutes.value_or(0);
}

void EncodeSchedule(const CQelDoc& d, Image img, CUncoded& uncoded) {
    for (std::size_t line = 0; line < 4; ++line)
        for (std::size_t mode = 0; mode < 4; ++mode)
            img[kOpeningPages + 4 * line + mode] = Low8(d.openingPage[line][mode]);
    for (std::size_t day = 0; day < 7; ++day) {
        PutBe16(img, kWorkHours + 4 * day, MinutesOrZero(d.workHours[day], "workHours", uncoded));
        PutBe16(img, kWorkHours + 4 * day + 2,
                MinutesOrZero(d.workHours[day + 7], "workHours", uncoded));
    }
    const std::size_t count = std::min<std::size_t>(d.holidayCount, d.holidayDate.size());
    for (std::size_t i = 0; i < d.holidayDate.size(); ++i) {
        std::array<std::uint8_t, kHolidayEntry> entry{};
        if (i < count) {
            const auto date = StoredDayMonth(d.holidayDate[i]);
            if (!date && !d.holidayDate[i].empty()) uncoded.Add("holidayDate");
            entry[0] = date ? Low8(date->day) : 0;
            entry[1] = date ? Low8(date->month) : 0;
            const int start = MinutesOrZero(d.holidayStart[i], "holidayStart", uncoded);
            const int end = MinutesOrZero(d.holidayEnd[i], "holidayEnd", uncoded);
            entry[2] = Low8(start >> 8);
            entry[3] = Low8(start);
            entry[4] = Low8(end >> 8);
            entry[5] = Low8(end);
        }
        std::copy(entry.begin(), entry.end(),
                  img.begin() + static_cast<std::ptrdiff_t>(HolidayOffset(i)));
    }
    for (std::size_t day = 0; day < 7; ++day)
        for (std::size_t slot = 0; slot < 10; ++slot) {
            const BreakSlot& b = d.breaks[day][slot];
            const std::size_t off = BreakOffset(day, slot);
            PutBe16(img, off, b.start);
            PutBe16(img, off + 2, b.end);
            img[off + 4] = Low8(b.page);
        }
}

void DecodeSchedule(ConstImage img, CQelDoc& d) {
    for (std::size_t line = 0; line < 4; ++line)
        for (std::size_t mode = 0; mode < 4; ++mode)
            d.openingPage[line][mode] = img[kOpeningPages + 4 * line + mode];
    for (std::size_t day = 0; day < 7; ++day) {
        d.workHours[day] = TimeText(GetBe16(img, kWorkHours + 4 * day));
        d.workHours[day + 7] = TimeText(GetBe16(img, kWorkHours + 4 * day + 2));
    }
    d.workHoursCopy = d.workHours;
    // The holidays in use end at the first entry of six zero bytes.
    std::size_t count = 0;
    while (count < d.holidayDate.size()) {
        const auto entry = img.subspan(HolidayOffset(count), kHolidayEntry);
        if (std::all_of(entry.begin(), entry.end(), [](std::uint8_t b) { return b == 0; })) break;
        ++count;
    }
    for (std::size_t i = 0; i < d.holidayDate.size(); ++i) {
        if (i >= count) {
            d.holidayDate[i].clear();
            d.holidayStart[i].clear();
            d.holidayEnd[i].clear();
            continue;
        }
        const std::size_t off = HolidayOffset(i);
        d.holidayDate[i] = DayMonthText(img[off], img[off + 1]);
        d.holidayStart[i] = TimeText(GetBe16(img, off + 2));
        d.holidayEnd[i] = TimeText(GetBe16(img, off + 4));
    }
    d.holidayCount = static_cast<std::uint8_t>(count);
    for (std::size_t day = 0; day < 7; ++day)
        for (std::size_t slot = 0; slot < 10; ++slot) {
            BreakSlot& b = d.breaks[day][slot];
            const std::size_t off = BreakOffset(day, slot);
            b.start = GetBe16(img, off);
            b.end = GetBe16(img, off + 2);
            b.page = img[off + 4];
        }
}

// --- Auto-attendant keys, pages 16-28, and page time-outs, page 31 -------------------------------

std::size_t KeyByteOffset(std::size_t first, std::size_t more, std::size_t page, std::size_t key) {
    return page < kPagesOnFirstKeyPage ? first + kKeys * page + key
                                       : more + kKeys * (page - kPagesOnFirstKeyPage) + key;
}

std::size_t KeyArgOffset(std::size_t page, std::size_t key) {
    return kKeyArgs + kImagePageSize * (page / kPagesPerArgPage) +
           4 * kKeys * (page % kPagesPerArgPage) + 4 * key;
}

void EncodeKeys(const CQelDoc& d, Image img, CUncoded& uncoded) {
    for (std::size_t p = 0; p < kPageCount; ++p) {
        for (std::size_t k = 0; k < kKeys; ++k) {
            const PageEntry& entry = d.pages[p][k];
            int op = entry.op;
            if (op < 0 || static_cast<std::size_t>(op) >= kKeyOpCodes.size()) {
                uncoded.Add("pages");
                op = 0;
            }
            img[KeyByteOffset(kKeyOps, kKeyOpsMore, p, k)] =
                kKeyOpCodes[static_cast<std::size_t>(op)];
            if (const int language = PageOpLanguage(op); language >= 0)
                img[KeyByteOffset(kKeyParams, kKeyParamsMore, p, k)] =
                    static_cast<std::uint8_t>(language);
            else if (op == kPageOpDisconnect || op == kPageOpDisconnectAfterMessage)
                img[KeyByteOffset(kKeyParams, kKeyParamsMore, p, k)] =
                    static_cast<std::uint8_t>(op - kPageOpDisconnect);

            std::array<std::uint8_t, 4> args = entry.target;
            if (op == kPageOpToExtension) {
                const std::size_t n = std::min<std::size_t>(entry.targetInfo, 4);
                const std::string_view ext(reinterpret_cast<const char*>(entry.target.data()), n);
                std::vector<std::uint8_t> dial;
                if (!EncodeDialText(ext, dial)) {
                    uncoded.Add("pages");
                    dial.clear();
                }
                args.fill(kAbsent);
                std::copy(dial.begin(), dial.end(), args.begin());
            }
            std::copy(args.begin(), args.end(),
                      img.begin() + static_cast<std::ptrdiff_t>(KeyArgOffset(p, k)));
        }
        PutLe16(img, kPageTimeouts + 2 * p, static_cast<std::int64_t>(d.pageTimeout[p]) * 50);
    }
}

int KeyOperation(std::uint8_t code, std::uint8_t parameter) {
    if (code == kKeyCodeLanguage)
        return kPageOpGoToPageFirstLanguage + (parameter <= 2 ? parameter : 0);
    if (code == kKeyCodeDisconnect)
        return parameter == 1 ? kPageOpDisconnectAfterMessage : kPageOpDisconnect;
    const auto it = std::find(kKeyOpCodes.begin(), kKeyOpCodes.end(), code);
    return it == kKeyOpCodes.end() ? 0 : static_cast<int>(it - kKeyOpCodes.begin());
}

void DecodeKeys(ConstImage img, CQelDoc& d) {
    for (std::size_t p = 0; p < kPageCount; ++p) {
        for (std::size_t k = 0; k < kKeys; ++k) {
            PageEntry& entry = d.pages[p][k];
            const int op = KeyOperation(img[KeyByteOffset(kKeyOps, kKeyOpsMore, p, k)],
                                        img[KeyByteOffset(kKeyParams, kKeyParamsMore, p, k)]);
            entry.op = op;
            const std::size_t off = KeyArgOffset(p, k);
            if (op == kPageOpToExtension) {
                const std::string ext = DialText(img, off, CodesBeforeAbsent(img, off, 4));
                entry.target.fill(0);
                std::copy(ext.begin(), ext.end(), entry.target.begin());
                entry.targetInfo = static_cast<std::uint8_t>(ext.size());
                continue;
            }
            std::copy_n(img.begin() + static_cast<std::ptrdiff_t>(off), 4, entry.target.begin());
            if (op == kPageOpGoToPage || op == kPageOpToMailbox || op == kPageOpDialString) {
                entry.targetInfo = 1;
            } else if (const int language = PageOpLanguage(op); language >= 0) {
                entry.targetInfo = 2;
                entry.target[1] = static_cast<std::uint8_t>(language);
            } else {
                entry.targetInfo = 0;
            }
        }
        d.pageTimeout[p] = GetLe16(img, kPageTimeouts + 2 * p) / 50;
    }
}

} // namespace

std::size_t ParamImageExtent() {
    return kExtent;
}

bool EncodeParamImage(const CQelDoc& doc, const ParamImageContext& context,
                      std::span<std::uint8_t> image, std::vector<std::string>* uncoded) {
    if (image.size() < kExtent) return false;
    CUncoded bad(uncoded);
    CHeaderWriter writer(image, context, bad);
    WalkHeader(writer, doc);
    EncodeInBand(doc, image, bad);
    EncodeSignals(doc, image, bad);
    EncodeDialStrings(doc, image, bad);
    EncodeSchedule(doc, image, bad);
    EncodeKeys(doc, image, bad);
    return true;
}

bool DecodeParamImage(std::span<const std::uint8_t> image, const ParamImageContext& context,
                      CQelDoc& doc) {
    if (image.size() < kExtent) return false;
    CHeaderReader reader(image, context);
    WalkHeader(reader, doc);
    DecodeInBand(image, doc);
    DecodeDialStrings(image, doc);
    DecodeSchedule(image, doc);
    DecodeKeys(image, doc);
    return true;
}

} // namespace kiv
