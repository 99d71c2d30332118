#include "core/frame/client_looks.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

constexpr Pixel kBack{10, 20, 30, 255};

TEST(ClientLooksTest, LogoCentredNeverOffTheCornerAndKeyedByItsCorner) {
  Bitmap logo(4, 2, Pixel{0, 0, 255, 255});
  logo.At(0, 1) = logo.At(3, 0) = Pixel{0, 255, 0, 255};  // the bottom-left colour is the key
  Bitmap client(11, 7, kBack);
  DrawLogo(client.view(), logo.view(), true);
  // At ((11 - 4) div 2, (7 - 2) div 2) = (3, 2); the key colour lies at (3, 3) and (6, 2).
  EXPECT_EQ(client.At(3, 3), kBack);
  EXPECT_EQ(client.At(6, 2), kBack);
  EXPECT_EQ(ToColorRef(client.At(3, 2)), Rgb(255, 0, 0));
  DrawLogo(client.view(), logo.view(), false);
  EXPECT_EQ(ToColorRef(client.At(3, 3)), Rgb(0, 255, 0));

  Bitmap small(2, 1, kBack);
  DrawLogo(small.view(), logo.view(), false);  // larger than the client: from its corner
  EXPECT_EQ(ToColorRef(small.At(0, 0)), Rgb(255, 0, 0));
}

TEST(ClientLooksTest, VeilBlendsTheBackgroundOverOrBlurs) {
  Bitmap snapshot(8, 8, Pixel{0, 0, 0, 255});
  const Bitmap background(8, 8, Pixel{255, 255, 255, 255});
  VeilClient(snapshot.view(), const_cast<Bitmap&>(background).view(), ClientInActiveEffectType::zsieSemiTransparent);
  EXPECT_EQ(snapshot.At(3, 3).r, 255 * 170 / 256);
  Bitmap sharp(9, 9, Pixel{0, 0, 0, 255});
  sharp.At(4, 4) = Pixel{255, 255, 255, 255};
  VeilClient(sharp.view(), {}, ClientInActiveEffectType::zsieBlur);
  EXPECT_LT(sharp.At(4, 4).r, 255);
  EXPECT_GT(sharp.At(5, 4).r, 0);
}

}  // namespace
}  // namespace zv
