// Draws the pictures of the default skin (skins/default) in a light blue
// look: the window frame and its mask, the caption buttons, the hint and
// popup frames with their masks, the menu items, the control looks and the
// MDI background. Run by hand after a change; the BMPs it writes are
// committed beside skin.ini, whose rectangles they follow.
//   skinart OUTDIR
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "core/base/bmp.h"

namespace {

using zv::Bitmap;
using zv::BmpPicture;
using zv::Pixel;
using zv::Rect;

struct Rgb {
  int r, g, b;
};

// The family of the skin colours.
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kFace{0xE3, 0xED, 0xFD};       // SKINCOLORS cbtnface
constexpr Rgb kShadow{0xAA, 0xBF, 0xDB};     // cbtnshadow
constexpr Rgb kHighlight{0x50, 0x8F, 0xD0};  // chighlight
constexpr Rgb kDeep{0x3E, 0x6A, 0xAA};       // the active caption text
constexpr Rgb kPale{0xF4, 0xF8, 0xFF};
constexpr Rgb kSky{0xB9, 0xD3, 0xF3};
constexpr Rgb kOutline{0x5C, 0x84, 0xBC};

Pixel ToPixel(Rgb c) { return {static_cast<std::uint8_t>(c.b), static_cast<std::uint8_t>(c.g),
                               static_cast<std::uint8_t>(c.r), 0}; }

Rgb Mix(Rgb a, Rgb b, double t) {
  auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill) : bmp_(width, height, ToPixel(fill)) {}
  Bitmap& bitmap() { return bmp_; }

  void Put(int x, int y, Rgb c) {
    if (x >= 0 && y >= 0 && x < bmp_.width() && y < bmp_.height()) bmp_.At(x, y) = ToPixel(c);
  }
  Rgb Get(int x, int y) const {
    const Pixel p = bmp_.At(x, y);
    return {p.r, p.g, p.b};
  }
  void Fill(Rect r, Rgb c) { Gradient(r, c, c); }
  // Top colour to bottom colour.
  void Gradient(Rect r, Rgb top, Rgb bottom) {
    for (int y = r.top; y < r.bottom; ++y) {
      const double t = r.bottom - r.top > 1 ? double(y - r.top) / (r.bottom - r.top - 1) : 0;
      for (int x = r.left; x < r.right; ++x) Put(x, y, Mix(top, bottom, t));
    }
  }
  // A rounded rectangle with soft edges: a `line` coloured outline and a
  // gradient inside.
  void RoundBox(Rect r, double radius, Rgb line, Rgb top, Rgb bottom) {
    for (int y = r.top; y < r.bottom; ++y) {
      const double t = r.bottom - r.top > 1 ? double(y - r.top) / (r.bottom - r.top - 1) : 0;
      for (int x = r.left; x < r.right; ++x) {
        const double d = Distance(r, radius, x + 0.5, y + 0.5);
        if (d > 0.5) continue;
        const double outer = std::clamp(0.5 - d, 0.0, 1.0);
        const double inner = std::clamp(-0.5 - d, 0.0, 1.0);
        const Rgb body = Mix(line, Mix(top, bottom, t), inner);
        Put(x, y, Mix(Get(x, y), body, outer));
      }
    }
  }
  void HLine(int x0, int x1, int y, Rgb c) {
    for (int x = x0; x < x1; ++x) Put(x, y, c);
  }
  void VLine(int x, int y0, int y1, Rgb c) {
    for (int y = y0; y < y1; ++y) Put(x, y, c);
  }
  void Frame(Rect r, Rgb c) {
    HLine(r.left, r.right, r.top, c);
    HLine(r.left, r.right, r.bottom - 1, c);
    VLine(r.left, r.top, r.bottom, c);
    VLine(r.right - 1, r.top, r.bottom, c);
  }

