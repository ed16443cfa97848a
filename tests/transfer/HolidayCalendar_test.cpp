#include "transfer/HolidayCalendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"
#include "transfer/CalendarArithmetic.h"
#include "transfer/EmbeddedHolidays.h"
#include "transfer/HolidayFile.h"
#include "transfer/LunarCalendar.h"

namespace selvane {
namespace {

struct TConversion {
  TDate solar;
  TLunarDate lunar;
};

TEST(SolarToLunar, KnownConversions) {
  const TConversion cases[] = {
      {{2002, 2, 12}, {2002, 1, 1, false}},    // new year's day
      {{2002, 2, 11}, {2001, 12, 30, false}},  // a 30-day 12th month
      {{2003, 1, 31}, {2002, 12, 29, false}},  // a 29-day 12th month
      {{2002, 9, 20}, {2002, 8, 14, false}},
      {{2002, 9, 21}, {2002, 8, 15, false}},
      {{2002, 9, 22}, {2002, 8, 16, false}},
      {{2002, 5, 19}, {2002, 4, 8, false}},
      {{2001, 5, 1}, {2001, 4, 8, false}},
      // first days of leap months, and the day before one
      {{2001, 5, 23}, {2001, 4, 1, true}},
      {{2004, 3, 21}, {2004, 2, 1, true}},
      {{2006, 8, 24}, {2006, 7, 1, true}},
      {{2020, 5, 23}, {2020, 4, 1, true}},
      {{2023, 3, 22}, {2023, 2, 1, true}},
      {{2001, 5, 22}, {2001, 4, 29, false}},
      // around the model's base moments
      {{1995, 12, 31}, {1995, 11, 10, false}},
      {{1996, 2, 4}, {1995, 12, 16, false}},
  };
  for (const auto& c : cases) {
    const TLunarDate lunar = SolarToLunar(c.solar);
    EXPECT_EQ(lunar, c.lunar) << c.solar.ToIso() << " gave " << lunar.Year << '-' << lunar.Month
                              << '-' << lunar.Day << (lunar.Leap ? " leap" : "");
  }
}

TEST(SolarToLunar, TheBatchConverterGivesTheSameDates) {
  // Every day of months 12 to 6 with a leap 4th month between, from remembered model values.
  TLunarConverter converter;
  for (TDate day{2020, 1, 1}; day < TDate{2020, 8, 1}; day = day.AddDays(1))
    ASSERT_EQ(converter.Convert(day), SolarToLunar(day)) << day.ToIso();
}

TEST(LunarCalendar, Norm360ReducesIntoOneTurn) {
  const long double cases[][2] = {
      {0, 0},    {360, 0},         {725.5L, 5.5L},        {-0.25L, 359.75L},
      {-720, 0}, {359.5L, 359.5L}, {10000000.5L, 280.5L}, {-10000000.5L, 79.5L}};
  for (const auto& c : cases) EXPECT_EQ(Norm360(c[0]), c[1]) << static_cast<double>(c[0]);
}

TEST(LunarCalendar, DayCountsBecomeLocalMomentsTruncatedTowardZero) {
  EXPECT_EQ(MomentOfDayCount(0).ToIso(), "1995-12-31T09:00:00");
  EXPECT_EQ(MomentOfDayCount(-0.5L).ToIso(), "1995-12-30T21:00:00");
  // Less than a minute before the base: truncation gives the base, not the minute before.
  EXPECT_EQ(MomentOfDayCount(-0.3750001L).ToIso(), "1995-12-31T00:00:00");
  EXPECT_EQ(MomentOfDayCount(366.25L).ToIso(), "1996-12-31T15:00:00");
}

// The astronomical new moons in local time: 2002-01-13 22:29, 2002-02-12 16:41, 2002-03-14
// 11:03. The model comes within a few minutes.
TEST(LunarCalendar, NewMoonsAroundADateAreTheAstronomicalOnes) {
  const TDateTime january{{2002, 1, 13}, 22, 29, 0};
  const TDateTime february{{2002, 2, 12}, 16, 41, 0};
  const TDateTime march{{2002, 3, 14}, 11, 3, 0};
  struct TCase {
    TDate date;
    TDateTime previous, next;
  } cases[] = {
      {{2002, 2, 11}, january, february},
      {{2002, 2, 12}, february, march},  // the day of a new moon starts the month
      {{2002, 2, 13}, february, march},
  };
  for (const auto& c : cases) {
    const TNewMoons moons = NewMoonsAround(c.date);
    EXPECT_LE(std::abs(MinutesBetween(moons.Previous, c.previous)), 15) << c.date.ToIso();
    EXPECT_LE(std::abs(MinutesBetween(moons.Next, c.next)), 15) << c.date.ToIso();
  }
}

// The lists and the moon model alone: how years outside the shipped file are decided.
TEST(HolidayModel, EveryWeekendDayIsAHoliday) {
  const THolidayCalendar model;
  EXPECT_TRUE(model.IsHoliday({2002, 9, 21}));  // a Saturday
  for (TDate day{2003, 3, 1}; day < TDate{2003, 7, 1}; day = day.AddDays(1)) {
    const int weekday = day.DayOfWeek();
    if (weekday == 1 || weekday == 7) {
      EXPECT_TRUE(model.IsHoliday(day)) << day.ToIso();
    }
  }
}

TEST(HolidayModel, SolarHolidaysOnWeekdays) {
  const THolidayCalendar model;
  const TDate holidays[] = {{2003, 1, 1}, {2004, 3, 1},  {2003, 5, 1},  {2003, 5, 5},
                            {2003, 6, 6}, {2003, 8, 15}, {2003, 10, 3}, {2003, 12, 25}};
  for (const auto& day : holidays) EXPECT_TRUE(model.IsHoliday(day)) << day.ToIso();
  const TDate workdays[] = {{2003, 1, 2}, {2003, 6, 5}, {2003, 12, 24}, {2004, 3, 2}};
  for (const auto& day : workdays) EXPECT_FALSE(model.IsHoliday(day)) << day.ToIso();
}

TEST(HolidayModel, LunarHolidaysOnWeekdays) {
  const THolidayCalendar model;
  const TDate holidays[] = {
      {2002, 2, 11},                               // 12/30
      {2002, 2, 12}, {2002, 2, 13},                // 1/1, 1/2
      {2003, 5, 8},                                // 4/8
      {2001, 5, 30},                               // 4/8 of a leap 4th month
      {2003, 9, 10}, {2003, 9, 11}, {2003, 9, 12}  // 8/14 .. 8/16
  };
  for (const auto& day : holidays) EXPECT_TRUE(model.IsHoliday(day)) << day.ToIso();
  // 12/29 is the last day of a 29-day 12th month, yet not a holiday; 1/3 and 8/17 neither.
  const TDate workdays[] = {{2003, 1, 31}, {2002, 2, 14}, {2003, 9, 15}, {2003, 5, 9}};
  for (const auto& day : workdays) EXPECT_FALSE(model.IsHoliday(day)) << day.ToIso();
}

TEST(HolidayModel, HolidaysOfAYearAreNamedAfterTheLists) {
  // 2003: lunar 1/1 and 1/2 fall on Saturday 02-01 and Sunday 02-02 and 03-01 is a Saturday, so
  // none of them is listed; 01-31 (12/29) is no holiday by the lists.
  const THolidayCalendar model;
  EXPECT_EQ(model.HolidaysOf(2003), (std::vector<THoliday>{{{2003, 1, 1}, "신정"},
                                                           {{2003, 5, 1}, "근로자의 날"},
                                                           {{2003, 5, 5}, "어린이날"},
                                                           {{2003, 5, 8}, "부처님오신날"},
                                                           {{2003, 6, 6}, "현충일"},
                                                           {{2003, 8, 15}, "광복절"},
                                                           {{2003, 9, 10}, "추석 전날"},
                                                           {{2003, 9, 11}, "추석"},
                                                           {{2003, 9, 12}, "추석 다음날"},
                                                           {{2003, 10, 3}, "개천절"},
                                                           {{2003, 12, 25}, "기독탄신일"}}));
  // Two entries on one day share it; Labour Day has its new name from 2026.
  auto nameOn = [&model](const TDate& date) {
    for (const THoliday& holiday : model.HolidaysOf(date.Year))
      if (holiday.Date == date) return holiday.Name;
    return std::string("(none)");
  };
  EXPECT_EQ(nameOn({2001, 5, 1}), "근로자의 날, 부처님오신날");
  EXPECT_EQ(nameOn({2061, 5, 2}), "(none)");
  EXPECT_EQ(nameOn({2062, 5, 1}), "노동절");
}

// The program folder's files: the shipped holidays.txt and the office's holidays.local.txt.
class HolidayFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { PrepareHolidayFiles(folder_.Path()); }
  void TearDown() override { FreeHolidayLists(); }

