#pragma once
// TfrmAd1: the main window: the article box, the library list, the keyword
// box, the generator's buttons and the status bar.
#include "win32/app/ad_main_frame.h"
#include "win32/status/status_bar_control.h"

namespace zv::win {

class TfrmAd1 : public TfrmAd {
 public:
  TfrmAd1(AppServices& services, AppState& state);

  Panel* Panel1;
  Memo* Memo1;
  Panel* pnl1;
  ListBox* ListBox1;
  Button* btnScan;
  Button* btnGen;
  TSbStatusBar* SbStatusBar1;
  TSbStatusPane* SbStatusPane1;
  TSbStatusPane* SbStatusPane2;
  TSbClockStatus* SbClockStatus1;
  Memo* Memo2;
  Label* Label1;

  void btnGenClick();
  void btnScanClick();
  void ListBox1Click();
  void TopPnlClick();

 protected:
  void ConfigureMainTopPanel(TzsSkinPanel& panel);
  void FormCreate() override;
  void FormShow() override;
  void FormClose() override;
};

}  // namespace zv::win
