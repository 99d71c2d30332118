#include "core/base/bmp.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "core/base/byte_stream.h"

namespace zv {
namespace {

// A paletted picture whose indices walk through the whole table.
BmpPicture Paletted(int bits, int width, int height, int paletteSize) {
  BmpPicture p;
  p.bitCount = bits;
  for (int i = 0; i < paletteSize; ++i) {
    p.palette.push_back({static_cast<std::uint8_t>(i * 7), static_cast<std::uint8_t>(255 - i),
                         static_cast<std::uint8_t>(i * 3 + 1), 0});
  }
  p.bitmap = Bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const auto index = static_cast<std::uint8_t>((x * 5 + y * 3) % paletteSize);
      p.indices.push_back(index);
      p.bitmap.At(x, y) = p.palette[index];
    }
  }
  return p;
}

// A true-colour picture; 16-bit colours are chosen so the masks can hold them.
BmpPicture TrueColour(int bits, int width, int height, std::uint32_t r = 0, std::uint32_t g = 0,
                      std::uint32_t b = 0) {
  BmpPicture p;
  p.bitCount = bits;
  p.redMask = r;
  p.greenMask = g;
  p.blueMask = b;
  p.bitmap = Bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      p.bitmap.At(x, y) = {static_cast<std::uint8_t>(x * 37 + y), static_cast<std::uint8_t>(y * 11),
                           static_cast<std::uint8_t>(x ^ y), static_cast<std::uint8_t>(bits == 32 ? x * 13 + y * 7 : 0)};
    }
  }
  if (bits == 16) p.bitmap = ReadBmp(EncodeBmp(p)).bitmap;  // snap the colours to the masks
  return p;
}

TEST(BmpTest, EveryDepthWrittenReadsBackAsTheSameImage) {
  for (const int width : {1, 2, 3, 7, 8, 9, 33}) {
    std::vector<BmpPicture> pictures = {
        Paletted(1, width, 3, 2),    Paletted(4, width, 3, 16), Paletted(4, width, 2, 5),
        Paletted(8, width, 4, 256),  Paletted(8, width, 1, 17), TrueColour(16, width, 3, 0x7C00, 0x03E0, 0x001F),
        TrueColour(16, width, 3, 0xF800, 0x07E0, 0x001F),       TrueColour(24, width, 5),
        TrueColour(32, width, 2)};
    for (const auto& picture : pictures) {
      SCOPED_TRACE("width " + std::to_string(width) + ", " + std::to_string(picture.bitCount) + " bits");
      const auto bytes = EncodeBmp(picture);
      EXPECT_EQ(BmpImageLength(bytes), bytes.size());
      const BmpPicture back = ReadBmp(bytes);
      EXPECT_TRUE(SameImage(back, picture));
      const auto again = EncodeBmp(back);
      EXPECT_EQ(again, bytes);
    }
  }
}

TEST(BmpTest, WriterKeepsDepthAndPaletteInTheHeaders) {
  const auto bytes = EncodeBmp(Paletted(4, 5, 2, 5));
  const BmpInfo info = ReadBmpInfo(bytes);
  EXPECT_EQ(info.bitCount, 4);
  EXPECT_EQ(info.paletteSize, 5);
  EXPECT_EQ(info.width, 5);
  EXPECT_EQ(info.height, 2);
  EXPECT_FALSE(info.topDown);
  EXPECT_EQ(info.headerSize, 40u);
  EXPECT_EQ(info.fileLength, bytes.size());
  // 5-6-5 needs its masks: a V4 header with bit fields.
  const BmpInfo info565 = ReadBmpInfo(EncodeBmp(TrueColour(16, 2, 2, 0xF800, 0x07E0, 0x001F)));
  EXPECT_EQ(info565.headerSize, 108u);
  EXPECT_EQ(info565.compression, 3u);
}

// Hand-made images, so orientation and bit order are checked against the
// format rather than against our own writer.
std::vector<std::uint8_t> Image(std::uint32_t headerSize, std::int32_t width, std::int32_t height, int bits,
                                std::uint32_t compression, const std::vector<std::uint8_t>& afterHeader,
                                std::uint32_t colours = 0) {
  std::vector<std::uint8_t> out;
  ByteWriter w(out);
  w.WriteU8('B');
  w.WriteU8('M');
  w.WriteU32(0);  // length patched below
  w.WriteU32(0);
  w.WriteU32(0);  // pixels follow the table
  w.WriteU32(headerSize);
  w.WriteI32(width);
  w.WriteI32(height);
  w.WriteU16(1);
  w.WriteU16(static_cast<std::uint16_t>(bits));
  w.WriteU32(compression);
  w.WriteU32(0);
  w.WriteI32(0);
  w.WriteI32(0);
  w.WriteU32(colours);
  w.WriteU32(0);
  out.resize(14 + headerSize, 0);
  w.WriteBytes(afterHeader);
  const auto size = static_cast<std::uint32_t>(out.size());
  for (int i = 0; i < 4; ++i) out[2 + i] = static_cast<std::uint8_t>(size >> (8 * i));
  return out;
}

