// libFuzzer harness: the INI parser, the whole definition read and the skin
// author's check (with a small main and active picture). Any
// exception outside the zv::Error family, any crash, and any writer output
// that does not parse back to itself is a finding. Definitions listing more
// records than the harness's own budget are not read further. Built only on
// request; see docs/fuzzing.md.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/skin/check/skin_check.h"
#include "core/skin/skin_definition.h"

namespace {

// Every record is saved again key by key, the slow part of an input; the
// program itself takes 4,096.
constexpr long long kMaxRecords = 4;

long long ListedRecords(const zv::IniText& ini) {
  long long listed = 0;
  for (const char* list : {"SKINOBJECTS", "SKINCONTROLS"}) listed += std::max(0, ini.ReadInteger(list, "count", 0));
  return listed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zv::IniText ini = zv::IniText::Parse(text);
  const std::string written = ini.ToText();
  if (zv::IniText::Parse(written).ToText() != written) __builtin_trap();
  if (ListedRecords(ini) > kMaxRecords) return -1;
  try {
    const zv::SkinDefinition skin = zv::ReadSkinDefinition(ini);
    zv::IniText out;
    for (const auto& record : skin.objects) record->SaveToIni(out);
    for (const auto& record : skin.controls) record->SaveToIni(out);
  } catch (const zv::Error&) {
    // Unreadable points and rects, absurd list counts, values the writer
    // cannot write back: all expected for hostile text.
  }
  static const zv::BmpPicture kPicture = zv::PictureFromBitmap(zv::Bitmap(16, 12), 24);
  zv::SkinUnderCheck checked;
  checked.text = text;
  checked.picture = kPicture;
  checked.activePictures = {kPicture};
  try {
    (void)zv::CheckSkin(checked);
  } catch (const zv::Error&) {
    // A picture list the reader refuses: the command line reports it so.
  }
  return 0;
}
