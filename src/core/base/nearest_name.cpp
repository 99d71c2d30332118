#include "core/base/nearest_name.h"

#include <algorithm>
#include <vector>

namespace zv {
namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) == Lower(y); });
}

// Optimal string alignment distance, two rows and the one before them.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = Lower(a[i - 1]) == Lower(b[j - 1]) ? 0 : 1;
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + change});
      if (i > 1 && j > 1 && Lower(a[i - 1]) == Lower(b[j - 2]) && Lower(a[i - 2]) == Lower(b[j - 1])) {
        current[j] = std::min(current[j], before[j - 2] + 1);
      }
    }
    std::swap(before, previous);
    std::swap(previous, current);
  }
  return previous[b.size()];
}

std::size_t Allowed(std::size_t length) { return length <= 4 ? 1 : length <= 8 ? 2 : 3; }

}  // namespace

std::string_view NearestName(std::string_view word, std::span<const std::string_view> known) {
  std::string_view best;
  std::size_t bestDistance = Allowed(word.size()) + 1;
  for (const std::string_view name : known) {
    // The lengths' difference is a lower bound of the distance.
    const std::size_t apart = word.size() > name.size() ? word.size() - name.size() : name.size() - word.size();
    if (apart >= bestDistance) continue;
    const std::size_t distance = EditDistance(word, name);
    if (distance < bestDistance) {
      best = name;
      bestDistance = distance;
    }
  }
  if (!best.empty() || word.size() < 3) return best;
  for (const std::string_view name : known) {
    if (name.size() < word.size() || !SameIgnoringCase(word, name.substr(0, word.size()))) continue;
    if (!best.empty()) return {};  // more than one: none is the one meant
    best = name;
  }
  return best;
}

}  // namespace zv
