#pragma once
// In-memory stand-ins for the platform seams.
#include <algorithm>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/base/error.h"
#include "core/platform/clock.h"
#include "core/platform/files.h"
#include "core/platform/text_codec.h"

namespace zv::test {

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
  bool Exists(const std::string& path) override { return files.count(path) != 0; }
};

// CP936 for ASCII and a handful of characters, enough to tell conversions
// apart: 中 文 誠 学 习 (学习 in GBK is also valid two-byte UTF-8).
class FakeCodec : public TextCodec {
 public:
  static constexpr std::pair<const char*, const char*> kTable[] = {{"\xD6\xD0", "\xE4\xB8\xAD"},
                                                                   {"\xCE\xC4", "\xE6\x96\x87"},
                                                                   {"\xD5\x5C", "\xE8\xAA\xA0"},
                                                                   {"\xD1\xA7", "\xE5\xAD\xA6"},
                                                                   {"\xCF\xB0", "\xE4\xB9\xA0"}};

  std::string Utf8FromCp936(std::string_view cp936) override {
    std::string out;
    for (std::size_t i = 0; i < cp936.size();) {
      if (static_cast<unsigned char>(cp936[i]) < 0x80) {
        out += cp936[i++];
        continue;
      }
      const std::string_view pair = cp936.substr(i, 2);
      out += "\xEF\xBF\xBD";  // U+FFFD unless the table knows the pair
      for (const auto& [gbk, utf8] : kTable) {
        if (pair == gbk) out.replace(out.size() - 3, 3, utf8);
      }
      i += 2;
    }
    return out;
  }
  std::optional<std::string> Cp936FromUtf8(std::string_view utf8) override {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
      if (static_cast<unsigned char>(utf8[i]) < 0x80) {
        out += utf8[i++];
        continue;
      }
      const auto known = std::find_if(std::begin(kTable), std::end(kTable),
                                      [&](const auto& entry) { return utf8.substr(i, 3) == entry.second; });
      if (known == std::end(kTable)) return std::nullopt;
      out += known->first;
      i += 3;
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