  void WriteLocal(const std::string& text) const { folder_.WriteFile(kLocalHolidayFile, text); }
  std::string Path(const char* name) const { return folder_.Path() + name; }

  test::TTempFolder folder_;
  test::TScriptedWaitMsg messages_;
};

struct TDateAnswer {
  TDate Date;
  bool Holiday;
  const char* Why;
};

void ExpectAnswers(std::initializer_list<TDateAnswer> cases) {
  for (const TDateAnswer& c : cases)
    EXPECT_EQ(IsHoliday(c.Date), c.Holiday) << c.Date.ToIso() << ": " << c.Why;
}

TEST_F(HolidayFilesTest, TheShippedFileGivesTodaysCalendar) {
  InitHolidayLists(folder_.Path());
  ExpectAnswers({
      {{2013, 10, 9}, true, "Hangul Day, a holiday again from 2013"},
      {{2012, 10, 9}, false, "Hangul Day was no holiday in 2012"},
      {{2016, 2, 8}, true, "Seollal; the model's new year is 02-09"},
      {{2016, 2, 10}, true, "substitute: Seollal eve on a Sunday"},
      {{2016, 2, 11}, false, "the day after the substitute"},
      {{2003, 1, 31}, true, "Seollal eve, the last day of a 29-day 12th month"},
      {{2014, 9, 10}, true, "the first substitute holiday: Chuseok eve on a Sunday"},
      {{2022, 10, 10}, true, "substitute: Hangul Day on a Sunday"},
      {{2024, 2, 12}, true, "substitute: Seollal on a Sunday"},
      {{2025, 5, 6}, true, "one substitute for Children's Day and Buddha's Birthday on one day"},
      {{2025, 5, 7}, false, "and only one"},
      {{2025, 10, 8}, true, "substitute: Chuseok on a Sunday"},
      {{2025, 10, 10}, false, "a working Friday between Hangul Day and the weekend"},
      {{2033, 9, 8}, true, "Chuseok 2033 by the official lunar calendar"},
      {{2033, 10, 7}, false, "the model's Chuseok 2033, a month late"},
      {{2005, 4, 5}, true, "Arbor Day, until 2005"},
      {{2006, 4, 5}, false, "Arbor Day no longer"},
      {{2019, 7, 17}, false, "Constitution Day was no holiday from 2008"},
      {{2026, 7, 17}, true, "Constitution Day again from 2026"},
      {{2026, 6, 3}, true, "a local election day"},
      {{2001, 5, 1}, true, "Labour Day, also Buddha's Birthday"},
      {{2051, 9, 19}, true, "after 2050 the model: its Chuseok"},
      {{2051, 10, 9}, false, "after 2050 the lists, which lack Hangul Day"},
  });
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(HolidayCalendar().FirstYear(), 2000);
  EXPECT_EQ(HolidayCalendar().LastYear(), 2050);
}

TEST_F(HolidayFilesTest, TheOfficeFileAddsAndRemovesDaysInEveryYear) {
  WriteLocal(
      "# 사무소 휴무일\r\n"
      "2025-10-10 구청 개청 기념일\r\n"
      "-2025-10-08\r\n"
      "-2025-10-11 a Saturday stays a holiday\r\n"
      "2051-03-02\r\n"
      "-2051-09-19 모델의 추석\r\n");
  InitHolidayLists(folder_.Path());
  EXPECT_TRUE(messages_.Messages().empty());
  ExpectAnswers({
      {{2025, 10, 10}, true, "added"},
      {{2025, 10, 8}, false, "removed"},
      {{2025, 10, 11}, true, "a weekend cannot be removed"},
      {{2025, 10, 9}, true, "the other shipped days stay"},
      {{2051, 3, 2}, true, "added in a model year, without a name"},
      {{2051, 9, 19}, false, "removed in a model year"},
      {{2051, 9, 18}, true, "the rest of the model's Chuseok stays"},
  });

  std::vector<THoliday> october;
  for (const THoliday& holiday : HolidayCalendar().HolidaysOf(2025))
    if (holiday.Date.Month == 10) october.push_back(holiday);
  EXPECT_EQ(october, (std::vector<THoliday>{{{2025, 10, 3}, "개천절"},
                                            {{2025, 10, 6}, "추석"},
                                            {{2025, 10, 7}, "추석 다음날"},
                                            {{2025, 10, 9}, "한글날"},
                                            {{2025, 10, 10}, "구청 개청 기념일"}}));
  const std::vector<THoliday> march = HolidayCalendar().HolidaysOf(2051);
  EXPECT_EQ(march.at(0), (THoliday{{2051, 3, 1}, "삼일절"}));
  EXPECT_EQ(march.at(1), (THoliday{{2051, 3, 2}, ""}));
}

TEST_F(HolidayFilesTest, DamagedLinesAreReportedAndTheRestIsUsed) {
  WriteLocal(
      "2025-10-10 구청 개청 기념일\n"
      "2025-13-01 달이 없음\n"
      "10/14/2025 다른 형식\n"
      "2025-10-1 짧은 날짜\n"
      "2025-10-14x 붙은 글자\n"
      "2025-10-15 \xB1\xB8\xC3\xBB\n"  // CP949, not UTF-8
      "-2025-10-08\n");
  folder_.WriteFile(kShippedHolidayFile, test::TTempFolder::ReadFile(Path(kShippedHolidayFile)) +
                                             "-2025-10-09\n2025-10-16 추가된 날\n");
  InitHolidayLists(folder_.Path());
  const std::string local = Path(kLocalHolidayFile), shipped = Path(kShippedHolidayFile);
  const std::string_view builtIn = kShippedHolidays;
  const std::string removalLine =
      std::to_string(std::count(builtIn.begin(), builtIn.end(), '\n') + 1);
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{
                "공휴일 파일에서 읽지 못한 줄이 있습니다. 그 줄은 빼고 나머지로 공휴일을 "
                "판단합니다.\n" +
                shipped + " " + removalLine +
                "번째 줄: 빼는 줄(-YYYY-MM-DD)은 holidays.local.txt에만 쓸 수 " + "있습니다\n" +
                local + " 2번째 줄: 없는 날짜입니다 (2025-13-01)\n" + local +
                " 3번째 줄: 날짜(YYYY-MM-DD)로 시작하지 않습니다\n" + local +
                " 4번째 줄: 날짜(YYYY-MM-DD)로 시작하지 않습니다\n" + local +
                " 5번째 줄: 날짜(YYYY-MM-DD)로 시작하지 않습니다\n" + local +
                " 6번째 줄: UTF-8 글자가 아닌 바이트가 있습니다"});
  EXPECT_EQ(messages_.Messages().at(0).Kind, "warning");
  EXPECT_TRUE(IsHoliday({2025, 10, 10}));  // the good lines around them count
  EXPECT_FALSE(IsHoliday({2025, 10, 8}));
  EXPECT_TRUE(IsHoliday({2025, 10, 9}));   // the shipped file cannot remove
  EXPECT_TRUE(IsHoliday({2025, 10, 16}));  // its line after the damaged one counts
  EXPECT_FALSE(IsHoliday({2025, 10, 15}));
}

