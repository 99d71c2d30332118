// WinHTTP downloads against a real HTTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include "core/app/promo_settings.h"
#include "win32/win32_fixture.h"

namespace zv::win::test {
namespace {

TEST(WinHttpDownloader, ReturnsOnlyCompleteSuccessfulBodiesWithinTheLimit) {
  LoopbackServer server;
  std::string big(100000, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);
  server.Serve("big.bin", {200, big});
  server.Serve("empty", {204, ""});
  server.Serve("error", {500, "<html>error page</html>"});
  server.Serve("broken", {200, big, "", true});
  server.Serve("moved", {302, "", server.baseUrl() + "big.bin"});
  WinHttpDownloader downloader;
  const std::string base = server.baseUrl();

  EXPECT_EQ(downloader.Fetch(base + "big.bin", big.size()), big);  // exactly at the limit
  EXPECT_EQ(downloader.Fetch(base + "big.bin", big.size() - 1), std::nullopt);
  EXPECT_EQ(downloader.Fetch(base + "empty", 10), std::string());
  EXPECT_EQ(downloader.Fetch(base + "error", 1000), std::nullopt);
  EXPECT_EQ(downloader.Fetch(base + "missing", 1000), std::nullopt);
  EXPECT_EQ(downloader.Fetch(base + "broken", 1 << 20), std::nullopt);
  EXPECT_EQ(downloader.Fetch(base + "moved", 1 << 20), big);  // redirects are followed
}

TEST(WinHttpDownloader, FailsQuietlyForServersThatAreGoneAndForOtherSchemes) {
  LoopbackServer server;
  server.Serve("a.txt", {200, "hello"});
  const std::string url = server.baseUrl() + "a.txt";
  WinHttpDownloader downloader;
  EXPECT_EQ(downloader.Fetch(url, 100), "hello");
  server.Stop();
  EXPECT_EQ(downloader.Fetch(url, 100), std::nullopt);
  for (const char* other : {"file:///C:/windows/win.ini", "ftp://127.0.0.1/a.txt", "not a url", "", "http://"}) {
    EXPECT_EQ(downloader.Fetch(other, 100), std::nullopt) << other;
  }
}

TEST(WinHttpDownloader, GivesUpOnAServerThatDripsPastTheDeadline) {
  LoopbackServer server;
  const std::string settings = "[zvkpath]\r\nfname1=00\r\n";
  LoopbackServer::Response drip{200, settings};
  drip.dripMs = 1000;
  server.Serve("zvk.rar", drip);
  server.Serve("prompt.rar", {200, settings});
  WinHttpDownloader downloader(std::chrono::milliseconds(1500));
  EXPECT_EQ(downloader.Fetch(server.baseUrl() + "prompt.rar", 1000), settings);

  // The settings file keeps its last complete download.
  ScratchFolder folder;
  WinFiles files;
  folder.Write("SetConfig.ini", "[zvkpath]");
  EXPECT_FALSE(DownloadToFile(downloader, files, server.baseUrl() + "zvk.rar", folder.path() + "SetConfig.ini"));
  EXPECT_EQ(folder.Read("SetConfig.ini"), "[zvkpath]");
}

}  // namespace
}  // namespace zv::win::test
