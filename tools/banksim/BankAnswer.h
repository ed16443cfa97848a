// The bank's side of a request file: the result file a bank would send back for it. Each format
// family has an answer routine; the answer table picks it by the institution's bank code, as the
// program's send table picks the writer.
#pragma once

#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace selvane::banksim {

struct TAnswerOptions {
  std::set<std::string> FailAccounts;  // account digits that fail
  std::string FailCode;                // empty: the format's own failure code
};

// The result file for the request file's bytes. Throws std::runtime_error for a file that is
// not a request of the format.
using TAnswerFn = std::string (*)(std::string_view request, const TAnswerOptions& options);

struct TAnswerFormat {
  const char* Name;
  bool (*Serves)(std::string_view bankId);  // nullptr: every code (the last row)
  TAnswerFn Answer;
};

const TAnswerFormat& AnswerFormatFor(std::string_view bankId);

// The answer of a request: its records without the envelope line, each filled to 78 bytes and
// handed to answerRecord, which fills in the bank's part or throws for a record it does not know.
std::string AnswerRecords(std::string_view request,
                          const std::function<void(std::string& record, int lineNo)>& answerRecord);

// The standard answer (also Hanvit's and Shinhan's): the header and end records as sent, each
// data record with its result code, every record 78 bytes and CR LF; no envelope line.
std::string AnswerStandard(std::string_view request, const TAnswerOptions& options);

// The NongHyup central and member co-operative answers: the request's records, each data record
// with the bank's two-character result code, "00" or the failure code (default "99"). A failing
// account is named by its digits, a bank-11 account also without its widening.
std::string AnswerNongHyupCentral(std::string_view request, const TAnswerOptions& options);
std::string AnswerNongHyupMember(std::string_view request, const TAnswerOptions& options);

}  // namespace selvane::banksim
