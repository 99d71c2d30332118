#pragma once
// The zlib layer of skin packages: one zlib stream per package, level 9,
// window bits 15, memory level 8, default strategy (streams begin 78 DA),
// worked through in 4,096-byte blocks on both sides.
#include <cstdint>
#include <span>
#include <vector>

#include "core/base/error.h"

namespace zv {

class EDecompressionError : public Error {
 public:
  EDecompressionError() : Error("compression error") {}
  explicit EDecompressionError(const std::string& message) : Error(message) {}
};

class ECompressionError : public Error {
 public:
  ECompressionError() : Error("error") {}
};

constexpr std::size_t kZlibBlockSize = 4096;
// No package unpacks to more than this; the embedded skin needs about 1.2 MB.
constexpr std::size_t kMaxUnpackedPackage = 64u << 20;

// Appends the zlib stream of all of `source` to `target`.
void CompressPackage(std::span<const std::uint8_t> source, std::vector<std::uint8_t>& target);

// Appends what the zlib stream at the start of `source` inflates to. Bytes
// after the stream's end are ignored. A stream that is damaged or ends early
// raises EDecompressionError "compression error"; one that would inflate past
// `limit` bytes raises EDecompressionError before taking more memory.
void DecompressPackage(std::vector<std::uint8_t>& target, std::span<const std::uint8_t> source,
                       std::size_t limit = kMaxUnpackedPackage);

}  // namespace zv
