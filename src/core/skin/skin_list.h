#pragma once
// TzsCompressedSkinList: named stored skins, addressed by 0-based index.
#include <memory>
#include <string>
#include <vector>

#include "core/skin/stored_skin.h"

namespace zv {

class TzsCompressedSkinList;

class TzsSkinListItem {
 public:
  // Named "zsSkin%d" after the index the item gets when it is created.
  explicit TzsSkinListItem(int index);

  const std::string& Name() const { return name_; }
  void SetName(std::string value) { name_ = std::move(value); }
  const std::string& DisplayName() const { return name_; }
  const std::string& Description() const { return description_; }
  void SetDescription(std::string value) { description_ = std::move(value); }
  // Outside the form designer these only store their value.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string value) { fileName_ = std::move(value); }
  const std::string& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(std::string value) { compressedFileName_ = std::move(value); }

  TzsCompressedStoredSkin& StoredSkin() { return storedSkin_; }
  const TzsCompressedStoredSkin& StoredSkin() const { return storedSkin_; }

  // The binary property "Skin": a stored-skin stream.
  void ReadSkin(ByteReader& stream) { storedSkin_.ReadSkinStream(stream); }
  void WriteSkin(ByteWriter& stream) const { storedSkin_.WriteSkinStream(stream); }

 private:
  std::string name_;
  std::string description_;
  std::string fileName_;
  std::string compressedFileName_;
  TzsCompressedStoredSkin storedSkin_;
};

class TzsSkinListItems {
 public:
  explicit TzsSkinListItems(TzsCompressedSkinList* owner) : owner_(owner) {}

  TzsCompressedSkinList* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  // Throws "List index out of bounds (%d)" outside 0 to Count() - 1.
  TzsSkinListItem& Item(int index);
  const TzsSkinListItem& Item(int index) const;
  TzsSkinListItem& Add();
  void Delete(int index);
  void Clear() { items_.clear(); }

 private:
  TzsCompressedSkinList* owner_;
  std::vector<std::unique_ptr<TzsSkinListItem>> items_;  // items keep their address
};

class TzsCompressedSkinList : public FreeNotifier {
 public:
  TzsCompressedSkinList() : skins_(this) {}
  TzsCompressedSkinList(const TzsCompressedSkinList&) = delete;
  TzsCompressedSkinList& operator=(const TzsCompressedSkinList&) = delete;

  TzsSkinListItems& Skins() { return skins_; }
  const TzsSkinListItems& Skins() const { return skins_; }

 private:
  TzsSkinListItems skins_;
};

}  // namespace zv
