#pragma once
// The order the tab key walks a form's controls.
#include <vector>

namespace zv {

struct TabEntry {
  int parent = -1;        // index of the parent entry; -1 for the form itself
  int tabOrder = 0;       // position among its siblings
  bool canFocus = false;  // takes the focus itself (panels do not)
};

// Indexes of the focusable entries, depth first: siblings by tab order (ties
// by index), a container's children right where the container stands.
std::vector<int> TabSequence(const std::vector<TabEntry>& entries);

}  // namespace zv
