#include "core/base/byte_stream.h"

namespace zv {

std::uint8_t ByteReader::ReadU8() { return ReadBytes(1)[0]; }

std::int32_t ByteReader::ReadI32() { return LoadI32(ReadBytes(4), 0); }

std::span<const std::uint8_t> ByteReader::ReadBytes(std::size_t count) {
  if (count > remaining()) throw EReadError();
  const auto part = bytes_.subspan(position_, count);
  position_ += count;
  return part;
}

std::span<const std::uint8_t> ByteReader::ReadRest() { return ReadBytes(remaining()); }

void ByteWriter::WriteU16(std::uint16_t value) {
  WriteU8(static_cast<std::uint8_t>(value));
  WriteU8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::WriteI32(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) WriteU8(static_cast<std::uint8_t>(u >> shift));
}

}  // namespace zv
