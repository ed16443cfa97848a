// The rules of the bank holidays, from which holidaygen writes the shipped holiday file: the
// public holidays of the regulation on public holidays (with the years each was one), their
// substitute holidays, the election and one-off holidays declared so far, and Labour Day, on
// which the banks close.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Date.h"
#include "transfer/HolidayCalendar.h"

namespace selvane::holidaygen {

// The solar dates of one lunar year's 1/1, 4/8 and 8/15 (of the months that are not leap).
struct TLunarYear {
  int Year = 0;
  TDate NewYear;
  TDate Buddha;
  TDate Chuseok;
};

// Reads the lunar table ("YEAR 1/1 4/8 8/15" a line, "#" comments); throws std::runtime_error
// naming the line of a bad one.
std::vector<TLunarYear> ParseLunarTable(std::string_view text);

// Every bank holiday of the years first to last that is not a Saturday or a Sunday, in date
// order, the names of two holidays on one day joined. Throws std::runtime_error when the lunar
// table lacks one of the years.
std::vector<THoliday> BankHolidays(const std::vector<TLunarYear>& lunar, int first, int last);

// The text of the shipped holiday file: a heading of comments, then "YYYY-MM-DD name" lines.
std::string HolidayFileText(const std::vector<THoliday>& holidays, int first, int last);

}  // namespace selvane::holidaygen
