#include "cli/std_platform.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

#include "cli/cli_codec.h"
#include "core/base/error.h"
#include "core/base/path.h"

namespace fs = std::filesystem;

namespace zv {

namespace {

std::string Reason(const std::error_code& ec) { return ec ? ec.message() : "Unknown error"; }

// Paths are UTF-8; Windows needs them said so, elsewhere they are the
// system's bytes as they are.
#ifdef _WIN32
fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Of(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}
#else
fs::path PathOf(const std::string& utf8) { return fs::path(utf8); }
std::string Utf8Of(const fs::path& path) { return path.string(); }
#endif

std::string Shown(const std::string& path) { return Cp936ForDisplay(CliCodec(), path); }

// A fixed-length random name in the target's folder, so a target whose name
// is as long as the file system allows can still be written.
fs::path TemporaryPathBeside(const std::string& path) {
  static std::mt19937_64 source{std::random_device{}()};
  char name[24];
  std::snprintf(name, sizeof name, ".zv%012llx.tmp", static_cast<unsigned long long>(source() & 0xFFFFFFFFFFFFull));
  return PathOf(path).parent_path() / name;
}

}  // namespace

std::string StdFiles::ReadAll(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(PathOf(path), ec)) throw FileOpenError(Shown(path), "Access is denied");
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) throw FileOpenError(Shown(path), Reason(std::error_code(errno, std::generic_category())));
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw FileOpenError(Shown(path), "The file could not be read");
  return bytes;
}

void StdFiles::WriteAtomic(const std::string& path, std::string_view bytes) {
  const fs::path temp = TemporaryPathBeside(path);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw FileCreateError(Shown(path), Reason(std::error_code(errno, std::generic_category())));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temp, ignored);
      throw FileCreateError(Shown(path), "The file could not be written");
    }
  }
  std::error_code ec;
  fs::rename(temp, PathOf(path), ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw FileCreateError(Shown(path), Reason(ec));
  }
}

std::vector<std::string> StdFiles::ListFolder(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(PathOf(folder), ec), end; !ec && it != end; it.increment(ec)) {
    names.push_back(Utf8Of(it->path().filename()));
  }
  return names;
}

bool StdFiles::Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(PathOf(path), ec);
}

bool StdFiles::IsFolder(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(PathOf(path), ec);
}

bool StdFiles::CreateFolder(const std::string& path) {
  std::error_code ec;
  const bool created = fs::create_directories(PathOf(path), ec);
  if (ec) throw FileCreateError(Shown(path), Reason(ec));
  return created;
}

void StdFiles::RemoveEmptyFolder(const std::string& path) {
  std::error_code ec;
  fs::remove(PathOf(path), ec);  // only an empty folder goes
}

std::optional<std::uint64_t> StdClock::PerformanceCounter() {
#if defined(__x86_64__) || defined(__i386__)
  return __rdtsc();  // the generator reads it 801 times an article; the system clock costs several times more
#else
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
#endif
}

std::uint32_t StdClock::TickCount() {
  const auto ms =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
  return static_cast<std::uint32_t>(ms.count());
}

std::optional<std::uint64_t> SyntheticClock::PerformanceCounter() {
  const std::uint64_t reading = next_;
  next_ += step_;
  return reading;
}

std::uint32_t SyntheticClock::TickCount() { return static_cast<std::uint32_t>(next_); }

bool SyntheticClock::PerformanceCounters(std::span<std::uint64_t> readings) {
  for (auto& reading : readings) {
    reading = next_;
    next_ += step_;
  }
  return true;
}

std::string FolderWithSeparator(std::string folder) {
#ifdef _WIN32
  const bool ends = EndsInSeparator(folder);
#else
  const bool ends = folder.ends_with('/');
#endif
  if (!folder.empty() && !ends) folder += '/';
  return folder;
}

}  // namespace zv
