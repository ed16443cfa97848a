#include "BankAnswer.h"

#include <stdexcept>

#include "core/BankCodes.h"
#include "core/TextRoutines.h"
#include "edi/BatchWriter.h"
#include "formats/StandardLayout.h"

namespace selvane::banksim {
namespace {

// Families without an answer of their own yet answer in the standard shape.
const TAnswerFormat kAnswerFormats[] = {
    {"NongHyupCentral", &IsNongHyupCentral, &AnswerNongHyupCentral},
    {"NongHyupMember", &IsNongHyupMember, &AnswerNongHyupMember},
    {"Standard", nullptr, &AnswerStandard},
};

constexpr std::string_view kSuccessCode = "0000";
constexpr std::string_view kStandardFailCode = "9999";

}  // namespace

const TAnswerFormat& AnswerFormatFor(std::string_view bankId) {
  for (const auto& format : kAnswerFormats)
    if (format.Serves == nullptr || format.Serves(bankId)) return format;
  return kAnswerFormats[std::size(kAnswerFormats) - 1];
}

std::string AnswerRecords(
    std::string_view request,
    const std::function<void(std::string& record, int lineNo)>& answerRecord) {
  constexpr std::string_view envelope = kEnvelopeLine[0].Text;
  std::string answer;
  std::size_t pos = 0;
  int lineNo = 0;
  while (pos < request.size()) {
    std::size_t end = request.find("\r\n", pos);
    if (end == std::string_view::npos) throw std::runtime_error("a line without CR LF at the end");
    std::string line(request.substr(pos, end - pos));
    pos = end + 2;
    ++lineNo;
    if (line.rfind(envelope, 0) == 0) continue;
    if (lineNo == 1) throw std::runtime_error("no envelope line");
    line = FixText(line, 78, true);
    answerRecord(line, lineNo);
    answer += line + "\r\n";
  }
  return answer;
}

std::string AnswerStandard(std::string_view request, const TAnswerOptions& options) {
  const std::string failCode =
      options.FailCode.empty() ? std::string(kStandardFailCode) : options.FailCode;
  return AnswerRecords(request, [&](std::string& line, int lineNo) {
    if (line[0] == 'D') {
      std::string account = Trim(ReadField(kStandardData, &TStandardDataValues::BankNo, line));
      bool fails = options.FailAccounts.count(account) > 0;
      PutField(kStandardData, &TStandardDataValues::Result, line,
               fails ? failCode : std::string(kSuccessCode));
    } else if (line[0] != 'S' && line[0] != 'E') {
      throw std::runtime_error("line " + std::to_string(lineNo) + ": unknown record kind");
    }
  });
}

}  // namespace selvane::banksim
