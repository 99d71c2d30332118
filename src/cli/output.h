#pragma once
// Standard output written straight through: each write reaches the reader at
// once and nothing piles up in memory, so a batch of any size streams.
#include <string_view>

namespace zv {

class Output {
 public:
  virtual ~Output() = default;
  // Writes every byte. False when the reader has gone (a closed pipe), so the
  // caller stops quietly; throws Error for any other failure (a full disk).
  virtual bool Write(std::string_view bytes) = 0;
};

// A file descriptor; standard output is 1 (switched to binary on Windows,
// so UTF-16 and line ends pass unchanged).
class FdOutput : public Output {
 public:
  explicit FdOutput(int fd);
  bool Write(std::string_view bytes) override;

 private:
  int fd_;
};

}  // namespace zv
