#include "core/status/date_format.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

const LocalDateTime kMorning{2024, 5, 17, 9, 5, 3, 250};

TEST(DateFormat, DayOfWeekOfKnownDates) {
  EXPECT_EQ(DayOfWeek(1970, 1, 1), 4);  // Thursday
  EXPECT_EQ(DayOfWeek(2000, 1, 1), 6);
  EXPECT_EQ(DayOfWeek(2024, 2, 29), 4);
  EXPECT_EQ(DayOfWeek(2024, 5, 17), 5);
  EXPECT_EQ(DayOfWeek(1899, 12, 30), 6);
  EXPECT_EQ(DayOfWeek(1600, 3, 1), 3);
}

TEST(DateFormat, PlatformPictures) {
  const LocaleFormats f;
  EXPECT_EQ(FormatDateTime("yyyy/M/d", kMorning, f), "2024/5/17");
  EXPECT_EQ(FormatDateTime("H:mm:ss", kMorning, f), "9:05:03");
  EXPECT_EQ(FormatDateTime("yyyy-MM-dd HH:mm:ss", kMorning, f), "2024-05-17 09:05:03");
  EXPECT_EQ(FormatDateTime("yy/M/d", {2009, 1, 2}, f), "09/1/2");
  EXPECT_EQ(FormatDateTime("y", {2009, 1, 2}, f), "9");
}

TEST(DateFormat, HandWrittenFormats) {
  const LocaleFormats f;
  EXPECT_EQ(FormatDateTime("yy/mm/dd hh:nn:ss.zzz", kMorning, f), "24/05/17 09:05:03.250");
  // "mm" is the month unless an hour stands right before it.
  EXPECT_EQ(FormatDateTime("mm", kMorning, f), "05");
  EXPECT_EQ(FormatDateTime("hh:mm", kMorning, f), "09:05");
  EXPECT_EQ(FormatDateTime("hh:mm mm", kMorning, f), "09:05 05");
}

TEST(DateFormat, TwelveHourClock) {
  const LocaleFormats f;
  EXPECT_EQ(FormatDateTime("h:mm:ss tt", {2024, 5, 17, 15, 7, 8}, f), "3:07:08 PM");
  EXPECT_EQ(FormatDateTime("hh:mm t", {2024, 5, 17, 0, 30}, f), "12:30 A");
  EXPECT_EQ(FormatDateTime("h:mm tt", {2024, 5, 17, 12, 1}, f), "12:01 PM");
  // Without a designator "h" keeps the 24-hour value; "H" always does.
  EXPECT_EQ(FormatDateTime("h:mm", {2024, 5, 17, 15, 7}, f), "15:07");
  EXPECT_EQ(FormatDateTime("H tt", {2024, 5, 17, 15, 7}, f), "15 PM");
}

TEST(DateFormat, NamesAndTheirFallbacks) {
  LocaleFormats f;
  EXPECT_EQ(FormatDateTime("MMMM ddd", kMorning, f), "5 17");  // no names given
  f.longMonthNames[4] = "May";
  f.shortMonthNames[4] = "Ma";
  f.longDayNames[5] = "Friday";
  f.shortDayNames[5] = "Fri";
  EXPECT_EQ(FormatDateTime("dddd, MMMM d", kMorning, f), "Friday, May 17");
  EXPECT_EQ(FormatDateTime("ddd MMM", kMorning, f), "Fri Ma");
  // A month out of range from a handler prints as a number.
  EXPECT_EQ(FormatDateTime("MMMM MMM M", {2024, 13, 1}, f), "13 13 13");
  EXPECT_EQ(FormatDateTime("MMMM", {2024, 0, 1}, f), "0");
}

TEST(DateFormat, LiteralTextAndDoubleByteCharacters) {
  const LocaleFormats f;
  EXPECT_EQ(FormatDateTime("'Date:' yyyy", kMorning, f), "Date: 2024");
  EXPECT_EQ(FormatDateTime("\"h\"h", kMorning, f), "h9");
  EXPECT_EQ(FormatDateTime("d 'open", kMorning, f), "17 open");
  EXPECT_EQ(FormatDateTime("", kMorning, f), "");
  EXPECT_EQ(FormatDateTime("[ / : - ]", kMorning, f), "[ / : - ]");
  // 年月日
  EXPECT_EQ(FormatDateTime("yyyy\xc4\xeaM\xd4\xc2" "d\xc8\xd5", kMorning, f), "2024\xc4\xea" "5\xd4\xc2" "17\xc8\xd5");
  // A trail byte that is an ASCII letter stays part of its character.
  EXPECT_EQ(FormatDateTime("yyyy\x81" "d", kMorning, f), "2024\x81" "d");
  EXPECT_EQ(FormatDateTime("\x81" "yy", kMorning, f), "\x81" "y24");  // the second y is a field
  // A lone lead byte at the end is copied.
  EXPECT_EQ(FormatDateTime("d\x81", kMorning, f), "17\x81");
}

TEST(DateFormat, DefaultTextLeavesOutMidnight) {
  const LocaleFormats f;
  EXPECT_EQ(DefaultDateTimeText(kMorning, f), "2024/5/17 9:05:03");
  EXPECT_EQ(DefaultDateTimeText({2024, 5, 18, 0, 0, 0, 0}, f), "2024/5/18");
  // The whole second of midnight shows the date alone.
  EXPECT_EQ(DefaultDateTimeText({2024, 5, 18, 0, 0, 0, 999}, f), "2024/5/18");
  EXPECT_EQ(DefaultDateTimeText({2024, 5, 18, 0, 0, 1, 0}, f), "2024/5/18 0:00:01");
  EXPECT_EQ(DefaultDateTimeText({2024, 5, 18, 0, 1, 0, 0}, f), "2024/5/18 0:01:00");
  EXPECT_EQ(DefaultDateTimeText({2024, 5, 18, 12, 0, 0, 0}, f), "2024/5/18 12:00:00");
  LocaleFormats custom;
  custom.shortDate = "dd.MM.yyyy";
  custom.longTime = "hh:mm:ss tt";
  EXPECT_EQ(DefaultDateTimeText({2024, 5, 18, 13, 2, 3}, custom), "18.05.2024 01:02:03 PM");
}

}  // namespace
}  // namespace zv
