#pragma once
// TzsResourceStrData: the skin engine's user-interface texts as "KEY=text"
// lines, created filled with English defaults.
#include <string>
#include <string_view>
#include <vector>

#include "core/skin/free_notifier.h"

namespace zv {

struct ResourceStringDefault {
  const char* key;
  const char* text;
};

// The 131 default lines, the skinned form's thirteen first.
const std::vector<ResourceStringDefault>& DefaultResourceStrings();

class TzsResourceStrData : public FreeNotifier {
 public:
  TzsResourceStrData();

  const std::vector<std::string>& ResStrings() const { return resStrings_; }
  void SetResStrings(std::vector<std::string> lines) { resStrings_ = std::move(lines); }
  int CharSet() const { return charSet_; }
  void SetCharSet(int value) { charSet_ = value; }

  // The text after the first "=" of the first line whose key matches `key`
  // regardless of ASCII case; "" when no line has it.
  std::string GetResString(std::string_view key) const;

 private:
  std::vector<std::string> resStrings_;
  int charSet_ = 1;  // DEFAULT_CHARSET
};

}  // namespace zv
