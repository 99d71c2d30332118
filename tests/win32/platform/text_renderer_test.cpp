// GDI text on core bitmaps.
#include <gtest/gtest.h>

#include "core/app/texts.h"
#include "win32/platform/gdi_text_renderer.h"

namespace zv::win::test {
namespace {

const Pixel kWhite{255, 255, 255, 255};

int CountChanged(const Bitmap& bitmap, const Rect& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += bitmap.At(x, y) == kWhite ? 0 : 1;
  }
  return count;
}

TEST(GdiTextRenderer, MeasuresAndDrawsChineseTextInsideItsExtentAndClip) {
  GdiTextRenderer renderer;
  FontSpec font;
  font.color = 0x000000;
  const Size whole = renderer.Measure(font, texts::kPromoFallback);
  const Size part = renderer.Measure(font, std::string(texts::kPromoFallback).substr(0, 4));  // two characters
  EXPECT_GT(whole.width, part.width * 3);
  EXPECT_GT(whole.height, 8);

  Bitmap bitmap(300, 48, kWhite);
  renderer.Draw(bitmap.view(), font, texts::kPromoFallback, {10, 5}, bitmap.view().bounds());
  EXPECT_GT(CountChanged(bitmap, Rect::FromSize(10, 5, whole.width, whole.height)), 30);
  EXPECT_EQ(CountChanged(bitmap, {0, 0, 10, 48}), 0);
  EXPECT_EQ(CountChanged(bitmap, {12 + whole.width, 0, 300, 48}), 0);
  for (const Pixel& p : bitmap.pixels()) ASSERT_EQ(p.a, 255);  // alpha is kept

  // Clipped to a band: nothing changes outside it.
  Bitmap clipped(300, 48, kWhite);
  const Rect band{0, 0, 30, 48};
  renderer.Draw(clipped.view(), font, texts::kPromoFallback, {0, 0}, band);
  EXPECT_GT(CountChanged(clipped, band), 0);
  EXPECT_EQ(CountChanged(clipped, {30, 0, 300, 48}), 0);

  // A clip outside the bitmap draws nothing and does not fail.
  renderer.Draw(clipped.view(), font, texts::kPromoFallback, {0, 0}, {400, 0, 500, 48});
}

}  // namespace
}  // namespace zv::win::test
