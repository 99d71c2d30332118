#pragma once
// zorvane-cli skin check: every finding of the skin check for a skin folder,
// its skin.ini, a skin file or the embedded skin.
#include <string>
#include <vector>

#include "core/platform/files.h"
#include "core/skin/check/skin_check.h"

namespace zv {

// The findings for `source`, errors first. A skin file's definition is
// named "skin.ini in FILE".
std::vector<SkinFinding> CheckSkinSource(Files& files, const std::string& source);

// One finding a line ("error: FILE:LINE: [section] key: message"), or with
// `json` a JSON list of objects with level, file, section, key, line and
// message; terminal-safe UTF-8 either way.
std::string FindingsText(const std::vector<SkinFinding>& findings, bool json);

// args after "check": SOURCE [--json]. Prints the findings; 0 without
// errors, 1 with.
int RunSkinCheck(Files& files, const std::vector<std::string>& args, std::string& out);

}  // namespace zv
