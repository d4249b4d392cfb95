#pragma once
// Byte-level encodings of the configuration file: little-endian integers and
// length-prefixed texts. The reader never reads or allocates past its data.

#include <cstdint>
#include <span>
#include <string>

namespace kiv {

class ArchiveWriter {
  public:
    void I32(int32_t v);
    void U8(uint8_t v);
    void Txt(const std::string& s);
    void Raw(const void* data, size_t size);
    const std::string& Bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

// Thrown by the reader: the data ended inside an item.
struct ArchiveEndOfFile {};
// Thrown by the reader: a text stored in 16-bit characters (not supported).
struct ArchiveBadClass {};

class ArchiveReader {
  public:
    explicit ArchiveReader(std::span<const uint8_t> data) : data_(data) {}
    int32_t I32();
    uint8_t U8();
    std::string Txt();
    size_t Remaining() const { return data_.size() - pos_; }
    size_t Position() const { return pos_; }

  private:
    void Need(size_t n) const;
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

} // namespace kiv
