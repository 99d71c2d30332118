#include "core/skin/compression.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <string>

namespace zv {

namespace {

// Ends the zlib stream on every way out.
template <int (*End)(z_streamp)>
struct StreamGuard {
  z_stream& stream;
  ~StreamGuard() { End(&stream); }
};

uInt BlockOf(std::size_t remaining) { return static_cast<uInt>(std::min(remaining, kZlibBlockSize)); }

}  // namespace

void CompressPackage(std::span<const std::uint8_t> source, std::vector<std::uint8_t>& target) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw ECompressionError();
  }
  StreamGuard<deflateEnd> guard{stream};
  std::array<std::uint8_t, kZlibBlockSize> block;
  std::size_t fed = 0;
  int result = Z_OK;
  while (result != Z_STREAM_END) {
    if (stream.avail_in == 0 && fed < source.size()) {
      stream.next_in = const_cast<Bytef*>(source.data() + fed);  // zlib does not write through it
      stream.avail_in = BlockOf(source.size() - fed);
      fed += stream.avail_in;
    }
    stream.next_out = block.data();
    stream.avail_out = block.size();
    result = deflate(&stream, fed == source.size() ? Z_FINISH : Z_NO_FLUSH);
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) throw ECompressionError();
    target.insert(target.end(), block.data(), block.data() + (block.size() - stream.avail_out));
  }
}

void DecompressPackage(std::vector<std::uint8_t>& target, std::span<const std::uint8_t> source, std::size_t limit) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) throw EDecompressionError();
  StreamGuard<inflateEnd> guard{stream};
  std::array<std::uint8_t, kZlibBlockSize> block;
  std::size_t fed = 0;
  std::size_t produced = 0;
  for (;;) {
    if (stream.avail_in == 0 && fed < source.size()) {
      stream.next_in = const_cast<Bytef*>(source.data() + fed);
      stream.avail_in = BlockOf(source.size() - fed);
      fed += stream.avail_in;
    }
    stream.next_out = block.data();
    stream.avail_out = block.size();
    const int result = inflate(&stream, Z_NO_FLUSH);
    const std::size_t got = block.size() - stream.avail_out;
    if (result != Z_OK && result != Z_STREAM_END && !(result == Z_BUF_ERROR && got == 0)) {
      throw EDecompressionError();
    }
    produced += got;
    if (produced > limit) {
      throw EDecompressionError("skin package larger than " + std::to_string(limit) + " bytes when unpacked");
    }
    target.insert(target.end(), block.data(), block.data() + got);
    if (result == Z_STREAM_END) return;
    // No input left and nothing more came out: the stream was cut short.
    if (got == 0 && stream.avail_in == 0 && fed == source.size()) throw EDecompressionError();
  }
}

}  // namespace zv
