// The holiday files of the program folder: "holidays.txt", shipped with the program, and
// "holidays.local.txt", the office's own. One day a line, "YYYY-MM-DD name" in UTF-8; blank lines
// and lines starting with "#" are comments. The office file may also take a shipped day away with
// "-YYYY-MM-DD". A damaged line is reported with its number and the other lines still count.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/Date.h"

namespace selvane {

inline constexpr const char* kShippedHolidayFile = "holidays.txt";
inline constexpr const char* kLocalHolidayFile = "holidays.local.txt";

enum class THolidayFileKind { Shipped, Local };

struct THolidayLineProblem {
  std::string File;  // the path as it was read
  int Line = 0;      // 1-based; 0 when the whole file could not be read
  std::string Reason;

  bool operator==(const THolidayLineProblem&) const = default;
};

struct THolidayFile {
  std::map<TDate, std::string> Days;  // name, empty when the line gives none
  std::set<TDate> Removed;            // only in the office file
  std::vector<THolidayLineProblem> Problems;
};

// Reads the lines of a holiday file's text; a date given twice keeps its last line (an added day
// after a removal of the same date adds it again, and the other way round).
THolidayFile ParseHolidayFile(std::string_view text, THolidayFileKind kind,
                              const std::string& fileName);

// The file's days; nullopt when there is no such file. A file that exists but cannot be read
// gives no days and one problem with line 0.
std::optional<THolidayFile> ReadHolidayFile(const std::string& fileName, THolidayFileKind kind);

// Puts the holiday files into a program folder: the shipped file, replaced when it differs from
// the copy built into the program, and a commented office file, only when there is none (the
// office's days are never replaced). Throws std::runtime_error naming the file that could not be
// written.
void PrepareHolidayFiles(const std::string& folder);

// "FILE N번째 줄: REASON" (or "FILE: REASON" for line 0), the message line of one problem.
std::string ProblemText(const THolidayLineProblem& problem);

}  // namespace selvane
