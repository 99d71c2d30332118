#include "core/gfx/ellipsis.h"

#include <vector>

namespace zv {
namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Byte offsets at which a character ends, in order.
std::vector<std::size_t> CharacterEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  std::size_t i = 0;
  while (i < text.size()) {
    i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    ends.push_back(i);
  }
  return ends;
}

}  // namespace

std::string ShortenWithEllipsis(TextRenderer& renderer, const FontSpec& font, std::string_view text, int width) {
  if (renderer.Measure(font, text).width <= width) return std::string(text);
  const std::vector<std::size_t> ends = CharacterEnds(text);
  const auto fits = [&](std::size_t characters) {
    const std::size_t bytes = characters == 0 ? 0 : ends[characters - 1];
    return renderer.Measure(font, std::string(text.substr(0, bytes)) + "...").width <= width;
  };
  // Dropping characters from the end until the rest fits is a search for
  // the longest fitting prefix; widths grow with the prefix, so halve.
  std::size_t lo = 0, hi = ends.size();  // the answer lies in [lo, hi)
  while (hi - lo > 1) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (fits(mid)) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  const std::size_t bytes = lo == 0 ? 0 : ends[lo - 1];
  return std::string(text.substr(0, bytes)) + "...";
}

}  // namespace zv
