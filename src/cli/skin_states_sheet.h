#pragma once
// zorvane-cli skin render --states: the whole skin on one labelled picture,
// so its author sees every look at once: the caption bar active and
// inactive, every caption button in every look (normal, hot, down,
// inactive, and the restore looks of the state it undoes), and a menu with
// an active, a disabled and a separator item.
#include "core/platform/text_renderer.h"
#include "core/skin/package_skin.h"

namespace zv {

// Opaque; `text` draws the labels as well as the skin's own texts.
Bitmap RenderStatesSheet(const PackageSkin& skin, int dpi, TextRenderer& text);

}  // namespace zv
