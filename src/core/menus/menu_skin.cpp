#include "core/menus/menu_skin.h"

#include "core/base/display_scale.h"
#include "core/skin/package_skin.h"
#include "core/skin/record_pieces.h"
#include "core/skin/skin_data.h"

namespace zv {

namespace {

const TzsDataSkinMenuItem* FirstMenuItem(const ObjectRecords& objects) {
  for (const auto& record : objects) {
    if (const auto* item = dynamic_cast<const TzsDataSkinMenuItem*>(record.get())) return item;
  }
  return nullptr;
}

bool HasPixels(const BitmapView& v) { return v.width() > 0 && v.height() > 0; }

}  // namespace

SkinPieces MenuSkin::PopupPieces() const {
  SkinPieces pieces;
  pieces.picture = popupPicture;
  pieces.skinRect = popupPicture.bounds();
  pieces.points = {popup->leftTopPoint, popup->rightTopPoint, popup->leftBottomPoint, popup->rightBottomPoint,
                   popup->itemsRect};
  pieces.leftStretch = popup->leftStretch;
  pieces.topStretch = popup->topStretch;
  pieces.rightStretch = popup->rightStretch;
  pieces.bottomStretch = popup->bottomStretch;
  pieces.stretchEffect = popup->stretchEffect;
  pieces.stretchType = popup->stretchType;
  return pieces;
}

SkinPieces MenuSkin::HintPieces() const { return PiecesOf(*hint, hintPicture, hintPicture.bounds()); }

MenuSkin MenuSkinFrom(const SkinSource& source, const TzsDataSkinPopupWindow& popup, const TzsDataSkinHintWindow& hint,
                      const ObjectRecords& objects) {
  MenuSkin skin;
  if (source.IsEmpty()) return skin;
  skin.colors = source.Colors();
  if (BitmapView picture = source.Picture(popup.windowPictureIndex); HasPixels(picture)) {
    skin.popup = &popup;
    skin.popupPicture = picture;
    skin.popupMask = source.Picture(popup.maskPictureIndex);
    // Items without a picture would have no height: they take the plain look.
    if (const TzsDataSkinMenuItem* item = FirstMenuItem(objects)) {
      BitmapView itemPicture = source.Picture(item->activePictureIndex);
      if (HasPixels(itemPicture)) {
        skin.item = item;
        skin.itemPicture = itemPicture;
      }
    }
  }
  const TzsDataSkinControl* header = source.ControlRecord("menuheader");
  if (!header) header = source.ControlRecord("label");
  if ((skin.header = dynamic_cast<const TzsDataSkinCustomControl*>(header))) {
    skin.headerPicture = source.Picture(skin.header->pictureIndex);
  }
  if (BitmapView picture = source.Picture(hint.windowPictureIndex); HasPixels(picture)) {
    skin.hint = &hint;
    skin.hintPicture = picture;
    skin.hintMask = source.Picture(hint.maskPictureIndex);
  }
  return skin;
}

MenuSkin MenuSkinOf(const TzsSkinData& data) {
  return MenuSkinFrom(data, data.PopupWindow(), data.HintWindow(), data.ObjectList());
}

MenuSkin MenuSkinOf(const PackageSkin& skin) {
  const SkinDefinition& d = skin.Definition();
  return MenuSkinFrom(skin, d.popupWindow, d.hintWindow, d.objects);
}

MenuSkin MenuSkinOf(const ScaledSkin& skin) {
  return MenuSkinFrom(skin, skin.PopupWindow(), skin.HintWindow(), skin.Objects());
}

MenuSkin MenuSkinOf(const TzsSkinData& data, int dpi) {
  if (const ScaledSkin* scaled = data.ScaledAt(dpi)) return MenuSkinOf(*scaled);
  return dpi == kBaseDpi ? MenuSkinOf(data) : MenuSkin{};
}

MenuSkin MenuSkinOf(const PackageSkin& skin, int dpi) {
  return dpi == kBaseDpi ? MenuSkinOf(skin) : MenuSkinOf(skin.ScaledAt(dpi));
}

}  // namespace zv
