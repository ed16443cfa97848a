// Integer date and minute arithmetic of the holiday calendar: the Gregorian calendar extended
// backwards, in which a year divisible by 4000 is a common year. A moment is a date with hour
// and minute in local time (the seconds of a TDateTime are ignored and come back as 0).
#pragma once

#include <cstdint>

#include "core/Date.h"

namespace selvane {

// The length of month 1..12 of the year under the calendar rule above.
int MonthLength(int year, int month);
// Day number of (y, m, d) within its year, 1 for January 1.
int DayOfYear(int year, int month, int day);
// date1 - date2 in days.
long DaysBetween(const TDate& date1, const TDate& date2);
// moment1 - moment2 in minutes.
std::int64_t MinutesBetween(const TDateTime& moment1, const TDateTime& moment2);
// The moment that many minutes after base (before it when negative): the unique M with
// MinutesBetween(M, base) == minutes.
TDateTime MomentAfter(const TDateTime& base, std::int64_t minutes);

}  // namespace selvane
