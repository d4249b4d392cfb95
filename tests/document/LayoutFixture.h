#pragma once
// An independent description of the configuration file, written item by item
// from the file layout with member expressions, for tests that hold the
// reader and writer against it. Each member gets a distinctive value, so a
// member read into or written from its neighbour's place shows at once.

#include "document/QelDoc.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kiv::test {

// Little-endian builder of file bytes.
struct Bytes {
    std::string data;
    void I32(int32_t v) {
        for (int i = 0; i < 4; ++i)
            data += static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
    }
    void U8(uint8_t v) { data += static_cast<char>(v); }
    void Txt(const std::string& s) {
        if (s.size() < 255) {
            U8(static_cast<uint8_t>(s.size()));
        } else {
            U8(0xFF);
            U8(static_cast<uint8_t>(s.size() & 0xFF));
            U8(static_cast<uint8_t>(s.size() >> 8));
        }
        data += s;
    }
};

#define KIV_MEMBER(expr)                                                                           \
#expr, [](CQelDoc & d) -> auto& {                                                              \
        return d.expr;                                                                             \
    }

// Fills `doc` with distinctive values while writing the matching bytes, and
// records one check per member for a loaded configuration.
class LayoutFixture {
  public:
    Bytes bytes;
    CQelDoc doc;
    // Member name and whether `loaded` holds the expected value.
    std::vector<std::pair<std::string, std::function<bool(CQelDoc&)>>> checks;
    // Byte offset at which each item starts (index = item number).
    std::vector<size_t> itemOffset = std::vector<size_t>(40, 0);

    explicit LayoutFixture(int mailboxes = 3);

  private:
    void Item(int n) { itemOffset[static_cast<size_t>(n)] = bytes.data.size(); }
    template <class Get> void I32(const std::string& name, Get get, int32_t value) {
        bytes.I32(value);
        get(doc) = value;
        checks.emplace_back(name, [get, value](CQelDoc& d) { return get(d) == value; });
    }
    template <class Get> void I32(const std::string& name, Get get) { I32(name, get, next_++); }
    template <class Get> void U8(const std::string& name, Get get, uint8_t value) {
        bytes.U8(value);
        get(doc) = value;
        checks.emplace_back(name, [get, value](CQelDoc& d) { return get(d) == value; });
    }
    template <class Get> void U8(const std::string& name, Get get) {
        U8(name, get, static_cast<uint8_t>(next_++ % 251));
    }
    template <class Get> void Txt(const std::string& name, Get get, const std::string& value) {
        bytes.Txt(value);
        get(doc) = value;
        checks.emplace_back(name, [get, value](CQelDoc& d) { return get(d) == value; });
    }
    template <class Get> void Txt(const std::string& name, Get get) {
        // Texts of varied lengths, with code page 1252 letters.
        std::string v = name.substr(0, 12) + "\xE8" + std::to_string(next_++);
        Txt(name, get, v);
    }
    int32_t next_ = 1000;
};

} // namespace kiv::test
