// holidaygen LUNAR-TABLE [--check FILE]: writes the shipped holiday file (data/holidays.txt) from
// the lunar table (lunar-dates.txt beside this file) and the rules of HolidayRules.cpp, or, with
// --check, tells whether FILE is exactly what it would write.
//   build/bin/holidaygen tools/holidaygen/lunar-dates.txt > data/holidays.txt
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "HolidayRules.h"
#include "transfer/TextFileLines.h"

using namespace selvane;

namespace {

constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2050;

// 0 when the file holds exactly the text; else 1, naming the first line that differs.
int Check(const std::string& fileName, const std::string& text) {
  const std::string bytes = ReadFileBytes(fileName);
  if (bytes == text) return 0;
  const std::vector<std::string> have = SplitLines(bytes), want = SplitLines(text);
  std::size_t line = 0;
  while (line < have.size() && line < want.size() && have[line] == want[line]) ++line;
  if (line == have.size() && line == want.size()) {
    std::cerr << "holidaygen: " << fileName
              << " differs from the generated text in its line ends\n";
    return 1;
  }
  std::cerr << "holidaygen: " << fileName << " is not what the generator writes; first at line "
            << line + 1 << ":\n  file:      " << (line < have.size() ? have[line] : "(end)")
            << "\n  generated: " << (line < want.size() ? want[line] : "(end)") << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool check = argc == 4 && std::string(argv[2]) == "--check";
  if (argc != 2 && !check) {
    std::cerr << "usage: holidaygen LUNAR-TABLE [--check FILE]\n";
    return 2;
  }
  try {
    const std::vector<holidaygen::TLunarYear> lunar =
        holidaygen::ParseLunarTable(ReadFileBytes(argv[1]));
    const std::string text = holidaygen::HolidayFileText(
        holidaygen::BankHolidays(lunar, kFirstYear, kLastYear), kFirstYear, kLastYear);
    if (check) return Check(argv[3], text);
    std::cout << text;
    return std::cout ? 0 : 1;
  } catch (const std::exception& error) {
    std::cerr << "holidaygen: " << error.what() << '\n';
    return 1;
  }
}
