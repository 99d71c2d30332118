// libFuzzer entry for the BMP decoder: any bytes either decode or raise a
// zv::Error. A picture the reader accepted must write (an error escapes and
// counts as a crash) and read back as the same image. Pictures past the
// harness's pixel budget are refused.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "core/base/bmp.h"
#include "fuzz_budget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (zv::fuzz::DeclaredPixels({data, size}) > zv::fuzz::kMaxPixels) return -1;
  zv::BmpPicture picture;
  try {
    picture = zv::ReadBmp(std::span(data, size));
  } catch (const zv::Error&) {
    return 0;
  }
  if (!zv::SameImage(zv::ReadBmp(zv::EncodeBmp(picture)), picture)) std::abort();
  return 0;
}
