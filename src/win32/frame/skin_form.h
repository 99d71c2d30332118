#pragma once
// TzsSkinForm: replaces a form's platform frame with the skin's. It
// subclasses the form's window (SetWindowSubclass chains safely, so a
// second attachment cannot recurse), answers the non-client messages from
// the core's SkinFrame, sets the window region, captures the mouse for the
// caption buttons and blits the core's frame picture in one copy. The
// window's states go through the core's WindowStateMachine, whoever asks:
// the caption buttons, the system menu or the platform's own commands.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/base/display_scale.h"
#include "core/frame/client_looks.h"
#include "core/frame/frame_commands.h"
#include "core/frame/skin_frame.h"
#include "core/frame/snapping.h"
#include "core/frame/system_menu.h"
#include "core/frame/translucency.h"
#include "core/frame/tray_link.h"
#include "core/frame/window_state_machine.h"
#include "core/platform/text_renderer.h"
#include "core/skin/skin_data.h"
#include "win32/frame/client_veil.h"
#include "win32/gfx/layer_window.h"
#include "win32/menus/skin_menu_host.h"
#include "win32/platform/dib_surface.h"

namespace zv::win {

class TrayIconWindow;

class TzsSkinForm : private WindowStateHost, private FreeListener {
 public:
  TzsSkinForm(HWND window, TextRenderer& text);
  ~TzsSkinForm() override;
  TzsSkinForm(const TzsSkinForm&) = delete;
  TzsSkinForm& operator=(const TzsSkinForm&) = delete;

  // Published properties (creation values; the program sets its own).
  void SetSkinData(TzsSkinData* data);
  TzsSkinData* SkinData() const { return data_; }
  // The skin of the window's menus; SkinData's when none.
  void SetMenusSkinData(TzsSkinData* data);
  TzsSkinData* MenusSkinData() const { return menusData_; }
  // What the window's skinned menus take at each showing: MaxMenuItemsInWindow
  // (below 0 ignored), DefMenuItemHeight (0 or less ignored), DefMenuItemFont,
  // UseSkinFontInMenu and the MenusAlphaBlend trio.
  MenuOptions& MenuSettings() { return menuOptions_; }
  void SetMaxMenuItemsInWindow(int count);
  void SetDefMenuItemHeight(int height);
  // The plain frame's caption fonts, active and inactive.
  void SetDefCaptionFont(const FontSpec& font);
  void SetDefInActiveCaptionFont(const FontSpec& font);
  void SetBorderIcons(const BorderIcons& icons);
  // Every caption button disabled, and hidden unless the frame picture shows it.
  void SetHideCaptionButtons(bool hide);
  // The buttons' hints are the skin data's resource strings (or the
  // built-in ones); taken at the next skin or border-icon change.
  bool UseDefaultObjectHint = true;
  bool AlwaysResize = false;
  bool AlwaysMinimizeToTray = false;
  bool AlwaysShowInTray = false;
  bool DisableSystemMenu = false;
  bool ShowObjectHint = false;
  bool Magnetic = false;
  int MagneticSize = 5;
  FrameLimits Limits;
  // The display scale the frame is drawn at: the skin, the kept client size,
  // the limits and the hints follow it, and the window takes the size of
  // its client at that scale.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi);
  // The client size kept after each skin change; 0 keeps the window's size.
  int ClientWidth = 0;
  int ClientHeight = 0;

  // The system-menu button shows the form's small icon.
  void SetShowIcon(bool show);
  // The form's own cursor over the caption and buttons too; the sizing
  // cursors stay on the borders.
  bool UseFormCursorInNCArea = false;
  // Where the window goes when first shown in the normal state.
  zv::PositionInMonitor PositionInMonitor = zv::PositionInMonitor::zspDefault;
  // Translucency: AlphaBlend and AlphaBlendValue take effect at once;
  // with either, or AlphaBlendAnimation, each show fades the window in.
  void SetAlphaBlend(bool on);
  void SetAlphaBlendValue(std::uint8_t value);
  bool AlphaBlendAnimation = false;
  // A veil over the client area while the window is inactive.
  bool ClientInActiveEffect = false;
  zv::ClientInActiveEffectType ClientInActiveEffectType = zv::ClientInActiveEffectType::zsieSemiTransparent;
  const ClientVeil& veil() const { return veil_; }
  // A picture centred on the client background.
  void SetLogoBitMap(Bitmap logo);
  bool LogoBitMapTransparent = false;

