#include "cli/preview_platform.h"

namespace zv {
namespace {

class NoWindow : public PopupHost {
 public:
  void Show(const Rect&, const std::vector<Rect>&, const std::vector<int>&) override {}
  void Hide() override {}
  void Invalidate() override {}
  bool IsUnderCursor(Point) const override { return false; }
};

}  // namespace

// The classic Windows scheme.
ColorRef PreviewPlatform::SystemColor(int index) const {
  switch (index) {
    case kSysColorWindow:
    case kSysColorBtnHighlight:
      return Rgb(255, 255, 255);
    case kSysColorBtnFace:
      return Rgb(212, 208, 200);
    case kSysColorBtnShadow:
      return Rgb(128, 128, 128);
    case kSysColorInfoBk:
      return Rgb(255, 255, 225);
    default:
      return 0;
  }
}

std::unique_ptr<PopupHost> PreviewPlatform::CreatePopupHost(TzsSkinPopupWindow&) {
  return std::make_unique<NoWindow>();
}

std::unique_ptr<PopupHost> PreviewPlatform::CreateHintHost(TzsSkinHintWindow&) { return std::make_unique<NoWindow>(); }

}  // namespace zv
