#pragma once
// A skin read from a small skin.ini with pictures made in the test, and a
// host that records what a skinned control asks of its window.
#include <string>
#include <vector>

#include "core/controls/skin_control_host.h"
#include "core/skin/skin_definition.h"
#include "core/skin/skin_source.h"

namespace zv::test {

// Picture whose pixel (x, y) is blue x, green y, red `red`: any copy can be
// traced back to where it came from.
inline Bitmap TracePicture(int width, int height, int red) {
  Bitmap b(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) b.At(x, y) = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y),
                                                  static_cast<std::uint8_t>(red), 0};
  }
  return b;
}

class FakeSkinSource : public SkinSource {
 public:
  FakeSkinSource(std::string_view ini, std::vector<Bitmap> pictures)
      : definition_(ParseSkinDefinition(ini)), pictures_(std::move(pictures)) {}
  bool empty = false;
  bool IsEmpty() const override { return empty; }
  const TzsDataSkinControl* ControlRecord(std::string_view name) const override {
    for (const auto& record : definition_.controls) {
      if (record->Name() == name) return record.get();
    }
    return nullptr;
  }
  BitmapView Picture(int index) const override {
    if (index < 0 || index >= static_cast<int>(pictures_.size())) return {};
    return const_cast<Bitmap&>(pictures_[static_cast<std::size_t>(index)]).view();
  }
  const TzsSkinColors& Colors() const override { return definition_.colors; }
  SkinDefinition& Definition() { return definition_; }

 private:
  SkinDefinition definition_;
  std::vector<Bitmap> pictures_;
};

// The panel record of the program's skin: skin rectangle (141,4)-(200,56),
// all four corner points, client rectangle (2,2)-(57,50), nothing else.
inline constexpr std::string_view kPanelSkinIni =
    "[SKINCOLORS]\r\ncbtnshadow=8421504\r\ncbtntext=255\r\ncbtnface=12632256\r\n"
    "[SKINCONTROLS]\r\ncount=2\r\n0=panel:panel\r\n1=stdlabel:stdlabel\r\n"
    "[panel]\r\npictureindex=0\r\nmaskpictureindex=-1\r\nskinrect=141,4,200,56\r\n"
    "lefttoppoint=10,10\r\nrighttoppoint=49,10\r\nleftbottompoint=10,42\r\nrightbottompoint=49,42\r\n"
    "clientrect=2,2,57,50\r\n"
    "[stdlabel]\r\nfontcolor=65280\r\n";

inline FakeSkinSource PanelSkin() { return FakeSkinSource(kPanelSkinIni, {TracePicture(210, 60, 77)}); }

class FakeSkinHost : public SkinControlHost {
 public:
  FakeSkinHost(TextRenderer& text, Rect bounds) : bounds(bounds), text_(text) {}

  Rect bounds;
  bool hasParent = true;
  bool enabled = true;
  int invalidates = 0;
  int parentBackNotices = 0;
  int realigns = 0;
  std::vector<Rect> shape;
  int shapeCalls = 0;
  std::vector<bool> childrenEnabled;  // every SetChildrenEnabled call
  bool childrenVisible = true;
  bool alignSuspended = false;
  Pixel background{3, 2, 1, 0};  // what "lies behind" the control

  Rect Bounds() const override { return bounds; }
  void ApplyBounds(const Rect& b) override { bounds = b; }
  bool HasParent() const override { return hasParent; }
  void Invalidate() override { ++invalidates; }
  void SetShape(const std::vector<Rect>& rects) override {
    shape = rects;
    ++shapeCalls;
  }
  void PaintParentBackground(const BitmapView& target) override { target.Fill(target.bounds(), background); }
  void NotifyChildrenParentBackChanged() override { ++parentBackNotices; }
  void SetChildrenEnabled(bool on) override { childrenEnabled.push_back(on); }
  void SetChildrenVisible(bool visible) override { childrenVisible = visible; }
  void SetAlignSuspended(bool suspended) override { alignSuspended = suspended; }
  void RealignChildren() override { ++realigns; }
  bool Enabled() const override { return enabled; }
  // Distinct, recognisable values per index.
  ColorRef SystemColorValue(int index) const override { return Rgb(index, index * 2, index * 3); }
  TextRenderer& Text() override { return text_; }

 private:
  TextRenderer& text_;
};

}  // namespace zv::test
