#pragma once
// Which link texts may be handed to the shell.
#include <string_view>

namespace zv {

// Only "http://" and "https://" links (scheme in any case) are opened: a
// local path, a program name or another scheme from a downloaded settings
// file must never start anything.
bool IsWebLink(std::string_view link);

}  // namespace zv
