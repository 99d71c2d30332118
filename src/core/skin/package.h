#pragma once
// The unpacked skin package: a version, the main, inactive and mask pictures
// each behind an empty flag, the active pictures behind their count, then the
// definition text to the end. Integers are 32-bit signed little-endian and
// every picture is a complete BMP file image that ends where its file header
// says.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/base/bmp.h"

namespace zv {

constexpr std::int32_t kPackageVersion = 3;

// Readers take every version up to 3 (older ones included) and refuse newer ones.
constexpr bool IsAcceptedVersion(std::int32_t version) { return version <= kPackageVersion; }

// What one package may hold. The embedded skin has 10 pictures of 0.2 M
// pixels in all; these are far beyond any real skin, and far below what
// would exhaust memory once decoded (4 bytes a pixel, plus an index byte).
constexpr int kMaxPackagePictures = 1024;
constexpr std::uint64_t kMaxPackagePixels = 16u << 20;

// Counts the pictures of one package as they are about to be decoded, from
// their headers alone, and refuses the one that would take the package past
// kMaxPackagePictures or kMaxPackagePixels (zv::Error).
class PictureBudget {
 public:
  void Take(std::span<const std::uint8_t> image);

 private:
  int pictures_ = 0;
  std::uint64_t pixels_ = 0;
};

// Where the parts of a package lie, pointing into its bytes; no pixel is decoded.
struct PackageLayout {
  std::int32_t version = 0;  // when not accepted, nothing after it was read
  std::optional<std::span<const std::uint8_t>> picture;
  std::optional<std::span<const std::uint8_t>> inactivePicture;
  std::optional<std::span<const std::uint8_t>> mask;
  int discardedPictures = 0;  // version 2 carries two extra flag-and-picture pairs
  std::vector<std::span<const std::uint8_t>> activePictures;
  std::span<const std::uint8_t> definitionText;
};

// Splits a package. A cut-short package raises EReadError, a picture whose
// length field is wrong EInvalidGraphic, a count above kMaxPackagePictures
// zv::Error; a negative count means no pictures.
PackageLayout ParsePackage(std::span<const std::uint8_t> bytes);

// A package with its pictures decoded.
struct SkinPackage {
  std::int32_t version = kPackageVersion;
  std::optional<BmpPicture> picture;  // empty: no picture (flag 1)
  std::optional<BmpPicture> inactivePicture;
  std::optional<BmpPicture> mask;
  std::vector<BmpPicture> activePictures;
  std::string definitionText;  // CP936, every line followed by CR LF
};

// Parses and decodes every picture within one PictureBudget. For a version
// above 3 only `version` is set.
SkinPackage ReadPackage(std::span<const std::uint8_t> bytes);

// Writes version 3, each picture in its own bit depth.
std::vector<std::uint8_t> WritePackage(const SkinPackage& package);

}  // namespace zv
