#pragma once
// Downloads over WinHTTP: one GET per call, redirects followed. The call
// blocks until the body is complete or the deadline has passed, whatever
// pace the server keeps.
#include <chrono>

#include "core/platform/downloader.h"

namespace zv::win {

class WinHttpDownloader : public Downloader {
 public:
  // The window waits on every download, so each one gets only a few seconds.
  static constexpr std::chrono::milliseconds kDefaultDeadline{5000};

  explicit WinHttpDownloader(std::chrono::milliseconds deadline = kDefaultDeadline) : deadline_(deadline) {}
  std::optional<std::string> Fetch(const std::string& url, std::size_t maxBytes) override;

 private:
  std::chrono::milliseconds deadline_;
};

}  // namespace zv::win
