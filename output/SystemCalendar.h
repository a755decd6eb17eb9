// The calendar of the running system: local time from the C library, names from a C++ locale
// (the user's, from the environment, unless another is given).
#pragma once

#include <locale>
#include <utility>

#include "output/LocalCalendar.h"

namespace quelm {

class SystemCalendar : public LocalCalendar {
 public:
  SystemCalendar();  // the user's locale; the classic one when the environment names none valid
  explicit SystemCalendar(std::locale locale) : locale_(std::move(locale)) {}

  std::tm Now() const override;
  std::string WeekdayName(int weekday) const override;
  std::string MonthName(int month) const override;

 private:
  std::string Format(const std::tm& moment, char conversion) const;

  std::locale locale_;
};

}  // namespace quelm
