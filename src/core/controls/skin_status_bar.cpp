#include "core/controls/skin_status_bar.h"

#include <algorithm>

#include "core/gfx/blit.h"

namespace zv {

TzsSkinStatusBar::TzsSkinStatusBar(SkinControlHost& host, std::string skinDataName)
    : TzsSkinPanel(host, std::move(skinDataName)) {
  SetBorderStyle(TzsSkinBorderStyle::bvNone);
  const Rect b = host_.Bounds();
  host_.ApplyBounds(Rect::FromSize(b.left, b.top, b.Width(), kDefaultHeight));
}

void TzsSkinStatusBar::SetSizeGrip(bool on) {
  if (on == sizeGrip_) return;
  sizeGrip_ = on;
  host_.Invalidate();
  host_.RealignChildren();
}

void TzsSkinStatusBar::SetFormAllowsGrip(bool allows) {
  if (allows == formAllowsGrip_) return;
  formAllowsGrip_ = allows;
  host_.Invalidate();
  host_.RealignChildren();
}

Rect TzsSkinStatusBar::GripBeside(const Rect& client) {
  const auto* record = dynamic_cast<const TzsDataSkinPanelControl*>(Record());
  Rect grip;
  if (record && !record->gripperRect.IsEmpty()) {
    const Rect& g = record->gripperRect;
    grip = Rect::FromSize(client.right, client.bottom - g.Height(), g.Width(), g.Height());
  } else {
    grip = {client.right, client.top, client.right + client.Height(), client.bottom - 2};
  }
  // A client area reaching the bar's right edge would put the grip outside
  // the bar, where no hit test can find it: keep it inside instead.
  const int overhang = grip.right - CurrentSize().width;
  return overhang > 0 ? grip.Offset(-overhang, 0) : grip;
}

Rect TzsSkinStatusBar::GripArea() {
  if (!GripShown()) return {};
  return GripBeside(TzsSkinPanel::ClientArea());
}

SkinHitTest TzsSkinStatusBar::HitTest(Point p) {
  return GripArea().Contains(p) ? SkinHitTest::kBottomRight : SkinHitTest::kClient;
}

Rect TzsSkinStatusBar::ClientArea() {
  Rect area = TzsSkinPanel::ClientArea();
  if (!GripShown()) return area;
  area.right = std::max(area.left, std::min(area.right, GripBeside(area).left));
  return area;
}

void TzsSkinStatusBar::Paint(const BitmapView& canvas) {
  const Size size = CurrentSize();
  if (size.width < 1 || size.height < 1) return;
  TzsSkinPanel::Paint(canvas);
  const Rect grip = GripArea();
  if (!grip.IsEmpty()) PaintGrip(canvas, grip);
}

void TzsSkinStatusBar::PaintGrip(const BitmapView& canvas, const Rect& grip) {
  const auto* record = dynamic_cast<const TzsDataSkinPanelControl*>(Record());
  if (record && !record->gripperRect.IsEmpty()) {
    if (record->gripperTransparent) {
      BlitKeyed(canvas, {grip.left, grip.top}, Pieces().picture, record->gripperRect,
                ResolveColor(record->gripperTransparentColor));
    } else {
      Blit(canvas, grip, Point{grip.left, grip.top}, Pieces().picture, record->gripperRect);
    }
    return;
  }
  // The plain grip: diagonal ridges, highlight then two shadow lines, from
  // the bottom-right corner.
  const Pixel light = SystemPixel(kColorBtnHighlight);
  const Pixel shadow = SystemPixel(kColorBtnShadow);
  const int side = std::min(grip.Width(), grip.Height());
  for (int d = 1; d < side; ++d) {
    const int phase = d % 4;
    if (phase == 0) continue;
    const Pixel ink = phase == 1 ? light : shadow;
    for (int t = 0; t < d; ++t) {
      const Point p{grip.right - d + t, grip.bottom - 1 - t};
      canvas.Fill(Rect::FromSize(p.x, p.y, 1, 1).Intersect(grip), ink);
    }
  }
}

}  // namespace zv
