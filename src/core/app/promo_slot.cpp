#include "core/app/promo_slot.h"

#include "core/app/promo_picture.h"
#include "core/app/promo_settings.h"
#include "core/app/texts.h"

namespace zv {

int gPromoShown = 0;

namespace {

void ShowPicture(TzsSkinLinkImage& slot, const PromoServices& services, const std::string& file,
                 const std::string& link) {
  // Decoded before the slot changes, so a bad file leaves the old picture.
  Picture picture = LoadPictureFile(services.files, services.decoder, file);
  slot.SetPicture(std::move(picture));
  slot.AutoSize = false;
  slot.URL = link;
}

void ShowFallback(TzsSkinLinkImage& slot, const PromoServices& services) {
  const BitmapView canvas = slot.Canvas();
  FontSpec font;
  font.height = ScaleLength(font.height, slot.Dpi());  // the canvas is at the slot's scale
  font.color = services.windowText;
  services.text.Draw(canvas, font, texts::kPromoFallback, {0, 0}, canvas.bounds());
  slot.Invalidate();
  slot.URL = services.baseUrl;
}

}  // namespace

void LoadPromoSlot(TzsSkinLinkImage& slot, const std::string& key, const std::string& productCode,
                   const PromoServices& services) {
  const std::string settings = services.appDir + kPromoSettingsFile;
  slot.SetHeight(kPromoSlotHeight);
  const std::string pictureUrl =
      SettingsValue(services.files, services.appDir, settings, 0, productCode + "path", key, "");
  const std::string link = SettingsValue(services.files, services.appDir, settings, 0, productCode + "link", key, "");
  const std::string extension = PictureExtension(pictureUrl);
  const std::string file = services.appDir + key + extension;

  // A name no file can have (a query, a "/") is a failed download, and no
  // file kept from an earlier run can have it either.
  if (!IsFileNameSafe(extension)) return ShowFallback(slot, services);
  if (!pictureUrl.empty()) {
    // Nothing is fetched that could not be shown.
    const std::string_view name = extension.empty() ? std::string_view() : std::string_view(extension).substr(1);
    if (!PictureFormatOf(name)) throw UnknownPictureExtension(name);
    if (DownloadToFile(services.downloader, services.files, pictureUrl, file)) {
      return ShowPicture(slot, services, file, link);
    }
  }
  if (services.files.Exists(file)) return ShowPicture(slot, services, file, link);
  ShowFallback(slot, services);
}

void PromoFormShow(const PromoServices& services, const std::string& productCode, TzsSkinLinkImage& img1,
                   TzsSkinLinkImage& img2, int& shown) {
  FetchPromoSettings(services.downloader, services.files, services.appDir, productCode, services.baseUrl);
  if (shown < 1) {
    LoadPromoSlot(img1, "fname1", productCode, services);
    LoadPromoSlot(img2, "fname2", productCode, services);
    ++shown;
  }
}

void PromoFormClose(Shell& shell, const TzsSkinLinkImage& img1) { OpenWebLink(shell, img1.URL); }

}  // namespace zv
