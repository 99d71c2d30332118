#include "core/skin/object_records.h"

#include <array>
#include <utility>

#include "core/skin/rect_rules.h"

namespace zv {
namespace {

using enum KeyUnit;

// Key tables, one per class, holding only the keys the class adds.
const KeyDef<TzsDataSkinObject> kDataSkinObjectKeys[] = {
    {"hint", &TzsDataSkinObject::hint},
    {"activepictureindex", &TzsDataSkinObject::activePictureIndex, kIndex, "-1"},
    {"activemaskpictureindex", &TzsDataSkinObject::activeMaskPictureIndex, kIndex, "-1"},
    {"skinrectinapicture", &TzsDataSkinObject::skinRectInAPicture},
    {"skinrect", &TzsDataSkinObject::skinRect, kLook},
    {"activeskinrect", &TzsDataSkinObject::activeSkinRect, kLook},
    {"inactiveskinrect", &TzsDataSkinObject::inactiveSkinRect, kLook},
    {"morphing", &TzsDataSkinObject::morphing},
    {"morphkind", &TzsDataSkinObject::morphKind},
    {"glowlayerpictureindex", &TzsDataSkinObject::glowLayerPictureIndex, kIndex, "-1"},
    {"glowlayermaskpictureindex", &TzsDataSkinObject::glowLayerMaskPictureIndex, kIndex, "-1"},
    {"glowlayeroffsetx", &TzsDataSkinObject::glowLayerOffsetX, kPixels},
    {"glowlayeroffsety", &TzsDataSkinObject::glowLayerOffsetY, kPixels},
    {"glowlayeralphablendvalue", &TzsDataSkinObject::glowLayerAlphaBlendValue, kAlpha, "255"},
};

const KeyDef<TzsDataSkinButton> kDataSkinButtonKeys[] = {
    {"downrect", &TzsDataSkinButton::downRect, kLook},
    {"disableskinrsect", &TzsDataSkinButton::disableSkinRect, kLook},
};

const KeyDef<TzsDataSkinStdButton> kDataSkinStdButtonKeys[] = {
    {"command", &TzsDataSkinStdButton::command},
    {"restorerect", &TzsDataSkinStdButton::restoreRect, kLook},
    {"restoreactiverect", &TzsDataSkinStdButton::restoreActiveRect, kLook},
    {"restoredownrect", &TzsDataSkinStdButton::restoreDownRect, kLook},
    {"restoreinactiverect", &TzsDataSkinStdButton::restoreInactiveRect, kLook},
    {"restorehint", &TzsDataSkinStdButton::restoreHint},
};

const KeyDef<TzsDataSkinCaption> kDataSkinCaptionKeys[] = {
    {"textrect", &TzsDataSkinCaption::textRect, kPixels},
    {"fontname", &TzsDataSkinCaption::fontName, "Arial"},
    {"fontheight", &TzsDataSkinCaption::fontHeight, kPixels, "14"},
    {"fontstyle", &TzsDataSkinCaption::fontStyle},
    {"fontcolor", &TzsDataSkinCaption::fontColor},
    {"activefontcolor", &TzsDataSkinCaption::activeFontColor},
    {"alignment", &TzsDataSkinCaption::alignment},
    {"light", &TzsDataSkinCaption::light},
    {"lightcolor", &TzsDataSkinCaption::lightColor},
    {"activelightcolor", &TzsDataSkinCaption::activeLightColor},
    {"shadow", &TzsDataSkinCaption::shadow},
    {"shadowcolor", &TzsDataSkinCaption::shadowColor},
    {"activeshadowcolor", &TzsDataSkinCaption::activeShadowColor},
    {"framerect", &TzsDataSkinCaption::frameRect, kLook},
    {"activeframerect", &TzsDataSkinCaption::activeFrameRect, kLook},
    {"frametextrect", &TzsDataSkinCaption::frameTextRect, kPixels},
    {"frameleftoffset", &TzsDataSkinCaption::frameLeftOffset, kPixels},
    {"framerightoffset", &TzsDataSkinCaption::frameRightOffset, kPixels},
    {"stretcheffect", &TzsDataSkinCaption::stretchEffect},
    {"animateskinrect", &TzsDataSkinCaption::animateSkinRect, kLook},
    {"framecount", &TzsDataSkinCaption::frameCount, kCount},
    {"animateinterval", &TzsDataSkinCaption::animateInterval, kMilliseconds, "25"},
    {"inactiveanimation", &TzsDataSkinCaption::inactiveAnimation},
    {"fullframe", &TzsDataSkinCaption::fullFrame},
    {"vistagloweffect", &TzsDataSkinCaption::vistaGlowEffect},
    {"vistaglowinactiveeffect", &TzsDataSkinCaption::vistaGlowInactiveEffect},
    {"gloweffect", &TzsDataSkinCaption::glowEffect},
    {"glowinactiveeffect", &TzsDataSkinCaption::glowInactiveEffect},
    {"glowsize", &TzsDataSkinCaption::glowSize, kPixels, "3"},
    {"glowcolor", &TzsDataSkinCaption::glowColor},
    {"glowactivecolor", &TzsDataSkinCaption::glowActiveColor},
    {"glowoffset", &TzsDataSkinCaption::glowOffset, kPixels},
    {"reflectioneffect", &TzsDataSkinCaption::reflectionEffect},
    {"reflactioncolor", &TzsDataSkinCaption::reflectionColor},
    {"reflactionactivecolor", &TzsDataSkinCaption::reflectionActiveColor},
    {"reflectionoffset", &TzsDataSkinCaption::reflectionOffset, kPixels},
};

const KeyDef<TzsDataSkinMenuItem> kDataSkinMenuItemKeys[] = {
    {"itemleftoffset", &TzsDataSkinMenuItem::itemLeftOffset, kPixels},
    {"itemrightoffset", &TzsDataSkinMenuItem::itemRightOffset, kPixels},
    {"dividerrect", &TzsDataSkinMenuItem::dividerRect, kLook},
    {"dividerleftoffset", &TzsDataSkinMenuItem::dividerLeftOffset, kPixels},
    {"dividerrightoffset", &TzsDataSkinMenuItem::dividerRightOffset, kPixels},
    {"textrect", &TzsDataSkinMenuItem::textRect, kPixels},
    {"imagerect", &TzsDataSkinMenuItem::imageRect, kPixels},
    {"fontname", &TzsDataSkinMenuItem::fontName, "Arial"},
    {"fontheight", &TzsDataSkinMenuItem::fontHeight, kPixels, "14"},
    {"fontstyle", &TzsDataSkinMenuItem::fontStyle},
    {"fontcolor", &TzsDataSkinMenuItem::fontColor},
    {"activefontcolor", &TzsDataSkinMenuItem::activeFontColor},
    {"unenabledfontcolor", &TzsDataSkinMenuItem::unenabledFontColor},
    {"stretcheffect", &TzsDataSkinMenuItem::stretchEffect},
    {"inactivestretcheffect", &TzsDataSkinMenuItem::inactiveStretchEffect},
    {"dividerstretcheffect", &TzsDataSkinMenuItem::dividerStretchEffect},
    {"animateskinrect", &TzsDataSkinMenuItem::animateSkinRect, kLook},
    {"framecount", &TzsDataSkinMenuItem::frameCount, kCount},
    {"animateinterval", &TzsDataSkinMenuItem::animateInterval, kMilliseconds, "25"},
    {"inactiveanimation", &TzsDataSkinMenuItem::inactiveAnimation},
    {"useimagecolor", &TzsDataSkinMenuItem::useImageColor},
    {"imagecolor", &TzsDataSkinMenuItem::imageColor},
    {"activeimagecolor", &TzsDataSkinMenuItem::activeImageColor},
    {"inactivetransparent", &TzsDataSkinMenuItem::inactiveTransparent},
    {"checkimagerect", &TzsDataSkinMenuItem::checkImageRect, kLook},
    {"activecheckimagerect", &TzsDataSkinMenuItem::activeCheckImageRect, kLook},
    {"radioimagerect", &TzsDataSkinMenuItem::radioImageRect, kLook},
    {"activeradioimagerect", &TzsDataSkinMenuItem::activeRadioImageRect, kLook},
    {"arrowimagerect", &TzsDataSkinMenuItem::arrowImageRect, kLook},
    {"activearrowimagerect", &TzsDataSkinMenuItem::activeArrowImageRect, kLook},
};

const KeyDef<TzsDataSkinMainMenuItem> kDataSkinMainMenuItemKeys[] = {
    {"itemleftoffset", &TzsDataSkinMainMenuItem::itemLeftOffset, kPixels},
    {"itemrightoffset", &TzsDataSkinMainMenuItem::itemRightOffset, kPixels},
    {"fontheight", &TzsDataSkinMainMenuItem::fontHeight, kPixels, "14"},
    {"fontcolor", &TzsDataSkinMainMenuItem::fontColor},
    {"activefontcolor", &TzsDataSkinMainMenuItem::activeFontColor},
    {"downfontcolor", &TzsDataSkinMainMenuItem::downFontColor},
    {"unenabledfontColor", &TzsDataSkinMainMenuItem::unenabledFontColor},
    {"framecount", &TzsDataSkinMainMenuItem::frameCount, kCount},
    {"animateinterval", &TzsDataSkinMainMenuItem::animateInterval, kMilliseconds, "25"},
    {"downrect", &TzsDataSkinMainMenuItem::downRect, kLook},
    {"textrect", &TzsDataSkinMainMenuItem::textRect, kPixels},
    {"animateskinrect", &TzsDataSkinMainMenuItem::animateSkinRect, kLook},
    {"fontname", &TzsDataSkinMainMenuItem::fontName, "Arial"},
    {"fontstyle", &TzsDataSkinMainMenuItem::fontStyle},
    {"stretcheffect", &TzsDataSkinMainMenuItem::stretchEffect},
    {"inactiveanimation", &TzsDataSkinMainMenuItem::inactiveAnimation},
};

const KeyDef<TzsDataSkinAnimate> kDataSkinAnimateKeys[] = {
    {"countframes", &TzsDataSkinAnimate::countFrames, kCount, "1"},
    {"timerinterval", &TzsDataSkinAnimate::timerInterval, kMilliseconds, "50"},
    {"cycle", &TzsDataSkinAnimate::cycle},
    {"buttonstyle", &TzsDataSkinAnimate::buttonStyle},
    {"command", &TzsDataSkinAnimate::command},
    {"restorehint", &TzsDataSkinAnimate::restoreHint},
    {"downskinrect", &TzsDataSkinAnimate::downSkinRect, kLook},
    {"restorerect", &TzsDataSkinAnimate::restoreRect, kLook},
    {"restoreactiverect", &TzsDataSkinAnimate::restoreActiveRect, kLook},
    {"restoredownrect", &TzsDataSkinAnimate::restoreDownRect, kLook},
    {"restoreinactiverect", &TzsDataSkinAnimate::restoreInactiveRect, kLook},
};

const KeyDef<TzsDataUserObject> kDataUserObjectKeys[] = {
    {"skinrect", static_cast<Rect TzsDataUserObject::*>(&TzsDataUserObject::skinRect), kPixels},
};

template <class R>
std::unique_ptr<TzsDataSkinObject> Make(std::string name) {
  return std::make_unique<R>(std::move(name));
}

template <class R>
std::unique_ptr<TzsDataSkinObject> Copy(const TzsDataSkinObject& record) {
  return std::make_unique<R>(static_cast<const R&>(record));
}

struct ObjectType {
  std::string_view word;
  std::unique_ptr<TzsDataSkinObject> (*create)(std::string);
  std::unique_ptr<TzsDataSkinObject> (*copy)(const TzsDataSkinObject&);
};

const ObjectType kObjectTypes[] = {
    {"button", &Make<TzsDataSkinButton>, &Copy<TzsDataSkinButton>},
    {"stdbutton", &Make<TzsDataSkinStdButton>, &Copy<TzsDataSkinStdButton>},
    {"mainmenubarbutton", &Make<TzsDataSkinMainMenuBarButton>, &Copy<TzsDataSkinMainMenuBarButton>},
    {"caption", &Make<TzsDataSkinCaption>, &Copy<TzsDataSkinCaption>},
    {"menuitem", &Make<TzsDataSkinMenuItem>, &Copy<TzsDataSkinMenuItem>},
    {"mainmenubaritem", &Make<TzsDataSkinMainMenuBarItem>, &Copy<TzsDataSkinMainMenuBarItem>},
    {"animate", &Make<TzsDataSkinAnimate>, &Copy<TzsDataSkinAnimate>},
    {"userobject", &Make<TzsDataUserObject>, &Copy<TzsDataUserObject>},
};

const auto kObjectTypeWords = [] {
  std::array<std::string_view, std::size(kObjectTypes)> words{};
  for (std::size_t i = 0; i < words.size(); ++i) words[i] = kObjectTypes[i].word;
  return words;
}();

// A null active look falls back to the normal look.
void FillNull(Rect& active, const Rect& normal) {
  if (IsNullRect(active)) active = normal;
}

}  // namespace

void TzsDataSkinObject::LoadFromIni(const IniText& ini) {
  LoadKeys(*this, ini, name_);
  AfterLoad();
}

void TzsDataSkinObject::SaveToIni(IniText& ini) const { SaveKeys(*this, ini, name_); }

void TzsDataSkinObject::VisitKeys(KeyVisitor& visitor) {
  VisitTable<TzsDataSkinObject>(*this, kDataSkinObjectKeys, visitor);
}
void TzsDataSkinButton::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinObject::VisitKeys(visitor);
  VisitTable<TzsDataSkinButton>(*this, kDataSkinButtonKeys, visitor);
}
void TzsDataSkinStdButton::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinButton::VisitKeys(visitor);
  VisitTable<TzsDataSkinStdButton>(*this, kDataSkinStdButtonKeys, visitor);
}
void TzsDataSkinMainMenuBarButton::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinStdButton::VisitKeys(visitor);
}
void TzsDataSkinCaption::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinObject::VisitKeys(visitor);
  VisitTable<TzsDataSkinCaption>(*this, kDataSkinCaptionKeys, visitor);
}
void TzsDataSkinMenuItem::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinObject::VisitKeys(visitor);
  VisitTable<TzsDataSkinMenuItem>(*this, kDataSkinMenuItemKeys, visitor);
}
void TzsDataSkinMainMenuItem::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinObject::VisitKeys(visitor);
  VisitTable<TzsDataSkinMainMenuItem>(*this, kDataSkinMainMenuItemKeys, visitor);
}
void TzsDataSkinMainMenuBarItem::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinMainMenuItem::VisitKeys(visitor);
}
void TzsDataSkinAnimate::VisitKeys(KeyVisitor& visitor) {
  TzsDataSkinObject::VisitKeys(visitor);
  VisitTable<TzsDataSkinAnimate>(*this, kDataSkinAnimateKeys, visitor);
}
void TzsDataUserObject::VisitKeys(KeyVisitor& visitor) {
  VisitTable<TzsDataUserObject>(*this, kDataUserObjectKeys, visitor);
}

