// The bank's side of a request file: the result file a bank would send back for it. Each format
// family has an answer routine; the answer table picks it by the institution's bank code, as the
// program's send table picks the writer.
#pragma once

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

// The standard answer (also Hanvit's and Shinhan's): the header and end records as sent, each
// data record with its result code, every record 78 bytes and CR LF; no envelope line.
std::string AnswerStandard(std::string_view request, const TAnswerOptions& options);

// The fisheries co-operative's answer (also the foreign-exchange bank's): records of the
// standard answer, the header carrying the institution's bank ID on the network (the envelope
// line's) where the request has its user number.
std::string AnswerFisheries(std::string_view request, const TAnswerOptions& options);

// The Jeju Bank answer: the records as sent, each data record with its result code.
std::string AnswerJeju(std::string_view request, const TAnswerOptions& options);

}  // namespace selvane::banksim
