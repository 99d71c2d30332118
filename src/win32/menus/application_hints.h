#pragma once
// The application's hints on Windows: one TzsApplicationHints for the
// process, its timers on a message window, a hint placed below the cursor.
// Skinned controls and the skinned form's caption buttons report the mouse
// to it; a hint component added to it shows what they offer.
#include "core/menus/skin_hint.h"

namespace zv::win {

TzsApplicationHints& ApplicationHints();

}  // namespace zv::win
