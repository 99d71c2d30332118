#include "native/picture_decoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/app/promo_settings.h"
#include "core/app/promo_slot.h"
#include "fakes.h"
#include "app/promo_fakes.h"

namespace zv {
namespace {

std::string ReadTestFile(const std::string& name) {
  std::ifstream in(std::string(ZV_TEST_DATA) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Picture DecodeFile(const std::string& name, PictureFormat format) {
  const std::string bytes = ReadTestFile(name);
  NativePictureDecoder decoder;
  return decoder.Decode({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, format);
}

std::string ErrorDecoding(const std::string& name, PictureFormat format) {
  try {
    DecodeFile(name, format);
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

// JPEG is lossy: a colour within a small distance.
void ExpectNear(Pixel actual, Pixel expected) {
  EXPECT_NEAR(actual.r, expected.r, 12);
  EXPECT_NEAR(actual.g, expected.g, 12);
  EXPECT_NEAR(actual.b, expected.b, 12);
  EXPECT_EQ(actual.a, 255);
}

TEST(NativePictureDecoder, Jpeg) {
  const Picture red = DecodeFile("promo/red4x3.jpg", PictureFormat::kJpeg);
  EXPECT_EQ(red.format, PictureFormat::kJpeg);
  EXPECT_FALSE(red.transparent);
  ASSERT_EQ(red.bitmap.width(), 4);
  ASSERT_EQ(red.bitmap.height(), 3);
  ExpectNear(red.bitmap.At(3, 0), Pixel{0, 0, 255, 255});
  EXPECT_GT(red.bitmap.At(1, 1).b, 128);  // the blue point

  const Picture gray = DecodeFile("promo/gray16x8.jpg", PictureFormat::kJpeg);
  EXPECT_EQ(gray.bitmap.width(), 16);
  ExpectNear(gray.bitmap.At(15, 7), Pixel{128, 128, 128, 255});

  const Picture progressive = DecodeFile("promo/progressive64.jpg", PictureFormat::kJpeg);
  EXPECT_EQ(progressive.bitmap.width(), 64);
  EXPECT_EQ(progressive.bitmap.height(), 64);

  const Picture cmyk = DecodeFile("promo/cmyk8.jpg", PictureFormat::kJpeg);
  ExpectNear(cmyk.bitmap.At(4, 4), Pixel{0, 128, 255, 255});  // orange

  const Picture banner = DecodeFile("../../tools/promo-example/banner1.jpg", PictureFormat::kJpeg);
  EXPECT_EQ(banner.bitmap.width(), 225);
  EXPECT_EQ(banner.bitmap.height(), 48);
}

TEST(NativePictureDecoder, GifFirstFrameWithTransparency) {
  const Picture green = DecodeFile("promo/green3x2.gif", PictureFormat::kGif);
  EXPECT_TRUE(green.transparent);
  ASSERT_EQ(green.bitmap.width(), 3);
  ASSERT_EQ(green.bitmap.height(), 2);
  EXPECT_EQ(green.bitmap.At(0, 0), (Pixel{0, 255, 0, 255}));
  EXPECT_EQ(green.bitmap.At(2, 1).a, 0);  // the transparent colour

  // Interlaced rows land where the plain file has them.
  const Picture interlaced = DecodeFile("promo/interlaced3x10.gif", PictureFormat::kGif);
  const Picture plain = DecodeFile("promo/plain3x10.gif", PictureFormat::kGif);
  EXPECT_EQ(interlaced.bitmap.pixels(), plain.bitmap.pixels());
  EXPECT_NE(plain.bitmap.At(0, 0), plain.bitmap.At(0, 9));

  const Picture banner = DecodeFile("../../tools/promo-example/banner2.gif", PictureFormat::kGif);
  EXPECT_EQ(banner.bitmap.width(), 173);
  EXPECT_EQ(banner.bitmap.height(), 48);
}

TEST(NativePictureDecoder, MalformedFilesGiveErrors) {
  EXPECT_NE(ErrorDecoding("malformed/truncated.jpg", PictureFormat::kJpeg).find("JPEG error: "), std::string::npos);
  EXPECT_NE(ErrorDecoding("malformed/not-a-picture.jpg", PictureFormat::kJpeg).find("JPEG error: "), std::string::npos);
  EXPECT_EQ(ErrorDecoding("malformed/huge.jpg", PictureFormat::kJpeg),
            "JPEG error: the picture is too large (60000 x 60000)");
  EXPECT_EQ(ErrorDecoding("malformed/huge-screen.gif", PictureFormat::kGif),
            "GIF: the picture is too large (65535 x 65535)");
  EXPECT_EQ(ErrorDecoding("malformed/huge-frame.gif", PictureFormat::kGif),
            "GIF: the picture is too large (60000 x 60000)");
  EXPECT_EQ(ErrorDecoding("malformed/no-image.gif", PictureFormat::kGif), "GIF error: the file holds no image");
  EXPECT_EQ(ErrorDecoding("malformed/no-colours.gif", PictureFormat::kGif),
            "GIF error: the picture has no colour table");
  EXPECT_NE(ErrorDecoding("malformed/truncated.gif", PictureFormat::kGif).find("GIF error: "), std::string::npos);
  // A file of the other format, and an empty file.
  EXPECT_NE(ErrorDecoding("promo/red4x3.jpg", PictureFormat::kGif).find("GIF error: "), std::string::npos);
  EXPECT_NE(ErrorDecoding("promo/green3x2.gif", PictureFormat::kJpeg).find("JPEG error: "), std::string::npos);
  NativePictureDecoder decoder;
  EXPECT_THROW(decoder.Decode({}, PictureFormat::kJpeg), Error);
  EXPECT_THROW(decoder.Decode({}, PictureFormat::kGif), Error);
}

TEST(NativePictureDecoder, OtherFormatsAreNotDecodableHere) {
  const std::uint8_t bytes[] = {'B', 'M', 0, 0};
  NativePictureDecoder decoder;
  for (const auto format :
       {PictureFormat::kBitmap, PictureFormat::kIcon, PictureFormat::kEnhancedMetafile, PictureFormat::kMetafile}) {
    try {
      decoder.Decode(bytes, format);
      ADD_FAILURE() << "decoded";
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("in this build"), std::string::npos);
    }
  }
}

TEST(NativePictureDecoder, SlotsShowRealDownloadedPictures) {
  test::FakeFiles files;
  test::FakeDownloader downloader;
  NativePictureDecoder decoder;
  test::FakeTextRenderer text;
  const std::string app = "C:\\app\\";
  PromoServices services{files, downloader, decoder, text, app, "http://promo.test.invalid/"};
  const std::string settings = app + kPromoSettingsFile;
  SettingsValue(files, app, settings, kSettingsWrite, "zvkpath", "fname1", "http://h.cn/b1.jpg");
  SettingsValue(files, app, settings, kSettingsWrite, "zvkpath", "fname2", "http://h.cn/b2.GIF");
  downloader.bodies["http://h.cn/b1.jpg"] = ReadTestFile("../../tools/promo-example/banner1.jpg");
  downloader.bodies["http://h.cn/b2.GIF"] = ReadTestFile("../../tools/promo-example/banner2.gif");
  test::FakeLinkImageHost host1, host2;
  TzsSkinLinkImage img1(host1), img2(host2);
  int shown = 0;
  PromoFormShow(services, "zvk", img1, img2, shown);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(img1.picture()->format, PictureFormat::kJpeg);
  EXPECT_EQ(img1.picture()->bitmap.width(), 225);
  EXPECT_EQ(img2.picture()->format, PictureFormat::kGif);
  EXPECT_EQ(img2.picture()->bitmap.width(), 173);
  EXPECT_TRUE(files.Exists(app + "fname2.GIF"));
  EXPECT_TRUE(text.calls.empty());
}

}  // namespace
}  // namespace zv
