// lunar: the lunar date (the moon model's) and the holiday flag (IsHoliday's, from the holiday
// files of the program folder) of each date given, or of each line of stdin.
#include <iostream>
#include <optional>
#include <string>

#include "Command.h"
#include "HolidayListsScope.h"
#include "core/Date.h"
#include "core/TextRoutines.h"
#include "transfer/CalendarArithmetic.h"
#include "transfer/HolidayCalendar.h"
#include "transfer/LunarCalendar.h"

namespace selvane::cli {
namespace {

const char kUsage[] = "lunar DATE... | lunar -";

// A YYYY-MM-DD that also exists in the holiday calendar (no February 29 in a year 4000).
std::optional<TDate> ParseDate(const std::string& text) {
  std::optional<TDate> date = TDate::FromIso(text);
  if (date && date->Day > MonthLength(date->Year, date->Month)) return std::nullopt;
  return date;
}

// Prints the line of one date; false (with an error line) when the text is not a date.
bool PrintLunar(TCommandContext& context, TLunarConverter& converter, const std::string& text) {
  const std::optional<TDate> date = ParseDate(text);
  if (!date) {
    context.Out << "error: not a date (YYYY-MM-DD): " << text << '\n';
    return false;
  }
  const TLunarDate lunar = converter.Convert(*date);
  context.Out << date->ToIso() << ' ' << lunar.Year << '-' << lunar.Month << '-' << lunar.Day
              << " leap=" << (lunar.Leap ? 1 : 0)
              << " holiday=" << (IsHoliday(*date, lunar) ? 1 : 0) << '\n';
  return true;
}

int RunLunar(TCommandContext& context) {
  if (context.Args.empty()) return UsageError(context, kUsage);
  THolidayListsScope lists;
  TLunarConverter converter;
  if (context.Args.size() == 1 && context.Args[0] == "-") {
    std::string line;
    while (std::getline(std::cin, line)) {
      const std::string text = Trim(line);
      if (text.empty()) continue;
      if (!PrintLunar(context, converter, text)) return 2;
    }
    return 0;
  }
  for (const std::string& text : context.Args)
    if (!PrintLunar(context, converter, text)) return 2;
  return 0;
}

TCommandRegistrar registrar("lunar", kUsage,
                            "print the lunar date and the holiday flag of each date (- reads "
                            "the dates from standard input, one a line)",
                            &RunLunar);

}  // namespace
}  // namespace selvane::cli
