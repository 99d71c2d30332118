// Loads any bytes as a stored skin the way the program does: unpack, read
// the package, decode every picture, parse the definition into records;
// then scales what loaded to 144 DPI. Errors are fine; crashes, leaks,
// unbounded allocation and a half-loaded skin data are not. Packages past
// the harness's pixel budget are refused.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/base/error.h"
#include "core/skin/scaling/scaled_skin.h"
#include "core/skin/skin_data.h"
#include "fuzz_budget.h"

namespace {

class NoForms : public zv::FormRegistry {
 public:
  std::vector<zv::SkinMessageTarget*> Forms() override { return {}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The input is a package; wrapping it in zlib here lets the fuzzer work
  // on the layout rather than on zlib's checksums.
  if (!zv::fuzz::PackageWithinBudget({data, size})) return -1;
  zv::TzsCompressedStoredSkin skin;
  skin.SetCompressedData(zv::fuzz::StoredZlib({data, size}));
  NoForms forms;
  zv::TzsSkinData skinData(nullptr, forms);
  try {
    skinData.LoadCompressedSkin(skin);
  } catch (const zv::Error&) {
    if (!skinData.Empty() || !skinData.ObjectList().empty() || skinData.ChangingSkin()) std::abort();
    return 0;
  }
  if (skinData.Empty()) return 0;
  // Built directly, not through the cache, so that only zv::Error passes.
  try {
    const zv::ScaledSkin scaled(skinData.Contents(), 144);
  } catch (const zv::Error&) {
  }
  return 0;
}
