#include "core/skin/values.h"

#include <gtest/gtest.h>

#include "core/skin/rect_rules.h"

using namespace zv;

namespace {

IniText Section(const std::string& lines) { return IniText::Parse("[S]\r\n" + lines); }

std::string ConvertMessage(const std::string& value) {
  try {
    ReadRect(Section("r=" + value + "\n"), "S", "r");
  } catch (const ConvertError& e) {
    return e.what();
  }
  return "no error";
}

}  // namespace

TEST(SkinValues, PointsAndRectsWalkDigitsAndSkipEverythingElse) {
  const IniText ini = Section(
      "spaced = 4, 27, 281, 206\n"
      "signed=-5,3\n"
      "letters=a1b2,x3y,4z,5\n"
      "extra=1,2,3,4,5\n"
      "p=7,8\n"
      "p3=7,8,9\n");
  EXPECT_EQ(ReadRect(ini, "S", "spaced"), (Rect{4, 27, 281, 206}));
  EXPECT_EQ(ReadPoint(ini, "S", "signed"), (Point{5, 3}));  // signs are skipped
  EXPECT_EQ(ReadRect(ini, "S", "letters"), (Rect{12, 3, 4, 5}));
  EXPECT_EQ(ReadRect(ini, "S", "extra"), (Rect{1, 2, 3, 4}));  // extra numbers ignored
  EXPECT_EQ(ReadPoint(ini, "S", "p"), (Point{7, 8}));
  EXPECT_EQ(ReadPoint(ini, "S", "p3"), (Point{7, 8}));
  EXPECT_EQ(ReadPoint(ini, "S", "missing"), (Point{0, 0}));
  EXPECT_EQ(ReadRect(ini, "S", "missing"), (Rect{0, 0, 0, 0}));
  EXPECT_EQ(RectWidth(ReadRect(ini, "S", "spaced")), 277);
  EXPECT_EQ(RectHeight(ReadRect(ini, "S", "spaced")), 179);
}

TEST(SkinValues, ShortOrHugeNumbersFailWithTheConversionMessage) {
  EXPECT_EQ(ConvertMessage(""), "'' is not a valid integer value");
  EXPECT_EQ(ConvertMessage("1,2,3"), "'' is not a valid integer value");
  EXPECT_EQ(ConvertMessage("1,,3,4"), "'' is not a valid integer value");
  EXPECT_EQ(ConvertMessage("1,2,3,4"), "no error");
  EXPECT_EQ(ConvertMessage("1,2,3,2147483648"), "'2147483648' is not a valid integer value");
  EXPECT_EQ(ConvertMessage("1,2,3,2147483647"), "no error");
  EXPECT_THROW(ReadPoint(Section("p=5\n"), "S", "p"), ConvertError);
  EXPECT_THROW(ReadPoint(Section("p=\n"), "S", "p"), ConvertError);
  EXPECT_THROW(ReadPoint(Section("p=x,y\n"), "S", "p"), Error);
}

TEST(SkinValues, BooleansAreTrueOnlyForOne) {
  const IniText ini = Section("one=1\ntwo=2\nminus=-1\nzero=0\ntext=yes\nhex=0x1\nempty=\n");
  EXPECT_TRUE(ReadBoolean(ini, "S", "one"));
  EXPECT_TRUE(ReadBoolean(ini, "S", "hex"));
  for (const char* key : {"two", "minus", "zero", "text", "empty", "missing"}) {
    EXPECT_FALSE(ReadBoolean(ini, "S", key)) << key;
  }
}

TEST(SkinValues, ColoursIncludingSystemColours) {
  const IniText ini = Section("c=16641763\nsys=-16777201\nhex=$FF000005\ntext=blue\n");
  const ColorRef c = ReadColor(ini, "S", "c", 7);
  EXPECT_EQ(c, 0xFDEEE3u);
  EXPECT_EQ(RedOf(c), 0xE3);
  EXPECT_EQ(GreenOf(c), 0xEE);
  EXPECT_EQ(BlueOf(c), 0xFD);
  EXPECT_FALSE(IsSystemColor(c));
  const ColorRef sys = ReadColor(ini, "S", "sys", 0);
  EXPECT_TRUE(IsSystemColor(sys));
  EXPECT_EQ(SystemColorIndex(sys), 0x0F);
  EXPECT_EQ(ReadColor(ini, "S", "hex", 0), SystemColor(5));
  EXPECT_EQ(ReadColor(ini, "S", "text", SystemColor(8)), SystemColor(8));
  EXPECT_EQ(ReadColor(ini, "S", "missing", 42), 42u);
  IniText out;
  WriteColor(out, "S", "sys", sys);
  EXPECT_EQ(ReadColor(out, "S", "sys", 0), sys);
  EXPECT_EQ(out.Find("S", "sys"), "-16777201");
}

