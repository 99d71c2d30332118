// The promotion slots of the real main window against a real HTTP server on
// 127.0.0.1.
#include <windows.h>

#include <cstdlib>

#include "core/app/promo_settings.h"
#include "core/app/texts.h"
#include "example_pictures.h"
#include "win32/platform/dib_surface.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

const std::string kLink1 = "https://example.com/zorvane-pro";
const std::string kLink2 = "https://example.org/word-libraries";
const Pixel kWhite{255, 255, 255, 255};

template <std::size_t N>
std::string Bytes(const unsigned char (&bytes)[N]) {
  return std::string(reinterpret_cast<const char*>(bytes), N);
}

// A settings file written by the program's own writer, as the vendor makes it.
std::string SettingsFile(const std::string& picture1, const std::string& link1, const std::string& picture2,
                         const std::string& link2) {
  const ScratchFolder scratch;
  WinFiles files;
  const std::string path = scratch.path() + "zvk.rar";
  const struct {
    const char* section;
    const char* key;
    const std::string& value;
  } values[] = {{"zvkpath", "fname1", picture1}, {"zvkpath", "fname2", picture2},
                {"zvklink", "fname1", link1},    {"zvklink", "fname2", link2}};
  for (const auto& v : values) SettingsValue(files, scratch.path(), path, kSettingsWrite, v.section, v.key, v.value);
  return files.ReadAll(path);
}

// What the slot's window shows, read through WM_PRINTCLIENT.
Bitmap Rendered(const TzsSkinLinkImage& slot) {
  RECT client{};
  GetClientRect(slot.hwnd(), &client);
  DibSurface dib;
  dib.Resize({client.right, client.bottom});
  SendMessageW(slot.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dib.dc()), PRF_CLIENT);
  GdiFlush();
  Bitmap copy(client.right, client.bottom);
  for (int y = 0; y < client.bottom; ++y) {
    for (int x = 0; x < client.right; ++x) copy.At(x, y) = dib.view().At(x, y);
  }
  return copy;
}

bool Near(Pixel p, int r, int g, int b) {
  return std::abs(p.r - r) <= 8 && std::abs(p.g - g) <= 8 && std::abs(p.b - b) <= 8;
}

int CountNot(const Bitmap& bitmap, Pixel colour, const Rect& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const Pixel p = bitmap.At(x, y);
      if (p.r != colour.r || p.g != colour.g || p.b != colour.b) ++count;
    }
  }
  return count;
}

void Click(Control& control) {
  SendMessageW(control.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageW(control.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  PumpMessages();
}

class PromoTest : public MainWindowTest {
 protected:
  PromoTest() { folder.Write("data\\words.txt", "one\r\ntwo\r\n"); }

  void ServeExample(const std::string& picture1 = "banner1.jpg", const std::string& link1 = kLink1,
                    const std::string& picture2 = "banner2.gif", const std::string& link2 = kLink2) {
    settings = SettingsFile(server.baseUrl() + picture1, link1, server.baseUrl() + picture2, link2);
    server.Serve("zvk.rar", {200, settings});
    server.Serve("banner1.jpg", {200, Bytes(kBanner1Jpg)});
    server.Serve("banner2.gif", {200, Bytes(kBanner2Gif)});
  }

  // A later run of the program in the same folder.
  void Restart() {
    form.reset();
    PumpMessages();
    state = std::make_unique<AppState>(clock);
    Open();
  }

  void ShowAgain() {
    ShowWindow(form->hwnd(), SW_HIDE);
    form->Show();
    PumpMessages();
  }

  void ExpectExamplePictures() {
    ASSERT_TRUE(form->img1->core().picture().has_value());
    ASSERT_TRUE(form->img2->core().picture().has_value());
    EXPECT_EQ(form->img1->core().picture()->format, PictureFormat::kJpeg);
    EXPECT_EQ(form->img2->core().picture()->format, PictureFormat::kGif);
    EXPECT_EQ(form->img1->core().picture()->bitmap.width(), 225);
    EXPECT_EQ(form->img2->core().picture()->bitmap.height(), 48);
    // The colours of the example pictures, as the windows show them.
    const Bitmap shown1 = Rendered(*form->img1);
    const Bitmap shown2 = Rendered(*form->img2);
    EXPECT_TRUE(Near(shown1.At(5, 5), 54, 97, 152));
    EXPECT_TRUE(Near(shown1.At(100, 20), 246, 251, 245));
    EXPECT_TRUE(Near(shown2.At(5, 5), 45, 125, 70));
    EXPECT_TRUE(Near(shown2.At(100, 20), 255, 225, 77));
  }

  std::string settings;
};

TEST_F(PromoTest, NetworkUpShowsBothPicturesKeepsTheFilesAndClicksOpenTheLinks) {
  ServeExample();
  Open();
  EXPECT_TRUE(dialogs.errors.empty());
  ExpectExamplePictures();
  EXPECT_EQ(folder.Read("SetConfig.ini"), settings);
  EXPECT_EQ(folder.Read("fname1.jpg"), Bytes(kBanner1Jpg));
  EXPECT_EQ(folder.Read("fname2.gif"), Bytes(kBanner2Gif));
  EXPECT_EQ(form->ListBox1->Count(), 1);  // the scan ran after the slots
  EXPECT_EQ(state->gPromoShown, 1);

  // Slot 2 stays at the list's bottom, 48 high.
  RECT list{};
  GetClientRect(form->ListBox1->hwnd(), &list);
  EXPECT_EQ(WindowBounds(*form->img2), Rect::FromSize(0, list.bottom - 48, list.right, 48));

  const auto hand = reinterpret_cast<LONG_PTR>(LoadCursorW(nullptr, IDC_HAND));
  EXPECT_EQ(GetClassLongPtrW(form->img1->hwnd(), GCLP_HCURSOR), hand);
  Click(*form->img1);
  Click(*form->img2);
  EXPECT_EQ(shell.urls, (std::vector<std::string>{kLink1, kLink2}));

  // A second show fetches the settings again but not the pictures.
  ShowAgain();
  const auto requests = server.Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "zvk.rar"), 2);
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "banner1.jpg"), 1);

  form->Close();
  EXPECT_EQ(shell.urls, (std::vector<std::string>{kLink1, kLink2, kLink1}));
}

