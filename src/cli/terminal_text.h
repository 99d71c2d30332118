#pragma once
// CP936 text as the terminal shows it.
#include <optional>
#include <string>
#include <string_view>

namespace zv {

// UTF-8 on Linux (undecodable bytes become "?", a cut last character is
// dropped); unchanged on Windows, whose console reads the ANSI code page.
// Control characters other than line feed and tab are shown as "\x1B" and
// so on, so text from a file cannot move the cursor or command the terminal.
std::string ToTerminal(std::string_view cp936);

// The inverse for command-line arguments: UTF-8 on Linux to CP936, nothing
// when a character has no CP936 form; unchanged on Windows.
std::optional<std::string> FromTerminal(std::string_view text);

}  // namespace zv
