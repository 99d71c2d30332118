#include "core/base/path.h"

#include "core/base/cp936.h"

namespace zv {

std::string AppDirFromExePath(std::string_view exePath) {
  std::size_t end = 0;
  ForEachSingleByte(exePath, [&](std::size_t i, char c) {
    if (c == '\\' || c == ':') end = i + 1;
  });
  return std::string(exePath.substr(0, end));
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

bool NamesOtherLocation(std::string_view name) {
  bool other = false;
  ForEachSingleByte(name, [&](std::size_t, char c) { other = other || c == '\\' || c == '/' || c == ':'; });
  return other;
}

bool EndsInSeparator(std::string_view path) {
  bool ends = false;
  ForEachSingleByte(path, [&](std::size_t i, char c) { ends = i + 1 == path.size() && (c == '\\' || c == '/'); });
  return ends;
}

}  // namespace zv
