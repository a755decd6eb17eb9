// The local clock and the user's names of weekdays and months, as the date tags read them.
#pragma once

#include <ctime>
#include <string>

namespace quelm {

class LocalCalendar {
 public:
  virtual ~LocalCalendar() = default;
  // The current local date and time.
  virtual std::tm Now() const = 0;
  // Full names in the user's language; weekday 0 is Sunday, month 0 is January.
  virtual std::string WeekdayName(int weekday) const = 0;
  virtual std::string MonthName(int month) const = 0;
};

}  // namespace quelm
