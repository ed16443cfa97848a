#include "core/Clock.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace selvane {
namespace {

std::optional<TDateTime> g_testMoment;

std::optional<TDateTime> EnvironmentMoment() {
  static const std::optional<TDateTime> moment = [] {
    const char* text = std::getenv("NORVA_NOW");
    if (text == nullptr || *text == '\0') return std::optional<TDateTime>();
    auto parsed = TDateTime::FromIso(text);
    if (!parsed) {
      std::fprintf(stderr,
                   "NORVA_NOW \"%s\" is not YYYY-MM-DDTHH:MM:SS; the system clock is used\n", text);
    }
    return parsed;
  }();
  return moment;
}

}  // namespace

void SetClock(std::optional<TDateTime> moment) {
  g_testMoment = moment;
}

TDateTime Now() {
  if (g_testMoment) return *g_testMoment;
  if (auto moment = EnvironmentMoment()) return *moment;
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  TDateTime result;
  result.Date = TDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
  result.Hour = local.tm_hour;
  result.Minute = local.tm_min;
  result.Second = local.tm_sec;
  return result;
}

TDate Today() {
  return Now().Date;
}

}  // namespace selvane
