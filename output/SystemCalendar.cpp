// Local time and locale names for the date tags.
#include "output/SystemCalendar.h"

#include <iterator>
#include <sstream>
#include <stdexcept>

namespace quelm {

namespace {

std::locale UserLocale() {
  try {
    return std::locale("");
  } catch (const std::runtime_error&) {
    // LANG or LC_* names a locale that is not installed.
    return std::locale::classic();
  }
}

}  // namespace

SystemCalendar::SystemCalendar() : locale_(UserLocale()) {}

std::tm SystemCalendar::Now() const {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::string SystemCalendar::Format(const std::tm& moment, char conversion) const {
  std::ostringstream out;
  out.imbue(locale_);
  const auto& facet = std::use_facet<std::time_put<char>>(locale_);
  facet.put(std::ostreambuf_iterator<char>(out), out, ' ', &moment, conversion);
  return out.str();
}

std::string SystemCalendar::WeekdayName(int weekday) const {
  std::tm moment{};
  moment.tm_wday = ((weekday % 7) + 7) % 7;
  return Format(moment, 'A');
}

std::string SystemCalendar::MonthName(int month) const {
  std::tm moment{};
  moment.tm_mon = ((month % 12) + 12) % 12;
  moment.tm_mday = 1;
  return Format(moment, 'B');
}

}  // namespace quelm
