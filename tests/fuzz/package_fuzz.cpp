// libFuzzer entry for the skin package readers. The first byte chooses the
// way in: a stored-skin stream that is unpacked and read, or a package read
// directly. Every input either loads or raises a zv::Error.
#include <cstdint>
#include <span>
#include <vector>

#include "core/skin/package.h"
#include "core/skin/stored_skin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::span<const std::uint8_t> input(data + 1, size - 1);
  try {
    if (data[0] & 1) {
      zv::TzsCompressedStoredSkin skin;
      zv::ByteReader stream(input);
      skin.ReadSkinStream(stream);
      if (skin.IsEmpty()) return 0;
      std::vector<std::uint8_t> package;
      skin.Unpack(package);
      zv::ReadPackage(package);
    } else {
      zv::ReadPackage(input);
    }
  } catch (const zv::Error&) {
  }
  return 0;
}
