#include "core/status/date_format.h"

#include <cctype>

#include "core/base/cp936.h"

namespace zv {
namespace {

std::string Number(int value, int minDigits) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < minDigits) digits.insert(0, minDigits - digits.size(), '0');
  return value < 0 ? "-" + digits : digits;
}

// A name from a table, or the number when the index is out of range or the
// platform gave no name.
template <std::size_t N>
std::string Name(const std::array<std::string, N>& names, int index, int fallback) {
  if (index >= 0 && index < static_cast<int>(N) && !names[static_cast<std::size_t>(index)].empty()) {
    return names[static_cast<std::size_t>(index)];
  }
  return Number(fallback, 1);
}

// Whether an AM/PM designator appears outside quotes: it makes "h" 12-hour.
bool HasDesignator(std::string_view picture) {
  char quote = 0;
  for (std::size_t i = 0; i < picture.size(); ++i) {
    const auto c = static_cast<unsigned char>(picture[i]);
    if (quote != 0) {
      if (c == static_cast<unsigned char>(quote)) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = static_cast<char>(c);
    } else if (IsLeadByte(c)) {
      ++i;
    } else if (c == 't' || c == 'T') {
      return true;
    }
  }
  return false;
}

struct Formatter {
  const LocalDateTime& v;
  const LocaleFormats& f;
  bool twelveHour;
  bool afterHour = false;

  int Hour12() const { return v.hour % 12 == 0 ? 12 : v.hour % 12; }

  // Appends the field for `count` repetitions of `letter`; false when the
  // letter is no field.
  bool Field(char letter, int count, std::string& out) {
    const bool wasAfterHour = afterHour;
    afterHour = false;
    switch (letter) {
      case 'y': case 'Y':
        out += count <= 2 ? Number(((v.year % 100) + 100) % 100, count) : Number(v.year, 4);
        return true;
      case 'M':
        Month(count, out);
        return true;
      case 'm':
        if (wasAfterHour) out += Number(v.minute, count >= 2 ? 2 : 1); else Month(count, out);
        return true;
      case 'd': case 'D':
        if (count <= 2) out += Number(v.day, count);
        else if (count == 3) out += Name(f.shortDayNames, DayOfWeek(v.year, v.month, v.day), v.day);
        else out += Name(f.longDayNames, DayOfWeek(v.year, v.month, v.day), v.day);
        return true;
      case 'H':
        out += Number(v.hour, count >= 2 ? 2 : 1);
        afterHour = true;
        return true;
      case 'h':
        out += Number(twelveHour ? Hour12() : v.hour, count >= 2 ? 2 : 1);
        afterHour = true;
        return true;
      case 'n': case 'N':
        out += Number(v.minute, count >= 2 ? 2 : 1);
        return true;
      case 's': case 'S':
        out += Number(v.second, count >= 2 ? 2 : 1);
        return true;
      case 'z': case 'Z':
        out += Number(v.millisecond, count >= 2 ? 3 : 1);
        return true;
      case 't': case 'T': {
        const std::string& designator = v.hour < 12 ? f.amDesignator : f.pmDesignator;
        out += count >= 2 ? designator : designator.substr(0, 1);
        afterHour = wasAfterHour;
        return true;
      }
      default:
        afterHour = wasAfterHour;
        return false;
    }
  }

  void Month(int count, std::string& out) const {
    if (count <= 2) out += Number(v.month, count);
    else if (count == 3) out += Name(f.shortMonthNames, v.month - 1, v.month);
    else out += Name(f.longMonthNames, v.month - 1, v.month);
  }
};

}  // namespace

int DayOfWeek(int year, int month, int day) {
  // Days since 1970-01-01 (a Thursday) by the civil-calendar formula.
  const int y = month <= 2 ? year - 1 : year;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int mp = (month + 9) % 12;
  const int doy = (153 * mp + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long days = static_cast<long long>(era) * 146097 + doe - 719468;
  return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

std::string FormatDateTime(std::string_view picture, const LocalDateTime& value, const LocaleFormats& formats) {
  Formatter formatter{value, formats, HasDesignator(picture)};
  std::string out;
  std::size_t i = 0;
  while (i < picture.size()) {
    const char c = picture[i];
    const auto uc = static_cast<unsigned char>(c);
    if (c == '\'' || c == '"') {
      const std::size_t close = picture.find(c, i + 1);
      const std::size_t end = close == std::string_view::npos ? picture.size() : close;
      out.append(picture.substr(i + 1, end - i - 1));
      i = end == picture.size() ? end : end + 1;
      continue;
    }
    if (IsLeadByte(uc) && i + 1 < picture.size()) {
      out.append(picture.substr(i, 2));
      i += 2;
      continue;
    }
    std::size_t run = i + 1;
    while (run < picture.size() && picture[run] == c) ++run;
    const int count = static_cast<int>(run - i);
    if (std::isalpha(uc) && formatter.Field(c, count, out)) {
      i = run;
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

std::string DefaultDateTimeText(const LocalDateTime& value, const LocaleFormats& formats) {
  std::string text = FormatDateTime(formats.shortDate, value, formats);
  if (value.hour != 0 || value.minute != 0 || value.second != 0) {
    text += ' ';
    text += FormatDateTime(formats.longTime, value, formats);
  }
  return text;
}

}  // namespace zv
