#pragma once
// A form's TzsSkinHint: while it lives, every hint of the application (the
// caption buttons', the skinned controls') shows in the skinned hint window
// of its skin data, after the application's pauses (the short one 100 ms).
// The form hands it the skin's changes; should the skin data go first, the
// hint lets go of it.
#include <windows.h>

#include <memory>

#include "core/skin/skin_data.h"
#include "win32/menus/skin_menu_host.h"

namespace zv::win {

class SkinHintComponent : private FreeListener {
 public:
  SkinHintComponent(HWND owner, const TzsSkinData& data);
  ~SkinHintComponent();
  SkinHintComponent(const SkinHintComponent&) = delete;
  SkinHintComponent& operator=(const SkinHintComponent&) = delete;

  // Before its skin data changes skin (1225) the hint lets go of the old
  // pictures; after the change (1226) it takes the new ones.
  void SkinChanging();
  void SkinChanged();
  TzsSkinHint* Hint() const { return host_ ? &host_->Hint() : nullptr; }
  // The owner moved to another display scale: hints show at its DPI.
  void SetDpi(int dpi);

 private:
  void FreeNotification(const FreeNotifier* removed) override;

  HWND owner_;
  const TzsSkinData* data_;
  int dpi_;
  std::unique_ptr<SkinMenuHost> host_;  // the hint's windows, timers and text
};

}  // namespace zv::win
