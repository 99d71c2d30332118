#include "core/skin/skin_folder.h"

#include "core/base/string_list.h"

namespace zv {

namespace {

BmpPicture LoadPicture(Files& files, const std::string& path, PictureBudget& budget) {
  const std::string text = files.ReadAll(path);
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
  budget.Take(bytes);
  return ReadBmp(bytes);
}

std::optional<BmpPicture> LoadOptionalPicture(Files& files, const std::string& folder, const std::string& name,
                                              PictureBudget& budget) {
  if (name.empty()) return std::nullopt;
  return LoadPicture(files, folder + name, budget);
}

}  // namespace

std::optional<std::string> FirstMissingSkinSection(const IniText& ini) {
  for (const char* section : kRequiredSkinSections) {
    if (!ini.HasSection(section)) return section;
  }
  return std::nullopt;
}

std::string FolderPart(std::string_view path) {
  const auto last = path.find_last_of("\\/:");
  return std::string(path.substr(0, last == std::string_view::npos ? 0 : last + 1));
}

SkinPackage LoadSkinFolder(Files& files, const std::string& folder, const PackagePictureNames& names,
                           const std::vector<std::string>& lines) {
  // The package must read back, so it is built within the same budget.
  PictureBudget budget;
  SkinPackage package;
  package.picture = LoadOptionalPicture(files, folder, names.picture, budget);
  package.inactivePicture = LoadOptionalPicture(files, folder, names.inactivePicture, budget);
  package.mask = LoadOptionalPicture(files, folder, names.mask, budget);
  for (const auto& name : names.activePictures) {
    package.activePictures.push_back(LoadPicture(files, folder + name, budget));
  }
  package.definitionText = JoinLines(lines);
  return package;
}

}  // namespace zv
