#include "core/app/promo_settings.h"

#include <gtest/gtest.h>

#include "core/app/promo_cipher.h"
#include "core/controls/link_image.h"
#include "fakes.h"
#include "app/promo_fakes.h"

namespace zv {
namespace {

using test::FakeDownloader;
using test::FakeFiles;

TEST(PromoSettings, BaseUrlIsAnAbsoluteWebAddressEndingInSlash) {
  EXPECT_TRUE(IsWebLink(PromoBaseUrl()));
  EXPECT_EQ(PromoBaseUrl().back(), '/');
}

TEST(PromoSettings, FetchWritesOnlyACompleteDownload) {
  FakeFiles files;
  FakeDownloader downloader;
  const std::string url = PromoBaseUrl() + "zvk.rar";
  downloader.bodies[url] = "[zvkpath]\r\nfname1=00\r\n";
  EXPECT_TRUE(FetchPromoSettings(downloader, files, "C:\\app\\", "zvk"));
  EXPECT_EQ(downloader.requests, std::vector<std::string>{url});
  EXPECT_EQ(files.files["C:\\app\\SetConfig.ini"], "[zvkpath]\r\nfname1=00\r\n");

  // An error page, a broken connection or an oversized body never replaces
  // the settings of the last good download.
  downloader.bodies.erase(url);
  EXPECT_FALSE(FetchPromoSettings(downloader, files, "C:\\app\\", "zvk"));
  downloader.bodies[url] = std::string(kPromoDownloadLimit + 1, 'x');
  EXPECT_FALSE(FetchPromoSettings(downloader, files, "C:\\app\\", "zvk"));
  EXPECT_EQ(files.files["C:\\app\\SetConfig.ini"], "[zvkpath]\r\nfname1=00\r\n");

  // A file that cannot be written is a failed download, not an error.
  downloader.bodies[url] = "new";
  files.unwritable.push_back("C:\\app\\SetConfig.ini");
  EXPECT_FALSE(FetchPromoSettings(downloader, files, "C:\\app\\", "zvk"));
}

TEST(PromoSettings, SettingsValueWritesScrambledAndReadsPlain) {
  FakeFiles files;
  const std::string app = "C:\\app\\";
  EXPECT_EQ(SettingsValue(files, app, "", kSettingsWrite, "zvkpath", "fname1", "http://a.cn/x.jpg"), "");
  // An empty path is config.ini in the program's folder.
  const std::string stored = files.files.at(app + "config.ini");
  EXPECT_EQ(stored, "[zvkpath]\r\nfname1=" + ScrambleValue("http://a.cn/x.jpg", kPromoStartKey) + "\r\n");
  EXPECT_EQ(SettingsValue(files, app, "", 0, "ZVKPATH", "FNAME1", "ignored"), "http://a.cn/x.jpg");
  EXPECT_EQ(SettingsValue(files, app, app + "config.ini", 2, "zvkpath", "fname1", ""), "http://a.cn/x.jpg");
  // Missing file, section or key: the empty text.
  EXPECT_EQ(SettingsValue(files, app, app + "none.ini", 0, "zvkpath", "fname1", ""), "");
  EXPECT_EQ(SettingsValue(files, app, "", 0, "zvklink", "fname1", ""), "");
  // A failed write raises.
  files.unwritable.push_back(app + "config.ini");
  EXPECT_THROW(SettingsValue(files, app, "", kSettingsWrite, "a", "b", "c"), Error);
}

}  // namespace
}  // namespace zv
