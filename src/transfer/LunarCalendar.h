// The lunar calendar, computed rather than looked up: a model of the sun's and the moon's
// longitudes finds the new moons around a date, and the solar terms (the 24 divisions of the
// tropical year) that fall into a lunar month give it its number and mark it as leap. All
// floating-point work is in long double (a 64-bit significand on x86-64): with less precision a
// new moon close to midnight can move to the other day.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "core/Date.h"

namespace selvane {

struct TLunarDate {
  int Year = 0;
  int Month = 1;  // 1..12
  int Day = 1;    // 1..30
  bool Leap = false;

  bool operator==(const TLunarDate&) const = default;
};

// x reduced to 0 <= x < 360.
long double Norm360(long double x);

// The elongation of the moon in degrees (0 at new moon, 180 at full moon) at t, a day count from
// 1995-12-31 00:00 of the model's time, which runs 9 hours behind local time.
long double MoonSunAngle(long double t);

// The local moment, to the minute, of the model's day count t.
TDateTime MomentOfDayCount(long double t);

struct TNewMoons {
  TDateTime Previous;  // the new moon that starts the lunar month of the date
  TDateTime Next;      // the new moon that starts the following month
};

// The new moons around a date; on the day of a new moon, that new moon and the one after.
TNewMoons NewMoonsAround(const TDate& date);

TLunarDate SolarToLunar(int year, int month, int day);
inline TLunarDate SolarToLunar(const TDate& date) {
  return SolarToLunar(date.Year, date.Month, date.Day);
}

// Converts many dates in one run. The searches for neighbouring dates step through the same day
// counts, so the converter remembers the model's values it has computed; its results are those
// of SolarToLunar.
class TLunarConverter {
 public:
  TLunarDate Convert(const TDate& date);

  // The elongation at t, computed once per distinct t.
  long double MoonSunAngleAt(long double t);

 private:
  struct TKey {
    std::uint64_t Low = 0;
    std::uint64_t High = 0;
    bool operator==(const TKey&) const = default;
  };
  struct TKeyHash {
    std::size_t operator()(const TKey& key) const {
      return key.Low ^ (key.High * 0x9e3779b97f4a7c15u);
    }
  };
  std::unordered_map<TKey, long double, TKeyHash> Known;
};

}  // namespace selvane
