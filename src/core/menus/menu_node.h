#pragma once
// A platform menu item as the skinned menus see it: the shell copies its
// menus into this tree (and back, when a command runs), so the core never
// touches platform menu handles.
#include <string>
#include <string_view>
#include <vector>

namespace zv {

struct MenuNode {
  std::string caption;   // CP936; "-" is a separator, "&x" marks the accelerator
  std::string shortcut;  // text shown right-aligned, e.g. "Alt+F4"
  std::string name;      // component name; some system commands get glyphs
  std::string hint;
  int command = 0;  // what the shell dispatches
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  bool isDefault = false;  // drawn in the bold form of the menu's font
  bool radioItem = false;
  int imageIndex = -1;
  std::vector<MenuNode> children;

  bool IsSeparator() const { return caption == "-"; }
  bool HasChildren() const { return !children.empty(); }
  // Enabled and not a separator: keyboard and mouse may land on it.
  bool Selectable() const { return enabled && !IsSeparator(); }
};

// A caption as drawn: "&&" becomes "&", a single "&" disappears, and the
// character after the first single "&" is the accelerator (none when that
// is a double-byte character).
struct ShownCaption {
  std::string text;
  std::size_t accelerator = std::string::npos;  // index in `text`
};
ShownCaption ShowCaption(std::string_view caption);
std::string DisplayCaption(std::string_view caption);
// The lower-case accelerator byte ("&F" gives 'f'), or 0 without one.
char AcceleratorOf(std::string_view caption);
// A disabled caption of at least two bytes that starts and ends with "-".
bool IsHeaderCaption(const MenuNode& node);

}  // namespace zv
