#pragma once
// What the core asks of the file system. Paths are UTF-8, so a name may hold
// any character; error messages show them in CP936 (Cp936ForDisplay).
#include <string>
#include <string_view>
#include <vector>

namespace zv {

class Files {
 public:
  virtual ~Files() = default;
  // The whole file. Throws FileOpenError with the system's reason.
  virtual std::string ReadAll(const std::string& path) = 0;
  // Writes a temporary file beside `path`, then puts it in its place, so a
  // failure leaves any existing file untouched. Throws FileCreateError.
  virtual void WriteAtomic(const std::string& path, std::string_view bytes) = 0;
  // The names of every entry of a folder (files, folders, hidden or not), in
  // the file system's enumeration order; empty when the folder is missing.
  // Windows lists with the wide functions, so no name is lost to CP936.
  virtual std::vector<std::string> ListFolder(const std::string& folder) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual bool IsFolder(const std::string& path) = 0;
};

}  // namespace zv
