#include "core/base/bmp.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "core/base/byte_stream.h"

namespace zv {

namespace {

// Sections: header parsing (Layout), channel masks, row decoding,
// run-length decoding, encoding.

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV4HeaderSize = 108;

struct Masks {
  std::uint32_t red = 0;
  std::uint32_t green = 0;
  std::uint32_t blue = 0;
  std::uint32_t alpha = 0;
};

// Where everything lies in one BMP image, all offsets checked against its bytes.
struct Layout {
  BmpInfo info;
  Masks masks;
  std::size_t paletteOffset = 0;
  std::size_t paletteEntrySize = 4;
  std::size_t pixelOffset = 0;
  std::size_t stride = 0;
};

[[noreturn]] void Fail(const std::string& detail) { throw EInvalidGraphic(detail); }

bool IsValidBitCount(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::size_t RowStride(int width, int bitCount) {
  return ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
}

void ReadSizeFields(std::span<const std::uint8_t> bytes, Layout& l) {
  const std::size_t h = kBmpFileHeaderSize;
  std::int64_t height = 0;
  if (l.info.headerSize == kCoreHeaderSize) {
    l.info.width = LoadU16(bytes, h + 4);
    height = LoadU16(bytes, h + 6);
    l.info.bitCount = LoadU16(bytes, h + 10);
    l.paletteEntrySize = 3;
  } else {
    l.info.width = LoadI32(bytes, h + 4);
    height = LoadI32(bytes, h + 8);
    l.info.bitCount = LoadU16(bytes, h + 14);
    l.info.compression = LoadU32(bytes, h + 16);
  }
  l.info.topDown = height < 0;
  if (height < 0) height = -height;
  if (l.info.width <= 0 || height <= 0) Fail("width and height must be positive");
  if (l.info.width > kMaxBmpSide || height > kMaxBmpSide) Fail("picture too large");
  l.info.height = static_cast<int>(height);
  if (static_cast<std::uint64_t>(l.info.width) * l.info.height > kMaxBmpPixels) Fail("picture too large");
  if (!IsValidBitCount(l.info.bitCount)) Fail("unsupported bit depth " + std::to_string(l.info.bitCount));
}

// Masks must be runs of bits inside the pixel that do not overlap; 16-bit
// channels wider than 8 bits could not be written back unchanged.
void CheckMasks(const Masks& m, int bitCount) {
  std::uint32_t seen = 0;
  for (const std::uint32_t mask : {m.red, m.green, m.blue, m.alpha}) {
    const std::uint32_t run = mask == 0 ? 0 : mask >> std::countr_zero(mask);
    if ((run & (run + 1)) != 0) Fail("bit-field mask is not contiguous");
    if ((seen & mask) != 0) Fail("bit-field masks overlap");
    if (bitCount == 16 && (mask > 0xFFFF || std::popcount(mask) > 8)) Fail("16-bit mask out of range");
    seen |= mask;
  }
  // The writer needs a colour channel to know the 16-bit layout.
  if (bitCount == 16 && (m.red | m.green | m.blue) == 0) Fail("16-bit picture without colour masks");
}

bool IsRunLength(std::uint32_t compression) { return compression == kBiRle8 || compression == kBiRle4; }

// The masks in force, and the offset just past any masks stored after the header.
std::size_t ReadMasks(std::span<const std::uint8_t> bytes, Layout& l) {
  std::size_t afterHeader = kBmpFileHeaderSize + l.info.headerSize;
  const auto compression = l.info.compression;
  if (compression == kBiRgb) {
    if (l.info.bitCount == 16) l.masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (l.info.bitCount == 32) l.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
    return afterHeader;
  }
  if (IsRunLength(compression)) {
    if (l.info.bitCount != (compression == kBiRle8 ? 8 : 4)) Fail("run-length compression does not fit the bit depth");
    return afterHeader;
  }
  if (compression != kBiBitfields && compression != kBiAlphaBitfields) {
    Fail("unsupported compression " + std::to_string(compression));
  }
  if (l.info.bitCount != 16 && l.info.bitCount != 32) Fail("bit fields need 16 or 32 bits per pixel");
  const std::size_t maskCount = compression == kBiAlphaBitfields ? 4 : 3;
  const std::size_t at = kBmpFileHeaderSize + kInfoHeaderSize;
  const bool alphaStored = maskCount == 4 || l.info.headerSize >= 56;
  // Masks a header does not hold (a 40-byte one, or a 52-byte one with an
  // alpha mask) follow it.
  const std::size_t masksEnd = at + (alphaStored ? 16 : 12);
  if (masksEnd > bytes.size()) Fail("bit-field masks beyond the end of the image");
  afterHeader = std::max(afterHeader, masksEnd);
  l.masks.red = LoadU32(bytes, at);
  l.masks.green = LoadU32(bytes, at + 4);
  l.masks.blue = LoadU32(bytes, at + 8);
  l.masks.alpha = alphaStored ? LoadU32(bytes, at + 12) : 0;
  CheckMasks(l.masks, l.info.bitCount);
  return afterHeader;
}

Layout ParseLayout(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kBmpFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') Fail("no BMP file header");
  Layout l;
  l.info.fileLength = LoadU32(bytes, 2);
  l.info.headerSize = LoadU32(bytes, kBmpFileHeaderSize);
  const auto hs = l.info.headerSize;
  if (hs != kCoreHeaderSize && (hs < kInfoHeaderSize || hs > 124)) Fail("unknown header size " + std::to_string(hs));
  if (kBmpFileHeaderSize + hs > bytes.size()) Fail("header beyond the end of the image");
  if (hs != kCoreHeaderSize && hs != kInfoHeaderSize && hs < 52) Fail("unknown header size " + std::to_string(hs));
  ReadSizeFields(bytes, l);
  l.paletteOffset = ReadMasks(bytes, l);

  std::size_t entries = 0;
  if (l.info.bitCount <= 8) {
    const std::uint32_t used = hs == kCoreHeaderSize ? 0 : LoadU32(bytes, kBmpFileHeaderSize + 32);
    const std::uint32_t full = 1u << l.info.bitCount;
    if (used > 256) Fail("colour table too large");
    entries = used == 0 ? full : used;
    if (l.paletteOffset + entries * l.paletteEntrySize > bytes.size()) Fail("colour table beyond the end of the image");
    l.info.paletteSize = static_cast<int>(std::min<std::size_t>(entries, full));
  }
  const std::uint32_t dataOffset = LoadU32(bytes, 10);
  l.pixelOffset = dataOffset != 0 ? dataOffset : l.paletteOffset + entries * l.paletteEntrySize;
  if (l.pixelOffset < kBmpFileHeaderSize + hs || l.pixelOffset > bytes.size()) Fail("pixel data offset out of range");

  if (IsRunLength(l.info.compression)) return l;  // the stream is checked as it is decoded
  l.stride = RowStride(l.info.width, l.info.bitCount);
  const std::size_t lastRow = (static_cast<std::size_t>(l.info.width) * l.info.bitCount + 7) / 8;
  const std::size_t needed = l.stride * (l.info.height - 1) + lastRow;
  if (needed > bytes.size() - l.pixelOffset) Fail("pixel data larger than the file");
  return l;
}

// One channel of a bit-field mask, scaled to 8 bits.
class Channel {
 public:
  // The mask has passed CheckMasks.
  explicit Channel(std::uint32_t mask)
      : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), max_(mask >> shift_) {}
  std::uint8_t Decode(std::uint32_t value) const {
    if (max_ == 0) return 0;
    const std::uint64_t v = (value & mask_) >> shift_;
    return static_cast<std::uint8_t>((v * 255 + max_ / 2) / max_);
  }
  std::uint32_t Encode(std::uint8_t value) const {
    if (max_ == 0) return 0;
    const std::uint64_t v = (static_cast<std::uint64_t>(value) * max_ + 127) / 255;
    return static_cast<std::uint32_t>(v << shift_) & mask_;
  }

 private:
  std::uint32_t mask_;
  int shift_;
  std::uint32_t max_;
};

void ReadPalette(std::span<const std::uint8_t> bytes, const Layout& l, BmpPicture& picture) {
  picture.palette.resize(l.info.paletteSize);
  for (int i = 0; i < l.info.paletteSize; ++i) {
    const std::size_t at = l.paletteOffset + i * l.paletteEntrySize;
    picture.palette[i] = {bytes[at], bytes[at + 1], bytes[at + 2], 0};
  }
}

void DecodeIndexedRow(const std::uint8_t* row, int y, BmpPicture& picture) {
  const int bits = picture.bitCount;
  const int width = picture.bitmap.width();
  const int perByte = 8 / bits;
  const int valueMask = (1 << bits) - 1;
  const std::size_t colours = picture.palette.size();
  std::uint8_t* indices = picture.indices.data() + static_cast<std::size_t>(y) * width;
  Pixel* out = &picture.bitmap.At(0, y);
  for (int x = 0; x < width; ++x) {
    const int shift = 8 - bits * (x % perByte + 1);
    const auto index = static_cast<std::uint8_t>((row[x / perByte] >> shift) & valueMask);
    indices[x] = index;
    // An index past the colour table shows black, as the platform draws it.
    out[x] = index < colours ? picture.palette[index] : Pixel{};
  }
}

void DecodeMaskedRow(const std::uint8_t* row, int y, const Masks& masks, BmpPicture& picture) {
  const Channel r(masks.red), g(masks.green), b(masks.blue), a(masks.alpha);
  const int bytesPerPixel = picture.bitCount / 8;
  Pixel* out = &picture.bitmap.At(0, y);
  for (int x = 0; x < picture.bitmap.width(); ++x) {
    const std::uint8_t* p = row + x * bytesPerPixel;
    const std::uint32_t v = bytesPerPixel == 2 ? static_cast<std::uint32_t>(p[0] | (p[1] << 8))
                                               : static_cast<std::uint32_t>(p[0] | (p[1] << 8) | (p[2] << 16)) |
                                                     (static_cast<std::uint32_t>(p[3]) << 24);
    out[x] = {b.Decode(v), g.Decode(v), r.Decode(v), a.Decode(v)};
  }
}

void DecodeRgbRow(const std::uint8_t* row, int y, BmpPicture& picture) {
  Pixel* out = &picture.bitmap.At(0, y);
  for (int x = 0; x < picture.bitmap.width(); ++x, row += 3) out[x] = {row[0], row[1], row[2], 0};
}

// Run-length decoding ---------------------------------------------------

// Decodes an RLE8 or RLE4 stream into palette indices. Pixels the stream
// skips (delta, end of line, end of bitmap) keep index 0. A stream may omit
// its end-of-bitmap code once every row has ended; one that ends earlier, or
// that places a pixel or moves outside the picture, is refused.
class RunLengthDecoder {
 public:
  RunLengthDecoder(std::span<const std::uint8_t> data, const BmpInfo& info, std::vector<std::uint8_t>& indices)
      : data_(data), info_(info), indices_(indices) {}

