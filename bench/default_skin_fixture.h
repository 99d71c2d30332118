#pragma once
// The embedded skin as the skin benchmarks load it, with no forms to tell.
#include <vector>

#include "core/base/byte_stream.h"
#include "core/skin/skin_data.h"
#include "embedded/default_skin.h"

namespace zv::bench {

class NoForms : public FormRegistry {
 public:
  std::vector<SkinMessageTarget*> Forms() override { return {}; }
};

inline TzsCompressedStoredSkin DefaultSkin() {
  TzsCompressedStoredSkin skin;
  ByteReader stream(DefaultSkinStream());
  skin.ReadSkinStream(stream);
  return skin;
}

}  // namespace zv::bench
