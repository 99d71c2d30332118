#include "core/skin/check/skin_check.h"

#include <gtest/gtest.h>

#include "skin_test_pictures.h"

namespace zv {
namespace {

// A small skin the check finds nothing in; each case changes one line.
constexpr const char* kCleanText =
    "[VERSION]\n"                 // 1
    "skinname=T\n"                // 2
    "[PICTURES]\n"                // 3
    "picture=p.bmp\n"             // 4
    "mask=m.bmp\n"                // 5
    "activepicturescount=2\n"     // 6
    "0=a.bmp\n"                   // 7
    "1=am.bmp\n"                  // 8
    "[FORMINFO]\n"                // 9
    "clientrect=2,2,11,6\n"       // 10
    "[SKINOBJECTS]\n"             // 11
    "count=1\n"                   // 12
    "0=closebutton:stdbutton\n"   // 13
    "[SKINCONTROLS]\n"            // 14
    "count=1\n"                   // 15
    "0=panel:panel\n"             // 16
    "[closebutton]\n"             // 17
    "activepictureindex=0\n"      // 18
    "activemaskpictureindex=1\n"  // 19
    "skinrectinapicture=1\n"      // 20
    "skinrect=0,0,5,3\n"          // 21
    "[panel]\n"                   // 22
    "pictureindex=0\n"            // 23
    "skinrect=0,0,5,3\n";         // 24

SkinUnderCheck CleanSkin() {
  SkinUnderCheck skin;
  skin.definitionFile = "d/skin.ini";
  skin.text = kCleanText;
  skin.picture = test::SamplePicture(24, 13, 7, 1);
  skin.mask = test::SamplePicture(8, 13, 7, 2);
  skin.activePictures = {test::SamplePicture(24, 5, 3, 3), test::SamplePicture(1, 5, 3, 4)};
  return skin;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return text.replace(at, from.size(), to);
}

struct Expected {
  FindingLevel level;
  int line;
  const char* says;
};

void ExpectFindings(const SkinUnderCheck& skin, const std::vector<Expected>& expected, const char* what) {
  const std::vector<SkinFinding> found = CheckSkin(skin);
  std::string all;
  for (const SkinFinding& f : found) all += FindingText(f) + "\n";
  ASSERT_EQ(found.size(), expected.size()) << what << "\n" << all;
  for (std::size_t i = 0; i < found.size(); ++i) {
    EXPECT_EQ(found[i].level, expected[i].level) << what << "\n" << all;
    EXPECT_EQ(found[i].line, expected[i].line) << what << "\n" << all;
    EXPECT_NE(found[i].message.find(expected[i].says), std::string::npos) << what << "\n" << all;
  }
}

TEST(SkinCheck, CleanSkinHasNoFindings) { ExpectFindings(CleanSkin(), {}, "clean"); }

TEST(SkinCheck, DefinitionMistakesAreFoundOnceWithTheirLine) {
  constexpr auto kError = FindingLevel::kError;
  constexpr auto kWarning = FindingLevel::kWarning;
  struct Case {
    const char* from;
    const char* to;
    std::vector<Expected> expected;
  };
  const Case cases[] = {
      {"[closebutton]",
       "[closebuton]",
       {{kError, 13, "has no section [closebutton], so it reads every key's default; did you mean [closebuton]?"},
        {kWarning, 17,
         "listed in neither SKINOBJECTS nor SKINCONTROLS, so nothing reads it; did you mean [closebutton]?"},
        {kWarning, 0, "picture 1 (am.bmp, 5 x 3) is used by no key"}}},
      {"skinrect=0,0,5,3\n[panel]", "skinrectt=0,0,5,3\n[panel]", {{kWarning, 21, "did you mean 'skinrect'?"}}},
      {"activemaskpictureindex=1",
       "activemaskpictureindex=4",
       {{kError, 19, "picture 4 is not in the list: PICTURES has 2 active pictures (0 to 1)"},
        {kWarning, 0, "picture 1 (am.bmp, 5 x 3) is used by no key"}}},
      {"activemaskpictureindex=1", "activemaskpictureindex=-1", {{kWarning, 0, "is used by no key"}}},
      {"activepicturescount=2", "activepicturescount=3", {{kError, 6, "the list has no key '2'"}}},
      {"clientrect=2,2,11,6", "clientrect=2,2,11", {{kError, 10, "'2,2,11' is not a rectangle"}}},
      {"skinrect=0,0,5,3\n[panel]", "skinrect=0,0,6,3\n[panel]", {{kError, 21, "does not lie within its picture"}}},
      {"0=panel:panel",
       "0=panel:panle",
       {{kError, 16, "unknown control type 'panle'"}, {kWarning, 22, "listed in neither"}}},
      {"skinname=T", "skinname=\xE4\xB8\xAD\xE6\x96\x87", {{kWarning, 2, "UTF-8 without a byte-order mark"}}},
      {"skinrectinapicture=1", "skinrectinapicture=true", {{kWarning, 20, "reads as false"}}},
      {"skinname=T", "skinname=\xD6\xD0T\x80", {{kWarning, 2, "bytes that are not CP936 text"}}},
      // 5 pixels left of the corner point and 5 right of it (13 - 8) need a width of 10.
      {"clientrect=2,2,11,6",
       "clientrect=2,2,11,6\nlefttoppoint=5,2\nrighttoppoint=8,2\nformminwidth=9",
       {{kWarning, 13, "9 is narrower than the frame's fixed pieces (10 pixels"}}},
      {"clientrect=2,2,11,6", "clientrect=2,2,11,6\nlefttoppoint=5,2\nrighttoppoint=8,2\nformminwidth=10", {}},
  };
  for (const Case& c : cases) {
    SkinUnderCheck skin = CleanSkin();
    skin.text = Replaced(skin.text, c.from, c.to);
    ExpectFindings(skin, c.expected, c.to);
  }
}

TEST(SkinCheck, PictureMistakesAreFound) {
  SkinUnderCheck skin = CleanSkin();
  skin.activePictures[1] = test::SamplePicture(1, 4, 3, 4);
  ExpectFindings(skin, {{FindingLevel::kError, 19, "differ in size, so the shape leaves black bands"}}, "mask size");

  skin = CleanSkin();
  skin.activePictures[0] = test::SamplePicture(32, 5, 3, 3);
  skin.activePictures[0]->bitmap.At(1, 1).a = 128;
  ExpectFindings(skin, {{FindingLevel::kWarning, 0, "alpha channel, which the skin ignores"}}, "alpha");
  skin.pictureFolder = "d/";
  EXPECT_EQ(CheckSkin(skin).at(0).file, "d/a.bmp");

  skin = CleanSkin();
  skin.mask = test::SamplePicture(8, 12, 7, 2);
  ExpectFindings(skin, {{FindingLevel::kError, 5, "differ in size"}}, "frame mask");

  skin = CleanSkin();
  skin.text = "\xEF\xBB\xBF" + skin.text;
  ExpectFindings(skin,
                 {{FindingLevel::kError, 1, "byte-order mark"}, {FindingLevel::kError, 0, "the section is missing"}},
                 "mark");
}

}  // namespace
}  // namespace zv
