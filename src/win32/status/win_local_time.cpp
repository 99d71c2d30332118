#include "win32/status/win_local_time.h"

#include <array>
#include <iterator>
#include <string>

#include "win32/platform/text.h"

namespace zv::win {
namespace {

std::string LocaleText(LCID locale, LCTYPE type) {
  wchar_t buffer[128];
  const int length = GetLocaleInfoW(locale, type, buffer, static_cast<int>(std::size(buffer)));
  return length > 1 ? Narrow(std::wstring_view(buffer, static_cast<std::size_t>(length - 1))) : std::string();
}

// The system counts days from Monday (1) to Sunday (7); the clock from Sunday.
void ReadDayNames(LCID locale, LCTYPE monday, std::array<std::string, 7>& names) {
  for (int day = 0; day < 7; ++day) names[static_cast<std::size_t>((day + 1) % 7)] = LocaleText(locale, monday + day);
}

}  // namespace

LocalDateTime WinLocalTime::Now() {
  SYSTEMTIME t{};
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

LocaleFormats WinLocalTime::Formats() {
  LocaleFormats f;
  if (std::string s = LocaleText(locale_, LOCALE_SSHORTDATE); !s.empty()) f.shortDate = s;
  if (std::string s = LocaleText(locale_, LOCALE_STIMEFORMAT); !s.empty()) f.longTime = s;
  f.amDesignator = LocaleText(locale_, LOCALE_S1159);
  f.pmDesignator = LocaleText(locale_, LOCALE_S2359);
  for (int m = 0; m < 12; ++m) {
    f.shortMonthNames[static_cast<std::size_t>(m)] = LocaleText(locale_, LOCALE_SABBREVMONTHNAME1 + m);
    f.longMonthNames[static_cast<std::size_t>(m)] = LocaleText(locale_, LOCALE_SMONTHNAME1 + m);
  }
  ReadDayNames(locale_, LOCALE_SABBREVDAYNAME1, f.shortDayNames);
  ReadDayNames(locale_, LOCALE_SDAYNAME1, f.longDayNames);
  return f;
}

}  // namespace zv::win
