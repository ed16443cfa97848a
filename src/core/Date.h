// Calendar dates and moments of the program's clock. Stored in the database as "YYYY-MM-DD".
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace selvane {

struct TDate {
  int Year = 1990;
  int Month = 1;
  int Day = 1;

  static bool IsValid(int year, int month, int day);
  static int DaysInMonth(int year, int month);
  static bool IsLeapYear(int year);
  // "YYYY-MM-DD"; nullopt when the text is not a valid date of that form.
  static std::optional<TDate> FromIso(std::string_view text);
  // Days counted from 0001-01-01 (serial 1) in the proleptic Gregorian calendar.
  static TDate FromSerial(long serial);

  long Serial() const;
  std::string ToIso() const;
  // Fixed-width forms of the bank files: "yyyymmdd", "yymmdd", "mmdd", "dd".
  std::string Format(std::string_view pattern) const;
  // 1 = Sunday ... 7 = Saturday.
  int DayOfWeek() const;
  TDate AddDays(long days) const { return FromSerial(Serial() + days); }

  auto operator<=>(const TDate&) const = default;
};

struct TDateTime {
  TDate Date;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;

  // "YYYY-MM-DDTHH:MM:SS"; nullopt when malformed.
  static std::optional<TDateTime> FromIso(std::string_view text);
  std::string ToIso() const;
  // "hhnnss", the form the cut-off times compare in.
  std::string TimeText() const;
  // "yyyymmddhhnnss".
  std::string StampText() const;

  auto operator<=>(const TDateTime&) const = default;
};

}  // namespace selvane
