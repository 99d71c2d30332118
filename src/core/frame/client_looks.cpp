#include "core/frame/client_looks.h"

#include <algorithm>

#include "core/gfx/blit.h"
#include "core/gfx/effects.h"

namespace zv {

void DrawLogo(const BitmapView& client, const BitmapView& logo, bool transparent) {
  if (logo.width() <= 0 || logo.height() <= 0) return;
  const Point at{std::max(0, client.width() / 2 - logo.width() / 2),
                 std::max(0, client.height() / 2 - logo.height() / 2)};
  if (transparent) {
    BlitKeyed(client, at, logo, logo.bounds(), ToColorRef(logo.At(0, logo.height() - 1)));
  } else {
    Blit(client, at, logo, logo.bounds());
  }
}

void VeilClient(const BitmapView& snapshot, const BitmapView& background, ClientInActiveEffectType type) {
  if (type == ClientInActiveEffectType::zsieBlur) {
    Blur(snapshot, 3);
    return;
  }
  Bitmap veil(background.width(), background.height());
  const BitmapView v = veil.view();
  Blit(v, {0, 0}, background, background.bounds());
  for (int y = 0; y < v.height(); ++y) {
    for (Pixel* p = v.Row(y); p != v.Row(y) + v.width(); ++p) p->a = 170;
  }
  AlphaBlend(snapshot, {0, 0}, v);
}

}  // namespace zv
