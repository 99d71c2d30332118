#pragma once
// In-memory stand-ins for the platform seams.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/base/error.h"
#include "core/platform/clock.h"
#include "core/platform/files.h"

namespace zv::test {

class FakeFiles : public Files {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, std::vector<std::string>> folders;  // listing order
  std::vector<std::string> unwritable;                       // paths whose creation fails

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
