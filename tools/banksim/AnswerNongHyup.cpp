// The answers of the two NongHyup formats: the request's records as they are, each data record
// with the bank's two-character result code.
#include <stdexcept>

#include "BankAnswer.h"
#include "core/BankCodes.h"
#include "core/TextRoutines.h"
#include "formats/NongHyupAccounts.h"
#include "formats/NongHyupCentralLayout.h"
#include "formats/NongHyupMemberLayout.h"

namespace selvane::banksim {
namespace {

constexpr std::string_view kNongHyupSuccessCode = "00";
constexpr std::string_view kNongHyupFailCode = "99";

std::string FailCode(const TAnswerOptions& options) {
  if (options.FailCode.empty()) return std::string(kNongHyupFailCode);
  if (options.FailCode.size() != 2)
    throw std::runtime_error("the NongHyup result code has two characters, not \"" +
                             options.FailCode + "\"");
  return options.FailCode;
}

// The account as written and, at bank 11, without either widening: a --fail entry names the
// recipient's own digits.
template <class TRemoveWidening>
std::string ResultCode(std::string_view bankId, const std::string& account,
                       TRemoveWidening removeWidening, const TAnswerOptions& options,
                       const std::string& failCode) {
  bool fails = options.FailAccounts.count(RemoveChar(account, '-')) > 0;
  if (IsNongHyupCentral(bankId))
    for (const std::string& own : removeWidening(account))
      fails = fails || options.FailAccounts.count(RemoveChar(own, '-')) > 0;
  return fails ? failCode : std::string(kNongHyupSuccessCode);
}

[[noreturn]] void UnknownKind(int lineNo) {
  throw std::runtime_error("line " + std::to_string(lineNo) + ": unknown record kind");
}

}  // namespace

std::string AnswerNongHyupCentral(std::string_view request, const TAnswerOptions& options) {
  const std::string failCode = FailCode(options);
  return AnswerRecords(request, [&](std::string& line, int lineNo) {
    if (line[0] == 'D') {
      const std::string account =
          Trim(ReadField(kCentralResultData, &TCentralDataValues::BankNo, line));
      const std::string_view bankId =
          ReadField(kCentralResultData, &TCentralDataValues::BankId, line);
      PutField(kCentralResultData, &TCentralDataValues::Result, line,
               ResultCode(bankId, account, &CentralWideningRemoved, options, failCode));
    } else if (line[0] != 'S' && line[0] != 'E') {
      UnknownKind(lineNo);
    }
  });
}

std::string AnswerNongHyupMember(std::string_view request, const TAnswerOptions& options) {
  const std::string failCode = FailCode(options);
  return AnswerRecords(request, [&](std::string& line, int lineNo) {
    const std::string_view kind = std::string_view(line).substr(0, 2);
    if (kind == kMemberDataKind) {
      const std::string account = Trim(ReadField(kMemberData, &TMemberDataValues::BankNo, line));
      const std::string_view bankId = ReadField(kMemberData, &TMemberDataValues::BankId, line);
      PutField(kMemberData, &TMemberDataValues::Result, line,
               ResultCode(bankId, account, &MemberWideningRemoved, options, failCode));
    } else if (kind != kMemberHeaderKind && kind != kMemberEndKind) {
      UnknownKind(lineNo);
    }
  });
}

}  // namespace selvane::banksim
