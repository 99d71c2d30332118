#pragma once
// Skin object records: the named pieces of the window frame and its menus
// listed under SKINOBJECTS. Each class names its keys once, in a table
// (object_records.cpp); LoadFromIni and SaveToIni both walk it. Fields are
// plain data, one per key, read directly by the frame and menus.
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "core/skin/record_keys.h"

namespace zv {

class TzsDataSkinObject {
 public:
  explicit TzsDataSkinObject(std::string name) : name_(std::move(name)) {}
  virtual ~TzsDataSkinObject() = default;

  // The section name the record was created with.
  const std::string& Name() const { return name_; }
  // The word under SKINOBJECTS that creates this class; empty for bases.
  virtual std::string_view TypeWord() const { return ""; }
  // Reads every key of the record's section, then applies the class's
  // after-read rule. Throws ConvertError for unreadable points and rects.
  virtual void LoadFromIni(const IniText& ini);
  // Erases the record's section and writes every key LoadFromIni reads.
  virtual void SaveToIni(IniText& ini) const;
  // Hands each key with its field to `visitor`, base keys first.
  virtual void VisitKeys(KeyVisitor& visitor);

  std::string hint;
  int activePictureIndex = -1;
  int activeMaskPictureIndex = -1;
  bool skinRectInAPicture = false;
  Rect skinRect;
  Rect activeSkinRect;
  Rect inactiveSkinRect;
  bool morphing = false;
  MorphKind morphKind = MorphKind::mkDefault;
  int glowLayerPictureIndex = -1;
  int glowLayerMaskPictureIndex = -1;
  int glowLayerOffsetX = 0;
  int glowLayerOffsetY = 0;
  int glowLayerAlphaBlendValue = 255;

 protected:
  virtual void AfterLoad() {}

