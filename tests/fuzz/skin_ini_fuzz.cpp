// libFuzzer harness: the INI parser and the whole definition read. Any
// exception outside the zv::Error family, any crash, and any writer output
// that does not parse back to itself is a finding. Built only on request;
// see docs/skin-definition.md.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/skin/skin_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zv::IniText ini = zv::IniText::Parse(text);
  const std::string written = ini.ToText();
  if (zv::IniText::Parse(written).ToText() != written) __builtin_trap();
  try {
    const zv::SkinDefinition skin = zv::ReadSkinDefinition(ini);
    zv::IniText out;
    for (const auto& record : skin.objects) record->SaveToIni(out);
    for (const auto& record : skin.controls) record->SaveToIni(out);
  } catch (const zv::Error&) {
    // Unreadable points and rects, absurd list counts, values the writer
    // cannot write back: all expected for hostile text.
  }
  return 0;
}