  // Events.
  std::function<void()> OnActivate;
  std::function<void()> OnDeActivate;
  std::function<void()> OnChangeSkinData;
  std::function<void()> OnBeforeChangeSkinData;
  std::function<void()> OnAfterChangeSkinData;
  // The mouse came onto or left a caption object, named as in the skin.
  std::function<void(const std::string& name)> OnMouseEnterEvent;
  std::function<void(const std::string& name)> OnMouseLeaveEvent;
  // Presses, releases (with the mouse still on the object) and moves over
  // an object: window coordinates and the object's rectangle in them.
  // Command buttons report no press.
  using ObjectMouseEvent =
      std::function<void(const std::string& name, int x, int y, const Rect& rect, MouseButton button)>;
  ObjectMouseEvent OnMouseDownEvent;
  ObjectMouseEvent OnMouseUpEvent;
  std::function<void(const std::string& name, int x, int y, const Rect& rect)> OnMouseMoveEvent;
  // The application draws its own objects (skin type "userobject") on the
  // frame picture at `rect`.
  std::function<void(const std::string& name, const BitmapView& canvas, const Rect& rect)> OnPaintEvent;
  // Whether an application's own button (command cmdefault) shows; asked at
  // each skin and border-icon change. `visible` starts false.
  std::function<void(const std::string& name, bool& visible)> OnActivateCustomObject;
  // The application draws the caption itself; the frame draws no text.
  void SetOnCaptionPaint(CaptionPainter painter);

  // Minimising the main form minimises the application; other forms
  // become caption strips.
  bool MainForm = true;

  // The tray icon the window minimises to (none by default). Without one the
  // tray commands minimise to the taskbar. Unlink before the icon goes.
  void SetTrayIcon(TrayIconWindow* tray);
  FormTrayLink& trayLink() { return trayLink_; }
  // An application's own system menu; the window's items are merged into it
  // with UseDefaultSysMenu. Its items' commands arrive as WM_COMMAND.
  std::vector<SystemMenuItem> SystemMenu;
  bool UseDefaultSysMenu = true;

  // Where the caption buttons' commands go; the form's own state
  // operations by default (null).
  void SetCommands(FrameCommands* commands) { commands_ = commands; }
  // The hint window for the buttons' hints (with ShowObjectHint); by default
  // the application's hints.
  void SetHints(FrameHints* hints) { hints_ = hints; }
  bool Skinnable() const { return skinnable_; }
  void SetSkinnable(bool skinnable);
  const SkinFrame& frame() const { return frame_; }
  WindowStateMachine& states() { return states_; }
  // The skinned system menu's items for the window as it is now.
  std::vector<SystemMenuItem> SystemMenuItems() const;
  // Opens the system menu at `anchor` (screen; an empty rectangle is a point);
  // opened from the keyboard, it shows its accelerators underlined.
  void ShowSystemMenu(const Rect& anchor, bool fromKeyboard = false);
  // A skinned menu of the window (system or tray menu) opened or closed.
  std::function<void()> OnSkinMenuOpen;
  std::function<void()> OnSkinMenuClose;
  // The menus' machinery once a system menu was shown; null before.
  SkinMenuHost* MenuHost() const { return menuHost_.get(); }
  const WindowStateMachine& states() const { return states_; }

  // Draws the frame into `dc` (whole-window coordinates), as WM_NCPAINT does.
  void PaintFrameInto(HDC dc);

 private:
  static constexpr UINT_PTR kFadeTimer = 0x7A77;
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void FreeNotification(const FreeNotifier* removed) override;
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  // The frame's active or inactive look, as WM_NCACTIVATE asks.
  void SetActive(bool active);

