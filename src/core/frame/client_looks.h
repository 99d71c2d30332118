#pragma once
// What the frame adds to the client area: the logo centred on the
// background, and the veil over the client of an inactive window.
#include "core/base/bitmap.h"

namespace zv {

enum class ClientInActiveEffectType { zsieSemiTransparent, zsieBlur };

// The logo centred on a `client`-sized background, never above or left of
// its corner; a transparent logo leaves out the colour of its bottom-left pixel.
void DrawLogo(const BitmapView& client, const BitmapView& logo, bool transparent);

// The inactive veil from a snapshot of the client: blurred, or the
// client's bare background laid over it at alpha 170.
void VeilClient(const BitmapView& snapshot, const BitmapView& background, ClientInActiveEffectType type);

}  // namespace zv