  // Signed distance from the edge of a rounded rectangle (negative inside).
  static double Distance(Rect r, double radius, double x, double y) {
    const double cx = std::clamp(x, r.left + radius, r.right - radius);
    const double cy = std::clamp(y, r.top + radius, r.bottom - radius);
    const double inside = std::max(std::min({x - r.left, r.right - x, y - r.top, r.bottom - y}), 0.0);
    if (x == cx || y == cy) return -inside;
    return std::hypot(x - cx, y - cy) - radius;
  }

 private:
  Bitmap bmp_;
};

// ---- pictures --------------------------------------------------------------

// The main picture: caption band above, 4-pixel borders, client piece
// 4,27,281,206; the corners outside the rounded shape are cut by the mask.
Bitmap MainPicture() {
  Canvas c(285, 210, kWhite);
  c.RoundBox({0, 0, 285, 210}, 7, kOutline, Mix(kSky, kHighlight, 0.1), Mix(kSky, kHighlight, 0.3));
  c.Gradient({3, 2, 282, 14}, kPale, Mix(kPale, kSky, 0.5));  // caption band, glossy upper half
  c.Gradient({2, 14, 283, 26}, Mix(kSky, kPale, 0.2), Mix(kSky, kHighlight, 0.25));
  c.HLine(8, 277, 2, kWhite);
  c.Fill({4, 27, 281, 206}, kFace);  // the client piece
  c.Frame({3, 26, 282, 207}, kShadow);
  return c.bitmap();
}

// Black inside the window, white outside: rounded corners of radius 7.
Bitmap MaskPicture(int width, int height, double radius) {
  Canvas c(width, height, kWhite);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (Canvas::Distance({0, 0, width, height}, radius, x + 0.5, y + 0.5) <= 0.0) c.Put(x, y, {0, 0, 0});
    }
  }
  return c.bitmap();
}

enum class Glyph { kClose, kMaximize, kRestore, kMinimize, kRollUp, kRollDown, kTray };

void DrawGlyph(Canvas& c, Rect box, Glyph glyph, Rgb ink) {
  const int l = box.left + 6, t = box.top + 6, r = box.right - 6, b = box.bottom - 6;  // 9 x 9
  switch (glyph) {
    case Glyph::kClose:
      for (int i = 0; i < r - l; ++i) {
        for (int w = 0; w < 2; ++w) {
          c.Put(l + i + w, t + i, ink);
          c.Put(r - 1 - i - w, t + i, ink);
        }
      }
      break;
    case Glyph::kMaximize:
      c.Frame({l, t, r, b}, ink);
      c.HLine(l, r, t + 1, ink);
      break;
    case Glyph::kRestore:
      c.Frame({l + 3, t, r, b - 3}, ink);
      c.Fill({l, t + 3, r - 3, b}, Mix(ink, kWhite, 1.0));
      c.Frame({l, t + 3, r - 3, b}, ink);
      c.HLine(l, r - 3, t + 4, ink);
      break;
    case Glyph::kMinimize:
      c.Fill({l + 1, b - 2, r - 1, b}, ink);
      break;
    case Glyph::kRollUp:
    case Glyph::kRollDown:
      for (int i = 0; i < 5; ++i) {
        const int y = glyph == Glyph::kRollUp ? b - 2 - i : t + 2 + i;
        c.HLine(l + i, r - i, y, ink);
      }
      break;
    case Glyph::kTray:
      c.Frame({l, t, r, b}, Mix(ink, kWhite, 0.5));
      c.Fill({r - 5, b - 4, r - 1, b - 1}, ink);
      break;
  }
}

