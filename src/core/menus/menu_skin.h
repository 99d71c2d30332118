#pragma once
// The parts of a skin popup menus and hints are drawn from, looked up once
// when a window is built: the POPUPWINDOW and HINTWINDOW records with their
// pictures, the first menuitem object with its picture, and the header
// record. Missing pieces leave the plain look.
#include "core/gfx/compose.h"
#include "core/skin/control_records.h"
#include "core/skin/global_sections.h"
#include "core/skin/object_records.h"
#include "core/skin/skin_definition.h"
#include "core/skin/skin_source.h"

namespace zv {

class TzsSkinData;
class PackageSkin;
class ScaledSkin;

struct MenuSkin {
  // The skin's pieces; all absent for the plain look.
  const TzsDataSkinPopupWindow* popup = nullptr;  // set only when its picture exists
  BitmapView popupPicture;
  BitmapView popupMask;
  // Set only when the window is skinned and the item's picture exists.
  const TzsDataSkinMenuItem* item = nullptr;
  BitmapView itemPicture;
  const TzsDataSkinCustomControl* header = nullptr;  // "menuheader", else "label"
  BitmapView headerPicture;
  const TzsDataSkinHintWindow* hint = nullptr;  // set only when its picture exists
  BitmapView hintPicture;
  BitmapView hintMask;
  TzsSkinColors colors;

  bool Skinned() const { return popup != nullptr; }
  bool ItemsSkinned() const { return item != nullptr; }
  SkinPieces PopupPieces() const;
  SkinPieces HintPieces() const;
};

// Looks the pieces up in `objects` and through `source`; an empty source
// gives the plain look.
MenuSkin MenuSkinFrom(const SkinSource& source, const TzsDataSkinPopupWindow& popup, const TzsDataSkinHintWindow& hint,
                      const ObjectRecords& objects);
MenuSkin MenuSkinOf(const TzsSkinData& data);
MenuSkin MenuSkinOf(const PackageSkin& skin);
MenuSkin MenuSkinOf(const ScaledSkin& skin);
// The same at `dpi`: at 96 DPI exactly the above, otherwise the pieces of
// the scaled copy the skin keeps for that DPI (the plain look with the skin
// data when it cannot be scaled that far; the package skin throws then).
MenuSkin MenuSkinOf(const TzsSkinData& data, int dpi);
MenuSkin MenuSkinOf(const PackageSkin& skin, int dpi);

}  // namespace zv
