#include "transfer/CalendarArithmetic.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

TDateTime At(int y, int m, int d, int hour = 0, int minute = 0) {
  return TDateTime{TDate{y, m, d}, hour, minute, 0};
}

TEST(CalendarArithmetic, MonthLengthsFollowTheCenturyAndFourThousandYearRules) {
  struct TCase {
    int year, month, day, expected;
  } cases[] = {
      {1996, 12, 31, 366}, {1995, 12, 31, 365}, {2000, 3, 1, 61},    {1900, 3, 1, 60},
      {2400, 12, 31, 366}, {4000, 3, 1, 60},    {8000, 12, 31, 365}, {0, 12, 31, 365},
      {-4, 3, 1, 61},      {-100, 3, 1, 60},    {2002, 9, 30, 273},  {2002, 10, 1, 274},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DayOfYear(c.year, c.month, c.day), c.expected)
        << c.year << '-' << c.month << '-' << c.day;
  EXPECT_EQ(MonthLength(4000, 2), 28);
  EXPECT_EQ(MonthLength(2000, 2), 29);
}

TEST(CalendarArithmetic, DaysBetweenMatchesTheKnownYearTotals) {
  EXPECT_EQ(DaysBetween({1991, 1, 1}, {0, 1, 1}), 727197);
  EXPECT_EQ(DaysBetween({1991, 1, 1}, {1750, 1, 1}), 88023);
  EXPECT_EQ(DaysBetween({1750, 1, 1}, {1991, 1, 1}), -88023);
  EXPECT_EQ(DaysBetween({1996, 2, 4}, {1995, 12, 31}), 35);
  EXPECT_EQ(DaysBetween({2002, 2, 12}, {2002, 2, 12}), 0);
}

TEST(CalendarArithmetic, DaysBetweenEqualsThePlainSumOfYearLengths) {
  // Spans that cross year 0, the negative years and the 4000-year exceptions.
  const int starts[] = {-9000, -4001, -1750, -1, 0, 1, 1990, 3999, 7999};
  for (int start : starts) {
    long sum = 0;
    for (int year = start; year < start + 1100; ++year) {
      sum += DayOfYear(year, 12, 31);
      ASSERT_EQ(DaysBetween({year + 1, 1, 1}, {start, 1, 1}), sum) << start << ".." << year;
    }
  }
}

TEST(CalendarArithmetic, MinutesBetweenCountsDaysHoursAndMinutes) {
  EXPECT_EQ(MinutesBetween(At(1996, 2, 4, 22, 8), At(1995, 12, 31)), 35 * 1440 + 22 * 60 + 8);
  EXPECT_EQ(MinutesBetween(At(1995, 12, 31), At(1996, 2, 4, 22, 8)), -51728);
  EXPECT_EQ(MinutesBetween(At(2001, 1, 1, 0, 0), At(2000, 12, 31, 23, 59)), 1);
  // Two thousand years still fit: the count is 64-bit.
  EXPECT_EQ(MinutesBetween(At(3996, 1, 1), At(1996, 1, 1)), 730485LL * 1440);
}

TEST(CalendarArithmetic, MomentAfterIsTheInverseOfMinutesBetween) {
  struct TCase {
    TDateTime base;
    std::int64_t minutes;
    TDateTime expected;
  } cases[] = {
      {At(1995, 12, 31), -1, At(1995, 12, 30, 23, 59)},
      {At(1996, 2, 4, 22, 8), -2880, At(1996, 2, 2, 22, 8)},
      {At(1996, 2, 4, 22, 8), 525949, At(1997, 2, 4, 3, 57)},
      {At(2000, 2, 28, 23, 59), 1, At(2000, 2, 29, 0, 0)},
      {At(1900, 2, 28, 23, 59), 1, At(1900, 3, 1, 0, 0)},
      {At(4000, 2, 28, 23, 59), 1, At(4000, 3, 1, 0, 0)},
      {At(2002, 12, 31, 12, 0), 720, At(2003, 1, 1, 0, 0)},
      {At(1, 1, 1, 0, 0), -1, At(0, 12, 31, 23, 59)},
  };
  for (const auto& c : cases) {
    const TDateTime moment = MomentAfter(c.base, c.minutes);
    EXPECT_EQ(moment, c.expected) << c.base.ToIso() << " + " << c.minutes;
  }
  const TDateTime base = At(1996, 2, 4, 22, 8);
  for (std::int64_t n :
       {0LL, 59LL, -61LL, 1439LL, -1441LL, 1000000LL, -1000000LL, 987654321LL, -987654321LL})
    EXPECT_EQ(MinutesBetween(MomentAfter(base, n), base), n) << n;
}

}  // namespace
}  // namespace selvane
