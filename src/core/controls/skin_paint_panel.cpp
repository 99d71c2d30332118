#include "core/controls/skin_paint_panel.h"

namespace zv {

TzsSkinPaintPanel::TzsSkinPaintPanel(SkinControlHost& host, std::string skinDataName)
    : TzsSkinPanel(host, std::move(skinDataName)) {
  SetDirectBackground(false);
}

void TzsSkinPaintPanel::Paint(const BitmapView& canvas) {
  const Size size = CurrentSize();
  if (size.width < 1 || size.height < 1) return;
  TzsSkinPanel::Paint(canvas);
  if (OnPanelPaint) OnPanelPaint(canvas, ClientArea());
}

bool TzsSkinPaintPanel::EraseBackground(const BitmapView& canvas) {
  if (InPaintMessage) return false;
  Paint(canvas);
  return true;
}

}  // namespace zv
