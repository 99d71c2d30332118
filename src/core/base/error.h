#pragma once
// The one exception family of the core. Messages are the system's own texts
// (CP936 bytes); the shell shows them through the default error display.
#include <stdexcept>
#include <string>

namespace zv {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// "Cannot open file "%s". %s"
class FileOpenError : public Error {
 public:
  FileOpenError(const std::string& path, const std::string& reason)
      : Error("Cannot open file \"" + path + "\". " + reason) {}
};

// "Cannot create file "%s". %s"
class FileCreateError : public Error {
 public:
  FileCreateError(const std::string& path, const std::string& reason)
      : Error("Cannot create file \"" + path + "\". " + reason) {}
};

// The default error display appends "." when the text's last character sorts
// after "." (so texts ending in "!" or "." are left alone).
std::string ErrorDisplayText(const std::string& message);

}  // namespace zv
