// The command line's preview text on Windows: GDI, as the program draws.
#include "cli/cell_text_renderer.h"
#include "win32/platform/gdi_text_renderer.h"

namespace zv {

std::unique_ptr<TextRenderer> MakeFontTextRenderer() { return std::make_unique<win::GdiTextRenderer>(); }

}  // namespace zv
