#pragma once
// The unit's byte protocol: command bytes, fixed reply bytes, and the
// decoding of the status, identification and block geometry replies. Pure
// functions over bytes, so every reply a unit may send can be fed to them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kiv::proto {

inline constexpr std::string_view attention = "E";
inline constexpr std::string_view cmdStatus = "$$R";
inline constexpr std::string_view cmdIdentify = "$$V";
inline constexpr std::string_view cmdSignOff = "$$X";
inline constexpr std::string_view cmdNext = "S";
inline constexpr std::string_view cmdMailboxes = "$$C";
inline constexpr std::string_view cmdSendImage = "$$S";
inline constexpr std::string_view cmdMailboxStream = "$$U";
inline constexpr std::string_view cmdClock = "$$T";
inline constexpr std::string_view cmdDelete = "$$D";
inline constexpr std::string_view cmdReadRecordings = "$$I";
inline constexpr std::string_view cmdSendRecordings = "$$J";
inline constexpr std::string_view cmdBackup = "$$B";
inline constexpr std::string_view cmdRestore = "$$E";

inline constexpr std::uint8_t statusLead = 0x14; // idle, line free; 20 status bytes follow
inline constexpr std::uint8_t identLead = 0x10;  // 16 identification bytes follow
inline constexpr std::uint8_t acknowledge = 'S';
inline constexpr std::size_t statusLength = 20;
inline constexpr std::size_t identLength = 16;
inline constexpr std::size_t geometryLength = 7;
inline constexpr std::size_t maxSectionLength = 20000;
inline constexpr std::uint8_t noLanguage = 255;

// Product type of an unknown product code; never equal to a document's type.
inline constexpr int unknownProductType = 4;

inline std::uint16_t BigEndian16(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>((high << 8) | low);
}

// The 20 bytes after 0x14.
struct StatusReply {
    std::array<std::uint8_t, statusLength> s{};

    std::uint8_t MemoryFactor() const { return s[0]; }
    std::uint16_t PageAreaLength() const { return BigEndian16(s[1], s[2]); }
    std::uint16_t MemoryBlocks() const { return BigEndian16(s[5], s[6]); }
    std::uint16_t UnitsPerBlock() const { return BigEndian16(s[7], s[8]); }
    // Blocks of each parameter section.
    std::uint8_t SectionBlocks() const { return s[8]; }
    std::uint16_t BlockSize() const { return BigEndian16(s[9], s[10]); }
    // Length of each of the two parameter sections: s8 x block size.
    std::size_t SectionLength() const {
        return static_cast<std::size_t>(SectionBlocks()) * BlockSize();
    }
    std::uint16_t FlashTotalSeconds() const { return BigEndian16(s[11], s[12]); }
    std::uint16_t FlashRemainingSeconds() const { return BigEndian16(s[13], s[14]); }
    // State of line 1..4 (6 = in service).
    std::uint8_t LineState(int line) const { return s[14 + static_cast<std::size_t>(line)]; }
    std::uint8_t Divisor() const { return s[19]; }
};

// The 16 bytes after 0x10.
struct IdentReply {
    std::array<std::uint8_t, identLength> i{};

    // Three characters "0" + i0, "0" + i1, "0" + i2.
    std::string Version() const;
    // The first i11 (at most 8) of the digits i3..i10.
    std::string Password() const;
    std::uint8_t ProductCode() const { return i[12]; }
    // Language installed in slot 1..3; 255 = none.
    std::uint8_t Language(int slot) const { return i[12 + static_cast<std::size_t>(slot)]; }
    bool HasLanguage(int slot) const { return Language(slot) != noLanguage; }
};

// The 7 bytes that answer "$$S".
struct BlockGeometry {
    std::array<std::uint8_t, geometryLength> g{};

    std::uint16_t BlockCount() const { return BigEndian16(g[3], g[4]); }
    // The parameter image counts its blocks in g4 alone.
    std::uint8_t ImageBlocks() const { return g[4]; }
    std::uint16_t BlockSize() const { return BigEndian16(g[5], g[6]); }
    std::uint8_t Stored() const { return g[2]; }
};

std::optional<StatusReply> DecodeStatus(const std::uint8_t* data, std::size_t count);
std::optional<IdentReply> DecodeIdent(const std::uint8_t* data, std::size_t count);
std::optional<BlockGeometry> DecodeGeometry(const std::uint8_t* data, std::size_t count);

// A version passes when it is three digits starting with '7' and is not
// 740..759.
bool VersionAccepted(std::string_view version);

// Product type 0..3 of a product code, or unknownProductType.
int ProductTypeOfCode(int productCode);
// "RZ 128 Mbx" ... or "Sconosciuto (nn)".
std::string ProductNameOfCode(int productCode);

// 8-bit sum of the bytes, no seed, no complement.
std::uint8_t Checksum(const std::uint8_t* data, std::size_t count);

} // namespace kiv::proto
