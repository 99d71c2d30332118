#include "core/skin/control_records.h"

#include <array>
#include <utility>

namespace zv {
namespace {

using enum KeyUnit;

// Key tables, one per class, holding only the keys the class adds.
const KeyDef<TzsDataSkinControl> kDataSkinControlKeys[] = {
    {"pictureindex", &TzsDataSkinControl::pictureIndex, kIndex, "-1"},
    {"maskpictureindex", &TzsDataSkinControl::maskPictureIndex, kIndex, "-1"},
    {"skinrect", &TzsDataSkinControl::skinRect, kLook},
};

const KeyDef<TzsDataSkinCustomControl> kDataSkinCustomControlKeys[] = {
    {"lefttoppoint", &TzsDataSkinCustomControl::leftTopPoint, kCut},
    {"righttoppoint", &TzsDataSkinCustomControl::rightTopPoint, kCut},
    {"leftbottompoint", &TzsDataSkinCustomControl::leftBottomPoint, kCut},
    {"rightbottompoint", &TzsDataSkinCustomControl::rightBottomPoint, kCut},
    {"clientrect", &TzsDataSkinCustomControl::clientRect, kCut},
    {"leftstretch", &TzsDataSkinCustomControl::leftStretch},
    {"topstretch", &TzsDataSkinCustomControl::topStretch},
    {"rightstretch", &TzsDataSkinCustomControl::rightStretch},
    {"bottomstretch", &TzsDataSkinCustomControl::bottomStretch},
    {"stretcheffect", &TzsDataSkinCustomControl::stretchEffect},
    {"stretchtype", &TzsDataSkinCustomControl::stretchType},
};

const KeyDef<TzsDataSkinPanelControl> kDataSkinPanelControlKeys[] = {
    {"bgpictureindex", &TzsDataSkinPanelControl::bgPictureIndex, kIndex, "-1"},
    {"captionrect", &TzsDataSkinPanelControl::captionRect, kPixels},
    {"alignment", &TzsDataSkinPanelControl::alignment},
    {"fontname", &TzsDataSkinPanelControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinPanelControl::fontHeight, kPixels, "14"},
    {"fontstyle", &TzsDataSkinPanelControl::fontStyle},
    {"fontcolor", &TzsDataSkinPanelControl::fontColor},
    {"checkimagerect", &TzsDataSkinPanelControl::checkImageRect, kLook},
    {"uncheckimagerect", &TzsDataSkinPanelControl::uncheckImageRect, kLook},
    {"markframerect", &TzsDataSkinPanelControl::markFrameRect, kLook},
    {"framerect", &TzsDataSkinPanelControl::frameRect, kLook},
    {"frametextrect", &TzsDataSkinPanelControl::frameTextRect, kPixels},
    {"frameleftoffset", &TzsDataSkinPanelControl::frameLeftOffset, kPixels},
    {"framerightoffset", &TzsDataSkinPanelControl::frameRightOffset, kPixels},
    {"gripperrect", &TzsDataSkinPanelControl::gripperRect, kLook},
    {"grippertransparent", &TzsDataSkinPanelControl::gripperTransparent},
    {"grippertransparentcolor", &TzsDataSkinPanelControl::gripperTransparentColor},
};

const KeyDef<TzsDataSkinExPanelControl> kDataSkinExPanelControlKeys[] = {
    {"rollhskinrect", &TzsDataSkinExPanelControl::rollHSkinRect, kLook},
    {"rollvskinrect", &TzsDataSkinExPanelControl::rollVSkinRect, kLook},
    {"rollvcaptionrect", &TzsDataSkinExPanelControl::rollVCaptionRect, kPixels},
    {"rollhcaptionrect", &TzsDataSkinExPanelControl::rollHCaptionRect, kPixels},
    {"closebuttonrect", &TzsDataSkinExPanelControl::closeButtonRect, kLook},
    {"closebuttonactiverect", &TzsDataSkinExPanelControl::closeButtonActiveRect, kLook},
    {"closebuttondownrect", &TzsDataSkinExPanelControl::closeButtonDownRect, kLook},
    {"hrollbuttonrect", &TzsDataSkinExPanelControl::hRollButtonRect, kLook},
    {"hrollbuttonactiverect", &TzsDataSkinExPanelControl::hRollButtonActiveRect, kLook},
    {"hrollbuttondownrect", &TzsDataSkinExPanelControl::hRollButtonDownRect, kLook},
    {"hrestorebuttonrect", &TzsDataSkinExPanelControl::hRestoreButtonRect, kLook},
    {"hrestorebuttonactiverect", &TzsDataSkinExPanelControl::hRestoreButtonActiveRect, kLook},
    {"hrestorebuttondownrect", &TzsDataSkinExPanelControl::hRestoreButtonDownRect, kLook},
    {"vrollbuttonrect", &TzsDataSkinExPanelControl::vRollButtonRect, kLook},
    {"vrollbuttonactiverect", &TzsDataSkinExPanelControl::vRollButtonActiveRect, kLook},
    {"vrollbuttondownrect", &TzsDataSkinExPanelControl::vRollButtonDownRect, kLook},
    {"vrestorebuttonrect", &TzsDataSkinExPanelControl::vRestoreButtonRect, kLook},
    {"vrestorebuttonactiverect", &TzsDataSkinExPanelControl::vRestoreButtonActiveRect, kLook},
    {"vrestorebuttondownrect", &TzsDataSkinExPanelControl::vRestoreButtonDownRect, kLook},
    {"captionrect", &TzsDataSkinExPanelControl::captionRect, kPixels},
    {"rollleftoffset", &TzsDataSkinExPanelControl::rollLeftOffset, kPixels},
    {"rollrightoffset", &TzsDataSkinExPanelControl::rollRightOffset, kPixels},
    {"rolltopoffset", &TzsDataSkinExPanelControl::rollTopOffset, kPixels},
    {"rollbottomoffset", &TzsDataSkinExPanelControl::rollBottomOffset, kPixels},
    {"fontheight", &TzsDataSkinExPanelControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinExPanelControl::fontColor},
    {"buttonstransparentcolor", &TzsDataSkinExPanelControl::buttonsTransparentColor},
    {"fontname", &TzsDataSkinExPanelControl::fontName, "Arial"},
    {"fontstyle", &TzsDataSkinExPanelControl::fontStyle},
    {"buttonstransparent", &TzsDataSkinExPanelControl::buttonsTransparent},
};

const KeyDef<TzsDataSkinButtonControl> kDataSkinButtonControlKeys[] = {
    {"fontname", &TzsDataSkinButtonControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinButtonControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinButtonControl::fontColor},
    {"activefontcolor", &TzsDataSkinButtonControl::activeFontColor},
    {"downfontcolor", &TzsDataSkinButtonControl::downFontColor},
    {"disabledfontcolor", &TzsDataSkinButtonControl::disabledFontColor},
    {"framecount", &TzsDataSkinButtonControl::frameCount, kCount},
    {"animateinterval", &TzsDataSkinButtonControl::animateInterval, kMilliseconds, "25"},
    {"menumarkertransparentcolor", &TzsDataSkinButtonControl::menuMarkerTransparentColor},
    {"glowlayerpictureindex", &TzsDataSkinButtonControl::glowLayerPictureIndex, kIndex, "-1"},
    {"glowlayermaskpictureindex", &TzsDataSkinButtonControl::glowLayerMaskPictureIndex, kIndex, "-1"},
    {"glowlayeroffsetleft", &TzsDataSkinButtonControl::glowLayerOffsetLeft, kPixels},
    {"glowlayeroffsettop", &TzsDataSkinButtonControl::glowLayerOffsetTop, kPixels},
    {"glowlayeroffsetright", &TzsDataSkinButtonControl::glowLayerOffsetRight, kPixels},
    {"glowlayeroffsetbottom", &TzsDataSkinButtonControl::glowLayerOffsetBottom, kPixels},
    {"glowlayershowoffsetx", &TzsDataSkinButtonControl::glowLayerShowOffsetX, kPixels},
    {"glowlayershowoffsety", &TzsDataSkinButtonControl::glowLayerShowOffsetY, kPixels},
    {"glowlayeralphablendvalue", &TzsDataSkinButtonControl::glowLayerAlphaBlendValue, kAlpha, "255"},
    {"fontstyle", &TzsDataSkinButtonControl::fontStyle},
    {"activeskinrect", &TzsDataSkinButtonControl::activeSkinRect, kLook},
    {"downskinrect", &TzsDataSkinButtonControl::downSkinRect, kLook},
    {"focusedskinrect", &TzsDataSkinButtonControl::focusedSkinRect, kLook},
    {"disabledskinrect", &TzsDataSkinButtonControl::disabledSkinRect, kLook},
    {"animateskinrect", &TzsDataSkinButtonControl::animateSkinRect, kLook},
    {"menumarkerflatrect", &TzsDataSkinButtonControl::menuMarkerFlatRect, kLook},
    {"menumarkerrect", &TzsDataSkinButtonControl::menuMarkerRect, kLook},
    {"menumarkeractiverect", &TzsDataSkinButtonControl::menuMarkerActiveRect, kLook},
    {"menumarkerdownrect", &TzsDataSkinButtonControl::menuMarkerDownRect, kLook},
    {"morphing", &TzsDataSkinButtonControl::morphing},
    {"showfocus", &TzsDataSkinButtonControl::showFocus},
    {"morphkind", &TzsDataSkinButtonControl::morphKind},
};

const KeyDef<TzsDataSkinMenuButtonControl> kDataSkinMenuButtonControlKeys[] = {
    {"trackbuttonrect", &TzsDataSkinMenuButtonControl::trackButtonRect, kLook},
};

const KeyDef<TzsDataSkinCheckRadioControl> kDataSkinCheckRadioControlKeys[] = {
    {"fontname", &TzsDataSkinCheckRadioControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinCheckRadioControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinCheckRadioControl::fontColor},
    {"activefontcolor", &TzsDataSkinCheckRadioControl::activeFontColor},
    {"unenabledfontcolor", &TzsDataSkinCheckRadioControl::unenabledFontColor},
    {"framefontcolor", &TzsDataSkinCheckRadioControl::frameFontColor},
    {"fontstyle", &TzsDataSkinCheckRadioControl::fontStyle},
    {"activeskinrect", &TzsDataSkinCheckRadioControl::activeSkinRect, kLook},
    {"checkimagearea", &TzsDataSkinCheckRadioControl::checkImageArea, kPixels},
    {"textarea", &TzsDataSkinCheckRadioControl::textArea, kPixels},
    {"checkimagerect", &TzsDataSkinCheckRadioControl::checkImageRect, kLook},
    {"uncheckimagerect", &TzsDataSkinCheckRadioControl::uncheckImageRect, kLook},
    {"activecheckimagerect", &TzsDataSkinCheckRadioControl::activeCheckImageRect, kLook},
    {"activeuncheckimagerect", &TzsDataSkinCheckRadioControl::activeUncheckImageRect, kLook},
    {"unenabledcheckimagerect", &TzsDataSkinCheckRadioControl::unenabledCheckImageRect, kLook},
    {"unenableduncheckimagerect", &TzsDataSkinCheckRadioControl::unenabledUncheckImageRect, kLook},
    {"grayedcheckimagerect", &TzsDataSkinCheckRadioControl::grayedCheckImageRect, kLook},
    {"activegrayedcheckimagerect", &TzsDataSkinCheckRadioControl::activeGrayedCheckImageRect, kLook},
    {"morphing", &TzsDataSkinCheckRadioControl::morphing},
    {"morphkind", &TzsDataSkinCheckRadioControl::morphKind},
};

const KeyDef<TzsDataSkinGaugeControl> kDataSkinGaugeControlKeys[] = {
    {"progressarea", &TzsDataSkinGaugeControl::progressArea, kPixels},
    {"progressrect", &TzsDataSkinGaugeControl::progressRect, kLook},
    {"animationskinrect", &TzsDataSkinGaugeControl::animationSkinRect, kLook},
    {"progressanimationskinrect", &TzsDataSkinGaugeControl::progressAnimationSkinRect, kLook},
    {"beginoffset", &TzsDataSkinGaugeControl::beginOffset, kPixels},
    {"endoffset", &TzsDataSkinGaugeControl::endOffset, kPixels},
    {"fontheight", &TzsDataSkinGaugeControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinGaugeControl::fontColor},
    {"progresstransparentcolor", &TzsDataSkinGaugeControl::progressTransparentColor},
    {"animationcountframes", &TzsDataSkinGaugeControl::animationCountFrames, kCount},
    {"animationtimerinterval", &TzsDataSkinGaugeControl::animationTimerInterval, kMilliseconds},
    {"progressanimationcountframes", &TzsDataSkinGaugeControl::progressAnimationCountFrames, kCount},
    {"progressanimationtimerinterval", &TzsDataSkinGaugeControl::progressAnimationTimerInterval, kMilliseconds},
    {"animationbeginoffset", &TzsDataSkinGaugeControl::animationBeginOffset, kPixels},
    {"animationendoffset", &TzsDataSkinGaugeControl::animationEndOffset, kPixels},
    {"vertical", &TzsDataSkinGaugeControl::vertical},
    {"progresstransparent", &TzsDataSkinGaugeControl::progressTransparent},
    {"progressstretch", &TzsDataSkinGaugeControl::progressStretch},
    {"fontname", &TzsDataSkinGaugeControl::fontName, "Arial"},
    {"fontstyle", &TzsDataSkinGaugeControl::fontStyle},
};

const KeyDef<TzsDataSkinSplitterControl> kDataSkinSplitterControlKeys[] = {
    {"gripperrect", &TzsDataSkinSplitterControl::gripperRect, kLook},
    {"grippertransparent", &TzsDataSkinSplitterControl::gripperTransparent},
    {"grippertransparentcolor", &TzsDataSkinSplitterControl::gripperTransparentColor},
};

const KeyDef<TzsDataSkinTrackBarControl> kDataSkinTrackBarControlKeys[] = {
    {"activeskinrect", &TzsDataSkinTrackBarControl::activeSkinRect, kLook},
    {"trackarea", &TzsDataSkinTrackBarControl::trackArea, kPixels},
    {"buttonrect", &TzsDataSkinTrackBarControl::buttonRect, kLook},
    {"activebuttonrect", &TzsDataSkinTrackBarControl::activeButtonRect, kLook},
    {"vertical", &TzsDataSkinTrackBarControl::vertical},
    {"buttontransparent", &TzsDataSkinTrackBarControl::buttonTransparent},
    {"buttontransparentcolor", &TzsDataSkinTrackBarControl::buttonTransparentColor},
};

const KeyDef<TzsDataSkinLabelControl> kDataSkinLabelControlKeys[] = {
    {"fontname", &TzsDataSkinLabelControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinLabelControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinLabelControl::fontColor},
    {"fontstyle", &TzsDataSkinLabelControl::fontStyle},
};

const KeyDef<TzsDataSkinStdLabelControl> kDataSkinStdLabelControlKeys[] = {
    {"fontname", &TzsDataSkinStdLabelControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinStdLabelControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinStdLabelControl::fontColor},
    {"activefontcolor", &TzsDataSkinStdLabelControl::activeFontColor, "16711680"},
    {"fontstyle", &TzsDataSkinStdLabelControl::fontStyle},
};

const KeyDef<TzsDataSkinUpDownControl> kDataSkinUpDownControlKeys[] = {
    {"upbuttonrect", &TzsDataSkinUpDownControl::upButtonRect, kLook},
    {"activeupbuttonrect", &TzsDataSkinUpDownControl::activeUpButtonRect, kLook},
    {"downupbuttonrect", &TzsDataSkinUpDownControl::downUpButtonRect, kLook},
    {"downbuttonrect", &TzsDataSkinUpDownControl::downButtonRect, kLook},
    {"activedownbuttonrect", &TzsDataSkinUpDownControl::activeDownButtonRect, kLook},
    {"downdownbuttonrect", &TzsDataSkinUpDownControl::downDownButtonRect, kLook},
};

const KeyDef<TzsDataSkinGridControl> kDataSkinGridControlKeys[] = {
    {"fixedcellrect", &TzsDataSkinGridControl::fixedCellRect, kLook},
    {"selectcellrect", &TzsDataSkinGridControl::selectCellRect, kLook},
    {"focuscellrect", &TzsDataSkinGridControl::focusCellRect, kLook},
    {"fixedcelltextrect", &TzsDataSkinGridControl::fixedCellTextRect, kPixels},
    {"celltextrect", &TzsDataSkinGridControl::cellTextRect, kPixels},
    {"fixedcellleftoffset", &TzsDataSkinGridControl::fixedCellLeftOffset, kPixels},
    {"fixedcellrightoffset", &TzsDataSkinGridControl::fixedCellRightOffset, kPixels},
    {"cellleftoffset", &TzsDataSkinGridControl::cellLeftOffset, kPixels},
    {"cellrightoffset", &TzsDataSkinGridControl::cellRightOffset, kPixels},
    {"bgpictureindex", &TzsDataSkinGridControl::bgPictureIndex, kIndex, "-1"},
    {"linescolor", &TzsDataSkinGridControl::linesColor},
    {"bgcolor", &TzsDataSkinGridControl::bgColor},
    {"fontheight", &TzsDataSkinGridControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinGridControl::fontColor},
    {"selectfontcolor", &TzsDataSkinGridControl::selectFontColor},
    {"focusfontcolor", &TzsDataSkinGridControl::focusFontColor},
    {"fixedfontheight", &TzsDataSkinGridControl::fixedFontHeight, kPixels, "14"},
    {"fixedfontcolor", &TzsDataSkinGridControl::fixedFontColor},
    {"fontname", &TzsDataSkinGridControl::fontName, "Arial"},
    {"fixedfontname", &TzsDataSkinGridControl::fixedFontName, "Arial"},
    {"fontstyle", &TzsDataSkinGridControl::fontStyle},
    {"fixedfontstyle", &TzsDataSkinGridControl::fixedFontStyle},
    {"cellstretcheffect", &TzsDataSkinGridControl::cellStretchEffect},
    {"fixedcellstretcheffect", &TzsDataSkinGridControl::fixedCellStretchEffect},
    {"showfocus", &TzsDataSkinGridControl::showFocus},
};

const KeyDef<TzsDataSkinTabControl> kDataSkinTabControlKeys[] = {
    {"tabrect", &TzsDataSkinTabControl::tabRect, kLook},
    {"activetabrect", &TzsDataSkinTabControl::activeTabRect, kLook},
    {"focustabrect", &TzsDataSkinTabControl::focusTabRect, kLook},
    {"mouseintabrect", &TzsDataSkinTabControl::mouseInTabRect, kLook},
    {"clientrect", &TzsDataSkinTabControl::clientRect, kCut},
    {"tabsbgrect", &TzsDataSkinTabControl::tabsBgRect, kLook},
    {"closebuttonrect", &TzsDataSkinTabControl::closeButtonRect, kLook},
    {"closebuttonactiverect", &TzsDataSkinTabControl::closeButtonActiveRect, kLook},
    {"closebuttondownrect", &TzsDataSkinTabControl::closeButtonDownRect, kLook},
    {"bgpictureindex", &TzsDataSkinTabControl::bgPictureIndex, kIndex, "-1"},
    {"tableftoffset", &TzsDataSkinTabControl::tabLeftOffset, kPixels},
    {"tabrightoffset", &TzsDataSkinTabControl::tabRightOffset, kPixels},
    {"fontheight", &TzsDataSkinTabControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinTabControl::fontColor},
    {"activefontcolor", &TzsDataSkinTabControl::activeFontColor},
    {"focusfontcolor", &TzsDataSkinTabControl::focusFontColor},
    {"mouseinfontcolor", &TzsDataSkinTabControl::mouseInFontColor},
    {"focusoffsetx", &TzsDataSkinTabControl::focusOffsetX, kPixels},
    {"focusoffsety", &TzsDataSkinTabControl::focusOffsetY, kPixels},
    {"buttontransparentcolor", &TzsDataSkinTabControl::buttonTransparentColor},
    {"lefttoppoint", &TzsDataSkinTabControl::leftTopPoint, kCut},
    {"righttoppoint", &TzsDataSkinTabControl::rightTopPoint, kCut},
    {"leftbottompoint", &TzsDataSkinTabControl::leftBottomPoint, kCut},
    {"rightbottompoint", &TzsDataSkinTabControl::rightBottomPoint, kCut},
    {"tabstretcheffect", &TzsDataSkinTabControl::tabStretchEffect},
    {"leftstretch", &TzsDataSkinTabControl::leftStretch},
    {"topstretch", &TzsDataSkinTabControl::topStretch},
    {"rightstretch", &TzsDataSkinTabControl::rightStretch},
    {"bottomstretch", &TzsDataSkinTabControl::bottomStretch},
    {"stretcheffect", &TzsDataSkinTabControl::stretchEffect},
    {"showfocus", &TzsDataSkinTabControl::showFocus},
    {"buttontransparent", &TzsDataSkinTabControl::buttonTransparent},
    {"stretchtype", &TzsDataSkinTabControl::stretchType},
    {"fontname", &TzsDataSkinTabControl::fontName, "Arial"},
    {"updown", &TzsDataSkinTabControl::upDownName},
    {"fontstyle", &TzsDataSkinTabControl::fontStyle},
};

const KeyDef<TzsDataSkinMainMenuBar> kDataSkinMainMenuBarKeys[] = {
    {"itemsrect", &TzsDataSkinMainMenuBar::itemsRect, kPixels},
    {"menubaritem", &TzsDataSkinMainMenuBar::menuBarItemName},
    {"closebutton", &TzsDataSkinMainMenuBar::closeButtonName},
    {"minbutton", &TzsDataSkinMainMenuBar::minButtonName},
    {"maxbutton", &TzsDataSkinMainMenuBar::maxButtonName},
    {"sysmenubutton", &TzsDataSkinMainMenuBar::sysMenuButtonName},
    {"trackmarkcolor", &TzsDataSkinMainMenuBar::trackMarkColor},
    {"trackmarkactivecolor", &TzsDataSkinMainMenuBar::trackMarkActiveColor},
    {"stretcheffect", &TzsDataSkinMainMenuBar::stretchEffect},
    {"itemtransparent", &TzsDataSkinMainMenuBar::itemTransparent},
};

const KeyDef<TzsDataSkinControlBar> kDataSkinControlBarKeys[] = {
    {"itemrect", &TzsDataSkinControlBar::itemRect, kLook},
    {"hgriprect", &TzsDataSkinControlBar::hGripRect, kLook},
    {"vgriprect", &TzsDataSkinControlBar::vGripRect, kLook},
    {"bgpictureindex", &TzsDataSkinControlBar::bgPictureIndex, kIndex, "-1"},
    {"gripoffset1", &TzsDataSkinControlBar::gripOffset1, kPixels},
    {"gripoffset2", &TzsDataSkinControlBar::gripOffset2, kPixels},
    {"itemoffset1", &TzsDataSkinControlBar::itemOffset1, kPixels, "3"},
    {"itemoffset2", &TzsDataSkinControlBar::itemOffset2, kPixels, "3"},
    {"itemtransparentcolor", &TzsDataSkinControlBar::itemTransparentColor},
    {"griptransparentcolor", &TzsDataSkinControlBar::gripTransparentColor},
    {"itemstretcheffect", &TzsDataSkinControlBar::itemStretchEffect},
    {"itemtransparent", &TzsDataSkinControlBar::itemTransparent},
    {"griptransparent", &TzsDataSkinControlBar::gripTransparent},
};

const KeyDef<TzsDataSkinEditControl> kDataSkinEditControlKeys[] = {
    {"activeskinrect", &TzsDataSkinEditControl::activeSkinRect, kLook},
    {"buttonrect", &TzsDataSkinEditControl::buttonRect, kLook},
    {"activebuttonrect", &TzsDataSkinEditControl::activeButtonRect, kLook},
    {"downbuttonrect", &TzsDataSkinEditControl::downButtonRect, kLook},
    {"unenabledbuttonrect", &TzsDataSkinEditControl::unenabledButtonRect, kLook},
    {"fontname", &TzsDataSkinEditControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinEditControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinEditControl::fontColor},
    {"disabledfontcolor", &TzsDataSkinEditControl::disabledFontColor},
    {"activefontcolor", &TzsDataSkinEditControl::activeFontColor},
    {"fontstyle", &TzsDataSkinEditControl::fontStyle},
};

const KeyDef<TzsDataSkinMemoControl> kDataSkinMemoControlKeys[] = {
    {"bgcolor", &TzsDataSkinMemoControl::bgColor},
    {"activebgcolor", &TzsDataSkinMemoControl::activeBgColor},
};

const KeyDef<TzsDataSkinListBox> kDataSkinListBoxKeys[] = {
    {"itemrect", &TzsDataSkinListBox::itemRect, kLook},
    {"activeitemrect", &TzsDataSkinListBox::activeItemRect, kLook},
    {"focusitemrect", &TzsDataSkinListBox::focusItemRect, kLook},
    {"itemtextrect", &TzsDataSkinListBox::itemTextRect, kPixels},
    {"captionrect", &TzsDataSkinListBox::captionRect, kLook},
    {"upbuttonrect", &TzsDataSkinListBox::upButtonRect, kLook},
    {"activeupbuttonrect", &TzsDataSkinListBox::activeUpButtonRect, kLook},
    {"downupbuttonrect", &TzsDataSkinListBox::downUpButtonRect, kLook},
    {"downbuttonrect", &TzsDataSkinListBox::downButtonRect, kLook},
    {"activedownbuttonrect", &TzsDataSkinListBox::activeDownButtonRect, kLook},
    {"downdownbuttonrect", &TzsDataSkinListBox::downDownButtonRect, kLook},
    {"checkbuttonrect", &TzsDataSkinListBox::checkButtonRect, kLook},
    {"activecheckbuttonrect", &TzsDataSkinListBox::activeCheckButtonRect, kLook},
    {"downcheckbuttonrect", &TzsDataSkinListBox::downCheckButtonRect, kLook},
    {"disabledbuttonsrect", &TzsDataSkinListBox::disabledButtonsRect, kLook},
    {"buttonsarea", &TzsDataSkinListBox::buttonsArea, kPixels},
    {"itemleftoffset", &TzsDataSkinListBox::itemLeftOffset, kPixels},
    {"itemrightoffset", &TzsDataSkinListBox::itemRightOffset, kPixels},
    {"fontheight", &TzsDataSkinListBox::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinListBox::fontColor},
    {"activefontcolor", &TzsDataSkinListBox::activeFontColor},
    {"focusfontcolor", &TzsDataSkinListBox::focusFontColor},
    {"captionfontheight", &TzsDataSkinListBox::captionFontHeight, kPixels, "14"},
    {"captionfontcolor", &TzsDataSkinListBox::captionFontColor},
    {"fontname", &TzsDataSkinListBox::fontName, "Arial"},
    {"captionfontname", &TzsDataSkinListBox::captionFontName, "Arial"},
    {"vscrollbarname", &TzsDataSkinListBox::vScrollBarName, "vscrollbar"},
    {"hscrollbarname", &TzsDataSkinListBox::hScrollBarName, "hscrollbar"},
    {"bothhscrollbarname", &TzsDataSkinListBox::bothHScrollBarName, "bothhscrollbar"},
    {"fontstyle", &TzsDataSkinListBox::fontStyle},
    {"captionfontstyle", &TzsDataSkinListBox::captionFontStyle},
    {"showfocus", &TzsDataSkinListBox::showFocus},
};

const KeyDef<TzsDataSkinCheckListBox> kDataSkinCheckListBoxKeys[] = {
    {"itemcheckrect", &TzsDataSkinCheckListBox::itemCheckRect, kPixels},
    {"checkimagerect", &TzsDataSkinCheckListBox::checkImageRect, kLook},
    {"uncheckimagerect", &TzsDataSkinCheckListBox::uncheckImageRect, kLook},
};

const KeyDef<TzsDataSkinComboBox> kDataSkinComboBoxKeys[] = {
    {"activeskinrect", &TzsDataSkinComboBox::activeSkinRect, kLook},
    {"itemrect", &TzsDataSkinComboBox::itemRect, kLook},
    {"activeitemrect", &TzsDataSkinComboBox::activeItemRect, kLook},
    {"focusitemrect", &TzsDataSkinComboBox::focusItemRect, kLook},
    {"itemtextrect", &TzsDataSkinComboBox::itemTextRect, kPixels},
    {"buttonrect", &TzsDataSkinComboBox::buttonRect, kLook},
    {"activebuttonrect", &TzsDataSkinComboBox::activeButtonRect, kLook},
    {"downbuttonrect", &TzsDataSkinComboBox::downButtonRect, kLook},
    {"unenabledbuttonrect", &TzsDataSkinComboBox::unenabledButtonRect, kLook},
    {"itemleftoffset", &TzsDataSkinComboBox::itemLeftOffset, kPixels},
    {"itemrightoffset", &TzsDataSkinComboBox::itemRightOffset, kPixels},
    {"fontheight", &TzsDataSkinComboBox::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinComboBox::fontColor},
    {"focusfontcolor", &TzsDataSkinComboBox::focusFontColor},
    {"activefontcolor", &TzsDataSkinComboBox::activeFontColor},
    {"fontname", &TzsDataSkinComboBox::fontName, "Arial"},
    {"listboxname", &TzsDataSkinComboBox::listBoxName},
    {"fontstyle", &TzsDataSkinComboBox::fontStyle},
    {"itemstretcheffect", &TzsDataSkinComboBox::itemStretchEffect},
    {"focusitemstretcheffect", &TzsDataSkinComboBox::focusItemStretchEffect},
    {"showfocus", &TzsDataSkinComboBox::showFocus},
};

const KeyDef<TzsDataSkinScrollBarControl> kDataSkinScrollBarControlKeys[] = {
    {"trackarea", &TzsDataSkinScrollBarControl::trackArea, kPixels},
    {"upbuttonrect", &TzsDataSkinScrollBarControl::upButtonRect, kLook},
    {"activeupbuttonrect", &TzsDataSkinScrollBarControl::activeUpButtonRect, kLook},
    {"downupbuttonrect", &TzsDataSkinScrollBarControl::downUpButtonRect, kLook},
    {"downbuttonrect", &TzsDataSkinScrollBarControl::downButtonRect, kLook},
    {"activedownbuttonrect", &TzsDataSkinScrollBarControl::activeDownButtonRect, kLook},
    {"downdownbuttonrect", &TzsDataSkinScrollBarControl::downDownButtonRect, kLook},
    {"thumbrect", &TzsDataSkinScrollBarControl::thumbRect, kLook},
    {"activethumbrect", &TzsDataSkinScrollBarControl::activeThumbRect, kLook},
    {"downthumbrect", &TzsDataSkinScrollBarControl::downThumbRect, kLook},
    {"glyphrect", &TzsDataSkinScrollBarControl::glyphRect, kLook},
    {"activeglyphrect", &TzsDataSkinScrollBarControl::activeGlyphRect, kLook},
    {"downglyphrect", &TzsDataSkinScrollBarControl::downGlyphRect, kLook},
    {"thumboffset1", &TzsDataSkinScrollBarControl::thumbOffset1, kPixels},
    {"thumboffset2", &TzsDataSkinScrollBarControl::thumbOffset2, kPixels},
    {"thumbtransparentcolor", &TzsDataSkinScrollBarControl::thumbTransparentColor},
    {"thumbminsize", &TzsDataSkinScrollBarControl::thumbMinSize, kPixels},
    {"thumbminpagesize", &TzsDataSkinScrollBarControl::thumbMinPageSize, kPixels},
    {"glyphtransparentcolor", &TzsDataSkinScrollBarControl::glyphTransparentColor},
    {"thumbtransparent", &TzsDataSkinScrollBarControl::thumbTransparent},
    {"thumbstretcheffect", &TzsDataSkinScrollBarControl::thumbStretchEffect},
    {"glyphtransparent", &TzsDataSkinScrollBarControl::glyphTransparent},
};

const KeyDef<TzsDataSkinSpinEditControl> kDataSkinSpinEditControlKeys[] = {
    {"activeskinrect", &TzsDataSkinSpinEditControl::activeSkinRect, kLook},
    {"upbuttonrect", &TzsDataSkinSpinEditControl::upButtonRect, kLook},
    {"activeupbuttonrect", &TzsDataSkinSpinEditControl::activeUpButtonRect, kLook},
    {"downupbuttonrect", &TzsDataSkinSpinEditControl::downUpButtonRect, kLook},
    {"downbuttonrect", &TzsDataSkinSpinEditControl::downButtonRect, kLook},
    {"activedownbuttonrect", &TzsDataSkinSpinEditControl::activeDownButtonRect, kLook},
    {"downdownbuttonrect", &TzsDataSkinSpinEditControl::downDownButtonRect, kLook},
    {"fontname", &TzsDataSkinSpinEditControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinSpinEditControl::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinSpinEditControl::fontColor},
    {"activefontcolor", &TzsDataSkinSpinEditControl::activeFontColor},
    {"disabledfontcolor", &TzsDataSkinSpinEditControl::disabledFontColor},
    {"fontstyle", &TzsDataSkinSpinEditControl::fontStyle},
};

const KeyDef<TzsDataSkinScrollBoxControl> kDataSkinScrollBoxControlKeys[] = {
    {"bgpictureindex", &TzsDataSkinScrollBoxControl::bgPictureIndex, kIndex, "-1"},
};

const KeyDef<TzsDataSkinTreeView> kDataSkinTreeViewKeys[] = {
    {"fontname", &TzsDataSkinTreeView::fontName, "Arial"},
    {"fontheight", &TzsDataSkinTreeView::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinTreeView::fontColor},
    {"bgcolor", &TzsDataSkinTreeView::bgColor},
    {"fontstyle", &TzsDataSkinTreeView::fontStyle},
};

const KeyDef<TzsDataSkinBevel> kDataSkinBevelKeys[] = {
    {"lightcolor", &TzsDataSkinBevel::lightColor},
    {"darkcolor", &TzsDataSkinBevel::darkColor},
};

const KeyDef<TzsDataSkinSlider> kDataSkinSliderKeys[] = {
    {"bgcolor", &TzsDataSkinSlider::bgColor},
    {"edgesize", &TzsDataSkinSlider::edgeSize, kPixels},
    {"pointscolor", &TzsDataSkinSlider::pointsColor, kCut},
    {"hrulerrect", &TzsDataSkinSlider::hRulerRect, kLook},
    {"hthumbrect", &TzsDataSkinSlider::hThumbRect, kLook},
    {"vrulerrect", &TzsDataSkinSlider::vRulerRect, kLook},
    {"vthumbrect", &TzsDataSkinSlider::vThumbRect, kLook},
};

const KeyDef<TzsDataSkinListView> kDataSkinListViewKeys[] = {
    {"fontname", &TzsDataSkinListView::fontName, "Arial"},
    {"fontheight", &TzsDataSkinListView::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinListView::fontColor},
    {"bgcolor", &TzsDataSkinListView::bgColor},
    {"fontstyle", &TzsDataSkinListView::fontStyle},
};

const KeyDef<TzsDataSkinRichEdit> kDataSkinRichEditKeys[] = {
    {"fontname", &TzsDataSkinRichEdit::fontName, "Arial"},
    {"fontheight", &TzsDataSkinRichEdit::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinRichEdit::fontColor},
    {"bgcolor", &TzsDataSkinRichEdit::bgColor},
    {"fontstyle", &TzsDataSkinRichEdit::fontStyle},
};


template <class R>
std::unique_ptr<TzsDataSkinControl> Make(std::string name) {
  return std::make_unique<R>(std::move(name));
}

template <class R>
std::unique_ptr<TzsDataSkinControl> Copy(const TzsDataSkinControl& record) {
  return std::make_unique<R>(static_cast<const R&>(record));
}

struct ControlType {
  std::string_view word;
  std::unique_ptr<TzsDataSkinControl> (*create)(std::string);
  std::unique_ptr<TzsDataSkinControl> (*copy)(const TzsDataSkinControl&);
};

const ControlType kControlTypes[] = {
    {"panel", &Make<TzsDataSkinPanelControl>, &Copy<TzsDataSkinPanelControl>},
    {"expanel", &Make<TzsDataSkinExPanelControl>, &Copy<TzsDataSkinExPanelControl>},
    {"button", &Make<TzsDataSkinButtonControl>, &Copy<TzsDataSkinButtonControl>},
    {"menubutton", &Make<TzsDataSkinMenuButtonControl>, &Copy<TzsDataSkinMenuButtonControl>},
    {"checkradio", &Make<TzsDataSkinCheckRadioControl>, &Copy<TzsDataSkinCheckRadioControl>},
    {"gauge", &Make<TzsDataSkinGaugeControl>, &Copy<TzsDataSkinGaugeControl>},
    {"splitter", &Make<TzsDataSkinSplitterControl>, &Copy<TzsDataSkinSplitterControl>},
    {"trackbar", &Make<TzsDataSkinTrackBarControl>, &Copy<TzsDataSkinTrackBarControl>},
    {"label", &Make<TzsDataSkinLabelControl>, &Copy<TzsDataSkinLabelControl>},
    {"stdlabel", &Make<TzsDataSkinStdLabelControl>, &Copy<TzsDataSkinStdLabelControl>},
    {"updown", &Make<TzsDataSkinUpDownControl>, &Copy<TzsDataSkinUpDownControl>},
    {"grid", &Make<TzsDataSkinGridControl>, &Copy<TzsDataSkinGridControl>},
    {"tab", &Make<TzsDataSkinTabControl>, &Copy<TzsDataSkinTabControl>},
    {"mainmenubar", &Make<TzsDataSkinMainMenuBar>, &Copy<TzsDataSkinMainMenuBar>},
    {"controlbar", &Make<TzsDataSkinControlBar>, &Copy<TzsDataSkinControlBar>},
    {"edit", &Make<TzsDataSkinEditControl>, &Copy<TzsDataSkinEditControl>},
    {"memo", &Make<TzsDataSkinMemoControl>, &Copy<TzsDataSkinMemoControl>},
    {"listbox", &Make<TzsDataSkinListBox>, &Copy<TzsDataSkinListBox>},
    {"checklistbox", &Make<TzsDataSkinCheckListBox>, &Copy<TzsDataSkinCheckListBox>},
    {"combobox", &Make<TzsDataSkinComboBox>, &Copy<TzsDataSkinComboBox>},
    {"scrollbar", &Make<TzsDataSkinScrollBarControl>, &Copy<TzsDataSkinScrollBarControl>},
    {"spinedit", &Make<TzsDataSkinSpinEditControl>, &Copy<TzsDataSkinSpinEditControl>},
    {"scrollbox", &Make<TzsDataSkinScrollBoxControl>, &Copy<TzsDataSkinScrollBoxControl>},
    {"treeview", &Make<TzsDataSkinTreeView>, &Copy<TzsDataSkinTreeView>},
    {"bevel", &Make<TzsDataSkinBevel>, &Copy<TzsDataSkinBevel>},
    {"slider", &Make<TzsDataSkinSlider>, &Copy<TzsDataSkinSlider>},
    {"listview", &Make<TzsDataSkinListView>, &Copy<TzsDataSkinListView>},
    {"richedit", &Make<TzsDataSkinRichEdit>, &Copy<TzsDataSkinRichEdit>},
};

const auto kControlTypeWords = [] {
  std::array<std::string_view, std::size(kControlTypes)> words{};
  for (std::size_t i = 0; i < words.size(); ++i) words[i] = kControlTypes[i].word;
  return words;
}();

}  // namespace

void TzsDataSkinControl::LoadFromIni(const IniText& ini) {
  LoadKeys(*this, ini, name_);
  AfterLoad();
}

void TzsDataSkinControl::SaveToIni(IniText& ini) const { SaveKeys(*this, ini, name_); }

void TzsDataSkinControl::VisitKeys(KeyVisitor& visitor) {
  VisitTable<TzsDataSkinControl>(*this, kDataSkinControlKeys, visitor);
}
void TzsDataSkinCustomControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinCustomControl>(*this, kDataSkinCustomControlKeys, visitor);
}
void TzsDataSkinPanelControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinPanelControl>(*this, kDataSkinPanelControlKeys, visitor);
}
void TzsDataSkinExPanelControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinExPanelControl>(*this, kDataSkinExPanelControlKeys, visitor);
}
void TzsDataSkinButtonControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinButtonControl>(*this, kDataSkinButtonControlKeys, visitor);
}
void TzsDataSkinMenuButtonControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinButtonControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinMenuButtonControl>(*this, kDataSkinMenuButtonControlKeys, visitor);
}
void TzsDataSkinCheckRadioControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinCheckRadioControl>(*this, kDataSkinCheckRadioControlKeys, visitor);
}
void TzsDataSkinGaugeControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinGaugeControl>(*this, kDataSkinGaugeControlKeys, visitor);
}
void TzsDataSkinSplitterControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinSplitterControl>(*this, kDataSkinSplitterControlKeys, visitor);
}
void TzsDataSkinTrackBarControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinTrackBarControl>(*this, kDataSkinTrackBarControlKeys, visitor);
}
void TzsDataSkinLabelControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinLabelControl>(*this, kDataSkinLabelControlKeys, visitor);
}
void TzsDataSkinStdLabelControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinStdLabelControl>(*this, kDataSkinStdLabelControlKeys, visitor);
}
void TzsDataSkinUpDownControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinUpDownControl>(*this, kDataSkinUpDownControlKeys, visitor);
}
void TzsDataSkinGridControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinGridControl>(*this, kDataSkinGridControlKeys, visitor);
}
void TzsDataSkinTabControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinTabControl>(*this, kDataSkinTabControlKeys, visitor);
}
void TzsDataSkinMainMenuBar::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinMainMenuBar>(*this, kDataSkinMainMenuBarKeys, visitor);
}
void TzsDataSkinControlBar::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinControlBar>(*this, kDataSkinControlBarKeys, visitor);
}
void TzsDataSkinEditControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinEditControl>(*this, kDataSkinEditControlKeys, visitor);
}
void TzsDataSkinMemoControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinEditControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinMemoControl>(*this, kDataSkinMemoControlKeys, visitor);
}
void TzsDataSkinListBox::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinListBox>(*this, kDataSkinListBoxKeys, visitor);
}
void TzsDataSkinCheckListBox::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinListBox::VisitKeys(visitor);
  VisitTable<TzsDataSkinCheckListBox>(*this, kDataSkinCheckListBoxKeys, visitor);
}
void TzsDataSkinComboBox::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinComboBox>(*this, kDataSkinComboBoxKeys, visitor);
}
void TzsDataSkinScrollBarControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinScrollBarControl>(*this, kDataSkinScrollBarControlKeys, visitor);
}
void TzsDataSkinSpinEditControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinSpinEditControl>(*this, kDataSkinSpinEditControlKeys, visitor);
}
void TzsDataSkinScrollBoxControl::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinCustomControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinScrollBoxControl>(*this, kDataSkinScrollBoxControlKeys, visitor);
}
void TzsDataSkinTreeView::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinTreeView>(*this, kDataSkinTreeViewKeys, visitor);
}
void TzsDataSkinBevel::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinBevel>(*this, kDataSkinBevelKeys, visitor);
}
void TzsDataSkinSlider::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinSlider>(*this, kDataSkinSliderKeys, visitor);
}
void TzsDataSkinListView::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinListView>(*this, kDataSkinListViewKeys, visitor);
}
void TzsDataSkinRichEdit::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinControl::VisitKeys(visitor);
  VisitTable<TzsDataSkinRichEdit>(*this, kDataSkinRichEditKeys, visitor);
}

// An up-down is never cut into a frame, whatever its section says.
void TzsDataSkinUpDownControl::AfterLoad() {
  leftTopPoint = rightTopPoint = leftBottomPoint = rightBottomPoint = Point{};
  clientRect = Rect{};
}

std::unique_ptr<TzsDataSkinControl> CreateControlRecord(std::string_view typeWord, std::string name) {
  for (const ControlType& type : kControlTypes) {
    if (type.word == typeWord) return type.create(std::move(name));
  }
  return nullptr;
}

std::unique_ptr<TzsDataSkinControl> CloneControlRecord(const TzsDataSkinControl& record) {
  // Every class with a type word is its own; only a bare base has none.
  for (const ControlType& type : kControlTypes) {
    if (type.word == record.TypeWord()) return type.copy(record);
  }
  return std::make_unique<TzsDataSkinControl>(record);
}

std::span<const std::string_view> ControlTypeWords() { return kControlTypeWords; }

}  // namespace zv
