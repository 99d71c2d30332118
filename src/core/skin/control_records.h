#pragma once
// Skin control records: the looks of skinned controls listed under
// SKINCONTROLS. Each class names its keys once, in a table
// (control_records.cpp); LoadFromIni and SaveToIni both walk it. Fields are
// plain data, one per key, read directly by the skinned controls.
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/skin/record_keys.h"

namespace zv {

class TzsDataSkinControl {
 public:
  explicit TzsDataSkinControl(std::string name) : name_(std::move(name)) {}
  virtual ~TzsDataSkinControl() = default;

  // The section name the record was created with.
  const std::string& Name() const { return name_; }
  // The word under SKINCONTROLS that creates this class; empty for bases.
  virtual std::string_view TypeWord() const { return ""; }
  // Reads every key of the record's section, then applies the class's
  // after-read rule. Throws ConvertError for unreadable points and rects.
  virtual void LoadFromIni(const IniText& ini);
  // Erases the record's section and writes every key LoadFromIni reads.
  virtual void SaveToIni(IniText& ini) const;
  // Hands each key with its field to `visitor`, base keys first.
  virtual void VisitKeys(KeyVisitor& visitor);

  int pictureIndex = -1;
  int maskPictureIndex = -1;
  Rect skinRect;

 protected:
  virtual void AfterLoad() {}

