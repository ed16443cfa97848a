#include "transfer/CalendarArithmetic.h"

namespace selvane {
namespace {

constexpr std::int64_t kMinutesPerDay = 1440;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// How many multiples of step lie in [0, year); negative for a year before 0, so that the
// difference of two calls counts the multiples between them.
std::int64_t MultiplesBefore(std::int64_t year, std::int64_t step) {
  return FloorDiv(year - 1, step) + 1;
}

// Days of all years from 0 up to (not including) year; the closed form of summing the year
// lengths one by one.
std::int64_t DaysBeforeYear(std::int64_t year) {
  return 365 * year + MultiplesBefore(year, 4) - MultiplesBefore(year, 100) +
         MultiplesBefore(year, 400) - MultiplesBefore(year, 4000);
}

std::int64_t DayNumber(const TDate& date) {
  return DaysBeforeYear(date.Year) + DayOfYear(date.Year, date.Month, date.Day);
}

TDate DateOfDayNumber(std::int64_t number) {
  // 146097 days in 400 years: a guess at most a year or two off, then walk.
  std::int64_t year = FloorDiv(number * 400, 146097);
  while (DaysBeforeYear(year) >= number) --year;
  while (DaysBeforeYear(year + 1) < number) ++year;
  int day = static_cast<int>(number - DaysBeforeYear(year));
  int month = 1;
  while (day > MonthLength(static_cast<int>(year), month)) {
    day -= MonthLength(static_cast<int>(year), month);
    ++month;
  }
  return TDate{static_cast<int>(year), month, day};
}

}  // namespace

int MonthLength(int year, int month) {
  switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 2:
      return 28 + (year % 4 == 0) - (year % 100 == 0) + (year % 400 == 0) - (year % 4000 == 0);
    default:
      return 31;
  }
}

int DayOfYear(int year, int month, int day) {
  int total = day;
  for (int m = 1; m < month; ++m) total += MonthLength(year, m);
  return total;
}

long DaysBetween(const TDate& date1, const TDate& date2) {
  return static_cast<long>(DayNumber(date1) - DayNumber(date2));
}

std::int64_t MinutesBetween(const TDateTime& moment1, const TDateTime& moment2) {
  return DaysBetween(moment1.Date, moment2.Date) * kMinutesPerDay +
         (moment1.Hour - moment2.Hour) * 60 + (moment1.Minute - moment2.Minute);
}

TDateTime MomentAfter(const TDateTime& base, std::int64_t minutes) {
  std::int64_t total = base.Hour * 60 + base.Minute + minutes;
  std::int64_t days = FloorDiv(total, kMinutesPerDay);
  std::int64_t rest = total - days * kMinutesPerDay;
  TDateTime moment;
  moment.Date = DateOfDayNumber(DayNumber(base.Date) + days);
  moment.Hour = static_cast<int>(rest / 60);
  moment.Minute = static_cast<int>(rest % 60);
  return moment;
}

}  // namespace selvane
