#include "core/skin/global_sections.h"

#include <gtest/gtest.h>

#include "core/skin/skin_definition.h"

using namespace zv;

namespace {

const char kEmbeddedFormInfo[] =
    "[forminfo]\r\n"
    "lefttoppoint=9,29\r\nrighttoppoint=274,30\r\nleftbottompoint=8,200\r\nrightbottompoint=274,200\r\n"
    "CLIENTRECT=4,27,281,206\r\nbgpictureindex=-1\r\nmdibgpictureindex=5\r\n"
    "leftstretch=0\r\nrightstretch=0\r\ntopstretch=0\r\nbottomstretch=0\r\nmaskrectarea=4,3,282,206\r\n"
    "hittestlefttoppoint=7,6\r\nhittestrighttoppoint=279,8\r\nhittestleftbottompoint=9,202\r\n"
    "hittestrightbottompoint=276,203\r\nbuttonsrect=0,0,0,0\r\ncaptionrect=3,5,282,24\r\nbuttonsoffset=2\r\n"
    "buttonsinleft=0\r\nmainmenupopupup=0\r\nborderwidth=3\r\nautorenderinginactiveimage=0\r\n"
    "inactiveeffect=iegrayscale\r\nformminwidth=100\r\nformminwidth=300\r\n";

SkinFormInfo FormInfo(const std::string& text, bool hasMask) {
  SkinFormInfo info;
  info.LoadFromIni(IniText::Parse(text), hasMask);
  return info;
}

}  // namespace

TEST(SkinGlobalSections, FormInfoOfTheEmbeddedSkinIsUnchangedByCompletion) {
  const SkinFormInfo info = FormInfo(kEmbeddedFormInfo, true);
  EXPECT_EQ(info.leftTopPoint, (Point{9, 29}));
  EXPECT_EQ(info.rightTopPoint, (Point{274, 30}));
  EXPECT_EQ(info.leftBottomPoint, (Point{8, 200}));
  EXPECT_EQ(info.rightBottomPoint, (Point{274, 200}));
  EXPECT_EQ(info.clientRect, (Rect{4, 27, 281, 206}));
  EXPECT_EQ(info.maskRectArea, (Rect{4, 3, 282, 206}));
  EXPECT_EQ(info.hitTestLeftTopPoint, (Point{7, 6}));
  EXPECT_EQ(info.hitTestRightBottomPoint, (Point{276, 203}));
  EXPECT_EQ(info.bgPictureIndex, -1);
  EXPECT_EQ(info.mdiBgPictureIndex, 5);
  EXPECT_EQ(info.captionRect, (Rect{3, 5, 282, 24}));
  EXPECT_EQ(info.buttonsOffset, 2);
  EXPECT_EQ(info.borderWidth, 3);
  EXPECT_EQ(info.formMinWidth, 300);  // the later line wins
  EXPECT_EQ(info.inactiveEffect, InactiveEffect::ieGrayscale);
  EXPECT_EQ(info.stretchType, StretchType::stFull);
  EXPECT_EQ(info.mdiBgStretchType, StretchType::stFull);
  const SkinFormInfo none = FormInfo("", false);
  EXPECT_EQ(none.inactiveEffect, InactiveEffect::ieBrightness);
  EXPECT_EQ(none.bgPictureIndex, -1);
  EXPECT_EQ(none.clientRect, (Rect{}));
}

TEST(SkinGlobalSections, CompletionWithAMask) {
  const std::string base =
      "[FORMINFO]\nlefttoppoint=9,29\nrighttoppoint=274,30\nleftbottompoint=8,200\n"
      "rightbottompoint=274,200\nclientrect=4,27,281,206\n";
  const std::string text = base + "hittestlefttoppoint=0,5\nhittestrighttoppoint=7,7\nmaskrectarea=10,3,200,300\n";
  const SkinFormInfo masked = FormInfo(text, true);
  EXPECT_EQ(masked.hitTestLeftTopPoint, (Point{9, 29}));                  // null (x = 0): takes the cut point
  EXPECT_EQ(masked.hitTestRightTopPoint, (Point{7, 7}));                  // set: kept
  EXPECT_EQ(masked.hitTestLeftBottomPoint, (Point{8, 200}));              // missing: takes the cut point
  EXPECT_EQ(masked.maskRectArea, (Rect{4, 3, 281, 300}));                 // widened by the client rect
  EXPECT_EQ(FormInfo(base, true).maskRectArea, (Rect{4, 27, 281, 206}));  // null: a copy
  const SkinFormInfo unmasked = FormInfo(text, false);
  EXPECT_EQ(unmasked.hitTestLeftTopPoint, (Point{0, 5}));
  EXPECT_EQ(unmasked.hitTestLeftBottomPoint, (Point{0, 0}));
  EXPECT_EQ(unmasked.maskRectArea, (Rect{10, 3, 200, 300}));
}

TEST(SkinGlobalSections, CutPointsArePulledIntoTheClientRect) {
  const SkinFormInfo info = FormInfo(
      "[FORMINFO]\nlefttoppoint=2,2\nrighttoppoint=400,1\nleftbottompoint=1,500\nrightbottompoint=300,300\n"
      "clientrect=4,27,281,206\n",
      false);
  EXPECT_EQ(info.leftTopPoint, (Point{4, 27}));
  EXPECT_EQ(info.rightTopPoint, (Point{281, 27}));
  EXPECT_EQ(info.leftBottomPoint, (Point{4, 206}));
  EXPECT_EQ(info.rightBottomPoint, (Point{281, 206}));
  // Equal x (or y) of the two corners: nothing moves.
  const SkinFormInfo same =
      FormInfo("[FORMINFO]\nlefttoppoint=2,2\nrightbottompoint=2,300\nclientrect=4,27,281,206\n", false);
  EXPECT_EQ(same.leftTopPoint, (Point{2, 2}));
  EXPECT_EQ(same.rightBottomPoint, (Point{2, 300}));
}

