// The preview's text on Linux: FreeType faces found by fontconfig for the
// font's name, with a CJK face for characters the named face lacks.
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include <iconv.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "cli/cell_text_renderer.h"
#include "core/base/error.h"

namespace zv {

namespace {

// CP936 bytes as code points; undecodable bytes become "?".
std::u32string Decode(std::string_view cp936) {
  std::u32string out;
  iconv_t cd = iconv_open("UTF-32LE", "CP936");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    for (const char c : cp936) out += static_cast<unsigned char>(c) < 0x80 ? char32_t(c) : U'?';
    return out;
  }
  std::vector<char> buffer(cp936.size() * 4 + 8);
  char* in = const_cast<char*>(cp936.data());
  std::size_t inLeft = cp936.size();
  char* dst = buffer.data();
  std::size_t outLeft = buffer.size();
  while (inLeft > 0 && iconv(cd, &in, &inLeft, &dst, &outLeft) == static_cast<std::size_t>(-1)) {
    if (outLeft < 4) break;
    const char32_t q = U'?';
    std::memcpy(dst, &q, 4);
    dst += 4;
    outLeft -= 4;
    ++in;
    --inLeft;
  }
  iconv_close(cd);
  const std::size_t count = (buffer.size() - outLeft) / 4;
  out.resize(count);
  std::memcpy(out.data(), buffer.data(), count * 4);
  return out;
}

std::string MatchFile(const std::string& pattern) {
  FcPattern* p = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
  if (!p) return {};
  FcConfigSubstitute(nullptr, p, FcMatchPattern);
  FcDefaultSubstitute(p);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, p, &result);
  std::string file;
  FcChar8* path = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) file = reinterpret_cast<char*>(path);
  if (match) FcPatternDestroy(match);
  FcPatternDestroy(p);
  return file;
}

class FreeTypeTextRenderer : public TextRenderer {
 public:
  FreeTypeTextRenderer() {
    if (FT_Init_FreeType(&library_) != 0) throw Error("FreeType could not start");
    FcInit();
  }
  ~FreeTypeTextRenderer() override {
    for (auto& [key, face] : faces_) {
      if (face) FT_Done_Face(face);
    }
    FT_Done_FreeType(library_);
  }

  Size Measure(const FontSpec& font, std::string_view text) override {
    Size size{0, LineHeight(font)};
    for (const char32_t c : Decode(text)) size.width += Advance(font, c);
    return size;
  }

  void Draw(const BitmapView& target, const FontSpec& font, std::string_view text, Point origin,
            const Rect& clip) override {
    const Rect visible = clip.Intersect(target.bounds());
    const Pixel ink = ToPixel(font.color);
    int x = origin.x;
    const int baseline = origin.y + Ascent(font);
    for (const char32_t c : Decode(text)) {
      FT_Face face = FaceFor(font, c);
      if (!face || !LoadGlyph(face, font, c, true)) continue;
      const FT_Bitmap& b = face->glyph->bitmap;
      const int left = x + face->glyph->bitmap_left;
      const int top = baseline - face->glyph->bitmap_top;
      for (unsigned row = 0; row < b.rows; ++row) {
        for (unsigned col = 0; col < b.width; ++col) {
          const Point p{left + static_cast<int>(col), top + static_cast<int>(row)};
          if (!visible.Contains(p)) continue;
          const int cover = b.buffer[row * b.pitch + col];
          Pixel& d = target.At(p.x, p.y);
          d.b = static_cast<std::uint8_t>((ink.b * cover + d.b * (255 - cover)) / 255);
          d.g = static_cast<std::uint8_t>((ink.g * cover + d.g * (255 - cover)) / 255);
          d.r = static_cast<std::uint8_t>((ink.r * cover + d.r * (255 - cover)) / 255);
        }
      }
      x += static_cast<int>(face->glyph->advance.x >> 6);
    }
  }

 private:
  using FaceKey = std::pair<std::string, unsigned>;

  FT_Face Face(const std::string& name, unsigned style) {
    const FaceKey key{name, style & (kFontBold | kFontItalic)};
    if (auto it = faces_.find(key); it != faces_.end()) return it->second;
    std::string pattern = name;
    if (style & kFontBold) pattern += ":bold";
    if (style & kFontItalic) pattern += ":italic";
    FT_Face face = nullptr;
    const std::string file = MatchFile(pattern);
    if (file.empty() || FT_New_Face(library_, file.c_str(), 0, &face) != 0) face = nullptr;
    faces_[key] = face;
    return face;
  }
  FT_Face Primary(const FontSpec& font) { return Face(font.name, font.style); }
  FT_Face Cjk(const FontSpec& font) { return Face("WenQuanYi Micro Hei,Noto Sans CJK SC:lang=zh-cn", font.style); }

  FT_Face FaceFor(const FontSpec& font, char32_t c) {
    FT_Face face = Primary(font);
    if (face && FT_Get_Char_Index(face, c) != 0) return face;
    FT_Face cjk = Cjk(font);
    return cjk ? cjk : face;
  }

  // A positive height is the cell height, a negative one the em height.
  void SetSize(FT_Face face, const FontSpec& font) {
    const int h = std::clamp(font.height == 0 ? 13 : font.height, -1000, 1000);
    int em = h < 0 ? -h : h;
    if (h > 0 && face->units_per_EM > 0) {
      const int cell = face->ascender - face->descender;
      if (cell > 0) em = std::max(1, h * face->units_per_EM / cell);
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em));
  }

  bool LoadGlyph(FT_Face face, const FontSpec& font, char32_t c, bool render) {
    SetSize(face, font);
    if (FT_Load_Char(face, c, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT) != 0) return false;
    const bool synthBold = (font.style & kFontBold) && !(face->style_flags & FT_STYLE_FLAG_BOLD);
    if (synthBold) FT_GlyphSlot_Embolden(face->glyph);
    if (render && FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
    return face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY || !render;
  }

  int Advance(const FontSpec& font, char32_t c) {
    FT_Face face = FaceFor(font, c);
    if (!face || !LoadGlyph(face, font, c, false)) return 0;
    return static_cast<int>(face->glyph->advance.x >> 6);
  }

  int Ascent(const FontSpec& font) {
    FT_Face face = Primary(font);
    if (!face) face = Cjk(font);
    if (!face) return 0;
    SetSize(face, font);
    return static_cast<int>(face->size->metrics.ascender >> 6);
  }

  int LineHeight(const FontSpec& font) {
    FT_Face face = Primary(font);
    if (!face) face = Cjk(font);
    if (!face) return std::abs(font.height);
    SetSize(face, font);
    return static_cast<int>((face->size->metrics.ascender - face->size->metrics.descender) >> 6);
  }

  FT_Library library_ = nullptr;
  std::map<FaceKey, FT_Face> faces_;
};

}  // namespace

std::unique_ptr<TextRenderer> MakeFontTextRenderer() { return std::make_unique<FreeTypeTextRenderer>(); }

}  // namespace zv
