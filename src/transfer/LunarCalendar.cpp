#include "transfer/LunarCalendar.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "transfer/CalendarArithmetic.h"

namespace selvane {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

constexpr std::int64_t kTropicalYear = 525949;  // minutes

// Minutes from the start of a tropical year (the term 입춘) to each solar term. Even indices
// start a solar month, odd indices are the middle terms; index 24 is the next year's 입춘.
constexpr std::array<std::int64_t, 25> kSolarTerms = {
    0,      21355,  42843,  64498,  86335,  108366, 130578, 152958, 175471,
    198077, 220728, 243370, 265955, 288432, 310767, 332928, 354903, 376685,
    398290, 419736, 441060, 462295, 483493, 504693, 525949};

// A start of the term 입춘, from which the solar terms are counted.
const TDateTime kTermBase{{1996, 2, 4}, 22, 8, 0};
// Day 0 of the moon model's day count.
const TDateTime kDayCountBase{{1995, 12, 31}, 0, 0, 0};
constexpr long double kDayCountToLocal = 0.375L;  // 9 hours

constexpr long double kDay = 1;
constexpr long double kHour = 0.04166666666L;
constexpr long double kMinute = 0.000694444L;

// The x87 sine works on the 64-bit significand directly and is several times faster than the
// library's long double sine, which matters: one conversion evaluates the model hundreds of times.
long double Sin(long double radians) {
#if defined(__x86_64__) || defined(__i386__)
  long double result;
  __asm__("fsin" : "=t"(result) : "0"(radians));
  return result;
#else
  return std::sin(radians);
#endif
}

// Where the searches take the model's values from: computed each time, or remembered by a batch
// converter.
using TAngleSource = TLunarConverter*;

long double AngleAt(TAngleSource source, long double t) {
  return source != nullptr ? source->MoonSunAngleAt(t) : MoonSunAngle(t);
}

struct TSearch {
  TAngleSource Source;
  long double T;
  long double E;

  void Step(long double by) {
    T += by;
    E = AngleAt(Source, T);
  }
};

// From just after a new moon back to it: days while clearly past, then hours, then minutes
// until the elongation wraps below 360.
void BackToNewMoon(TSearch& s) {
  while (s.E > 13.5L) s.Step(-kDay);
  while (s.E > 1) s.Step(-kHour);
  while (s.E < 359.99L) s.Step(-kMinute);
}

// Forward to the next new moon; dayLimit is how close to 360 the day steps may come.
void OnToNewMoon(TSearch& s, long double dayLimit) {
  while (s.E < dayLimit) s.Step(kDay);
  while (s.E < 359) s.Step(kHour);
  while (s.E > 0.01L) s.Step(kMinute);
}

bool SameMonthDay(const TDateTime& moment, const TDate& date) {
  return moment.Date.Month == date.Month && moment.Date.Day == date.Day;
}

}  // namespace

long double Norm360(long double x) {
  const std::int64_t whole = static_cast<std::int64_t>(x);
  x -= 360 * (whole / 360);
  while (x < 0) x += 360;
  while (x >= 360) x -= 360;
  return x;
}

long double MoonSunAngle(long double t) {
  const long double ls = 0.98564736L * t + 278.956807L;
  const long double ps = 0.00004708L * t + 282.869498L;
  const long double ms = (ls - ps) * kPi / 180;
  const long double sun = Norm360(ls + 1.919L * Sin(ms) + 0.02L * Sin(2 * ms));

  const long double lm = 13.17639648L * t + 27.836584L;
  const long double pm = 0.11140356L * t + 280.425774L;
  const long double mm = (lm - pm) * kPi / 180;
  const long double node = 202.489407L - 0.05295377L * t;
  const long double f = (lm - node) * kPi / 180;
  const long double c = 5.068889L * Sin(mm) + 0.146111L * Sin(2 * mm) + 0.01L * Sin(3 * mm) -
                        0.238056L * Sin(ms) - 0.087778L * Sin(mm + ms) + 0.048889L * Sin(mm - ms) -
                        0.129722L * Sin(2 * f) - 0.011111L * Sin(2 * f - mm) -
                        0.012778L * Sin(2 * f + mm);
  const long double moon = Norm360(lm + c);
  return Norm360(moon - sun);
}

TDateTime MomentOfDayCount(long double t) {
  return MomentAfter(kDayCountBase, static_cast<std::int64_t>((t + kDayCountToLocal) * 1440));
}

