#pragma once
// What the forms need from outside: the platform seams and the process-wide
// state. Tests hand in recording stand-ins.
#include <functional>
#include <string>
#include <vector>

#include "core/app/article_file.h"
#include "core/app/promo_settings.h"
#include "core/app/random.h"
#include "core/base/text_file.h"
#include "core/platform/clock.h"
#include "core/platform/downloader.h"
#include "core/platform/files.h"
#include "core/platform/picture_decoder.h"
#include "core/platform/shell.h"
#include "core/platform/text_codec.h"
#include "core/platform/text_renderer.h"
#include "win32/platform/win_platform.h"

namespace zv::win {

struct AppServices {
  Files& files;
  TextCodec& codec;
  Clock& clock;
  Shell& shell;
  std::string appDir;  // UTF-8, ends in "\"
  Downloader& downloader;
  PictureDecoder& pictures;
  TextRenderer& text;
  // The build's promotion server; tests point it at their own.
  std::string promoBaseUrl = PromoBaseUrl();
  // Whether the user asked for high-contrast colours (Wine never says so:
  // tests answer for it).
  std::function<bool()> highContrast = SystemHighContrast;

  // The program's folder as the catalogue and the generator reach it.
  AppFolder folder() const { return {files, codec, appDir}; }
};

// Process-wide state shared by the forms.
struct AppState {
  explicit AppState(Clock& clock) : random(clock) {}
  TextLines gLibraryLines;  // the loaded word library and its encoding
  int gPromoShown = 0;      // slots are filled once per process
  Random random;            // the generator's seed lives on
};

}  // namespace zv::win
