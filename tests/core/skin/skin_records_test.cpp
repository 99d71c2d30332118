#include <gtest/gtest.h>

#include <set>

#include "core/skin/skin_definition.h"

using namespace zv;

namespace {

// Sets every visited field to a value unlike its missing default, distinct
// per key, so a key read into the wrong field or not read at all shows.
class FillVisitor : public KeyVisitor {
 public:
  void Visit(const KeyInfo&, std::string& f) override { f = "v" + std::to_string(Next()); }
  void Visit(const KeyInfo&, int& f) override { f = 1000 + Next(); }
  void Visit(const KeyInfo&, ColorRef& f) override { f = 0x10000u + Next(); }
  void Visit(const KeyInfo&, bool& f) override { f = true; }
  void Visit(const KeyInfo&, Point& f) override { f = {Next(), Next()}; }
  void Visit(const KeyInfo&, Rect& f) override { f = {Next(), Next(), Next(), Next()}; }
  void Visit(const KeyInfo&, FontStyle& f) override { f.bits = 1 + Next() % 15; }
  void Visit(const KeyInfo&, Alignment& f) override { f = Alignment::taLeftJustify; }
  void Visit(const KeyInfo&, StretchType& f) override { f = StretchType::stVert; }
  void Visit(const KeyInfo&, InactiveEffect& f) override { f = InactiveEffect::ieNoise; }
  void Visit(const KeyInfo&, MorphKind& f) override { f = MorphKind::mkPush; }
  void Visit(const KeyInfo&, ButtonCommand& f) override { f = ButtonCommand::cmRollUp; }

 private:
  int Next() { return ++counter_; }
  int counter_ = 0;
};

// Collects the visited keys, upper-cased as the INI compares them.
class KeyCollector : public KeyVisitor {
 public:
  std::vector<std::string> keys;
  void Visit(const KeyInfo& k, std::string&) override { Add(k.name); }
  void Visit(const KeyInfo& k, int&) override { Add(k.name); }
  void Visit(const KeyInfo& k, ColorRef&) override { Add(k.name); }
  void Visit(const KeyInfo& k, bool&) override { Add(k.name); }
  void Visit(const KeyInfo& k, Point&) override { Add(k.name); }
  void Visit(const KeyInfo& k, Rect&) override { Add(k.name); }
  void Visit(const KeyInfo& k, FontStyle&) override { Add(k.name); }
  void Visit(const KeyInfo& k, Alignment&) override { Add(k.name); }
  void Visit(const KeyInfo& k, StretchType&) override { Add(k.name); }
  void Visit(const KeyInfo& k, InactiveEffect&) override { Add(k.name); }
  void Visit(const KeyInfo& k, MorphKind&) override { Add(k.name); }
  void Visit(const KeyInfo& k, ButtonCommand&) override { Add(k.name); }

 private:
  void Add(std::string_view k) { keys.push_back(AnsiUpperKey(k)); }
};

// Keys an after-read rule overwrites, per type word.
const std::set<std::pair<std::string_view, std::string_view>> kResetByAfterRead = {
    {"updown", "lefttoppoint"},     {"updown", "righttoppoint"}, {"updown", "leftbottompoint"},
    {"updown", "rightbottompoint"}, {"updown", "clientrect"},
};

template <class Record>
std::string Saved(const Record& record) {
  IniText ini;
  record.SaveToIni(ini);
  return ini.ToText();
}

// Fill, save, load into a fresh record of the same word, compare key by key.
template <class Create>
void CheckRoundTrip(std::string_view word, Create create) {
  SCOPED_TRACE(std::string(word));
  auto filled = create(word, "Sect");
  ASSERT_NE(filled, nullptr);
  EXPECT_EQ(filled->TypeWord(), word);
  KeyCollector collector;
  filled->VisitKeys(collector);
  const std::set<std::string> unique(collector.keys.begin(), collector.keys.end());
  EXPECT_EQ(unique.size(), collector.keys.size()) << "a key is listed twice";
  EXPECT_FALSE(collector.keys.empty());

  FillVisitor fill;
  filled->VisitKeys(fill);
  IniText saved = IniText::Parse("[Sect]\nstale=1\n[Other]\nx=1\n");
  filled->SaveToIni(saved);
  EXPECT_FALSE(saved.Find("Sect", "stale").has_value()) << "the section is erased first";
  EXPECT_EQ(saved.Find("Other", "x"), "1");
  EXPECT_EQ(saved.Keys("Sect").size(), collector.keys.size());

  const IniText reread = IniText::Parse(saved.ToText());
  auto loaded = create(word, "Sect");
  loaded->LoadFromIni(reread);
  auto defaults = create(word, "Sect");
  defaults->LoadFromIni(IniText{});
  IniText loadedIni, defaultIni;
  loaded->SaveToIni(loadedIni);
  defaults->SaveToIni(defaultIni);
  for (const std::string_view key : saved.Keys("Sect")) {
    const std::string value(*saved.Find("Sect", key));
    EXPECT_NE(value, *defaultIni.Find("Sect", key)) << key << ": filled value equals the default";
    if (kResetByAfterRead.count({word, key}) != 0) continue;
    EXPECT_EQ(loadedIni.Find("Sect", key), value) << key;
  }
}

}  // namespace

