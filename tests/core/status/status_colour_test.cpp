#include "core/status/colour.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

TEST(StatusColour, ConvertsToHueLightnessSaturation) {
  EXPECT_EQ(RgbToHls(Rgb(128, 128, 128)), (Hls{160, 120, 0}));  // grey: hue undefined
  EXPECT_EQ(RgbToHls(Rgb(255, 0, 0)), (Hls{0, 120, 240}));
  EXPECT_EQ(RgbToHls(Rgb(0, 255, 0)), (Hls{80, 120, 240}));
  EXPECT_EQ(RgbToHls(Rgb(0, 0, 255)), (Hls{160, 120, 240}));
  EXPECT_EQ(RgbToHls(Rgb(255, 255, 255)), (Hls{160, 240, 0}));
  // Pure colours come back unchanged.
  for (const ColorRef c : {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(0, 0, 0), Rgb(255, 255, 255)}) {
    EXPECT_EQ(HlsToRgb(RgbToHls(c)), c) << std::hex << c;
  }
}

TEST(StatusColour, LighteningByThirtyRaisesTheLightness) {
  // Grey 128: lightness 120 becomes 150, 150 * 255 / 240 rounds to 159.
  EXPECT_EQ(AdjustLightness(Rgb(128, 128, 128), 30), Rgb(159, 159, 159));
  // Red: lightness 150 at full saturation gives 60/240 for the other channels.
  EXPECT_EQ(AdjustLightness(Rgb(255, 0, 0), 30), Rgb(255, 64, 64));
  // Darkening: lightness 90 gives 96.
  EXPECT_EQ(AdjustLightness(Rgb(128, 128, 128), -30), Rgb(96, 96, 96));
  // 0 keeps even a colour the conversion would not round-trip.
  EXPECT_EQ(AdjustLightness(Rgb(17, 99, 201), 0), Rgb(17, 99, 201));
  EXPECT_NE(AdjustLightness(Rgb(17, 99, 201), 30), Rgb(17, 99, 201));
}

TEST(StatusColour, ExtremeAdjustmentsStayInRange) {
  EXPECT_EQ(AdjustLightness(Rgb(128, 128, 128), 200), Rgb(255, 255, 255));
  EXPECT_EQ(AdjustLightness(Rgb(128, 128, 128), -500), Rgb(0, 0, 0));
  // A saturated colour pushed past the top of the scale saturates every
  // channel at full intensity instead of wrapping round.
  const ColorRef bright = AdjustLightness(Rgb(200, 30, 30), 1000);
  EXPECT_EQ(RedOf(bright), 255);
  EXPECT_GE(GreenOf(bright), 200);
  EXPECT_EQ(BlueOf(bright) & ~0xFF, 0);
}

TEST(StatusColour, PaletteResolvesSystemColours) {
  SystemPalette palette = SystemPalette::Classic();
  EXPECT_EQ(palette.Resolve(clBtnShadow), Rgb(128, 128, 128));
  EXPECT_EQ(palette.Resolve(clBtnFace), Rgb(212, 208, 200));
  palette.colours[15] = Rgb(1, 2, 3);
  EXPECT_EQ(palette.Resolve(clBtnFace), Rgb(1, 2, 3));
  EXPECT_EQ(palette.Resolve(Rgb(9, 8, 7)), Rgb(9, 8, 7));
  EXPECT_EQ(palette.Resolve(kSystemColourFlag | 200), Rgb(0, 0, 0));  // no such index
}

}  // namespace
}  // namespace zv
