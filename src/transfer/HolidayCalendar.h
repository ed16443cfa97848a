// Bank holidays: a transfer date may not fall on one. A date is a holiday when it is a Saturday
// or a Sunday, when its month and day are in the solar list, or when its lunar month and day are
// in the lunar list (the leap flag does not matter).
#pragma once

#include "core/Date.h"
#include "transfer/LunarCalendar.h"

namespace selvane {

// Build the two holiday lists; once when the main window is created (again replaces them).
void InitHolidayLists();
// Release both lists, when the main window closes.
void FreeHolidayLists();

// Both throw std::logic_error when the lists have not been built.
bool IsHoliday(const TDate& date);
// The same answer for a date whose lunar date is already known.
bool IsHoliday(const TDate& date, const TLunarDate& lunar);

}  // namespace selvane
