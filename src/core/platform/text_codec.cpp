#include "core/platform/text_codec.h"

#include <cstdio>

#include "core/base/unicode.h"

namespace zv {

std::string Cp936ForDisplay(TextCodec& codec, std::string_view utf8) {
  if (auto whole = codec.Cp936FromUtf8(utf8)) return *whole;
  std::string out;
  ForEachUtf8Character(utf8, [&](char32_t c, std::string_view bytes) {
    const auto one = c == kReplacementCharacter ? std::nullopt : codec.Cp936FromUtf8(bytes);
    if (one) {
      out += *one;
    } else {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
      out += code;
    }
  });
  return out;
}

}  // namespace zv
