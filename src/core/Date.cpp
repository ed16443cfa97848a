#include "core/Date.h"

#include <cstdio>

namespace selvane {
namespace {

bool ParseDigits(std::string_view text, std::size_t pos, std::size_t count, int& value) {
  if (pos + count > text.size()) return false;
  value = 0;
  for (std::size_t i = pos; i < pos + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  return true;
}

std::string TwoDigits(int value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", value % 100);
  return buffer;
}

}  // namespace

bool TDate::IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int TDate::DaysInMonth(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool TDate::IsValid(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

std::optional<TDate> TDate::FromIso(std::string_view text) {
  int y = 0, m = 0, d = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  if (!ParseDigits(text, 0, 4, y) || !ParseDigits(text, 5, 2, m) || !ParseDigits(text, 8, 2, d))
    return std::nullopt;
  if (!IsValid(y, m, d)) return std::nullopt;
  return TDate{y, m, d};
}

long TDate::Serial() const {
  // Days before this year, month and day, counted from 0001-01-01 = 1.
  long y = Year - 1;
  long days = y * 365 + y / 4 - y / 100 + y / 400;
  for (int m = 1; m < Month; ++m) days += DaysInMonth(Year, m);
  return days + Day;
}

TDate TDate::FromSerial(long serial) {
  long n = serial - 1;  // days since 0001-01-01
  long y400 = n / 146097;
  n %= 146097;
  long y100 = n / 36524;
  if (y100 == 4) y100 = 3;
  n -= y100 * 36524;
  long y4 = n / 1461;
  n %= 1461;
  long y1 = n / 365;
  if (y1 == 4) y1 = 3;
  n -= y1 * 365;
  TDate date;
  date.Year = static_cast<int>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
  date.Month = 1;
  while (n >= DaysInMonth(date.Year, date.Month)) {
    n -= DaysInMonth(date.Year, date.Month);
    ++date.Month;
  }
  date.Day = static_cast<int>(n + 1);
  return date;
}

std::string TDate::ToIso() const {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", Year, Month, Day);
  return buffer;
}

std::string TDate::Format(std::string_view pattern) const {
  char year[8];
  std::snprintf(year, sizeof year, "%04d", Year);
  if (pattern == "yyyymmdd") return year + TwoDigits(Month) + TwoDigits(Day);
  if (pattern == "yymmdd") return TwoDigits(Year) + TwoDigits(Month) + TwoDigits(Day);
  if (pattern == "mmdd") return TwoDigits(Month) + TwoDigits(Day);
  if (pattern == "dd") return TwoDigits(Day);
  return ToIso();
}

int TDate::DayOfWeek() const {
  // 0001-01-01 was a Monday.
  return static_cast<int>((Serial() % 7) + 1);
}

std::optional<TDateTime> TDateTime::FromIso(std::string_view text) {
  if (text.size() != 19 || text[10] != 'T' || text[13] != ':' || text[16] != ':')
    return std::nullopt;
  auto date = TDate::FromIso(text.substr(0, 10));
  TDateTime result;
  if (!date || !ParseDigits(text, 11, 2, result.Hour) || !ParseDigits(text, 14, 2, result.Minute) ||
      !ParseDigits(text, 17, 2, result.Second))
    return std::nullopt;
  if (result.Hour > 23 || result.Minute > 59 || result.Second > 59) return std::nullopt;
  result.Date = *date;
  return result;
}

std::string TDateTime::ToIso() const {
  return Date.ToIso() + "T" + TwoDigits(Hour) + ":" + TwoDigits(Minute) + ":" + TwoDigits(Second);
}

std::string TDateTime::TimeText() const {
  return TwoDigits(Hour) + TwoDigits(Minute) + TwoDigits(Second);
}

std::string TDateTime::StampText() const {
  return Date.Format("yyyymmdd") + TimeText();
}

}  // namespace selvane
