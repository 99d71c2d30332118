#pragma once
// The one place text crosses to and from UTF-16: CP936 always with code page
// 936, whatever the system's ANSI code page is; paths and Unicode text as
// UTF-8.
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/text_codec.h"

namespace zv::win {

// All four throw zv::Error for a text past the conversion functions' int counts.
std::wstring Wide(std::string_view cp936);
std::string Narrow(std::wstring_view wide);
// Invalid UTF-8 and unpaired surrogates become U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// The system's text for an error code, trimmed of line ends and full stops.
std::string SystemErrorText(unsigned long code);

// The core's CP936 conversions on code page 936.
class WinTextCodec : public TextCodec {
 public:
  std::string Utf8FromCp936(std::string_view cp936) override;
  std::optional<std::string> Cp936FromUtf8(std::string_view utf8) override;
};

}  // namespace zv::win
