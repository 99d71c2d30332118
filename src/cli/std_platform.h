#pragma once
// The core's platform seams on the standard library, for the command line.
#include <cstdint>

#include "core/platform/clock.h"
#include "core/platform/files.h"

namespace zv {

// `folder` ending in a separator: "\" or "/" on Windows, "/" elsewhere.
std::string FolderWithSeparator(std::string folder);

class StdFiles : public Files {
 public:
  std::string ReadAll(const std::string& path) override;
  void WriteAtomic(const std::string& path, std::string_view bytes) override;
  std::vector<std::string> ListFolder(const std::string& folder) override;
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
  // Creates the folder and any missing parents; true when it did not exist.
  // Throws FileCreateError when it cannot be made.
  bool CreateFolder(const std::string& path);
  void RemoveEmptyFolder(const std::string& path);
};

class StdClock : public Clock {
 public:
  std::optional<std::uint64_t> PerformanceCounter() override;
  std::uint32_t TickCount() override;
};

// Reads START, START+STEP, START+2*STEP, ...: reproducible articles.
class SyntheticClock : public Clock {
 public:
  SyntheticClock(std::uint64_t start, std::uint64_t step) : next_(start), step_(step) {}
  std::optional<std::uint64_t> PerformanceCounter() override;
  std::uint32_t TickCount() override;
  bool PerformanceCounters(std::span<std::uint64_t> readings) override;

 private:
  std::uint64_t next_;
  std::uint64_t step_;
};

}  // namespace zv
