#include "core/skin/package_skin.h"

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

BitmapView PackageSkin::View(const std::optional<BmpPicture>& picture) {
  if (!picture) return {};
  return const_cast<Bitmap&>(picture->bitmap).view();
}

}  // namespace zv