TEST(SkinRecords, EveryClassRoundTripsThroughItsKeyTable) {
  EXPECT_EQ(ObjectTypeWords().size(), 8u);
  EXPECT_EQ(ControlTypeWords().size(), 28u);
  for (const std::string_view word : ObjectTypeWords()) CheckRoundTrip(word, CreateObjectRecord);
  for (const std::string_view word : ControlTypeWords()) CheckRoundTrip(word, CreateControlRecord);
}

// Scaling reads a key's unit to know whether it is a pixel quantity: every
// number, point and rectangle of every record must name one.
class UnitlessKeys : public KeyVisitor {
 public:
  std::vector<std::string> keys;
  void Visit(const KeyInfo&, std::string&) override {}
  void Visit(const KeyInfo& k, int&) override { Check(k); }
  void Visit(const KeyInfo&, ColorRef&) override {}
  void Visit(const KeyInfo&, bool&) override {}
  void Visit(const KeyInfo& k, Point&) override { Check(k); }
  void Visit(const KeyInfo& k, Rect&) override { Check(k); }
  void Visit(const KeyInfo&, FontStyle&) override {}
  void Visit(const KeyInfo&, Alignment&) override {}
  void Visit(const KeyInfo&, StretchType&) override {}
  void Visit(const KeyInfo&, InactiveEffect&) override {}
  void Visit(const KeyInfo&, MorphKind&) override {}
  void Visit(const KeyInfo&, ButtonCommand&) override {}

 private:
  void Check(const KeyInfo& k) {
    if (k.unit == KeyUnit::kNone) keys.emplace_back(k.name);
  }
};

TEST(SkinRecords, EveryNumberNamesItsUnit) {
  UnitlessKeys unitless;
  for (const std::string_view word : ObjectTypeWords()) CreateObjectRecord(word, "s")->VisitKeys(unitless);
  for (const std::string_view word : ControlTypeWords()) CreateControlRecord(word, "s")->VisitKeys(unitless);
  SkinFormInfo form;
  TzsDataSkinPopupWindow popup;
  TzsDataSkinHintWindow hint;
  form.VisitKeys(unitless);
  popup.VisitKeys(unitless);
  hint.VisitKeys(unitless);
  EXPECT_EQ(unitless.keys, std::vector<std::string>{});
}

TEST(SkinRecords, TypeWordsAreExactAndCreateTheirClasses) {
  EXPECT_NE(dynamic_cast<TzsDataSkinCaption*>(CreateObjectRecord("caption", "c").get()), nullptr);
  EXPECT_NE(dynamic_cast<TzsDataSkinStdButton*>(CreateObjectRecord("mainmenubarbutton", "b").get()), nullptr);
  EXPECT_NE(dynamic_cast<TzsDataSkinMainMenuItem*>(CreateObjectRecord("mainmenubaritem", "i").get()), nullptr);
  EXPECT_NE(dynamic_cast<TzsDataSkinListBox*>(CreateControlRecord("checklistbox", "l").get()), nullptr);
  EXPECT_NE(dynamic_cast<TzsDataSkinEditControl*>(CreateControlRecord("memo", "m").get()), nullptr);
  EXPECT_NE(dynamic_cast<TzsDataSkinButtonControl*>(CreateControlRecord("menubutton", "m").get()), nullptr);
  EXPECT_EQ(dynamic_cast<TzsDataSkinCustomControl*>(CreateControlRecord("tab", "t").get()), nullptr);
  EXPECT_EQ(CreateObjectRecord("StdButton", "x"), nullptr);
  EXPECT_EQ(CreateObjectRecord("", "x"), nullptr);
  EXPECT_EQ(CreateControlRecord("Panel", "x"), nullptr);
  EXPECT_EQ(CreateControlRecord("mainmenuitem", "x"), nullptr);
  EXPECT_EQ(CreateControlRecord("panel", "my panel")->Name(), "my panel");
}