TEST(BmpTest, RowsAreBottomUpUnlessTheHeightIsNegative) {
  // Two rows of one 24-bit pixel, each padded to 4 bytes: blue first, then red.
  const std::vector<std::uint8_t> rows = {255, 0, 0, 0, 0, 0, 255, 0};
  const Bitmap bottomUp = DecodeBmp(Image(40, 1, 2, 24, 0, rows));
  EXPECT_EQ(bottomUp.At(0, 0), (Pixel{0, 0, 255, 0}));  // the last stored row is the top
  EXPECT_EQ(bottomUp.At(0, 1), (Pixel{255, 0, 0, 0}));
  const Bitmap topDown = DecodeBmp(Image(40, 1, -2, 24, 0, rows));
  EXPECT_EQ(topDown.At(0, 0), (Pixel{255, 0, 0, 0}));
  EXPECT_EQ(topDown.At(0, 1), (Pixel{0, 0, 255, 0}));
  EXPECT_TRUE(ReadBmpInfo(Image(40, 1, -2, 24, 0, rows)).topDown);
}

TEST(BmpTest, PalettedPixelsTakeTheHighBitsFirst) {
  // 1-bit, 10 pixels wide: colour table black, white; bits 1000000001 then padding.
  const std::vector<std::uint8_t> data = {0, 0, 0, 0, 255, 255, 255, 0, 0x80, 0x40, 0, 0};
  const BmpPicture one = ReadBmp(Image(40, 10, 1, 1, 0, data));
  EXPECT_EQ(one.indices, (std::vector<std::uint8_t>{1, 0, 0, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(one.bitmap.At(0, 0), (Pixel{255, 255, 255, 0}));
  EXPECT_EQ(one.bitmap.At(1, 0), (Pixel{0, 0, 0, 0}));
  // 4-bit with a two-colour table: nibble 0x1 then 0x0; an index past the table shows black.
  const std::vector<std::uint8_t> four = {10, 20, 30, 0, 40, 50, 60, 0, 0x10, 0xF0, 0, 0};
  const BmpPicture p4 = ReadBmp(Image(40, 3, 1, 4, 0, four, 2));
  EXPECT_EQ(p4.indices, (std::vector<std::uint8_t>{1, 0, 15}));
  EXPECT_EQ(p4.bitmap.At(0, 0), (Pixel{40, 50, 60, 0}));
  EXPECT_EQ(p4.bitmap.At(2, 0), (Pixel{0, 0, 0, 0}));
}

TEST(BmpTest, CoreHeaderUsesThreeByteColourEntries) {
  std::vector<std::uint8_t> out = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  ByteWriter w(out);
  w.WriteU32(12);
  w.WriteU16(2);
  w.WriteU16(1);
  w.WriteU16(1);
  w.WriteU16(8);
  out.resize(out.size() + 256 * 3, 0);
  out[26 + 3 * 7 + 0] = 1;  // entry 7: blue 1, green 2, red 3
  out[26 + 3 * 7 + 1] = 2;
  out[26 + 3 * 7 + 2] = 3;
  for (const std::uint8_t b : {7, 0, 0, 0}) w.WriteU8(b);
  const Bitmap bitmap = DecodeBmp(out);
  EXPECT_EQ(bitmap.At(0, 0), (Pixel{1, 2, 3, 0}));
  EXPECT_EQ(bitmap.At(1, 0), (Pixel{0, 0, 0, 0}));
}

TEST(BmpTest, BitFieldsAreReadFromEveryPlaceTheyCanBe) {
  // 16-bit 5-6-5 with the masks after a 40-byte header: pure red, pure green.
  std::vector<std::uint8_t> data;
  ByteWriter w(data);
  for (const std::uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) w.WriteU32(m);
  w.WriteU16(0xF800);
  w.WriteU16(0x07E0);
  const BmpPicture p = ReadBmp(Image(40, 2, 1, 16, 3, data));
  EXPECT_EQ(p.bitmap.At(0, 0), (Pixel{0, 0, 255, 0}));
  EXPECT_EQ(p.bitmap.At(1, 0), (Pixel{0, 255, 0, 0}));
  EXPECT_EQ(p.greenMask, 0x07E0u);

  // 32-bit RGBA order with a V5 header, masks and alpha inside the header.
  auto v5 = Image(124, 1, 1, 32, 3, {0x11, 0x22, 0x33, 0x44});
  const std::uint32_t masks[] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
  for (int m = 0; m < 4; ++m) {
    for (int i = 0; i < 4; ++i) v5[14 + 40 + m * 4 + i] = static_cast<std::uint8_t>(masks[m] >> (8 * i));
  }
  EXPECT_EQ(DecodeBmp(v5).At(0, 0), (Pixel{0x33, 0x22, 0x11, 0x44}));

  // 32-bit BI_RGB keeps its fourth byte as alpha.
  EXPECT_EQ(DecodeBmp(Image(40, 1, 1, 32, 0, {1, 2, 3, 4})).At(0, 0), (Pixel{1, 2, 3, 4}));
}

void SetU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(BmpTest, DamagedImagesEndInAClearErrorBeforeAllocating) {
  const auto good = EncodeBmp(Paletted(8, 4, 4, 256));
  ASSERT_NO_THROW(ReadBmp(good));
  struct Case {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> damage;
  };
  const Case cases[] = {
      {"empty", [](auto& b) { b.clear(); }},
      {"only the file header", [](auto& b) { b.resize(14); }},
      {"wrong magic", [](auto& b) { b[1] = 'A'; }},
      {"header size zero", [](auto& b) { SetU32(b, 14, 0); }},
      {"header size 41", [](auto& b) { SetU32(b, 14, 41); }},
      {"header size past the data", [](auto& b) { SetU32(b, 14, 124); b.resize(100); }},
      {"width zero", [](auto& b) { SetU32(b, 18, 0); }},
      {"negative width", [](auto& b) { SetU32(b, 18, 0xFFFFFFFF); }},
      {"height zero", [](auto& b) { SetU32(b, 22, 0); }},
      {"most negative height", [](auto& b) { SetU32(b, 22, 0x80000000); }},
      {"huge width", [](auto& b) { SetU32(b, 18, 1u << 30); }},
      {"huge area", [](auto& b) { SetU32(b, 18, 30000); SetU32(b, 22, 30000); }},
      {"bit depth 7", [](auto& b) { b[28] = 7; }},
      {"run-length compression", [](auto& b) { SetU32(b, 30, 1); }},
      {"bit fields on 8 bits", [](auto& b) { SetU32(b, 30, 3); }},
      {"colour table too large", [](auto& b) { SetU32(b, 46, 100000); }},
      {"colour table past the data", [](auto& b) { b.resize(14 + 40 + 100); }},
      {"pixel offset past the data", [](auto& b) { SetU32(b, 10, 1u << 31); }},
      {"pixel offset inside the header", [](auto& b) { SetU32(b, 10, 20); }},
      {"pixel data larger than the file", [](auto& b) { b.resize(b.size() - 5); }},
      {"taller than the pixel data", [](auto& b) { SetU32(b, 22, 5); }},
  };
  for (const auto& c : cases) {
    auto bytes = good;
    c.damage(bytes);
    EXPECT_THROW(ReadBmp(bytes), EInvalidGraphic) << c.name;
  }
  // Masks that are not one run of bits, and masks cut off by the end of the data.
  EXPECT_THROW(ReadBmp(Image(40, 1, 1, 32, 3, {0x0F, 0, 0, 0, 0xF0, 0, 0, 0, 0x00, 0x0F, 0xF0, 0, 0, 0, 0, 0})),
               EInvalidGraphic);
  EXPECT_THROW(ReadBmp(Image(40, 1, 1, 16, 3, {0, 0xF8})), EInvalidGraphic);
  // Overlapping masks, and 16-bit masks that reach past 16 bits or are wider
  // than 8 bits, could not be written back as the same picture.
  auto masked16 = [](std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    std::vector<std::uint8_t> data;
    ByteWriter w(data);
    for (const std::uint32_t m : {r, g, b}) w.WriteU32(m);
    w.WriteU32(0);
    return Image(40, 1, 1, 16, 3, data);
  };
  ASSERT_NO_THROW(ReadBmp(masked16(0xF800, 0x07E0, 0x001F)));
  EXPECT_THROW(ReadBmp(masked16(0xF800, 0x0FE0, 0x001F)), EInvalidGraphic);
  EXPECT_THROW(ReadBmp(masked16(0x30000, 0x07E0, 0x001F)), EInvalidGraphic);
  EXPECT_THROW(ReadBmp(masked16(0xFFC0, 0x0020, 0x001F)), EInvalidGraphic);
  // No colour channel at all: the writer could not say how the pixels are laid out.
  EXPECT_THROW(ReadBmp(masked16(0, 0, 0)), EInvalidGraphic);
}

TEST(BmpTest, ImageLengthComesFromTheFileHeader) {
  auto bytes = EncodeBmp(TrueColour(24, 3, 3));
  const std::size_t length = bytes.size();
  bytes.push_back(0xAB);  // what follows the image is not part of it
  EXPECT_EQ(BmpImageLength(bytes), length);
  SetU32(bytes, 2, static_cast<std::uint32_t>(bytes.size() + 1));
  EXPECT_THROW(BmpImageLength(bytes), EInvalidGraphic);
  SetU32(bytes, 2, 0);
  EXPECT_THROW(BmpImageLength(bytes), EInvalidGraphic);
  EXPECT_THROW(BmpImageLength(std::vector<std::uint8_t>{'B', 'M', 1}), EInvalidGraphic);
}

TEST(BmpTest, WriterRefusesPicturesItCannotWrite) {
  BmpPicture tooManyColours = Paletted(1, 2, 2, 2);
  tooManyColours.palette.resize(3);
  EXPECT_THROW(EncodeBmp(tooManyColours), Error);
  BmpPicture shortIndices = Paletted(8, 2, 2, 4);
  shortIndices.indices.pop_back();
  EXPECT_THROW(EncodeBmp(shortIndices), Error);
  EXPECT_THROW(EncodeBmp(TrueColour(16, 2, 2)), Error);  // no masks
  EXPECT_THROW(EncodeBmp(TrueColour(16, 2, 2, 0xFF00, 0x0F00, 0x00FF)), Error);
  EXPECT_THROW(EncodeBmp(BmpPicture{}), Error);           // no pixels
  EXPECT_THROW(PictureFromBitmap(Bitmap(1, 1), 8), Error);
  const BmpPicture plain = PictureFromBitmap(TrueColour(32, 3, 2).bitmap, 32);
  EXPECT_TRUE(SameImage(ReadBmp(EncodeBmp(plain)), plain));
}

std::vector<std::uint8_t> TestFile(const std::string& name) {
  std::ifstream in(std::filesystem::path(ZV_TEST_DATA) / name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BmpTest, RunLengthPicturesDecodeAsTheirCodesSayAndWriteBackUncompressed) {
  // The indices were worked out by hand from each file's codes: runs,
  // absolute runs, end of line, delta and end of bitmap; skipped pixels keep 0.
  const BmpPicture rle8 = ReadBmp(TestFile("bmp/rle8-delta.bmp"));
  EXPECT_EQ(rle8.indices, (std::vector<std::uint8_t>{1, 0, 0, 0, 0, 0,  //
                                                     0, 0, 0, 2, 2, 2,  //
                                                     3, 3, 0, 0, 0, 0,  //
                                                     1, 1, 1, 2, 3, 2}));
  EXPECT_EQ(rle8.bitmap.At(4, 3), (Pixel{255, 0, 0, 0}));
  EXPECT_EQ(rle8.bitmap.At(5, 0), (Pixel{30, 20, 10, 0}));
  const BmpPicture rle4 = ReadBmp(TestFile("bmp/rle4-delta.bmp"));
  EXPECT_EQ(rle4.indices, (std::vector<std::uint8_t>{0, 0, 0, 1, 0, 1, 0,  //
                                                     0, 1, 2, 0, 1, 2, 2,  //
                                                     1, 2, 0, 2, 1, 2, 1}));
  EXPECT_EQ(rle4.bitmap.At(2, 1), (Pixel{0, 128, 0, 0}));
  for (const BmpPicture* picture : {&rle8, &rle4}) {
    const auto bytes = EncodeBmp(*picture);
    EXPECT_EQ(ReadBmpInfo(bytes).compression, 0u);
    EXPECT_TRUE(SameImage(ReadBmp(bytes), *picture));
  }
  // The end-of-bitmap code may be left out once every row has ended.
  auto withoutEnd = TestFile("bmp/rle8-delta.bmp");
  withoutEnd[withoutEnd.size() - 1] = 0;  // end of line instead
  EXPECT_EQ(ReadBmp(withoutEnd).indices, rle8.indices);
}

TEST(BmpTest, DamagedRunLengthStreamsAreRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {"bmp-rle8-cut-with-rows-left.bmp", "cut short"},
      {"bmp-rle4-absolute-cut.bmp", "cut short"},
      {"bmp-rle8-run-past-row-end.bmp", "overruns its row"},
      {"bmp-rle8-pixels-past-last-row.bmp", "overruns its row"},
      {"bmp-rle4-delta-outside.bmp", "moves outside the picture"},
      {"bmp-rle8-on-four-bits.bmp", "does not fit the bit depth"},
  };
  for (const auto& [name, reason] : cases) {
    try {
      ReadBmp(TestFile(std::string("malformed/") + name));
      ADD_FAILURE() << name << " was read";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(std::string(e.what()).find(reason), std::string::npos) << name << ": " << e.what();
    }
  }
}

}  // namespace
}  // namespace zv
