#include "core/skin/scaling/scaled_skin.h"

// Sections: where each record lies, the pictures, the skin.
#include <string>

#include "core/base/display_scale.h"
#include "core/base/error.h"
#include "core/gfx/resample.h"
#include "core/skin/scaling/record_scaling.h"

namespace zv {
namespace {

constexpr int kMainSlot = 0;

// The slot of active picture `index`, or -1 when there is none.
int SlotOf(int index, const SkinContents& skin) {
  return index >= 0 && static_cast<std::size_t>(index) < skin.activePictures.size() ? index + 1 : -1;
}

// A record cut from the whole of its pictures (FORMINFO, POPUPWINDOW, HINTWINDOW).
RecordPlaces WholeOf(std::vector<int> slots) {
  RecordPlaces places{std::move(slots), {}, {}};
  places.skinRect = places.looks;
  return places;
}

// A caption object's own look ("skinrect" outside its picture) lies in the main picture.
RecordPlaces PlacesOf(const TzsDataSkinObject& o, const SkinContents& skin) {
  RecordPlaces places{{SlotOf(o.activePictureIndex, skin), SlotOf(o.activeMaskPictureIndex, skin)}, {}, {}};
  places.skinRect = o.skinRectInAPicture ? places.looks : std::vector<int>{kMainSlot};
  return places;
}

// A control's cut points count from its skin rectangle's corner.
RecordPlaces PlacesOf(const TzsDataSkinControl& c, const SkinContents& skin) {
  RecordPlaces places = WholeOf({SlotOf(c.pictureIndex, skin), SlotOf(c.maskPictureIndex, skin)});
  places.origin = {c.skinRect.left, c.skinRect.top};
  return places;
}

struct Places {
  RecordPlaces form, popup, hint;
  std::vector<RecordPlaces> objects, controls;
};

Places PlacesOf(const SkinContents& skin) {
  Places places;
  places.form = WholeOf({kMainSlot});
  const auto& popup = *skin.popupWindow;
  places.popup = WholeOf({SlotOf(popup.windowPictureIndex, skin), SlotOf(popup.maskPictureIndex, skin)});
  const auto& hint = *skin.hintWindow;
  places.hint = WholeOf({SlotOf(hint.windowPictureIndex, skin), SlotOf(hint.maskPictureIndex, skin)});
  for (const auto& o : *skin.objects) places.objects.push_back(PlacesOf(*o, skin));
  for (const auto& c : *skin.controls) places.controls.push_back(PlacesOf(*c, skin));
  return places;
}

std::vector<PictureCuts> CutsOf(const SkinContents& skin, const Places& places) {
  std::vector<PictureCuts> cuts(skin.activePictures.size() + 1);
  // The records are only read: the collector takes their fields by reference.
  CollectCuts(const_cast<SkinFormInfo&>(*skin.formInfo), places.form, cuts);
  CollectCuts(const_cast<TzsDataSkinPopupWindow&>(*skin.popupWindow), places.popup, cuts);
  CollectCuts(const_cast<TzsDataSkinHintWindow&>(*skin.hintWindow), places.hint, cuts);
  for (std::size_t i = 0; i < skin.objects->size(); ++i) CollectCuts(*(*skin.objects)[i], places.objects[i], cuts);
  for (std::size_t i = 0; i < skin.controls->size(); ++i) CollectCuts(*(*skin.controls)[i], places.controls[i], cuts);
  return cuts;
}

// Active pictures some record reads as a mask: they stay two-level.
std::vector<bool> MaskSlots(const SkinContents& skin, const Places& places) {
  std::vector<bool> masks(skin.activePictures.size() + 1, false);
  const auto mark = [&](const RecordPlaces& p) {
    if (p.looks.size() > 1 && p.looks[1] >= 0) masks[static_cast<std::size_t>(p.looks[1])] = true;
  };
  mark(places.popup);
  mark(places.hint);
  for (const auto& p : places.objects) mark(p);
  for (const auto& p : places.controls) mark(p);
  masks[kMainSlot] = false;
  return masks;
}

void CheckSize(const SkinContents& skin, int dpi) {
  if (!IsSupportedDpi(dpi)) {
    throw Error("cannot scale a skin to " + std::to_string(dpi) + " DPI (" + std::to_string(kMinDpi) + " to " +
                std::to_string(kMaxDpi) + ")");
  }
  long long pixels = 0;
  bool sidesFit = true;
  const auto add = [&](const BitmapView& v) {
    const Size s = ScaleSize({v.width(), v.height()}, dpi);
    sidesFit = sidesFit && s.width <= kMaxScaledSide && s.height <= kMaxScaledSide;
    pixels += static_cast<long long>(s.width) * s.height;
  };
  add(skin.picture);
  add(skin.inactivePicture);
  add(skin.mask);
  for (const BitmapView& v : skin.activePictures) add(v);
  if (!sidesFit || pixels > kMaxScaledSkinPixels) {
    throw Error("the skin's pictures at " + std::to_string(dpi) + " DPI would pass the limit of " +
                std::to_string(kMaxScaledSkinPixels) + " pixels or sides of " + std::to_string(kMaxScaledSide));
  }
}

Bitmap Resampled(const BitmapView& source, const PictureGrid& grid, int dpi, ResampleFilter filter) {
  if (source.width() <= 0 || source.height() <= 0) return {};
  const Size size = ScaleSize({source.width(), source.height()}, dpi);
  Bitmap out(size.width, size.height);
  ResampleGrid(source, grid.x.Grid(), grid.y.Grid(), out.view(), filter);
  return out;
}

// The main group shares the main picture's cuts; a picture of another size gets its own grid.
Bitmap ResampledLike(const BitmapView& source, const PictureCuts& cuts, const PictureGrid& main, Size mainSize, int dpi,
                     ResampleFilter filter) {
  if (Size{source.width(), source.height()} == mainSize) return Resampled(source, main, dpi, filter);
  return Resampled(source, PictureGrid(cuts, {source.width(), source.height()}, dpi), dpi, filter);
}

}  // namespace

ScaledSkin::ScaledSkin(const SkinContents& skin, int dpi) : dpi_(dpi) {
  CheckSize(skin, dpi);
  const Places places = PlacesOf(skin);
  const std::vector<PictureCuts> cuts = CutsOf(skin, places);
  const std::vector<bool> masks = MaskSlots(skin, places);
  std::vector<PictureGrid> grids;
  const Size mainSize{skin.picture.width(), skin.picture.height()};
  grids.emplace_back(cuts[kMainSlot], mainSize, dpi);
  for (std::size_t i = 0; i < skin.activePictures.size(); ++i) {
    const BitmapView& v = skin.activePictures[i];
    grids.emplace_back(cuts[i + 1], Size{v.width(), v.height()}, dpi);
  }

  using enum ResampleFilter;
  picture_ = Resampled(skin.picture, grids[kMainSlot], dpi, kArea);
  inactivePicture_ = ResampledLike(skin.inactivePicture, cuts[kMainSlot], grids[kMainSlot], mainSize, dpi, kArea);
  mask_ = ResampledLike(skin.mask, cuts[kMainSlot], grids[kMainSlot], mainSize, dpi, kNearest);
  for (std::size_t i = 0; i < skin.activePictures.size(); ++i) {
    activePictures_.push_back(Resampled(skin.activePictures[i], grids[i + 1], dpi, masks[i + 1] ? kNearest : kArea));
  }

  formInfo_ = *skin.formInfo;
  ScaleKeys(formInfo_, places.form, grids, dpi);
  popupWindow_ = *skin.popupWindow;
  ScaleKeys(popupWindow_, places.popup, grids, dpi);
  hintWindow_ = *skin.hintWindow;
  ScaleKeys(hintWindow_, places.hint, grids, dpi);
  colors_ = *skin.colors;
  for (std::size_t i = 0; i < skin.objects->size(); ++i) {
    objects_.push_back(CloneObjectRecord(*(*skin.objects)[i]));
    ScaleKeys(*objects_.back(), places.objects[i], grids, dpi);
  }
  for (std::size_t i = 0; i < skin.controls->size(); ++i) {
    controls_.push_back(CloneControlRecord(*(*skin.controls)[i]));
    ScaleKeys(*controls_.back(), places.controls[i], grids, dpi);
  }
}

const TzsDataSkinControl* ScaledSkin::ControlRecord(std::string_view name) const {
  for (const auto& record : controls_) {
    if (record->Name() == name) return record.get();
  }
  return nullptr;
}

BitmapView ScaledSkin::Picture(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= activePictures_.size()) return {};
  return View(activePictures_[static_cast<std::size_t>(index)]);
}

const ScaledSkin* ScaledSkinCache::Get(const SkinContents& skin, int dpi) const {
  auto [entry, added] = entries_.try_emplace(dpi);
  if (added) {
    try {
      entry->second.skin = std::make_unique<ScaledSkin>(skin, dpi);
    } catch (const std::exception& e) {
      entry->second.error = e.what();
    }
  }
  return entry->second.skin.get();
}

std::string ScaledSkinCache::Error(int dpi) const {
  const auto found = entries_.find(dpi);
  return found == entries_.end() ? std::string() : found->second.error;
}

namespace {

class NoSkin : public SkinSource {
 public:
  bool IsEmpty() const override { return true; }
  const TzsDataSkinControl* ControlRecord(std::string_view) const override { return nullptr; }
  BitmapView Picture(int) const override { return {}; }
  const TzsSkinColors& Colors() const override { return colors_; }

 private:
  TzsSkinColors colors_;
};

}  // namespace

const SkinSource& NoSkinSource() {
  static const NoSkin none;
  return none;
}

}  // namespace zv
