#pragma once
// A skin at another DPI: every pixel quantity of its records scaled and
// every picture resampled through one grid per picture, made once per DPI
// and kept by the skin it was made from (TzsSkinData, PackageSkin).
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/bitmap.h"
#include "core/skin/skin_definition.h"
#include "core/skin/skin_source.h"

namespace zv {

// Scaled pictures of one skin hold at most this many pixels in all (four
// times what a package may decode) and sides of at most this.
inline constexpr long long kMaxScaledSkinPixels = 64ll * 1024 * 1024;
inline constexpr int kMaxScaledSide = 32768;

// What a skin holds at 96 DPI, as the scaling reads it. Every pointer is set.
struct SkinContents {
  BitmapView picture;
  BitmapView inactivePicture;
  BitmapView mask;
  std::vector<BitmapView> activePictures;
  const SkinFormInfo* formInfo = nullptr;
  const TzsDataSkinPopupWindow* popupWindow = nullptr;
  const TzsDataSkinHintWindow* hintWindow = nullptr;
  const TzsSkinColors* colors = nullptr;
  const ObjectRecords* objects = nullptr;
  const ControlRecords* controls = nullptr;
};

class ScaledSkin : public SkinSource {
 public:
  // Throws zv::Error for a DPI outside kMinDpi..kMaxDpi and when the
  // pictures would pass the limits above.
  ScaledSkin(const SkinContents& skin, int dpi);

  int Dpi() const { return dpi_; }
  bool IsEmpty() const override { return false; }
  const TzsDataSkinControl* ControlRecord(std::string_view name) const override;
  BitmapView Picture(int index) const override;
  int PictureCount() const { return static_cast<int>(activePictures_.size()); }
  const TzsSkinColors& Colors() const override { return colors_; }

  BitmapView MainPicture() const { return View(picture_); }
  BitmapView InactivePicture() const { return View(inactivePicture_); }
  BitmapView MaskPicture() const { return View(mask_); }
  const SkinFormInfo& FormInfo() const { return formInfo_; }
  const TzsDataSkinPopupWindow& PopupWindow() const { return popupWindow_; }
  const TzsDataSkinHintWindow& HintWindow() const { return hintWindow_; }
  const ObjectRecords& Objects() const { return objects_; }
  const ControlRecords& Controls() const { return controls_; }

 private:
  static BitmapView View(const Bitmap& bitmap) { return const_cast<Bitmap&>(bitmap).view(); }

  int dpi_;
  Bitmap picture_, inactivePicture_, mask_;
  std::vector<Bitmap> activePictures_;
  SkinFormInfo formInfo_;
  TzsDataSkinPopupWindow popupWindow_;
  TzsDataSkinHintWindow hintWindow_;
  TzsSkinColors colors_;
  ObjectRecords objects_;
  ControlRecords controls_;
};

// The scaled copies of one skin, one per DPI asked for, made at the first
// request and kept until Clear. A DPI the skin cannot be scaled to is
// remembered with its error, so it is not tried again at every paint.
class ScaledSkinCache {
 public:
  // nullptr when the skin cannot be scaled to `dpi` (Error tells why).
  const ScaledSkin* Get(const SkinContents& skin, int dpi) const;
  std::string Error(int dpi) const;
  void Clear() { entries_.clear(); }

 private:
  struct Entry {
    std::unique_ptr<ScaledSkin> skin;
    std::string error;
  };
  mutable std::map<int, Entry> entries_;
};

// A source with no skin: what a skin gives at a DPI it cannot be scaled to.
const SkinSource& NoSkinSource();

}  // namespace zv
