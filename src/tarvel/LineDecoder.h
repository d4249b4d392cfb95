#pragma once
// Turns the unit's line-event bytes into the texts the monitor shows. The
// unit reports each event as two markers (0x40 and 0x5E, in either order),
// the line number 0 to 3 and one event byte (a DTMF digit or a hook change).

#include <cstdint>
#include <optional>
#include <string>

namespace kiv {

class CLineDecoder {
  public:
    static constexpr std::uint8_t kMarkerA = 0x40;
    static constexpr std::uint8_t kMarkerB = 0x5E;
    static constexpr int kLineCount = 4;

    struct Event {
        int line = 0;     // 0 to 3 for lines 1 to 4
        std::string text; // the event's text followed by one space
    };

    // Text of one event byte; empty for a byte the unit does not send as an
    // event (0x8B, 0x91 to 0xFD, below 0x80).
    static std::string EventText(std::uint8_t code);

    // Takes the next byte of the line; an event once its event byte has come.
    std::optional<Event> Feed(std::uint8_t byte);

    // Forgets the markers and the pending line number.
    void Reset();

  private:
    bool markerA_ = false;
    bool markerB_ = false;
    std::optional<int> line_;
};

} // namespace kiv
