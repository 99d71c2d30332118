#pragma once
// A record's pixel quantities at a DPI, walked through the same key tables
// that load and store it: first every record tells each picture the cuts and
// looks it makes in it, then each record's copy is scaled through the grids
// those pictures get.
#include <vector>

#include "core/skin/record_keys.h"
#include "core/skin/scaling/picture_grid.h"

namespace zv {

// Where a record's keys lie. Slots name pictures: 0 the main picture (with
// the inactive picture and the frame mask), i + 1 active picture i, -1 none.
struct RecordPlaces {
  std::vector<int> looks;     // the pictures its looks are cut from: its picture, its mask
  std::vector<int> skinRect;  // where its "skinrect" look lies
  Point origin;               // cuts count from here (its skin rectangle's corner)
};

// Adds the cuts and looks of `record` to the pictures of `places`.
template <class R>
void CollectCuts(R& record, const RecordPlaces& places, std::vector<PictureCuts>& pictures);

// Scales every pixel quantity of `record` (a copy) through the grids of
// `places`; a slot without a grid scales by the plain rule.
template <class R>
void ScaleKeys(R& record, const RecordPlaces& places, const std::vector<PictureGrid>& grids, int dpi);

// Visits only the pixel quantities of a record.
class PixelKeyVisitor : public KeyVisitor {
 public:
  void Visit(const KeyInfo&, std::string&) override {}
  void Visit(const KeyInfo& key, int& field) override;
  void Visit(const KeyInfo&, ColorRef&) override {}
  void Visit(const KeyInfo&, bool&) override {}
  void Visit(const KeyInfo& key, Point& field) override;
  void Visit(const KeyInfo& key, Rect& field) override;
  void Visit(const KeyInfo&, FontStyle&) override {}
  void Visit(const KeyInfo&, Alignment&) override {}
  void Visit(const KeyInfo&, StretchType&) override {}
  void Visit(const KeyInfo&, InactiveEffect&) override {}
  void Visit(const KeyInfo&, MorphKind&) override {}
  void Visit(const KeyInfo&, ButtonCommand&) override {}

 protected:
  virtual void Length(const KeyInfo& key, int& field) = 0;
  virtual void At(const KeyInfo& key, Point& field) = 0;
  virtual void Area(const KeyInfo& key, Rect& field) = 0;
};

class CutCollector : public PixelKeyVisitor {
 public:
  CutCollector(const RecordPlaces& places, std::vector<PictureCuts>& pictures) : places_(places), pictures_(pictures) {}

 protected:
  void Length(const KeyInfo&, int&) override {}
  void At(const KeyInfo& key, Point& field) override;
  void Area(const KeyInfo& key, Rect& field) override;

 private:
  template <typename Add>
  void ForEach(const std::vector<int>& slots, Add add);

  const RecordPlaces& places_;
  std::vector<PictureCuts>& pictures_;
};

class KeyScaler : public PixelKeyVisitor {
 public:
  KeyScaler(const RecordPlaces& places, const std::vector<PictureGrid>& grids, int dpi);

 protected:
  void Length(const KeyInfo& key, int& field) override;
  void At(const KeyInfo& key, Point& field) override;
  void Area(const KeyInfo& key, Rect& field) override;

 private:
  const PictureGrid& GridOf(const std::vector<int>& slots) const;

  const RecordPlaces& places_;
  const std::vector<PictureGrid>& grids_;
  PictureGrid plain_;
  int dpi_;
};

template <class R>
void CollectCuts(R& record, const RecordPlaces& places, std::vector<PictureCuts>& pictures) {
  CutCollector collector(places, pictures);
  record.VisitKeys(collector);
}

template <class R>
void ScaleKeys(R& record, const RecordPlaces& places, const std::vector<PictureGrid>& grids, int dpi) {
  KeyScaler scaler(places, grids, dpi);
  record.VisitKeys(scaler);
}

}  // namespace zv
