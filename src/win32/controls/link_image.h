#pragma once
// The window of a promotion slot: it hosts the core TzsSkinLinkImage, which
// holds the picture and the link, and shows what the core paints.
#include <string>

#include "core/controls/link_image.h"
#include "core/platform/shell.h"
#include "win32/forms/control.h"
#include "win32/platform/dib_surface.h"

namespace zv::win {

class TzsSkinLinkImage : public Control, public LinkImageHost {
 public:
  TzsSkinLinkImage(Form& owner, Control& parent, std::string name, const Rect& bounds);

  zv::TzsSkinLinkImage& core() { return core_; }
  const zv::TzsSkinLinkImage& core() const { return core_; }
  // Where a click's link goes; none means a click opens nothing.
  Shell* shell = nullptr;
  // The colour shown where no picture covers the control.
  int backgroundSysColor = COLOR_BTNFACE;

  void SetHeight(int height) override;
  Size ClientSize() override;
  void Invalidate() override;

 protected:
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Click() override;
  void Paint(HDC dc) override;
  void ScaleContents(int from, int to) override;

 private:
  // Draws background and picture into the surface; done when the picture or
  // the size changes, so a paint is one blit.
  void Compose(Size size);

  zv::TzsSkinLinkImage core_{*this};
  DibSurface surface_;
  bool stale_ = true;
};

}  // namespace zv::win
