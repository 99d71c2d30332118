#pragma once
// A control record's frame geometry as the composition routines take it,
// the sizing mode it implies, and fitting a size to it.
#include <vector>

#include "core/gfx/compose.h"
#include "core/skin/control_records.h"

namespace zv {

// How a skinned control may be resized.
enum class SkinSizing { kNoSkin = -1, kFixed = 0, kBoth = 1, kHorizontal = 2, kVertical = 3 };

// The corner points, client rectangle and stretch flags of any record with a
// frame geometry (a control record, FORMINFO), cut from `skinRect` of `picture`.
template <typename Geometry>
SkinPieces PiecesOf(const Geometry& g, const BitmapView& picture, const Rect& skinRect) {
  SkinPieces pieces;
  pieces.picture = picture;
  pieces.skinRect = skinRect;
  pieces.points = {g.leftTopPoint, g.rightTopPoint, g.leftBottomPoint, g.rightBottomPoint, g.clientRect};
  pieces.leftStretch = g.leftStretch;
  pieces.topStretch = g.topStretch;
  pieces.rightStretch = g.rightStretch;
  pieces.bottomStretch = g.bottomStretch;
  if constexpr (requires { g.stretchEffect; }) {
    pieces.stretchEffect = g.stretchEffect;
    pieces.stretchType = g.stretchType;
  }
  return pieces;
}

// The record's rectangle, points, client rectangle and stretch values with
// `picture` as the source.
inline SkinPieces PiecesFromRecord(const TzsDataSkinCustomControl& record, const BitmapView& picture) {
  return PiecesOf(record, picture, record.skinRect);
}

// Tested in order: no skin rectangle, right-bottom point set on both axes,
// right-top point set, left-bottom point set, else fixed.
SkinSizing DeriveSizing(const SkinPieces& pieces);

// The size a control of that sizing mode takes when `proposed` is asked
// for, and the cut points fitted to it (written into `fitted`; points the
// mode does not move keep their value).
Size FitSizeToSkin(SkinSizing sizing, const SkinPieces& pieces, Size proposed, SkinPoints& fitted);

// The window shape of a `size` control from its mask picture (empty when
// the mask is empty or the mode has no skin).
std::vector<Rect> ShapeFromMask(SkinSizing sizing, const SkinPieces& pieces, const SkinPoints& fitted, Size size,
                                const BitmapView& mask);

}  // namespace zv
