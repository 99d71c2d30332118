#pragma once
// Little-endian reading and writing over byte buffers: the stream layer the
// skin formats are read and written through.
#include <cstdint>
#include <span>
#include <vector>

#include "core/base/error.h"

namespace zv {

// Raised when a read asks for more bytes than the stream holds.
class EReadError : public Error {
 public:
  EReadError() : Error("Stream read error") {}
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t position() const { return position_; }
  std::size_t remaining() const { return bytes_.size() - position_; }
  std::uint8_t ReadU8();
  std::int32_t ReadI32();
  // The next `count` bytes, without copying. Throws EReadError when fewer are left.
  std::span<const std::uint8_t> ReadBytes(std::size_t count);
  // Everything from the current position to the end.
  std::span<const std::uint8_t> ReadRest();
  // The same, without moving on.
  std::span<const std::uint8_t> Rest() const { return bytes_.subspan(position_); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<std::uint8_t>& target) : target_(target) {}

  void WriteU8(std::uint8_t value) { target_.push_back(value); }
  void WriteU16(std::uint16_t value);
  void WriteI32(std::int32_t value);
  void WriteU32(std::uint32_t value) { WriteI32(static_cast<std::int32_t>(value)); }
  void WriteBytes(std::span<const std::uint8_t> bytes) { target_.insert(target_.end(), bytes.begin(), bytes.end()); }

 private:
  std::vector<std::uint8_t>& target_;
};

// Reads a little-endian value at `offset`; the caller has checked the bounds.
inline std::uint16_t LoadU16(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}
inline std::uint32_t LoadU32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::uint32_t>(bytes[offset]) | (static_cast<std::uint32_t>(bytes[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(bytes[offset + 2]) << 16) | (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}
inline std::int32_t LoadI32(std::span<const std::uint8_t> bytes, std::size_t offset) {
  return static_cast<std::int32_t>(LoadU32(bytes, offset));
}

}  // namespace zv
