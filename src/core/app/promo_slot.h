#pragma once
// Filling the two promotion slots of the main window, and the parts of the
// base form's show and close handling that concern them.
#include <string>

#include "core/base/bitmap.h"
#include "core/platform/downloader.h"
#include "core/platform/files.h"
#include "core/platform/picture_decoder.h"
#include "core/platform/shell.h"
#include "core/platform/text_renderer.h"
#include "core/controls/link_image.h"

namespace zv {

inline constexpr int kPromoSlotHeight = 48;

// What filling a slot reaches for.
struct PromoServices {
  Files& files;
  Downloader& downloader;
  PictureDecoder& decoder;
  TextRenderer& text;
  std::string appDir;
  std::string baseUrl;                 // the fallback's link; PromoBaseUrl() in the program
  ColorRef windowText = Rgb(0, 0, 0);  // the system's window-text colour
};

// Sets the slot's picture and link from the settings file: the downloaded
// picture, else the one kept from an earlier run, else the fallback text
// linking to the base URL. An unknown picture extension raises its error
// before anything is downloaded; a failed decode leaves the old picture.
void LoadPromoSlot(TzsSkinLinkImage& slot, const std::string& key, const std::string& productCode,
                   const PromoServices& services);

// Once the slots were filled without error; later shows leave them alone.
extern int gPromoShown;

// The base form's show handling: fetch the settings, then fill img1 and img2
// and count, while shown is below 1. An error skips the rest (and the
// caller's remaining steps); the next show tries the slots again.
void PromoFormShow(const PromoServices& services, const std::string& productCode, TzsSkinLinkImage& img1,
                   TzsSkinLinkImage& img2, int& shown);

// Closing the main window opens slot 1's link, if it is a web link.
void PromoFormClose(Shell& shell, const TzsSkinLinkImage& img1);

}  // namespace zv
