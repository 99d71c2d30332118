// Decoding promotion pictures with WIC, GDI and the core's BMP codec.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/base/bmp.h"
#include "core/base/error.h"
#include "example_pictures.h"
#include "win32/platform/win_picture_decoder.h"

namespace zv::win::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N>
Bytes Of(const unsigned char (&bytes)[N]) {
  return Bytes(bytes, bytes + N);
}

void PutWord(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutDword(Bytes& out, std::uint32_t value) {
  PutWord(out, value & 0xFFFF);
  PutWord(out, value >> 16);
}

bool Near(Pixel p, int r, int g, int b) {
  return std::abs(p.r - r) <= 8 && std::abs(p.g - g) <= 8 && std::abs(p.b - b) <= 8;
}

// A 2 x 2 icon of 32-bit pixels: red, green / blue, see-through.
Bytes TwoByTwoIcon() {
  Bytes out;
  PutWord(out, 0);
  PutWord(out, 1);  // icon
  PutWord(out, 1);  // one image
  const std::uint32_t imageSize = 40 + 2 * 2 * 4 + 2 * 4;
  out.insert(out.end(), {2, 2, 0, 0});
  PutWord(out, 1);
  PutWord(out, 32);
  PutDword(out, imageSize);
  PutDword(out, 22);
  PutDword(out, 40);
  PutDword(out, 2);
  PutDword(out, 4);  // colour and mask rows
  PutWord(out, 1);
  PutWord(out, 32);
  for (int i = 0; i < 6; ++i) PutDword(out, 0);
  // Bottom-up BGRA rows: blue, clear; then red, green.
  out.insert(out.end(), {255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 0, 255, 0, 255});
  for (int row = 0; row < 2; ++row) PutDword(out, 0);  // the mask rows
  return out;
}

Bytes EnhancedMetafileOfRedBox(const RECT& frameHundredthsMm) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, &frameHundredthsMm, nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT box{0, 0, 50, 20};
  FillRect(dc, &box, red);
  DeleteObject(red);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  Bytes bytes(GetEnhMetaFileBits(metafile, 0, nullptr));
  GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteEnhMetaFile(metafile);
  return bytes;
}

// A placeable metafile: a red box filling 100 x 40 units at 192 units per inch.
Bytes PlaceableMetafileOfRedBox(std::int16_t right = 100, std::int16_t bottom = 40) {
  HDC dc = CreateMetaFileW(nullptr);
  SetWindowOrgEx(dc, 0, 0, nullptr);
  SetWindowExtEx(dc, 100, 40, nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT box{0, 0, 100, 40};
  FillRect(dc, &box, red);
  DeleteObject(red);
  HMETAFILE metafile = CloseMetaFile(dc);
  Bytes records(GetMetaFileBitsEx(metafile, 0, nullptr));
  GetMetaFileBitsEx(metafile, static_cast<UINT>(records.size()), records.data());
  DeleteMetaFile(metafile);

  Bytes out;
  PutDword(out, 0x9AC6CDD7);
  PutWord(out, 0);
  for (std::int16_t v : {std::int16_t{0}, std::int16_t{0}, right, bottom}) PutWord(out, static_cast<std::uint16_t>(v));
  PutWord(out, 192);
  PutDword(out, 0);
  std::uint16_t checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2) checksum ^= static_cast<std::uint16_t>(out[at] | (out[at + 1] << 8));
  PutWord(out, checksum);
  out.insert(out.end(), records.begin(), records.end());
  return out;
}

TEST(WinPictureDecoder, DecodesJpegAndGifThroughWic) {
  WinPictureDecoder decoder;
  const Picture jpeg = decoder.Decode(Of(kBanner1Jpg), PictureFormat::kJpeg);
  EXPECT_EQ(jpeg.format, PictureFormat::kJpeg);
  EXPECT_EQ(jpeg.bitmap.width(), 225);
  EXPECT_EQ(jpeg.bitmap.height(), 48);
  EXPECT_FALSE(jpeg.transparent);
  EXPECT_TRUE(Near(jpeg.bitmap.At(5, 5), 54, 97, 152));

  const Picture gif = decoder.Decode(Of(kBanner2Gif), PictureFormat::kGif);
  EXPECT_EQ(gif.bitmap.width(), 173);
  EXPECT_EQ(gif.bitmap.height(), 48);
  EXPECT_EQ(gif.bitmap.At(100, 20), (Pixel{77, 225, 255, 255}));
}

