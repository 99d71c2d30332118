#pragma once
// Typed records of the global sections of a skin definition: VERSION,
// PICTURES, FORMINFO, POPUPWINDOW, HINTWINDOW and SKINCOLORS. Each reads
// and writes its section through one key table (global_sections.cpp).
#include <string>
#include <vector>

#include "core/skin/record_keys.h"

namespace zv {

// VERSION: descriptive only ("ver" is not read).
struct SkinVersionInfo {
  std::string skinName, skinAuthor, authorEmail, authorUrl, skinComments;

  void VisitKeys(KeyVisitor& visitor);
  void LoadFromIni(const IniText& ini);
  void SaveToIni(IniText& ini) const;
};

// PICTURES: the file names the package was built from.
struct SkinPictureNames {
  std::string picture, inactivePicture, mask;
  std::vector<std::string> activePictures;  // list "activepictures", index order

  void VisitKeys(KeyVisitor& visitor);
  void LoadFromIni(const IniText& ini);
  void SaveToIni(IniText& ini) const;
};

// FORMINFO: the window frame cut from the main picture.
struct SkinFormInfo {
  Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
  Rect clientRect;
  int bgPictureIndex = -1;
  int mdiBgPictureIndex = -1;
  bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
  bool stretchEffect = false;
  StretchType stretchType = StretchType::stFull;
  bool mdiBgStretchEffect = false;
  StretchType mdiBgStretchType = StretchType::stFull;
  Rect maskRectArea;
  Point hitTestLeftTopPoint, hitTestRightTopPoint, hitTestLeftBottomPoint, hitTestRightBottomPoint;
  Rect buttonsRect, captionRect;
  int buttonsOffset = 0;
  bool buttonsInLeft = false;
  bool mainMenuPopupUp = false;
  int borderWidth = 0;
  int formMinWidth = 0;
  bool mdiTabsTransparent = false;
  bool mainMenuBarTransparent = false;
  bool autoRenderingInactiveImage = false;
  InactiveEffect inactiveEffect = InactiveEffect::ieBrightness;

  void VisitKeys(KeyVisitor& visitor);
  // Reads every key, then completes the values; `hasMask` is PICTURES
  // "mask" being non-empty.
  void LoadFromIni(const IniText& ini, bool hasMask);
  void SaveToIni(IniText& ini) const;
};

// The completion run after FORMINFO is read: mask area and hit-test points
// (only with a mask), then the cut points pulled into the client rect.
void CompleteFormInfo(SkinFormInfo& info, bool hasMask);

// POPUPWINDOW: the frame of skinned popup menus.
struct TzsDataSkinPopupWindow {
  int windowPictureIndex = -1;
  int maskPictureIndex = -1;
  Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
  Rect itemsRect;
  ColorRef scrollMarkerColor = 0;
  ColorRef scrollMarkerActiveColor = 0;
  bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
  bool stretchEffect = false;
  StretchType stretchType = StretchType::stFull;

  void VisitKeys(KeyVisitor& visitor);
  void LoadFromIni(const IniText& ini);
  void SaveToIni(IniText& ini) const;
};

// HINTWINDOW: the frame of the skinned hint window.
struct TzsDataSkinHintWindow {
  int windowPictureIndex = -1;
  int maskPictureIndex = -1;
  Point leftTopPoint, rightTopPoint, leftBottomPoint, rightBottomPoint;
  Rect clientRect;
  std::string fontName = "Arial";
  int fontHeight = 12;  // 14 once a definition is read without "fontheight"
  FontStyle fontStyle;
  ColorRef fontColor = 0;
  bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
  bool stretchEffect = false;
  StretchType stretchType = StretchType::stFull;

  void VisitKeys(KeyVisitor& visitor);
  void LoadFromIni(const IniText& ini);
  void SaveToIni(IniText& ini) const;
};

// SKINCOLORS: the skin's replacements for eight system colours. A fresh
// record holds 0 everywhere until the first clear or load.
struct TzsSkinColors {
  ColorRef cBtnFace = 0, cBtnText = 0, cWindow = 0, cWindowText = 0;
  ColorRef cHighlight = 0, cHighlightText = 0, cBtnHighlight = 0, cBtnShadow = 0;

  void VisitKeys(KeyVisitor& visitor);
  void LoadFromIni(const IniText& ini);
  void SaveToIni(IniText& ini) const;
  // Every colour back to the system colour a missing key reads as.
  void ResetToSystemColors();
};

}  // namespace zv
