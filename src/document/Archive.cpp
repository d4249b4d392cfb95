#include "document/Archive.h"

namespace kiv {

void ArchiveWriter::I32(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        bytes_ += static_cast<char>((u >> (8 * i)) & 0xFF);
}

void ArchiveWriter::U8(uint8_t v) {
    bytes_ += static_cast<char>(v);
}

void ArchiveWriter::Txt(const std::string& s) {
    const size_t n = s.size();
    if (n < 0xFF) {
        U8(static_cast<uint8_t>(n));
    } else if (n < 0xFFFE) {
        U8(0xFF);
        U8(static_cast<uint8_t>(n & 0xFF));
        U8(static_cast<uint8_t>(n >> 8));
    } else {
        U8(0xFF);
        U8(0xFF);
        U8(0xFF);
        I32(static_cast<int32_t>(static_cast<uint32_t>(n)));
    }
    bytes_ += s;
}

void ArchiveWriter::Raw(const void* data, size_t size) {
    bytes_.append(static_cast<const char*>(data), size);
}

void ArchiveReader::Need(size_t n) const {
    if (Remaining() < n) throw ArchiveEndOfFile{};
}

uint8_t ArchiveReader::U8() {
    Need(1);
    return data_[pos_++];
}

int32_t ArchiveReader::I32() {
    Need(4);
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<uint32_t>(data_[pos_ + i]) << (8 * i);
    pos_ += 4;
    return static_cast<int32_t>(u);
}

std::string ArchiveReader::Txt() {
    uint64_t len = U8();
    if (len == 0xFF) {
        Need(2);
        len = data_[pos_] | (static_cast<uint32_t>(data_[pos_ + 1]) << 8);
        pos_ += 2;
        if (len == 0xFFFE) throw ArchiveBadClass{};
        if (len == 0xFFFF) len = static_cast<uint32_t>(I32());
    }
    // A length beyond the data left is the end of the file, whatever it claims.
    if (len > Remaining()) throw ArchiveEndOfFile{};
    std::string s(reinterpret_cast<const char*>(data_.data() + pos_), static_cast<size_t>(len));
    pos_ += static_cast<size_t>(len);
    return s;
}

} // namespace kiv
