#include "core/base/path.h"

namespace zv {

std::string AppDirFromExePath(std::string_view exePath) {
  const auto last = exePath.find_last_of("\\:");
  return std::string(exePath.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool WildcardMatch(std::string_view name, std::string_view pattern) {
  // Iterative match with one backtrack point per "*": linear in practice.
  std::size_t n = 0, p = 0;
  std::size_t starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || LowerAscii(pattern[p]) == LowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

bool NamesOtherLocation(std::string_view name) { return name.find_first_of("\\/:") != std::string_view::npos; }

bool EndsInSeparator(std::string_view path) { return path.ends_with('\\') || path.ends_with('/'); }

}  // namespace zv