TEST(SkinRecords, ListsSkipBadEntriesAndKeepOrder) {
  const SkinDefinition skin = ParseSkinDefinition(
      "[SKINOBJECTS]\r\ncount=9\r\n"
      "0=closebutton:stdbutton\r\n1=big:StdButton\r\n2=nocolon\r\n3=empty:\r\n4=a:b:c\r\n"
      "5=caption:caption\r\n6=closebutton:button\r\n7=nosection:menuitem\r\n9=past:caption\r\n"
      "00=zero:caption\r\n-1=neg:caption\r\n"
      "[closebutton]\r\ncommand=cmclose\r\nhint=Close\r\n"
      "[caption]\r\nfontheight=16\r\n"
      "[SKINCONTROLS]\r\ncount=2147483647\r\n1=panel:panel\r\n1000000=far:bevel\r\n0=p0:label\r\n"
      "[panel]\r\npictureindex=4\r\nskinrect=141,4,200,56\r\n");
  ASSERT_EQ(skin.objects.size(), 4u);
  EXPECT_EQ(skin.objects[0]->Name(), "closebutton");
  const auto* close = dynamic_cast<const TzsDataSkinStdButton*>(skin.objects[0].get());
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->command, ButtonCommand::cmClose);
  EXPECT_EQ(static_cast<int>(close->command), 0);
  const auto* caption = dynamic_cast<const TzsDataSkinCaption*>(skin.objects[1].get());
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Name(), "caption");
  EXPECT_EQ(caption->fontHeight, 16);
  // Same name twice gives two records, each of its own type, same section.
  EXPECT_EQ(skin.objects[2]->Name(), "closebutton");
  EXPECT_EQ(skin.objects[2]->TypeWord(), "button");
  EXPECT_EQ(skin.objects[2]->hint, "Close");
  // A missing section gives every default.
  const auto* item = dynamic_cast<const TzsDataSkinMenuItem*>(skin.objects[3].get());
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->fontName, "Arial");
  EXPECT_EQ(item->fontHeight, 14);
  EXPECT_EQ(item->animateInterval, 25);
  EXPECT_EQ(item->activePictureIndex, -1);
  // A huge count reads the entries that exist, in index order.
  ASSERT_EQ(skin.controls.size(), 3u);
  EXPECT_EQ(skin.controls[0]->Name(), "p0");
  EXPECT_EQ(skin.controls[1]->Name(), "panel");
  EXPECT_EQ(skin.controls[1]->pictureIndex, 4);
  EXPECT_EQ(skin.controls[1]->skinRect, (Rect{141, 4, 200, 56}));
  EXPECT_EQ(skin.controls[2]->Name(), "far");
}

TEST(SkinRecords, RecordsBeyondTheBudgetAreRefusedBeforeAnyIsMade) {
  // Objects and controls draw on one budget.
  const auto definition = [](std::size_t objects, std::size_t controls) {
    std::string text = "[SKINOBJECTS]\r\ncount=99999\r\n";
    for (std::size_t i = 0; i < objects; ++i) text += std::to_string(i) + "=c:caption\r\n";
    text += "[SKINCONTROLS]\r\ncount=99999\r\n";
    for (std::size_t i = 0; i < controls; ++i) text += std::to_string(i) + "=p:panel\r\n";
    return text;
  };
  const SkinDefinition full = ParseSkinDefinition(definition(2, kMaxSkinRecords - 2));
  EXPECT_EQ(full.objects.size() + full.controls.size(), kMaxSkinRecords);
  EXPECT_THROW(ParseSkinDefinition(definition(2, kMaxSkinRecords - 1)), Error);
  EXPECT_THROW(ParseSkinDefinition(definition(kMaxSkinRecords + 1, 0)), Error);
}

TEST(SkinRecords, NonPositiveCountReadsNothing) {
  for (const char* count : {"0", "-3", "x", ""}) {
    const SkinDefinition skin =
        ParseSkinDefinition(std::string("[SKINOBJECTS]\ncount=") + count + "\n0=caption:caption\n");
    EXPECT_TRUE(skin.objects.empty()) << count;
  }
}

