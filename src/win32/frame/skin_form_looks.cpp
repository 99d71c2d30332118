// The form's looks beyond the frame: the small icon on the system-menu
// button, the first show's place, translucency and its fade-in, the logo,
// the inactive veil, the buttons' glow and the objects' events.
#include <algorithm>

#include "win32/frame/skin_form.h"
#include "win32/platform/dpi.h"
#include "win32/platform/monitor.h"

namespace zv::win {
namespace {

constexpr UINT kFadeInterval = 10;

Size SmallIconSize(int dpi) {
  const int w = SystemMetricAt(SM_CXSMICON, dpi), h = SystemMetricAt(SM_CYSMICON, dpi);
  if (w > 0 && h > 0) return {w, h};
  return {SystemMetricAt(SM_CXSIZE, dpi), SystemMetricAt(SM_CYSIZE, dpi)};
}

// The form's small icon, else its large one, else the application's.
HICON FormIcon(HWND window) {
  for (const WPARAM kind : {ICON_SMALL, ICON_SMALL2, ICON_BIG}) {
    if (auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, kind, 0))) return icon;
  }
  for (const int index : {GCLP_HICONSM, GCLP_HICON}) {
    if (auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, index))) return icon;
  }
  return LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
}

// The icon with straight alpha: drawn on black and on white, what shows
// through tells how opaque each pixel is, whatever kind of icon it is.
Bitmap IconPicture(HICON icon, Size size) {
  DibSurface black, white;
  black.Resize(size);
  white.Resize(size);
  black.view().Fill(black.view().bounds(), Pixel{0, 0, 0, 255});
  white.view().Fill(white.view().bounds(), Pixel{255, 255, 255, 255});
  DrawIconEx(black.dc(), 0, 0, icon, size.width, size.height, 0, nullptr, DI_NORMAL);
  DrawIconEx(white.dc(), 0, 0, icon, size.width, size.height, 0, nullptr, DI_NORMAL);
  GdiFlush();
  Bitmap out(size.width, size.height);
  for (int y = 0; y < size.height; ++y) {
    for (int x = 0; x < size.width; ++x) {
      const Pixel b = black.view().At(x, y), w = white.view().At(x, y);
      const int alpha = std::clamp(255 - (w.g - b.g), 0, 255);
      auto straight = [&](int c) { return static_cast<std::uint8_t>(alpha ? std::min(255, c * 255 / alpha) : 0); };
      out.At(x, y) = {straight(b.b), straight(b.g), straight(b.r), static_cast<std::uint8_t>(alpha)};
    }
  }
  return out;
}

}  // namespace

void TzsSkinForm::SetShowIcon(bool show) {
  options_.showIcon = show;
  options_.smallIcon = SmallIconSize(dpi_);
  RefreshOptions();
  frame_.SetOptions(options_);
  UpdateSmallIcon();
  Repaint();
}

void TzsSkinForm::UpdateSmallIcon() {
  frame_.SetSmallIcon(options_.showIcon ? IconPicture(FormIcon(window_), options_.smallIcon) : Bitmap{});
}

Rect TzsSkinForm::FirstShowBounds(const Rect& normal) const {
  const MonitorAreas areas = MonitorAreasOf(window_);
  return zv::FirstShowBounds(PositionInMonitor, areas.monitor, areas.work, normal);
}

// The first show in the normal state puts the window in place; shown
// minimised or maximised, the place waits for the first restore.
void TzsSkinForm::PlaceAtFirstNormalShow() {
  if (!states_.firstShowPending || !IsWindowVisible(window_)) return;
  if (PositionInMonitor == zv::PositionInMonitor::zspDefault) {
    states_.firstShowPending = false;
  } else if (states_.State() == WindowState::wsNormal && !IsIconic(window_) && !IsZoomed(window_)) {
    states_.firstShowPending = false;
    SetBounds(FirstShowBounds(Bounds()));
  }
}

void TzsSkinForm::OnShow(bool shown) {
  if (!shown) {
    HideGlow();
    if (fade_) KillTimer(window_, kFadeTimer);
    fade_.reset();
    if (translucency_.alphaBlend) SetLayered(false);
    return;
  }
  PlaceAtFirstNormalShow();
  translucency_.animation = AlphaBlendAnimation;
  if (!skinnable_ || !translucency_.FadesIn()) return;
  SetLayered(true);
  SetLayeredWindowAttributes(window_, 0, 0, LWA_ALPHA);
  fade_.emplace(translucency_);
  if (!SetTimer(window_, kFadeTimer, kFadeInterval, nullptr)) FadeStep();
}

// One step of the fade-in; the window never waits on it.
void TzsSkinForm::FadeStep() {
  if (!fade_) return;
  const FadeIn::Step step = fade_->Next();
  SetLayeredWindowAttributes(window_, 0, step.alpha, LWA_ALPHA);
  if (!step.done) return;
  KillTimer(window_, kFadeTimer);
  fade_.reset();
  if (step.opaque) SetLayered(false);
}

