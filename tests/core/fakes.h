#pragma once
// In-memory stand-ins for the platform seams.
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/base/error.h"
#include "core/platform/clock.h"
#include "core/platform/files.h"
#include "core/platform/text_codec.h"

namespace zv::test {

// The message of the zv::Error `action` throws, or "(no error)".
inline std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.what();
  }
  return "(no error)";
}

class FakeFiles : public Files {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, std::vector<std::string>> folders;  // listing order
  std::vector<std::string> unwritable;                      // paths whose creation fails

  std::string ReadAll(const std::string& path) override {
    const auto it = files.find(path);
    if (it == files.end()) throw FileOpenError(path, "The system cannot find the file specified");
    return it->second;
  }
  void WriteAtomic(const std::string& path, std::string_view bytes) override {
    for (const auto& bad : unwritable) {
      if (bad == path) throw FileCreateError(path, "Access is denied");
    }
    files[path] = std::string(bytes);
  }
  std::vector<std::string> ListFolder(const std::string& folder) override {
    const auto it = folders.find(folder);
    return it == folders.end() ? std::vector<std::string>{} : it->second;
  }
  bool Exists(const std::string& path) override { return files.count(path) != 0 || IsFolder(path); }
  bool IsFolder(const std::string& path) override { return folders.count(path) != 0; }
};

// CP936 for ASCII and a handful of characters, enough to tell conversions
// apart: 中 文 誠 学 习 (学习 in GBK is also valid two-byte UTF-8).
class FakeCodec : public TextCodec {
 public:
  std::string Utf8FromCp936(std::string_view cp936) override { return *Convert(cp936, 0); }
  std::optional<std::string> Cp936FromUtf8(std::string_view utf8) override { return Convert(utf8, 1); }

 private:
  static constexpr std::string_view kTable[][2] = {{"\xD6\xD0", "\xE4\xB8\xAD"},
                                                   {"\xCE\xC4", "\xE6\x96\x87"},
                                                   {"\xD5\x5C", "\xE8\xAA\xA0"},
                                                   {"\xD1\xA7", "\xE5\xAD\xA6"},
                                                   {"\xCF\xB0", "\xE4\xB9\xA0"}};
  // Column `from` of the table to the other; an unknown CP936 byte decodes
  // as U+FFFD, an unknown UTF-8 character fails.
  static std::optional<std::string> Convert(std::string_view text, int from) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
      const auto known = std::find_if(std::begin(kTable), std::end(kTable),
                                      [&](const auto& entry) { return text.substr(i).starts_with(entry[from]); });
      if (static_cast<unsigned char>(text[i]) < 0x80) {
        out += text[i++];
      } else if (known != std::end(kTable)) {
        out += (*known)[1 - from];
        i += (*known)[from].size();
      } else if (from == 0) {
        out += "\xEF\xBF\xBD";
        ++i;
      } else {
        return std::nullopt;
      }
    }
    return out;
  }
};

// Counter readings start, start+step, ...; or no counter and a fixed tick.
class FakeClock : public Clock {
 public:
  bool hasCounter = true;
  std::uint64_t next = 0;
  std::uint64_t step = 1;
  std::uint32_t tick = 0;
  int readings = 0;

  std::optional<std::uint64_t> PerformanceCounter() override {
    ++readings;
    if (!hasCounter) return std::nullopt;
    const auto value = next;
    next += step;
    return value;
  }
  std::uint32_t TickCount() override { return tick; }
};

}  // namespace zv::test
