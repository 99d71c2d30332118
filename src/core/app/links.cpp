#include "core/app/links.h"

#include <algorithm>
#include <cctype>

namespace zv {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() > prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

}  // namespace

bool IsWebLink(std::string_view link) { return StartsWithNoCase(link, "http://") || StartsWithNoCase(link, "https://"); }

}  // namespace zv
