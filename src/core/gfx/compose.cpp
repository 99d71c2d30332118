#include "core/gfx/compose.h"

#include <algorithm>

#include "core/gfx/blit.h"

namespace zv {
namespace {

// A middle piece laid across columns x0..x1 at rows top..bottom of the target.
void MiddleAcross(const BitmapView& dst, const BitmapView& src, const Rect& from, int x0, int x1, int top, int bottom,
                  bool stretch) {
  if (stretch) {
    StretchBlit(dst, Rect{x0, top, x1, bottom}, src, from);
    return;
  }
  // Copies past the target's edge would be clipped away; don't make them.
  Tile(x0, std::min(x1, dst.width()), from.Width(), [&](int x, int len) {
    Blit(dst, Point{x, top}, src, Rect{from.left, from.top, from.left + len, from.bottom});
  });
}

// A middle piece laid down rows y0..y1 at columns left..right of the target.
void MiddleDown(const BitmapView& dst, const BitmapView& src, const Rect& from, int y0, int y1, int left, int right,
                bool stretch) {
  if (stretch) {
    StretchBlit(dst, Rect{left, y0, right, y1}, src, from);
    return;
  }
  Tile(y0, std::min(y1, dst.height()), from.Height(), [&](int y, int len) {
    Blit(dst, Point{left, y}, src, Rect{from.left, from.top, from.right, from.top + len});
  });
}

// Repeats the strip `first` of `dst` (already drawn) across, then down, to
// fill `area`; both passes copy whole rows from the target itself.
void RepeatAcross(const BitmapView& dst, const Rect& area, const Rect& first) {
  Tile(first.right, std::min(area.right, dst.width()), first.Width(), [&](int x, int len) {
    Blit(dst, area, Point{x, first.top}, dst, Rect{first.left, first.top, first.left + len, first.bottom});
  });
}
void RepeatDown(const BitmapView& dst, const Rect& area, const Rect& first) {
  Tile(first.bottom, std::min(area.bottom, dst.height()), first.Height(), [&](int y, int len) {
    Blit(dst, area, Point{first.left, y}, dst, Rect{first.left, first.top, first.right, first.top + len});
  });
}

void ResizeTo(Bitmap& bitmap, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (bitmap.width() != width || bitmap.height() != height) bitmap = Bitmap(width, height);
}

// How much of a band `full` long can show in a target `room` long. A band
// is made only that large, so a client rectangle far outside the target (a
// top 200000 rows down, say) costs no more than the target itself.
int Shown(long long full, int room) { return static_cast<int>(std::clamp<long long>(full, 0, room)); }

Rect ClientPiece(const SkinPieces& skin) {
  return skin.points.clientRect.Offset(skin.skinRect.left, skin.skinRect.top);
}

}  // namespace

void PaintClientPiece(const BitmapView& target, const Rect& area, const SkinPieces& skin) {
  const Rect piece = ClientPiece(skin);
  const int cw = piece.Width();
  const int ch = piece.Height();
  if (area.IsEmpty()) return;
  // Tiles past the target's edge would be clipped away; don't make them.
  const int right = std::min(area.right, target.width());
  const int bottom = std::min(area.bottom, target.height());
  // Copying the first tile from the target needs it to start on the target.
  const bool firstOnTarget = area.left >= 0 && area.top >= 0;
  if (skin.stretchEffect) {
    if (skin.stretchType == StretchType::stHorz) {
      if (cw <= 0) return;
      const Rect first{area.left, area.top, area.left + cw, area.bottom};
      StretchBlit(target, area, first, skin.picture, piece);
      if (firstOnTarget) {
        RepeatAcross(target, area, first);
      } else {
        Tile(first.right, right, cw, [&](int x, int) {
          StretchBlit(target, area, Rect{x, area.top, x + cw, area.bottom}, skin.picture, piece);
        });
      }
    } else if (skin.stretchType == StretchType::stVert) {
      if (ch <= 0) return;
      const Rect first{area.left, area.top, area.right, area.top + ch};
      StretchBlit(target, area, first, skin.picture, piece);
      if (firstOnTarget) {
        RepeatDown(target, area, first);
      } else {
        Tile(first.bottom, bottom, ch, [&](int y, int) {
          StretchBlit(target, area, Rect{area.left, y, area.right, y + ch}, skin.picture, piece);
        });
      }
    } else {
      StretchBlit(target, area, area, skin.picture, piece);
    }
    return;
  }
  if (cw <= 0 || ch <= 0) return;
  const auto tileRow = [&](int y) {
    Tile(area.left, right, cw, [&](int x, int len) {
      Blit(target, area, Point{x, y}, skin.picture, Rect{piece.left, piece.top, piece.left + len, piece.bottom});
    });
  };
  if (firstOnTarget) {  // one row of tiles from the picture, then whole rows copied down
    tileRow(area.top);
    RepeatDown(target, area, Rect{area.left, area.top, area.right, area.top + ch});
  } else {
    Tile(area.top, bottom, ch, [&](int y, int) { tileRow(y); });
  }
}

void ComposeNineSlice(const BitmapView& target, const SkinPieces& skin, const SkinPoints& fitted, bool drawClient) {
  const BitmapView& p = skin.picture;
  const SkinPoints& k = skin.points;
  if (k.rightBottom.x == k.leftTop.x || k.rightBottom.y == k.leftTop.y || p.width() <= 0 || p.height() <= 0) return;
  const int w = target.width();
  const int h = target.height();
  const int sl = skin.skinRect.left, st = skin.skinRect.top, sr = skin.skinRect.right, sb = skin.skinRect.bottom;
  const Rect& cr = k.clientRect;
  const Rect& nr = fitted.clientRect;

  // Border middles: top, bottom, left, right.
  MiddleAcross(target, p, Rect{sl + k.leftTop.x, st, sl + k.rightTop.x, st + cr.top}, fitted.leftTop.x,
               fitted.rightTop.x, 0, nr.top, skin.topStretch);
  MiddleAcross(target, p, Rect{sl + k.leftBottom.x, st + cr.bottom, sl + k.rightBottom.x, sb}, fitted.leftBottom.x,
               fitted.rightBottom.x, nr.bottom, h, skin.bottomStretch);
  MiddleDown(target, p, Rect{sl, st + k.leftTop.y, sl + cr.left, st + k.leftBottom.y}, fitted.leftTop.y,
             fitted.leftBottom.y, 0, nr.left, skin.leftStretch);
  MiddleDown(target, p, Rect{sl + cr.right, st + k.rightTop.y, sr, st + k.rightBottom.y}, fitted.rightTop.y,
             fitted.rightBottom.y, nr.right, w, skin.rightStretch);

  // The eight corner pieces, each copied once at its own size.
  struct Corner {
    Rect from;
    Point to;
  };
  const Corner corners[] = {
      {{sl, st, sl + k.leftTop.x, st + cr.top}, {0, 0}},
      {{sl, st + cr.top, sl + cr.left, st + k.leftTop.y}, {0, nr.top}},
      {{sl + k.rightTop.x, st, sr, st + cr.top}, {fitted.rightTop.x, 0}},
      {{sl + cr.right, st + cr.top, sr, st + k.rightTop.y}, {nr.right, nr.top}},
      {{sl, st + k.leftBottom.y, sl + cr.left, sb}, {0, fitted.leftBottom.y}},
      {{sl + cr.left, st + cr.bottom, sl + k.leftBottom.x, sb}, {nr.left, nr.bottom}},
      {{sl + k.rightBottom.x, st + cr.bottom, sr, sb}, {fitted.rightBottom.x, nr.bottom}},
      {{sl + cr.right, st + k.rightBottom.y, sr, st + cr.bottom}, {nr.right, fitted.rightBottom.y}},
  };
  for (const Corner& c : corners) Blit(target, c.to, p, c.from);

  if (drawClient) PaintClientPiece(target, nr, skin);
}

void ComposeNineSlice(Bitmap& target, Size size, const SkinPieces& skin, const SkinPoints& fitted, bool drawClient) {
  ResizeTo(target, size.width, size.height);
  ComposeNineSlice(target.view(), skin, fitted, drawClient);
}

void ComposeHorizontalStrip(int leftWidth, int rightWidth, Bitmap& target, bool stretch, int width, const Rect& from,
                            const BitmapView& picture) {
  ResizeTo(target, width, from.Height());
  const BitmapView t = target.view();
  const int w = t.width();
  Blit(t, Point{0, 0}, picture, Rect{from.left, from.top, from.left + leftWidth, from.bottom});
  Blit(t, Point{w - rightWidth, 0}, picture, Rect{from.right - rightWidth, from.top, from.right, from.bottom});
  const Rect middle{from.left + leftWidth, from.top, from.right - rightWidth, from.bottom};
  if (middle.Width() <= 0) return;  // nothing to repeat or stretch
  MiddleAcross(t, picture, middle, leftWidth, w - rightWidth, 0, t.height(), stretch);
}

void ComposeVerticalStrip(int topHeight, int bottomHeight, Bitmap& target, bool stretch, int height, const Rect& from,
                          const BitmapView& picture) {
  ResizeTo(target, from.Width(), height);
  const BitmapView t = target.view();
  const int h = t.height();
  Blit(t, Point{0, 0}, picture, Rect{from.left, from.top, from.right, from.top + topHeight});
  Blit(t, Point{0, h - bottomHeight}, picture, Rect{from.left, from.bottom - bottomHeight, from.right, from.bottom});
  const Rect middle{from.left, from.top + topHeight, from.right, from.bottom - bottomHeight};
  if (middle.Height() <= 0) return;
  MiddleDown(t, picture, middle, topHeight, h - bottomHeight, 0, t.width(), stretch);
}

FrameBands ComposeFrameBands(Size size, const SkinPieces& skin, const SkinPoints& fitted) {
  FrameBands bands;
  const BitmapView& p = skin.picture;
  const SkinPoints& k = skin.points;
  const Rect& cr = k.clientRect;
  const Rect& nr = fitted.clientRect;
  const int w = size.width;
  const int h = size.height;
  const int sl = skin.skinRect.left, st = skin.skinRect.top, sr = skin.skinRect.right, sb = skin.skinRect.bottom;

  // Rows past the target's bottom are left out of the top band.
  const int topHeight = Shown(nr.top, h);
  if (w > 0 && topHeight > 0 && k.rightTop.x - k.leftTop.x > 0) {
    bands.top = Bitmap(w, topHeight);
    const BitmapView t = bands.top.view();
    const Rect middle{sl + k.leftTop.x, st, sl + k.rightTop.x, st + topHeight};
    if (skin.topStretch) {
      MiddleAcross(t, p, middle, fitted.leftTop.x, fitted.rightTop.x, 0, topHeight, true);
    } else {
      MiddleAcross(t, p, middle, 0, w, 0, topHeight, false);
    }
    Blit(t, Point{0, 0}, p, Rect{sl, st, sl + k.leftTop.x, st + topHeight});
    Blit(t, Point{fitted.rightTop.x, 0}, p, Rect{sl + k.rightTop.x, st, sr, st + topHeight});
  }

  // The bottom band ends at the target's bottom, so it keeps its last rows.
  const int bottomHeight = Shown(static_cast<long long>(h) - nr.bottom, h);
  if (w > 0 && bottomHeight > 0 && k.rightBottom.x - k.leftBottom.x > 0) {
    bands.bottom = Bitmap(w, bottomHeight);
    const BitmapView t = bands.bottom.view();
    const int top = sb - bottomHeight;
    const Rect middle{sl + k.leftBottom.x, top, sl + k.rightBottom.x, sb};
    if (skin.bottomStretch) {
      MiddleAcross(t, p, middle, fitted.leftBottom.x, fitted.rightBottom.x, 0, bottomHeight, true);
    } else {
      MiddleAcross(t, p, middle, 0, w, 0, bottomHeight, false);
    }
    Blit(t, Point{0, 0}, p, Rect{sl, top, sl + k.leftBottom.x, sb});
    Blit(t, Point{fitted.rightBottom.x, 0}, p, Rect{sl + k.rightBottom.x, top, sr, sb});
  }

  // The side bands fill what the top and bottom bands leave. The left band
  // shows its first columns, the right band (at the target's right edge)
  // its last, so its source starts as many columns later as are left out.
  const int sideHeight = h - bands.top.height() - bands.bottom.height();
  const long long rightFull = static_cast<long long>(w) - nr.right;
  const int leftWidth = Shown(nr.left, w);
  const int rightWidth = Shown(rightFull, w);
  struct Side {
    Bitmap* band;
    int width;
    int left;   // source columns left..right
    int right;
    int upper;  // middle rows upper..lower, relative to the skin rectangle
    int lower;
    bool stretch;
  };
  const Side sides[] = {
      {&bands.left, leftWidth, sl, sl + leftWidth, k.leftTop.y, k.leftBottom.y, skin.leftStretch},
      {&bands.right, rightWidth, ClampToInt(static_cast<long long>(sl) + cr.right + (rightFull - rightWidth)), sr,
       k.rightTop.y, k.rightBottom.y, skin.rightStretch},
  };
  for (const Side& side : sides) {
    if (side.width <= 0 || sideHeight <= 0 || side.lower - side.upper <= 0) continue;
    *side.band = Bitmap(side.width, sideHeight);
    const BitmapView t = side.band->view();
    const Rect middle{side.left, st + side.upper, side.right, st + side.lower};
    if (side.stretch) {
      MiddleDown(t, p, middle, side.upper - cr.top, sideHeight + side.lower - cr.bottom, 0, side.width, true);
    } else {
      MiddleDown(t, p, middle, 0, sideHeight, 0, side.width, false);
    }
    if (side.upper - cr.top > 0) Blit(t, Point{0, 0}, p, Rect{side.left, st + cr.top, side.right, st + side.upper});
    if (cr.bottom - side.lower > 0) {
      Blit(t, Point{0, sideHeight + side.lower - cr.bottom}, p,
           Rect{side.left, st + side.lower, side.right, st + cr.bottom});
    }
  }
  return bands;
}

}  // namespace zv
