#include "transfer/HolidayCalendar.h"

#include <gtest/gtest.h>

#include <stdexcept>

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

TEST(LunarCalendar, Norm360ReducesIntoOneTurn) {
  const long double cases[][2] = {{0, 0},    {360, 0},        {725.5L, 5.5L}, {-0.25L, 359.75L},
                                  {-720, 0}, {359.5L, 359.5L}};
  for (const auto& c : cases) EXPECT_EQ(Norm360(c[0]), c[1]) << static_cast<double>(c[0]);
}

TEST(LunarCalendar, NewMoonsBracketTheDate) {
  // 2002-02-12 is itself the day of a new moon: it starts the month.
  const TNewMoons moons = NewMoonsAround({2002, 2, 12});
  EXPECT_EQ(moons.Previous.Date, (TDate{2002, 2, 12}));
  EXPECT_EQ(moons.Next.Date, (TDate{2002, 3, 14}));
  EXPECT_LT(MoonSunAngle(0), 360);
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
