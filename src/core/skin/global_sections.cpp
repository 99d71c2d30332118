#include "core/skin/global_sections.h"

#include <algorithm>

#include "core/skin/rect_rules.h"

namespace zv {
namespace {

using enum KeyUnit;

constexpr std::string_view kVersion = "VERSION";
constexpr std::string_view kPictures = "PICTURES";
constexpr std::string_view kFormInfo = "FORMINFO";
constexpr std::string_view kPopupWindow = "POPUPWINDOW";
constexpr std::string_view kHintWindow = "HINTWINDOW";
constexpr std::string_view kSkinColors = "SKINCOLORS";
constexpr std::string_view kActivePictures = "activepictures";

using V = SkinVersionInfo;
const KeyDef<V> kVersionKeys[] = {
    {"skinname", &V::skinName},     {"skinauthor", &V::skinAuthor},     {"authoremail", &V::authorEmail},
    {"authorurl", &V::authorUrl},   {"skincomments", &V::skinComments},
};

using P = SkinPictureNames;
const KeyDef<P> kPictureKeys[] = {
    {"picture", &P::picture}, {"inactivepicture", &P::inactivePicture}, {"mask", &P::mask}};

using F = SkinFormInfo;
const KeyDef<F> kFormInfoKeys[] = {
    {"lefttoppoint", &F::leftTopPoint, kCut},
    {"righttoppoint", &F::rightTopPoint, kCut},
    {"leftbottompoint", &F::leftBottomPoint, kCut},
    {"rightbottompoint", &F::rightBottomPoint, kCut},
    {"clientrect", &F::clientRect, kCut},
    {"bgpictureindex", &F::bgPictureIndex, kIndex, "-1"},
    {"mdibgpictureindex", &F::mdiBgPictureIndex, kIndex, "-1"},
    {"leftstretch", &F::leftStretch},
    {"rightstretch", &F::rightStretch},
    {"topstretch", &F::topStretch},
    {"bottomstretch", &F::bottomStretch},
    {"stretcheffect", &F::stretchEffect},
    {"stretchtype", &F::stretchType},
    {"mdibgstretcheffect", &F::mdiBgStretchEffect},
    {"mdibgstretchtype", &F::mdiBgStretchType},
    {"maskrectarea", &F::maskRectArea, kCut},
    {"hittestlefttoppoint", &F::hitTestLeftTopPoint, kPixels},
    {"hittestrighttoppoint", &F::hitTestRightTopPoint, kPixels},
    {"hittestleftbottompoint", &F::hitTestLeftBottomPoint, kPixels},
    {"hittestrightbottompoint", &F::hitTestRightBottomPoint, kPixels},
    {"buttonsrect", &F::buttonsRect, kPixels},
    {"captionrect", &F::captionRect, kPixels},
    {"buttonsoffset", &F::buttonsOffset, kPixels},
    {"buttonsinleft", &F::buttonsInLeft},
    {"mainmenupopupup", &F::mainMenuPopupUp},
    {"borderwidth", &F::borderWidth, kPixels},
    {"formminwidth", &F::formMinWidth, kPixels},
    {"mditabstransparent", &F::mdiTabsTransparent},
    {"mainmenubartransparent", &F::mainMenuBarTransparent},
    {"autorenderinginactiveimage", &F::autoRenderingInactiveImage},
    {"inactiveeffect", &F::inactiveEffect},
};

using PW = TzsDataSkinPopupWindow;
const KeyDef<PW> kPopupWindowKeys[] = {
    {"windowpictureindex", &PW::windowPictureIndex, kIndex, "-1"},
    {"maskpictureindex", &PW::maskPictureIndex, kIndex, "-1"},
    {"lefttoppoint", &PW::leftTopPoint, kCut},
    {"righttoppoint", &PW::rightTopPoint, kCut},
    {"leftbottompoint", &PW::leftBottomPoint, kCut},
    {"rightbottompoint", &PW::rightBottomPoint, kCut},
    {"itemsrect", &PW::itemsRect, kCut},
    {"scrollmarkercolor", &PW::scrollMarkerColor},
    {"scrollmarkeractivecolor", &PW::scrollMarkerActiveColor},
    {"leftstretch", &PW::leftStretch},
    {"rightstretch", &PW::rightStretch},
    {"topstretch", &PW::topStretch},
    {"bottomstretch", &PW::bottomStretch},
    {"stretcheffect", &PW::stretchEffect},
    {"stretchtype", &PW::stretchType},
};

using HW = TzsDataSkinHintWindow;
const KeyDef<HW> kHintWindowKeys[] = {
    {"windowpictureindex", &HW::windowPictureIndex, kIndex, "-1"},
    {"maskpictureindex", &HW::maskPictureIndex, kIndex, "-1"},
    {"lefttoppoint", &HW::leftTopPoint, kCut},
    {"righttoppoint", &HW::rightTopPoint, kCut},
    {"leftbottompoint", &HW::leftBottomPoint, kCut},
    {"rightbottompoint", &HW::rightBottomPoint, kCut},
    {"clientrect", &HW::clientRect, kCut},
    {"fontname", &HW::fontName, "Arial"},
    {"fontheight", &HW::fontHeight, kPixels, "14"},
    {"fontstyle", &HW::fontStyle},
    {"fontcolor", &HW::fontColor},
    {"leftstretch", &HW::leftStretch},
    {"rightstretch", &HW::rightStretch},
    {"topstretch", &HW::topStretch},
    {"bottomstretch", &HW::bottomStretch},
    {"stretcheffect", &HW::stretchEffect},
    {"stretchtype", &HW::stretchType},
};

// Missing colours are system colours 0xFF0000nn.
using C = TzsSkinColors;
const KeyDef<C> kSkinColorKeys[] = {
    {"cbtnface", &C::cBtnFace, "$FF00000F"},           {"cbtntext", &C::cBtnText, "$FF000012"},
    {"cwindow", &C::cWindow, "$FF000005"},             {"cwindowtext", &C::cWindowText, "$FF000008"},
    {"chighlight", &C::cHighlight, "$FF00000D"},       {"chighlighttext", &C::cHighlightText, "$FF00000E"},
    {"cbtnhighlight", &C::cBtnHighlight, "$FF000014"}, {"cbtnshadow", &C::cBtnShadow, "$FF000010"},
};

}  // namespace

void SkinVersionInfo::VisitKeys(KeyVisitor& visitor) { VisitTable<V>(*this, kVersionKeys, visitor); }
void SkinVersionInfo::LoadFromIni(const IniText& ini) { LoadKeys(*this, ini, kVersion); }
void SkinVersionInfo::SaveToIni(IniText& ini) const { SaveKeys(*this, ini, kVersion); }

void SkinPictureNames::VisitKeys(KeyVisitor& visitor) { VisitTable<P>(*this, kPictureKeys, visitor); }
void SkinPictureNames::LoadFromIni(const IniText& ini) {
  LoadKeys(*this, ini, kPictures);
  activePictures.clear();
  ReadIndexedList(ini, kPictures, kActivePictures, activePictures);
}
void SkinPictureNames::SaveToIni(IniText& ini) const {
  SaveKeys(*this, ini, kPictures);
  WriteIndexedList(ini, kPictures, kActivePictures, activePictures);
}

void SkinFormInfo::VisitKeys(KeyVisitor& visitor) { VisitTable<F>(*this, kFormInfoKeys, visitor); }
void SkinFormInfo::LoadFromIni(const IniText& ini, bool hasMask) {
  LoadKeys(*this, ini, kFormInfo);
  CompleteFormInfo(*this, hasMask);
}
void SkinFormInfo::SaveToIni(IniText& ini) const { SaveKeys(*this, ini, kFormInfo); }

void CompleteFormInfo(SkinFormInfo& info, bool hasMask) {
  const Rect& client = info.clientRect;
  if (hasMask) {
    Rect& area = info.maskRectArea;
    if (IsNullRect(area)) {
      area = client;
    } else {
      area = {std::min(area.left, client.left), std::min(area.top, client.top), std::max(area.right, client.right),
              std::max(area.bottom, client.bottom)};
    }
    const auto fill = [](Point& hitTest, Point cut) {
      if (IsNullPoint(hitTest)) hitTest = cut;
    };
    fill(info.hitTestLeftTopPoint, info.leftTopPoint);
    fill(info.hitTestRightTopPoint, info.rightTopPoint);
    fill(info.hitTestLeftBottomPoint, info.leftBottomPoint);
    fill(info.hitTestRightBottomPoint, info.rightBottomPoint);
  }
  Point& lt = info.leftTopPoint;
  Point& rt = info.rightTopPoint;
  Point& lb = info.leftBottomPoint;
  Point& rb = info.rightBottomPoint;
  if (rb.x == lt.x || rb.y == lt.y) return;
  lt = {std::max(lt.x, client.left), std::max(lt.y, client.top)};
  rt = {std::min(rt.x, client.right), std::max(rt.y, client.top)};
  lb = {std::max(lb.x, client.left), std::min(lb.y, client.bottom)};
  rb = {std::min(rb.x, client.right), std::min(rb.y, client.bottom)};
}

void TzsDataSkinPopupWindow::VisitKeys(KeyVisitor& visitor) { VisitTable<PW>(*this, kPopupWindowKeys, visitor); }
void TzsDataSkinPopupWindow::LoadFromIni(const IniText& ini) { LoadKeys(*this, ini, kPopupWindow); }
void TzsDataSkinPopupWindow::SaveToIni(IniText& ini) const { SaveKeys(*this, ini, kPopupWindow); }

void TzsDataSkinHintWindow::VisitKeys(KeyVisitor& visitor) { VisitTable<HW>(*this, kHintWindowKeys, visitor); }
void TzsDataSkinHintWindow::LoadFromIni(const IniText& ini) { LoadKeys(*this, ini, kHintWindow); }
void TzsDataSkinHintWindow::SaveToIni(IniText& ini) const { SaveKeys(*this, ini, kHintWindow); }

void TzsSkinColors::VisitKeys(KeyVisitor& visitor) { VisitTable<C>(*this, kSkinColorKeys, visitor); }
void TzsSkinColors::LoadFromIni(const IniText& ini) { LoadKeys(*this, ini, kSkinColors); }
void TzsSkinColors::SaveToIni(IniText& ini) const { SaveKeys(*this, ini, kSkinColors); }
// An empty definition reads every colour as its missing default.
void TzsSkinColors::ResetToSystemColors() { LoadFromIni(IniText{}); }

}  // namespace zv
