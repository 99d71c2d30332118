#pragma once
// The value cipher of the promotion settings: a 16-bit key register that
// advances with every byte, and the hexadecimal text the bytes are stored as.
#include <cstdint>
#include <string>
#include <string_view>

namespace zv {

// Every writer and reader of a settings file shares these three; a file
// scrambled with other constants reads back as wrong text. The multiplier is
// 1 mod 4 and the increment odd, so the key register runs through all 65536
// values before it repeats.
inline constexpr std::uint16_t kPromoStartKey = 0x7A3D;
inline constexpr std::uint16_t kPromoMultiplier = 0x9E35;
inline constexpr std::uint16_t kPromoIncrement = 0x2B61;

// Plain bytes to the hexadecimal text of their scrambled bytes.
std::string ScrambleValue(std::string_view plain, std::uint16_t startKey);
// The inverse for every text without NUL bytes; bad hexadecimal text gives
// wrong bytes, never an error.
std::string UnscrambleValue(std::string_view hex, std::uint16_t startKey);

// Two upper-case digits per byte.
std::string HexEncodeBytes(std::string_view bytes);
// Length / 2 bytes: an odd last character is ignored.
std::string HexDecodeBytes(std::string_view hex);
// "0".."9" give their value, every other character its code minus 55 (so
// "A".."F" give 10..15 and lower case gives values past 15).
int HexDigitValue(char c);

}  // namespace zv
