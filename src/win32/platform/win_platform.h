#pragma once
// The core's platform seams on Win32: wide file functions, the performance
// counter, the shell.
#include "core/platform/clock.h"
#include "core/platform/files.h"
#include "core/platform/shell.h"

namespace zv::win {

class WinFiles : public Files {
 public:
  std::string ReadAll(const std::string& path) override;
  void WriteAtomic(const std::string& path, std::string_view bytes) override;
  std::vector<std::string> ListFolder(const std::string& folder) override;
  bool Exists(const std::string& path) override;
  bool IsFolder(const std::string& path) override;
};

class WinClock : public Clock {
 public:
  std::optional<std::uint64_t> PerformanceCounter() override;
  std::uint32_t TickCount() override;
};

class WinShell : public Shell {
 public:
  void OpenUrl(const std::string& target) override;
  void OpenFolderInExplorer(const std::string& folder) override;
};

// The running executable's folder, ending in "\".
std::string ExecutableFolder();

// Whether the user asked for high-contrast colours.
bool SystemHighContrast();

}  // namespace zv::win
