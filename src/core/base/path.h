#pragma once
// Path text helpers. Paths are CP936 byte strings in Windows form: a "\" that
// is the trail byte of a double-byte character is no separator.
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
