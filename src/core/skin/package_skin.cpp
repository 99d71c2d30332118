#include "core/skin/package_skin.h"

#include "core/base/display_scale.h"
#include "core/base/error.h"

namespace zv {

PackageSkin::PackageSkin(SkinPackage package)
    : package_(std::move(package)), definition_(ParseSkinDefinition(package_.definitionText)) {}

const TzsDataSkinControl* PackageSkin::ControlRecord(std::string_view name) const {
  for (const auto& record : definition_.controls) {
    if (record->Name() == name) return record.get();
  }
  return nullptr;
}

BitmapView PackageSkin::Picture(int index) const {
  if (index < 0 || index >= static_cast<int>(package_.activePictures.size())) return {};
  // Views are mutable by design; nothing draws into a skin picture.
  auto& bitmap = const_cast<Bitmap&>(package_.activePictures[static_cast<std::size_t>(index)].bitmap);
  return bitmap.view();
}

const SkinSource& PackageSkin::AtDpi(int dpi) const {
  if (dpi == kBaseDpi) return *this;
  return ScaledAt(dpi);
}

const ScaledSkin& PackageSkin::ScaledAt(int dpi) const {
  const ScaledSkin* scaled = scaled_.Get(Contents(), dpi);
  if (!scaled) throw Error(scaled_.Error(dpi));
  return *scaled;
}

SkinContents PackageSkin::Contents() const {
  SkinContents c;
  c.picture = MainPicture();
  c.inactivePicture = InactivePicture();
  c.mask = MaskPicture();
  for (const BmpPicture& p : package_.activePictures) c.activePictures.push_back(const_cast<Bitmap&>(p.bitmap).view());
  c.formInfo = &definition_.formInfo;
  c.popupWindow = &definition_.popupWindow;
  c.hintWindow = &definition_.hintWindow;
  c.colors = &definition_.colors;
  c.objects = &definition_.objects;
  c.controls = &definition_.controls;
  return c;
}

BitmapView PackageSkin::View(const std::optional<BmpPicture>& picture) {
  if (!picture) return {};
  return const_cast<Bitmap&>(picture->bitmap).view();
}

}  // namespace zv
