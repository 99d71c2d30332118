#include "core/skin/skin_data.h"

#include <gtest/gtest.h>

#include <set>

#include "core/skin/compression.h"
#include "core/skin/values.h"
#include "skin/skin_data_fakes.h"
#include "skin_test_pictures.h"

namespace zv {
namespace {

using test::RecordingForms;

const char kDefinition[] =
    "[VERSION]\r\nskinname=Sample\r\nskinauthor=Us\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n"
    "[FORMINFO]\r\nclientrect=2,3,11,6\r\nformminwidth=77\r\n"
    "[POPUPWINDOW]\r\nwindowpictureindex=1\r\n"
    "[SKINCOLORS]\r\ncbtnface=123\r\n"
    "[SKINOBJECTS]\r\ncount=3\r\n0=closebutton:stdbutton\r\n1=caption:caption\r\n2=closebutton:button\r\n"
    "[closebutton]\r\ncommand=cmclose\r\n"
    "[SKINCONTROLS]\r\ncount=2\r\n0=button:button\r\n1=panel:panel\r\n"
    "[panel]\r\npictureindex=1\r\n";

TzsCompressedStoredSkin StoredSkin(const std::string& definition, std::int32_t version = kPackageVersion) {
  SkinPackage package;
  package.picture = test::SamplePicture(24, 13, 7, 1);
  package.mask = test::SamplePicture(8, 13, 7, 2);
  package.activePictures = {test::SamplePicture(24, 5, 3, 3), test::SamplePicture(4, 9, 2, 4)};
  package.definitionText = definition;
  std::vector<std::uint8_t> bytes = WritePackage(package);
  bytes[0] = static_cast<std::uint8_t>(version);
  std::vector<std::uint8_t> compressed;
  CompressPackage(bytes, compressed);
  TzsCompressedStoredSkin skin;
  skin.SetCompressedData(std::move(compressed));
  return skin;
}

struct SkinDataTest : ::testing::Test {
  RecordingForms forms;
  test::RecordingForm* owner = forms.AddForm("frmAd1");
  test::RecordingForm* other = forms.AddForm("frmAd");
  TzsSkinData data{owner, forms};
  TzsCompressedStoredSkin sample = StoredSkin(kDefinition);
};

TEST_F(SkinDataTest, CreationHoldsNothingAndSendsNothing) {
  EXPECT_TRUE(data.Empty());
  EXPECT_FALSE(data.ChangingSkin());
  EXPECT_TRUE(data.SkinnableForm());
  EXPECT_TRUE(data.EnableSkinEffects && data.ShowButtonGlowFrames && data.ShowCaptionButtonGlowFrames);
  EXPECT_EQ(data.SkinIndex(), 0);
  EXPECT_EQ(data.PopupWindow().windowPictureIndex, -1);
  EXPECT_EQ(data.HintWindow().windowPictureIndex, -1);
  EXPECT_EQ(data.FindObjectRecord("closebutton"), -1);
  EXPECT_TRUE(forms.log.empty());
}

TEST_F(SkinDataTest, LoadAnnouncesToTheOwnerFirstAndFillsEverything) {
  data.SetCompressedStoredSkin(&sample);
  EXPECT_EQ(forms.Messages(), (std::vector<unsigned>{1225, 1225, 1226, 1226, 1227, 1227}));
  EXPECT_EQ(forms.Receivers(), (std::vector<std::string>{"frmAd1", "frmAd", "frmAd1", "frmAd", "frmAd1", "frmAd"}));
  for (const auto& r : forms.log) {
    EXPECT_EQ(r.sender, &data);
    EXPECT_EQ(r.param, 1000);
  }
  // 1225 comes before anything is cleared; 1226 once the new skin is whole.
  EXPECT_TRUE(forms.log[0].empty && forms.log[0].changing);
  EXPECT_FALSE(forms.log[2].empty);
  EXPECT_TRUE(forms.log[2].changing);
  EXPECT_EQ(forms.log[2].objects, 3);
  EXPECT_FALSE(forms.log[4].changing);

  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.Picture().width(), 13);
  EXPECT_EQ(data.Mask().height(), 7);
  EXPECT_EQ(data.InactivePicture().width(), 0);
  ASSERT_EQ(data.ActivePictures().size(), 2u);
  EXPECT_EQ(data.ActivePictures()[1].width(), 9);
  EXPECT_EQ(data.Version().skinAuthor, "Us");
  EXPECT_EQ(data.PictureNames().activePictures, (std::vector<std::string>{"a.bmp", "b.bmp"}));
  EXPECT_EQ(data.FormInfo().formMinWidth, 77);
  // Completed with a mask: the mask area becomes the client rect.
  EXPECT_EQ(data.FormInfo().maskRectArea, (Rect{2, 3, 11, 6}));
  EXPECT_EQ(data.PopupWindow().windowPictureIndex, 1);
  EXPECT_EQ(data.SkinColors().cBtnFace, 123u);
  EXPECT_EQ(data.SkinColors().cBtnText, SystemColor(0x12));
}

TEST_F(SkinDataTest, FindsRecordsByExactNameFirstOneWins) {
  data.SetCompressedStoredSkin(&sample);
  EXPECT_EQ(data.FindObjectRecord("closebutton"), 0);
  EXPECT_EQ(data.FindObjectRecord("caption"), 1);
  EXPECT_EQ(data.FindObjectRecord("CloseButton"), -1);
  EXPECT_EQ(data.FindControlRecord("panel"), 1);
  EXPECT_EQ(data.FindControlRecord("Panel"), -1);
  EXPECT_EQ(data.FindControlRecord(""), -1);
  EXPECT_EQ(data.FindObjectRecord("panel"), -1);
  ASSERT_EQ(data.ObjectList().size(), 3u);
  EXPECT_NE(dynamic_cast<TzsDataSkinStdButton*>(data.ObjectList()[0].get()), nullptr);
  EXPECT_EQ(dynamic_cast<TzsDataSkinStdButton*>(data.ObjectList()[2].get()), nullptr);
}

TEST_F(SkinDataTest, EmptyStoredSkinChangesNothing) {
  data.SetCompressedStoredSkin(&sample);
  forms.log.clear();
  TzsCompressedStoredSkin empty;
  data.SetCompressedStoredSkin(&empty);
  EXPECT_TRUE(forms.log.empty());
  EXPECT_EQ(data.CompressedStoredSkin(), &empty);
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.ObjectList().size(), 3u);
}