TEST_F(HolidayFilesTest, ManyDamagedLinesAreCounted) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += "bad\n";
  WriteLocal(text);
  InitHolidayLists(folder_.Path());
  ASSERT_EQ(messages_.Texts().size(), 1u);
  const std::string message = messages_.Texts()[0];
  EXPECT_NE(message.find(" 10번째 줄: "), std::string::npos);
  EXPECT_EQ(message.find(" 11번째 줄: "), std::string::npos);
  EXPECT_EQ(message.substr(message.rfind('\n') + 1), "그 밖에 2줄");
}

// A shipped file that is missing, unreadable or without a day gives way to the built-in copy.
TEST_F(HolidayFilesTest, ABrokenShippedFileGivesWayToTheBuiltInCopy) {
  const std::string shipped = Path(kShippedHolidayFile);
  const std::string fallback = "읽을 수 있는 공휴일이 없어 프로그램에 내장된 공휴일을 씁니다";
  struct TCase {
    const char* What;
    std::function<void()> Break;
    std::vector<std::string> Reasons;
  } cases[] = {
      {"missing", [&] { std::filesystem::remove(shipped); }, {}},
      {"a folder",
       [&] {
         std::filesystem::remove(shipped);
         std::filesystem::create_directory(shipped);
       },
       {": 파일을 읽을 수 없습니다 (Is a directory)", ": " + fallback}},
      {"only comments",
       [&] {
         std::filesystem::remove_all(shipped);
         folder_.WriteFile(kShippedHolidayFile, "# 비었음\n");
       },
       {": " + fallback}},
      {"only damaged lines",
       [&] { folder_.WriteFile(kShippedHolidayFile, "2025-10-32 없는 날\n"); },
       {" 1번째 줄: 없는 날짜입니다 (2025-10-32)", ": " + fallback}},
  };
  for (TCase& c : cases) {
    SCOPED_TRACE(c.What);
    messages_.Clear();
    c.Break();
    InitHolidayLists(folder_.Path());
    std::string expected =
        "공휴일 파일에서 읽지 못한 줄이 있습니다. 그 줄은 빼고 나머지로 공휴일을 판단합니다.";
    for (const std::string& reason : c.Reasons) expected += "\n" + shipped + reason;
    EXPECT_EQ(messages_.Texts(),
              c.Reasons.empty() ? std::vector<std::string>{} : std::vector<std::string>{expected});
    EXPECT_TRUE(IsHoliday({2025, 10, 8}));
    EXPECT_EQ(HolidayCalendar().LastYear(), 2050);
  }
}

