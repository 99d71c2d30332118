#pragma once
// JSON string literals for the commands' --json output.
#include <string>
#include <string_view>

#include "core/base/geometry.h"

namespace zv {

// `utf8` quoted, with quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view utf8);

// [left, top, right, bottom]
std::string JsonRect(const Rect& r);

}  // namespace zv
