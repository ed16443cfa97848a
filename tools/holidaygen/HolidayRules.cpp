#include "HolidayRules.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>

#include "core/TextRoutines.h"
#include "transfer/TextFileLines.h"

namespace selvane::holidaygen {
namespace {

// When a holiday that falls on a day off gets a substitute: never; when one of its days is a
// Sunday or another holiday (Seollal, Chuseok); when it is a Saturday, a Sunday or another
// holiday (the others that have one).
enum class TSubstitute { None, SundayOrOverlap, WeekendOrOverlap };

struct THolidayItem {
  std::vector<TDate> Days;
  std::vector<std::string> Names;  // one per day
  std::string ShortName;           // in the name of its substitute
  TSubstitute Substitute = TSubstitute::None;
};

struct TDeclaredDay {
  TDate Date;
  const char* Name;
};

// Election days and one-off holidays, as declared.
const TDeclaredDay kDeclaredDays[] = {
    {{2000, 4, 13}, "제16대 국회의원선거"},
    {{2002, 6, 13}, "제3회 전국동시지방선거"},
    {{2002, 7, 1}, "임시공휴일"},
    {{2002, 12, 19}, "제16대 대통령선거"},
    {{2004, 4, 15}, "제17대 국회의원선거"},
    {{2006, 5, 31}, "제4회 전국동시지방선거"},
    {{2007, 12, 19}, "제17대 대통령선거"},
    {{2008, 4, 9}, "제18대 국회의원선거"},
    {{2010, 6, 2}, "제5회 전국동시지방선거"},
    {{2012, 4, 11}, "제19대 국회의원선거"},
    {{2012, 12, 19}, "제18대 대통령선거"},
    {{2014, 6, 4}, "제6회 전국동시지방선거"},
    {{2015, 8, 14}, "임시공휴일"},
    {{2016, 4, 13}, "제20대 국회의원선거"},
    {{2016, 5, 6}, "임시공휴일"},
    {{2017, 5, 9}, "제19대 대통령선거"},
    {{2017, 10, 2}, "임시공휴일"},
    {{2018, 6, 13}, "제7회 전국동시지방선거"},
    {{2020, 4, 15}, "제21대 국회의원선거"},
    {{2020, 8, 17}, "임시공휴일"},
    {{2022, 3, 9}, "제20대 대통령선거"},
    {{2022, 6, 1}, "제8회 전국동시지방선거"},
    {{2023, 10, 2}, "임시공휴일"},
    {{2024, 4, 10}, "제22대 국회의원선거"},
    {{2024, 10, 1}, "임시공휴일"},
    {{2025, 1, 27}, "임시공휴일"},
    {{2025, 6, 3}, "제21대 대통령선거"},
    {{2026, 6, 3}, "제9회 전국동시지방선거"},
};

// Since when each kind of holiday has a substitute: Seollal, Chuseok and Children's Day from
// 2014; the national days that are holidays from the amendment in force on 2021-08-04;
// Buddha's Birthday and Christmas from the one in force on 2023-05-04; Constitution Day with
// its return as a holiday in 2026.
const TDate kFestivalsFrom{2014, 1, 1};
const TDate kNationalDaysFrom{2021, 8, 4};
const TDate kBuddhaChristmasFrom{2023, 5, 4};

TSubstitute From(const TDate& day, const TDate& since, TSubstitute rule) {
  return day >= since ? rule : TSubstitute::None;
}

THolidayItem OneDay(const TDate& day, const char* name, TSubstitute substitute) {
  return {{day}, {name}, name, substitute};
}

// The day before, the day and the day after, as Seollal and Chuseok are.
THolidayItem ThreeDays(const TDate& middle, const char* name, TSubstitute substitute) {
  const std::string main(name);
  return {{middle.AddDays(-1), middle, middle.AddDays(1)},
          {main + " 전날", main, main + " 다음날"},
          main,
          substitute};
}

const TLunarYear& LunarYearOf(const std::vector<TLunarYear>& lunar, int year) {
  for (const TLunarYear& entry : lunar)
    if (entry.Year == year) return entry;
  throw std::runtime_error("the lunar table has no year " + std::to_string(year));
}

// The public holidays of one year in the order of the regulation's list, then the declared days.
std::vector<THolidayItem> PublicHolidays(int year, const TLunarYear& lunar) {
  using enum TSubstitute;
  std::vector<THolidayItem> items;
  auto solar = [year](int month, int day) { return TDate{year, month, day}; };
  auto national = [&](int month, int day, const char* name) {
    items.push_back(OneDay(solar(month, day), name,
                           From(solar(month, day), kNationalDaysFrom, WeekendOrOverlap)));
  };
  items.push_back(OneDay(solar(1, 1), "신정", None));
  items.push_back(
      ThreeDays(lunar.NewYear, "설날", From(lunar.NewYear, kFestivalsFrom, SundayOrOverlap)));
  national(3, 1, "삼일절");
  if (year <= 2005) items.push_back(OneDay(solar(4, 5), "식목일", None));
  items.push_back(
      OneDay(solar(5, 5), "어린이날", From(solar(5, 5), kFestivalsFrom, WeekendOrOverlap)));
  items.push_back(OneDay(lunar.Buddha, year <= 2017 ? "석가탄신일" : "부처님오신날",
                         From(lunar.Buddha, kBuddhaChristmasFrom, WeekendOrOverlap)));
  items.push_back(OneDay(solar(6, 6), "현충일", None));
  if (year <= 2007) items.push_back(OneDay(solar(7, 17), "제헌절", None));
  if (year >= 2026) items.push_back(OneDay(solar(7, 17), "제헌절", WeekendOrOverlap));
  national(8, 15, "광복절");
  items.push_back(
      ThreeDays(lunar.Chuseok, "추석", From(lunar.Chuseok, kFestivalsFrom, SundayOrOverlap)));
  national(10, 3, "개천절");
  if (year >= 2013) national(10, 9, "한글날");
  items.push_back(OneDay(solar(12, 25), "기독탄신일",
                         From(solar(12, 25), kBuddhaChristmasFrom, WeekendOrOverlap)));
  for (const TDeclaredDay& declared : kDeclaredDays)
    if (declared.Date.Year == year) items.push_back(OneDay(declared.Date, declared.Name, None));
  return items;
}

bool IsWeekend(const TDate& day) {
  const int weekday = day.DayOfWeek();
  return weekday == 1 || weekday == 7;
}

bool IsSunday(const TDate& day) {
  return day.DayOfWeek() == 1;
}

// Does the holiday fall on a day that earns it a substitute?
bool NeedsSubstitute(const THolidayItem& item, const std::map<TDate, int>& holidaysOnDay) {
  for (const TDate& day : item.Days) {
    const bool sharesDay = holidaysOnDay.at(day) > 1;
    if (item.Substitute == TSubstitute::SundayOrOverlap && (IsSunday(day) || sharesDay))
      return true;
    if (item.Substitute == TSubstitute::WeekendOrOverlap && (IsWeekend(day) || sharesDay))
      return true;
  }
  return false;
}

struct TSubstituteDay {
  TDate Date;
  std::string Name;
};

// One substitute for each group of holidays that need one and share a day (Children's Day and
// Buddha's Birthday on one day get one): the first day after the group's last day that is
// neither a Saturday, a Sunday, a holiday nor an earlier substitute.
std::vector<TSubstituteDay> Substitutes(const std::vector<THolidayItem>& items) {
  std::map<TDate, int> holidaysOnDay;
  for (const THolidayItem& item : items)
    for (const TDate& day : item.Days) ++holidaysOnDay[day];

  std::vector<std::size_t> needing;
  for (std::size_t i = 0; i < items.size(); ++i)
    if (NeedsSubstitute(items[i], holidaysOnDay)) needing.push_back(i);

  // Groups by shared days, joined through a small union-find over the needing items.
  std::vector<std::size_t> group(needing.size());
  std::iota(group.begin(), group.end(), 0);
  auto root = [&group](std::size_t i) {
    while (group[i] != i) i = group[i] = group[group[i]];
    return i;
  };
  for (std::size_t a = 0; a < needing.size(); ++a)
    for (std::size_t b = a + 1; b < needing.size(); ++b)
      for (const TDate& day : items[needing[a]].Days)
        if (std::count(items[needing[b]].Days.begin(), items[needing[b]].Days.end(), day) != 0)
          group[root(b)] = root(a);

  struct TGroup {
    TDate Last;
    std::vector<std::string> Names;
  };
  std::map<std::size_t, TGroup> groups;
  for (std::size_t k = 0; k < needing.size(); ++k) {
    const THolidayItem& item = items[needing[k]];
    TGroup& g = groups[root(k)];
    g.Last = std::max(g.Last, item.Days.back());
    g.Names.push_back(item.ShortName);
  }
  std::vector<TGroup> ordered;
  for (auto& [key, g] : groups) ordered.push_back(g);
  std::sort(ordered.begin(), ordered.end(),
            [](const TGroup& a, const TGroup& b) { return a.Last < b.Last; });

  std::vector<TSubstituteDay> substitutes;
  std::set<TDate> taken;
  for (const TGroup& g : ordered) {
    TDate day = g.Last.AddDays(1);
    while (IsWeekend(day) || holidaysOnDay.count(day) != 0 || taken.count(day) != 0)
      day = day.AddDays(1);
    taken.insert(day);
    std::string names;
    for (const std::string& name : g.Names) names += (names.empty() ? "" : "·") + name;
    substitutes.push_back({day, "대체공휴일(" + names + ")"});
  }
  return substitutes;
}

}  // namespace

std::vector<TLunarYear> ParseLunarTable(std::string_view text) {
  std::vector<TLunarYear> years;
  const std::vector<std::string> lines = SplitLines(std::string(text));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line = Trim(lines[i]);
    if (line.empty() || line.front() == '#') continue;
    std::istringstream fields(line);
    TLunarYear entry;
    std::string newYear, buddha, chuseok, extra;
    fields >> entry.Year >> newYear >> buddha >> chuseok;
    const auto a = TDate::FromIso(newYear), b = TDate::FromIso(buddha), c = TDate::FromIso(chuseok);
    if (!fields || (fields >> extra) || !a || !b || !c || a->Year != entry.Year ||
        b->Year != entry.Year || c->Year != entry.Year || !(*a < *b && *b < *c))
      throw std::runtime_error("lunar table line " + std::to_string(i + 1) +
                               ": not YEAR 1/1 4/8 8/15 of that year: " + line);
    entry.NewYear = *a;
    entry.Buddha = *b;
    entry.Chuseok = *c;
    years.push_back(entry);
  }
  return years;
}