TEST(SkinValues, FontStylesAreCaseSensitiveSubstrings) {
  const IniText ini = Section("a=fsbold,fsunderline\nb=fsBold\nc=xfsstrikeoutfsitalic\nd=\n");
  EXPECT_EQ(ReadFontStyle(ini, "S", "a").bits, unsigned{kFontBold | kFontUnderline});
  EXPECT_EQ(ReadFontStyle(ini, "S", "b").bits, 0u);
  EXPECT_EQ(ReadFontStyle(ini, "S", "c").bits, unsigned{kFontItalic | kFontStrikeOut});
  EXPECT_EQ(ReadFontStyle(ini, "S", "d").bits, 0u);
  EXPECT_EQ(ReadFontStyle(ini, "S", "missing").bits, 0u);
  EXPECT_EQ(FontStyleText(FontStyle{kFontStrikeOut | kFontBold | kFontItalic}), "fsbold,fsitalic,fsstrikeout");
  EXPECT_EQ(FontStyleText(FontStyle{}), "");
  for (unsigned bits = 0; bits < 16; ++bits) EXPECT_EQ(ParseFontStyle(FontStyleText({bits})).bits, bits);
}

TEST(SkinValues, EnumerationFallbacks) {
  const IniText ini = Section(
      "capsalign=taLeftJustify\nleft=taleftjustify\nemptyalign=\n"
      "vert=stvert\nodd=stretchy\n"
      "badeffect=iefoo\ninvert=ieinvert\n"
      "push=mkpush\nbadmorph=mkPush\n"
      "close=cmclose\ntray=cmminimizetotray\nodd2=cmwhatever\n");
  EXPECT_EQ(ReadAlignment(ini, "S", "capsalign"), Alignment::taRightJustify);
  EXPECT_EQ(ReadAlignment(ini, "S", "left"), Alignment::taLeftJustify);
  EXPECT_EQ(ReadAlignment(ini, "S", "emptyalign"), Alignment::taRightJustify);
  EXPECT_EQ(ReadAlignment(ini, "S", "missing"), Alignment::taCenter);
  EXPECT_EQ(ReadStretchType(ini, "S", "vert"), StretchType::stVert);
  EXPECT_EQ(ReadStretchType(ini, "S", "odd"), StretchType::stHorz);
  EXPECT_EQ(ReadStretchType(ini, "S", "missing"), StretchType::stFull);
  EXPECT_EQ(ReadInactiveEffect(ini, "S", "badeffect"), InactiveEffect::ieGrayscale);
  EXPECT_EQ(ReadInactiveEffect(ini, "S", "invert"), InactiveEffect::ieInvert);
  EXPECT_EQ(ReadInactiveEffect(ini, "S", "missing"), InactiveEffect::ieBrightness);
  EXPECT_EQ(ReadMorphKind(ini, "S", "push"), MorphKind::mkPush);
  EXPECT_EQ(ReadMorphKind(ini, "S", "badmorph"), MorphKind::mkDefault);
  EXPECT_EQ(ReadButtonCommand(ini, "S", "close"), ButtonCommand::cmClose);
  EXPECT_EQ(ReadButtonCommand(ini, "S", "tray"), ButtonCommand::cmMinimizeToTray);
  EXPECT_EQ(ReadButtonCommand(ini, "S", "odd2"), ButtonCommand::cmMinimizeToTray);
  EXPECT_EQ(ReadButtonCommand(ini, "S", "missing"), ButtonCommand::cmDefault);
  EXPECT_EQ(static_cast<int>(Alignment::taCenter), 2);
  EXPECT_EQ(static_cast<int>(InactiveEffect::ieSplitBlur), 4);
  EXPECT_EQ(static_cast<int>(MorphKind::mkRightSlide), 5);
  EXPECT_EQ(static_cast<int>(ButtonCommand::cmMinimizeToTray), 6);
}

