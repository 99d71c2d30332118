#pragma once
// TfrmAd: the promotion frame the main window derives from: two promotion
// slots, the folder button and the top panel.
#include <string>

#include "win32/app/services.h"
#include "win32/forms/controls.h"
#include "win32/forms/form.h"

namespace zv::win {

class TfrmAd : public Form {
 public:
  TfrmAd(AppServices& services, AppState& state);

  TzsSkinLinkImage* img1;
  Button* btn1;
  TzsSkinLinkImage* img2;
  Panel* TopPnl;

 protected:
  // The derived form's description applies over the base form's.
  TfrmAd(AppServices& services, AppState& state, const FormDescription& description);
  void FormShow() override;
  void btn1Click();

  AppServices& services_;
  AppState& state_;
  std::string FProductCode;
};

}  // namespace zv::win