TEST(SkinRecords, RestoreHintsAreDerivedOnlyForTheirOwnCommand) {
  const IniText ini = IniText::Parse(
      "[max]\nhint=Maximize\ncommand=cmmaximize\n"
      "[close]\nhint=Close\ncommand=cmclose\n"
      "[min]\nhint=Minimize\ncommand=cmminimize\n"
      "[roll]\nhint=Roll Up\ncommand=cmrollup\n"
      "[rollup]\nhint=RollUp\ncommand=cmrollup\n"
      "[wrong]\nhint=Maximize\ncommand=cmminimize\n"
      "[case]\nhint=maximize\ncommand=cmmaximize\n"
      "[given]\nhint=Maximize\ncommand=cmmaximize\nrestorehint=Back\n"
      "[tray]\ncommand=cmminimizetotray\n"
      "[odd]\ncommand=cmfly\n");
  const auto hintOf = [&](std::string_view word, const char* section) {
    auto record = CreateObjectRecord(word, section);
    record->LoadFromIni(ini);
    if (auto* b = dynamic_cast<TzsDataSkinStdButton*>(record.get())) return b->restoreHint;
    return dynamic_cast<TzsDataSkinAnimate&>(*record).restoreHint;
  };
  for (const std::string_view word : {"stdbutton", "mainmenubarbutton", "animate"}) {
    EXPECT_EQ(hintOf(word, "max"), "Restore") << word;
    EXPECT_EQ(hintOf(word, "min"), "Restore") << word;
    EXPECT_EQ(hintOf(word, "roll"), "Restore") << word;
    EXPECT_EQ(hintOf(word, "rollup"), "Restore") << word;
    EXPECT_EQ(hintOf(word, "close"), "") << word;
    EXPECT_EQ(hintOf(word, "wrong"), "") << word;
    EXPECT_EQ(hintOf(word, "case"), "") << word;
    EXPECT_EQ(hintOf(word, "given"), "Back") << word;
  }
  for (const char* section : {"tray", "odd"}) {
    TzsDataSkinStdButton button(section);
    button.LoadFromIni(ini);
    EXPECT_EQ(static_cast<int>(button.command), 6) << section;
  }
  TzsDataSkinStdButton none("none");
  none.LoadFromIni(ini);
  EXPECT_EQ(none.command, ButtonCommand::cmDefault);
}

