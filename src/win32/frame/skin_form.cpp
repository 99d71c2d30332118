#include "win32/frame/skin_form.h"

// Sections: commands, attachment, skin changes, painting, the message hook.
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "win32/gfx/regions.h"
#include "win32/menus/application_hints.h"
#include "win32/platform/dpi.h"
#include "win32/platform/monitor.h"
#include "win32/platform/text.h"

namespace zv::win {
namespace {

constexpr UINT_PTR kSubclassId = 0x7A73;  // "zs"
constexpr UINT_PTR kTrackingTimer = 0x7A74;
constexpr UINT kTrackingInterval = 50;
constexpr UINT_PTR kMorphTimer = 0x7A75;
constexpr UINT kMorphInterval = SkinFrame::kLookTick;
constexpr UINT_PTR kAnimationTimer = 0x7A76;

// Inquiries other programs send a skinned window.
constexpr UINT kAskSkinned = 45490;
constexpr UINT kAskPaintFrame = 45513;
constexpr UINT kAskPaintFrameToo = 48203;
constexpr LRESULT kSkinnedAnswer = 12853;
constexpr LRESULT kPlatformFrameAnswer = 12852;
constexpr LRESULT kPaintedAnswer = 12851;
constexpr LPARAM kPaintFrameTooKey = 16802;

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

std::string WindowCaption(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return Narrow(text);
}

// Moving, sizing, a change of activation or focus and any press end the
// window's open menu and its button hint before the message is handled.
bool EndsMenuAndHint(UINT msg) {
  switch (msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
      return true;
    default:
      return false;
  }
}

}  // namespace

TzsSkinForm::TzsSkinForm(HWND window, TextRenderer& text) : window_(window), text_(text) {
  states_.firstShowPending = !IsWindowVisible(window_);  // the first show may place it
  RegisterLiving(this, true);
  attached_ = SetWindowSubclass(window_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
  active_ = GetActiveWindow() == window_;
  options_.showCustomObject = [this](const std::string& name) {
    bool visible = false;
    if (OnActivateCustomObject) OnActivateCustomObject(name, visible);
    return visible;
  };
  frame_.SetObjectPainter([this](const std::string& name, const BitmapView& canvas, const Rect& rect) {
    if (OnPaintEvent) OnPaintEvent(name, canvas, rect);
  });
  ApplyFormSkin();
}

TzsSkinForm::~TzsSkinForm() {
  RegisterLiving(this, false);
  SetTrayIcon(nullptr);
  for (TzsSkinData* data : {data_, menusData_}) {
    if (data) data->RemoveFreeListener(this);
  }
  if (!attached_) return;
  while (fade_) FadeStep();  // no window is left half faded in
  StopTimers();
  RemoveWindowSubclass(window_, SubclassProc, kSubclassId);
  // Detached: the platform's frame comes back, shape and all.
  SetWindowRgn(window_, nullptr, TRUE);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Either skin data may go before the form; the form then lets go of it.
void TzsSkinForm::Listen(TzsSkinData* old, TzsSkinData* now) {
  if (old == now) return;
  if (old && old != data_ && old != menusData_) old->RemoveFreeListener(this);
  if (now) now->AddFreeListener(this);
}

void TzsSkinForm::SetSkinData(TzsSkinData* data) {
  TzsSkinData* old = std::exchange(data_, data);
  Listen(old, data);
  if (data_) skinnable_ = data_->SkinnableForm();
  ApplyFormSkin();
}

void TzsSkinForm::SetMenusSkinData(TzsSkinData* data) {
  TzsSkinData* old = std::exchange(menusData_, data);
  Listen(old, data);
  CloseSystemMenu();
  menuHost_.reset();  // made again with the new skin at the next showing
}

// A skin data component went first: nothing of it is kept, and without
// the frame's own the plain frame shows.
void TzsSkinForm::FreeNotification(const FreeNotifier* removed) {
  const bool frameSkin = removed == data_;
  if (frameSkin) data_ = nullptr;
  if (removed == menusData_) menusData_ = nullptr;
  CloseSystemMenu();
  menuHost_.reset();
  if (frameSkin && attached_) ApplyFormSkin();
}

MenuOptions TzsSkinForm::DefaultMenuOptions() {
  MenuOptions options;
  options.alphaBlendValue = 200;
  return options;
}

void TzsSkinForm::SetMaxMenuItemsInWindow(int count) {
  if (count >= 0) menuOptions_.maxMenuItemsInWindow = count;
}

void TzsSkinForm::SetDefMenuItemHeight(int height) {
  if (height > 0) menuOptions_.defaultItemHeight = height;
}

void TzsSkinForm::SetDefCaptionFont(const FontSpec& font) {
  PlainCaptionFonts fonts = frame_.plainCaptionFonts();
  fonts.active = font;
  frame_.SetPlainCaptionFonts(fonts);
  if (!frame_.Skinned()) Repaint();
}

void TzsSkinForm::SetDefInActiveCaptionFont(const FontSpec& font) {
  PlainCaptionFonts fonts = frame_.plainCaptionFonts();
  fonts.inactive = font;
  frame_.SetPlainCaptionFonts(fonts);
  if (!frame_.Skinned()) Repaint();
}

void TzsSkinForm::SetBorderIcons(const BorderIcons& icons) {
  options_.icons = icons;
  states_.rollUpAllowed = icons.rollUp;
  RefreshOptions();
  frame_.SetOptions(options_);
  Repaint();
}

void TzsSkinForm::SetHideCaptionButtons(bool hide) {
  options_.hideCaptionButtons = hide;
  RefreshOptions();
  frame_.SetOptions(options_);
  Repaint();
}

// Read afresh before the frame sees them: the resource strings may have
// been replaced since.
void TzsSkinForm::RefreshOptions() {
  options_.disableSystemMenu = DisableSystemMenu;
  options_.defaultHints = UseDefaultObjectHint && data_;
  options_.strings = data_ ? data_->ResourceStrData() : nullptr;
}

void TzsSkinForm::SetDpi(int dpi) {
  if (dpi == dpi_ || !IsSupportedDpi(dpi)) return;
  for (int* length :
       {&ClientWidth, &ClientHeight, &Limits.minWidth, &Limits.minHeight, &Limits.maxWidth, &Limits.maxHeight}) {
    *length = RescaleLength(*length, dpi_, dpi);
  }
  dpi_ = dpi;
  menuHost_.reset();  // its skin is the old scale's
  ApplyFormSkin();
}

void TzsSkinForm::SetSkinnable(bool skinnable) {
  skinnable_ = skinnable;
  ApplyFormSkin();
}

// The skin in force becomes the frame; a window subclassed after it
// exists has had its first WM_NCCALCSIZE already, so the frame is
// recomputed here.
void TzsSkinForm::ApplyFormSkin() {
  StopTimers();
  HideGlow();
  const bool inUse = data_ && !data_->Empty();
  RefreshOptions();
  frame_.SetToolWindow((GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0);
  frame_.SetSkin(inUse && skinnable_ ? FrameSkinOf(*data_, dpi_) : FrameSkin{});
  frame_.SetOptions(options_);
  if (!Framed()) {
    SetWindowRgn(window_, nullptr, TRUE);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // The new skin's limits in the window's state: a strip takes the new
  // caption's height (and a minimised one its width), a normal window the
  // client size the form keeps. The platform's minimised window keeps its
  // restore rectangle.
  const FrameState state = CurrentState();
  frame_.SetState(state);
  const Size min = frame_.MinSize(Limits);
  RECT r{};
  GetWindowRect(window_, &r);
  const Rect client = frame_.ClientFromWindow(ToRect(r));
  int w = r.right - r.left, h = r.bottom - r.top;
  if (!state.rolledUp && !state.maximized && !state.minimized) {
    if (ClientWidth > 0) w += ClientWidth - client.Width();
    if (ClientHeight > 0) h += ClientHeight - client.Height();
  }
  w = std::max(w, min.width);
  h = std::max(h, min.height);
  if (state.rolledUp || states_.State() == WindowState::wsMinimized) h = min.height;
  if (states_.State() == WindowState::wsMinimized) w = min.width;
  const UINT keep = IsIconic(window_) ? SWP_NOSIZE : 0;
  SetWindowPos(window_, nullptr, 0, 0, w, h, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | keep);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  RefreshActiveLook(true);
  UpdateFrame();
  if (OnChangeSkinData) OnChangeSkinData();
}

// The caption follows the window's active state; with `animate` its
// frames play on the animation timer (and its look morphs on the morph
// timer the next repaint starts).
void TzsSkinForm::RefreshActiveLook(bool animate, bool announce) {
  const auto& objects = frame_.objects();
  if (frame_.RefreshActiveLook(active_, animate) && animate && !animating_ &&
      std::any_of(objects.begin(), objects.end(), [&](const CaptionObject& o) { return o.Animates(frame_.skin()); })) {
    animating_ = SetTimer(window_, kAnimationTimer, SkinFrame::kLookTick, nullptr) != 0;
  }
  const auto& event = active_ ? OnActivate : OnDeActivate;
  if (announce && event) event();
}

void TzsSkinForm::UpdateFrame() {
  RECT r{};
  GetWindowRect(window_, &r);
  frame_.SetState(CurrentState());
  frame_.Resize({r.right - r.left, r.bottom - r.top});
  if (frame_.state().minimized || BelowMinimum()) return;
  UpdateRegion();
  Repaint();
}

void TzsSkinForm::UpdateRegion() {
  HRGN region = Framed() ? RegionFromRects(frame_.Region()) : nullptr;
  // Once the window has it, the region is the system's: never deleted here.
  if (!SetWindowRgn(window_, region, TRUE) && region) DeleteObject(region);
}

bool TzsSkinForm::HasBorder() const {
  return (GetWindowLongW(window_, GWL_STYLE) & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) != 0;
}

bool TzsSkinForm::Resizable() const {
  return AlwaysResize || (GetWindowLongW(window_, GWL_STYLE) & WS_THICKFRAME) != 0;
}

bool TzsSkinForm::BelowMinimum() const {
  const Size min = frame_.MinSize({});
  return frame_.size().width < min.width || frame_.size().height < min.height;
}

// Painting

void TzsSkinForm::PaintFrameInto(HDC dc) {
  if (paintSuppressed_ || BelowMinimum()) return;
  const Size size = frame_.size();
  surface_.Resize(size);
  frame_.Paint(surface_.view(), text_, WindowCaption(window_), active_);
  GdiFlush();
  const Rect client = frame_.ClientRect();
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  BitBlt(dc, 0, 0, size.width, size.height, surface_.dc(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}

// A changed look: painted now, and objects that morph go on stepping.
void TzsSkinForm::Repaint() {
  if (!Framed() || !IsWindowVisible(window_)) return;
  HDC dc = GetWindowDC(window_);
  PaintFrameInto(dc);
  ReleaseDC(window_, dc);
  StartMorphing();
}

// The skin's client background with the logo, at the client's size.
void TzsSkinForm::DrawClientBackground(DibSurface& surface) {
  RECT r{};
  GetClientRect(window_, &r);
  surface.Resize({r.right, r.bottom});
  zv::PaintClientBackground(surface.view(), frame_.skin(), static_cast<ColorRef>(GetSysColor(COLOR_BTNFACE)));
  DrawLogo(surface.view(), logo_.view(), LogoBitMapTransparent);
}

void TzsSkinForm::PaintClientBackground(HDC dc) {
  DrawClientBackground(clientSurface_);
  BitBlt(dc, 0, 0, clientSurface_.size().width, clientSurface_.size().height, clientSurface_.dc(), 0, 0, SRCCOPY);
}

// The mouse

Point TzsSkinForm::WindowPoint(LPARAM screenPoint) const {
  RECT r{};
  GetWindowRect(window_, &r);
  // Signed: monitors left of or above the primary one have negative coordinates.
  return {GET_X_LPARAM(screenPoint) - r.left, GET_Y_LPARAM(screenPoint) - r.top};
}

Point TzsSkinForm::CursorInWindow() const {
  POINT c{};
  GetCursorPos(&c);
  return WindowPoint(MAKELPARAM(c.x, c.y));
}

// The form's own active state: a click that activates the window reaches
// the buttons even when the activation is announced after it.
TrackContext TzsSkinForm::Context() const {
  return {GetActiveWindow() == window_, sizeMove_.inSizeMove(), frame_.state(), AlwaysMinimizeToTray};
}

void TzsSkinForm::Track(Point p, bool tracking) {
  const int previous = frame_.tracker().underMouse();
  if (!frame_.tracker().Track(p, tracking, Context())) return;
  Repaint();
  UpdateHint(previous);
  FireEnterLeave(previous);
}

FrameHints& TzsSkinForm::Hints() const { return hints_ ? *hints_ : ApplicationHints(); }

void TzsSkinForm::HideHint() {
  if (ShowObjectHint) Hints().HideHint();
}

// The hint follows the object under the mouse.
void TzsSkinForm::UpdateHint(int previous) {
  if (!ShowObjectHint) return;
  const auto& objects = frame_.objects();
  const auto at = [&](int i) { return i >= 0 && i < static_cast<int>(objects.size()) ? &objects[i] : nullptr; };
  if (const CaptionObject* old = at(previous); old && !HintFor(*old, frame_.state()).empty()) Hints().HideHint();
  const CaptionObject* now = at(frame_.tracker().underMouse());
  if (!now) return;
  const std::string hint = HintFor(*now, frame_.state());
  RECT r{};
  GetWindowRect(window_, &r);
  if (!hint.empty()) Hints().ShowHint(hint, now->rect.Offset(r.left, r.top));
}

// Objects that morph move toward their new look in steps of the morph timer.
void TzsSkinForm::StartMorphing() {
  if (morphing_) return;
  const auto& objects = frame_.objects();
  if (std::none_of(objects.begin(), objects.end(), [&](const CaptionObject& o) { return o.Morphs(frame_.skin()); })) {
    return;
  }
  morphing_ = SetTimer(window_, kMorphTimer, kMorphInterval, nullptr) != 0;
}

void TzsSkinForm::Press(MouseButton button, Point p, WPARAM hit) {
  const int previous = frame_.tracker().underMouse();
  Pressed(frame_.tracker().Press(button, p, Context()), previous, button, p, hit);
}

// A press on the caption leaves nothing pressed: the platform may move the
// window before the release comes.
void TzsSkinForm::Pressed(const PressResult& press, int previous, MouseButton button, Point p, WPARAM hit) {
  FireEnterLeave(previous);
  if (press.downEvent) FireMouse(OnMouseDownEvent, frame_.tracker().pressed(), p, button);
  if (hit == HTCAPTION) frame_.tracker().ClearPressed();
  if (press.capture && hit != HTCAPTION) SetCapture(window_);
  if (press.changed) Repaint();
  if (press.command == FrameCommand::kSystemMenu && menuHost_ && menuHost_->ClosedByPressOn(window_)) return;
  const Rect window = Bounds();
  Run(press.command, press.objectRect.Offset(window.left, window.top));
}

void TzsSkinForm::Release(MouseButton button, Point p) {
  const int previous = frame_.tracker().underMouse();
  const ReleaseResult release = frame_.tracker().Release(button, Context());
  if (release.releaseCapture && GetCapture() == window_) ReleaseCapture();
  if (release.changed) Repaint();
  FireMouse(OnMouseUpEvent, release.upEvent, p, button);
  FireEnterLeave(previous);  // the objects leave before a command
  Run(release.command, {});
}

// The platform's move starts only when the held mouse is dragged (below);
// until then the window holds the mouse itself.
void TzsSkinForm::PressCaption(LPARAM screenPoint) {
  Press(MouseButton::kLeft, WindowPoint(screenPoint), HTCAPTION);
  if (SystemMenuOpen()) return;  // a system-menu button the skin put in the caption
  captionDrag_.Press({GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)});
  SetCapture(window_);
}

// The move loop follows the mouse from where it went down, so the window
// keeps up with it. A maximised window is not moved.
void TzsSkinForm::DragCaption() {
  POINT c{};
  GetCursorPos(&c);
  const Size box{SystemMetricAt(SM_CXDRAG, dpi_) / 2, SystemMetricAt(SM_CYDRAG, dpi_) / 2};
  if (!captionDrag_.StartsMove({c.x, c.y}, box)) return;
  ReleaseCapture();
  const Point from = captionDrag_.Start();
  if (!frame_.state().maximized) SendMessageW(window_, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, MAKELPARAM(from.x, from.y));
}

// Each click of a double-click on a button is a click; the caption and the
// system-menu button have double-click commands of their own.
void TzsSkinForm::DoubleClick(Point p, WPARAM hit) {
  const int previous = frame_.tracker().underMouse();
  const PressResult press = frame_.tracker().DoubleClick(p, Context());
  Pressed(press, previous, MouseButton::kLeft, p, hit);
  if (press.command == FrameCommand::kNone && hit == HTCAPTION) {
    Run(CaptionDoubleClickCommand(frame_.state(), Resizable(), options_.icons), {});
  }
}

void TzsSkinForm::Run(FrameCommand command, const Rect& anchor) {
  if (command == FrameCommand::kNone) return;
  HideHint();
  if (commands_) {
    commands_->Run(command, anchor);
  } else {
    RunOwn(command, anchor);
  }
}

void TzsSkinForm::TrackingTick() {
  if (GetActiveWindow() != window_) return;
  POINT c{};
  GetCursorPos(&c);
  if (WindowFromPoint(c) != window_ || sizeMove_.inSizeMove()) {
    StopTracking();
    const int previous = frame_.tracker().underMouse();
    if (frame_.tracker().LeaveAll()) Repaint();
    FireEnterLeave(previous);
    return;
  }
  const Point p = CursorInWindow();
  if (!frame_.ClientRect().Contains(p)) {
    Track(p, true);
  } else if (frame_.tracker().underMouse() != CaptionTracker::kNone) {
    Track({-1, -1}, true);
  }
}

void TzsSkinForm::StopTracking() {
  if (tracking_) KillTimer(window_, kTrackingTimer);
  tracking_ = false;
}

void TzsSkinForm::StopTimers() {
  StopTracking();
  if (morphing_) KillTimer(window_, kMorphTimer);
  morphing_ = false;
  if (animating_) KillTimer(window_, kAnimationTimer);
  animating_ = false;
}

// The platform maximises to the state machine's target, so snapping, the
// taskbar's commands and our own maximise agree. The application's maximum
// limits dragging; the platform also holds a maximised window to the track
// size, so a maximised one may reach the target.
void TzsSkinForm::OnMinMaxInfo(MINMAXINFO& info) {
  const Size min = frame_.MinSize(Limits);
  const MonitorAreas areas = MonitorAreasOf(window_);
  const Rect target = MaximizedRect(areas, states_.maximizeOnFullScreen);
  Size max = MaxFrameSize(areas.work, Limits);
  if (IsZoomed(window_)) max = {std::max(max.width, target.Width()), std::max(max.height, target.Height())};
  info.ptMinTrackSize = {min.width, min.height};
  info.ptMaxTrackSize = {std::max(max.width, min.width), std::max(max.height, min.height)};
  info.ptMaxSize = {target.Width(), target.Height()};
  info.ptMaxPosition = {target.left - areas.monitor.left, target.top - areas.monitor.top};
}

// The hook

LRESULT CALLBACK TzsSkinForm::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  auto* form = reinterpret_cast<TzsSkinForm*>(self);
  if (msg == WM_NCDESTROY) {
    form->StopTimers();
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    form->attached_ = false;
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  return form->OnMessage(msg, wParam, lParam);
}

LRESULT TzsSkinForm::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(window_, msg, wParam, lParam);
}

// After the platform's own handling of an activation the buttons start
// afresh; the caption's look was set, and announced, by WM_NCACTIVATE.
void TzsSkinForm::AfterActivation() {
  HideGlow();
  frame_.ResetObjectLooks();
  RefreshActiveLook(true, false);
  Repaint();
}

void TzsSkinForm::SetActive(bool active) {
  active_ = active;
  if (!active_) {
    HideHint();
    StopTracking();
    const int previous = frame_.tracker().underMouse();
    frame_.tracker().LeaveAll();
    FireEnterLeave(previous);
  }
  RefreshActiveLook(true);
  Repaint();
  UpdateVeil();
}

LRESULT TzsSkinForm::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  const bool ours = data_ && reinterpret_cast<TzsSkinData*>(wParam) == data_;
  if (EndsMenuAndHint(msg)) {
    HideHint();
    pressClosedMenu_ = SystemMenuOpen() || (menuHost_ && menuHost_->ClosedByPressOn(window_));
    CloseSystemMenu();
  }
  switch (msg) {
    case ZSM_SKINCHANGING:
      if (ours || (menusData_ && reinterpret_cast<TzsSkinData*>(wParam) == menusData_)) {
        CloseSystemMenu();
        menuHost_.reset();  // its pictures are the old skin's
      }
      if (ours) {
        paintSuppressed_ = true;
        StopTimers();
        HideGlow();
        HideHint();
        RefreshOptions();
        frame_.SetSkin({});
        if (OnBeforeChangeSkinData) OnBeforeChangeSkinData();
      }
      return Default(msg, wParam, lParam);
    case ZSM_SKINCHANGED:
      if (ours) {
        paintSuppressed_ = false;
        ApplyFormSkin();
      }
      return Default(msg, wParam, lParam);
    case ZSM_SKINCHANGEDONE:
      if (OnAfterChangeSkinData) OnAfterChangeSkinData();
      return Default(msg, wParam, lParam);
    case ZSM_FORMSKINNABLECHANGED:
      if (ours) SetSkinnable(data_->SkinnableForm());
      return Default(msg, wParam, lParam);
    case ZSM_RESSTRINGSCHANGED:
      // The buttons' hints come from the resource strings.
      RefreshOptions();
      frame_.SetOptions(options_);
      return Default(msg, wParam, lParam);
    case kAskSkinned:
      return skinnable_ ? kSkinnedAnswer : kPlatformFrameAnswer;
    case WM_SHOWWINDOW: {  // the first show places the window, skinned or not
      const LRESULT result = Default(msg, wParam, lParam);
      OnShow(wParam != FALSE);
      return result;
    }
    default:
      break;
  }
  if (!skinnable_) return Default(msg, wParam, lParam);
  if (msg == WM_STYLECHANGED) {
    const LRESULT result = Default(msg, wParam, lParam);
    ApplyFormSkin();
    return result;
  }
  // A window without a border keeps the platform's non-client handling.
  if (!HasBorder() && (msg == WM_NCCALCSIZE || msg == WM_NCHITTEST || msg == WM_NCPAINT)) {
    return Default(msg, wParam, lParam);
  }
  switch (msg) {
    case kAskPaintFrame:
      if (wParam) PaintFrameInto(reinterpret_cast<HDC>(wParam));
      return kPaintedAnswer;
    case kAskPaintFrameToo:
      if (lParam != kPaintFrameTooKey) return Default(msg, wParam, lParam);
      if (wParam) PaintFrameInto(reinterpret_cast<HDC>(wParam));
      return kPaintFrameTooKey;
    case WM_NCCALCSIZE: {
      RECT* r = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      const Rect client = frame_.ClientFromWindow(ToRect(*r));
      *r = {client.left, client.top, client.right, client.bottom};
      return 0;
    }
    case WM_NCHITTEST: {
      const Point p = WindowPoint(lParam);
      const HitCode hit = frame_.HitTest(p, Resizable(), sizeMove_.inSizeMove());
      if ((hit == kHtObject || IsButtonHitCode(hit)) && !tracking_) {
        Track(p, true);
        tracking_ = SetTimer(window_, kTrackingTimer, kTrackingInterval, nullptr) != 0;
      }
      return hit;
    }
    case WM_NCPAINT: {
      HDC dc = GetWindowDC(window_);
      PaintFrameInto(dc);
      ReleaseDC(window_, dc);
      return 0;
    }
    case WM_NCACTIVATE:
      SetActive(wParam != FALSE);
      return TRUE;
    case WM_ACTIVATE: {
      // Wine activates a window restored by the window manager with an
      // inactive WM_NCACTIVATE and no active one after it.
      if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && !active_) SetActive(true);
      const LRESULT result = Default(msg, wParam, lParam);
      AfterActivation();
      return result;
    }
    case WM_PRINT:
      if (lParam & PRF_NONCLIENT) PaintFrameInto(reinterpret_cast<HDC>(wParam));
      return Default(msg, wParam, lParam & ~PRF_NONCLIENT);
    case WM_SETTEXT:
    case WM_SETICON: {
      // The platform paints its own caption here; the skin's goes over it.
      const LRESULT result = Default(msg, wParam, lParam);
      if (msg == WM_SETICON) UpdateSmallIcon();
      Repaint();
      return result;
    }
    case WM_ERASEBKGND:
      if (!frame_.Skinned() && logo_.width() == 0) return Default(msg, wParam, lParam);
      PaintClientBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_SIZE: {
      snap_ = {};
      const LRESULT result = Default(msg, wParam, lParam);
      OnPlatformSize(wParam);
      if (wParam == SIZE_RESTORED) PlaceAtFirstNormalShow();
      UpdateFrame();
      // A centred logo and a translucent window show the new size whole.
      if (logo_.width() > 0 || (translucency_.alphaBlend && translucency_.value != 255)) {
        InvalidateRect(window_, nullptr, TRUE);
      }
      return result;
    }
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_KEYMENU) {
        // Never the platform's menu mode: an open skinned menu ends, and
        // Alt+Space opens ours.
        if (SystemMenuOpen()) {
          CloseSystemMenu();
        } else if (lParam == VK_SPACE && !DisableSystemMenu) {
          ShowSystemMenu(SystemButtonAnchor(), true);
        }
        return 0;
      }
      if (!OnWindowCommand(wParam)) return 0;
      return Default(msg, wParam, lParam);
    case WM_COMMAND:
      if (OnSystemMenuCommand(wParam)) return 0;
      return Default(msg, wParam, lParam);
    case WM_DISPLAYCHANGE: {
      states_.MonitorsChanged();
      const LRESULT result = Default(msg, wParam, lParam);
      NudgeWidthIfTooLarge();
      return result;
    }
    case WM_SETCURSOR:
      // HTERROR stays: a form behind a modal window still refuses the click.
      if (UseFormCursorInNCArea && reinterpret_cast<HWND>(wParam) == window_ &&
          static_cast<short>(LOWORD(lParam)) != HTERROR) {
        lParam = MAKELPARAM(FormCursorHitCode(static_cast<short>(LOWORD(lParam))), HIWORD(lParam));
      }
      return Default(msg, wParam, lParam);
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA) states_.MonitorsChanged();
      return Default(msg, wParam, lParam);
    case WM_SIZING: {
      // With full-window dragging the shape for the coming size is in place
      // before the window takes it; otherwise only an outline moves.
      const LRESULT result = Default(msg, wParam, lParam);
      if (!sizeMove_.fullDrag()) return result;
      const Rect proposed = ToRect(*reinterpret_cast<RECT*>(lParam));
      frame_.Resize({proposed.Width(), proposed.Height()});
      if (!BelowMinimum()) UpdateRegion();
      return result;
    }
    case WM_GETMINMAXINFO: {
      const LRESULT result = Default(msg, wParam, lParam);
      OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return result;
    }
    case WM_MOVING: {
      RECT& proposed = *reinterpret_cast<RECT*>(lParam);
      if (frame_.state().maximized) {
        GetWindowRect(window_, &proposed);
        return TRUE;
      }
      if (Magnetic) {
        const Rect r = ToRect(proposed);
        POINT c{};
        GetCursorPos(&c);
        const Point at = SnapToWorkArea(r, WorkAreaOf(window_, true), MagneticSize, {c.x, c.y}, snap_);
        proposed = {at.x, at.y, at.x + r.Width(), at.y + r.Height()};
      }
      return Default(msg, wParam, lParam);
    }
    case WM_ENTERSIZEMOVE: {
      POINT c{};
      GetCursorPos(&c);
      snap_.cursorAtSnap = {c.x, c.y};
      StopTracking();
      const int previous = frame_.tracker().underMouse();
      if (frame_.tracker().LeaveAll()) Repaint();
      FireEnterLeave(previous);
      HideHint();
      BOOL fullDrag = TRUE;
      SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
      sizeMove_.EnterLoop(fullDrag != FALSE);
      return Default(msg, wParam, lParam);
    }
    case WM_EXITSIZEMOVE:
      StopTracking();
      sizeMove_.ExitLoop();
      UpdateFrame();  // a size proposed but not taken must not stay
      return Default(msg, wParam, lParam);
    case WM_TIMER:
      if (wParam == kMorphTimer) {
        if (frame_.MorphStep()) {
          Repaint();
        } else {
          KillTimer(window_, kMorphTimer);
          morphing_ = false;
        }
        return 0;
      }
      if (wParam == kFadeTimer) {
        FadeStep();
        return 0;
      }
      if (wParam == kAnimationTimer) {
        const AnimationTick tick = frame_.AnimationStep();
        if (tick.changed) Repaint();
        if (!tick.busy) {
          KillTimer(window_, kAnimationTimer);
          animating_ = false;
        }
        return 0;
      }
      if (wParam != kTrackingTimer) return Default(msg, wParam, lParam);
      TrackingTick();
      return 0;
    case WM_NCMOUSEMOVE:
      Track(WindowPoint(lParam), true);
      FireMove(WindowPoint(lParam));
      return IsButtonHitCode(static_cast<int>(wParam)) ? 0 : Default(msg, wParam, lParam);
    case WM_MOUSEMOVE:
      if (captionDrag_.Pending()) {
        DragCaption();
        return 0;
      }
      if (GetCapture() == window_ && frame_.tracker().pressed() != CaptionTracker::kNone) {
        Track(CursorInWindow(), true);
        FireMove(CursorInWindow());
      }
      return Default(msg, wParam, lParam);
    case WM_NCLBUTTONDOWN: {
      if (wParam == HTCAPTION) {
        PressCaption(lParam);
        return 0;
      }
      // The platform would run its own button loop and draw classic buttons.
      if (IsButtonHitCode(static_cast<int>(wParam))) {
        Press(MouseButton::kLeft, WindowPoint(lParam), wParam);
        return 0;
      }
      sizeMove_.BeginPress();
      const LRESULT result = Default(msg, wParam, lParam);
      if (!sizeMove_.LoopEndedInPress()) Press(MouseButton::kLeft, WindowPoint(lParam), wParam);
      return result;
    }
    case WM_NCRBUTTONDOWN:
      Press(MouseButton::kRight, WindowPoint(lParam), wParam);
      return 0;
    case WM_NCLBUTTONUP:
      Release(MouseButton::kLeft, WindowPoint(lParam));
      return IsButtonHitCode(static_cast<int>(wParam)) ? 0 : Default(msg, wParam, lParam);
    case WM_CONTEXTMENU:
      // The platform would show its own system menu over the caption.
      if (lParam != -1 && reinterpret_cast<HWND>(wParam) == window_) {
        const HitCode hit = frame_.HitTest(WindowPoint(lParam), Resizable(), false);
        if (hit == kHtCaption || IsButtonHitCode(hit)) {
          if (!DisableSystemMenu) ShowSystemMenuAt(lParam);
          return 0;
        }
      }
      return Default(msg, wParam, lParam);
    case WM_GETTITLEBARINFOEX: {
      const LRESULT result = Default(msg, wParam, lParam);
      auto* info = reinterpret_cast<TITLEBARINFOEX*>(lParam);
      if (info && info->cbSize >= sizeof(TITLEBARINFOEX)) DescribeTitleBar(*info);
      return result;
    }
    case WM_LBUTTONUP:
      if (captionDrag_.Pending()) {
        captionDrag_.End();
        ReleaseCapture();
      }
      Release(MouseButton::kLeft, CursorInWindow());
      return Default(msg, wParam, lParam);
    case WM_NCRBUTTONDBLCLK:
      // A quick second right click is a press; it opens no second menu.
      Press(MouseButton::kRight, WindowPoint(lParam), wParam);
      return 0;
    case WM_NCRBUTTONUP:
      // The platform's system menu would open here; ours does, at the
      // release as the platform opens it, unless this click closed it.
      Release(MouseButton::kRight, WindowPoint(lParam));
      if (wParam == HTCAPTION && !DisableSystemMenu && !pressClosedMenu_) ShowSystemMenuAt(lParam);
      return 0;
    case WM_RBUTTONUP:
      Release(MouseButton::kRight, CursorInWindow());
      return Default(msg, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      // The platform would maximise by itself; the frame decides.
      DoubleClick(WindowPoint(lParam), wParam);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) == window_) return Default(msg, wParam, lParam);
      captionDrag_.End();
      if (frame_.tracker().CaptureLost()) Repaint();
      return Default(msg, wParam, lParam);
    default:
      return Default(msg, wParam, lParam);
  }
}

}  // namespace zv::win
