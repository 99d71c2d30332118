// The embedded skin at other DPIs: records and pictures against the 96-DPI
// skin scaled by the one rounding rule, the cache, the limits.
#include "core/skin/scaling/scaled_skin.h"

#include <gtest/gtest.h>

#include <set>

#include "core/base/display_scale.h"
#include "core/base/error.h"
#include "core/skin/scaling/record_scaling.h"
#include "core/skin/skin_data.h"
#include "skin/skin_data_fakes.h"

namespace zv {
namespace {

struct ScaledSkinTest : ::testing::Test, test::EmbeddedSkinData {};

// Every look a record cuts from its pictures, in table order.
class LookCollector : public PixelKeyVisitor {
 public:
  std::vector<Rect> looks;

 protected:
  void Length(const KeyInfo&, int&) override {}
  void At(const KeyInfo&, Point&) override {}
  void Area(const KeyInfo& key, Rect& field) override {
    if (key.unit == KeyUnit::kLook) looks.push_back(field);
  }
};

template <class R>
std::vector<Rect> LooksOf(R& record) {
  LookCollector collector;
  record.VisitKeys(collector);
  return collector.looks;
}

// Looks keep their scaled size exactly (so a button's state strips line up)
// and lie within a pixel of their scaled place.
TEST_F(ScaledSkinTest, LooksKeepTheirScaledSize) {
  for (const int dpi : {120, 144, 192}) {
    const ScaledSkin* scaled = data.ScaledAt(dpi);
    ASSERT_NE(scaled, nullptr) << dpi;
    ASSERT_EQ(scaled->Objects().size(), data.ObjectList().size());
    for (std::size_t i = 0; i < data.ObjectList().size(); ++i) {
      const std::vector<Rect> base = LooksOf(*data.ObjectList()[i]);
      const std::vector<Rect> at = LooksOf(*scaled->Objects()[i]);
      ASSERT_EQ(base.size(), at.size());
      for (std::size_t k = 0; k < base.size(); ++k) {
        const Rect want = ScaleRect(base[k], dpi);
        SCOPED_TRACE(data.ObjectList()[i]->Name() + " look " + std::to_string(k) + " at " + std::to_string(dpi));
        EXPECT_EQ(at[k].Width(), ScaleLength(base[k].Width(), dpi));
        EXPECT_EQ(at[k].Height(), ScaleLength(base[k].Height(), dpi));
        EXPECT_LE(std::abs(at[k].left - want.left), 1);
        EXPECT_LE(std::abs(at[k].top - want.top), 1);
      }
    }
    // Plain lengths follow the rule itself.
    const auto& caption = dynamic_cast<const TzsDataSkinCaption&>(*scaled->Objects()[5]);
    const auto& caption96 = dynamic_cast<const TzsDataSkinCaption&>(*data.ObjectList()[5]);
    EXPECT_EQ(caption.fontHeight, ScaleLength(caption96.fontHeight, dpi));
    EXPECT_EQ(caption.textRect, ScaleRect(caption96.textRect, dpi));
  }
}

// Twice the DPI is every pixel twice over; masks keep only their own levels.
TEST_F(ScaledSkinTest, PicturesReplicateAtWholeFactorsAndMasksStayTwoLevel) {
  const ScaledSkin& twice = *data.ScaledAt(192);
  const BitmapView main = twice.MainPicture();
  ASSERT_EQ(main.width(), 2 * data.Picture().width());
  for (int y = 0; y < main.height(); ++y) {
    for (int x = 0; x < main.width(); ++x) ASSERT_EQ(main.At(x, y), data.Picture().At(x / 2, y / 2));
  }
  std::set<std::uint32_t> levels;
  for (const Pixel& p : data.Mask().pixels()) levels.insert(ToColorRef(p));
  for (const int dpi : {120, 144}) {
    const BitmapView mask = data.ScaledAt(dpi)->MaskPicture();
    EXPECT_EQ(mask.width(), ScaleLength(data.Mask().width(), dpi));
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) ASSERT_TRUE(levels.count(ToColorRef(mask.At(x, y)))) << x << "," << y;
    }
  }
}

// 96 DPI is the skin itself; other DPIs are made once, kept side by side and
// dropped when the skin changes.
TEST_F(ScaledSkinTest, CacheKeepsOneCopyPerDpi) {
  EXPECT_EQ(&data.AtDpi(kBaseDpi), &data);
  EXPECT_EQ(data.ScaledAt(kBaseDpi), nullptr);
  const ScaledSkin* at144 = data.ScaledAt(144);
  const ScaledSkin* at120 = data.ScaledAt(120);
  ASSERT_NE(at144, nullptr);
  EXPECT_NE(at120, at144);
  EXPECT_EQ(data.ScaledAt(144), at144);
  EXPECT_EQ(&data.AtDpi(144), at144);
  EXPECT_EQ(at144->Dpi(), 144);
  EXPECT_EQ(at144->Picture(0).width(), ScaleLength(data.Picture(0).width(), 144));
  EXPECT_NE(at144->ControlRecord("panel"), nullptr);
}

// Pictures past the limits and DPIs outside the range are refused with a
// reason; the cache remembers it instead of trying again.
TEST(ScaledSkinLimitsTest, TooLargeOrOutOfRangeIsRefused) {
  SkinFormInfo form;
  TzsDataSkinPopupWindow popup;
  TzsDataSkinHintWindow hint;
  TzsSkinColors colors;
  ObjectRecords objects;
  ControlRecords controls;
  Bitmap big(2000, 2000);
  Bitmap wide(7000, 1);
  SkinContents skin{big.view(), {}, {}, {}, &form, &popup, &hint, &colors, &objects, &controls};
  EXPECT_NO_THROW(ScaledSkin(skin, 144));
  ScaledSkinCache cache;
  EXPECT_EQ(cache.Get(skin, 480), nullptr);
  EXPECT_NE(cache.Error(480).find("480 DPI"), std::string::npos) << cache.Error(480);
  EXPECT_EQ(cache.Get(skin, 480), nullptr);
  skin.picture = wide.view();
  EXPECT_THROW(ScaledSkin(skin, 480), Error);
  for (const int dpi : {0, -96, 47, 481, 100000}) EXPECT_THROW(ScaledSkin(skin, dpi), Error) << dpi;
}

}  // namespace
}  // namespace zv
