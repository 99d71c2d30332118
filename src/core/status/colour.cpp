#include "core/status/colour.h"

#include <algorithm>

namespace zv {
namespace {

constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
constexpr int kUndefinedHue = kHlsMax * 2 / 3;

int HueToRgb(int n1, int n2, int hue) {
  if (hue < 0) hue += kHlsMax;
  if (hue > kHlsMax) hue -= kHlsMax;
  if (hue < kHlsMax / 6) return n1 + ((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6);
  if (hue < kHlsMax / 2) return n2;
  if (hue < kHlsMax * 2 / 3) return n1 + ((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6);
  return n1;
}

int ToChannel(int value) { return std::clamp((value * kRgbMax + kHlsMax / 2) / kHlsMax, 0, kRgbMax); }

}  // namespace

SystemPalette SystemPalette::Classic() {
  SystemPalette p;
  p.colours.fill(Rgb(0, 0, 0));
  p.colours[8] = Rgb(0, 0, 0);           // window text
  p.colours[13] = Rgb(10, 36, 106);      // highlight
  p.colours[14] = Rgb(255, 255, 255);    // highlight text
  p.colours[15] = Rgb(212, 208, 200);    // button face
  p.colours[16] = Rgb(128, 128, 128);    // button shadow
  p.colours[17] = Rgb(128, 128, 128);    // grey text
  p.colours[18] = Rgb(0, 0, 0);          // button text
  p.colours[20] = Rgb(255, 255, 255);    // button highlight
  p.colours[21] = Rgb(64, 64, 64);       // 3-D dark shadow
  p.colours[22] = Rgb(212, 208, 200);    // 3-D light
  return p;
}

ColorRef SystemPalette::Resolve(TColor colour) const {
  if ((colour & kSystemColourFlag) == 0) return colour & 0x00FFFFFFu;
  const auto index = colour & 0xFFu;
  return index < colours.size() ? colours[index] : Rgb(0, 0, 0);
}

Hls RgbToHls(ColorRef colour) {
  const int r = RedOf(colour), g = GreenOf(colour), b = BlueOf(colour);
  const int cMax = std::max({r, g, b}), cMin = std::min({r, g, b});
  Hls out;
  out.lightness = ((cMax + cMin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
  if (cMax == cMin) {
    out.hue = kUndefinedHue;
    return out;
  }
  const int sum = cMax + cMin, diff = cMax - cMin;
  out.saturation = out.lightness <= kHlsMax / 2 ? (diff * kHlsMax + sum / 2) / sum
                                                 : (diff * kHlsMax + (2 * kRgbMax - sum) / 2) / (2 * kRgbMax - sum);
  const int rDelta = ((cMax - r) * (kHlsMax / 6) + diff / 2) / diff;
  const int gDelta = ((cMax - g) * (kHlsMax / 6) + diff / 2) / diff;
  const int bDelta = ((cMax - b) * (kHlsMax / 6) + diff / 2) / diff;
  if (r == cMax) {
    out.hue = bDelta - gDelta;
  } else if (g == cMax) {
    out.hue = kHlsMax / 3 + rDelta - bDelta;
  } else {
    out.hue = kHlsMax * 2 / 3 + gDelta - rDelta;
  }
  if (out.hue < 0) out.hue += kHlsMax;
  if (out.hue > kHlsMax) out.hue -= kHlsMax;
  return out;
}

ColorRef HlsToRgb(const Hls& hls) {
  if (hls.saturation == 0) {
    const int grey = ToChannel(hls.lightness);
    return Rgb(grey, grey, grey);
  }
  const int l = hls.lightness, s = hls.saturation;
  const int magic2 = l <= kHlsMax / 2 ? (l * (kHlsMax + s) + kHlsMax / 2) / kHlsMax
                                      : l + s - (l * s + kHlsMax / 2) / kHlsMax;
  const int magic1 = 2 * l - magic2;
  return Rgb(ToChannel(HueToRgb(magic1, magic2, hls.hue + kHlsMax / 3)), ToChannel(HueToRgb(magic1, magic2, hls.hue)),
             ToChannel(HueToRgb(magic1, magic2, hls.hue - kHlsMax / 3)));
}

ColorRef AdjustLightness(ColorRef colour, int adjustment) {
  if (adjustment == 0) return colour;
  Hls hls = RgbToHls(colour);
  hls.lightness = std::clamp(hls.lightness + adjustment, 0, 255);
  return HlsToRgb(hls);
}

}  // namespace zv
