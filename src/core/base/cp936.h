#pragma once
// CP936 (GBK) characters in byte scans. A double-byte character is a lead
// byte 0x81..0xFE and a trail byte 0x40..0xFE other than 0x7F; the trail byte
// may be "\" (誠 is D5 5C) or a letter, so a scan for single-byte characters
// steps over whole double-byte ones. Only CP936 text may be scanned this way.
#include <cstddef>
#include <string_view>

namespace zv {

constexpr bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
constexpr bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// Calls visit(index, byte) for every byte that is not part of a double-byte
// character. A lead byte without a valid trail counts as a single byte, so
// "/" and ":" (never trail bytes) are always seen.
template <typename Visit>
void ForEachSingleByte(std::string_view text, Visit&& visit) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair = i + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[i])) &&
                      IsTrailByte(static_cast<unsigned char>(text[i + 1]));
    if (pair) {
      ++i;
    } else {
      visit(i, text[i]);
    }
  }
}

}  // namespace zv
