// The frame of the embedded skin at other DPIs: a window of the scaled size
// has the 96-DPI geometry scaled, its buttons hit where they are drawn and
// its shape keeps the mask's.
#include <gtest/gtest.h>

#include "core/base/display_scale.h"
#include "core/frame/skin_frame.h"
#include "frame/frame_fixture.h"

namespace zv {
namespace {

constexpr Size kWindow{600, 400};

SkinFrame FrameAt(const TzsSkinData& data, int dpi, Size size) {
  SkinFrame frame;
  frame.SetSkin(FrameSkinOf(data, dpi));
  frame.SetOptions({BorderIcons::All()});
  frame.Resize(size);
  return frame;
}

void ExpectNear(const Rect& got, const Rect& want, int within = 1) {
  EXPECT_LE(std::abs(got.left - want.left), within) << got.left << " vs " << want.left;
  EXPECT_LE(std::abs(got.top - want.top), within) << got.top << " vs " << want.top;
  EXPECT_LE(std::abs(got.right - want.right), within) << got.right << " vs " << want.right;
  EXPECT_LE(std::abs(got.bottom - want.bottom), within) << got.bottom << " vs " << want.bottom;
}

std::vector<bool> Membership(const SkinFrame& frame) {
  const Size s = frame.size();
  std::vector<bool> inside(static_cast<std::size_t>(s.width) * s.height);
  for (const Rect& r : frame.Region()) {
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) inside[static_cast<std::size_t>(y) * s.width + x] = true;
    }
  }
  return inside;
}

TEST(ScaledFrameTest, GeometryAndHitsAreTheBaseOnesScaled) {
  test::EmbeddedFrameSkin embedded;
  const SkinFrame base = FrameAt(embedded.data, kBaseDpi, kWindow);
  for (const int dpi : {120, 144, 192}) {
    SCOPED_TRACE(dpi);
    const SkinFrame frame = FrameAt(embedded.data, dpi, ScaleSize(kWindow, dpi));
    ExpectNear(frame.ClientRect(), ScaleRect(base.ClientRect(), dpi));
    ExpectNear(frame.CaptionRect(), ScaleRect(base.CaptionRect(), dpi));
    ASSERT_EQ(frame.objects().size(), base.objects().size());
    for (std::size_t i = 0; i < base.objects().size(); ++i) {
      const CaptionObject& o = frame.objects()[i];
      const CaptionObject& o96 = base.objects()[i];
      SCOPED_TRACE(o96.Name());
      EXPECT_EQ(o.visible, o96.visible);
      // Buttons lined up from the edge carry the rounding of each width and gap before them.
      ExpectNear(o.rect, ScaleRect(o96.rect, dpi), 3);
      if (!o96.visible || o96.rect.IsEmpty() || !o96.record || o96.record->TypeWord() != "stdbutton") continue;
      EXPECT_EQ(o.rect.Width(), ScaleLength(o96.rect.Width(), dpi));
      const Point centre{(o.rect.left + o.rect.right) / 2, (o.rect.top + o.rect.bottom) / 2};
      const Point centre96{(o96.rect.left + o96.rect.right) / 2, (o96.rect.top + o96.rect.bottom) / 2};
      EXPECT_EQ(frame.HitTest(centre, true, false), base.HitTest(centre96, true, false));
    }
    // The sizing zones: the corners and edges, a scaled border in.
    for (const Point p96 : {Point{1, 1}, Point{598, 398}, Point{300, 398}, Point{1, 200}}) {
      EXPECT_EQ(frame.HitTest(ScalePoint(p96, dpi), true, false), base.HitTest(p96, true, false));
    }
  }
}

// At twice the DPI the shape is the base shape with every pixel doubled.
TEST(ScaledFrameTest, ShapeIsTheMasksAtEveryScale) {
  test::EmbeddedFrameSkin embedded;
  const SkinFrame base = FrameAt(embedded.data, kBaseDpi, kWindow);
  const std::vector<bool> inside96 = Membership(base);
  const SkinFrame twice = FrameAt(embedded.data, 192, ScaleSize(kWindow, 192));
  const std::vector<bool> inside = Membership(twice);
  for (int y = 0; y < 2 * kWindow.height; ++y) {
    for (int x = 0; x < 2 * kWindow.width; ++x) {
      ASSERT_EQ(inside[static_cast<std::size_t>(y) * 2 * kWindow.width + x],
                inside96[static_cast<std::size_t>(y / 2) * kWindow.width + x / 2])
          << x << "," << y;
    }
  }
  for (const int dpi : {120, 144}) {
    const SkinFrame frame = FrameAt(embedded.data, dpi, ScaleSize(kWindow, dpi));
    long long outside = 0, outside96 = 0;
    for (const bool in : Membership(frame)) outside += !in;
    for (const bool in : inside96) outside96 += !in;
    EXPECT_GT(outside96, 0);
    // Cut corners scale with the area, a pixel's rounding either way.
    EXPECT_NEAR(static_cast<double>(outside), outside96 * dpi * dpi / (96.0 * 96.0), outside96 * 0.5) << dpi;
  }
}

}  // namespace
}  // namespace zv
