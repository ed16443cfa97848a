// The holiday calendar of the program folder for the length of one command.
#pragma once

#include "transfer/HolidayCalendar.h"

namespace selvane::cli {

struct THolidayListsScope {
  THolidayListsScope() { InitHolidayLists(); }
  ~THolidayListsScope() { FreeHolidayLists(); }
  THolidayListsScope(const THolidayListsScope&) = delete;
  THolidayListsScope& operator=(const THolidayListsScope&) = delete;
};

}  // namespace selvane::cli
