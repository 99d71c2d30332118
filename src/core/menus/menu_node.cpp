#include "core/menus/menu_node.h"

#include <cctype>

namespace zv {

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

ShownCaption ShowCaption(std::string_view caption) {
  ShownCaption shown;
  shown.text.reserve(caption.size());
  bool marked = false;  // the first single "&" decides, even when it marks nothing
  for (std::size_t i = 0; i < caption.size(); ++i) {
    const unsigned char c = caption[i];
    if (IsLeadByte(c) && i + 1 < caption.size()) {
      shown.text += caption.substr(i, 2);
      ++i;
    } else if (c == '&') {
      if (i + 1 >= caption.size()) continue;
      if (caption[i + 1] == '&') {
        shown.text += caption[++i];
        continue;
      }
      if (!marked && !IsLeadByte(caption[i + 1])) shown.accelerator = shown.text.size();
      marked = true;
    } else {
      shown.text += static_cast<char>(c);
    }
  }
  return shown;
}

std::string DisplayCaption(std::string_view caption) { return ShowCaption(caption).text; }

char AcceleratorOf(std::string_view caption) {
  const ShownCaption shown = ShowCaption(caption);
  if (shown.accelerator == std::string::npos) return 0;
  return static_cast<char>(std::tolower(static_cast<unsigned char>(shown.text[shown.accelerator])));
}

bool IsHeaderCaption(const MenuNode& node) {
  // A lone "-" is a separator, not a header with nothing between its dashes.
  const std::string& c = node.caption;
  return !node.enabled && c.size() >= 2 && c.front() == '-' && c.back() == '-';
}

}  // namespace zv