  void Decode() {
    while (at_ < data_.size() || row_ < info_.height) {
      const std::uint8_t count = Next();
      const std::uint8_t code = Next();
      if (count > 0) {
        PutRun(count, code);
      } else if (code == 0) {
        MoveTo(0, row_ + 1);
      } else if (code == 1) {
        return;
      } else if (code == 2) {
        const std::uint8_t right = Next();
        const std::uint8_t up = Next();
        MoveTo(x_ + right, row_ + up);
      } else {
        PutAbsolute(code);
      }
    }
  }

 private:
  bool Four() const { return info_.bitCount == 4; }

  std::uint8_t Next() {
    if (at_ == data_.size()) Fail("run-length data cut short");
    return data_[at_++];
  }

  void MoveTo(int x, int row) {
    if (x > info_.width || row > info_.height) Fail("run-length data moves outside the picture");
    x_ = x;
    row_ = row;
  }

  // Room for `count` pixels from the current position on the current row.
  void Reserve(int count) {
    if (row_ >= info_.height || count > info_.width - x_) Fail("run-length data overruns its row");
  }

  void Put(std::uint8_t index) {
    const int y = info_.topDown ? row_ : info_.height - 1 - row_;
    indices_[static_cast<std::size_t>(y) * info_.width + x_++] = index;
  }