TEST_F(SkinDataTest, SkinListAndIndexLoadOnlyInRange) {
  TzsCompressedSkinList list;
  data.SetSkinList(&list);  // no items: stored, nothing loaded
  EXPECT_EQ(data.SkinList(), &list);
  EXPECT_TRUE(forms.log.empty());

  list.Skins().Add().StoredSkin() = sample;
  data.SetSkinIndex(1);  // out of range with a list: ignored
  data.SetSkinIndex(-1);
  data.SetSkinIndex(0);  // unchanged
  EXPECT_EQ(data.SkinIndex(), 0);
  EXPECT_TRUE(forms.log.empty());

  data.SetSkinList(&list);
  EXPECT_EQ(forms.log.size(), 6u);
  data.SetSkinList(&list);  // the same list again loads again
  EXPECT_EQ(forms.log.size(), 12u);

  list.Skins().Add().StoredSkin() = StoredSkin("[SKINOBJECTS]\r\ncount=1\r\n0=x:caption\r\n");
  forms.log.clear();
  data.SetSkinIndex(1);
  EXPECT_EQ(data.SkinIndex(), 1);
  EXPECT_EQ(forms.Messages(), (std::vector<unsigned>{1225, 1225, 1226, 1226, 1227, 1227}));
  EXPECT_EQ(data.FindObjectRecord("x"), 0);
  EXPECT_EQ(data.FindObjectRecord("closebutton"), -1);
}

TEST_F(SkinDataTest, IndexWithoutListIsStoredAsGiven) {
  data.SetSkinIndex(-5);
  EXPECT_EQ(data.SkinIndex(), -5);
  TzsCompressedSkinList list;
  list.Skins().Add().StoredSkin() = sample;
  data.SetSkinList(&list);  // a negative index loads nothing
  EXPECT_TRUE(forms.log.empty());
}

TEST_F(SkinDataTest, SkinnableFormAndResourceStringsAnnounce) {
  data.SetSkinnableForm(true);
  EXPECT_TRUE(forms.log.empty());
  data.SetSkinnableForm(false);
  EXPECT_EQ(forms.Messages(), (std::vector<unsigned>{1294, 1294}));
  EXPECT_EQ(forms.Receivers(), (std::vector<std::string>{"frmAd1", "frmAd"}));
  forms.log.clear();
  data.SetLoading(true);
  data.SetSkinnableForm(true);
  data.SetLoading(false);
  EXPECT_TRUE(forms.log.empty());
  EXPECT_TRUE(data.SkinnableForm());

  data.SetResourceStrData(nullptr);
  EXPECT_EQ(forms.Messages(), (std::vector<unsigned>{1274, 1274}));
  TzsResourceStrData strings;
  data.SetResourceStrData(&strings);
  EXPECT_EQ(data.ResourceStrData(), &strings);
  EXPECT_EQ(forms.log.size(), 4u);
}