std::string DeriveRestoreHint(const std::string& hint, ButtonCommand command, const std::string& restoreHint) {
  if (!restoreHint.empty()) return restoreHint;
  const bool restores = (hint == "Maximize" && command == ButtonCommand::cmMaximize) ||
                        (hint == "Minimize" && command == ButtonCommand::cmMinimize) ||
                        ((hint == "RollUp" || hint == "Roll Up") && command == ButtonCommand::cmRollUp);
  return restores ? "Restore" : "";
}

void TzsDataSkinStdButton::AfterLoad() { restoreHint = DeriveRestoreHint(hint, command, restoreHint); }

void TzsDataSkinAnimate::AfterLoad() { restoreHint = DeriveRestoreHint(hint, command, restoreHint); }

void TzsDataSkinMenuItem::AfterLoad() {
  FillNull(activeCheckImageRect, checkImageRect);
  FillNull(activeRadioImageRect, radioImageRect);
  FillNull(activeArrowImageRect, arrowImageRect);
}

std::unique_ptr<TzsDataSkinObject> CreateObjectRecord(std::string_view typeWord, std::string name) {
  for (const ObjectType& type : kObjectTypes) {
    if (type.word == typeWord) return type.create(std::move(name));
  }
  return nullptr;
}

std::unique_ptr<TzsDataSkinObject> CloneObjectRecord(const TzsDataSkinObject& record) {
  // Every class with a type word is its own; only a bare base has none.
  for (const ObjectType& type : kObjectTypes) {
    if (type.word == record.TypeWord()) return type.copy(record);
  }
  return std::make_unique<TzsDataSkinObject>(record);
}

std::span<const std::string_view> ObjectTypeWords() { return kObjectTypeWords; }

}  // namespace zv
