#pragma once
// The default skin as a stored-skin stream, packed from skins/default at
// build time (tools/skin-pack writes the definition).
#include <cstdint>
#include <span>

namespace zv {

std::span<const std::uint8_t> DefaultSkinStream();

}  // namespace zv
