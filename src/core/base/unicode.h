#pragma once
// UTF-8 and UTF-16 byte work: validation, conversion between the two, and
// character boundaries. Strict UTF-8: no overlong forms, no surrogates,
// nothing past U+10FFFF. Whatever cannot be decoded becomes U+FFFD.
#include <cstddef>
#include <string>
#include <string_view>

namespace zv {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The length of the valid UTF-8 sequence starting at text[i], or 0 when none
// starts there.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i);

// What a scan of a whole text found.
struct Utf8Scan {
  bool valid = true;     // every byte belongs to a valid sequence
  bool hasWide = false;  // at least one three- or four-byte sequence
};
Utf8Scan ScanUtf8(std::string_view text);

void AppendUtf8(std::string& out, char32_t c);

// `text` with every byte that starts no valid sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);

// Calls visit(codePoint, bytes) for each character; an invalid byte is
// visited alone as U+FFFD.
template <typename Visit>
void ForEachUtf8Character(std::string_view text, Visit&& visit);

// UTF-16 bytes (no byte-order mark) to UTF-8; an unpaired surrogate or a
// last odd byte becomes U+FFFD.
void AppendUtf8FromUtf16(std::string& out, std::string_view bytes, bool bigEndian);
// UTF-8 to UTF-16 bytes (no byte-order mark).
void AppendUtf16FromUtf8(std::string& out, std::string_view utf8, bool bigEndian);

// The longest prefix of at most `max` bytes that ends on a character boundary.
std::size_t Utf8Cut(std::string_view text, std::size_t max);

char32_t DecodeUtf8Sequence(std::string_view sequence);

template <typename Visit>
void ForEachUtf8Character(std::string_view text, Visit&& visit) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t n = Utf8SequenceLength(text, i);
    if (n == 0) {
      visit(kReplacementCharacter, text.substr(i, 1));
      ++i;
    } else {
      visit(DecodeUtf8Sequence(text.substr(i, n)), text.substr(i, n));
      i += n;
    }
  }
}

}  // namespace zv
