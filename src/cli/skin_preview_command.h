#pragma once
// zorvane-cli skin menu / skin hint: the geometry of a skinned popup menu
// or hint for given texts, as JSON or a summary, and optionally its picture.
#include <string>
#include <vector>

#include "core/platform/files.h"
#include "core/platform/text_renderer.h"

namespace zv {

// args start with "menu" or "hint". `text` measures and draws; nullptr
// takes --cell's cells or the platform's fonts. Returns what to print.
std::string RunSkinPreview(Files& files, const std::vector<std::string>& args, TextRenderer* text = nullptr);

}  // namespace zv
