#include "tarvel/LineDecoder.h"

#include "tarvel/Texts.h"

namespace kiv {

std::string CLineDecoder::EventText(std::uint8_t code) {
    // Digit characters from 0x90 down to 0x80; 0x8B has none.
    static constexpr char kDigits[] = "DCBA#\0*9876543210";
    if (code >= 0x80 && code <= 0x90) {
        const char c = kDigits[0x90 - code];
        return c ? std::string(1, c) : std::string();
    }
    if (code == 0xFE) return texts::onHook;
    if (code == 0xFF) return texts::offHook;
    return {};
}

void CLineDecoder::Reset() {
    markerA_ = markerB_ = false;
    line_.reset();
}

std::optional<CLineDecoder::Event> CLineDecoder::Feed(std::uint8_t byte) {
    if (byte == kMarkerA) {
        markerA_ = true;
        return std::nullopt;
    }
    if (byte == kMarkerB) {
        markerB_ = true;
        return std::nullopt;
    }
    // Anything before both markers is noise.
    if (!markerA_ || !markerB_) return std::nullopt;
    if (!line_) {
        if (byte >= kLineCount) {
            Reset();
            return std::nullopt;
        }
        line_ = byte;
        return std::nullopt;
    }
    const int line = *line_;
    Reset();
    const std::string text = EventText(byte);
    // A code without text shows nothing rather than a lone space.
    if (text.empty()) return std::nullopt;
    return Event{line, text + ' '};
}

} // namespace kiv
