#include "unit/files/BackupFile.h"

#include <algorithm>

namespace kiv {

namespace {

// --- Layouts -------------------------------------------------------------------------------------

template <class W, class H> void WalkWaxHeader(W& w, H& h) {
    w.Bytes(0, h.identity);
    w.Le16(44, h.blocks);
    w.Le16(46, h.unitsPerBlock);
    w.Le16(48, h.unitSize);
    w.Le16(50, h.pageAreaLength);
}

template <class W, class H> void WalkVoxHeader(W& w, H& h) {
    w.Bytes(0, h.version);
    w.Le16(3, h.blocks);
}

// --- The codec that walks them -------------------------------------------------------------------

class CWriter {
  public:
    explicit CWriter(std::span<std::uint8_t> out) : out_(out) {}
    template <std::size_t N> void Bytes(std::size_t off, const std::array<std::uint8_t, N>& v) {
        std::copy(v.begin(), v.end(), out_.begin() + static_cast<std::ptrdiff_t>(off));
    }
    void Le16(std::size_t off, std::uint16_t v) {
        out_[off] = static_cast<std::uint8_t>(v & 0xFF);
        out_[off + 1] = static_cast<std::uint8_t>(v >> 8);
    }

  private:
    std::span<std::uint8_t> out_;
};

class CReader {
  public:
    explicit CReader(std::span<const std::uint8_t> in) : in_(in) {}
    template <std::size_t N> void Bytes(std::size_t off, std::array<std::uint8_t, N>& v) {
        std::copy_n(in_.begin() + static_cast<std::ptrdiff_t>(off), N, v.begin());
    }
    void Le16(std::size_t off, std::uint16_t& v) {
        v = static_cast<std::uint16_t>(in_[off] | in_[off + 1] << 8);
    }

  private:
    std::span<const std::uint8_t> in_;
};

} // namespace

std::array<std::uint8_t, kWaxHeaderSize> EncodeWaxHeader(const WaxHeader& header) {
    std::array<std::uint8_t, kWaxHeaderSize> out{};
    CWriter w(out);
    WalkWaxHeader(w, header);
    return out;
}

std::optional<WaxHeader> DecodeWaxHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kWaxHeaderSize) return std::nullopt;
    WaxHeader header;
    CReader r(bytes);
    WalkWaxHeader(r, header);
    return header;
}

bool BackupIdentityAccepted(const FileIdentity& identity) {
    if (identity[0] != '7') return false;
    const std::string_view text(reinterpret_cast<const char*>(identity.data()), identity.size());
    return text.find("(KIV)") != std::string_view::npos;
}

std::array<std::uint8_t, kVoxHeaderSize> EncodeVoxHeader(const VoxHeader& header) {
    std::array<std::uint8_t, kVoxHeaderSize> out{};
    CWriter w(out);
    WalkVoxHeader(w, header);
    return out;
}

std::optional<VoxHeader> DecodeVoxHeader(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kVoxHeaderSize) return std::nullopt;
    VoxHeader header;
    CReader r(bytes);
    WalkVoxHeader(r, header);
    if (std::any_of(header.version.begin(), header.version.end(), [](auto d) { return d > 9; }))
        return std::nullopt;
    return header;
}

std::string FormTransferFileName(const std::string& typed, const std::string& currentDir,
                                 std::string_view extension) {
    if (typed.empty()) return {};
    std::string path = typed;
    if (typed.find('/') == std::string::npos && typed.find('\\') == std::string::npos &&
        !currentDir.empty()) {
        path = currentDir;
        if (path.back() != '/') path += '/';
        path += typed;
    }
    const std::string_view tail =
        std::string_view(typed).substr(typed.size() > 4 ? typed.size() - 4 : 0);
    if (tail.find('.') == std::string_view::npos) {
        path += '.';
        path += extension;
    }
    return path;
}

} // namespace kiv
