#pragma once
// JSON string literals for the commands' --json output.
#include <string>
#include <string_view>

namespace zv {

// `utf8` quoted, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view utf8);

}  // namespace zv
