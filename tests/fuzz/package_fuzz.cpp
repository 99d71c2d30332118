// libFuzzer entry for the skin package readers. The first byte chooses the
// way in: a stored-skin stream that is unpacked and read, or a package read
// directly. Every input either loads or raises a zv::Error. Streams inflate
// within the harness's own limit, and packages past its pixel budget are
// refused.
#include <cstdint>
#include <span>
#include <vector>

#include "core/skin/compression.h"
#include "core/skin/package.h"
#include "core/skin/stored_skin.h"
#include "fuzz_budget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  std::span<const std::uint8_t> package(data + 1, size - 1);
  std::vector<std::uint8_t> unpacked;
  try {
    if (data[0] & 1) {
      zv::TzsCompressedStoredSkin skin;
      zv::ByteReader stream(package);
      skin.ReadSkinStream(stream);
      if (skin.IsEmpty()) return 0;
      zv::DecompressPackage(unpacked, skin.CompressedData(), zv::fuzz::kMaxUnpacked);
      package = unpacked;
    }
    if (!zv::fuzz::PackageWithinBudget(package)) return -1;
    zv::ReadPackage(package);
  } catch (const zv::Error&) {
  }
  return 0;
}