  void ApplyFormSkin();
  void UpdateFrame();
  void UpdateRegion();
  void Repaint();
  bool BelowMinimum() const;
  bool Resizable() const;
  // The frame is the skin's: skinnable, and the window has a border.
  bool HasBorder() const;
  bool Framed() const { return skinnable_ && HasBorder(); }
  Point WindowPoint(LPARAM screenPoint) const;
  Point CursorInWindow() const;
  TrackContext Context() const;
  void Track(Point p, bool tracking);
  void UpdateHint(int previous);
  void FireEnterLeave(int previous);
  void Press(MouseButton button, Point p, WPARAM hit);
  void Pressed(const PressResult& press, int previous, MouseButton button, Point p, WPARAM hit);
  FrameHints& Hints() const;
  void HideHint();
  void Release(MouseButton button, Point p);
  void PressCaption(LPARAM screenPoint);
  void DragCaption();
  void DoubleClick(Point p, WPARAM hit);
  void TrackingTick();
  void StopTracking();
  void StartMorphing();
  // `announce`: OnActivate or OnDeActivate follows.
  void RefreshActiveLook(bool animate, bool announce = true);
  void AfterActivation();
  void RefreshOptions();
  static MenuOptions DefaultMenuOptions();
  void Listen(TzsSkinData* old, TzsSkinData* now);
  TzsSkinData* MenuData() const { return menusData_ ? menusData_ : data_; }
  void FireMouse(const ObjectMouseEvent& event, int index, Point p, MouseButton button);
  void FireMove(Point p);
  void UpdateGlow();
  void HideGlow();
  void OnShow(bool shown);
  void PlaceAtFirstNormalShow();
  void FadeStep();
  void SetLayered(bool on);
  void UpdateSmallIcon();
  void NudgeWidthIfTooLarge();
  void UpdateVeil();
  void StopTimers();
  void Run(FrameCommand command, const Rect& anchor);
  void RunOwn(FrameCommand command, const Rect& anchor);
  void DrawClientBackground(DibSurface& surface);
  void PaintClientBackground(HDC dc);
  void OnMinMaxInfo(MINMAXINFO& info);
  FrameState CurrentState() const;
  // WM_SYSCOMMAND's window commands; true when the platform carries it out.
  bool OnWindowCommand(WPARAM command);
  void OnPlatformSize(WPARAM kind);
  // The system menu (skin_form_sysmenu.cpp).
  Rect SystemButtonAnchor() const;
  bool SystemMenuOpen() const;
  void CloseSystemMenu();
  bool OnSystemMenuCommand(WPARAM command);
  void ShowMenuItems(std::vector<SystemMenuItem> items, const Rect& anchor, bool fromKeyboard = false);
  void RunMenuItem(const SystemMenuItem& item);
  void ShowSystemMenuAt(LPARAM screenPoint);
  // WM_GETTITLEBARINFOEX: the skin's caption and minimise, maximise and close buttons.
  void DescribeTitleBar(TITLEBARINFOEX& info) const;
  void MinimizeCommand();

  static void RegisterLiving(const TzsSkinForm* form, bool alive);

  // WindowStateHost (skin_form_states.cpp)
  Rect Bounds() const override;
  void SetBounds(const Rect& bounds) override;
  Rect NormalPlacement() const override;
  void ShowMaximized(const Rect& target, const Rect& normal) override;
  void ShowRestored(const Rect& bounds) override;
  void MinimizeApplication() override;
  bool IsMainForm() const override { return MainForm; }
  MonitorAreas Areas() const override;
  std::vector<Rect> WorkAreas() const override;
  std::vector<Point> OtherMinimizedStrips() const override;
  Size MinSize() const override;
  bool RestoreClientHeight() override;
  Point WorkspaceOrigin() const;
  void SetNormalPlacement(const Rect& normal, UINT show);
  void SetSizeGripVisible(bool visible) override;
  Rect FirstShowBounds(const Rect& normal) const override;

  HWND window_;
  TextRenderer& text_;
  TzsSkinData* data_ = nullptr;
  TzsSkinData* menusData_ = nullptr;
  MenuOptions menuOptions_ = DefaultMenuOptions();
  SkinFrame frame_;
  CaptionOptions options_;
  WindowStateMachine states_{*this};
  FrameCommands* commands_ = nullptr;
  std::unique_ptr<SkinMenuHost> menuHost_;
  // The items of the menu shown last (system or tray menu).
  std::vector<SystemMenuItem> shownMenuItems_;
  MenuNode shownMenuRoot_;
  FormTrayLink trayLink_{states_};
  TrayIconWindow* tray_ = nullptr;
  bool ownTrayMenu_ = false;  // tray_'s menu is ours
  FrameHints* hints_ = nullptr;
  SizeMoveMarks sizeMove_;
  CaptionDrag captionDrag_;
  SnapState snap_;
  DibSurface surface_;
  DibSurface clientSurface_;  // reallocated only when the client's size changes
  bool skinnable_ = true;
  int dpi_ = kBaseDpi;
  bool paintSuppressed_ = false;
  bool active_ = false;
  bool tracking_ = false;
  bool morphing_ = false;
  bool animating_ = false;
  Translucency translucency_;
  std::optional<FadeIn> fade_;
  ClientVeil veil_;
  Bitmap logo_;
  std::unique_ptr<TzsLayerManager> glow_;  // the hovered button's glow, made when first shown
  bool attached_ = false;
  bool pressClosedMenu_ = false;  // the last press closed the window's menu
};

}  // namespace zv::win