TEST(SkinValues, WritersReadBack) {
  IniText ini;
  WritePoint(ini, "S", "p", {12, 0});
  WriteRect(ini, "S", "r", {1, 2, 300, 400});
  WriteBoolean(ini, "S", "t", true);
  WriteBoolean(ini, "S", "f", false);
  EXPECT_EQ(ini.Find("S", "p"), "12,0");
  EXPECT_EQ(ini.Find("S", "t"), "1");
  EXPECT_EQ(ReadPoint(ini, "S", "p"), (Point{12, 0}));
  EXPECT_EQ(ReadRect(ini, "S", "r"), (Rect{1, 2, 300, 400}));
  EXPECT_TRUE(ReadBoolean(ini, "S", "t"));
  EXPECT_FALSE(ReadBoolean(ini, "S", "f"));
  for (int i = 0; i < 3; ++i) {
    WriteAlignment(ini, "S", "a", Alignment(i));
    EXPECT_EQ(ReadAlignment(ini, "S", "a"), Alignment(i));
    WriteStretchType(ini, "S", "s", StretchType(i));
    EXPECT_EQ(ReadStretchType(ini, "S", "s"), StretchType(i));
  }
  for (int i = 0; i < 6; ++i) {
    WriteInactiveEffect(ini, "S", "e", InactiveEffect(i));
    EXPECT_EQ(ReadInactiveEffect(ini, "S", "e"), InactiveEffect(i));
  }
  for (int i = 0; i < 7; ++i) {
    WriteMorphKind(ini, "S", "m", MorphKind(i));
    EXPECT_EQ(ReadMorphKind(ini, "S", "m"), MorphKind(i));
    WriteButtonCommand(ini, "S", "c", ButtonCommand(i));
    EXPECT_EQ(ReadButtonCommand(ini, "S", "c"), ButtonCommand(i));
  }
  EXPECT_THROW(WriteAlignment(ini, "S", "a", Alignment(7)), Error);
  // A negative coordinate keeps its sign when written; the reader skips it.
  WritePoint(ini, "S", "neg", {-5, 3});
  EXPECT_EQ(ini.Find("S", "neg"), "-5,3");
  EXPECT_EQ(ReadPoint(ini, "S", "neg"), (Point{5, 3}));
}

TEST(SkinValues, IndexedLists) {
  std::vector<std::string> items{"keep"};
  ReadIndexedList(Section("activepicturescount=3\n0=a.bmp\n2=c.bmp\n"), "S", "activepictures", items);
  EXPECT_EQ(items, (std::vector<std::string>{"keep", "a.bmp", "", "c.bmp"}));
  items.clear();
  ReadIndexedList(Section("activepicturescount=-4\n0=a\n"), "S", "activepictures", items);
  ReadIndexedList(Section("0=a\n"), "S", "activepictures", items);
  EXPECT_TRUE(items.empty());
  EXPECT_THROW(ReadIndexedList(Section("listcount=2147483647\n"), "S", "list", items), Error);
  IniText out;
  WriteIndexedList(out, "S", "l", {"x", "", "z"});
  ReadIndexedList(out, "S", "l", items);
  EXPECT_EQ(items, (std::vector<std::string>{"x", "", "z"}));
}

TEST(SkinValues, GeometryHelpers) {
  EXPECT_TRUE(RectsEqual({1, 2, 3, 4}, {1, 2, 3, 4}));
  EXPECT_FALSE(RectsEqual({1, 2, 3, 4}, {1, 2, 3, 5}));
  EXPECT_EQ(NullRect(), (Rect{0, 0, 0, 0}));
  EXPECT_TRUE(IsNullRect(NullRect()));
  EXPECT_TRUE(IsNullRect({5, 5, 5, 10}));
  EXPECT_TRUE(IsNullRect({5, 5, 10, 4}));
  EXPECT_FALSE(IsNullRect({5, 5, 6, 6}));
  EXPECT_TRUE(IsNullRect({2147483647, 0, -2147483647 - 1, 5}));  // no overflow
  EXPECT_TRUE(IsNullPoint({0, 5}));
  EXPECT_TRUE(IsNullPoint({5, 0}));
  EXPECT_FALSE(IsNullPoint({5, 5}));
  const Rect r{10, 10, 20, 20};
  EXPECT_TRUE(PointInRectInclusive(r, {20, 20}));
  EXPECT_TRUE(PointInRectInclusive(r, {10, 10}));
  EXPECT_FALSE(PointInRectInclusive(r, {21, 15}));
  EXPECT_FALSE(PointInRectInclusive(r, {15, 9}));
  EXPECT_TRUE(RectInRect({10, 10, 19, 19}, r));
  EXPECT_FALSE(RectInRect({10, 10, 20, 19}, r));  // right edge is outside
  EXPECT_FALSE(RectInRect({9, 10, 12, 12}, r));
}
