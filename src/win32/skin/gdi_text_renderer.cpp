#include "win32/skin/gdi_text_renderer.h"

#include <windows.h>

#include "win32/platform/text.h"

namespace zv::win {
namespace {

HFONT MakeFont(const FontSpec& font) {
  return CreateFontW(font.height, 0, 0, 0, (font.style & kFontBold) ? FW_BOLD : FW_NORMAL,
                     (font.style & kFontItalic) ? TRUE : FALSE, (font.style & kFontUnderline) ? TRUE : FALSE,
                     (font.style & kFontStrikeOut) ? TRUE : FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, Wide(font.name).c_str());
}

// A memory DC with the font selected, undone on scope exit.
class FontDc {
 public:
  explicit FontDc(const FontSpec& font) : dc_(CreateCompatibleDC(nullptr)), font_(MakeFont(font)) {
    old_ = SelectObject(dc_, font_);
  }
  ~FontDc() {
    SelectObject(dc_, old_);
    DeleteObject(font_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ old_;
};

}  // namespace

Size GdiTextRenderer::Measure(const FontSpec& font, std::string_view text) {
  FontDc dc(font);
  const std::wstring wide = Wide(std::string(text));
  SIZE size{};
  GetTextExtentPoint32W(dc.dc(), wide.c_str(), static_cast<int>(wide.size()), &size);
  if (wide.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.dc(), &metrics);
    size.cy = metrics.tmHeight;
  }
  return {size.cx, size.cy};
}

void GdiTextRenderer::Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
                           const Rect& clip) {
  const Rect area = clip.Intersect(target.bounds());
  if (area.IsEmpty() || text.empty()) return;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), area.Width(), -area.Height(), 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return;
  const BitmapView scratch(static_cast<Pixel*>(bits), area.Width(), area.Height(), area.Width());
  for (int y = 0; y < area.Height(); ++y) {
    std::copy_n(target.Row(area.top + y) + area.left, area.Width(), scratch.Row(y));
  }
  {
    FontDc dc(font);
    HGDIOBJ oldBitmap = SelectObject(dc.dc(), dib);
    SetBkMode(dc.dc(), TRANSPARENT);
    SetTextColor(dc.dc(), font.color);
    const std::wstring wide = Wide(std::string(text));
    TextOutW(dc.dc(), origin.x - area.left, origin.y - area.top, wide.c_str(), static_cast<int>(wide.size()));
    GdiFlush();
    SelectObject(dc.dc(), oldBitmap);
  }
  for (int y = 0; y < area.Height(); ++y) {
    std::copy_n(scratch.Row(y), area.Width(), target.Row(area.top + y) + area.left);
  }
  DeleteObject(dib);
}

}  // namespace zv::win
