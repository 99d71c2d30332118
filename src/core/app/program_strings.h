#pragma once
// The skin engine's texts as this program shows them: the engine's lines,
// those of the window's system menu and caption-button hints in Chinese
// (texts::kResourceTexts). The main form links them to its skin data; the
// command line previews the program's system menu with them.
#include "core/skin/resource_strings.h"

namespace zv {

TzsResourceStrData ProgramResourceStrings();

}  // namespace zv
