// IsHoliday runs when an order is saved; its slowest call must stay well under 5 ms. Times every
// day from 1990-01-01 to 2050-12-31, then the batch converter over the same days. The machine is
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

}  // namespace

int main() {
  const TDate first{1990, 1, 1};
  const TDate last{2050, 12, 31};
  InitHolidayLists();

  long days = 0;
  long holidays = 0;
  TSlowest wall;
  TSlowest cpu;
  const auto sweepStart = TClock::now();
  const double sweepCpuStart = ThreadCpuMs();
  for (TDate day = first; day <= last; day = day.AddDays(1)) {
    const auto start = TClock::now();
    const double cpuStart = ThreadCpuMs();
    holidays += IsHoliday(day) ? 1 : 0;
    cpu.Offer(ThreadCpuMs() - cpuStart, day);
    wall.Offer(MsSince(start), day);
    ++days;
  }
  const double total = MsSince(sweepStart);
  const double totalCpu = ThreadCpuMs() - sweepCpuStart;

  std::printf("IsHoliday %s..%s: %ld days, %ld holidays\n", first.ToIso().c_str(),
              last.ToIso().c_str(), days, holidays);
  std::printf("  total %.1f ms wall, %.1f ms CPU; mean %.3f ms CPU\n", total, totalCpu,
              totalCpu / days);
  std::printf("  slowest call %.3f ms CPU (%s), goal < 5 ms\n", cpu.Ms, cpu.Day.ToIso().c_str());
  std::printf("  slowest call %.3f ms wall (%s)\n", wall.Ms, wall.Day.ToIso().c_str());

  TLunarConverter converter;
  const auto start = TClock::now();
  long leapDays = 0;
  for (TDate day = first; day <= last; day = day.AddDays(1))
    leapDays += converter.Convert(day).Leap ? 1 : 0;
  std::printf("TLunarConverter over the same days: %.1f ms wall (%ld days in leap months)\n",
              MsSince(start), leapDays);

  FreeHolidayLists();
  return 0;
}
