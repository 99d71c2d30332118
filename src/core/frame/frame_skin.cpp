#include "core/frame/frame_skin.h"

#include "core/base/display_scale.h"
#include "core/skin/package_skin.h"
#include "core/skin/skin_data.h"

namespace zv {
namespace {

// Views are mutable by design; the frame never draws into a skin picture.
BitmapView ViewOf(const Bitmap& bitmap) { return const_cast<Bitmap&>(bitmap).view(); }

void TakeObjects(FrameSkin& skin, const ObjectRecords& records) {
  for (const auto& record : records) skin.objects.push_back(record.get());
}

}  // namespace

BitmapView FrameSkin::ActivePicture(int index) const {
  if (index < 0 || index >= static_cast<int>(activePictures.size())) return {};
  return activePictures[static_cast<std::size_t>(index)];
}

FrameSkin FrameSkinOf(const TzsSkinData& data) {
  FrameSkin skin;
  if (data.Empty()) return skin;
  skin.picture = ViewOf(data.Picture());
  skin.inactivePicture = ViewOf(data.InactivePicture());
  skin.mask = ViewOf(data.Mask());
  for (const Bitmap& picture : data.ActivePictures()) skin.activePictures.push_back(ViewOf(picture));
  skin.info = data.FormInfo();
  skin.effects = data.EnableSkinEffects;
  skin.glowFrames = data.ShowCaptionButtonGlowFrames;
  TakeObjects(skin, data.ObjectList());
  return skin;
}

FrameSkin FrameSkinOf(const PackageSkin& package) {
  FrameSkin skin;
  skin.picture = package.MainPicture();
  skin.inactivePicture = package.InactivePicture();
  skin.mask = package.MaskPicture();
  for (int i = 0; package.Picture(i).width() > 0; ++i) skin.activePictures.push_back(package.Picture(i));
  skin.info = package.Definition().formInfo;
  TakeObjects(skin, package.Definition().objects);
  return skin;
}

FrameSkin FrameSkinOf(const ScaledSkin& scaled) {
  FrameSkin skin;
  skin.picture = scaled.MainPicture();
  skin.inactivePicture = scaled.InactivePicture();
  skin.mask = scaled.MaskPicture();
  for (int i = 0; i < scaled.PictureCount(); ++i) skin.activePictures.push_back(scaled.Picture(i));
  skin.info = scaled.FormInfo();
  skin.dpi = scaled.Dpi();
  TakeObjects(skin, scaled.Objects());
  return skin;
}

FrameSkin FrameSkinOf(const TzsSkinData& data, int dpi) {
  const ScaledSkin* scaled = data.ScaledAt(dpi);
  if (!scaled) return dpi == kBaseDpi ? FrameSkinOf(data) : FrameSkin{};
  FrameSkin skin = FrameSkinOf(*scaled);
  skin.effects = data.EnableSkinEffects;
  skin.glowFrames = data.ShowCaptionButtonGlowFrames;
  return skin;
}

FrameSkin FrameSkinOf(const PackageSkin& skin, int dpi) {
  return dpi == kBaseDpi ? FrameSkinOf(skin) : FrameSkinOf(skin.ScaledAt(dpi));
}

}  // namespace zv
