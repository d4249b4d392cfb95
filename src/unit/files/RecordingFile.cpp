#include "unit/files/RecordingFile.h"

#include <algorithm>

namespace kiv {

namespace {

// One line per field: offset, width and member. Walked by the writer and the
// reader alike.
template <class W, class H> void WalkRecordingHeader(W& w, H& h) {
    w.Bytes(0, h.identity);
    w.Byte(44, h.blocks);
    w.Byte(45, h.subBlocks);
    w.Byte(46, h.geometry1);
    w.Le16(47, h.unitSize);
    w.Bytes(49, h.descriptor);
}

class CHeaderWriter {
  public:
    explicit CHeaderWriter(RecordingHeaderBytes& out) : out_(out) {}
    template <std::size_t N> void Bytes(std::size_t at, const std::array<std::uint8_t, N>& v) {
        std::copy(v.begin(), v.end(), out_.begin() + static_cast<std::ptrdiff_t>(at));
    }
    void Byte(std::size_t at, std::uint8_t v) { out_[at] = v; }
    void Le16(std::size_t at, std::uint16_t v) {
        out_[at] = static_cast<std::uint8_t>(v & 0xFF);
        out_[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }

  private:
    RecordingHeaderBytes& out_;
};

class CHeaderReader {
  public:
    explicit CHeaderReader(const std::uint8_t* in) : in_(in) {}
    template <std::size_t N> void Bytes(std::size_t at, std::array<std::uint8_t, N>& v) {
        std::copy_n(in_ + at, N, v.begin());
    }
    void Byte(std::size_t at, std::uint8_t& v) { v = in_[at]; }
    void Le16(std::size_t at, std::uint16_t& v) {
        v = static_cast<std::uint16_t>(in_[at] | (in_[at + 1] << 8));
    }

  private:
    const std::uint8_t* in_;
};

} // namespace

RecordingHeaderBytes EncodeRecordingHeader(const RecordingHeader& header) {
    RecordingHeaderBytes out{};
    CHeaderWriter w(out);
    WalkRecordingHeader(w, header);
    return out;
}

std::optional<RecordingHeader> DecodeRecordingHeader(const std::uint8_t* data, std::size_t count) {
    if (!data || count < kRecordingHeaderLength) return std::nullopt;
    RecordingHeader header;
    CHeaderReader r(data);
    WalkRecordingHeader(r, header);
    return header;
}

std::optional<RecordingAdaptation>
AdaptRecording(const RecordingHeader& header, std::uint8_t unitSubBlocks, std::uint16_t unitSize) {
    const std::size_t unitBlock = static_cast<std::size_t>(unitSubBlocks) * unitSize;
    if (unitBlock == 0) return std::nullopt;
    RecordingAdaptation a;
    a.chunkLength = unitSize;
    a.blocks = (header.DataLength() + unitBlock - 1) / unitBlock;
    a.chunks = a.blocks * unitSubBlocks;
    return a;
}

} // namespace kiv
