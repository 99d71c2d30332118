#pragma once
// What the frame reads of a skin: the main, inactive and mask pictures,
// FORMINFO, the object records and the active pictures. Both the skin data
// component and a skin read from a package give one.
#include <vector>

#include "core/base/bitmap.h"
#include "core/base/display_scale.h"
#include "core/skin/global_sections.h"
#include "core/skin/object_records.h"

namespace zv {

class TzsSkinData;
class PackageSkin;
class ScaledSkin;

struct FrameSkin {
  BitmapView picture;
  BitmapView inactivePicture;
  BitmapView mask;
  std::vector<BitmapView> activePictures;
  SkinFormInfo info;
  std::vector<const TzsDataSkinObject*> objects;
  bool effects = true;     // the skin data's EnableSkinEffects: morphing may run
  bool glowFrames = true;  // the skin data's ShowCaptionButtonGlowFrames
  int dpi = kBaseDpi;      // the scale the pieces are at

  // No main picture: the plain frame is used.
  bool Empty() const { return picture.width() <= 0 || picture.height() <= 0; }
  Size PictureSize() const { return {picture.width(), picture.height()}; }
  // An empty view for -1 or an index beyond the list.
  BitmapView ActivePicture(int index) const;
};

// Views into `data`, valid until its skin changes. Empty when no skin is in force.
FrameSkin FrameSkinOf(const TzsSkinData& data);
FrameSkin FrameSkinOf(const PackageSkin& skin);
FrameSkin FrameSkinOf(const ScaledSkin& skin);
// The same at `dpi`: at 96 DPI exactly the above, otherwise views into the
// scaled copy the skin keeps for that DPI. With the skin data, empty (the
// plain frame) when the skin cannot be scaled that far; the package skin
// throws zv::Error then.
FrameSkin FrameSkinOf(const TzsSkinData& data, int dpi);
FrameSkin FrameSkinOf(const PackageSkin& skin, int dpi);

}  // namespace zv
