#pragma once
// Text as the terminal shows it: UTF-8 on every system (the Windows build
// switches its console to UTF-8). Control characters other than line feed
// and tab, C1 controls included, are shown as "\x1B" and so on, so text from
// a file cannot move the cursor or command the terminal.
#include <optional>
#include <string>
#include <string_view>

namespace zv {

// CP936 text (messages, skin names); a byte that starts no character
// becomes U+FFFD.
std::string ToTerminal(std::string_view cp936);

// UTF-8 text (paths, names on disk), with its controls shown.
std::string Utf8ToTerminal(std::string_view utf8);

// The inverse for command-line arguments: UTF-8 to CP936, nothing when a
// character has no CP936 form.
std::optional<std::string> FromTerminal(std::string_view text);

}  // namespace zv