TEST(SkinGlobalSections, PopupHintAndColours) {
  TzsDataSkinHintWindow hint;
  EXPECT_EQ(hint.fontHeight, 12);  // at creation
  EXPECT_EQ(hint.windowPictureIndex, -1);
  hint.LoadFromIni(IniText::Parse("[HINTWINDOW]\nfontstyle=fsitalic\nfontcolor=255\nclientrect=1,2,3,4\n"));
  EXPECT_EQ(hint.fontHeight, 14);  // missing after a load
  EXPECT_EQ(hint.fontName, "Arial");
  EXPECT_EQ(hint.fontStyle.bits, unsigned{kFontItalic});
  EXPECT_EQ(hint.fontColor, 255u);
  EXPECT_EQ(hint.clientRect, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(hint.maskPictureIndex, -1);

  TzsDataSkinPopupWindow popup;
  popup.LoadFromIni(
      IniText::Parse("[POPUPWINDOW]\nwindowpictureindex=2\nmaskpictureindex=0x6\n"
                     "scrollmarkercolor=16711680\nitemsrect=5,5,80,90\nstretchtype=sthorz\n"));
  EXPECT_EQ(popup.windowPictureIndex, 2);
  EXPECT_EQ(popup.maskPictureIndex, 6);
  EXPECT_EQ(popup.scrollMarkerColor, 0xFF0000u);
  EXPECT_EQ(popup.itemsRect, (Rect{5, 5, 80, 90}));
  EXPECT_EQ(popup.stretchType, StretchType::stHorz);

  TzsSkinColors colors;
  EXPECT_EQ(colors.cBtnFace, 0u);  // a fresh record holds 0
  colors.LoadFromIni(IniText::Parse(
      "[SKINCOLORS]\ncbtnface=16641763\ncbtntext=0\ncwindow=16777215\nchighlight=13668176\ncbtnshadow=x\n"));
  EXPECT_EQ(colors.cBtnFace, 16641763u);
  EXPECT_EQ(colors.cBtnText, 0u);
  EXPECT_EQ(colors.cHighlight, 13668176u);
  EXPECT_EQ(colors.cWindowText, SystemColor(0x08));  // missing
  EXPECT_EQ(colors.cBtnShadow, SystemColor(0x10));   // unreadable
  colors.ResetToSystemColors();
  const ColorRef expected[] = {SystemColor(0x0F), SystemColor(0x12), SystemColor(0x05), SystemColor(0x08),
                               SystemColor(0x0D), SystemColor(0x0E), SystemColor(0x14), SystemColor(0x10)};
  const ColorRef actual[] = {colors.cBtnFace,   colors.cBtnText,       colors.cWindow,       colors.cWindowText,
                             colors.cHighlight, colors.cHighlightText, colors.cBtnHighlight, colors.cBtnShadow};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(actual[i], expected[i]) << i;
}

TEST(SkinGlobalSections, GlobalRecordsRoundTrip) {
  SkinDefinition skin = ParseSkinDefinition(
      std::string(kEmbeddedFormInfo) +
      "[VERSION]\nskinname=Blue\nskinauthor=Z\nauthoremail=a@b\nauthorurl=http://x\nskincomments=c\nver=9\n"
      "[PICTURES]\npicture=main.bmp\ninactivepicture=\nmask=mask.bmp\nactivepicturescount=2\n0=a.bmp\n1=b.bmp\n"
      "[POPUPWINDOW]\nwindowpictureindex=2\nlefttoppoint=3,4\n[HINTWINDOW]\nfontstyle=fsbold\n"
      "[SKINCOLORS]\ncbtnface=16641763\n");
  EXPECT_EQ(skin.version.skinName, "Blue");
  EXPECT_EQ(skin.pictures.activePictures, (std::vector<std::string>{"a.bmp", "b.bmp"}));
  IniText out;
  skin.version.SaveToIni(out);
  skin.pictures.SaveToIni(out);
  skin.formInfo.SaveToIni(out);
  skin.popupWindow.SaveToIni(out);
  skin.hintWindow.SaveToIni(out);
  skin.colors.SaveToIni(out);
  const SkinDefinition back = ParseSkinDefinition(out.ToText());
  EXPECT_EQ(back.version.skinComments, "c");
  EXPECT_EQ(back.pictures.mask, "mask.bmp");
  EXPECT_EQ(back.pictures.activePictures, skin.pictures.activePictures);
  EXPECT_EQ(back.formInfo.maskRectArea, skin.formInfo.maskRectArea);
  EXPECT_EQ(back.formInfo.hitTestRightTopPoint, (Point{279, 8}));
  EXPECT_EQ(back.formInfo.inactiveEffect, InactiveEffect::ieGrayscale);
  EXPECT_EQ(back.popupWindow.leftTopPoint, (Point{3, 4}));
  EXPECT_EQ(back.hintWindow.fontStyle.bits, unsigned{kFontBold});
  EXPECT_EQ(back.colors.cBtnFace, 16641763u);
  EXPECT_EQ(back.colors.cBtnText, SystemColor(0x12));
  // Writing again gives the same text: every key is written once.
  IniText again;
  SkinDefinition copy = ParseSkinDefinition(out.ToText());
  copy.version.SaveToIni(again);
  copy.pictures.SaveToIni(again);
  copy.formInfo.SaveToIni(again);
  copy.popupWindow.SaveToIni(again);
  copy.hintWindow.SaveToIni(again);
  copy.colors.SaveToIni(again);
  EXPECT_EQ(again.ToText(), out.ToText());
}
