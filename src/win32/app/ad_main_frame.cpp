#include "win32/app/ad_main_frame.h"

#include "core/app/program_strings.h"
#include "core/app/promo_slot.h"
#include "core/app/texts.h"
#include "core/base/byte_stream.h"
#include "win32/forms/form_registry.h"
#include "win32/skin/embedded_skin.h"

namespace zv::win {

namespace {

const FormDescription kBaseDescription{"frmAd", {791, 496}, {358, 144}, false};

}  // namespace

TfrmAd::TfrmAd(AppServices& services, AppState& state) : TfrmAd(services, state, kBaseDescription) {}

TfrmAd::TfrmAd(AppServices& services, AppState& state, const FormDescription& description)
    : Form("frmAd"), services_(services), state_(state) {
  CreateForm(description);
  img1 = &Add<TzsSkinLinkImage>(*this, "img1", Rect::FromSize(0, 0, 225, 48));
  btn1 = &Add<Button>(*this, "btn1", Rect::FromSize(528, 104, 75, 25), texts::kOpenFolderButton);
  img2 = &Add<TzsSkinLinkImage>(*this, "img2", Rect::FromSize(0, 0, 173, 48));
  CreateSkinComponents();
  CreateSkinForm();
  TopPnl = &Add<SkinPanelWindow>(*this, "TopPnl", Rect::FromSize(0, 0, 791, 49));
  TopPnl->SetAlign(Align::kTop);
  ConfigureTopPanel(TopPnl->panel());

  for (TzsSkinLinkImage* slot : {img1, img2}) slot->shell = &services_.shell;
  TopPnl->set_tabOrder(0);
  btn1->set_tabOrder(2);
  btn1->OnClick = [this] { btn1Click(); };
}

// The list is filled before the skin data is linked to it, so linking puts
// the skin in force and every form hears of it before the controls exist.
void TfrmAd::CreateSkinComponents() {
  zsResourceStrData1 = std::make_unique<TzsResourceStrData>(ProgramResourceStrings());
  zsCompressedSkinList1 = std::make_unique<TzsCompressedSkinList>();
  ByteReader stream(EmbeddedSkinResource());
  zsCompressedSkinList1->Skins().Add().ReadSkin(stream);
  zsSkinData1 = std::make_unique<TzsSkinData>(this, WinFormRegistry::Instance());
  zsSkinData1->SetLoading(true);
  zsSkinData1->SetSkinnableForm(true);
  zsSkinData1->EnableSkinEffects = true;
  zsSkinData1->ShowButtonGlowFrames = true;
  zsSkinData1->ShowCaptionButtonGlowFrames = true;
  zsSkinData1->SetSkinIndex(0);
  zsSkinData1->SetResourceStrData(zsResourceStrData1.get());
  FollowHighContrast();
  zsSkinData1->SetSkinList(zsCompressedSkinList1.get());
  zsSkinData1->SetLoading(false);
}

// As the form description sets it: every caption button, resizable, and
// minimising to the tray (which has no icon in this program). The designed
// client size is kept, whatever the platform's own frame measured.
void TfrmAd::CreateSkinForm() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  zsfrm = std::make_unique<TzsSkinForm>(hwnd(), services_.text);
  zsfrm->ClientWidth = client.right;
  zsfrm->ClientHeight = client.bottom;
  zsfrm->SetBorderIcons(BorderIcons::All());
  zsfrm->AlwaysResize = true;
  zsfrm->AlwaysShowInTray = true;
  zsfrm->AlwaysMinimizeToTray = true;
  zsfrm->SetSkinData(zsSkinData1.get());
}

// The frame's own look: the skinned frame without a caption.
void TfrmAd::ConfigureTopPanel(TzsSkinPanel& panel) {
  panel.SetBorderStyle(TzsSkinBorderStyle::bvFrame);
  panel.SetCaptionMode(false);
  panel.SetCaption("TopPnl");
  panel.SetTransparentMode(false);
  panel.SetCheckedMode(false);
  panel.SetChecked(false);
  panel.AutoEnabledControls = true;
  panel.SetDefaultFont(FontSpec{"Arial", 14, 0, 0});
  panel.UseSkinFont = true;
  panel.SetDefaultCaptionHeight(22);
  panel.SetSkinDataName("panel");
  panel.SetSkinData(zsSkinData1.get());
}

void TfrmAd::FormShow() {
  const PromoServices promo{services_.files,
                            services_.downloader,
                            services_.pictures,
                            services_.text,
                            services_.appDir,
                            services_.promoBaseUrl,
                            static_cast<ColorRef>(GetSysColor(COLOR_WINDOWTEXT))};
  PromoFormShow(promo, FProductCode, img1->core(), img2->core(), state_.gPromoShown);
}

void TfrmAd::FollowHighContrast() { zsSkinData1->SetHighContrast(services_.highContrast()); }

bool TfrmAd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if ((msg == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST) || msg == WM_THEMECHANGED) FollowHighContrast();
  if (zsSkinHint1 && reinterpret_cast<TzsSkinData*>(wParam) == zsSkinData1.get()) {
    if (msg == ZSM_SKINCHANGING) zsSkinHint1->SkinChanging();
    if (msg == ZSM_SKINCHANGED) zsSkinHint1->SkinChanged();
  }
  return Form::HandleMessage(msg, wParam, lParam, result);
}

// The frame and the hints follow the controls to the new scale; the frame
// sizes the window for the client at that scale.
void TfrmAd::ChangeDpi(int from, int to) {
  Form::ChangeDpi(from, to);
  zsfrm->SetDpi(to);
  if (zsSkinHint1) zsSkinHint1->SetDpi(to);
}

void TfrmAd::btn1Click() { services_.shell.OpenFolderInExplorer(services_.appDir); }

}  // namespace zv::win
