// Where things are on the bar: pane alignment, text rectangles, the grip.
#include <array>

#include "core/status/status_bar.h"

namespace zv {
namespace {

// Aligned panes are placed by kind in this order, each kind in creation
// order, every one taking its strip from what the earlier ones left.
constexpr std::array<TAlign, 5> kAlignOrder{alTop, alBottom, alLeft, alRight, alClient};

Rect TakeStrip(TAlign align, const TSbCustomStatusPane& pane, Rect& rest) {
  const int w = pane.Width(), h = pane.Height();
  switch (align) {
    case alTop:
      rest.top += h;
      return {rest.left, rest.top - h, rest.right, rest.top};
    case alBottom:
      rest.bottom -= h;
      return {rest.left, rest.bottom, rest.right, rest.bottom + h};
    case alLeft:
      rest.left += w;
      return {rest.left - w, rest.top, rest.left, rest.bottom};
    case alRight:
      rest.right -= w;
      return {rest.right, rest.top, rest.right + w, rest.bottom};
    default:
      return rest;
  }
}

}  // namespace

Rect TSbCustomPanel::AlignRect() const {
  const int inset = FrameThickness(borderOuter_) + borderWidth_ + FrameThickness(borderInner_);
  return ClientRect().Inflate(-inset, -inset);
}

void TSbStatusBar::Realign() {
  Rect rest = AlignRect();
  for (const auto& pane : panes_) {
    if (pane->Align() == alNone)
      pane->PlaceAt(Rect::FromSize(pane->Left(), pane->Top(), pane->Width(), pane->Height()));
  }
  for (const TAlign align : kAlignOrder) {
    for (const auto& pane : panes_) {
      if (pane->Align() == align && pane->Visible()) pane->PlaceAt(TakeStrip(align, *pane, rest));
    }
  }
  host_.Invalidate(ClientRect());
}

Rect TSbStatusBar::PaneTextRect(const TSbCustomStatusPane& pane) const {
  const int inset = pane.BorderWidth() + TextInset(pane.FrameStyle());
  Rect r = pane.BoundsRect().Inflate(-inset, -inset);
  if (pane.KeepsGripFree() && showSizeGrip_ && pane.BoundsRect().right >= AlignRect().right) r.right -= GripReserve();
  return r;
}

bool TSbStatusBar::GripActive() { return showSizeGrip_ && host_.WindowSizeable() && !host_.WindowMaximised(); }

Rect TSbStatusBar::GripRect() const { return {Width() - ScaleLength(kGripWidth, dpi_), 0, Width(), Height()}; }

bool TSbStatusBar::IsGripPoint(Point p) { return GripActive() && GripRect().Contains(p); }

}  // namespace zv
