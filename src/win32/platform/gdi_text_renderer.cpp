#include "win32/platform/gdi_text_renderer.h"

#include <algorithm>

#include "win32/platform/dib_section.h"
#include "win32/platform/handles.h"
#include "win32/platform/text.h"

namespace zv::win {

namespace {

// The GB2312 character set lets the font mapper pick a face with the Chinese
// glyphs whatever face is named.
Font MakeFont(const FontSpec& fontSpec) {
  return Font(CreateFontW(fontSpec.height, 0, 0, 0, (fontSpec.style & kFontBold) ? FW_BOLD : FW_NORMAL,
                          (fontSpec.style & kFontItalic) != 0, (fontSpec.style & kFontUnderline) != 0,
                          (fontSpec.style & kFontStrikeOut) != 0, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Wide(fontSpec.name).c_str()));
}

void CopyPixels(const BitmapView& from, Point fromOrigin, const BitmapView& to, Point toOrigin, Size size,
                bool keepAlpha) {
  for (int y = 0; y < size.height; ++y) {
    const Pixel* source = from.Row(fromOrigin.y + y) + fromOrigin.x;
    Pixel* target = to.Row(toOrigin.y + y) + toOrigin.x;
    for (int x = 0; x < size.width; ++x) {
      const std::uint8_t alpha = keepAlpha ? target[x].a : source[x].a;
      target[x] = {source[x].b, source[x].g, source[x].r, alpha};
    }
  }
}

}  // namespace

Size GdiTextRenderer::Measure(const FontSpec& fontSpec, std::string_view text) {
  const std::wstring wide = Wide(text);
  MemoryDc dc(CreateCompatibleDC(nullptr));
  const Font font = MakeFont(fontSpec);
  if (!dc || !font) return {};
  ScopedSelect select(dc.get(), font.get());
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, size.cy};
}

void GdiTextRenderer::Draw(const BitmapView& target, const FontSpec& fontSpec, std::string_view text, Point origin,
                           const Rect& clip) {
  const Rect area = clip.Intersect(target.bounds());
  if (area.IsEmpty() || text.empty()) return;
  DibSection dib(area.Width(), area.Height());
  const Size size{area.Width(), area.Height()};
  CopyPixels(target, {area.left, area.top}, dib.view(), {0, 0}, size, false);

  const Font font = MakeFont(fontSpec);
  ScopedSelect select(dib.dc(), font.get());
  SetBkMode(dib.dc(), TRANSPARENT);
  SetTextColor(dib.dc(), fontSpec.color);
  const std::wstring wide = Wide(text);
  TextOutW(dib.dc(), origin.x - area.left, origin.y - area.top, wide.c_str(), static_cast<int>(wide.size()));
  GdiFlush();
  CopyPixels(dib.view(), {0, 0}, target, {area.left, area.top}, size, true);
}

}  // namespace zv::win
