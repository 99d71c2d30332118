#include "core/app/promo_cipher.h"

namespace zv {

namespace {

std::uint8_t HighByte(std::uint16_t key) { return static_cast<std::uint8_t>(key >> 8); }

// Computed in 32 bits: the product overflows an int.
std::uint16_t NextKey(std::uint16_t key, std::uint8_t byte) {
  const std::uint32_t sum = static_cast<std::uint32_t>(key) + byte;
  return static_cast<std::uint16_t>(sum * kPromoMultiplier + kPromoIncrement);
}

}  // namespace

std::string ScrambleValue(std::string_view plain, std::uint16_t startKey) {
  std::string stored;
  stored.reserve(plain.size());
  std::uint16_t key = startKey;
  for (const char c : plain) {
    const auto p = static_cast<std::uint8_t>(c);
    const auto x = static_cast<std::uint8_t>(p ^ HighByte(key));
    key = NextKey(key, x);
    // A zero would be lost in the text; the unchanged byte equals the key's
    // high byte, which the reader recognises.
    stored += static_cast<char>(x == 0 ? p : x);
  }
  return HexEncodeBytes(stored);
}

std::string UnscrambleValue(std::string_view hex, std::uint16_t startKey) {
  std::string plain = HexDecodeBytes(hex);
  std::uint16_t key = startKey;
  for (char& c : plain) {
    const auto s = static_cast<std::uint8_t>(c);
    if (s == HighByte(key)) {
      key = NextKey(key, 0);
    } else {
      c = static_cast<char>(s ^ HighByte(key));
      key = NextKey(key, s);
    }
  }
  return plain;
}

std::string HexEncodeBytes(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (const char c : bytes) {
    const auto b = static_cast<std::uint8_t>(c);
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0x0F];
  }
  return hex;
}

std::string HexDecodeBytes(std::string_view hex) {
  std::string bytes(hex.size() / 2, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const int value = HexDigitValue(hex[2 * i]) * 16 + HexDigitValue(hex[2 * i + 1]);
    bytes[i] = static_cast<char>(value & 0xFF);
  }
  return bytes;
}

int HexDigitValue(char c) {
  const int code = static_cast<unsigned char>(c);
  if (c >= '0' && c <= '9') return code - '0';
  return code - 55;
}

}  // namespace zv
