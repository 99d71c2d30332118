#include "core/ui/tab_order.h"

#include <algorithm>

namespace zv {

std::vector<int> TabSequence(const std::vector<TabEntry>& entries) {
  const int count = static_cast<int>(entries.size());
  std::vector<std::vector<int>> children(static_cast<std::size_t>(count) + 1);  // slot 0: the form
  for (int i = 0; i < count; ++i) children[static_cast<std::size_t>(entries[i].parent + 1)].push_back(i);
  for (auto& list : children) {
    std::stable_sort(list.begin(), list.end(),
                     [&](int a, int b) { return entries[a].tabOrder < entries[b].tabOrder; });
  }
  std::vector<int> sequence;
  std::vector<int> stack(children[0].rbegin(), children[0].rend());
  while (!stack.empty()) {
    const int i = stack.back();
    stack.pop_back();
    if (entries[i].canFocus) sequence.push_back(i);
    const auto& kids = children[static_cast<std::size_t>(i) + 1];
    stack.insert(stack.end(), kids.rbegin(), kids.rend());
  }
  return sequence;
}

}  // namespace zv