namespace {

TNewMoons NewMoonsAround(const TDate& date, TAngleSource source) {
  const long double t0 = DaysBetween(date, kDayCountBase.Date);
  const long double e0 = AngleAt(source, t0);

  TSearch back{source, t0, e0};
  BackToNewMoon(back);
  TSearch forth{source, t0, e0};
  OnToNewMoon(forth, 346.5L);

  TNewMoons moons{MomentOfDayCount(back.T), MomentOfDayCount(forth.T)};
  if (SameMonthDay(moons.Next, date)) {
    moons.Previous = moons.Next;
    OnToNewMoon(forth, 347);
    moons.Next = MomentOfDayCount(forth.T);
  }
  return moons;
}

TLunarDate SolarToLunar(const TDate& date, TAngleSource source) {
  const TNewMoons moons = NewMoonsAround(date, source);
  const TDateTime& nm1 = moons.Previous;
  const TDate& d1 = nm1.Date;
  const TDate& d2 = moons.Next.Date;

  TLunarDate lunar;
  lunar.Day = static_cast<int>(DaysBetween(date, d1) + 1);

  // The solar month in which the new moon falls, and the two middle terms around the month.
  std::int64_t k = MinutesBetween(nm1, kTermBase) % kTropicalYear;
  if (k < 0) k += kTropicalYear;
  int l = 0;
  while (l < 11 && !(kSolarTerms[2 * l + 2] > k)) ++l;
  const int s = 2 * l + 3 > 24 ? 1 : 2 * l + 3;
  std::int64_t gap = kSolarTerms[s] - kSolarTerms[2 * l + 1];
  if (gap < 0) gap += kTropicalYear;
  const TDateTime midTerm = MomentAfter(nm1, kSolarTerms[2 * l + 1] - k);
  const TDate mid = midTerm.Date;
  const TDate nextMid = MomentAfter(midTerm, gap).Date;

  // A lunar month is numbered by the middle term inside it; a month without one is leap.
  const int nextNumber = (s - 1) / 2 + 1;
  if ((mid.Month == d1.Month && mid.Day >= d1.Day) || (mid.Month == d2.Month && mid.Day < d2.Day)) {
    lunar.Month = l + 1;
  } else if ((nextMid.Month == d2.Month && nextMid.Day < d2.Day) ||
             (nextMid.Month == d1.Month && nextMid.Day >= d1.Day)) {
    lunar.Month = nextNumber;
  } else if (d1.Month < nextMid.Month && nextMid.Month < d2.Month) {
    lunar.Month = nextNumber;
  } else {
    lunar.Month = l + 1;
    lunar.Leap = true;
  }
  lunar.Year = d1.Year;
  if (lunar.Month == 12 && d1.Month == 1) --lunar.Year;

  if (!(lunar.Month == 12 || lunar.Month < 6 || (lunar.Month == 11 && lunar.Leap))) return lunar;

  // Where the number is in doubt, the previous month decides: two days before this new moon.
  const TDate before = MomentAfter(nm1, -2880).Date;
  const int previous = SolarToLunar(before, source).Month;
  const int expected = lunar.Month == 1 ? 12 : lunar.Month - 1;
  auto StepBack = [&lunar] {
    if (--lunar.Month == 0) {
      lunar.Month = 12;
      --lunar.Year;
    }
  };
  if (previous == expected) {
    lunar.Leap = false;
  } else if (lunar.Leap) {
    // A leap month repeats the previous month's number.
    if (lunar.Month != previous) {
      StepBack();
      lunar.Leap = false;
    }
  } else if (lunar.Month == previous) {
    lunar.Leap = true;
  } else {
    StepBack();
  }
  return lunar;
}

}  // namespace

TNewMoons NewMoonsAround(const TDate& date) {
  return NewMoonsAround(date, nullptr);
}

TLunarDate SolarToLunar(int year, int month, int day) {
  return SolarToLunar(TDate{year, month, day}, nullptr);
}

TLunarDate TLunarConverter::Convert(const TDate& date) {
  return SolarToLunar(date, this);
}

long double TLunarConverter::MoonSunAngleAt(long double t) {
  // A century of dates touches about 600 000 day counts; beyond a million start afresh.
  if (Known.size() > 1'000'000) Known.clear();
  // Only the value bytes: an x87 long double carries 6 bytes of padding after its 10.
  constexpr std::size_t kValueBytes =
      std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);
  static_assert(kValueBytes <= sizeof(TKey));
  std::uint64_t words[2] = {0, 0};
  std::memcpy(words, &t, kValueBytes);
  const TKey key{words[0], words[1]};
  auto [entry, added] = Known.try_emplace(key, 0.0L);
  if (added) entry->second = MoonSunAngle(t);
  return entry->second;
}

}  // namespace selvane