 private:
  std::string name_;
};

class TzsDataSkinCustomControl : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  Point leftTopPoint;
  Point rightTopPoint;
  Point leftBottomPoint;
  Point rightBottomPoint;
  Rect clientRect;
  bool leftStretch = false;
  bool topStretch = false;
  bool rightStretch = false;
  bool bottomStretch = false;
  bool stretchEffect = false;
  StretchType stretchType = StretchType::stFull;
  std::string_view TypeWord() const override { return ""; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinPanelControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  int bgPictureIndex = -1;
  Rect captionRect;
  Alignment alignment = Alignment::taCenter;
  std::string fontName = "Arial";
  int fontHeight = 14;
  FontStyle fontStyle;
  ColorRef fontColor = 0;
  Rect checkImageRect;
  Rect uncheckImageRect;
  Rect markFrameRect;
  Rect frameRect;
  Rect frameTextRect;
  int frameLeftOffset = 0;
  int frameRightOffset = 0;
  Rect gripperRect;
  bool gripperTransparent = false;
  ColorRef gripperTransparentColor = 0;
  std::string_view TypeWord() const override { return "panel"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinExPanelControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect rollHSkinRect;
  Rect rollVSkinRect;
  Rect rollVCaptionRect;
  Rect rollHCaptionRect;
  Rect closeButtonRect;
  Rect closeButtonActiveRect;
  Rect closeButtonDownRect;
  Rect hRollButtonRect;
  Rect hRollButtonActiveRect;
  Rect hRollButtonDownRect;
  Rect hRestoreButtonRect;
  Rect hRestoreButtonActiveRect;
  Rect hRestoreButtonDownRect;
  Rect vRollButtonRect;
  Rect vRollButtonActiveRect;
  Rect vRollButtonDownRect;
  Rect vRestoreButtonRect;
  Rect vRestoreButtonActiveRect;
  Rect vRestoreButtonDownRect;
  Rect captionRect;
  int rollLeftOffset = 0;
  int rollRightOffset = 0;
  int rollTopOffset = 0;
  int rollBottomOffset = 0;
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef buttonsTransparentColor = 0;
  std::string fontName = "Arial";
  FontStyle fontStyle;
  bool buttonsTransparent = false;
  std::string_view TypeWord() const override { return "expanel"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinButtonControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 0;
  ColorRef downFontColor = 0;
  ColorRef disabledFontColor = 0;
  int frameCount = 0;
  int animateInterval = 25;
  ColorRef menuMarkerTransparentColor = 0;
  int glowLayerPictureIndex = -1;
  int glowLayerMaskPictureIndex = -1;
  int glowLayerOffsetLeft = 0;
  int glowLayerOffsetTop = 0;
  int glowLayerOffsetRight = 0;
  int glowLayerOffsetBottom = 0;
  int glowLayerShowOffsetX = 0;
  int glowLayerShowOffsetY = 0;
  int glowLayerAlphaBlendValue = 255;
  FontStyle fontStyle;
  Rect activeSkinRect;
  Rect downSkinRect;
  Rect focusedSkinRect;
  Rect disabledSkinRect;
  Rect animateSkinRect;
  Rect menuMarkerFlatRect;
  Rect menuMarkerRect;
  Rect menuMarkerActiveRect;
  Rect menuMarkerDownRect;
  bool morphing = false;
  bool showFocus = false;
  MorphKind morphKind = MorphKind::mkDefault;
  std::string_view TypeWord() const override { return "button"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinMenuButtonControl : public TzsDataSkinButtonControl {
 public:
  using TzsDataSkinButtonControl::TzsDataSkinButtonControl;
  Rect trackButtonRect;
  std::string_view TypeWord() const override { return "menubutton"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinCheckRadioControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 0;
  ColorRef unenabledFontColor = 0;
  ColorRef frameFontColor = 0;
  FontStyle fontStyle;
  Rect activeSkinRect;
  Rect checkImageArea;
  Rect textArea;
  Rect checkImageRect;
  Rect uncheckImageRect;
  Rect activeCheckImageRect;
  Rect activeUncheckImageRect;
  Rect unenabledCheckImageRect;
  Rect unenabledUncheckImageRect;
  Rect grayedCheckImageRect;
  Rect activeGrayedCheckImageRect;
  bool morphing = false;
  MorphKind morphKind = MorphKind::mkDefault;
  std::string_view TypeWord() const override { return "checkradio"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinGaugeControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect progressArea;
  Rect progressRect;
  Rect animationSkinRect;
  Rect progressAnimationSkinRect;
  int beginOffset = 0;
  int endOffset = 0;
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef progressTransparentColor = 0;
  int animationCountFrames = 0;
  int animationTimerInterval = 0;
  int progressAnimationCountFrames = 0;
  int progressAnimationTimerInterval = 0;
  int animationBeginOffset = 0;
  int animationEndOffset = 0;
  bool vertical = false;
  bool progressTransparent = false;
  bool progressStretch = false;
  std::string fontName = "Arial";
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "gauge"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinSplitterControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect gripperRect;
  bool gripperTransparent = false;
  ColorRef gripperTransparentColor = 0;
  std::string_view TypeWord() const override { return "splitter"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinTrackBarControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect activeSkinRect;
  Rect trackArea;
  Rect buttonRect;
  Rect activeButtonRect;
  bool vertical = false;
  bool buttonTransparent = false;
  ColorRef buttonTransparentColor = 0;
  std::string_view TypeWord() const override { return "trackbar"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinLabelControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "label"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinStdLabelControl : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 16711680;
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "stdlabel"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinUpDownControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect upButtonRect;
  Rect activeUpButtonRect;
  Rect downUpButtonRect;
  Rect downButtonRect;
  Rect activeDownButtonRect;
  Rect downDownButtonRect;
  std::string_view TypeWord() const override { return "updown"; }
  void VisitKeys(KeyVisitor& visitor) override;

 protected:
  void AfterLoad() override;
};

class TzsDataSkinGridControl : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  Rect fixedCellRect;
  Rect selectCellRect;
  Rect focusCellRect;
  Rect fixedCellTextRect;
  Rect cellTextRect;
  int fixedCellLeftOffset = 0;
  int fixedCellRightOffset = 0;
  int cellLeftOffset = 0;
  int cellRightOffset = 0;
  int bgPictureIndex = -1;
  ColorRef linesColor = 0;
  ColorRef bgColor = 0;
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef selectFontColor = 0;
  ColorRef focusFontColor = 0;
  int fixedFontHeight = 14;
  ColorRef fixedFontColor = 0;
  std::string fontName = "Arial";
  std::string fixedFontName = "Arial";
  FontStyle fontStyle;
  FontStyle fixedFontStyle;
  bool cellStretchEffect = false;
  bool fixedCellStretchEffect = false;
  bool showFocus = false;
  std::string_view TypeWord() const override { return "grid"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinTabControl : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  Rect tabRect;
  Rect activeTabRect;
  Rect focusTabRect;
  Rect mouseInTabRect;
  Rect clientRect;
  Rect tabsBgRect;
  Rect closeButtonRect;
  Rect closeButtonActiveRect;
  Rect closeButtonDownRect;
  int bgPictureIndex = -1;
  int tabLeftOffset = 0;
  int tabRightOffset = 0;
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 0;
  ColorRef focusFontColor = 0;
  ColorRef mouseInFontColor = 0;
  int focusOffsetX = 0;
  int focusOffsetY = 0;
  ColorRef buttonTransparentColor = 0;
  Point leftTopPoint;
  Point rightTopPoint;
  Point leftBottomPoint;
  Point rightBottomPoint;
  bool tabStretchEffect = false;
  bool leftStretch = false;
  bool topStretch = false;
  bool rightStretch = false;
  bool bottomStretch = false;
  bool stretchEffect = false;
  bool showFocus = false;
  bool buttonTransparent = false;
  StretchType stretchType = StretchType::stFull;
  std::string fontName = "Arial";
  std::string upDownName;
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "tab"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinMainMenuBar : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  Rect itemsRect;
  std::string menuBarItemName;
  std::string closeButtonName;
  std::string minButtonName;
  std::string maxButtonName;
  std::string sysMenuButtonName;
  ColorRef trackMarkColor = 0;
  ColorRef trackMarkActiveColor = 0;
  bool stretchEffect = false;
  bool itemTransparent = false;
  std::string_view TypeWord() const override { return "mainmenubar"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinControlBar : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect itemRect;
  Rect hGripRect;
  Rect vGripRect;
  int bgPictureIndex = -1;
  int gripOffset1 = 0;
  int gripOffset2 = 0;
  int itemOffset1 = 3;
  int itemOffset2 = 3;
  ColorRef itemTransparentColor = 0;
  ColorRef gripTransparentColor = 0;
  bool itemStretchEffect = false;
  bool itemTransparent = false;
  bool gripTransparent = false;
  std::string_view TypeWord() const override { return "controlbar"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinEditControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect activeSkinRect;
  Rect buttonRect;
  Rect activeButtonRect;
  Rect downButtonRect;
  Rect unenabledButtonRect;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef disabledFontColor = 0;
  ColorRef activeFontColor = 0;
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "edit"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinMemoControl : public TzsDataSkinEditControl {
 public:
  using TzsDataSkinEditControl::TzsDataSkinEditControl;
  ColorRef bgColor = 0;
  ColorRef activeBgColor = 0;
  std::string_view TypeWord() const override { return "memo"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinListBox : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect itemRect;
  Rect activeItemRect;
  Rect focusItemRect;
  Rect itemTextRect;
  Rect captionRect;
  Rect upButtonRect;
  Rect activeUpButtonRect;
  Rect downUpButtonRect;
  Rect downButtonRect;
  Rect activeDownButtonRect;
  Rect downDownButtonRect;
  Rect checkButtonRect;
  Rect activeCheckButtonRect;
  Rect downCheckButtonRect;
  Rect disabledButtonsRect;
  Rect buttonsArea;
  int itemLeftOffset = 0;
  int itemRightOffset = 0;
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 0;
  ColorRef focusFontColor = 0;
  int captionFontHeight = 14;
  ColorRef captionFontColor = 0;
  std::string fontName = "Arial";
  std::string captionFontName = "Arial";
  std::string vScrollBarName = "vscrollbar";
  std::string hScrollBarName = "hscrollbar";
  std::string bothHScrollBarName = "bothhscrollbar";
  FontStyle fontStyle;
  FontStyle captionFontStyle;
  bool showFocus = false;
  std::string_view TypeWord() const override { return "listbox"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinCheckListBox : public TzsDataSkinListBox {
 public:
  using TzsDataSkinListBox::TzsDataSkinListBox;
  Rect itemCheckRect;
  Rect checkImageRect;
  Rect uncheckImageRect;
  std::string_view TypeWord() const override { return "checklistbox"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinComboBox : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect activeSkinRect;
  Rect itemRect;
  Rect activeItemRect;
  Rect focusItemRect;
  Rect itemTextRect;
  Rect buttonRect;
  Rect activeButtonRect;
  Rect downButtonRect;
  Rect unenabledButtonRect;
  int itemLeftOffset = 0;
  int itemRightOffset = 0;
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef focusFontColor = 0;
  ColorRef activeFontColor = 0;
  std::string fontName = "Arial";
  std::string listBoxName;
  FontStyle fontStyle;
  bool itemStretchEffect = false;
  bool focusItemStretchEffect = false;
  bool showFocus = false;
  std::string_view TypeWord() const override { return "combobox"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinScrollBarControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect trackArea;
  Rect upButtonRect;
  Rect activeUpButtonRect;
  Rect downUpButtonRect;
  Rect downButtonRect;
  Rect activeDownButtonRect;
  Rect downDownButtonRect;
  Rect thumbRect;
  Rect activeThumbRect;
  Rect downThumbRect;
  Rect glyphRect;
  Rect activeGlyphRect;
  Rect downGlyphRect;
  int thumbOffset1 = 0;
  int thumbOffset2 = 0;
  ColorRef thumbTransparentColor = 0;
  int thumbMinSize = 0;
  int thumbMinPageSize = 0;
  ColorRef glyphTransparentColor = 0;
  bool thumbTransparent = false;
  bool thumbStretchEffect = false;
  bool glyphTransparent = false;
  std::string_view TypeWord() const override { return "scrollbar"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinSpinEditControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  Rect activeSkinRect;
  Rect upButtonRect;
  Rect activeUpButtonRect;
  Rect downUpButtonRect;
  Rect downButtonRect;
  Rect activeDownButtonRect;
  Rect downDownButtonRect;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 0;
  ColorRef disabledFontColor = 0;
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "spinedit"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinScrollBoxControl : public TzsDataSkinCustomControl {
 public:
  using TzsDataSkinCustomControl::TzsDataSkinCustomControl;
  int bgPictureIndex = -1;
  std::string_view TypeWord() const override { return "scrollbox"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinTreeView : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef bgColor = 0;
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "treeview"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinBevel : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  ColorRef lightColor = 0;
  ColorRef darkColor = 0;
  std::string_view TypeWord() const override { return "bevel"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinSlider : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  ColorRef bgColor = 0;
  int edgeSize = 0;
  ColorRef pointsColor = 0;
  Rect hRulerRect;
  Rect hThumbRect;
  Rect vRulerRect;
  Rect vThumbRect;
  std::string_view TypeWord() const override { return "slider"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinListView : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef bgColor = 0;
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "listview"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinRichEdit : public TzsDataSkinControl {
 public:
  using TzsDataSkinControl::TzsDataSkinControl;
  std::string fontName = "Arial";
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef bgColor = 0;
  FontStyle fontStyle;
  std::string_view TypeWord() const override { return "richedit"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

// Creates the record class for a SKINCONTROLS type word (compared exactly),
// or nullptr for any other word.
std::unique_ptr<TzsDataSkinControl> CreateControlRecord(std::string_view typeWord, std::string name);
// A copy of `record` as its own class (a bare base class as that base).
std::unique_ptr<TzsDataSkinControl> CloneControlRecord(const TzsDataSkinControl& record);
// Every type word CreateControlRecord knows, in table order.
std::span<const std::string_view> ControlTypeWords();

}  // namespace zv
