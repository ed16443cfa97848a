#include "BankAnswer.h"

#include <functional>
#include <stdexcept>

#include "core/BankCodes.h"
#include "core/TextRoutines.h"
#include "edi/BatchWriter.h"
#include "formats/IndustrialLayout.h"
#include "formats/JeonbukLayout.h"
#include "formats/StandardLayout.h"

namespace selvane::banksim {
namespace {

// The families with an answer of their own; every other answers in the standard shape.
const TAnswerFormat kAnswerFormats[] = {
    {"Jeonbuk", &IsJeonbukBank, &AnswerJeonbuk, kJeonbukOthersSuffix},
    {"Housing", &IsHousingBank, &AnswerHousing},
    {"Industrial", &IsIndustrialBank, &AnswerIndustrial},
    {"Standard", nullptr, &AnswerStandard},
};

constexpr std::string_view kSuccessCode = "0000";
constexpr std::string_view kStandardFailCode = "9999";

std::string ResultCode(const std::string& account, const TAnswerOptions& options) {
  if (options.FailAccounts.count(account) == 0) return std::string(kSuccessCode);
  return options.FailCode.empty() ? std::string(kStandardFailCode) : options.FailCode;
}

// The answer of a request: its records without the envelope line, each filled to 78 bytes and
// handed to answerRecord, which fills in the bank's part or throws for a record it does not know.
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

[[noreturn]] void UnknownKind(int lineNo) {
  throw std::runtime_error("line " + std::to_string(lineNo) + ": unknown record kind");
}

// The standard shape, the header's institution code replaced by the BCode where the bank's
// answer names the institution by it.
std::string AnswerStandardShape(std::string_view request, const TAnswerOptions& options,
                                bool bCodeInHeader) {
  return AnswerRecords(request, [&](std::string& line, int lineNo) {
    if (line[0] == 'D') {
      std::string account = Trim(ReadField(kStandardData, &TStandardDataValues::BankNo, line));
      PutField(kStandardData, &TStandardDataValues::Result, line, ResultCode(account, options));
    } else if (line[0] == 'S') {
      if (bCodeInHeader)
        PutField(kStandardHeader, &TStandardHeaderValues::Corcode, line, options.BCode);
    } else if (line[0] != 'E') {
      UnknownKind(lineNo);
    }
  });
}

}  // namespace

std::span<const TAnswerFormat> AnswerFormats() {
  return kAnswerFormats;
}

const TAnswerFormat& AnswerFormatFor(std::string_view bankId) {
  for (const auto& format : kAnswerFormats)
    if (format.Serves == nullptr || format.Serves(bankId)) return format;
  return kAnswerFormats[std::size(kAnswerFormats) - 1];
}

std::string AnswerStandard(std::string_view request, const TAnswerOptions& options) {
  return AnswerStandardShape(request, options, false);
}

std::string AnswerHousing(std::string_view request, const TAnswerOptions& options) {
  return AnswerStandardShape(request, options, true);
}

std::string AnswerJeonbuk(std::string_view request, const TAnswerOptions& options) {
  return AnswerRecords(request, [&](std::string& line, int lineNo) {
    if (line[0] == 'D') {
      std::string account = Trim(ReadField(kJeonbukData, &TJeonbukDataValues::BankNo, line));
      PutField(kJeonbukData, &TJeonbukDataValues::Result, line, ResultCode(account, options));
    } else if (line[0] == 'S') {
      PutField(kJeonbukHeader, &TStandardHeaderValues::Corcode, line, options.BCode);
    } else if (line[0] != 'E') {
      UnknownKind(lineNo);
    }
  });
}

std::string AnswerIndustrial(std::string_view request, const TAnswerOptions& options) {
  return AnswerRecords(request, [&](std::string& line, int lineNo) {
    const std::string_view kind = std::string_view(line).substr(0, 2);
    if (kind == kIndustrialDataKind) {
      std::string account = Trim(ReadField(kIndustrialData, &TIndustrialDataValues::BankNo, line));
      PutField(kIndustrialData, &TIndustrialDataValues::Result, line, ResultCode(account, options));
    } else if (kind != kIndustrialHeaderKind && kind != kIndustrialEndKind) {
      UnknownKind(lineNo);
    }
  });
}

}  // namespace selvane::banksim
