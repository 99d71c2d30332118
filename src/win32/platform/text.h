#pragma once
// The one place CP936 text crosses to and from UTF-16: always code page 936,
// whatever the system's ANSI code page is.
#include <string>
#include <string_view>

namespace zv::win {

// Both throw zv::Error for a text past the conversion functions' int counts.
std::wstring Wide(std::string_view cp936);
std::string Narrow(std::wstring_view wide);
// The system's text for an error code, trimmed of line ends and full stops.
std::string SystemErrorText(unsigned long code);

}  // namespace zv::win
