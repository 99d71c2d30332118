#include "core/skin/object_records.h"

#include <array>
#include <utility>

#include "core/skin/rect_rules.h"

namespace zv {
namespace {

// Key tables, one per class, holding only the keys the class adds.
const KeyDef<TzsDataSkinObject> kDataSkinObjectKeys[] = {
    {"hint", &TzsDataSkinObject::hint},
    {"activepictureindex", &TzsDataSkinObject::activePictureIndex, "-1"},
    {"activemaskpictureindex", &TzsDataSkinObject::activeMaskPictureIndex, "-1"},
    {"skinrectinapicture", &TzsDataSkinObject::skinRectInAPicture},
    {"skinrect", &TzsDataSkinObject::skinRect},
    {"activeskinrect", &TzsDataSkinObject::activeSkinRect},
    {"inactiveskinrect", &TzsDataSkinObject::inactiveSkinRect},
    {"morphing", &TzsDataSkinObject::morphing},
    {"morphkind", &TzsDataSkinObject::morphKind},
    {"glowlayerpictureindex", &TzsDataSkinObject::glowLayerPictureIndex, "-1"},
    {"glowlayermaskpictureindex", &TzsDataSkinObject::glowLayerMaskPictureIndex, "-1"},
    {"glowlayeroffsetx", &TzsDataSkinObject::glowLayerOffsetX},
    {"glowlayeroffsety", &TzsDataSkinObject::glowLayerOffsetY},
    {"glowlayeralphablendvalue", &TzsDataSkinObject::glowLayerAlphaBlendValue, "255"},
};

const KeyDef<TzsDataSkinButton> kDataSkinButtonKeys[] = {
    {"downrect", &TzsDataSkinButton::downRect},
    {"disableskinrsect", &TzsDataSkinButton::disableSkinRect},
};

const KeyDef<TzsDataSkinStdButton> kDataSkinStdButtonKeys[] = {
    {"command", &TzsDataSkinStdButton::command},
    {"restorerect", &TzsDataSkinStdButton::restoreRect},
    {"restoreactiverect", &TzsDataSkinStdButton::restoreActiveRect},
    {"restoredownrect", &TzsDataSkinStdButton::restoreDownRect},
    {"restoreinactiverect", &TzsDataSkinStdButton::restoreInactiveRect},
    {"restorehint", &TzsDataSkinStdButton::restoreHint},
};

const KeyDef<TzsDataSkinCaption> kDataSkinCaptionKeys[] = {
    {"textrect", &TzsDataSkinCaption::textRect},
    {"fontname", &TzsDataSkinCaption::fontName, "Arial"},
    {"fontheight", &TzsDataSkinCaption::fontHeight, "14"},
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
    {"framerect", &TzsDataSkinCaption::frameRect},
    {"activeframerect", &TzsDataSkinCaption::activeFrameRect},
    {"frametextrect", &TzsDataSkinCaption::frameTextRect},
    {"frameleftoffset", &TzsDataSkinCaption::frameLeftOffset},
    {"framerightoffset", &TzsDataSkinCaption::frameRightOffset},
    {"stretcheffect", &TzsDataSkinCaption::stretchEffect},
    {"animateskinrect", &TzsDataSkinCaption::animateSkinRect},
    {"framecount", &TzsDataSkinCaption::frameCount},
    {"animateinterval", &TzsDataSkinCaption::animateInterval, "25"},
    {"inactiveanimation", &TzsDataSkinCaption::inactiveAnimation},
    {"fullframe", &TzsDataSkinCaption::fullFrame},
    {"vistagloweffect", &TzsDataSkinCaption::vistaGlowEffect},
    {"vistaglowinactiveeffect", &TzsDataSkinCaption::vistaGlowInactiveEffect},
    {"gloweffect", &TzsDataSkinCaption::glowEffect},
    {"glowinactiveeffect", &TzsDataSkinCaption::glowInactiveEffect},
    {"glowsize", &TzsDataSkinCaption::glowSize, "3"},
    {"glowcolor", &TzsDataSkinCaption::glowColor},
    {"glowactivecolor", &TzsDataSkinCaption::glowActiveColor},
    {"glowoffset", &TzsDataSkinCaption::glowOffset},
    {"reflectioneffect", &TzsDataSkinCaption::reflectionEffect},
    {"reflactioncolor", &TzsDataSkinCaption::reflectionColor},
    {"reflactionactivecolor", &TzsDataSkinCaption::reflectionActiveColor},
    {"reflectionoffset", &TzsDataSkinCaption::reflectionOffset},
};

const KeyDef<TzsDataSkinMenuItem> kDataSkinMenuItemKeys[] = {
    {"itemleftoffset", &TzsDataSkinMenuItem::itemLeftOffset},
    {"itemrightoffset", &TzsDataSkinMenuItem::itemRightOffset},
    {"dividerrect", &TzsDataSkinMenuItem::dividerRect},
    {"dividerleftoffset", &TzsDataSkinMenuItem::dividerLeftOffset},
    {"dividerrightoffset", &TzsDataSkinMenuItem::dividerRightOffset},
    {"textrect", &TzsDataSkinMenuItem::textRect},
    {"imagerect", &TzsDataSkinMenuItem::imageRect},
    {"fontname", &TzsDataSkinMenuItem::fontName, "Arial"},
    {"fontheight", &TzsDataSkinMenuItem::fontHeight, "14"},
    {"fontstyle", &TzsDataSkinMenuItem::fontStyle},
    {"fontcolor", &TzsDataSkinMenuItem::fontColor},
    {"activefontcolor", &TzsDataSkinMenuItem::activeFontColor},
    {"unenabledfontcolor", &TzsDataSkinMenuItem::unenabledFontColor},
    {"stretcheffect", &TzsDataSkinMenuItem::stretchEffect},
    {"inactivestretcheffect", &TzsDataSkinMenuItem::inactiveStretchEffect},
    {"dividerstretcheffect", &TzsDataSkinMenuItem::dividerStretchEffect},
    {"animateskinrect", &TzsDataSkinMenuItem::animateSkinRect},
    {"framecount", &TzsDataSkinMenuItem::frameCount},
    {"animateinterval", &TzsDataSkinMenuItem::animateInterval, "25"},
    {"inactiveanimation", &TzsDataSkinMenuItem::inactiveAnimation},
    {"useimagecolor", &TzsDataSkinMenuItem::useImageColor},
    {"imagecolor", &TzsDataSkinMenuItem::imageColor},
    {"activeimagecolor", &TzsDataSkinMenuItem::activeImageColor},
    {"inactivetransparent", &TzsDataSkinMenuItem::inactiveTransparent},
    {"checkimagerect", &TzsDataSkinMenuItem::checkImageRect},
    {"activecheckimagerect", &TzsDataSkinMenuItem::activeCheckImageRect},
    {"radioimagerect", &TzsDataSkinMenuItem::radioImageRect},
    {"activeradioimagerect", &TzsDataSkinMenuItem::activeRadioImageRect},
    {"arrowimagerect", &TzsDataSkinMenuItem::arrowImageRect},
    {"activearrowimagerect", &TzsDataSkinMenuItem::activeArrowImageRect},
};

const KeyDef<TzsDataSkinMainMenuItem> kDataSkinMainMenuItemKeys[] = {
    {"itemleftoffset", &TzsDataSkinMainMenuItem::itemLeftOffset},
    {"itemrightoffset", &TzsDataSkinMainMenuItem::itemRightOffset},
    {"fontheight", &TzsDataSkinMainMenuItem::fontHeight, "14"},
    {"fontcolor", &TzsDataSkinMainMenuItem::fontColor},
    {"activefontcolor", &TzsDataSkinMainMenuItem::activeFontColor},
    {"downfontcolor", &TzsDataSkinMainMenuItem::downFontColor},
    {"unenabledfontColor", &TzsDataSkinMainMenuItem::unenabledFontColor},
    {"framecount", &TzsDataSkinMainMenuItem::frameCount},
    {"animateinterval", &TzsDataSkinMainMenuItem::animateInterval, "25"},
    {"downrect", &TzsDataSkinMainMenuItem::downRect},
    {"textrect", &TzsDataSkinMainMenuItem::textRect},
    {"animateskinrect", &TzsDataSkinMainMenuItem::animateSkinRect},
    {"fontname", &TzsDataSkinMainMenuItem::fontName, "Arial"},
    {"fontstyle", &TzsDataSkinMainMenuItem::fontStyle},
    {"stretcheffect", &TzsDataSkinMainMenuItem::stretchEffect},
    {"inactiveanimation", &TzsDataSkinMainMenuItem::inactiveAnimation},
};

const KeyDef<TzsDataSkinAnimate> kDataSkinAnimateKeys[] = {
    {"countframes", &TzsDataSkinAnimate::countFrames, "1"},
    {"timerinterval", &TzsDataSkinAnimate::timerInterval, "50"},
    {"cycle", &TzsDataSkinAnimate::cycle},
    {"buttonstyle", &TzsDataSkinAnimate::buttonStyle},
    {"command", &TzsDataSkinAnimate::command},
    {"restorehint", &TzsDataSkinAnimate::restoreHint},
    {"downskinrect", &TzsDataSkinAnimate::downSkinRect},
    {"restorerect", &TzsDataSkinAnimate::restoreRect},
    {"restoreactiverect", &TzsDataSkinAnimate::restoreActiveRect},
    {"restoredownrect", &TzsDataSkinAnimate::restoreDownRect},
    {"restoreinactiverect", &TzsDataSkinAnimate::restoreInactiveRect},
};

const KeyDef<TzsDataUserObject> kDataUserObjectKeys[] = {
    {"skinrect", static_cast<Rect TzsDataUserObject::*>(&TzsDataUserObject::skinRect)},
};

template <class R>
std::unique_ptr<TzsDataSkinObject> Make(std::string name) {
  return std::make_unique<R>(std::move(name));
}

struct ObjectType {
  std::string_view word;
  std::unique_ptr<TzsDataSkinObject> (*create)(std::string);
};

const ObjectType kObjectTypes[] = {
    {"button", &Make<TzsDataSkinButton>},
    {"stdbutton", &Make<TzsDataSkinStdButton>},
    {"mainmenubarbutton", &Make<TzsDataSkinMainMenuBarButton>},
    {"caption", &Make<TzsDataSkinCaption>},
    {"menuitem", &Make<TzsDataSkinMenuItem>},
    {"mainmenubaritem", &Make<TzsDataSkinMainMenuBarItem>},
    {"animate", &Make<TzsDataSkinAnimate>},
    {"userobject", &Make<TzsDataUserObject>},
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

std::span<const std::string_view> ObjectTypeWords() { return kObjectTypeWords; }

}  // namespace zv
