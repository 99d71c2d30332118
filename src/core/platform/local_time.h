#pragma once
// The local date and time and the user's date and time formats, as the clock
// pane reads them on every tick.
#include <array>
#include <string>

namespace zv {

struct LocalDateTime {
  int year = 1899;
  int month = 12;  // 1 to 12
  int day = 30;    // 1 to 31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The user's formats in the platform's picture syntax ("yyyy/M/d",
// "H:mm:ss") and the names they may refer to, all CP936 text.
struct LocaleFormats {
  std::string shortDate = "yyyy/M/d";
  std::string longTime = "H:mm:ss";
  std::string amDesignator = "AM";
  std::string pmDesignator = "PM";
  std::array<std::string, 12> shortMonthNames{};
  std::array<std::string, 12> longMonthNames{};
  std::array<std::string, 7> shortDayNames{};  // Sunday first
  std::array<std::string, 7> longDayNames{};
};

class LocalTime {
 public:
  virtual ~LocalTime() = default;
  virtual LocalDateTime Now() = 0;
  virtual LocaleFormats Formats() = 0;
};

}  // namespace zv
