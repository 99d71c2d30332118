#include "win32/app/main_window.h"

#include <utility>

#include "core/app/catalogue.h"
#include "core/app/generator.h"
#include "core/app/promo_slot.h"
#include "core/app/texts.h"
#include "win32/forms/application.h"

namespace zv::win {

namespace {

const FormDescription kMainDescription{texts::kMainCaption, {791, 496}, {358, 144}, true};

// The library list and first status pane, as the catalogue sees them.
class CatalogueAdapter : public CatalogueView {
 public:
  CatalogueAdapter(ListBox& list, TSbStatusPane& pane) : list_(list), pane_(pane) {}
  int ItemCount() override { return list_.Count(); }
  std::string Item(int index) override { return list_.Item(index); }
  bool Selected(int index) override { return list_.Selected(index); }
  void SetStatusCaption(const std::string& text) override { pane_.SetCaption(text); }
  void ShowMessage(const std::string& text) override { Application::Instance().dialogs().ShowMessage(text); }

 private:
  ListBox& list_;
  TSbStatusPane& pane_;
};

// The article and keyword boxes, as the generator sees them.
class GeneratorAdapter : public GeneratorView {
 public:
  GeneratorAdapter(Memo& article, Memo& keywords) : article_(article), keywords_(keywords) {}
  void ClearArticle() override { article_.SetText(""); }
  void SetArticle(const std::string& text, Encoding encoding) override {
    if (encoding == Encoding::kCp936) {
      article_.SetText(text);
    } else {
      article_.SetTextUtf8(text);
    }
  }
  std::vector<std::string> ReadKeywordLines() override { return keywords_.DisplayedLines(); }
  void ShowMessage(const std::string& text) override { Application::Instance().dialogs().ShowMessage(text); }

 private:
  Memo& article_;
  Memo& keywords_;
};

// The main window's panes fill the bar's height.
template <class P, class... Args>
P& AddStatusPane(TSbStatusBar& bar, TAlign align, int width, Args&&... args) {
  P& pane = bar.AddPane<P>(std::forward<Args>(args)...);
  pane.SetAlign(align);
  pane.SetWidth(width);
  pane.SetHeight(zv::TSbStatusBar::kStandardHeight);
  return pane;
}

}  // namespace

TfrmAd1::TfrmAd1(AppServices& services, AppState& state) : TfrmAd(services, state, kMainDescription) {
  Panel1 = &Add<Panel>(*this, "Panel1", Rect::FromSize(0, 49, 791, 428));
  Panel1->SetAlign(Align::kClient);
  Memo1 = &Add<Memo>(*Panel1, "Memo1", Rect::FromSize(1, 1, 614, 426), false);
  Memo1->SetAlign(Align::kLeft);
  pnl1 = &Add<Panel>(*Panel1, "pnl1", Rect::FromSize(615, 1, 175, 426));
  pnl1->SetAlign(Align::kClient);
  ListBox1 = &Add<ListBox>(*pnl1, "ListBox1", Rect::FromSize(1, 1, 173, 208), 13);
  ListBox1->SetAlign(Align::kTop);
  btnScan = &Add<Button>(*pnl1, "btnScan", Rect::FromSize(44, 368, 85, 25), texts::kScanButton);
  btnGen = &Add<Button>(*pnl1, "btnGen", Rect::FromSize(44, 328, 85, 25), texts::kGenerateButton);
  btnGen->SetAnchors({false, true, true, false});
  SbStatusBar1 = &Add<TSbStatusBar>(*this, "SbStatusBar1", Rect::FromSize(0, 477, 791, 19));
  SbStatusBar1->SetAlign(Align::kBottom);
  SbStatusPane1 = &AddStatusPane<TSbStatusPane>(*SbStatusBar1, alLeft, 161);
  SbStatusPane2 = &AddStatusPane<TSbStatusPane>(*SbStatusBar1, alLeft, 100);
  SbClockStatus1 = &AddStatusPane<TSbClockStatus>(*SbStatusBar1, alRight, 150, SbStatusBar1->localTime());
  SbStatusBar1->Loaded();
  Memo2 = &Add<Memo>(*pnl1, "Memo2", Rect::FromSize(1, 222, 173, 89), true);
  Memo2->SetAlign(Align::kTop);
  Memo2->SetText(texts::kKeywordInitial);
  Label1 = &Add<Label>(*pnl1, "Label1", Rect::FromSize(1, 209, 173, 13), texts::kKeywordLabel);
  Label1->SetAlign(Align::kTop);

  int order = 0;
  for (Control* c : {static_cast<Control*>(Memo1), static_cast<Control*>(pnl1)}) c->set_tabOrder(order++);
  order = 0;
  for (Control* c : std::initializer_list<Control*>{ListBox1, Memo2, btnGen, btnScan}) c->set_tabOrder(order++);
  Panel1->set_tabOrder(1);
  SbStatusBar1->set_tabOrder(3);

  btnGen->OnClick = [this] { btnGenClick(); };
  btnScan->OnClick = [this] { btnScanClick(); };
  ListBox1->OnClick = [this] { ListBox1Click(); };
  TopPnl->OnClick = [this] { TopPnlClick(); };
  ConfigureMainTopPanel(TopPnl->panel());
  // The caption buttons show their hints, skinned, as the platform's own
  // caption buttons show tooltips.
  zsSkinHint1 = std::make_unique<SkinHintComponent>(hwnd(), *zsSkinData1);
  zsfrm->ShowObjectHint = true;
}

// The main window's panel: a transparent group box with a check box in its
// caption, in its own caption font.
void TfrmAd1::ConfigureMainTopPanel(TzsSkinPanel& panel) {
  panel.SetBorderStyle(TzsSkinBorderStyle::bvRaised);
  panel.SetCaptionMode(true);
  panel.SetCaption(texts::kTopPanelCaption);
  panel.SetTransparentMode(true);
  panel.SetCheckedMode(true);
  panel.SetChecked(false);
  panel.SetDefaultFont(FontSpec{"Arial", -21, kFontBold, 0});
  panel.UseSkinFont = false;
}

void TfrmAd1::FormCreate() {
  FProductCode = "zvk";
  state_.gLibraryLines = {};
  img1->SetParent(*TopPnl);
  img1->SetAlign(Align::kRight);
  img2->SetParent(*ListBox1);
  img2->backgroundSysColor = COLOR_WINDOW;
  img2->SetAlign(Align::kBottom);
}

void TfrmAd1::FormShow() {
  TfrmAd::FormShow();
  btnScanClick();
}

void TfrmAd1::FormClose() {
  PromoFormClose(services_.shell, img1->core());
  state_.gLibraryLines = {};
}

void TfrmAd1::btnScanClick() {
  ListBox1->Clear();
  for (const auto& name : ScanWordLibraries(services_.files, services_.appDir)) ListBox1->Add(name);
}

void TfrmAd1::ListBox1Click() {
  CatalogueAdapter view(*ListBox1, *SbStatusPane1);
  zv::ListBox1Click(view, services_.folder(), state_.gLibraryLines);
}

void TfrmAd1::btnGenClick() {
  GeneratorAdapter view(*Memo1, *Memo2);
  GenerateAndSave(view, state_.gLibraryLines, state_.random, services_.folder());
}

void TfrmAd1::TopPnlClick() { Application::Instance().dialogs().ShowMessage(texts::kAbout); }

}  // namespace zv::win
