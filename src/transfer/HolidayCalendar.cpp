#include "transfer/HolidayCalendar.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace selvane {
namespace {

using THolidayList = std::vector<std::string>;  // "MMDD" texts

std::unique_ptr<THolidayList> SolarHolidays;
// Holds the 30th of the 12th month, not its last day: the 29th of a short 12th month is a
// working day.
std::unique_ptr<THolidayList> LunarHolidays;

bool Contains(const THolidayList& list, const std::string& monthDay) {
  return std::find(list.begin(), list.end(), monthDay) != list.end();
}

std::string MonthDayText(int month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d", month, day);
  return text;
}

void RequireLists() {
  if (!SolarHolidays || !LunarHolidays)
    throw std::logic_error("IsHoliday: the holiday lists have not been built");
}

// Weekends and the solar list: what can be answered without the lunar date.
bool IsSolarHoliday(const TDate& date) {
  const int weekday = date.DayOfWeek();
  if (weekday == 1 || weekday == 7) return true;
  return Contains(*SolarHolidays, MonthDayText(date.Month, date.Day));
}

bool IsLunarHoliday(const TLunarDate& lunar) {
  return Contains(*LunarHolidays, MonthDayText(lunar.Month, lunar.Day));
}

}  // namespace

void InitHolidayLists() {
  SolarHolidays = std::make_unique<THolidayList>(
      THolidayList{"0101", "0301", "0501", "0505", "0606", "0815", "1003", "1225"});
  LunarHolidays = std::make_unique<THolidayList>(
      THolidayList{"1230", "0101", "0102", "0408", "0814", "0815", "0816"});
}

void FreeHolidayLists() {
  SolarHolidays.reset();
  LunarHolidays.reset();
}

bool IsHoliday(const TDate& date) {
  RequireLists();
  return IsSolarHoliday(date) || IsLunarHoliday(SolarToLunar(date));
}

bool IsHoliday(const TDate& date, const TLunarDate& lunar) {
  RequireLists();
  return IsSolarHoliday(date) || IsLunarHoliday(lunar);
}

}  // namespace selvane
