#pragma once
// zorvane-cli skin frame, hittest, region and render --frame: the skinned
// window frame computed by the core for a size and state, for skin authors
// and checks.
#include <string>
#include <vector>

#include "core/frame/skin_frame.h"
#include "core/platform/files.h"

namespace zv {

// args after "skin": frame|hittest|region|render ... Returns the text to print.
bool IsFrameCommand(const std::vector<std::string>& args);
// render --frame under the skin's minimum size renders at the minimum and
// says so in `warnings`.
std::string RunFrameCommand(Files& files, const std::vector<std::string>& args, std::string* warnings = nullptr);

// --state normal|maximized|rolledup|minimized and --icons sysmenu,minimize,...
FrameState ParseState(const std::string& word);
BorderIcons ParseIcons(const std::string& list);

// The frame picture of the whole window: the client background, the
// frame, its buttons and caption; alpha 255 inside the window's region, 0
// (and no colour) outside.
Bitmap RenderWindowFrame(const SkinFrame& frame, TextRenderer& text, const std::string& caption, bool active);

}  // namespace zv
