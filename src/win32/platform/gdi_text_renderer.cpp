#include "win32/platform/gdi_text_renderer.h"

#include "core/status/colour.h"
#include "win32/platform/readable_font.h"
#include "win32/platform/text.h"

namespace zv::win {

HFONT GdiTextRenderer::FontFor(const FontSpec& font) {
  const FontKey key{font.name, font.height, font.style};
  auto it = fonts_.find(key);
  if (it == fonts_.end()) {
    const std::wstring face = Wide(font.name).substr(0, LF_FACESIZE - 1);
    LOGFONTW wanted{};
    wanted.lfHeight = font.height;
    wanted.lfWeight = (font.style & kFontBold) ? FW_BOLD : FW_NORMAL;
    wanted.lfItalic = (font.style & kFontItalic) != 0;
    wanted.lfUnderline = (font.style & kFontUnderline) != 0;
    wanted.lfStrikeOut = (font.style & kFontStrikeOut) != 0;
    wanted.lfCharSet = GB2312_CHARSET;
    wanted.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    face.copy(wanted.lfFaceName, face.size());
    it = fonts_.emplace(key, CreateReadableFont(wanted)).first;
  }
  return it->second ? it->second.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

Size GdiTextRenderer::Measure(const FontSpec& font, std::string_view text) {
  const std::wstring wide = Wide(text);
  ScopedSelect select(scratch_.dc(), FontFor(font));
  SIZE extent{};
  if (!GetTextExtentPoint32W(scratch_.dc(), wide.c_str(), static_cast<int>(wide.size()), &extent)) return {};
  return {extent.cx, extent.cy};
}

void GdiTextRenderer::Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
                           const Rect& clip) {
  const std::wstring wide = Wide(text);
  if (wide.empty()) return;
  HFONT gdiFont = FontFor(font);
  DrawWithGdi(scratch_, target, clip, [&](HDC dc, Point at) {
    ScopedSelect select(dc, gdiFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, font.color);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    const Rect local = clip.Intersect(target.bounds()).Offset(-at.x, -at.y);
    const RECT r{local.left, local.top, local.right, local.bottom};
    ExtTextOutW(dc, origin.x - at.x, origin.y - at.y, ETO_CLIPPED, &r, wide.c_str(), static_cast<UINT>(wide.size()),
                nullptr);
  });
}

FontSpec FontSpecOf(HFONT font) {
  LOGFONTW logFont{};
  FontSpec fontSpec;
  fontSpec.color = clWindowText;
  if (!GetObjectW(font, sizeof logFont, &logFont)) return fontSpec;
  fontSpec.name = Narrow(logFont.lfFaceName);
  fontSpec.height = logFont.lfHeight;
  fontSpec.style = (logFont.lfWeight >= FW_BOLD ? kFontBold : 0u) | (logFont.lfItalic ? kFontItalic : 0u) |
                   (logFont.lfUnderline ? kFontUnderline : 0u) | (logFont.lfStrikeOut ? kFontStrikeOut : 0u);
  return fontSpec;
}

}  // namespace zv::win
