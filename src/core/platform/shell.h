#pragma once
// Requests to the desktop shell. Failures are silent by design.
#include <string>

namespace zv {

class Shell {
 public:
  virtual ~Shell() = default;
  // Opens a document or URL (CP936 text) with its default verb.
  virtual void OpenUrl(const std::string& target) = 0;
  // Runs "explorer.exe" on the folder (a UTF-8 path, as the Files seam takes).
  virtual void OpenFolderInExplorer(const std::string& folder) = 0;
};

}  // namespace zv
