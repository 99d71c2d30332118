#include "core/app/profile_file.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace zv {
namespace {

using test::FakeFiles;

TEST(ProfileFile, ReadsWithoutRegardToCase) {
  const std::string text =
      "; comment line\r\n"
      "[ZvkPath]\r\n"
      "  FName1 =  ABC  \r\n"
      "fname2=\"quoted value\"\n"
      "\r\n"
      "[zvklink]\r"
      "fname1=L1\r\n"
      "fname1=second\r\n";
  EXPECT_EQ(ReadProfileValue(text, "zvkpath", "fname1", "-"), "ABC");
  EXPECT_EQ(ReadProfileValue(text, "ZVKPATH", "FNAME2", "-"), "quoted value");
  EXPECT_EQ(ReadProfileValue(text, "zvklink", "FName1", "-"), "L1");
  EXPECT_EQ(ReadProfileValue(text, "zvklink", "fname2", "-"), "-");
  EXPECT_EQ(ReadProfileValue(text, "missing", "fname1", ""), "");
  EXPECT_EQ(ReadProfileValue("", "a", "b", "dflt"), "dflt");
}

TEST(ProfileFile, DoubleByteNamesCompareTheirTrailBytesExactly) {
  // 0xB0 0x41 and 0xB0 0x61 are two different characters; folding the trail
  // byte as a letter would mix them up.
  const std::string text = "[\xB0\x41]\r\nk=1\r\n[\xB0\x61]\r\nk=2\r\n";
  EXPECT_EQ(ReadProfileValue(text, "\xB0\x61", "K", ""), "2");
  EXPECT_EQ(ReadProfileValue(text, "\xB0\x41", "K", ""), "1");
}

TEST(ProfileFile, ReadsAtMost2047Characters) {
  const std::string longValue(5000, 'C');
  const std::string text = "[s]\r\nk=" + longValue + "\r\n";
  EXPECT_EQ(ReadProfileValue(text, "s", "k", ""), longValue.substr(0, 2047));
  EXPECT_EQ(ReadProfileValue("[s]\r\nk=" + longValue.substr(0, 2047) + "\r\n", "s", "k", ""),
            longValue.substr(0, 2047));
  EXPECT_EQ(ReadProfileValue("", "s", "k", longValue).size(), 2047u);
}

TEST(ProfileFile, WriteKeepsTheRestOfTheFile) {
  const std::string text = "; keep me\n[A]\nx=1\n\n[B]\ny=2";
  // Existing key: only its line changes.
  EXPECT_EQ(*WithProfileValue(text, "a", "X", "9"), "; keep me\n[A]\nX=9\n\n[B]\ny=2");
  // New key: after the section's last entry.
  EXPECT_EQ(*WithProfileValue(text, "A", "z", "3"), "; keep me\n[A]\nx=1\nz=3\r\n\n[B]\ny=2");
  // New key in a last section without a final line break.
  EXPECT_EQ(*WithProfileValue(text, "B", "w", "4"), "; keep me\n[A]\nx=1\n\n[B]\ny=2\r\nw=4\r\n");
  // New section at the end.
  EXPECT_EQ(*WithProfileValue(text, "C", "k", "v"), "; keep me\n[A]\nx=1\n\n[B]\ny=2\r\n\r\n[C]\r\nk=v\r\n");
  EXPECT_EQ(*WithProfileValue("", "C", "k", "v"), "[C]\r\nk=v\r\n");
  // Names or values that would break the lines are refused.
  EXPECT_FALSE(WithProfileValue(text, "A", "x", "1\r\n[evil]").has_value());
  EXPECT_FALSE(WithProfileValue(text, "A]", "x", "1").has_value());
  EXPECT_FALSE(WithProfileValue(text, "A", "x=y", "1").has_value());
  EXPECT_FALSE(WithProfileValue(text, "A", "", "1").has_value());
}

TEST(ProfileFile, FilesRoundTripAndReportFailedWrites) {
  FakeFiles files;
  WriteProfileString(files, "/app/s.ini", "zvkpath", "fname1", "ABCDEF");
  WriteProfileString(files, "/app/s.ini", "zvklink", "fname1", "0102");
  WriteProfileString(files, "/app/s.ini", "ZVKPATH", "fname2", "FF");
  EXPECT_EQ(files.files["/app/s.ini"], "[zvkpath]\r\nfname1=ABCDEF\r\nfname2=FF\r\n\r\n[zvklink]\r\nfname1=0102\r\n");
  EXPECT_EQ(ReadProfileString(files, "/app/s.ini", "zvkPATH", "FNAME1", ""), "ABCDEF");
  EXPECT_EQ(ReadProfileString(files, "/app/missing.ini", "a", "b", "d"), "d");

  files.unwritable.push_back("/app/s.ini");
  try {
    WriteProfileString(files, "/app/s.ini", "a", "b", "c");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Unable to write to /app/s.ini");
  }
  EXPECT_THROW(WriteProfileString(files, "/app/t.ini", "a", "b", "line\nbreak"), Error);
  EXPECT_FALSE(files.Exists("/app/t.ini"));
}

}  // namespace
}  // namespace zv
