#pragma once
// A notification area that records what it was asked to do.
#include <string>
#include <string_view>
#include <vector>

#include "core/tray/tray_icon.h"

namespace zv {

class FakeTrayHost : public TrayHost {
 public:
  bool addWorks = true;
  bool autoPopup = true;
  std::vector<std::string> calls;
  std::vector<int> images;

  bool AddIcon(std::string_view tip) override {
    calls.push_back("add " + std::string(tip));
    return addWorks;
  }
  bool RemoveIcon() override {
    calls.push_back("remove");
    return true;
  }
  bool UpdateIcon(std::string_view tip) override {
    calls.push_back("update " + std::string(tip));
    return true;
  }
  void ShowListImage(int index) override { images.push_back(index); }
  bool HasAutoPopupMenu() const override { return autoPopup; }
  void ShowPopupMenu() override { calls.push_back("popup"); }
  void RunDefaultMenuItem() override { calls.push_back("default item"); }
  void HideMainWindow() override { calls.push_back("hide"); }
  void ShowMainWindow() override { calls.push_back("show"); }
};

}  // namespace zv
