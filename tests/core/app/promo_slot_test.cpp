#include "core/app/promo_slot.h"

#include <gtest/gtest.h>

#include "core/app/promo_cipher.h"
#include "core/app/promo_picture.h"
#include "core/app/promo_settings.h"
#include "core/app/texts.h"
#include "fakes.h"
#include "app/promo_fakes.h"

namespace zv {
namespace {

using namespace test;

const std::string kApp = "C:\\app\\";
const std::string kBase = "http://promo.test.invalid/";

struct PromoFixture : ::testing::Test {
  FakeFiles files;
  FakeDownloader downloader;
  FakePictureDecoder decoder;
  FakeTextRenderer text;
  PromoServices services{files, downloader, decoder, text, kApp, kBase, Rgb(1, 2, 3)};
  FakeLinkImageHost host1, host2;
  TzsSkinLinkImage img1{host1}, img2{host2};

  void SetSlot(const std::string& key, const std::string& picture, const std::string& link) {
    const std::string path = kApp + kPromoSettingsFile;
    SettingsValue(files, kApp, path, kSettingsWrite, "zvkpath", key, picture);
    SettingsValue(files, kApp, path, kSettingsWrite, "zvklink", key, link);
  }
  void Load(TzsSkinLinkImage& slot, const std::string& key) { LoadPromoSlot(slot, key, "zvk", services); }
};

TEST(PromoPicture, ExtensionRule) {
  EXPECT_EQ(PictureExtension("http://h.cn/a/pic.jpg"), ".jpg");
  EXPECT_EQ(PictureExtension("http://h.cn/a/pic.tar.GIF"), ".GIF");
  EXPECT_EQ(PictureExtension("http://h.cn/a/pic.jpg?x=1"), ".jpg?x=1");
  // "/" does not stop the search: the extension starts at an earlier dot.
  EXPECT_EQ(PictureExtension("http://h.cn/a/pic"), ".cn/a/pic");
  // A ":" or "\" after the last dot: no extension.
  EXPECT_EQ(PictureExtension("http://localhost:8000/pic"), "");
  EXPECT_EQ(PictureExtension("http://h.cn:80/pic"), "");
  EXPECT_EQ(PictureExtension("C:\\my.app\\fname1"), "");
  EXPECT_EQ(PictureExtension(""), "");
  EXPECT_EQ(PictureExtension("a."), ".");
  // The trail byte 0x5C of a double-byte character is no "\".
  EXPECT_EQ(PictureExtension("http://h/x.\x95\x5C"), ".\x95\x5C");

  EXPECT_EQ(PictureFormatOf("JPEG"), PictureFormat::kJpeg);
  EXPECT_EQ(PictureFormatOf("jpg"), PictureFormat::kJpeg);
  EXPECT_EQ(PictureFormatOf("Gif"), PictureFormat::kGif);
  EXPECT_EQ(PictureFormatOf("bmp"), PictureFormat::kBitmap);
  EXPECT_EQ(PictureFormatOf("ICO"), PictureFormat::kIcon);
  EXPECT_EQ(PictureFormatOf("emf"), PictureFormat::kEnhancedMetafile);
  EXPECT_EQ(PictureFormatOf("wmf"), PictureFormat::kMetafile);
  EXPECT_FALSE(PictureFormatOf("png"));
  EXPECT_FALSE(PictureFormatOf(""));
  EXPECT_FALSE(PictureFormatOf("jpg "));

  EXPECT_TRUE(IsFileNameSafe(".jpg"));
  EXPECT_TRUE(IsFileNameSafe(".\x95\x5C"));
  for (const char* bad : {".jpg?x", ".a/b", ".a\\b", ".a:b", ".a*", ".a\"", ".a<", ".a>", ".a|", ".a\t"}) {
    EXPECT_FALSE(IsFileNameSafe(bad)) << bad;
  }
}

TEST_F(PromoFixture, DownloadedPictureIsShownAndKept) {
  SetSlot("fname1", "http://h.cn/p1.JPG", "https://l.cn/1");
  downloader.bodies["http://h.cn/p1.JPG"] = "PIC 3 2";
  Load(img1, "fname1");
  EXPECT_EQ(host1.heightsSet, std::vector<int>{48});
  EXPECT_EQ(files.files.at(kApp + "fname1.JPG"), "PIC 3 2");
  ASSERT_TRUE(img1.picture());
  EXPECT_EQ(img1.picture()->format, PictureFormat::kJpeg);
  EXPECT_EQ(img1.picture()->bitmap.width(), 3);
  EXPECT_EQ(img1.URL, "https://l.cn/1");
  EXPECT_FALSE(img1.AutoSize);
  EXPECT_TRUE(text.calls.empty());
}

TEST_F(PromoFixture, FailedDownloadFallsBackToTheKeptFileThenToTheText) {
  SetSlot("fname2", "http://h.cn/p2.gif", "http://l.cn/2");
  files.files[kApp + "fname2.gif"] = "PIC 5 4";
  Load(img2, "fname2");
  EXPECT_EQ(downloader.requests, std::vector<std::string>{"http://h.cn/p2.gif"});
  ASSERT_TRUE(img2.picture());
  EXPECT_EQ(img2.picture()->bitmap.width(), 5);
  EXPECT_EQ(img2.URL, "http://l.cn/2");

  // Neither: the text on a new white bitmap of the control's size.
  host1.alignedHeight = 49;
  SetSlot("fname1", "http://h.cn/p1.gif", "http://l.cn/1");
  Load(img1, "fname1");
  ASSERT_TRUE(img1.picture());
  EXPECT_EQ(img1.picture()->format, PictureFormat::kBitmap);
  EXPECT_EQ(img1.picture()->bitmap.width(), 225);
  EXPECT_EQ(img1.picture()->bitmap.height(), 49);
  EXPECT_EQ(img1.picture()->bitmap.At(224, 48), (Pixel{255, 255, 255, 255}));
  EXPECT_EQ(img1.picture()->bitmap.At(0, 0), ToPixel(Rgb(1, 2, 3), 255));
  ASSERT_EQ(text.calls.size(), 1u);
  EXPECT_EQ(text.calls[0].text, texts::kPromoFallback);
  EXPECT_EQ(text.calls[0].font.color, Rgb(1, 2, 3));
  EXPECT_EQ(text.calls[0].font.name, FontSpec().name);
  EXPECT_EQ(text.calls[0].origin, (Point{0, 0}));
  EXPECT_EQ(img1.URL, kBase);
}

// At another display scale a downloaded picture is drawn at its size for
// that scale, whole factors replicating each pixel; the fallback text is
// drawn at the slot's scale on a canvas of the slot's size, never rescaled.
TEST_F(PromoFixture, PicturesAtTheDisplaysScale) {
  img2.SetDpi(192);
  Picture picture{PictureFormat::kBitmap, Bitmap(2, 1), false};
  picture.bitmap.At(0, 0) = {10, 20, 30, 255};
  picture.bitmap.At(1, 0) = {40, 50, 60, 255};
  img2.SetPicture(std::move(picture));
  Bitmap target(6, 3);
  img2.Paint(target.view());
  EXPECT_EQ(target.At(1, 1), (Pixel{10, 20, 30, 255}));
  EXPECT_EQ(target.At(2, 0), (Pixel{40, 50, 60, 255}));
  EXPECT_EQ(target.At(3, 1), (Pixel{40, 50, 60, 255}));
  EXPECT_EQ(target.At(4, 0), Pixel{});  // past the picture's scaled width

  img1.SetDpi(144);
  SetSlot("fname1", "http://h.cn/p1.gif", "http://l.cn/1");
  Load(img1, "fname1");
  ASSERT_EQ(text.calls.size(), 1u);
  EXPECT_EQ(text.calls[0].font.height, -17);
  Bitmap slot(225, 10);
  img1.Paint(slot.view());
  EXPECT_EQ(slot.At(224, 9), (Pixel{255, 255, 255, 255}));  // the whole canvas, 1:1
}

TEST_F(PromoFixture, NoSettingsAtAll) {
  // Empty picture URL: nothing to fetch, no kept file, the fallback.
  Load(img1, "fname1");
  EXPECT_TRUE(downloader.requests.empty());
  EXPECT_EQ(img1.URL, kBase);
  // A kept file without extension cannot be shown.
  files.files[kApp + "fname2"] = "PIC 1 1";
  EXPECT_EQ(ErrorOf([&] { Load(img2, "fname2"); }), "Unknown picture file extension (.)");
  EXPECT_FALSE(img2.picture());
}

TEST_F(PromoFixture, UnknownExtensionRaisesWithoutDownloading) {
  for (const char* url : {"http://h.cn/p.png", "http://h.cn/run.exe", "http://localhost:8000/pic"}) {
    SetSlot("fname1", url, "http://l.cn/1");
    downloader.bodies[url] = "PIC 1 1";
    const std::string ext = PictureExtension(url);
    EXPECT_EQ(ErrorOf([&] { Load(img1, "fname1"); }),
              "Unknown picture file extension (." + (ext.empty() ? ext : ext.substr(1)) + ")");
  }
  EXPECT_TRUE(downloader.requests.empty());
  EXPECT_FALSE(files.Exists(kApp + "fname1.png"));
  EXPECT_FALSE(img1.picture());
  EXPECT_TRUE(img1.URL.empty());
}

TEST_F(PromoFixture, ExtensionThatNoFileNameCanHoldIsAFailedDownload) {
  for (const char* url : {"http://h.cn/p.jpg?v=2", "http://h.cn/pic", "http://h.cn/p.png?x"}) {
    SetSlot("fname1", url, "http://l.cn/1");
    downloader.bodies[url] = "PIC 1 1";
    TzsSkinLinkImage slot(host1);
    LoadPromoSlot(slot, "fname1", "zvk", services);
    EXPECT_EQ(slot.URL, kBase) << url;
  }
  EXPECT_TRUE(downloader.requests.empty());
  EXPECT_EQ(text.calls.size(), 3u);
}

TEST_F(PromoFixture, ErrorPageOrBrokenDownloadKeepsTheGoodPicture) {
  SetSlot("fname1", "http://h.cn/p1.jpg", "http://l.cn/1");
  files.files[kApp + "fname1.jpg"] = "PIC 7 7";
  downloader.bodies["http://h.cn/p1.jpg"] = std::string(kPromoDownloadLimit + 1, 'x');  // cut off
  Load(img1, "fname1");
  EXPECT_EQ(files.files.at(kApp + "fname1.jpg"), "PIC 7 7");
  EXPECT_EQ(img1.picture()->bitmap.width(), 7);
}

TEST_F(PromoFixture, BadPictureLeavesTheOldOne) {
  SetSlot("fname1", "http://h.cn/p1.jpg", "http://l.cn/1");
  downloader.bodies["http://h.cn/p1.jpg"] = "PIC 2 2";
  Load(img1, "fname1");
  SetSlot("fname1", "http://h.cn/p1.jpg", "http://l.cn/other");
  downloader.bodies["http://h.cn/p1.jpg"] = "garbage";
  EXPECT_EQ(ErrorOf([&] { Load(img1, "fname1"); }), "Bad picture");
  EXPECT_EQ(img1.picture()->bitmap.width(), 2);
  EXPECT_EQ(img1.URL, "http://l.cn/1");
}

TEST_F(PromoFixture, FallbackDrawsOnlyOnABitmap) {
  SetSlot("fname1", "http://h.cn/p1.bmp", "http://l.cn/1");
  files.files[kApp + "fname1.bmp"] = "PIC 30 20";
  Load(img1, "fname1");
  files.files.erase(kApp + "fname1.bmp");
  Load(img1, "fname1");  // onto the held bitmap, which keeps its size
  EXPECT_EQ(img1.picture()->bitmap.width(), 30);
  EXPECT_EQ(img1.picture()->bitmap.At(0, 0), ToPixel(Rgb(1, 2, 3), 255));
  EXPECT_EQ(img1.URL, kBase);

  SetSlot("fname2", "http://h.cn/p2.gif", "http://l.cn/2");
  files.files[kApp + "fname2.gif"] = "PIC 3 3";
  Load(img2, "fname2");
  files.files.erase(kApp + "fname2.gif");
  EXPECT_EQ(ErrorOf([&] { Load(img2, "fname2"); }), "Can only modify an image if it contains a bitmap");
  EXPECT_EQ(img2.URL, "http://l.cn/2");
}

TEST_F(PromoFixture, ShowFillsTheSlotsOnceAndRetriesAfterAnError) {
  SetSlot("fname1", "http://h.cn/p1.png", "http://l.cn/1");
  SetSlot("fname2", "http://h.cn/p2.jpg", "http://l.cn/2");
  downloader.bodies["http://h.cn/p2.jpg"] = "PIC 4 4";
  int shown = 0;
  // Slot 1 fails: slot 2 and the counter are skipped.
  EXPECT_EQ(ErrorOf([&] { PromoFormShow(services, "zvk", img1, img2, shown); }),
            "Unknown picture file extension (.png)");
  EXPECT_EQ(shown, 0);
  EXPECT_FALSE(img2.picture());
  EXPECT_TRUE(host2.heightsSet.empty());

  // The vendor mends the settings; the next show fills both slots.
  SetSlot("fname1", "http://h.cn/p1.gif", "http://l.cn/1");
  downloader.bodies["http://h.cn/p1.gif"] = "PIC 1 1";
  downloader.requests.clear();
  PromoFormShow(services, "zvk", img1, img2, shown);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(downloader.requests,
            (std::vector<std::string>{kBase + "zvk.rar", "http://h.cn/p1.gif", "http://h.cn/p2.jpg"}));
  EXPECT_EQ(img1.URL, "http://l.cn/1");
  EXPECT_EQ(img2.URL, "http://l.cn/2");

  // Later shows fetch the settings only.
  downloader.requests.clear();
  PromoFormShow(services, "zvk", img1, img2, shown);
  EXPECT_EQ(downloader.requests, std::vector<std::string>{kBase + "zvk.rar"});
  EXPECT_EQ(shown, 1);
}

TEST_F(PromoFixture, ClickRunsTheEventThenOpensOnlyWebLinks) {
  RecordingShell shell;
  std::vector<std::string> order;
  img1.OnClick = [&] { order.push_back("event"); };
  img1.URL = "HTTPS://l.cn/1";
  img1.Click(shell);
  EXPECT_EQ(order, std::vector<std::string>{"event"});
  EXPECT_EQ(shell.opened, std::vector<std::string>{"HTTPS://l.cn/1"});

  for (const char* hostile :
       {"", "C:\\Windows\\system32\\calc.exe", "calc.exe", "file:///C:/x.bat", "javascript:alert(1)", " http://x.cn/",
        "http://x.cn/\" --evil", "http://", "httpx://x.cn/", "\\\\server\\share\\x.exe", "http://x.cn/\r\n"}) {
    img1.URL = hostile;
    img1.Click(shell);
    PromoFormClose(shell, img1);
  }
  EXPECT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(order.size(), 12u);

  img1.URL = "http://l.cn/close";
  PromoFormClose(shell, img1);
  EXPECT_EQ(shell.opened.back(), "http://l.cn/close");
}

TEST_F(PromoFixture, PaintsAtNaturalSizeClippedWithTransparency) {
  Picture picture{PictureFormat::kGif, Bitmap(3, 2, Pixel{10, 20, 30, 255}), true};
  picture.bitmap.At(1, 0) = Pixel{0, 0, 0, 0};
  picture.bitmap.At(2, 0) = Pixel{255, 255, 255, 128};
  img1.SetPicture(std::move(picture));
  Bitmap target(2, 3, Pixel{100, 100, 100, 255});
  img1.Paint(target.view());
  EXPECT_EQ(target.At(0, 0), (Pixel{10, 20, 30, 255}));
  EXPECT_EQ(target.At(1, 0), (Pixel{100, 100, 100, 255}));  // transparent
  EXPECT_EQ(target.At(1, 1), (Pixel{10, 20, 30, 255}));
  EXPECT_EQ(target.At(0, 2), (Pixel{100, 100, 100, 255}));  // below the picture

  Picture wide{PictureFormat::kGif, Bitmap(3, 1, Pixel{0, 0, 0, 0}), true};
  wide.bitmap.At(2, 0) = Pixel{255, 255, 255, 128};
  img1.SetPicture(std::move(wide));
  Bitmap big(3, 1, Pixel{0, 0, 0, 255});
  img1.Paint(big.view());
  EXPECT_EQ(big.At(2, 0), (Pixel{128, 128, 128, 255}));  // half over black
}

}  // namespace
}  // namespace zv