// Caption buttons: each row holds the active look at x 3, the pressed look
// at x 27 and the normal look at x 50, 21 by 21 pixels.
Bitmap CaptionButtons() {
  Canvas c(74, 200, kSky);
  c.Gradient({0, 0, 74, 200}, kPale, kSky);
  struct Row {
    int top;
    Glyph glyph;
    bool danger;
  };
  const Row rows[] = {{2, Glyph::kClose, true},     {25, Glyph::kMaximize, false}, {48, Glyph::kRestore, false},
                      {71, Glyph::kMinimize, false}, {94, Glyph::kTray, false},     {117, Glyph::kRollUp, false},
                      {140, Glyph::kRollDown, false}};
  for (const Row& row : rows) {
    const Rgb hot = row.danger ? Rgb{0xE0, 0x5A, 0x4E} : kHighlight;
    const Rect active = Rect::FromSize(3, row.top, 21, 21);
    const Rect down = Rect::FromSize(27, row.top, 21, 21);
    const Rect normal = Rect::FromSize(50, row.top, 21, 21);
    // Normal: the caption band shows through a faint outline.
    c.Gradient(normal, Mix(kPale, kSky, 0.2), Mix(kSky, kHighlight, 0.15));
    c.RoundBox(normal, 4, Mix(kShadow, kOutline, 0.3), Mix(kPale, kSky, 0.1), Mix(kSky, kPale, 0.2));
    DrawGlyph(c, normal, row.glyph, kDeep);
    c.Gradient(active, Mix(kPale, kSky, 0.2), Mix(kSky, kHighlight, 0.15));
    c.RoundBox(active, 4, Mix(hot, kDeep, 0.3), Mix(hot, kWhite, 0.45), hot);
    DrawGlyph(c, active, row.glyph, kWhite);
    c.Gradient(down, Mix(kPale, kSky, 0.2), Mix(kSky, kHighlight, 0.15));
    c.RoundBox(down, 4, kDeep, Mix(hot, kDeep, 0.5), Mix(hot, kWhite, 0.1));
    DrawGlyph(c, down.Offset(1, 1), row.glyph, kWhite);
  }
  // System-menu button, 14 by 12: a small page with lines, as the icon.
  const Rect sys[] = {Rect::FromSize(6, 186, 14, 12), Rect::FromSize(21, 186, 14, 12),
                      Rect::FromSize(36, 186, 14, 12)};
  const Rgb fills[] = {Mix(kHighlight, kWhite, 0.3), kHighlight, kDeep};
  for (int i = 0; i < 3; ++i) {
    c.Gradient(sys[i], kPale, kSky);
    c.RoundBox(sys[i], 3, kDeep, Mix(fills[i], kWhite, 0.3), fills[i]);
    for (int line = 0; line < 3; ++line) c.HLine(sys[i].left + 3, sys[i].right - 3, sys[i].top + 3 + line * 2, kWhite);
  }
  return c.bitmap();
}

// Hint frame, 25 by 20; client 4,3,24,18.
Bitmap HintFrame() {
  Canvas c(25, 20, kWhite);
  c.RoundBox({0, 0, 25, 20}, 4, kOutline, kWhite, kFace);
  return c.bitmap();
}

// Popup menu frame, 93 by 55: items 2,2,91,53, an icon gutter of 25 pixels
// whose edge line stays inside the items' fixed left 25 pixels (a line in
// the tiled middle would repeat across wide menus).
Bitmap PopupFrame() {
  Canvas c(93, 55, kWhite);
  c.RoundBox({0, 0, 93, 55}, 4, kOutline, kWhite, kWhite);
  c.Fill({2, 2, 26, 53}, kFace);
  c.VLine(26, 2, 53, kShadow);
  return c.bitmap();
}

// Menu items, 93 by 56: normal 2,2,91,24, selected 2,25,91,47, divider 4,51,89,54.
Bitmap MenuItems() {
  Canvas c(93, 56, kWhite);
  c.Fill({2, 2, 26, 24}, kFace);
  c.VLine(26, 2, 24, kShadow);
  c.Fill({2, 25, 26, 47}, kFace);
  c.RoundBox({2, 25, 91, 47}, 3, kHighlight, Mix(kHighlight, kWhite, 0.75), Mix(kHighlight, kWhite, 0.55));
  c.Fill({4, 51, 29, 54}, kFace);
  c.HLine(29, 89, 52, kShadow);
  c.HLine(29, 89, 53, kWhite);
  return c.bitmap();
}