 private:
  std::string name_;
};

class TzsDataSkinButton : public TzsDataSkinObject {
 public:
  using TzsDataSkinObject::TzsDataSkinObject;
  Rect downRect;
  Rect disableSkinRect;
  std::string_view TypeWord() const override { return "button"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinStdButton : public TzsDataSkinButton {
 public:
  using TzsDataSkinButton::TzsDataSkinButton;
  ButtonCommand command = ButtonCommand::cmDefault;
  Rect restoreRect;
  Rect restoreActiveRect;
  Rect restoreDownRect;
  Rect restoreInactiveRect;
  std::string restoreHint;
  std::string_view TypeWord() const override { return "stdbutton"; }
  void VisitKeys(KeyVisitor& visitor) override;

 protected:
  void AfterLoad() override;
};

class TzsDataSkinMainMenuBarButton : public TzsDataSkinStdButton {
 public:
  using TzsDataSkinStdButton::TzsDataSkinStdButton;
  std::string_view TypeWord() const override { return "mainmenubarbutton"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinCaption : public TzsDataSkinObject {
 public:
  using TzsDataSkinObject::TzsDataSkinObject;
  Rect textRect;
  std::string fontName = "Arial";
  int fontHeight = 14;
  FontStyle fontStyle;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 0;
  Alignment alignment = Alignment::taCenter;
  bool light = false;
  ColorRef lightColor = 0;
  ColorRef activeLightColor = 0;
  bool shadow = false;
  ColorRef shadowColor = 0;
  ColorRef activeShadowColor = 0;
  Rect frameRect;
  Rect activeFrameRect;
  Rect frameTextRect;
  int frameLeftOffset = 0;
  int frameRightOffset = 0;
  bool stretchEffect = false;
  Rect animateSkinRect;
  int frameCount = 0;
  int animateInterval = 25;
  bool inactiveAnimation = false;
  bool fullFrame = false;
  bool vistaGlowEffect = false;
  bool vistaGlowInactiveEffect = false;
  bool glowEffect = false;
  bool glowInactiveEffect = false;
  int glowSize = 3;
  ColorRef glowColor = 0;
  ColorRef glowActiveColor = 0;
  int glowOffset = 0;
  bool reflectionEffect = false;
  ColorRef reflectionColor = 0;
  ColorRef reflectionActiveColor = 0;
  int reflectionOffset = 0;
  std::string_view TypeWord() const override { return "caption"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinMenuItem : public TzsDataSkinObject {
 public:
  using TzsDataSkinObject::TzsDataSkinObject;
  int itemLeftOffset = 0;
  int itemRightOffset = 0;
  Rect dividerRect;
  int dividerLeftOffset = 0;
  int dividerRightOffset = 0;
  Rect textRect;
  Rect imageRect;
  std::string fontName = "Arial";
  int fontHeight = 14;
  FontStyle fontStyle;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 0;
  ColorRef unenabledFontColor = 0;
  bool stretchEffect = false;
  bool inactiveStretchEffect = false;
  bool dividerStretchEffect = false;
  Rect animateSkinRect;
  int frameCount = 0;
  int animateInterval = 25;
  bool inactiveAnimation = false;
  bool useImageColor = false;
  ColorRef imageColor = 0;
  ColorRef activeImageColor = 0;
  bool inactiveTransparent = false;
  Rect checkImageRect;
  Rect activeCheckImageRect;
  Rect radioImageRect;
  Rect activeRadioImageRect;
  Rect arrowImageRect;
  Rect activeArrowImageRect;
  std::string_view TypeWord() const override { return "menuitem"; }
  void VisitKeys(KeyVisitor& visitor) override;

 protected:
  void AfterLoad() override;
};

// The base of the main-menu-bar item; it has no type word of its own.
class TzsDataSkinMainMenuItem : public TzsDataSkinObject {
 public:
  using TzsDataSkinObject::TzsDataSkinObject;
  int itemLeftOffset = 0;
  int itemRightOffset = 0;
  int fontHeight = 14;
  ColorRef fontColor = 0;
  ColorRef activeFontColor = 0;
  ColorRef downFontColor = 0;
  ColorRef unenabledFontColor = 0;
  int frameCount = 0;
  int animateInterval = 25;
  Rect downRect;
  Rect textRect;
  Rect animateSkinRect;
  std::string fontName = "Arial";
  FontStyle fontStyle;
  bool stretchEffect = false;
  bool inactiveAnimation = false;
  std::string_view TypeWord() const override { return ""; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinMainMenuBarItem : public TzsDataSkinMainMenuItem {
 public:
  using TzsDataSkinMainMenuItem::TzsDataSkinMainMenuItem;
  std::string_view TypeWord() const override { return "mainmenubaritem"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

class TzsDataSkinAnimate : public TzsDataSkinObject {
 public:
  using TzsDataSkinObject::TzsDataSkinObject;
  int countFrames = 1;
  int timerInterval = 50;
  bool cycle = false;
  bool buttonStyle = false;
  ButtonCommand command = ButtonCommand::cmDefault;
  std::string restoreHint;
  Rect downSkinRect;
  Rect restoreRect;
  Rect restoreActiveRect;
  Rect restoreDownRect;
  Rect restoreInactiveRect;
  std::string_view TypeWord() const override { return "animate"; }
  void VisitKeys(KeyVisitor& visitor) override;

 protected:
  void AfterLoad() override;
};

class TzsDataUserObject : public TzsDataSkinObject {
 public:
  using TzsDataSkinObject::TzsDataSkinObject;
  std::string_view TypeWord() const override { return "userobject"; }
  void VisitKeys(KeyVisitor& visitor) override;
};

// Creates the record class for a SKINOBJECTS type word (compared exactly),
// or nullptr for any other word.
std::unique_ptr<TzsDataSkinObject> CreateObjectRecord(std::string_view typeWord, std::string name);
// A copy of `record` as its own class (a bare base class as that base).
std::unique_ptr<TzsDataSkinObject> CloneObjectRecord(const TzsDataSkinObject& record);
// Every type word CreateObjectRecord knows, in table order.
std::span<const std::string_view> ObjectTypeWords();

// The "Restore" hint a caption button takes in its other state when the
// section gives none.
std::string DeriveRestoreHint(const std::string& hint, ButtonCommand command, const std::string& restoreHint);

}  // namespace zv