TEST_F(PromoTest, ServerGoneAfterAGoodRunShowsTheOldPicturesAndLinks) {
  ServeExample();
  Open();
  server.Stop();
  Restart();
  EXPECT_TRUE(dialogs.errors.empty());
  ExpectExamplePictures();
  EXPECT_EQ(folder.Read("SetConfig.ini"), settings);
  Click(*form->img2);
  EXPECT_EQ(shell.urls, std::vector<std::string>{kLink2});
}

TEST_F(PromoTest, FirstRunWithoutServerShowsTheFallbackTextLinkingTheBaseUrl) {
  const std::string baseUrl = server.baseUrl();
  server.Stop();
  Open();
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_EQ(form->ListBox1->Count(), 1);
  for (TzsSkinLinkImage* slot : {form->img1, form->img2}) {
    ASSERT_TRUE(slot->core().picture().has_value());
    EXPECT_EQ(slot->core().picture()->format, PictureFormat::kBitmap);
    EXPECT_EQ(slot->core().URL, baseUrl);
    // Dark text in the top-left corner of white, nothing right of the text.
    const Bitmap shown = Rendered(*slot);
    const Size textSize = text.Measure(FontSpec{}, texts::kPromoFallback);
    ASSERT_GT(textSize.width, 20);
    ASSERT_LT(textSize.width + 4, shown.width());
    EXPECT_GT(CountNot(shown, kWhite, {0, 0, textSize.width, textSize.height}), 20);
    EXPECT_EQ(CountNot(shown, kWhite, {textSize.width + 2, 0, shown.width(), shown.height()}), 0);
  }
  EXPECT_FALSE(folder.Exists("fname1"));
  EXPECT_FALSE(folder.Exists("SetConfig.ini"));
  Click(*form->img1);
  EXPECT_EQ(shell.urls, std::vector<std::string>{baseUrl});
}

TEST_F(PromoTest, PngPictureRaisesTheErrorAtEveryShowAndSkipsTheRest) {
  ServeExample("banner.png");
  server.Serve("banner.png", {200, "\x89PNG\r\n\x1a\n not decoded"});
  Open();
  EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Unknown picture file extension (.png)"});
  EXPECT_FALSE(form->img2->core().picture().has_value());  // slot 2 was never reached
  EXPECT_EQ(form->ListBox1->Count(), 0);                     // nor the library scan
  EXPECT_EQ(state->gPromoShown, 0);
  const auto requests = server.Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "banner.png"), 0);  // refused before fetching
  EXPECT_FALSE(folder.Exists("fname1.png"));

  ShowAgain();
  EXPECT_EQ(dialogs.errors.size(), 2u);
  EXPECT_EQ(form->ListBox1->Count(), 0);
  SendMessageW(form->btnScan->hwnd(), BM_CLICK, 0, 0);
  PumpMessages();
  EXPECT_EQ(form->ListBox1->Count(), 1);
}

TEST_F(PromoTest, NotFoundAndBrokenDownloadsReplaceNothing) {
  ServeExample();
  Open();
  const std::string jpeg = folder.Read("fname1.jpg");

  // Every file answers 404: the files of the good run stay.
  for (const char* path : {"zvk.rar", "banner1.jpg", "banner2.gif"}) server.Forget(path);
  Restart();
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_EQ(folder.Read("SetConfig.ini"), settings);
  EXPECT_EQ(folder.Read("fname1.jpg"), jpeg);
  ExpectExamplePictures();

  // Connections that break halfway: the same.
  server.Serve("zvk.rar", {200, SettingsFile("x", "y", "z", "w"), "", true});
  server.Serve("banner1.jpg", {200, Bytes(kBanner1Jpg), "", true});
  Restart();
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_EQ(folder.Read("SetConfig.ini"), settings);
  EXPECT_EQ(folder.Read("fname1.jpg"), jpeg);
  ExpectExamplePictures();

  // An error page with a 500 status: the same.
  server.Serve("zvk.rar", {500, "<html>oops</html>"});
  Restart();
  EXPECT_EQ(folder.Read("SetConfig.ini"), settings);
}

TEST_F(PromoTest, HostileLinksAndPictureNamesOpenAndFetchNothing) {
  ServeExample("banner1.jpg", "C:\\Windows\\System32\\calc.exe", "banner2.gif?v=2", "javascript:alert(1)");
  server.Serve("banner2.gif?v=2", {200, Bytes(kBanner2Gif)});
  Open();
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_EQ(form->img1->core().picture()->format, PictureFormat::kJpeg);
  // A query makes a name no file can have: a failed download, so the fallback.
  EXPECT_EQ(form->img2->core().picture()->format, PictureFormat::kBitmap);
  EXPECT_EQ(form->img2->core().URL, server.baseUrl());
  const auto requests = server.Requests();
  EXPECT_EQ(std::count(requests.begin(), requests.end(), "banner2.gif?v=2"), 0);

  form->img2->core().URL = "file:///C:/Windows/win.ini";
  Click(*form->img1);
  Click(*form->img2);
  form->Close();
  EXPECT_TRUE(shell.urls.empty());
}

}  // namespace
}  // namespace zv::win::test