TEST(WinPictureDecoder, RefusesDamagedAndMislabelledFiles) {
  WinPictureDecoder decoder;
  const Bytes jpeg = Of(kBanner1Jpg);
  const Bytes cut(jpeg.begin(), jpeg.begin() + 200);
  EXPECT_THROW(decoder.Decode(cut, PictureFormat::kJpeg), Error);
  EXPECT_THROW(decoder.Decode(Of(kBanner2Gif), PictureFormat::kJpeg), Error);  // a GIF is no JPEG
  EXPECT_THROW(decoder.Decode(jpeg, PictureFormat::kGif), Error);
  for (PictureFormat format : {PictureFormat::kJpeg, PictureFormat::kGif, PictureFormat::kIcon,
                               PictureFormat::kBitmap, PictureFormat::kEnhancedMetafile, PictureFormat::kMetafile}) {
    EXPECT_THROW(decoder.Decode(Bytes{}, format), Error);
    EXPECT_THROW(decoder.Decode(Bytes(300, 0x41), format), Error);
  }
}

TEST(WinPictureDecoder, DecodesIconsWithTheirTransparency) {
  WinPictureDecoder decoder;
  const Picture icon = decoder.Decode(TwoByTwoIcon(), PictureFormat::kIcon);
  ASSERT_EQ(icon.bitmap.width(), 2);
  ASSERT_EQ(icon.bitmap.height(), 2);
  EXPECT_TRUE(icon.transparent);
  EXPECT_EQ(icon.bitmap.At(0, 0), (Pixel{0, 0, 255, 255}));
  EXPECT_EQ(icon.bitmap.At(1, 0), (Pixel{0, 255, 0, 255}));
  EXPECT_EQ(icon.bitmap.At(0, 1), (Pixel{255, 0, 0, 255}));
  EXPECT_EQ(icon.bitmap.At(1, 1).a, 0);
}

TEST(WinPictureDecoder, DecodesBitmapsWithTheCoreCodec) {
  Bitmap bitmap(3, 2, Pixel{10, 20, 30, 0});
  bitmap.At(2, 1) = Pixel{200, 100, 50, 0};
  const std::vector<std::uint8_t> file = EncodeBmp(PictureFromBitmap(bitmap, 24));
  const Picture picture = WinPictureDecoder().Decode(file, PictureFormat::kBitmap);
  EXPECT_EQ(picture.format, PictureFormat::kBitmap);
  EXPECT_EQ(picture.bitmap.width(), 3);
  EXPECT_EQ(picture.bitmap.At(0, 0), (Pixel{10, 20, 30, 0}));
  EXPECT_EQ(picture.bitmap.At(2, 1), (Pixel{200, 100, 50, 0}));
}

TEST(WinPictureDecoder, PlaysEnhancedMetafilesAtTheirFrameSize) {
  // 1323 hundredths of a millimetre are 50 pixels at 96 per inch.
  const Bytes emf = EnhancedMetafileOfRedBox({0, 0, 1323, 529});
  const Picture picture = WinPictureDecoder().Decode(emf, PictureFormat::kEnhancedMetafile);
  EXPECT_EQ(picture.format, PictureFormat::kEnhancedMetafile);
  EXPECT_EQ(picture.bitmap.width(), 50);
  EXPECT_EQ(picture.bitmap.height(), 20);
  EXPECT_EQ(picture.bitmap.At(25, 10), (Pixel{0, 0, 255, 255}));

  Bytes cut(emf.begin(), emf.begin() + 100);
  EXPECT_THROW(DecodeEnhancedMetafile(cut), Error);
  // A frame of 40000 x 40000 pixels is refused before any bitmap is made.
  EXPECT_THROW(DecodeEnhancedMetafile(EnhancedMetafileOfRedBox({0, 0, 1058333, 1058333})), Error);
}

TEST(WinPictureDecoder, PlaysPlaceableWindowsMetafilesAndChecksTheirHeader) {
  const Bytes wmf = PlaceableMetafileOfRedBox();
  const Picture picture = WinPictureDecoder().Decode(wmf, PictureFormat::kMetafile);
  EXPECT_EQ(picture.bitmap.width(), 50);  // 100 units at 192 per inch
  EXPECT_EQ(picture.bitmap.height(), 20);
  EXPECT_EQ(picture.bitmap.At(25, 10), (Pixel{0, 0, 255, 255}));

  Bytes badChecksum = wmf;
  badChecksum[20] ^= 1;
  EXPECT_THROW(DecodeWindowsMetafile(badChecksum), Error);
  Bytes noKey = wmf;
  noKey[0] = 0;
  EXPECT_THROW(DecodeWindowsMetafile(noKey), Error);
  Bytes longRecords = wmf;
  longRecords[22 + 6] = 0xFF;  // the record words run past the file
  longRecords[22 + 7] = 0xFF;
  EXPECT_THROW(DecodeWindowsMetafile(longRecords), Error);
  const Bytes cut(wmf.begin(), wmf.begin() + 30);
  EXPECT_THROW(DecodeWindowsMetafile(cut), Error);
  EXPECT_THROW(DecodeWindowsMetafile(PlaceableMetafileOfRedBox(32000, 32000)), Error);  // too large
}

}  // namespace
}  // namespace zv::win::test
