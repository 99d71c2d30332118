#pragma once
// Drawing a fixed-size skin rectangle at any size: the nine-piece
// composition, the two three-piece strips and the four frame bands. The
// frame, the panel, menus and hints all compose through these.
#include "core/base/bitmap.h"
#include "core/gfx/kinds.h"

namespace zv {

// The cut points of a skin rectangle, relative to its top-left corner (or,
// once fitted, to the target's).
struct SkinPoints {
  Point leftTop;
  Point rightTop;
  Point leftBottom;
  Point rightBottom;
  Rect clientRect;
  friend bool operator==(const SkinPoints&, const SkinPoints&) = default;
};

// What a record tells about its picture: where its look lies and how the
// middle pieces grow.
struct SkinPieces {
  BitmapView picture;
  Rect skinRect;
  SkinPoints points;
  bool leftStretch = false;
  bool topStretch = false;
  bool rightStretch = false;
  bool bottomStretch = false;
  bool stretchEffect = false;
  StretchType stretchType = StretchType::stFull;
};

// Nine pieces into `target` (already sized W by H): corners once, border
// middles repeated (last copy cut) or stretched, and the client piece when
// `drawClient` is set. Draws nothing when the corner points leave no middle
// or the picture is empty.
void ComposeNineSlice(const BitmapView& target, const SkinPieces& skin, const SkinPoints& fitted, bool drawClient);
// The same into an owning bitmap, first made W by H (kept as it is when it
// already has that size).
void ComposeNineSlice(Bitmap& target, Size size, const SkinPieces& skin, const SkinPoints& fitted, bool drawClient);

// The client piece of `skin` repeated or stretched over `area` of `target`,
// drawing only inside `area`.
void PaintClientPiece(const BitmapView& target, const Rect& area, const SkinPieces& skin);

// Three pieces across: target becomes width by from.Height(); `leftWidth`
// and `rightWidth` columns of `from` at the ends, the middle repeated or
// stretched between.
void ComposeHorizontalStrip(int leftWidth, int rightWidth, Bitmap& target, bool stretch, int width,
                            const Rect& from, const BitmapView& picture);
// The same downwards: target becomes from.Width() by height.
void ComposeVerticalStrip(int topHeight, int bottomHeight, Bitmap& target, bool stretch, int height,
                          const Rect& from, const BitmapView& picture);

// The four border bands of a W by H control. A band whose middle piece or
// size is empty stays an empty bitmap.
struct FrameBands {
  Bitmap top;
  Bitmap bottom;
  Bitmap left;
  Bitmap right;
};
FrameBands ComposeFrameBands(Size size, const SkinPieces& skin, const SkinPoints& fitted);

}  // namespace zv
