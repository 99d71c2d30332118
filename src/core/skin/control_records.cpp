#include "core/skin/control_records.h"

#include <array>
#include <utility>

namespace zv {
namespace {

// Key tables, one per class, holding only the keys the class adds.
const KeyDef<TzsDataSkinControl> kDataSkinControlKeys[] = {
    {"pictureindex", &TzsDataSkinControl::pictureIndex, "-1"},
    {"maskpictureindex", &TzsDataSkinControl::maskPictureIndex, "-1"},
    {"skinrect", &TzsDataSkinControl::skinRect},
};

const KeyDef<TzsDataSkinCustomControl> kDataSkinCustomControlKeys[] = {
    {"lefttoppoint", &TzsDataSkinCustomControl::leftTopPoint},
    {"righttoppoint", &TzsDataSkinCustomControl::rightTopPoint},
    {"leftbottompoint", &TzsDataSkinCustomControl::leftBottomPoint},
    {"rightbottompoint", &TzsDataSkinCustomControl::rightBottomPoint},
    {"clientrect", &TzsDataSkinCustomControl::clientRect},
    {"leftstretch", &TzsDataSkinCustomControl::leftStretch},
    {"topstretch", &TzsDataSkinCustomControl::topStretch},
    {"rightstretch", &TzsDataSkinCustomControl::rightStretch},
    {"bottomstretch", &TzsDataSkinCustomControl::bottomStretch},
    {"stretcheffect", &TzsDataSkinCustomControl::stretchEffect},
    {"stretchtype", &TzsDataSkinCustomControl::stretchType},
};

const KeyDef<TzsDataSkinPanelControl> kDataSkinPanelControlKeys[] = {
    {"bgpictureindex", &TzsDataSkinPanelControl::bgPictureIndex, "-1"},
    {"captionrect", &TzsDataSkinPanelControl::captionRect},
    {"alignment", &TzsDataSkinPanelControl::alignment},
    {"fontname", &TzsDataSkinPanelControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinPanelControl::fontHeight, "14"},
    {"fontstyle", &TzsDataSkinPanelControl::fontStyle},
    {"fontcolor", &TzsDataSkinPanelControl::fontColor},
    {"checkimagerect", &TzsDataSkinPanelControl::checkImageRect},
    {"uncheckimagerect", &TzsDataSkinPanelControl::uncheckImageRect},
    {"markframerect", &TzsDataSkinPanelControl::markFrameRect},
    {"framerect", &TzsDataSkinPanelControl::frameRect},
    {"frametextrect", &TzsDataSkinPanelControl::frameTextRect},
    {"frameleftoffset", &TzsDataSkinPanelControl::frameLeftOffset},
    {"framerightoffset", &TzsDataSkinPanelControl::frameRightOffset},
    {"gripperrect", &TzsDataSkinPanelControl::gripperRect},
    {"grippertransparent", &TzsDataSkinPanelControl::gripperTransparent},
    {"grippertransparentcolor", &TzsDataSkinPanelControl::gripperTransparentColor},
};

const KeyDef<TzsDataSkinExPanelControl> kDataSkinExPanelControlKeys[] = {
    {"rollhskinrect", &TzsDataSkinExPanelControl::rollHSkinRect},
    {"rollvskinrect", &TzsDataSkinExPanelControl::rollVSkinRect},
    {"rollvcaptionrect", &TzsDataSkinExPanelControl::rollVCaptionRect},
    {"rollhcaptionrect", &TzsDataSkinExPanelControl::rollHCaptionRect},
    {"closebuttonrect", &TzsDataSkinExPanelControl::closeButtonRect},
    {"closebuttonactiverect", &TzsDataSkinExPanelControl::closeButtonActiveRect},
    {"closebuttondownrect", &TzsDataSkinExPanelControl::closeButtonDownRect},
    {"hrollbuttonrect", &TzsDataSkinExPanelControl::hRollButtonRect},
    {"hrollbuttonactiverect", &TzsDataSkinExPanelControl::hRollButtonActiveRect},
    {"hrollbuttondownrect", &TzsDataSkinExPanelControl::hRollButtonDownRect},
    {"hrestorebuttonrect", &TzsDataSkinExPanelControl::hRestoreButtonRect},
    {"hrestorebuttonactiverect", &TzsDataSkinExPanelControl::hRestoreButtonActiveRect},
    {"hrestorebuttondownrect", &TzsDataSkinExPanelControl::hRestoreButtonDownRect},
    {"vrollbuttonrect", &TzsDataSkinExPanelControl::vRollButtonRect},
    {"vrollbuttonactiverect", &TzsDataSkinExPanelControl::vRollButtonActiveRect},
    {"vrollbuttondownrect", &TzsDataSkinExPanelControl::vRollButtonDownRect},
    {"vrestorebuttonrect", &TzsDataSkinExPanelControl::vRestoreButtonRect},
    {"vrestorebuttonactiverect", &TzsDataSkinExPanelControl::vRestoreButtonActiveRect},
    {"vrestorebuttondownrect", &TzsDataSkinExPanelControl::vRestoreButtonDownRect},
    {"captionrect", &TzsDataSkinExPanelControl::captionRect},
    {"rollleftoffset", &TzsDataSkinExPanelControl::rollLeftOffset},
    {"rollrightoffset", &TzsDataSkinExPanelControl::rollRightOffset},
    {"rolltopoffset", &TzsDataSkinExPanelControl::rollTopOffset},
    {"rollbottomoffset", &TzsDataSkinExPanelControl::rollBottomOffset},
    {"fontheight", &TzsDataSkinExPanelControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinExPanelControl::fontColor},
    {"buttonstransparentcolor", &TzsDataSkinExPanelControl::buttonsTransparentColor},
    {"fontname", &TzsDataSkinExPanelControl::fontName, "Arial"},
    {"fontstyle", &TzsDataSkinExPanelControl::fontStyle},
    {"buttonstransparent", &TzsDataSkinExPanelControl::buttonsTransparent},
};

const KeyDef<TzsDataSkinButtonControl> kDataSkinButtonControlKeys[] = {
    {"fontname", &TzsDataSkinButtonControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinButtonControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinButtonControl::fontColor},
    {"activefontcolor", &TzsDataSkinButtonControl::activeFontColor},
    {"downfontcolor", &TzsDataSkinButtonControl::downFontColor},
    {"disabledfontcolor", &TzsDataSkinButtonControl::disabledFontColor},
    {"framecount", &TzsDataSkinButtonControl::frameCount},
    {"animateinterval", &TzsDataSkinButtonControl::animateInterval, "25"},
    {"menumarkertransparentcolor", &TzsDataSkinButtonControl::menuMarkerTransparentColor},
    {"glowlayerpictureindex", &TzsDataSkinButtonControl::glowLayerPictureIndex, "-1"},
    {"glowlayermaskpictureindex", &TzsDataSkinButtonControl::glowLayerMaskPictureIndex, "-1"},
    {"glowlayeroffsetleft", &TzsDataSkinButtonControl::glowLayerOffsetLeft},
    {"glowlayeroffsettop", &TzsDataSkinButtonControl::glowLayerOffsetTop},
    {"glowlayeroffsetright", &TzsDataSkinButtonControl::glowLayerOffsetRight},
    {"glowlayeroffsetbottom", &TzsDataSkinButtonControl::glowLayerOffsetBottom},
    {"glowlayershowoffsetx", &TzsDataSkinButtonControl::glowLayerShowOffsetX},
    {"glowlayershowoffsety", &TzsDataSkinButtonControl::glowLayerShowOffsetY},
    {"glowlayeralphablendvalue", &TzsDataSkinButtonControl::glowLayerAlphaBlendValue, "255"},
    {"fontstyle", &TzsDataSkinButtonControl::fontStyle},
    {"activeskinrect", &TzsDataSkinButtonControl::activeSkinRect},
    {"downskinrect", &TzsDataSkinButtonControl::downSkinRect},
    {"focusedskinrect", &TzsDataSkinButtonControl::focusedSkinRect},
    {"disabledskinrect", &TzsDataSkinButtonControl::disabledSkinRect},
    {"animateskinrect", &TzsDataSkinButtonControl::animateSkinRect},
    {"menumarkerflatrect", &TzsDataSkinButtonControl::menuMarkerFlatRect},
    {"menumarkerrect", &TzsDataSkinButtonControl::menuMarkerRect},
    {"menumarkeractiverect", &TzsDataSkinButtonControl::menuMarkerActiveRect},
    {"menumarkerdownrect", &TzsDataSkinButtonControl::menuMarkerDownRect},
    {"morphing", &TzsDataSkinButtonControl::morphing},
    {"showfocus", &TzsDataSkinButtonControl::showFocus},
    {"morphkind", &TzsDataSkinButtonControl::morphKind},
};

const KeyDef<TzsDataSkinMenuButtonControl> kDataSkinMenuButtonControlKeys[] = {
    {"trackbuttonrect", &TzsDataSkinMenuButtonControl::trackButtonRect},
};

const KeyDef<TzsDataSkinCheckRadioControl> kDataSkinCheckRadioControlKeys[] = {
    {"fontname", &TzsDataSkinCheckRadioControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinCheckRadioControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinCheckRadioControl::fontColor},
    {"activefontcolor", &TzsDataSkinCheckRadioControl::activeFontColor},
    {"unenabledfontcolor", &TzsDataSkinCheckRadioControl::unenabledFontColor},
    {"framefontcolor", &TzsDataSkinCheckRadioControl::frameFontColor},
    {"fontstyle", &TzsDataSkinCheckRadioControl::fontStyle},
    {"activeskinrect", &TzsDataSkinCheckRadioControl::activeSkinRect},
    {"checkimagearea", &TzsDataSkinCheckRadioControl::checkImageArea},
    {"textarea", &TzsDataSkinCheckRadioControl::textArea},
    {"checkimagerect", &TzsDataSkinCheckRadioControl::checkImageRect},
    {"uncheckimagerect", &TzsDataSkinCheckRadioControl::uncheckImageRect},
    {"activecheckimagerect", &TzsDataSkinCheckRadioControl::activeCheckImageRect},
    {"activeuncheckimagerect", &TzsDataSkinCheckRadioControl::activeUncheckImageRect},
    {"unenabledcheckimagerect", &TzsDataSkinCheckRadioControl::unenabledCheckImageRect},
    {"unenableduncheckimagerect", &TzsDataSkinCheckRadioControl::unenabledUncheckImageRect},
    {"grayedcheckimagerect", &TzsDataSkinCheckRadioControl::grayedCheckImageRect},
    {"activegrayedcheckimagerect", &TzsDataSkinCheckRadioControl::activeGrayedCheckImageRect},
    {"morphing", &TzsDataSkinCheckRadioControl::morphing},
    {"morphkind", &TzsDataSkinCheckRadioControl::morphKind},
};

const KeyDef<TzsDataSkinGaugeControl> kDataSkinGaugeControlKeys[] = {
    {"progressarea", &TzsDataSkinGaugeControl::progressArea},
    {"progressrect", &TzsDataSkinGaugeControl::progressRect},
    {"animationskinrect", &TzsDataSkinGaugeControl::animationSkinRect},
    {"progressanimationskinrect", &TzsDataSkinGaugeControl::progressAnimationSkinRect},
    {"beginoffset", &TzsDataSkinGaugeControl::beginOffset},
    {"endoffset", &TzsDataSkinGaugeControl::endOffset},
    {"fontheight", &TzsDataSkinGaugeControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinGaugeControl::fontColor},
    {"progresstransparentcolor", &TzsDataSkinGaugeControl::progressTransparentColor},
    {"animationcountframes", &TzsDataSkinGaugeControl::animationCountFrames},
    {"animationtimerinterval", &TzsDataSkinGaugeControl::animationTimerInterval},
    {"progressanimationcountframes", &TzsDataSkinGaugeControl::progressAnimationCountFrames},
    {"progressanimationtimerinterval", &TzsDataSkinGaugeControl::progressAnimationTimerInterval},
    {"animationbeginoffset", &TzsDataSkinGaugeControl::animationBeginOffset},
    {"animationendoffset", &TzsDataSkinGaugeControl::animationEndOffset},
    {"vertical", &TzsDataSkinGaugeControl::vertical},
    {"progresstransparent", &TzsDataSkinGaugeControl::progressTransparent},
    {"progressstretch", &TzsDataSkinGaugeControl::progressStretch},
    {"fontname", &TzsDataSkinGaugeControl::fontName, "Arial"},
    {"fontstyle", &TzsDataSkinGaugeControl::fontStyle},
};

const KeyDef<TzsDataSkinSplitterControl> kDataSkinSplitterControlKeys[] = {
    {"gripperrect", &TzsDataSkinSplitterControl::gripperRect},
    {"grippertransparent", &TzsDataSkinSplitterControl::gripperTransparent},
    {"grippertransparentcolor", &TzsDataSkinSplitterControl::gripperTransparentColor},
};

const KeyDef<TzsDataSkinTrackBarControl> kDataSkinTrackBarControlKeys[] = {
    {"activeskinrect", &TzsDataSkinTrackBarControl::activeSkinRect},
    {"trackarea", &TzsDataSkinTrackBarControl::trackArea},
    {"buttonrect", &TzsDataSkinTrackBarControl::buttonRect},
    {"activebuttonrect", &TzsDataSkinTrackBarControl::activeButtonRect},
    {"vertical", &TzsDataSkinTrackBarControl::vertical},
    {"buttontransparent", &TzsDataSkinTrackBarControl::buttonTransparent},
    {"buttontransparentcolor", &TzsDataSkinTrackBarControl::buttonTransparentColor},
};

const KeyDef<TzsDataSkinLabelControl> kDataSkinLabelControlKeys[] = {
    {"fontname", &TzsDataSkinLabelControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinLabelControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinLabelControl::fontColor},
    {"fontstyle", &TzsDataSkinLabelControl::fontStyle},
};

const KeyDef<TzsDataSkinStdLabelControl> kDataSkinStdLabelControlKeys[] = {
    {"fontname", &TzsDataSkinStdLabelControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinStdLabelControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinStdLabelControl::fontColor},
    {"activefontcolor", &TzsDataSkinStdLabelControl::activeFontColor, "16711680"},
    {"fontstyle", &TzsDataSkinStdLabelControl::fontStyle},
};

const KeyDef<TzsDataSkinUpDownControl> kDataSkinUpDownControlKeys[] = {
    {"upbuttonrect", &TzsDataSkinUpDownControl::upButtonRect},
    {"activeupbuttonrect", &TzsDataSkinUpDownControl::activeUpButtonRect},
    {"downupbuttonrect", &TzsDataSkinUpDownControl::downUpButtonRect},
    {"downbuttonrect", &TzsDataSkinUpDownControl::downButtonRect},
    {"activedownbuttonrect", &TzsDataSkinUpDownControl::activeDownButtonRect},
    {"downdownbuttonrect", &TzsDataSkinUpDownControl::downDownButtonRect},
};

const KeyDef<TzsDataSkinGridControl> kDataSkinGridControlKeys[] = {
    {"fixedcellrect", &TzsDataSkinGridControl::fixedCellRect},
    {"selectcellrect", &TzsDataSkinGridControl::selectCellRect},
    {"focuscellrect", &TzsDataSkinGridControl::focusCellRect},
    {"fixedcelltextrect", &TzsDataSkinGridControl::fixedCellTextRect},
    {"celltextrect", &TzsDataSkinGridControl::cellTextRect},
    {"fixedcellleftoffset", &TzsDataSkinGridControl::fixedCellLeftOffset},
    {"fixedcellrightoffset", &TzsDataSkinGridControl::fixedCellRightOffset},
    {"cellleftoffset", &TzsDataSkinGridControl::cellLeftOffset},
    {"cellrightoffset", &TzsDataSkinGridControl::cellRightOffset},
    {"bgpictureindex", &TzsDataSkinGridControl::bgPictureIndex, "-1"},
    {"linescolor", &TzsDataSkinGridControl::linesColor},
    {"bgcolor", &TzsDataSkinGridControl::bgColor},
    {"fontheight", &TzsDataSkinGridControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinGridControl::fontColor},
    {"selectfontcolor", &TzsDataSkinGridControl::selectFontColor},
    {"focusfontcolor", &TzsDataSkinGridControl::focusFontColor},
    {"fixedfontheight", &TzsDataSkinGridControl::fixedFontHeight, "14"},
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
    {"tabrect", &TzsDataSkinTabControl::tabRect},
    {"activetabrect", &TzsDataSkinTabControl::activeTabRect},
    {"focustabrect", &TzsDataSkinTabControl::focusTabRect},
    {"mouseintabrect", &TzsDataSkinTabControl::mouseInTabRect},
    {"clientrect", &TzsDataSkinTabControl::clientRect},
    {"tabsbgrect", &TzsDataSkinTabControl::tabsBgRect},
    {"closebuttonrect", &TzsDataSkinTabControl::closeButtonRect},
    {"closebuttonactiverect", &TzsDataSkinTabControl::closeButtonActiveRect},
    {"closebuttondownrect", &TzsDataSkinTabControl::closeButtonDownRect},
    {"bgpictureindex", &TzsDataSkinTabControl::bgPictureIndex, "-1"},
    {"tableftoffset", &TzsDataSkinTabControl::tabLeftOffset},
    {"tabrightoffset", &TzsDataSkinTabControl::tabRightOffset},
    {"fontheight", &TzsDataSkinTabControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinTabControl::fontColor},
    {"activefontcolor", &TzsDataSkinTabControl::activeFontColor},
    {"focusfontcolor", &TzsDataSkinTabControl::focusFontColor},
    {"mouseinfontcolor", &TzsDataSkinTabControl::mouseInFontColor},
    {"focusoffsetx", &TzsDataSkinTabControl::focusOffsetX},
    {"focusoffsety", &TzsDataSkinTabControl::focusOffsetY},
    {"buttontransparentcolor", &TzsDataSkinTabControl::buttonTransparentColor},
    {"lefttoppoint", &TzsDataSkinTabControl::leftTopPoint},
    {"righttoppoint", &TzsDataSkinTabControl::rightTopPoint},
    {"leftbottompoint", &TzsDataSkinTabControl::leftBottomPoint},
    {"rightbottompoint", &TzsDataSkinTabControl::rightBottomPoint},
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
    {"itemsrect", &TzsDataSkinMainMenuBar::itemsRect},
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
    {"itemrect", &TzsDataSkinControlBar::itemRect},
    {"hgriprect", &TzsDataSkinControlBar::hGripRect},
    {"vgriprect", &TzsDataSkinControlBar::vGripRect},
    {"bgpictureindex", &TzsDataSkinControlBar::bgPictureIndex, "-1"},
    {"gripoffset1", &TzsDataSkinControlBar::gripOffset1},
    {"gripoffset2", &TzsDataSkinControlBar::gripOffset2},
    {"itemoffset1", &TzsDataSkinControlBar::itemOffset1, "3"},
    {"itemoffset2", &TzsDataSkinControlBar::itemOffset2, "3"},
    {"itemtransparentcolor", &TzsDataSkinControlBar::itemTransparentColor},
    {"griptransparentcolor", &TzsDataSkinControlBar::gripTransparentColor},
    {"itemstretcheffect", &TzsDataSkinControlBar::itemStretchEffect},
    {"itemtransparent", &TzsDataSkinControlBar::itemTransparent},
    {"griptransparent", &TzsDataSkinControlBar::gripTransparent},
};

const KeyDef<TzsDataSkinEditControl> kDataSkinEditControlKeys[] = {
    {"activeskinrect", &TzsDataSkinEditControl::activeSkinRect},
    {"buttonrect", &TzsDataSkinEditControl::buttonRect},
    {"activebuttonrect", &TzsDataSkinEditControl::activeButtonRect},
    {"downbuttonrect", &TzsDataSkinEditControl::downButtonRect},
    {"unenabledbuttonrect", &TzsDataSkinEditControl::unenabledButtonRect},
    {"fontname", &TzsDataSkinEditControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinEditControl::fontHeight, "14"},
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
    {"itemrect", &TzsDataSkinListBox::itemRect},
    {"activeitemrect", &TzsDataSkinListBox::activeItemRect},
    {"focusitemrect", &TzsDataSkinListBox::focusItemRect},
    {"itemtextrect", &TzsDataSkinListBox::itemTextRect},
    {"captionrect", &TzsDataSkinListBox::captionRect},
    {"upbuttonrect", &TzsDataSkinListBox::upButtonRect},
    {"activeupbuttonrect", &TzsDataSkinListBox::activeUpButtonRect},
    {"downupbuttonrect", &TzsDataSkinListBox::downUpButtonRect},
    {"downbuttonrect", &TzsDataSkinListBox::downButtonRect},
    {"activedownbuttonrect", &TzsDataSkinListBox::activeDownButtonRect},
    {"downdownbuttonrect", &TzsDataSkinListBox::downDownButtonRect},
    {"checkbuttonrect", &TzsDataSkinListBox::checkButtonRect},
    {"activecheckbuttonrect", &TzsDataSkinListBox::activeCheckButtonRect},
    {"downcheckbuttonrect", &TzsDataSkinListBox::downCheckButtonRect},
    {"disabledbuttonsrect", &TzsDataSkinListBox::disabledButtonsRect},
    {"buttonsarea", &TzsDataSkinListBox::buttonsArea},
    {"itemleftoffset", &TzsDataSkinListBox::itemLeftOffset},
    {"itemrightoffset", &TzsDataSkinListBox::itemRightOffset},
    {"fontheight", &TzsDataSkinListBox::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinListBox::fontColor},
    {"activefontcolor", &TzsDataSkinListBox::activeFontColor},
    {"focusfontcolor", &TzsDataSkinListBox::focusFontColor},
    {"captionfontheight", &TzsDataSkinListBox::captionFontHeight, "14"},
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
    {"itemcheckrect", &TzsDataSkinCheckListBox::itemCheckRect},
    {"checkimagerect", &TzsDataSkinCheckListBox::checkImageRect},
    {"uncheckimagerect", &TzsDataSkinCheckListBox::uncheckImageRect},
};

const KeyDef<TzsDataSkinComboBox> kDataSkinComboBoxKeys[] = {
    {"activeskinrect", &TzsDataSkinComboBox::activeSkinRect},
    {"itemrect", &TzsDataSkinComboBox::itemRect},
    {"activeitemrect", &TzsDataSkinComboBox::activeItemRect},
    {"focusitemrect", &TzsDataSkinComboBox::focusItemRect},
    {"itemtextrect", &TzsDataSkinComboBox::itemTextRect},
    {"buttonrect", &TzsDataSkinComboBox::buttonRect},
    {"activebuttonrect", &TzsDataSkinComboBox::activeButtonRect},
    {"downbuttonrect", &TzsDataSkinComboBox::downButtonRect},
    {"unenabledbuttonrect", &TzsDataSkinComboBox::unenabledButtonRect},
    {"itemleftoffset", &TzsDataSkinComboBox::itemLeftOffset},
    {"itemrightoffset", &TzsDataSkinComboBox::itemRightOffset},
    {"fontheight", &TzsDataSkinComboBox::fontHeight, "14"},
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
    {"trackarea", &TzsDataSkinScrollBarControl::trackArea},
    {"upbuttonrect", &TzsDataSkinScrollBarControl::upButtonRect},
    {"activeupbuttonrect", &TzsDataSkinScrollBarControl::activeUpButtonRect},
    {"downupbuttonrect", &TzsDataSkinScrollBarControl::downUpButtonRect},
    {"downbuttonrect", &TzsDataSkinScrollBarControl::downButtonRect},
    {"activedownbuttonrect", &TzsDataSkinScrollBarControl::activeDownButtonRect},
    {"downdownbuttonrect", &TzsDataSkinScrollBarControl::downDownButtonRect},
    {"thumbrect", &TzsDataSkinScrollBarControl::thumbRect},
    {"activethumbrect", &TzsDataSkinScrollBarControl::activeThumbRect},
    {"downthumbrect", &TzsDataSkinScrollBarControl::downThumbRect},
    {"glyphrect", &TzsDataSkinScrollBarControl::glyphRect},
    {"activeglyphrect", &TzsDataSkinScrollBarControl::activeGlyphRect},
    {"downglyphrect", &TzsDataSkinScrollBarControl::downGlyphRect},
    {"thumboffset1", &TzsDataSkinScrollBarControl::thumbOffset1},
    {"thumboffset2", &TzsDataSkinScrollBarControl::thumbOffset2},
    {"thumbtransparentcolor", &TzsDataSkinScrollBarControl::thumbTransparentColor},
    {"thumbminsize", &TzsDataSkinScrollBarControl::thumbMinSize},
    {"thumbminpagesize", &TzsDataSkinScrollBarControl::thumbMinPageSize},
    {"glyphtransparentcolor", &TzsDataSkinScrollBarControl::glyphTransparentColor},
    {"thumbtransparent", &TzsDataSkinScrollBarControl::thumbTransparent},
    {"thumbstretcheffect", &TzsDataSkinScrollBarControl::thumbStretchEffect},
    {"glyphtransparent", &TzsDataSkinScrollBarControl::glyphTransparent},
};

const KeyDef<TzsDataSkinSpinEditControl> kDataSkinSpinEditControlKeys[] = {
    {"activeskinrect", &TzsDataSkinSpinEditControl::activeSkinRect},
    {"upbuttonrect", &TzsDataSkinSpinEditControl::upButtonRect},
    {"activeupbuttonrect", &TzsDataSkinSpinEditControl::activeUpButtonRect},
    {"downupbuttonrect", &TzsDataSkinSpinEditControl::downUpButtonRect},
    {"downbuttonrect", &TzsDataSkinSpinEditControl::downButtonRect},
    {"activedownbuttonrect", &TzsDataSkinSpinEditControl::activeDownButtonRect},
    {"downdownbuttonrect", &TzsDataSkinSpinEditControl::downDownButtonRect},
    {"fontname", &TzsDataSkinSpinEditControl::fontName, "Arial"},
    {"fontheight", &TzsDataSkinSpinEditControl::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinSpinEditControl::fontColor},
    {"activefontcolor", &TzsDataSkinSpinEditControl::activeFontColor},
    {"disabledfontcolor", &TzsDataSkinSpinEditControl::disabledFontColor},
    {"fontstyle", &TzsDataSkinSpinEditControl::fontStyle},
};

const KeyDef<TzsDataSkinScrollBoxControl> kDataSkinScrollBoxControlKeys[] = {
    {"bgpictureindex", &TzsDataSkinScrollBoxControl::bgPictureIndex, "-1"},
};

const KeyDef<TzsDataSkinTreeView> kDataSkinTreeViewKeys[] = {
    {"fontname", &TzsDataSkinTreeView::fontName, "Arial"},
    {"fontheight", &TzsDataSkinTreeView::fontHeight, "14"},
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
    {"edgesize", &TzsDataSkinSlider::edgeSize},
    {"pointscolor", &TzsDataSkinSlider::pointsColor},
    {"hrulerrect", &TzsDataSkinSlider::hRulerRect},
    {"hthumbrect", &TzsDataSkinSlider::hThumbRect},
    {"vrulerrect", &TzsDataSkinSlider::vRulerRect},
    {"vthumbrect", &TzsDataSkinSlider::vThumbRect},
};

const KeyDef<TzsDataSkinListView> kDataSkinListViewKeys[] = {
    {"fontname", &TzsDataSkinListView::fontName, "Arial"},
    {"fontheight", &TzsDataSkinListView::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinListView::fontColor},
    {"bgcolor", &TzsDataSkinListView::bgColor},
    {"fontstyle", &TzsDataSkinListView::fontStyle},
};

const KeyDef<TzsDataSkinRichEdit> kDataSkinRichEditKeys[] = {
    {"fontname", &TzsDataSkinRichEdit::fontName, "Arial"},
    {"fontheight", &TzsDataSkinRichEdit::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinRichEdit::fontColor},
    {"bgcolor", &TzsDataSkinRichEdit::bgColor},
    {"fontstyle", &TzsDataSkinRichEdit::fontStyle},
};


template <class R>
std::unique_ptr<TzsDataSkinControl> Make(std::string name) {
  return std::make_unique<R>(std::move(name));
}

struct ControlType {
  std::string_view word;
  std::unique_ptr<TzsDataSkinControl> (*create)(std::string);
};

const ControlType kControlTypes[] = {
    {"panel", &Make<TzsDataSkinPanelControl>},
    {"expanel", &Make<TzsDataSkinExPanelControl>},
    {"button", &Make<TzsDataSkinButtonControl>},
    {"menubutton", &Make<TzsDataSkinMenuButtonControl>},
    {"checkradio", &Make<TzsDataSkinCheckRadioControl>},
    {"gauge", &Make<TzsDataSkinGaugeControl>},
    {"splitter", &Make<TzsDataSkinSplitterControl>},
    {"trackbar", &Make<TzsDataSkinTrackBarControl>},
    {"label", &Make<TzsDataSkinLabelControl>},
    {"stdlabel", &Make<TzsDataSkinStdLabelControl>},
    {"updown", &Make<TzsDataSkinUpDownControl>},
    {"grid", &Make<TzsDataSkinGridControl>},
    {"tab", &Make<TzsDataSkinTabControl>},
    {"mainmenubar", &Make<TzsDataSkinMainMenuBar>},
    {"controlbar", &Make<TzsDataSkinControlBar>},
    {"edit", &Make<TzsDataSkinEditControl>},
    {"memo", &Make<TzsDataSkinMemoControl>},
    {"listbox", &Make<TzsDataSkinListBox>},
    {"checklistbox", &Make<TzsDataSkinCheckListBox>},
    {"combobox", &Make<TzsDataSkinComboBox>},
    {"scrollbar", &Make<TzsDataSkinScrollBarControl>},
    {"spinedit", &Make<TzsDataSkinSpinEditControl>},
    {"scrollbox", &Make<TzsDataSkinScrollBoxControl>},
    {"treeview", &Make<TzsDataSkinTreeView>},
    {"bevel", &Make<TzsDataSkinBevel>},
    {"slider", &Make<TzsDataSkinSlider>},
    {"listview", &Make<TzsDataSkinListView>},
    {"richedit", &Make<TzsDataSkinRichEdit>},
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

std::span<const std::string_view> ControlTypeWords() { return kControlTypeWords; }

}  // namespace zv