void TzsSkinForm::SetLayered(bool on) {
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  const LONG_PTR wanted = on ? style | WS_EX_LAYERED : style & ~static_cast<LONG_PTR>(WS_EX_LAYERED);
  if (wanted != style) SetWindowLongPtrW(window_, GWL_EXSTYLE, wanted);
}

void TzsSkinForm::SetAlphaBlend(bool on) {
  if (on == translucency_.alphaBlend) return;
  translucency_.alphaBlend = on;
  SetLayered(on);
  if (on) SetLayeredWindowAttributes(window_, 0, translucency_.value, LWA_ALPHA);
}

void TzsSkinForm::SetAlphaBlendValue(std::uint8_t value) {
  if (value == translucency_.value) return;
  translucency_.value = value;
  if (translucency_.alphaBlend) SetLayeredWindowAttributes(window_, 0, value, LWA_ALPHA);
}

// After a display change a window larger than its monitor allows gets
// the platform to size it again.
void TzsSkinForm::NudgeWidthIfTooLarge() {
  const MonitorAreas areas = MonitorAreasOf(window_);
  const Size max = MaxFrameSize(states_.maximizeOnFullScreen ? areas.monitor : areas.work, Limits);
  const Rect r = Bounds();
  if (r.Width() <= max.width && r.Height() <= max.height) return;
  const int step = r.Width() - 1 < frame_.MinSize(Limits).width ? 1 : -1;
  const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(window_, nullptr, 0, 0, r.Width() + step, r.Height(), flags);
  SetWindowPos(window_, nullptr, 0, 0, r.Width(), r.Height(), flags);
}

void TzsSkinForm::SetOnCaptionPaint(CaptionPainter painter) {
  frame_.SetCaptionPainter(std::move(painter));
  Repaint();
}

void TzsSkinForm::FireEnterLeave(int previous) {
  const int now = frame_.tracker().underMouse();
  if (now == previous) return;
  UpdateGlow();
  const auto& objects = frame_.objects();
  const auto named = [&](int i) { return i >= 0 && i < static_cast<int>(objects.size()) ? &objects[i] : nullptr; };
  if (const CaptionObject* left = named(previous); left && OnMouseLeaveEvent) OnMouseLeaveEvent(left->Name());
  if (const CaptionObject* entered = named(now); entered && OnMouseEnterEvent) OnMouseEnterEvent(entered->Name());
}

void TzsSkinForm::FireMouse(const ObjectMouseEvent& event, int index, Point p, MouseButton button) {
  const auto& objects = frame_.objects();
  if (!event || index < 0 || index >= static_cast<int>(objects.size())) return;
  const CaptionObject& o = objects[static_cast<std::size_t>(index)];
  event(o.Name(), p.x, p.y, o.rect, button);
}

void TzsSkinForm::FireMove(Point p) {
  const auto& objects = frame_.objects();
  const int index = frame_.tracker().moveTarget();
  if (!OnMouseMoveEvent || index < 0 || index >= static_cast<int>(objects.size())) return;
  const CaptionObject& o = objects[static_cast<std::size_t>(index)];
  OnMouseMoveEvent(o.Name(), p.x, p.y, o.rect);
}

// The object under the mouse shows its glow beside it, on the screen.
void TzsSkinForm::UpdateGlow() {
  const auto& objects = frame_.objects();
  const int now = frame_.tracker().underMouse();
  const std::optional<GlowLayer> layer = now >= 0 && now < static_cast<int>(objects.size())
                                             ? GlowOf(objects[static_cast<std::size_t>(now)], frame_.skin())
                                             : std::nullopt;
  if (!layer || !TzsLayerManager::LayeringAvailable()) {
    HideGlow();
    return;
  }
  if (!glow_) glow_ = std::make_unique<TzsLayerManager>();
  RECT r{};
  GetWindowRect(window_, &r);
  glow_->Show(r.left + layer->at.x, r.top + layer->at.y, layer->alpha, layer->mask, layer->picture);
}

void TzsSkinForm::HideGlow() {
  if (glow_) glow_->Hide();
}

void TzsSkinForm::SetLogoBitMap(Bitmap logo) {
  logo_ = std::move(logo);
  InvalidateRect(window_, nullptr, TRUE);
}

// The veil comes with deactivation and goes with activation.
void TzsSkinForm::UpdateVeil() {
  if (active_ || !ClientInActiveEffect || !IsWindowVisible(window_)) {
    veil_.Hide();
    return;
  }
  DibSurface background;
  DrawClientBackground(background);
  veil_.Show(window_, background.view(), ClientInActiveEffectType);
}

}  // namespace zv::win
