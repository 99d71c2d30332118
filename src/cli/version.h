#pragma once
// The program's version, from the build.

namespace zv {

inline constexpr const char* kProgramVersion = ZV_VERSION;

}  // namespace zv
