#pragma once
// Downloads over WinHTTP: one synchronous GET per call, redirects followed.
#include "core/platform/downloader.h"

namespace zv::win {

class WinHttpDownloader : public Downloader {
 public:
  std::optional<std::string> Fetch(const std::string& url, std::size_t maxBytes) override;
};

}  // namespace zv::win
