#pragma once
// Path text helpers. Paths are UTF-8, where no byte of a multi-byte character
// is ASCII, so a byte scan finds every separator and only separators.
#include <string>
#include <string_view>

namespace zv {

// The executable's path cut after its last "\" or ":", so it ends in the
// separator (empty when the path has neither).
std::string AppDirFromExePath(std::string_view exePath);

// Case-insensitive (ASCII) wildcard match with "*" and "?", as the file
// system matches long names.
bool WildcardMatch(std::string_view name, std::string_view pattern);

// True when a single file-name part would reach outside its folder or into a
// hidden file stream: it holds "\", "/" or ":".
bool NamesOtherLocation(std::string_view name);

// True when the path ends in "\" or "/".
bool EndsInSeparator(std::string_view path);

}  // namespace zv
