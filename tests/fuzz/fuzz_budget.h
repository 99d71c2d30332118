#pragma once
// The harnesses' own budgets. An input past them is refused (the entry
// returns -1, so libFuzzer does not keep it) before the code runs: huge
// pictures and packages take the same paths as small ones, only slower, and
// the program's limits themselves are tested by the unit tests.
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "core/base/bmp.h"
#include "core/skin/package.h"

namespace zv::fuzz {

// Pixels of one picture, or of all the pictures of one package.
constexpr std::uint64_t kMaxPixels = 1u << 16;
// What a stored-skin stream may inflate to.
constexpr std::size_t kMaxUnpacked = 1u << 20;

// The pixels the BMP image declares; 0 when its headers do not read (the
// code under test reports that itself).
inline std::uint64_t DeclaredPixels(std::span<const std::uint8_t> image) {
  try {
    const BmpInfo info = ReadBmpInfo(image);
    return static_cast<std::uint64_t>(info.width) * static_cast<std::uint64_t>(info.height);
  } catch (const Error&) {
    return 0;
  }
}

// Whether the package's pictures declare at most kMaxPixels in all; a
// package that does not split is within budget.
inline bool PackageWithinBudget(std::span<const std::uint8_t> package) {
  PackageLayout layout;
  try {
    layout = ParsePackage(package);
  } catch (const Error&) {
    return true;
  }
  std::uint64_t pixels = 0;
  for (const auto& picture : {layout.picture, layout.inactivePicture, layout.mask}) {
    if (picture) pixels += DeclaredPixels(*picture);
  }
  for (const auto picture : layout.activePictures) pixels += DeclaredPixels(picture);
  return pixels <= kMaxPixels;
}

// A zlib stream of `bytes` in stored blocks: the loaders inflate it as any
// other, while the fuzzer mutates the package itself. Written by hand, as
// deflate would first set up a quarter of a megabyte of state.
inline std::vector<std::uint8_t> StoredZlib(std::span<const std::uint8_t> bytes) {
  constexpr std::size_t kBlock = 0xFFFF;
  std::vector<std::uint8_t> out{0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t length = std::min(kBlock, bytes.size() - at);
    const bool last = at + length == bytes.size();
    const auto low = static_cast<std::uint8_t>(length), high = static_cast<std::uint8_t>(length >> 8);
    out.insert(out.end(), {static_cast<std::uint8_t>(last), low, high, static_cast<std::uint8_t>(~low),
                           static_cast<std::uint8_t>(~high)});
    out.insert(out.end(), bytes.begin() + at, bytes.begin() + at + length);
    at += length;
  } while (at < bytes.size());
  const uLong sum = adler32(1, bytes.data(), static_cast<uInt>(bytes.size()));
  for (const int shift : {24, 16, 8, 0}) out.push_back(static_cast<std::uint8_t>(sum >> shift));
  return out;
}

}  // namespace zv::fuzz