// Control looks, 256 by 160. The panel sits at 141,4,200,56; the rest of
// the places are listed in skin.ini.
Bitmap Controls() {
  Canvas c(256, 160, kFace);
  // Buttons: normal, hot, pressed, disabled, each 64 by 24 in a column.
  const Rgb tops[] = {kWhite, Mix(kHighlight, kWhite, 0.7), Mix(kHighlight, kWhite, 0.4), kFace};
  const Rgb bottoms[] = {kSky, Mix(kHighlight, kWhite, 0.35), kHighlight, kFace};
  const Rgb lines[] = {kOutline, kHighlight, kDeep, kShadow};
  for (int i = 0; i < 4; ++i) c.RoundBox(Rect::FromSize(4, 4 + i * 28, 64, 24), 4, lines[i], tops[i], bottoms[i]);
  // Edit boxes: normal and focused, 64 by 22.
  c.Fill(Rect::FromSize(72, 4, 64, 22), kWhite);
  c.Frame(Rect::FromSize(72, 4, 64, 22), kShadow);
  c.Fill(Rect::FromSize(72, 30, 64, 22), kWhite);
  c.Frame(Rect::FromSize(72, 30, 64, 22), kHighlight);
  // Check and radio marks, 13 by 13: unchecked, checked, hot unchecked, hot checked.
  for (int i = 0; i < 4; ++i) {
    const Rect box = Rect::FromSize(72 + i * 16, 58, 13, 13);
    c.RoundBox(box, 2, i >= 2 ? kHighlight : kOutline, kWhite, kFace);
    if (i % 2 == 1) {
      for (int k = 0; k < 4; ++k) c.Put(box.left + 3 + k, box.top + 5 + k, kDeep), c.Put(box.left + 3 + k, box.top + 6 + k, kDeep);
      for (int k = 0; k < 4; ++k) c.Put(box.left + 6 + k, box.top + 8 - k * 2, kDeep), c.Put(box.left + 6 + k, box.top + 7 - k * 2, kDeep);
    }
    const Rect radio = Rect::FromSize(72 + i * 16, 74, 13, 13);
    c.RoundBox(radio, 6.5, i >= 2 ? kHighlight : kOutline, kWhite, kFace);
    if (i % 2 == 1) c.RoundBox(radio.Inflate(-4, -4), 2.5, kDeep, kHighlight, kDeep);
  }
  // The panel: a soft group box.
  c.RoundBox({141, 4, 200, 56}, 5, kShadow, kPale, kFace);
  c.HLine(146, 195, 5, kWhite);
  // Gauge track and bar, 100 by 12.
  c.RoundBox(Rect::FromSize(141, 62, 100, 12), 4, kShadow, kWhite, kFace);
  c.RoundBox(Rect::FromSize(141, 76, 100, 12), 4, kOutline, Mix(kHighlight, kWhite, 0.5), kHighlight);
  // Scroll bar pieces, 16 by 16: arrows normal and hot, the thumb.
  for (int i = 0; i < 2; ++i) {
    const Rect arrow = Rect::FromSize(4 + i * 20, 120, 16, 16);
    c.RoundBox(arrow, 3, i ? kHighlight : kShadow, kWhite, kSky);
    for (int k = 0; k < 4; ++k) c.HLine(arrow.left + 4 + k, arrow.right - 4 - k, arrow.top + 9 - k, kDeep);
  }
  c.RoundBox(Rect::FromSize(44, 120, 16, 36), 3, kOutline, kWhite, kSky);
  c.Fill(Rect::FromSize(64, 120, 16, 36), Mix(kFace, kWhite, 0.5));
  // Tab: normal and active, 60 by 22.
  c.RoundBox(Rect::FromSize(88, 96, 60, 26), 4, kShadow, kFace, kFace);
  c.RoundBox(Rect::FromSize(152, 96, 60, 26), 4, kOutline, kWhite, kPale);
  // List item selection, 64 by 18.
  c.RoundBox(Rect::FromSize(88, 130, 64, 18), 3, kHighlight, Mix(kHighlight, kWhite, 0.75), Mix(kHighlight, kWhite, 0.55));
  // Track bar thumb, 11 by 20, and its line.
  c.RoundBox(Rect::FromSize(160, 130, 11, 20), 3, kOutline, kWhite, kSky);
  c.RoundBox(Rect::FromSize(176, 130, 11, 20), 3, kHighlight, kWhite, Mix(kHighlight, kWhite, 0.4));
  c.Fill(Rect::FromSize(192, 138, 60, 4), kShadow);
  return c.bitmap();
}

