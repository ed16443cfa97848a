// Bank holidays: a transfer date may not fall on one. Saturdays and Sundays always are. For the
// years of the shipped holiday file ("holidays.txt", the official calendar with its substitute,
// election and one-off holidays) that file decides; for any other year a date is a holiday when
// its month and day are in the solar list or its lunar date (the moon model's, the leap flag not
// mattering) is in the lunar list. The office's file ("holidays.local.txt") adds and removes days
// in every year.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/Date.h"
#include "transfer/HolidayFile.h"
#include "transfer/LunarCalendar.h"

namespace selvane {

struct THoliday {
  TDate Date;
  std::string Name;

  bool operator==(const THoliday&) const = default;
};

class THolidayCalendar {
 public:
  // The lists and the moon model for every year, no files.
  THolidayCalendar() = default;
  // The shipped days decide the years from the first to the last year they name.
  THolidayCalendar(const THolidayFile& shipped, const THolidayFile& local);

  bool IsHoliday(const TDate& date) const;
  // The same answer for a date whose lunar date is already known.
  bool IsHoliday(const TDate& date, const TLunarDate& lunar) const;

  // Does the shipped file decide this year?
  bool Covers(int year) const { return year >= firstYear_ && year <= lastYear_; }
  int FirstYear() const { return firstYear_; }
  int LastYear() const { return lastYear_; }

  // Every holiday of the year that is not a Saturday or a Sunday, in date order.
  std::vector<THoliday> HolidaysOf(int year) const;

 private:
  // The holiday's name, or nullopt for a working day, Saturdays and Sundays aside; lunar is
  // computed only when a model year needs it and none is given.
  std::optional<std::string> NameOf(const TDate& date, const TLunarDate* lunar) const;
  static std::optional<std::string> ModelName(const TDate& date, const TLunarDate& lunar);

  std::map<TDate, std::string> shipped_;
  std::map<TDate, std::string> added_;
  std::set<TDate> removed_;
  int firstYear_ = 1;
  int lastYear_ = 0;  // below firstYear_: no year is covered
};

// The calendar of a program folder's holiday files and what was wrong with them. A missing
// shipped file, or one that cannot be read or names no day, is replaced by the copy built into
// the program.
struct THolidayCalendarLoad {
  THolidayCalendar Calendar;
  std::vector<THolidayLineProblem> Problems;
};
THolidayCalendarLoad LoadHolidayCalendar(const std::string& folder);

// The warning shown for damaged lines: a heading, then one line for each (at most ten, and how
// many more).
std::string HolidayProblemsMessage(const std::vector<THolidayLineProblem>& problems);

// Build the holiday calendar from the files of the program folder (or of folder), once when the
// main window is created (again replaces it). Damaged lines are shown in one warning box; the
// calendar is built from the rest.
void InitHolidayLists();
void InitHolidayLists(const std::string& folder);
// Release the calendar, when the main window closes.
void FreeHolidayLists();

// These throw std::logic_error when the calendar has not been built.
bool IsHoliday(const TDate& date);
bool IsHoliday(const TDate& date, const TLunarDate& lunar);
const THolidayCalendar& HolidayCalendar();

}  // namespace selvane
