#pragma once
// The default skin's stored-skin stream, carried as the RCDATA resource
// "ZVSKIN0" of the executable.
#include <cstdint>
#include <span>

namespace zv::win {

// Throws zv::Error when the executable carries no such resource.
std::span<const std::uint8_t> EmbeddedSkinResource();

}  // namespace zv::win
