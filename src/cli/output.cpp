#include "cli/output.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "core/base/error.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif

namespace zv {

namespace {

// The platform's write, in pieces its count type holds.
long WriteSome(int fd, const char* data, std::size_t size) {
  constexpr std::size_t kMaxPiece = 1u << 30;
  const std::size_t piece = size < kMaxPiece ? size : kMaxPiece;
#ifdef _WIN32
  return _write(fd, data, static_cast<unsigned>(piece));
#else
  return static_cast<long>(write(fd, data, piece));
#endif
}

}  // namespace

FdOutput::FdOutput(int fd) : fd_(fd) {
#ifdef _WIN32
  _setmode(fd, _O_BINARY);
#endif
}

bool FdOutput::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const long n = WriteSome(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EPIPE) return false;
    if (n <= 0) throw Error(std::string("Unable to write to standard output: ") + std::strerror(n < 0 ? errno : EIO));
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace zv