  // Encoded mode: one byte repeated, or for RLE4 its two nibbles alternating.
  void PutRun(int count, std::uint8_t value) {
    Reserve(count);
    for (int i = 0; i < count; ++i) Put(Four() ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
  }

  // Absolute mode: `count` literal pixels, padded to a 16-bit boundary.
  void PutAbsolute(int count) {
    Reserve(count);
    const std::size_t bytes = Four() ? (count + 1) / 2 : count;
    const std::size_t padded = bytes + (bytes & 1);
    if (data_.size() - at_ < padded) Fail("run-length data cut short");
    const std::uint8_t* literal = data_.data() + at_;
    for (int i = 0; i < count; ++i) {
      Put(Four() ? (i % 2 == 0 ? literal[i / 2] >> 4 : literal[i / 2] & 0x0F) : literal[i]);
    }
    at_ += padded;
  }

  std::span<const std::uint8_t> data_;
  const BmpInfo& info_;
  std::vector<std::uint8_t>& indices_;
  std::size_t at_ = 0;
  int x_ = 0;
  int row_ = 0;  // rows in stored order: the bottom one first unless top-down
};

void ColourIndices(BmpPicture& picture) {
  const std::size_t colours = picture.palette.size();
  Pixel* out = &picture.bitmap.At(0, 0);  // rows are contiguous
  for (std::size_t i = 0; i < picture.indices.size(); ++i) {
    const std::uint8_t index = picture.indices[i];
    out[i] = index < colours ? picture.palette[index] : Pixel{};
  }
}

// Encoding --------------------------------------------------------------

std::size_t HeaderSizeFor(const BmpPicture& p) {
  const bool plain16 = p.redMask == 0x7C00 && p.greenMask == 0x03E0 && p.blueMask == 0x001F && p.alphaMask == 0;
  return p.bitCount == 16 && !plain16 ? kV4HeaderSize : kInfoHeaderSize;
}

void WriteHeaders(const BmpPicture& p, std::size_t headerSize, std::size_t imageSize, ByteWriter& w) {
  const std::size_t tableSize = p.palette.size() * 4;
  const std::size_t offset = kBmpFileHeaderSize + headerSize + tableSize;
  w.WriteU8('B');
  w.WriteU8('M');
  w.WriteU32(static_cast<std::uint32_t>(offset + imageSize));
  w.WriteU32(0);
  w.WriteU32(static_cast<std::uint32_t>(offset));
  w.WriteU32(static_cast<std::uint32_t>(headerSize));
  w.WriteI32(p.bitmap.width());
  w.WriteI32(p.bitmap.height());
  w.WriteU16(1);
  w.WriteU16(static_cast<std::uint16_t>(p.bitCount));
  w.WriteU32(headerSize == kV4HeaderSize ? kBiBitfields : kBiRgb);
  w.WriteU32(static_cast<std::uint32_t>(imageSize));
  w.WriteI32(0);
  w.WriteI32(0);
  w.WriteU32(static_cast<std::uint32_t>(p.palette.size()));
  w.WriteU32(0);
  if (headerSize == kV4HeaderSize) {
    for (const auto mask : {p.redMask, p.greenMask, p.blueMask, p.alphaMask}) w.WriteU32(mask);
    w.WriteU32(0x73524742);  // 'sRGB'
    for (int i = 0; i < 12; ++i) w.WriteU32(0);  // endpoints and gamma, unused for sRGB
  }
  for (const auto& c : p.palette) {
    for (const auto byte : {c.b, c.g, c.r, std::uint8_t{0}}) w.WriteU8(byte);
  }
}

void EncodeRow(const BmpPicture& p, int y, std::uint8_t* row) {
  const int width = p.bitmap.width();
  if (p.bitCount <= 8) {
    const int perByte = 8 / p.bitCount;
    for (int x = 0; x < width; ++x) {
      const int shift = 8 - p.bitCount * (x % perByte + 1);
      row[x / perByte] |= static_cast<std::uint8_t>(p.indices[static_cast<std::size_t>(y) * width + x] << shift);
    }
    return;
  }
  const Channel r(p.redMask), g(p.greenMask), b(p.blueMask), a(p.alphaMask);
  for (int x = 0; x < width; ++x) {
    const Pixel& c = p.bitmap.At(x, y);
    if (p.bitCount == 16) {
      const std::uint32_t v = r.Encode(c.r) | g.Encode(c.g) | b.Encode(c.b) | a.Encode(c.a);
      row[x * 2] = static_cast<std::uint8_t>(v);
      row[x * 2 + 1] = static_cast<std::uint8_t>(v >> 8);
    } else {
      std::uint8_t* out = row + x * (p.bitCount / 8);
      out[0] = c.b;
      out[1] = c.g;
      out[2] = c.r;
      if (p.bitCount == 32) out[3] = c.a;
    }
  }
}

void CheckEncodable(const BmpPicture& p) {
  const int width = p.bitmap.width();
  const int height = p.bitmap.height();
  if (!IsValidBitCount(p.bitCount)) throw Error("cannot write a BMP of " + std::to_string(p.bitCount) + " bits");
  if (width <= 0 || height <= 0) throw Error("cannot write an empty BMP");
  if (p.bitCount <= 8) {
    if (p.palette.empty() || p.palette.size() > (1u << p.bitCount)) throw Error("BMP colour table does not fit");
    if (p.indices.size() != static_cast<std::size_t>(width) * height) throw Error("BMP indices do not fit");
  } else if (p.bitCount == 16) {
    CheckMasks({p.redMask, p.greenMask, p.blueMask, p.alphaMask}, 16);
  } else if (!p.palette.empty()) {
    throw Error("only 1-, 4- and 8-bit BMPs carry a colour table");
  }
}

}  // namespace

std::size_t BmpImageLength(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kBmpFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') Fail("no BMP file header");
  const std::uint32_t length = LoadU32(bytes, 2);
  if (length < kBmpFileHeaderSize + kCoreHeaderSize) Fail("length field too small");
  if (length > bytes.size()) Fail("length field beyond the data");
  return length;
}

BmpInfo ReadBmpInfo(std::span<const std::uint8_t> bytes) { return ParseLayout(bytes).info; }

BmpPicture ReadBmp(std::span<const std::uint8_t> bytes) {
  const Layout l = ParseLayout(bytes);
  BmpPicture picture;
  picture.bitCount = l.info.bitCount;
  picture.bitmap = Bitmap(l.info.width, l.info.height);
  if (picture.bitCount <= 8) {
    ReadPalette(bytes, l, picture);
    picture.indices.resize(static_cast<std::size_t>(l.info.width) * l.info.height);
  }
  if (picture.bitCount == 16) {
    picture.redMask = l.masks.red;
    picture.greenMask = l.masks.green;
    picture.blueMask = l.masks.blue;
    picture.alphaMask = l.masks.alpha;
  }
  if (IsRunLength(l.info.compression)) {
    RunLengthDecoder(bytes.subspan(l.pixelOffset), l.info, picture.indices).Decode();
    ColourIndices(picture);
    return picture;
  }
  for (int y = 0; y < l.info.height; ++y) {
    const int stored = l.info.topDown ? y : l.info.height - 1 - y;
    const std::uint8_t* row = bytes.data() + l.pixelOffset + stored * l.stride;
    if (picture.bitCount <= 8) {
      DecodeIndexedRow(row, y, picture);
    } else if (picture.bitCount == 24) {
      DecodeRgbRow(row, y, picture);
    } else {
      DecodeMaskedRow(row, y, l.masks, picture);
    }
  }
  return picture;
}

Bitmap DecodeBmp(std::span<const std::uint8_t> bytes) { return std::move(ReadBmp(bytes).bitmap); }

std::vector<std::uint8_t> EncodeBmp(const BmpPicture& picture) {
  CheckEncodable(picture);
  const std::size_t headerSize = HeaderSizeFor(picture);
  const std::size_t stride = RowStride(picture.bitmap.width(), picture.bitCount);
  const std::size_t imageSize = stride * picture.bitmap.height();
  std::vector<std::uint8_t> out;
  out.reserve(kBmpFileHeaderSize + headerSize + picture.palette.size() * 4 + imageSize);
  ByteWriter writer(out);
  WriteHeaders(picture, headerSize, imageSize, writer);
  const std::size_t pixelStart = out.size();
  out.resize(pixelStart + imageSize, 0);
  for (int y = 0; y < picture.bitmap.height(); ++y) {
    EncodeRow(picture, y, out.data() + pixelStart + (picture.bitmap.height() - 1 - y) * stride);
  }
  return out;
}

BmpPicture PictureFromBitmap(const Bitmap& bitmap, int bitCount) {
  if (bitCount != 24 && bitCount != 32) throw Error("a plain bitmap is written with 24 or 32 bits");
  BmpPicture picture;
  picture.bitCount = bitCount;
  picture.bitmap = bitmap;
  return picture;
}

bool SameImage(const BmpPicture& a, const BmpPicture& b) {
  return a.bitCount == b.bitCount && a.palette == b.palette && a.indices == b.indices && a.redMask == b.redMask &&
         a.greenMask == b.greenMask && a.blueMask == b.blueMask && a.alphaMask == b.alphaMask &&
         a.bitmap.width() == b.bitmap.width() && a.bitmap.height() == b.bitmap.height() &&
         a.bitmap.pixels() == b.bitmap.pixels();
}

}  // namespace zv
