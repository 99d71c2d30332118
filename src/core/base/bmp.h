#pragma once
// BMP codec. Reads 1-, 4-, 8-, 16-, 24- and 32-bit pictures (core, info and
// V4/V5 headers, colour tables, bottom-up and top-down rows, BI_RGB,
// BI_BITFIELDS, and BI_RLE8 and BI_RLE4 as paint programs save them) and
// writes them back uncompressed in their own bit depth, so a picture that is
// read and written again reads back as the same image.
//
// Every size in the input is checked against the bytes that are really there
// before anything is allocated; bad input raises EInvalidGraphic.
#include <cstdint>
#include <span>
#include <vector>

#include "core/base/bitmap.h"
#include "core/base/error.h"

namespace zv {

class EInvalidGraphic : public Error {
 public:
  explicit EInvalidGraphic(const std::string& detail) : Error("Bitmap image is not valid: " + detail) {}
};

constexpr std::size_t kBmpFileHeaderSize = 14;
// Larger pictures are refused before any pixel memory is taken.
constexpr int kMaxBmpSide = 32768;
constexpr std::uint64_t kMaxBmpPixels = 1u << 25;

// What a BMP image says about itself, read from its headers alone.
struct BmpInfo {
  std::uint32_t fileLength = 0;  // the length field of the file header
  std::uint32_t headerSize = 0;  // 12 (core), 40 (info), 52 to 124 (V2 to V5)
  int width = 0;
  int height = 0;  // always positive; see topDown
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = 0;  // 0 BI_RGB, 1 BI_RLE8, 2 BI_RLE4, 3 BI_BITFIELDS, 6 BI_ALPHABITFIELDS
  int paletteSize = 0;            // colour-table entries read (1-, 4-, 8-bit)
};

// A decoded picture: the pixels plus what is needed to write it back as it was.
struct BmpPicture {
  int bitCount = 24;                  // 1, 4, 8, 16, 24 or 32
  std::vector<Pixel> palette;         // 1-, 4-, 8-bit: the colour table (alpha 0)
  std::vector<std::uint8_t> indices;  // 1-, 4-, 8-bit: a palette index per pixel, top row first
  // 16-bit: the channel masks (5-5-5 is 0x7C00, 0x03E0, 0x001F).
  std::uint32_t redMask = 0;
  std::uint32_t greenMask = 0;
  std::uint32_t blueMask = 0;
  std::uint32_t alphaMask = 0;
  // The colours, 32-bit top-down. Alpha is the stored alpha for 32-bit and
  // masked 16-bit pictures, 0 for every other format.
  Bitmap bitmap;
};

// The length of the BMP image that starts `bytes`, from its file header.
// Throws when the magic is wrong or the length is too small or runs past `bytes`.
std::size_t BmpImageLength(std::span<const std::uint8_t> bytes);

// Reads and checks the headers of the BMP image in `bytes` (not the pixels).
BmpInfo ReadBmpInfo(std::span<const std::uint8_t> bytes);

BmpPicture ReadBmp(std::span<const std::uint8_t> bytes);
Bitmap DecodeBmp(std::span<const std::uint8_t> bytes);

// Writes `picture` in its own bit depth (bottom-up rows, a 40-byte header, or
// a V4 header when 16-bit masks other than 5-5-5 must be kept).
std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture);

// A 24- or 32-bit picture of `bitmap`, ready for EncodeBmp.
BmpPicture PictureFromBitmap(const Bitmap& bitmap, int bitCount);

bool SameImage(const BmpPicture& a, const BmpPicture& b);

}  // namespace zv
