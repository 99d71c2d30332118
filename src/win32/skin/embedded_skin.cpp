#include "win32/skin/embedded_skin.h"

#include <windows.h>

#include "core/base/error.h"

namespace zv::win {

std::span<const std::uint8_t> EmbeddedSkinResource() {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC info = FindResourceW(module, L"ZVSKIN0", MAKEINTRESOURCEW(10));  // RT_RCDATA
  const HGLOBAL loaded = info ? LoadResource(module, info) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) throw Error("the program's skin resource is missing");
  return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, info)};
}

}  // namespace zv::win
