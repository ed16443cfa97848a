// The holiday file reader on any bytes, as the shipped and as the office file: it must never
// crash, report only lines that exist, in order, and never keep a date both added and removed.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "transfer/HolidayFile.h"
#include "transfer/TextFileLines.h"

using namespace selvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int lines = static_cast<int>(SplitLines(std::string(text)).size());
  for (THolidayFileKind kind : {THolidayFileKind::Shipped, THolidayFileKind::Local}) {
    const THolidayFile file = ParseHolidayFile(text, kind, "fuzz");
    int last = 0;
    for (const THolidayLineProblem& problem : file.Problems) {
      if (problem.Line <= last || problem.Line > lines) std::abort();
      last = problem.Line;
    }
    if (kind == THolidayFileKind::Shipped && !file.Removed.empty()) std::abort();
    for (const auto& [date, name] : file.Days)
      if (file.Removed.count(date) != 0) std::abort();
  }
  return 0;
}