TEST_F(SkinDataTest, HighContrastSetsTheSkinAsideAndBack) {
  data.SetCompressedStoredSkin(&sample);
  forms.log.clear();
  data.SetHighContrast(true);
  EXPECT_TRUE(data.Empty());
  EXPECT_TRUE(data.IsEmpty());
  EXPECT_FALSE(data.SkinnableForm());
  EXPECT_EQ(forms.Messages(), (std::vector<unsigned>{1225, 1225, 1226, 1226, 1227, 1227, 1294, 1294}));
  data.SetHighContrast(true);  // no change, no news
  EXPECT_EQ(forms.log.size(), 8u);
  data.SetHighContrast(false);
  EXPECT_FALSE(data.Empty());
  EXPECT_TRUE(data.SkinnableForm());
  EXPECT_EQ(forms.log.size(), 16u);
  EXPECT_NE(data.FindObjectRecord("closebutton"), -1);  // the skin itself was kept
}

TEST_F(SkinDataTest, OwnerOutsideTheRegistryAndNoOwner) {
  RecordingForms registry;
  auto* a = registry.AddForm("a");
  registry.AddForm("b");
  test::RecordingForm lone("owner", registry.log);
  TzsSkinData withOwner(&lone, registry);
  withOwner.BroadcastSkinMessage(ZSM_SKINCHANGED);
  EXPECT_EQ(registry.Receivers(), (std::vector<std::string>{"owner", "a", "b"}));
  registry.log.clear();
  TzsSkinData ownedByA(a, registry);
  ownedByA.BroadcastSkinMessage(ZSM_SKINCHANGED);
  EXPECT_EQ(registry.Receivers(), (std::vector<std::string>{"a", "b"}));
  registry.log.clear();
  TzsSkinData orphan(nullptr, registry);
  orphan.BroadcastSkinMessage(ZSM_SKINCHANGED);
  EXPECT_EQ(registry.Receivers(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(SkinDataTest, RemovalNoticesDropOnlyTheReference) {
  auto list = std::make_unique<TzsCompressedSkinList>();
  list->Skins().Add().StoredSkin() = sample;
  auto strings = std::make_unique<TzsResourceStrData>();
  auto stored = std::make_unique<TzsCompressedStoredSkin>(sample);
  data.SetSkinList(list.get());
  data.SetResourceStrData(strings.get());
  data.SetCompressedStoredSkin(stored.get());
  forms.log.clear();
  list.reset();
  strings.reset();
  stored.reset();
  EXPECT_EQ(data.SkinList(), nullptr);
  EXPECT_EQ(data.ResourceStrData(), nullptr);
  EXPECT_EQ(data.CompressedStoredSkin(), nullptr);
  EXPECT_TRUE(forms.log.empty());
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.FindControlRecord("panel"), 1);
}

TEST_F(SkinDataTest, ReplacedReferenceNoLongerNotifies) {
  TzsCompressedSkinList second;
  {
    TzsCompressedSkinList first;
    data.SetSkinList(&first);
    data.SetSkinList(&second);
  }
  EXPECT_EQ(data.SkinList(), &second);
  // A skin data destroyed first must not be called by the list later.
  auto early = std::make_unique<TzsSkinData>(nullptr, forms);
  early->SetSkinList(&second);
  early.reset();
}

TEST_F(SkinDataTest, DestructionTellsItsReadersWhileTheRecordsStillExist) {
  struct Reader : FreeListener {
    const TzsSkinData* data = nullptr;
    bool told = false;
    bool recordsThen = false;
    void FreeNotification(const FreeNotifier* removed) override {
      told = removed == data;
      recordsThen = data->ControlRecord("panel") != nullptr && data->Picture(1).width() > 0;
    }
  } reader, leaver;
  auto doomed = std::make_unique<TzsSkinData>(nullptr, forms);
  doomed->SetCompressedStoredSkin(&sample);
  reader.data = doomed.get();
  leaver.data = doomed.get();
  doomed->AddFreeListener(&reader);
  doomed->AddFreeListener(&leaver);
  doomed->RemoveFreeListener(&leaver);
  doomed.reset();
  EXPECT_TRUE(reader.told);
  EXPECT_TRUE(reader.recordsThen);
  EXPECT_FALSE(leaver.told);
}

TEST_F(SkinDataTest, DamagedStreamEndsTheChangeAndRaises) {
  data.SetCompressedStoredSkin(&sample);
  forms.log.clear();
  TzsCompressedStoredSkin broken;
  broken.SetCompressedData({3, 0, 0, 0, 0, 0, 0, 0});
  try {
    data.SetCompressedStoredSkin(&broken);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "compression error");
  }
  EXPECT_EQ(forms.Messages(), (std::vector<unsigned>{1225, 1225, 1226, 1226, 1227, 1227}));
  EXPECT_TRUE(forms.log[2].empty);
  EXPECT_TRUE(data.Empty());
  EXPECT_FALSE(data.ChangingSkin());
  EXPECT_TRUE(data.ObjectList().empty() && data.ControlList().empty() && data.ActivePictures().empty());
  EXPECT_EQ(data.Picture().width(), 0);
  EXPECT_EQ(data.PopupWindow().windowPictureIndex, -1);
  EXPECT_EQ(data.SkinColors().cBtnFace, SystemColor(0x0F));
  EXPECT_TRUE(data.PictureNames().activePictures.empty());
}

TEST_F(SkinDataTest, UnreadableRectLeavesNoHalfSkin) {
  data.SetCompressedStoredSkin(&sample);
  TzsCompressedStoredSkin bad = StoredSkin(std::string(kDefinition) + "[caption]\r\ntextrect=1,2\r\n");
  EXPECT_THROW(data.SetCompressedStoredSkin(&bad), ConvertError);
  EXPECT_TRUE(data.Empty());
  EXPECT_TRUE(data.ObjectList().empty());
  EXPECT_EQ(data.Picture().width(), 0);
  // What the clear leaves alone stays from the previous skin.
  EXPECT_EQ(data.FormInfo().formMinWidth, 77);
  EXPECT_EQ(data.Version().skinName, "Sample");
}

TEST_F(SkinDataTest, NewerPackageEndsTheChangeWithoutError) {
  data.SetCompressedStoredSkin(&sample);
  forms.log.clear();
  TzsCompressedStoredSkin newer = StoredSkin(kDefinition, 4);
  data.SetCompressedStoredSkin(&newer);
  EXPECT_EQ(forms.Messages(), (std::vector<unsigned>{1225, 1225, 1226, 1226, 1227, 1227}));
  EXPECT_TRUE(data.Empty());
  EXPECT_FALSE(data.ChangingSkin());
  EXPECT_TRUE(data.ControlList().empty());
}

TEST_F(SkinDataTest, OlderPackageVersionsLoad) {
  TzsCompressedStoredSkin older = StoredSkin(kDefinition, 1);
  data.SetCompressedStoredSkin(&older);
  EXPECT_FALSE(data.Empty());
  EXPECT_EQ(data.ControlList().size(), 2u);
}

TEST(ResourceStrDataTest, DefaultsAndLookups) {
  TzsResourceStrData strings;
  ASSERT_EQ(strings.ResStrings().size(), 131u);
  EXPECT_EQ(strings.ResStrings()[1], "MI_MAXCAPTION=Ma&ximize");
  EXPECT_EQ(strings.ResStrings()[12], "RESTORE_HINT=Restore");
  EXPECT_EQ(strings.CharSet(), 1);
  std::set<std::string> keys;
  for (const auto& line : strings.ResStrings()) {
    const auto equals = line.find('=');
    ASSERT_NE(equals, std::string::npos) << line;
    EXPECT_GT(line.size(), equals + 1) << line;
    keys.insert(line.substr(0, equals));
  }
  EXPECT_EQ(keys.size(), 131u);
  EXPECT_EQ(strings.GetResString("mi_maxcaption"), "Ma&ximize");
  EXPECT_EQ(strings.GetResString("ROLLUPBUTTON_HINT"), "Roll Up");
  EXPECT_EQ(strings.GetResString("find_replace_all"), "Replace all");
  EXPECT_EQ(strings.GetResString("NO_SUCH_KEY"), "");
  EXPECT_EQ(strings.GetResString(""), "");

  strings.SetResStrings({"no equals sign", "A=first=with equals", "a=second", "B="});
  EXPECT_EQ(strings.GetResString("a"), "first=with equals");
  EXPECT_EQ(strings.GetResString("b"), "");
  EXPECT_EQ(strings.GetResString("no equals sign"), "");
  EXPECT_EQ(strings.GetResString("MI_MAXCAPTION"), "");
}

}  // namespace
}  // namespace zv
