#pragma once
// The window of a skinned up-down control: mouse, enable and timer messages
// go to the core, which steps the position and draws both buttons.
#include "core/controls/skin_updown.h"
#include "win32/controls/skin_host_window.h"

namespace zv::win {

class SkinUpDownWindow : public SkinHostWindow {
 public:
  // Created at `at` with the control's creation size.
  SkinUpDownWindow(Form& owner, Control& parent, std::string name, Point at);
  ~SkinUpDownWindow() override;

  TzsSkinUpDown& updown() { return updown_; }

 protected:
  TzsSkinControl& Skin() override { return updown_; }
  void TimerTick(int id) override { updown_.TimerTick(id); }
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  TzsSkinUpDown updown_;
};

}  // namespace zv::win
