#pragma once
// The skin author's check: what in a skin definition and its pictures will
// go wrong, found before a window shows it. Errors: the skin cannot work as
// meant; warnings: it works, but probably not as meant.
#include <optional>
#include <string>
#include <vector>

#include "core/base/bmp.h"

namespace zv {

enum class FindingLevel { kError, kWarning };

struct SkinFinding {
  FindingLevel level = FindingLevel::kError;
  std::string file;     // the definition or picture it is about
  std::string section;  // CP936, as the definition spells it; empty when none
  std::string key;
  int line = 0;  // of the definition; 0 when none
  std::string message;
};  // all text CP936

// A skin as the check sees it. A picture is nullopt when it is absent or
// could not be read (whoever read it reports why).
struct SkinUnderCheck {
  std::string definitionFile;  // how findings name the definition (CP936)
  std::string text;            // the definition text, CP936
  std::optional<BmpPicture> picture, inactivePicture, mask;
  std::vector<std::optional<BmpPicture>> activePictures;
  std::string pictureFolder;  // before a picture's name in findings: its folder, with separator (CP936)
};

std::vector<SkinFinding> CheckSkin(const SkinUnderCheck& skin);

bool HasErrors(const std::vector<SkinFinding>& findings);

// "error: FILE:LINE: [section] key: message".
std::string FindingText(const SkinFinding& finding);

}  // namespace zv
