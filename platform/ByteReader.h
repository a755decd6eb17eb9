// Bounds-checked reads from a span of bytes, the only way the binary parsers look at their
// input: every read names its offset and fails with nullopt when the bytes are not all there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace quelm {

class ByteReader {
 public:
  constexpr ByteReader() = default;
  constexpr explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  ByteReader(const void* data, std::size_t size)
      : bytes_(static_cast<const std::uint8_t*>(data), size) {}

  constexpr std::size_t Size() const { return bytes_.size(); }
  constexpr std::span<const std::uint8_t> Bytes() const { return bytes_; }

  // Written so that a huge offset or count cannot overflow into a pass.
  constexpr bool Has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }

  constexpr std::optional<std::uint8_t> U8(std::size_t offset) const {
    if (offset >= bytes_.size()) return std::nullopt;
    return bytes_[offset];
  }
  // Big-endian, as MPEG and DVD structures store their numbers.
  constexpr std::optional<std::uint16_t> Be16(std::size_t offset) const {
    if (!Has(offset, 2)) return std::nullopt;
    return static_cast<std::uint16_t>((bytes_[offset] << 8) | bytes_[offset + 1]);
  }
  constexpr std::optional<std::uint32_t> Be32(std::size_t offset) const {
    if (!Has(offset, 4)) return std::nullopt;
    return (std::uint32_t{bytes_[offset]} << 24) | (std::uint32_t{bytes_[offset + 1]} << 16) |
           (std::uint32_t{bytes_[offset + 2]} << 8) | bytes_[offset + 3];
  }
  // Little-endian, as BMP stores its numbers.
  constexpr std::optional<std::uint16_t> Le16(std::size_t offset) const {
    if (!Has(offset, 2)) return std::nullopt;
    return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  constexpr std::optional<std::uint32_t> Le32(std::size_t offset) const {
    if (!Has(offset, 4)) return std::nullopt;
    return bytes_[offset] | (std::uint32_t{bytes_[offset + 1]} << 8) |
           (std::uint32_t{bytes_[offset + 2]} << 16) | (std::uint32_t{bytes_[offset + 3]} << 24);
  }

  // The `count` bytes at `offset`; nullopt when they are not all there.
  constexpr std::optional<ByteReader> Sub(std::size_t offset, std::size_t count) const {
    if (!Has(offset, count)) return std::nullopt;
    return ByteReader(bytes_.subspan(offset, count));
  }
  // The first `count` bytes, or all of them when there are fewer.
  constexpr ByteReader Prefix(std::size_t count) const {
    return ByteReader(bytes_.first(count < bytes_.size() ? count : bytes_.size()));
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

}  // namespace quelm
