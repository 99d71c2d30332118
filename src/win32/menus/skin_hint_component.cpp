#include "win32/menus/skin_hint_component.h"

#include "core/menus/menu_skin.h"
#include "win32/menus/application_hints.h"
#include "win32/platform/dpi.h"

namespace zv::win {

SkinHintComponent::SkinHintComponent(HWND owner, const TzsSkinData& data)
    : owner_(owner), data_(&data), dpi_(WindowDpi(owner)) {
  data.AddFreeListener(this);
  SkinChanged();
}

SkinHintComponent::~SkinHintComponent() {
  if (data_) data_->RemoveFreeListener(this);
  SkinChanging();
}

void SkinHintComponent::SkinChanging() {
  if (host_) ApplicationHints().Remove(host_->Hint());
  host_.reset();
}

void SkinHintComponent::SkinChanged() {
  SkinChanging();
  if (!data_) return;
  host_ = std::make_unique<SkinMenuHost>(owner_, MenuSkin{});
  host_->SetSkinAtDpi([data = data_](int dpi) { return MenuSkinOf(*data, dpi); }, dpi_);
  ApplicationHints().Add(host_->Hint());
}

void SkinHintComponent::SetDpi(int dpi) {
  dpi_ = dpi;
  if (host_) host_->SetDpi(dpi);
}

void SkinHintComponent::FreeNotification(const FreeNotifier*) {
  data_ = nullptr;
  SkinChanging();
}

}  // namespace zv::win
