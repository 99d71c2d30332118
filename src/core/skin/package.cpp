#include "core/skin/package.h"

#include "core/base/byte_stream.h"

namespace zv {

namespace {

std::span<const std::uint8_t> ReadPicture(ByteReader& reader) {
  return reader.ReadBytes(BmpImageLength(reader.Rest()));
}

std::optional<std::span<const std::uint8_t>> ReadFlaggedPicture(ByteReader& reader) {
  if (reader.ReadU8() != 0) return std::nullopt;
  return ReadPicture(reader);
}

BmpPicture Decode(std::span<const std::uint8_t> image, PictureBudget& budget) {
  budget.Take(image);
  return ReadBmp(image);
}

std::optional<BmpPicture> Decode(const std::optional<std::span<const std::uint8_t>>& image, PictureBudget& budget) {
  if (!image) return std::nullopt;
  return Decode(*image, budget);
}

void WriteFlaggedPicture(const std::optional<BmpPicture>& picture, ByteWriter& writer) {
  writer.WriteU8(picture ? 0 : 1);
  if (picture) writer.WriteBytes(EncodeBmp(*picture));
}

}  // namespace

void PictureBudget::Take(std::span<const std::uint8_t> image) {
  const BmpInfo info = ReadBmpInfo(image);
  pixels_ += static_cast<std::uint64_t>(info.width) * static_cast<std::uint64_t>(info.height);
  if (++pictures_ > kMaxPackagePictures) {
    throw Error("a skin package holds at most " + std::to_string(kMaxPackagePictures) + " pictures");
  }
  if (pixels_ > kMaxPackagePixels) {
    throw Error("the pictures of a skin package hold at most " + std::to_string(kMaxPackagePixels) + " pixels");
  }
}

PackageLayout ParsePackage(std::span<const std::uint8_t> bytes) {
  ByteReader reader(bytes);
  PackageLayout layout;
  layout.version = reader.ReadI32();
  if (!IsAcceptedVersion(layout.version)) return layout;
  layout.picture = ReadFlaggedPicture(reader);
  layout.inactivePicture = ReadFlaggedPicture(reader);
  layout.mask = ReadFlaggedPicture(reader);
  if (layout.version == 2) {
    for (int i = 0; i < 2; ++i) {
      if (ReadFlaggedPicture(reader)) ++layout.discardedPictures;
    }
  }
  const std::int32_t count = reader.ReadI32();
  if (count > kMaxPackagePictures) {
    throw Error("a skin package holds at most " + std::to_string(kMaxPackagePictures) + " active pictures, not " +
                std::to_string(count));
  }
  for (std::int32_t i = 0; i < count; ++i) layout.activePictures.push_back(ReadPicture(reader));
  layout.definitionText = reader.ReadRest();
  return layout;
}

SkinPackage ReadPackage(std::span<const std::uint8_t> bytes) {
  const PackageLayout layout = ParsePackage(bytes);
  SkinPackage package;
  package.version = layout.version;
  if (!IsAcceptedVersion(layout.version)) return package;
  PictureBudget budget;
  package.picture = Decode(layout.picture, budget);
  package.inactivePicture = Decode(layout.inactivePicture, budget);
  package.mask = Decode(layout.mask, budget);
  package.activePictures.reserve(layout.activePictures.size());
  for (const auto& image : layout.activePictures) package.activePictures.push_back(Decode(image, budget));
  package.definitionText.assign(layout.definitionText.begin(), layout.definitionText.end());
  return package;
}

std::vector<std::uint8_t> WritePackage(const SkinPackage& package) {
  std::vector<std::uint8_t> bytes;
  ByteWriter writer(bytes);
  writer.WriteI32(kPackageVersion);
  WriteFlaggedPicture(package.picture, writer);
  WriteFlaggedPicture(package.inactivePicture, writer);
  WriteFlaggedPicture(package.mask, writer);
  writer.WriteI32(static_cast<std::int32_t>(package.activePictures.size()));
  for (const auto& picture : package.activePictures) writer.WriteBytes(EncodeBmp(picture));
  const auto* text = reinterpret_cast<const std::uint8_t*>(package.definitionText.data());
  writer.WriteBytes({text, package.definitionText.size()});
  return bytes;
}

}  // namespace zv
