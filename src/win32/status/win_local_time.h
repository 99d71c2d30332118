#pragma once
// The clock's time and the user's date and time formats from the system.
#include <windows.h>

#include "core/platform/local_time.h"

namespace zv::win {

class WinLocalTime : public LocalTime {
 public:
  // Tests name a fixed locale; the program takes the user's.
  explicit WinLocalTime(LCID locale = LOCALE_USER_DEFAULT) : locale_(locale) {}
  LocalDateTime Now() override;
  LocaleFormats Formats() override;

 private:
  LCID locale_;
};

}  // namespace zv::win
