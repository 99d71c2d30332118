#pragma once
// TfrmAd: the promotion frame the main window derives from: two promotion
// slots, the folder button and the top panel.
#include <memory>
#include <string>

#include "core/skin/skin_data.h"
#include "core/skin/skin_list.h"

#include "win32/app/services.h"
#include "win32/controls/skin_panel_window.h"
#include "win32/forms/controls.h"
#include "win32/forms/form.h"
#include "win32/frame/skin_form.h"
#include "win32/menus/skin_hint_component.h"

namespace zv::win {

class TfrmAd : public Form {
 public:
  TfrmAd(AppServices& services, AppState& state);

  TzsSkinLinkImage* img1;
  Button* btn1;
  TzsSkinLinkImage* img2;
  SkinPanelWindow* TopPnl;
  // The skin: the list holds the embedded package, the skin data puts it in
  // force as soon as it is linked to the list. The engine's texts the window
  // shows are the program's own, in Chinese; they outlive the skin data.
  std::unique_ptr<TzsResourceStrData> zsResourceStrData1;
  std::unique_ptr<TzsCompressedSkinList> zsCompressedSkinList1;
  std::unique_ptr<TzsSkinData> zsSkinData1;
  // The skin's frame in place of the platform's.
  std::unique_ptr<TzsSkinForm> zsfrm;
  // The skinned hint window for every hint (the main form has one).
  std::unique_ptr<SkinHintComponent> zsSkinHint1;

 protected:
  // The derived form's description applies over the base form's.
  TfrmAd(AppServices& services, AppState& state, const FormDescription& description);
  void FormShow() override;
  bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void ChangeDpi(int from, int to) override;
  // High contrast on: the skin steps aside; off: it comes back.
  void FollowHighContrast();
  void btn1Click();
  void CreateSkinComponents();
  void CreateSkinForm();
  void ConfigureTopPanel(TzsSkinPanel& panel);

  AppServices& services_;
  AppState& state_;
  std::string FProductCode;
};

}  // namespace zv::win