TEST(SkinRecords, AfterReadRules) {
  const IniText ini = IniText::Parse(
      "[item]\ncheckimagerect=1,2,3,4\nradioimagerect=5,6,7,8\nactiveradioimagerect=9,9,10,10\n"
      "arrowimagerect=1,1,2,2\nactivearrowimagerect=5,5,5,9\n"
      "[ud]\nclientrect=1,2,30,40\nlefttoppoint=3,3\nrightbottompoint=9,9\nupbuttonrect=1,1,5,5\nskinrect=0,0,9,9\n"
      "[user]\nhint=Hello\nactivepictureindex=3\nskinrect=1,2,3,4\nglowlayeralphablendvalue=7\n");
  TzsDataSkinMenuItem item("item");
  item.LoadFromIni(ini);
  EXPECT_EQ(item.activeCheckImageRect, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(item.activeRadioImageRect, (Rect{9, 9, 10, 10}));
  EXPECT_EQ(item.activeArrowImageRect, (Rect{1, 1, 2, 2}));  // 5,5,5,9 has no width
  TzsDataSkinUpDownControl upDown("ud");
  upDown.LoadFromIni(ini);
  EXPECT_EQ(upDown.clientRect, (Rect{}));
  EXPECT_EQ(upDown.leftTopPoint, (Point{}));
  EXPECT_EQ(upDown.rightBottomPoint, (Point{}));
  EXPECT_EQ(upDown.upButtonRect, (Rect{1, 1, 5, 5}));
  EXPECT_EQ(upDown.skinRect, (Rect{0, 0, 9, 9}));
  TzsDataUserObject user("user");
  user.LoadFromIni(ini);
  EXPECT_EQ(user.hint, "");
  EXPECT_EQ(user.activePictureIndex, -1);
  EXPECT_EQ(user.glowLayerAlphaBlendValue, 255);
  EXPECT_EQ(user.skinRect, (Rect{1, 2, 3, 4}));
  IniText out;
  user.SaveToIni(out);
  EXPECT_EQ(out.Keys("user"), (std::vector<std::string_view>{"skinrect"}));
}

TEST(SkinRecords, MissingKeyDefaults) {
  const IniText empty;
  TzsDataSkinCaption caption("c");
  caption.LoadFromIni(empty);
  EXPECT_EQ(caption.fontName, "Arial");
  EXPECT_EQ(caption.fontHeight, 14);
  EXPECT_EQ(caption.animateInterval, 25);
  EXPECT_EQ(caption.glowSize, 3);
  EXPECT_EQ(caption.alignment, Alignment::taCenter);
  EXPECT_EQ(caption.glowLayerAlphaBlendValue, 255);
  EXPECT_EQ(caption.glowLayerPictureIndex, -1);
  TzsDataSkinAnimate animate("a");
  animate.LoadFromIni(empty);
  EXPECT_EQ(animate.countFrames, 1);
  EXPECT_EQ(animate.timerInterval, 50);
  EXPECT_EQ(animate.command, ButtonCommand::cmDefault);
  TzsDataSkinStdLabelControl label("l");
  label.LoadFromIni(empty);
  EXPECT_EQ(label.activeFontColor, 16711680u);
  TzsDataSkinControlBar bar("b");
  bar.LoadFromIni(empty);
  EXPECT_EQ(bar.itemOffset1, 3);
  EXPECT_EQ(bar.bgPictureIndex, -1);
  TzsDataSkinListBox list("l");
  list.LoadFromIni(empty);
  EXPECT_EQ(list.vScrollBarName, "vscrollbar");
  EXPECT_EQ(list.bothHScrollBarName, "bothhscrollbar");
  EXPECT_EQ(list.captionFontHeight, 14);
  TzsDataSkinButtonControl button("b");
  button.LoadFromIni(empty);
  EXPECT_EQ(button.glowLayerAlphaBlendValue, 255);
  EXPECT_EQ(button.glowLayerMaskPictureIndex, -1);
  EXPECT_EQ(button.pictureIndex, -1);
  EXPECT_EQ(button.stretchType, StretchType::stFull);
}

TEST(SkinRecords, EmbeddedPanelAndMenuItemValuesReadAsWritten) {
  const IniText ini = IniText::Parse(
      "[panel]\npictureindex=4\nmaskpictureindex=-1\nskinrect=141,4,200,56\nlefttoppoint=5,4\n"
      "righttoppoint=53,6\nleftbottompoint=6,45\nrightbottompoint=53,46\nclientrect=2,2,57,50\n"
      "bgpictureindex=-1\ncaptionrect=0,0,0,0\nalignment=tacenter\nfontname=Arial\nfontheight=12\n"
      "fontstyle=\nfontcolor=0\n"
      "[menuitem]\nactivepictureindex=3\nskinrect=2,2,91,24\nactiveskinrect=2,25,91,47\nunenabledfontcolor=12632256\n"
      "animateinterval=20\n");
  TzsDataSkinPanelControl panel("panel");
  panel.LoadFromIni(ini);
  EXPECT_EQ(panel.pictureIndex, 4);
  EXPECT_EQ(panel.maskPictureIndex, -1);
  EXPECT_EQ(panel.rightTopPoint, (Point{53, 6}));
  EXPECT_EQ(panel.clientRect, (Rect{2, 2, 57, 50}));
  EXPECT_EQ(panel.alignment, Alignment::taCenter);
  EXPECT_EQ(panel.fontHeight, 12);
  EXPECT_EQ(panel.fontStyle.bits, 0u);
  EXPECT_FALSE(panel.leftStretch);
  TzsDataSkinMenuItem item("menuitem");
  item.LoadFromIni(ini);
  EXPECT_EQ(item.activeSkinRect, (Rect{2, 25, 91, 47}));
  EXPECT_EQ(item.unenabledFontColor, 12632256u);
  EXPECT_EQ(item.animateInterval, 20);
  EXPECT_EQ(item.activeCheckImageRect, (Rect{}));
}

TEST(SkinRecords, AnUnreadableRectEndsTheLoad) {
  EXPECT_THROW(ParseSkinDefinition("[SKINCONTROLS]\ncount=1\n0=p:panel\n[p]\nskinrect=1,2\n"), ConvertError);
  EXPECT_THROW(ParseSkinDefinition("[SKINOBJECTS]\ncount=1\n0=c:caption\n[c]\ntextrect=\n"), ConvertError);
  EXPECT_THROW(ParseSkinDefinition("[FORMINFO]\nclientrect=\n"), ConvertError);
}
