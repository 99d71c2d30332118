#pragma once
// The embedded skin put in force by a skin data component, as the frame
// reads it.
#include "core/frame/frame_skin.h"
#include "skin/skin_data_fakes.h"

namespace zv::test {

struct EmbeddedFrameSkin : EmbeddedSkinData {
  FrameSkin skin = FrameSkinOf(data);
};

}  // namespace zv::test
