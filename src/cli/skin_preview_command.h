#pragma once
// zorvane-cli skin menu / sysmenu / hint: the geometry of a skinned popup
// menu for given texts or for a window state's system menu, or of a hint, as
// JSON or a summary, and optionally its picture.
#include <string>
#include <vector>

#include "core/platform/files.h"
#include "core/platform/text_renderer.h"

namespace zv {

// args start with "menu", "sysmenu" or "hint". `text` measures and draws; nullptr
// takes --cell's cells or the platform's fonts. Returns what to print.
std::string RunSkinPreview(Files& files, const std::vector<std::string>& args, TextRenderer* text = nullptr);

}  // namespace zv
