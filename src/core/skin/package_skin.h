#pragma once
// A skin read whole from a package: its definition with the typed records and
// its decoded pictures, readable by skinned controls. Used where no skin
// data component is at hand (the command-line preview).
#include "core/skin/package.h"
#include "core/skin/scaling/scaled_skin.h"
#include "core/skin/skin_definition.h"
#include "core/skin/skin_source.h"

namespace zv {

class PackageSkin : public SkinSource {
 public:
  // Parses the definition text; throws ConvertError for unreadable values.
  explicit PackageSkin(SkinPackage package);

  bool IsEmpty() const override { return false; }
  const TzsDataSkinControl* ControlRecord(std::string_view name) const override;
  BitmapView Picture(int index) const override;
  const TzsSkinColors& Colors() const override { return definition_.colors; }
  // This at 96 DPI, else ScaledAt(dpi).
  const SkinSource& AtDpi(int dpi) const override;
  // The skin at `dpi` (not 96), made once and kept; throws zv::Error when it
  // cannot be scaled that far.
  const ScaledSkin& ScaledAt(int dpi) const;
  SkinContents Contents() const;

  const SkinDefinition& Definition() const { return definition_; }
  // The main picture and the frame mask; empty views when the package has none.
  BitmapView MainPicture() const { return View(package_.picture); }
  BitmapView MaskPicture() const { return View(package_.mask); }
  BitmapView InactivePicture() const { return View(package_.inactivePicture); }

 private:
  static BitmapView View(const std::optional<BmpPicture>& picture);

  SkinPackage package_;
  SkinDefinition definition_;
  ScaledSkinCache scaled_;
};

}  // namespace zv
