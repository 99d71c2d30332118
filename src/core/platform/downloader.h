#pragma once
// Synchronous URL downloads. Windows fetches with WinHTTP; tests use a fake.
#include <cstddef>
#include <optional>
#include <string>

namespace zv {

class Downloader {
 public:
  virtual ~Downloader() = default;
  // The body of a complete 2xx response of at most maxBytes bytes; nothing
  // for any other status, a broken connection, a longer body or a URL the
  // implementation cannot fetch. Never throws.
  virtual std::optional<std::string> Fetch(const std::string& url, std::size_t maxBytes) = 0;
};

}  // namespace zv
