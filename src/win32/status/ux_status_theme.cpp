#include "win32/status/ux_status_theme.h"

#include <vsstyle.h>

namespace zv::win {
namespace {

// The background has no part of its own: part 0 is the class's background.
int PartId(StatusThemePart part) {
  switch (part) {
    case StatusThemePart::kPane:
      return SP_PANE;
    case StatusThemePart::kGripper:
      return SP_GRIPPER;
    default:
      return 0;
  }
}

}  // namespace

void UxStatusTheme::Open(HWND hwnd) {
  Close();
  if (IsAppThemed() && IsThemeActive()) theme_ = OpenThemeData(hwnd, L"Status");
}

void UxStatusTheme::Close() {
  if (theme_) CloseThemeData(theme_);
  theme_ = nullptr;
}

bool UxStatusTheme::Active() const { return theme_ != nullptr && IsAppThemed() && IsThemeActive(); }

void UxStatusTheme::DrawPart(const BitmapView& target, StatusThemePart part, const Rect& rect, const Rect& clip) {
  if (!theme_) return;
  DrawWithGdi(scratch_, target, clip, [&](HDC dc, Point at) {
    const Rect local = rect.Offset(-at.x, -at.y);
    const Rect localClip = clip.Intersect(target.bounds()).Offset(-at.x, -at.y);
    const RECT r{local.left, local.top, local.right, local.bottom};
    const RECT c{localClip.left, localClip.top, localClip.right, localClip.bottom};
    DrawThemeBackground(theme_, dc, PartId(part), 0, &r, &c);
  });
}

}  // namespace zv::win
