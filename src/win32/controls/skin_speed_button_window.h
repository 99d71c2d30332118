#pragma once
// A speed button in a small window of its own: the core decides states,
// groups, repetition and looks; the window turns mouse, enable and timer
// messages into calls and paints what the core draws. Buttons of one parent
// form its groups.
#include <functional>
#include <memory>

#include "core/controls/skin_speed_button.h"
#include "win32/controls/skin_host_window.h"

namespace zv::win {

class SkinSpeedButtonWindow : public SkinHostWindow {
 public:
  SkinSpeedButtonWindow(Form& owner, Control& parent, std::string name, const Rect& bounds);
  ~SkinSpeedButtonWindow() override;

  TzsSkinSpeedButton& button() { return *button_; }

 protected:
  using MakeButton = std::function<std::unique_ptr<TzsSkinSpeedButton>(SkinControlHost&, TimerHost&)>;
  // For buttons of a derived kind: `make` builds the core button.
  SkinSpeedButtonWindow(Form& owner, Control& parent, std::string name, const Rect& bounds, const MakeButton& make);

  TzsSkinControl& Skin() override { return *button_; }
  void TimerTick(int id) override { button_->TimerTick(id); }
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::unique_ptr<TzsSkinSpeedButton> button_;
};

}  // namespace zv::win