// The MDI background tile, 32 by 32: a quiet diagonal weave.
Bitmap MdiBackground() {
  Canvas c(32, 32, kFace);
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      if ((x + y) % 8 == 0 || (x - y + 32) % 8 == 0) c.Put(x, y, Mix(kFace, kSky, 0.5));
    }
  }
  return c.bitmap();
}

// ---- writing ---------------------------------------------------------------

// The nearest palette entry per pixel.
BmpPicture Indexed(const Bitmap& bitmap, int bits, const std::vector<Rgb>& palette) {
  BmpPicture picture;
  picture.bitCount = bits;
  for (const Rgb& c : palette) picture.palette.push_back(ToPixel(c));
  picture.bitmap = Bitmap(bitmap.width(), bitmap.height());
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) {
      const Pixel p = bitmap.At(x, y);
      std::size_t best = 0;
      int bestDistance = 1 << 30;
      for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = p.r - palette[i].r, dg = p.g - palette[i].g, db = p.b - palette[i].b;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) bestDistance = d, best = i;
      }
      picture.indices.push_back(static_cast<std::uint8_t>(best));
      picture.bitmap.At(x, y) = picture.palette[best];
    }
  }
  return picture;
}

// Sixteen colours for the 4-bit pictures: the blue ramp the art uses.
std::vector<Rgb> BluePalette() {
  std::vector<Rgb> palette;
  for (int i = 0; i < 8; ++i) palette.push_back(Mix(kWhite, kSky, i / 7.0));
  for (int i = 1; i <= 6; ++i) palette.push_back(Mix(kSky, kDeep, i / 6.0));
  palette.push_back(kFace);
  palette.push_back({0, 0, 0});
  return palette;
}

bool Write(const std::string& path, const BmpPicture& picture) {
  const std::vector<std::uint8_t> bytes = zv::EncodeBmp(picture);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skinart OUTDIR\n");
    return 2;
  }
  const std::string dir = std::string(argv[1]) + "/";
  const std::vector<Rgb> mono{{0, 0, 0}, kWhite};
  std::vector<Rgb> grey;
  for (int i = 0; i < 256; ++i) grey.push_back({i, i, i});
  const struct {
    const char* name;
    BmpPicture picture;
  } pictures[] = {
      {"frame.bmp", zv::PictureFromBitmap(MainPicture(), 24)},
      {"framemask.bmp", Indexed(MaskPicture(285, 210, 7), 8, grey)},
      {"buttons.bmp", zv::PictureFromBitmap(CaptionButtons(), 24)},
      {"hint.bmp", Indexed(HintFrame(), 4, BluePalette())},
      {"popup.bmp", zv::PictureFromBitmap(PopupFrame(), 24)},
      {"menuitems.bmp", zv::PictureFromBitmap(MenuItems(), 24)},
      {"controls.bmp", zv::PictureFromBitmap(Controls(), 24)},
      {"mdibg.bmp", Indexed(MdiBackground(), 4, BluePalette())},
      {"popupmask.bmp", Indexed(MaskPicture(93, 55, 4), 1, mono)},
      {"hintmask.bmp", Indexed(MaskPicture(25, 20, 4), 1, mono)},
  };
  for (const auto& entry : pictures) {
    if (!Write(dir + entry.name, entry.picture)) {
      std::fprintf(stderr, "skinart: cannot write %s%s\n", dir.c_str(), entry.name);
      return 1;
    }
  }
  return 0;
}
