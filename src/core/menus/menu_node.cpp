#include "core/menus/menu_node.h"

#include <cctype>

namespace zv {

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

std::string DisplayCaption(std::string_view caption) {
  std::string shown;
  shown.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const unsigned char c = caption[i];
    if (IsLeadByte(c) && i + 1 < caption.size()) {
      shown += caption.substr(i, 2);
      ++i;
    } else if (c == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') shown += caption[++i];
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

char AcceleratorOf(std::string_view caption) {
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const unsigned char c = caption[i];
    if (IsLeadByte(c)) {
      ++i;  // the trail byte of a double-byte character is never a marker
    } else if (c == '&' && i + 1 < caption.size()) {
      if (caption[i + 1] == '&') {
        ++i;
        continue;
      }
      const unsigned char next = caption[i + 1];
      return IsLeadByte(next) ? 0 : static_cast<char>(std::tolower(next));
    }
  }
  return 0;
}

bool IsHeaderCaption(const MenuNode& node) {
  // A lone "-" is a separator, not a header with nothing between its dashes.
  const std::string& c = node.caption;
  return !node.enabled && c.size() >= 2 && c.front() == '-' && c.back() == '-';
}

}  // namespace zv
