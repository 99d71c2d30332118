// Loads any bytes as a stored skin the way the program does: unpack, read
// the package, decode every picture, parse the definition into records.
// Errors are fine; crashes, leaks, unbounded allocation and a half-loaded
// skin data are not.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/base/error.h"
#include "core/skin/compression.h"
#include "core/skin/skin_data.h"

namespace {

class NoForms : public zv::FormRegistry {
 public:
  std::vector<zv::SkinMessageTarget*> Forms() override { return {}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input is a package; compressing it first lets the fuzzer work on
  // the layout rather than on zlib's checksums.
  std::vector<std::uint8_t> compressed;
  zv::CompressPackage({data, size}, compressed);
  zv::TzsCompressedStoredSkin skin;
  skin.SetCompressedData(std::move(compressed));
  NoForms forms;
  zv::TzsSkinData skinData(nullptr, forms);
  try {
    skinData.LoadCompressedSkin(skin);
  } catch (const zv::Error&) {
    if (!skinData.Empty() || !skinData.ObjectList().empty() || skinData.ChangingSkin()) std::abort();
  }
  return 0;
}
