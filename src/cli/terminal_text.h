#pragma once
// CP936 text as the terminal shows it.
#include <string>
#include <string_view>

namespace zv {

// UTF-8 on Linux (undecodable bytes become "?", a cut last character is
// dropped); unchanged on Windows, whose console reads the ANSI code page.
std::string ToTerminal(std::string_view cp936);

}  // namespace zv