TEST_F(HolidayFilesTest, PreparingRenewsTheShippedFileAndKeepsTheOfficeFile) {
  const std::string builtIn = test::TTempFolder::ReadFile(Path(kShippedHolidayFile));
  EXPECT_EQ(builtIn, kShippedHolidays);
  const std::string template_ = test::TTempFolder::ReadFile(Path(kLocalHolidayFile));
  EXPECT_EQ(template_.rfind("# ", 0), 0u);  // comments only: no day of its own
  EXPECT_TRUE(ParseHolidayFile(template_, THolidayFileKind::Local, "").Days.empty());

  folder_.WriteFile(kShippedHolidayFile, "2025-10-10 고친 날\n");
  WriteLocal("2025-10-10 사무소의 날\n");
  PrepareHolidayFiles(folder_.Path());
  EXPECT_EQ(test::TTempFolder::ReadFile(Path(kShippedHolidayFile)), builtIn);
  EXPECT_EQ(test::TTempFolder::ReadFile(Path(kLocalHolidayFile)), "2025-10-10 사무소의 날\n");
}

TEST(HolidayFile, ParsesNamesBlanksAndLineEnds) {
  const THolidayFile file = ParseHolidayFile(
      "\xEF\xBB\xBF"
      "2025-10-10\t구청 개청 기념일  \r\n"
      "   # an indented comment\r"
      "\n"
      "  2025-10-13\n"
      "-2025-10-13 taken back\n"
      "-2025-10-14\n"
      "2025-10-14 다시 더함",
      THolidayFileKind::Local, "x");
  EXPECT_TRUE(file.Problems.empty());
  EXPECT_EQ(file.Days, (std::map<TDate, std::string>{{{2025, 10, 10}, "구청 개청 기념일"},
                                                     {{2025, 10, 14}, "다시 더함"}}));
  EXPECT_EQ(file.Removed, (std::set<TDate>{{2025, 10, 13}}));
}

TEST(HolidayCalendar, WithoutTheListsIsHolidayFailsClearly) {
  FreeHolidayLists();
  EXPECT_THROW(IsHoliday({2003, 1, 2}), std::logic_error);
}

}  // namespace
}  // namespace selvane
