#pragma once
// "Did you mean": the known name nearest to a mistyped one.
#include <span>
#include <string_view>

namespace zv {

// The name of `known` fewest edits (insert, delete, change, swap of two
// neighbours; ASCII case ignored) away from `word`, when it is near enough to
// be the one meant: at most 1 edit for names up to 4 characters, 2 up to 8,
// 3 beyond. Failing that, the one name `word` is the start of ("close" for
// "closebutton"), when it has at least 3 characters. Empty when none is.
std::string_view NearestName(std::string_view word, std::span<const std::string_view> known);

}  // namespace zv
