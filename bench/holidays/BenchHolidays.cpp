// IsHoliday runs when an order is saved; its slowest call must stay well under 5 ms. Times every
// day from 1990-01-01 to 2050-12-31 by the lists and the moon model alone (how years outside the
// shipped holiday file are decided), then by the calendar with the shipped file, then the batch
// converter over the same days. The machine is
// shared, so each call is timed twice: on the wall clock and in the thread's own CPU time, which
// does not count the time other processes hold the core.
#include <time.h>

#include <chrono>
#include <cstdio>

#include "core/Date.h"
#include "transfer/HolidayCalendar.h"
#include "transfer/LunarCalendar.h"

using namespace selvane;
using TClock = std::chrono::steady_clock;

namespace {

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double MsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

struct TSlowest {
  double Ms = 0;
  TDate Day;

  void Offer(double ms, const TDate& day) {
    if (ms > Ms) *this = {ms, day};
  }
};

struct TSweep {
  long Days = 0;
  long Holidays = 0;
  double TotalMs = 0;
  double TotalCpuMs = 0;
  TSlowest Wall;
  TSlowest Cpu;
};

TSweep Sweep(const THolidayCalendar& calendar, const TDate& first, const TDate& last) {
  TSweep sweep;
  const auto sweepStart = TClock::now();
  const double sweepCpuStart = ThreadCpuMs();
  for (TDate day = first; day <= last; day = day.AddDays(1)) {
    const auto start = TClock::now();
    const double cpuStart = ThreadCpuMs();
    sweep.Holidays += calendar.IsHoliday(day) ? 1 : 0;
    sweep.Cpu.Offer(ThreadCpuMs() - cpuStart, day);
    sweep.Wall.Offer(MsSince(start), day);
    ++sweep.Days;
  }
  sweep.TotalMs = MsSince(sweepStart);
  sweep.TotalCpuMs = ThreadCpuMs() - sweepCpuStart;
  return sweep;
}

void Print(const char* what, const TSweep& sweep, const TDate& first, const TDate& last) {
  std::printf("IsHoliday, %s, %s..%s: %ld days, %ld holidays\n", what, first.ToIso().c_str(),
              last.ToIso().c_str(), sweep.Days, sweep.Holidays);
  std::printf("  total %.1f ms wall, %.1f ms CPU; mean %.3f ms CPU\n", sweep.TotalMs,
              sweep.TotalCpuMs, sweep.TotalCpuMs / sweep.Days);
  std::printf("  slowest call %.3f ms CPU (%s), goal < 5 ms\n", sweep.Cpu.Ms,
              sweep.Cpu.Day.ToIso().c_str());
  std::printf("  slowest call %.3f ms wall (%s)\n", sweep.Wall.Ms, sweep.Wall.Day.ToIso().c_str());
}

}  // namespace

int main() {
  const TDate first{1990, 1, 1};
  const TDate last{2050, 12, 31};
  Print("lists and moon model", Sweep(THolidayCalendar(), first, last), first, last);
  THolidayCalendarLoad shipped = LoadHolidayCalendar("/nonexistent/");  // the built-in copy
  Print("shipped file", Sweep(shipped.Calendar, first, last), first, last);

  const auto yearStart = TClock::now();
  const std::size_t count = THolidayCalendar().HolidaysOf(2051).size();
  std::printf("HolidaysOf(2051) by the model: %zu holidays in %.1f ms wall\n", count,
              MsSince(yearStart));

  TLunarConverter converter;
  const auto start = TClock::now();
  long leapDays = 0;
  for (TDate day = first; day <= last; day = day.AddDays(1))
    leapDays += converter.Convert(day).Leap ? 1 : 0;
  std::printf("TLunarConverter over the same days: %.1f ms wall (%ld days in leap months)\n",
              MsSince(start), leapDays);
  return 0;
}