std::vector<THoliday> BankHolidays(const std::vector<TLunarYear>& lunar, int first, int last) {
  std::map<TDate, std::vector<std::string>> names;
  for (int year = first; year <= last; ++year) {
    const std::vector<THolidayItem> items = PublicHolidays(year, LunarYearOf(lunar, year));
    for (const THolidayItem& item : items)
      for (std::size_t k = 0; k < item.Days.size(); ++k)
        names[item.Days[k]].push_back(item.Names[k]);
    for (const TSubstituteDay& substitute : Substitutes(items))
      names[substitute.Date].push_back(substitute.Name);
    // Labour Day is no public holiday: it neither earns nor blocks a substitute, yet the banks
    // close.
    names[TDate{year, 5, 1}].push_back(year <= 2025 ? "근로자의 날" : "노동절");
  }
  std::vector<THoliday> holidays;
  for (const auto& [day, dayNames] : names) {
    if (IsWeekend(day) || day.Year < first || day.Year > last) continue;
    std::string joined;
    for (const std::string& name : dayNames) joined += (joined.empty() ? "" : ", ") + name;
    holidays.push_back({day, joined});
  }
  return holidays;
}

std::string HolidayFileText(const std::vector<THoliday>& holidays, int first, int last) {
  const std::string years = std::to_string(first) + "-" + std::to_string(last);
  std::string text =
      "# 은행 휴무일 " + years +
      ": 관공서 공휴일, 대체공휴일, 선거일, 임시공휴일, 근로자의 날(노동절).\n"
      "# 토요일과 일요일은 적지 않습니다 (언제나 휴무일입니다).\n"
      "# tools/holidaygen이 한국천문연구원의 음력표와 공휴일 규정으로 만든 파일입니다.\n"
      "# 업그레이드 때 새 파일로 바뀌므로 고치지 마세요. 사무소가 더하거나 뺄 날은\n"
      "# holidays.local.txt에 씁니다 (더할 날 \"YYYY-MM-DD 이름\", 뺄 날 \"-YYYY-MM-DD\").\n";
  for (const THoliday& holiday : holidays) text += holiday.Date.ToIso() + " " + holiday.Name + "\n";
  return text;
}

}  // namespace selvane::holidaygen
