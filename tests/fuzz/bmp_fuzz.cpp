// libFuzzer entry for the BMP decoder: any bytes either decode or raise a
// zv::Error; a decoded picture must write and read back as the same image.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/base/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  try {
    const zv::BmpPicture picture = zv::ReadBmp(std::span(data, size));
    if (!zv::SameImage(zv::ReadBmp(zv::EncodeBmp(picture)), picture)) std::abort();
  } catch (const zv::Error&) {
  }
  return 0;
}
