#include "transfer/HolidayCalendar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "transfer/CalendarArithmetic.h"
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

class HolidayCalendarTest : public ::testing::Test {
 protected:
  void SetUp() override { InitHolidayLists(); }
  void TearDown() override { FreeHolidayLists(); }
};

TEST_F(HolidayCalendarTest, EveryWeekendDayIsAHoliday) {
  EXPECT_TRUE(IsHoliday({2002, 9, 21}));  // a Saturday
  for (TDate day{2003, 3, 1}; day < TDate{2003, 7, 1}; day = day.AddDays(1)) {
    const int weekday = day.DayOfWeek();
    if (weekday == 1 || weekday == 7) {
      EXPECT_TRUE(IsHoliday(day)) << day.ToIso();
    }
  }
}

TEST_F(HolidayCalendarTest, SolarHolidaysOnWeekdays) {
  const TDate holidays[] = {{2003, 1, 1}, {2004, 3, 1},  {2003, 5, 1},  {2003, 5, 5},
                            {2003, 6, 6}, {2003, 8, 15}, {2003, 10, 3}, {2003, 12, 25}};
  for (const auto& day : holidays) EXPECT_TRUE(IsHoliday(day)) << day.ToIso();
  const TDate workdays[] = {{2003, 1, 2}, {2003, 6, 5}, {2003, 12, 24}, {2004, 3, 2}};
  for (const auto& day : workdays) EXPECT_FALSE(IsHoliday(day)) << day.ToIso();
}

TEST_F(HolidayCalendarTest, LunarHolidaysOnWeekdays) {
  const TDate holidays[] = {
      {2002, 2, 11},                               // 12/30
      {2002, 2, 12}, {2002, 2, 13},                // 1/1, 1/2
      {2003, 5, 8},                                // 4/8
      {2001, 5, 30},                               // 4/8 of a leap 4th month
      {2003, 9, 10}, {2003, 9, 11}, {2003, 9, 12}  // 8/14 .. 8/16
  };
  for (const auto& day : holidays) EXPECT_TRUE(IsHoliday(day)) << day.ToIso();
  // 12/29 is the last day of a 29-day 12th month, yet not a holiday; 1/3 and 8/17 neither.
  const TDate workdays[] = {{2003, 1, 31}, {2002, 2, 14}, {2003, 9, 15}, {2003, 5, 9}};
  for (const auto& day : workdays) EXPECT_FALSE(IsHoliday(day)) << day.ToIso();
}

TEST(HolidayCalendar, WithoutTheListsIsHolidayFailsClearly) {
  FreeHolidayLists();
  EXPECT_THROW(IsHoliday({2003, 1, 2}), std::logic_error);
}

}  // namespace
}  // namespace selvane
