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
    "lefttoppoint=4,2\n"          // 11
    "righttoppoint=9,2\n"         // 12
    "leftbottompoint=4,6\n"       // 13
    "rightbottompoint=9,6\n"      // 14
    "[SKINOBJECTS]\n"             // 15
    "count=1\n"                   // 16
    "0=closebutton:stdbutton\n"   // 17
    "[SKINCONTROLS]\n"            // 18
    "count=1\n"                   // 19
    "0=panel:panel\n"             // 20
    "[closebutton]\n"             // 21
    "activepictureindex=0\n"      // 22
    "activemaskpictureindex=1\n"  // 23
    "skinrectinapicture=1\n"      // 24
    "skinrect=0,0,5,3\n"          // 25
    "[panel]\n"                   // 26
    "pictureindex=0\n"            // 27
    "skinrect=0,0,5,3\n";         // 28

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
       {{kError, 17, "has no section [closebutton], so it reads every key's default; did you mean [closebuton]?"},
        {kWarning, 21,
         "listed in neither SKINOBJECTS nor SKINCONTROLS, so nothing reads it; did you mean [closebutton]?"},
        {kWarning, 0, "picture 1 (am.bmp, 5 x 3) is used by no key"}}},
      {"skinrect=0,0,5,3\n[panel]", "skinrectt=0,0,5,3\n[panel]", {{kWarning, 25, "did you mean 'skinrect'?"}}},
      {"activemaskpictureindex=1",
       "activemaskpictureindex=4",
       {{kError, 23, "picture 4 is not in the list: PICTURES has 2 active pictures (0 to 1)"},
        {kWarning, 0, "picture 1 (am.bmp, 5 x 3) is used by no key"}}},
      {"activemaskpictureindex=1", "activemaskpictureindex=-1", {{kWarning, 0, "is used by no key"}}},
      {"activepicturescount=2", "activepicturescount=3", {{kError, 6, "the list has no key '2'"}}},
      {"clientrect=2,2,11,6", "clientrect=2,2,11", {{kError, 10, "'2,2,11' is not a rectangle"}}},
      {"skinrect=0,0,5,3\n[panel]", "skinrect=0,0,6,3\n[panel]", {{kError, 25, "does not lie within its picture"}}},
      {"0=panel:panel",
       "0=panel:panle",
       {{kError, 20, "unknown control type 'panle'"}, {kWarning, 26, "listed in neither"}}},
      {"skinname=T", "skinname=\xE4\xB8\xAD\xE6\x96\x87", {{kWarning, 2, "UTF-8 without a byte-order mark"}}},
      {"skinrectinapicture=1", "skinrectinapicture=true", {{kWarning, 24, "reads as false"}}},
      {"skinname=T", "skinname=\xD6\xD0T\x80", {{kWarning, 2, "bytes that are not CP936 text"}}},
      // 4 pixels left of the corner points and 4 right of them (13 - 9) need a width of 8.
      {"rightbottompoint=9,6",
       "rightbottompoint=9,6\nformminwidth=7",
       {{kWarning, 15, "7 is narrower than the frame's fixed pieces (8 pixels"}}},
      {"rightbottompoint=9,6", "rightbottompoint=9,6\nformminwidth=8", {}},
      {"righttoppoint=9,2",
       "righttoppoint=4,2",
       {{kError, 12, "the frame's top band has no middle between lefttoppoint and righttoppoint (4 to 4)"}}},
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
  ExpectFindings(skin, {{FindingLevel::kError, 23, "differ in size, so the shape leaves black bands"}}, "mask size");

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
