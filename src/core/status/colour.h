#pragma once
// Colours as the panes store them: either an RGB value or a reference to a
// system colour that the shell resolves from its palette.
#include <array>
#include <cstdint>

#include "core/base/bitmap.h"

namespace zv {

// 0x00BBGGRR, or 0x80000000 | the platform's system-colour index.
using TColor = std::uint32_t;

constexpr TColor kSystemColourFlag = 0x80000000u;
constexpr int kSystemColourCount = 31;

// System colours by the platform's indexes, so the shell fills the palette
// with one loop over its system-colour call.
constexpr TColor clWindowText = kSystemColourFlag | 8;
constexpr TColor clHighlight = kSystemColourFlag | 13;
constexpr TColor clBtnFace = kSystemColourFlag | 15;
constexpr TColor clBtnShadow = kSystemColourFlag | 16;
constexpr TColor clGrayText = kSystemColourFlag | 17;
constexpr TColor clBtnText = kSystemColourFlag | 18;
constexpr TColor clBtnHighlight = kSystemColourFlag | 20;
constexpr TColor cl3DDkShadow = kSystemColourFlag | 21;
constexpr TColor cl3DLight = kSystemColourFlag | 22;

struct SystemPalette {
  std::array<ColorRef, kSystemColourCount> colours{};

  // The classic Windows scheme; the shell overwrites it with the live values.
  static SystemPalette Classic();
  ColorRef Resolve(TColor colour) const;
};

// Hue, lightness and saturation on the 0 to 240 scale.
struct Hls {
  int hue = 0;
  int lightness = 0;
  int saturation = 0;
  friend bool operator==(const Hls&, const Hls&) = default;
};

Hls RgbToHls(ColorRef colour);
// Lightness above 240 is allowed; each channel is capped at 255.
ColorRef HlsToRgb(const Hls& hls);
// Adds `adjustment` to the lightness (capped at 255, floored at 0); 0 keeps
// the colour as it is.
ColorRef AdjustLightness(ColorRef colour, int adjustment);

}  // namespace zv
