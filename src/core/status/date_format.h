#pragma once
// Turns a date and time into text by a picture string. The picture syntax is
// the platform's ("yyyy/M/d", "H:mm:ss tt") with the usual extras of
// hand-written formats ("nn" minutes, "zzz" milliseconds, "mm" after an hour
// meaning minutes).
#include <string>
#include <string_view>

#include "core/platform/local_time.h"

namespace zv {

// 0 is Sunday.
int DayOfWeek(int year, int month, int day);

// Letters: y yy yyyy year; M MM month, MMM MMMM its names; d dd day, ddd dddd
// day names; H HH 24-hour; h hh 12-hour when the picture has t or tt, else
// 24-hour; m mm month, or minutes right after an hour; n nn minutes; s ss
// seconds; z zzz milliseconds; t tt the AM/PM designator. Text in single or
// double quotes is copied as it is, as is every other byte; CP936 double-byte
// characters are never read as letters.
std::string FormatDateTime(std::string_view picture, const LocalDateTime& value, const LocaleFormats& formats);

// The short date, a blank and the long time; date alone at exactly 00:00:00.
std::string DefaultDateTimeText(const LocalDateTime& value, const LocaleFormats& formats);

}  // namespace zv
