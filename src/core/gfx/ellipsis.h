#pragma once
// Shortening a line of CP936 text to a width with a trailing "...".
#include <string>
#include <string_view>

#include "core/platform/text_renderer.h"

namespace zv {

// The text itself when it fits in `width`; otherwise its longest leading
// part (whole characters, a double-byte character never split) that fits
// followed by "...", or just "..." when no part fits.
std::string ShortenWithEllipsis(TextRenderer& renderer, const FontSpec& font, std::string_view text, int width);

}  // namespace zv
