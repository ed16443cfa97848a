#include "transfer/HolidayFile.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "core/FileRoutines.h"
#include "core/TextRoutines.h"
#include "transfer/EmbeddedHolidays.h"
#include "transfer/TextFileLines.h"

namespace selvane {
namespace {

constexpr const char* kLocalFileTemplate =
    "# 사무소가 정하는 은행 휴무일: holidays.txt에 더하거나 뺄 날을 한 줄에 하나씩 씁니다.\n"
    "# 더할 날: YYYY-MM-DD 이름   (예: 2027-10-01 임시공휴일)\n"
    "# 뺄 날:   -YYYY-MM-DD       (예: -2026-06-03)\n"
    "# 이 파일은 업그레이드나 자료 초기화 때도 바뀌지 않습니다. 글자는 UTF-8로 씁니다.\n";

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// "dddd-dd-dd": the shape of a date, whether or not the day exists.
bool HasDateShape(std::string_view text) {
  if (text.size() < 10) return false;
  for (std::size_t i = 0; i < 10; ++i) {
    const bool dash = i == 4 || i == 7;
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (dash ? c != '-' : !std::isdigit(c)) return false;
  }
  return true;
}

struct TParsedLine {
  TDate Date;
  std::string Rest;  // the name (or a removal's remark), trimmed
};

// The date at the start of the text and what follows it; the reason when there is none.
std::optional<TParsedLine> ParseDated(std::string_view text, std::string& reason) {
  if (!HasDateShape(text) ||
      (text.size() > 10 && !std::isspace(static_cast<unsigned char>(text[10])))) {
    reason = "날짜(YYYY-MM-DD)로 시작하지 않습니다";
    return std::nullopt;
  }
  const std::optional<TDate> date = TDate::FromIso(text.substr(0, 10));
  if (!date) {
    reason = "없는 날짜입니다 (" + std::string(text.substr(0, 10)) + ")";
    return std::nullopt;
  }
  return TParsedLine{*date, Trim(text.substr(10))};
}

}  // namespace

THolidayFile ParseHolidayFile(std::string_view text, THolidayFileKind kind,
                              const std::string& fileName) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  THolidayFile file;
  const std::vector<std::string> lines = SplitLines(std::string(text));
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const int lineNo = static_cast<int>(index) + 1;
    const std::string line = Trim(lines[index]);
    if (line.empty() || line.front() == '#') continue;
    auto report = [&](std::string reason) {
      file.Problems.push_back({fileName, lineNo, std::move(reason)});
    };
    if (!ValidUtf8(line)) {
      report("UTF-8 글자가 아닌 바이트가 있습니다");
      continue;
    }
    const bool removal = line.front() == '-';
    if (removal && kind == THolidayFileKind::Shipped) {
      report(std::string("빼는 줄(-YYYY-MM-DD)은 ") + kLocalHolidayFile + "에만 쓸 수 있습니다");
      continue;
    }
    std::string reason;
    const std::optional<TParsedLine> parsed =
        ParseDated(std::string_view(line).substr(removal ? 1 : 0), reason);
    if (!parsed) {
      report(reason);
      continue;
    }
    if (removal) {
      file.Days.erase(parsed->Date);
      file.Removed.insert(parsed->Date);
    } else {
      file.Removed.erase(parsed->Date);
      file.Days[parsed->Date] = parsed->Rest;
    }
  }
  return file;
}

std::optional<THolidayFile> ReadHolidayFile(const std::string& fileName, THolidayFileKind kind) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(fileName, ec);
  if (status.type() == fs::file_type::not_found) return std::nullopt;
  auto unreadable = [&](const std::string& why) {
    THolidayFile file;
    file.Problems.push_back({fileName, 0, "파일을 읽을 수 없습니다 (" + why + ")"});
    return file;
  };
  if (ec) return unreadable(ec.message());
  if (status.type() == fs::file_type::directory) return unreadable(std::strerror(EISDIR));
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return unreadable(std::strerror(errno));
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return unreadable(std::strerror(errno));
  return ParseHolidayFile(bytes.str(), kind, fileName);
}

void PrepareHolidayFiles(const std::string& folder) {
  auto write = [](const std::string& fileName, const std::string& bytes) {
    std::string error;
    if (!ReplaceFileAtomically(fileName, bytes, error))
      throw std::runtime_error(fileName + ": " + error);
  };
  const std::string shipped = folder + kShippedHolidayFile;
  std::string bytes;
  if (!ReadWholeFile(shipped, bytes) || bytes != kShippedHolidays) write(shipped, kShippedHolidays);
  const std::string local = folder + kLocalHolidayFile;
  std::error_code ec;
  if (!std::filesystem::exists(local, ec) && !ec) write(local, kLocalFileTemplate);
}

std::string ProblemText(const THolidayLineProblem& problem) {
  if (problem.Line == 0) return problem.File + ": " + problem.Reason;
  return problem.File + " " + std::to_string(problem.Line) + "번째 줄: " + problem.Reason;
}

}  // namespace selvane
