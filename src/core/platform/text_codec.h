#pragma once
// CP936 and Unicode, converted as the platform converts them (code page 936
// on Windows, iconv elsewhere), so names come out as the system spells them.
#include <optional>
#include <string>
#include <string_view>

namespace zv {

class TextCodec {
 public:
  virtual ~TextCodec() = default;
  // Never fails: bytes that form no CP936 character decode as the platform
  // decodes them.
  virtual std::string Utf8FromCp936(std::string_view cp936) = 0;
  // Nothing when `utf8` is not valid UTF-8 or holds a character CP936 lacks;
  // no character is ever replaced by a look-alike or "?".
  virtual std::optional<std::string> Cp936FromUtf8(std::string_view utf8) = 0;
};

// UTF-8 text for a CP936 message: each character CP936 lacks is spelt U+XXXX,
// an invalid byte U+FFFD, so the message still names what it is about.
std::string Cp936ForDisplay(TextCodec& codec, std::string_view utf8);

}  // namespace zv
