// holidays YEAR: every holiday of the year that is not a Saturday or a Sunday, "YYYY-MM-DD name",
// as IsHoliday decides it (the holiday files of the program folder, else the model).
#include <charconv>
#include <string>

#include "Command.h"
#include "HolidayListsScope.h"
#include "transfer/HolidayCalendar.h"

namespace selvane::cli {
namespace {

const char kUsage[] = "holidays YEAR";

int RunHolidays(TCommandContext& context) {
  if (context.Args.size() != 1) return UsageError(context, kUsage);
  const std::string& text = context.Args[0];
  int year = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), year);
  if (error != std::errc() || end != text.data() + text.size() || text.size() != 4 || year < 1) {
    context.Out << "error: not a year (YYYY, 0001 to 9999): " << text << '\n';
    return 2;
  }
  THolidayListsScope lists;
  for (const THoliday& holiday : HolidayCalendar().HolidaysOf(year)) {
    context.Out << holiday.Date.ToIso();
    if (!holiday.Name.empty()) context.Out << ' ' << holiday.Name;
    context.Out << '\n';
  }
  return 0;
}

TCommandRegistrar registrar("holidays", kUsage,
                            "print every holiday of the year that is not a Saturday or a Sunday",
                            &RunHolidays);

}  // namespace
}  // namespace selvane::cli
