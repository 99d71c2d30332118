#pragma once
// The menus' platform for previews: no timers, no windows, the classic
// colours, a fixed work area. A preview only lays out and paints.
#include "core/menus/skin_menu.h"

namespace zv {

class PreviewPlatform : public MenuPlatform {
 public:
  PreviewPlatform(TextRenderer& text, const Rect& work) : text_(text), work_(work) {}
  TextRenderer& Text() override { return text_; }
  TimerHost& Timers() override { return timers_; }
  ColorRef SystemColor(int index) const override;
  Point CursorPos() const override { return {}; }
  std::unique_ptr<PopupHost> CreatePopupHost(TzsSkinPopupWindow&) override;
  std::unique_ptr<PopupHost> CreateHintHost(TzsSkinHintWindow&) override;
  Rect WorkArea() const override { return work_; }
  Rect WorkAreaAt(Point) const override { return work_; }
  // A preview shows what the keyboard would reach.
  bool KeyboardCues() const override { return true; }
  void Execute(MenuNode&) override {}

 private:
  class NoTimers : public TimerHost {
   public:
    void Start(int, unsigned) override {}
    void Stop(int) override {}
  };

  TextRenderer& text_;
  NoTimers timers_;
  Rect work_;
};

}  // namespace zv
