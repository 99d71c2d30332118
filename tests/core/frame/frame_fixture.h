#pragma once
// The embedded skin put in force by a skin data component, as the frame
// reads it.
#include "core/base/byte_stream.h"
#include "core/frame/frame_skin.h"
#include "core/skin/skin_data.h"
#include "embedded/default_skin.h"
#include "skin/skin_data_fakes.h"

namespace zv::test {

struct EmbeddedFrameSkin {
  RecordingForms forms;
  TzsCompressedSkinList list;
  TzsSkinData data{forms.AddForm("owner"), forms};
  FrameSkin skin;

  EmbeddedFrameSkin() {
    ByteReader stream(DefaultSkinStream());
    list.Skins().Add().ReadSkin(stream);
    data.SetSkinList(&list);
    skin = FrameSkinOf(data);
  }
};

}  // namespace zv::test
