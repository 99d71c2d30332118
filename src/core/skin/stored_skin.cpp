#include "core/skin/stored_skin.h"

#include "core/base/string_list.h"
#include "core/skin/compression.h"
#include "core/skin/global_sections.h"
#include "core/skin/skin_folder.h"

namespace zv {

void TzsCompressedStoredSkin::Unpack(std::vector<std::uint8_t>& target) const {
  DecompressPackage(target, compressedData_);
}

void TzsCompressedStoredSkin::ReadSkinStream(ByteReader& stream) {
  compressedData_.clear();
  const std::int32_t version = stream.ReadI32();
  if (!IsAcceptedVersion(version)) return;
  const std::int32_t length = stream.ReadI32();
  if (length < 0) throw EReadError();
  const auto data = stream.ReadBytes(static_cast<std::size_t>(length));
  compressedData_.assign(data.begin(), data.end());
}

void TzsCompressedStoredSkin::WriteSkinStream(ByteWriter& stream) const {
  stream.WriteI32(kPackageVersion);
  stream.WriteI32(static_cast<std::int32_t>(compressedData_.size()));
  stream.WriteBytes(compressedData_);
}

void TzsCompressedStoredSkin::ReadCompressedSkinFile(Files& files, const std::string& path) {
  compressedData_.clear();
  const std::string bytes = files.ReadAll(path);
  ByteReader stream({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  ReadSkinStream(stream);
}

void TzsCompressedStoredSkin::Pack(const SkinPackage& package) {
  std::vector<std::uint8_t> compressed;
  CompressPackage(WritePackage(package), compressed);
  compressedData_ = std::move(compressed);
}

bool TzsCompressedStoredSkin::BuildFromSkinIni(Files& files, TextCodec& codec, const std::string& path) {
  const std::string text = files.ReadAll(path);
  CheckIniTextSize(text);  // before its lines take memory
  const std::vector<std::string> lines = SplitLines(text);
  const IniText ini = IniText::FromLines(lines);
  if (FirstMissingSkinSection(ini)) return false;
  SkinPictureNames names;
  names.LoadFromIni(ini);
  auto file = [&](const std::string& name) { return codec.Utf8FromCp936(name); };
  PackagePictureNames pictureFiles{file(names.picture), file(names.inactivePicture), file(names.mask), {}};
  for (const auto& name : names.activePictures) pictureFiles.activePictures.push_back(file(name));
  Pack(LoadSkinFolder(files, FolderPart(path), pictureFiles, lines));
  return true;
}

}  // namespace zv
