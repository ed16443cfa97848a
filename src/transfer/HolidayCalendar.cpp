#include "transfer/HolidayCalendar.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "core/Globals.h"
#include "core/WaitMsg.h"
#include "transfer/CalendarArithmetic.h"
#include "transfer/EmbeddedHolidays.h"

namespace selvane {
namespace {

struct TListEntry {
  int Month;
  int Day;
  const char* Name;
};

// The lists of the years the shipped file does not cover, with the names the holidays command
// prints (Labour Day is named 노동절 from 2026).
constexpr TListEntry kSolarList[] = {
    {1, 1, "신정"},   {3, 1, "삼일절"},  {5, 1, "근로자의 날"}, {5, 5, "어린이날"},
    {6, 6, "현충일"}, {8, 15, "광복절"}, {10, 3, "개천절"},     {12, 25, "기독탄신일"}};
// Holds the 30th of the 12th month, not its last day: the 29th of a short 12th month is a
// working day here.
constexpr TListEntry kLunarList[] = {
    {12, 30, "설날 전날"}, {1, 1, "설날"},  {1, 2, "설날 다음날"}, {4, 8, "부처님오신날"},
    {8, 14, "추석 전날"},  {8, 15, "추석"}, {8, 16, "추석 다음날"}};

bool IsWeekend(const TDate& date) {
  const int weekday = date.DayOfWeek();
  return weekday == 1 || weekday == 7;
}

void AddName(std::optional<std::string>& names, const char* name) {
  names = names ? *names + ", " + name : std::string(name);
}

std::unique_ptr<THolidayCalendar> Current;

}  // namespace

THolidayCalendar::THolidayCalendar(const THolidayFile& shipped, const THolidayFile& local)
    : shipped_(shipped.Days), added_(local.Days), removed_(local.Removed) {
  if (!shipped_.empty()) {
    firstYear_ = shipped_.begin()->first.Year;
    lastYear_ = shipped_.rbegin()->first.Year;
  }
}

std::optional<std::string> THolidayCalendar::ModelName(const TDate& date, const TLunarDate& lunar) {
  std::optional<std::string> names;
  for (const TListEntry& entry : kSolarList)
    if (entry.Month == date.Month && entry.Day == date.Day)
      AddName(names,
              entry.Month == 5 && entry.Day == 1 && date.Year >= 2026 ? "노동절" : entry.Name);
  for (const TListEntry& entry : kLunarList)
    if (entry.Month == lunar.Month && entry.Day == lunar.Day) AddName(names, entry.Name);
  return names;
}

std::optional<std::string> THolidayCalendar::NameOf(const TDate& date,
                                                    const TLunarDate* lunar) const {
  if (removed_.count(date) != 0) return std::nullopt;
  if (auto added = added_.find(date); added != added_.end()) return added->second;
  if (Covers(date.Year)) {
    auto shipped = shipped_.find(date);
    if (shipped == shipped_.end()) return std::nullopt;
    return shipped->second;
  }
  return ModelName(date, lunar != nullptr ? *lunar : SolarToLunar(date));
}

bool THolidayCalendar::IsHoliday(const TDate& date) const {
  return IsWeekend(date) || NameOf(date, nullptr).has_value();
}

bool THolidayCalendar::IsHoliday(const TDate& date, const TLunarDate& lunar) const {
  return IsWeekend(date) || NameOf(date, &lunar).has_value();
}

std::vector<THoliday> THolidayCalendar::HolidaysOf(int year) const {
  std::vector<THoliday> holidays;
  TLunarConverter converter;
  for (TDate day{year, 1, 1}; day.Year == year; day = day.AddDays(1)) {
    // The model's calendar has no February 29 in a year divisible by 4000.
    if (IsWeekend(day) || day.Day > MonthLength(year, day.Month)) continue;
    std::optional<TLunarDate> lunar;
    if (!Covers(year)) lunar = converter.Convert(day);
    if (auto name = NameOf(day, lunar ? &*lunar : nullptr)) holidays.push_back({day, *name});
  }
  return holidays;
}

THolidayCalendarLoad LoadHolidayCalendar(const std::string& folder) {
  THolidayCalendarLoad load;
  const std::string shippedName = folder + kShippedHolidayFile;
  std::optional<THolidayFile> shipped = ReadHolidayFile(shippedName, THolidayFileKind::Shipped);
  if (shipped) load.Problems = shipped->Problems;
  if (shipped && shipped->Days.empty())
    load.Problems.push_back(
        {shippedName, 0, "읽을 수 있는 공휴일이 없어 프로그램에 내장된 공휴일을 씁니다"});
  if (!shipped || shipped->Days.empty())
    shipped = ParseHolidayFile(kShippedHolidays, THolidayFileKind::Shipped, shippedName);
  std::optional<THolidayFile> local =
      ReadHolidayFile(folder + kLocalHolidayFile, THolidayFileKind::Local);
  if (local)
    load.Problems.insert(load.Problems.end(), local->Problems.begin(), local->Problems.end());
  load.Calendar = THolidayCalendar(*shipped, local.value_or(THolidayFile{}));
  return load;
}

std::string HolidayProblemsMessage(const std::vector<THolidayLineProblem>& problems) {
  constexpr std::size_t kShown = 10;
  std::string message =
      "공휴일 파일에서 읽지 못한 줄이 있습니다. 그 줄은 빼고 나머지로 공휴일을 판단합니다.";
  for (std::size_t i = 0; i < problems.size() && i < kShown; ++i)
    message += "\n" + ProblemText(problems[i]);
  if (problems.size() > kShown)
    message += "\n그 밖에 " + std::to_string(problems.size() - kShown) + "줄";
  return message;
}

void InitHolidayLists() {
  InitHolidayLists(ProgramFolder());
}

void InitHolidayLists(const std::string& folder) {
  THolidayCalendarLoad load = LoadHolidayCalendar(folder);
  Current = std::make_unique<THolidayCalendar>(std::move(load.Calendar));
  if (!load.Problems.empty()) WarningBox(HolidayProblemsMessage(load.Problems));
}

void FreeHolidayLists() {
  Current.reset();
}

const THolidayCalendar& HolidayCalendar() {
  if (!Current) throw std::logic_error("IsHoliday: the holiday lists have not been built");
  return *Current;
}

bool IsHoliday(const TDate& date) {
  return HolidayCalendar().IsHoliday(date);
}

bool IsHoliday(const TDate& date, const TLunarDate& lunar) {
  return HolidayCalendar().IsHoliday(date, lunar);
}

}  // namespace selvane
