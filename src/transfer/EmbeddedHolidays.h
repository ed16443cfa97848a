// The shipped holiday file, data/holidays.txt, compiled into the program: the program folder
// gets its copy from here, and it stands in when that copy is missing or unreadable.
#pragma once

namespace selvane {
extern const char* const kShippedHolidays;
}  // namespace selvane
