#include "core/skin/ini_text.h"

#include <gtest/gtest.h>

#include <array>

#include "core/base/error.h"

using zv::AnsiUpperKey;
using zv::IniText;
using zv::ParseIniInteger;

TEST(SkinIni, LinesAreTrimmedCommentsAndStrayLinesIgnored) {
  const IniText ini = IniText::Parse(
      "orphan=1\r\n"
      " \t[ forminfo ] \x01\r\n"
      "; clientrect=9\r\n"
      "\r\n"
      "\t CLIENTRECT = 4,27,281,206 \x1f\n"
      "noequals\r"
      "a=b=c\n"
      "empty=\n");
  EXPECT_FALSE(ini.Find("", "orphan").has_value());
  EXPECT_EQ(ini.Find("FORMINFO", "clientrect"), "4,27,281,206");
  EXPECT_EQ(ini.Find("forminfo", "ClientRect"), "4,27,281,206");
  EXPECT_EQ(ini.Find("FORMINFO", "a"), "b=c");   // split at the first "="
  EXPECT_EQ(ini.Find("FORMINFO", "empty"), "");  // present but empty
  EXPECT_FALSE(ini.Find("FORMINFO", "noequals").has_value());
  EXPECT_FALSE(ini.Find("FORMINFO", "; clientrect").has_value());
  EXPECT_FALSE(ini.Find("FORMINFO", "missing").has_value());
  EXPECT_FALSE(ini.Find("MISSING", "clientrect").has_value());
  EXPECT_EQ(ini.ReadString("FORMINFO", "missing", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadString("FORMINFO", "empty", "dflt"), "");
  EXPECT_EQ(ini.Keys("forminfo"), (std::vector<std::string_view>{"CLIENTRECT", "a", "empty"}));
}

TEST(SkinIni, LaterSectionHidesEarlierAndLaterKeyWins) {
  const IniText ini = IniText::Parse("[A]\nx=1\ny=2\n[b]\nz=3\n[a]\nx=10\nx=11\n[B]\n");
  EXPECT_EQ(ini.Find("A", "x"), "11");
  EXPECT_FALSE(ini.Find("A", "y").has_value());  // hidden with the first [A]
  EXPECT_FALSE(ini.Find("B", "z").has_value());  // the empty later [B] hides all
  EXPECT_TRUE(ini.HasSection("b"));
  EXPECT_EQ(ini.SectionNames(), (std::vector<std::string_view>{"a", "B"}));
  EXPECT_EQ(ini.ReadInteger("A", "x", 0), 11);
}

TEST(SkinIni, UpperCasingLeavesDoubleByteCharactersApart) {
  EXPECT_EQ(AnsiUpperKey("abcXYZ09_"), "ABCXYZ09_");
  // GBK characters whose trail bytes are 'a' and 'A': upper-casing the trail
  // byte would make two different names equal.
  EXPECT_EQ(AnsiUpperKey("\x81\x61x"), "\x81\x61X");
  EXPECT_NE(AnsiUpperKey("\x81\x61"), AnsiUpperKey("\x81\x41"));
  const IniText ini = IniText::Parse("[\x81\x61]\nk=lower\n[\x81\x41]\nk=upper\n");
  EXPECT_EQ(ini.Find("\x81\x61", "K"), "lower");
  EXPECT_EQ(ini.Find("\x81\x41", "k"), "upper");
  // Non-ASCII single bytes are left alone.
  EXPECT_EQ(AnsiUpperKey("\xe9"), "\xe9");
}

TEST(SkinIni, IntegerReads) {
  EXPECT_EQ(ParseIniInteger("0x10"), 16);
  EXPECT_EQ(ParseIniInteger("0X1f"), 31);
  EXPECT_EQ(ParseIniInteger("$FF"), 255);
  EXPECT_EQ(ParseIniInteger("-12"), -12);
  EXPECT_EQ(ParseIniInteger("+7"), 7);
  EXPECT_EQ(ParseIniInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(ParseIniInteger("$FF00000F"), static_cast<int>(0xFF00000Fu));
  EXPECT_EQ(ParseIniInteger("-16777201"), static_cast<int>(0xFF00000Fu));
  for (const char* bad :
       {"", "-", "$", "0x", "abc", "12a", " 1", "1 ", "2147483648", "-2147483649", "$100000000", "0x1g", "1.5"}) {
    EXPECT_FALSE(ParseIniInteger(bad).has_value()) << bad;
  }
  const IniText ini = IniText::Parse("[S]\nhex=0x10\ntext=abc\nempty=\n");
  EXPECT_EQ(ini.ReadInteger("S", "hex", -1), 16);
  EXPECT_EQ(ini.ReadInteger("S", "text", -1), -1);
  EXPECT_EQ(ini.ReadInteger("S", "empty", -1), -1);
  EXPECT_EQ(ini.ReadInteger("S", "missing", 7), 7);
}

TEST(SkinIni, WriterOutputParsesBackToTheSameValues) {
  IniText ini = IniText::Parse("[Keep]\nnoequals\nk=1\nK=2\n[Drop]\nx=1\n[Drop]\ny=2\n");
  ini.WriteString("keep", "new", "a value with  inner blanks");
  ini.WriteString("KEEP", "k", "3");
  ini.WriteString("Fresh", "\xb2\x41", "\xce\xc4\xb1\xbe");  // GBK key and value
  ini.WriteInteger("Fresh", "n", -5);
  ini.WriteString("Fresh", "e", "");
  ini.WriteString("", "blank", "section");
  ini.EraseSection("drop");
  const std::string text = ini.ToText();
  const IniText back = IniText::Parse(text);
  EXPECT_EQ(back.Find("Keep", "k"), "3");
  EXPECT_EQ(back.Find("Keep", "new"), "a value with  inner blanks");
  EXPECT_EQ(back.Find("Fresh", "\xb2\x41"), "\xce\xc4\xb1\xbe");
  EXPECT_EQ(back.ReadInteger("Fresh", "n", 0), -5);
  EXPECT_EQ(back.Find("Fresh", "e"), "");
  EXPECT_EQ(back.Find("", "blank"), "section");
  EXPECT_FALSE(back.HasSection("Drop"));
  EXPECT_EQ(back.Keys("Keep"), (std::vector<std::string_view>{"K", "new"}));
  EXPECT_NE(text.find("noequals\r\n"), std::string::npos);  // kept line survives
  EXPECT_EQ(IniText::Parse(back.ToText()).ToText(), back.ToText());
}

TEST(SkinIni, WriterRefusesWhatWouldNotReadBack) {
  IniText ini;
  for (const auto& [section, key, value] : std::vector<std::array<std::string, 3>>{{"S", "k", " lead"},
                                                                                   {"S", "k", "trail\t"},
                                                                                   {"S", "k", "a\r\nb"},
                                                                                   {"S", "k", std::string("a\0b", 3)},
                                                                                   {"S", "a=b", "v"},
                                                                                   {"S", ";k", "v"},
                                                                                   {"S", "[k", "v]"},
                                                                                   {"S", " k", "v"},
                                                                                   {"S\n", "k", "v"},
                                                                                   {" S", "k", "v"}}) {
    EXPECT_THROW(ini.WriteString(section, key, value), zv::Error) << section << "/" << key << "/" << value;
  }
  EXPECT_TRUE(ini.SectionNames().empty());
}

TEST(SkinIni, HostileTextNeverCrashes) {
  std::string text = "[";
  text += std::string(5000, ']');
  text += "\n[\n]\n=\n==\n[x]\n" + std::string(1000, '=') + "\n\x81\n[\x81]\n\x81=\x81\n";
  text += std::string("\0[y]\nk=v\n", 9);
  const IniText ini = IniText::Parse(text);
  EXPECT_EQ(ini.Find("x", ""), std::string(999, '='));
  EXPECT_EQ(ini.Find("\x81", "\x81"), "\x81");
  EXPECT_FALSE(ini.HasSection("y"));  // NUL ends the text
  EXPECT_EQ(IniText::Parse(ini.ToText()).Find("x", ""), std::string(999, '='));
}

TEST(SkinIni, OverlongTextIsRefusedBeforeItIsParsed) {
  EXPECT_THROW(IniText::Parse(std::string(zv::kMaxIniTextBytes + 1, ' ')), zv::Error);
  std::string lines;
  for (std::size_t i = 0; i < zv::kMaxIniTextLines; ++i) lines += "a\n";
  EXPECT_NO_THROW(zv::CheckIniTextSize(lines));
  EXPECT_NO_THROW(IniText::Parse(lines));
  EXPECT_THROW(zv::CheckIniTextSize(lines + "a"), zv::Error);
  EXPECT_THROW(IniText::Parse(lines + "[a]"), zv::Error);
}
