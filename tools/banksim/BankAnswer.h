// The bank's side of a request file: the result file a bank would send back for it. Each format
// family has an answer routine; the answer table picks it by the institution's bank code, as the
// program's send table picks the writer.
#pragma once

#include <functional>
#include <set>
#include <span>
#include <string>
#include <string_view>

namespace selvane::banksim {

struct TAnswerOptions {
  std::set<std::string> FailAccounts;  // account digits that fail
  std::string FailCode;                // empty: the format's own failure code
  std::string BCode;  // the institution's BCode, which some banks' answer headers carry
};

// The result file for the request file's bytes. Throws std::runtime_error for a file that is
// not a request of the format.
using TAnswerFn = std::string (*)(std::string_view request, const TAnswerOptions& options);

struct TAnswerFormat {
  const char* Name;
  bool (*Serves)(std::string_view bankId);  // nullptr: every code (the last row)
  TAnswerFn Answer;
  // The suffix of a second request file of the batch (SendName + suffix), answered into the
  // same result file; nullptr when the format writes one file.
  const char* SecondFileSuffix = nullptr;
};

const TAnswerFormat& AnswerFormatFor(std::string_view bankId);
// The rows of the answer table, in the order they are tested.
std::span<const TAnswerFormat> AnswerFormats();

// The answer of a request: its records without the envelope line, each filled to 78 bytes and
// handed to answerRecord, which fills in the bank's part or throws for a record it does not know.
std::string AnswerRecords(std::string_view request,
                          const std::function<void(std::string& record, int lineNo)>& answerRecord);

// The standard answer (also Hanvit's and Shinhan's): the header and end records as sent, each
// data record with its result code, every record 78 bytes and CR LF; no envelope line.
std::string AnswerStandard(std::string_view request, const TAnswerOptions& options);

// The fisheries co-operative's answer (also the foreign-exchange bank's): records of the
// standard answer, the header carrying the institution's bank ID on the network (the envelope
// line's) where the request has its user number.
std::string AnswerFisheries(std::string_view request, const TAnswerOptions& options);

// The Jeju Bank answer: the records as sent, each data record with its result code.
std::string AnswerJeju(std::string_view request, const TAnswerOptions& options);

// Jeonbuk Bank (either of its two files) and the Housing bank: the standard shape with the
// institution's BCode in the header's positions 4-13. Industrial Bank: its "11", "22" and "33"
// records, the data records filled to 78 bytes with the result code in positions 73-76.
std::string AnswerJeonbuk(std::string_view request, const TAnswerOptions& options);
std::string AnswerHousing(std::string_view request, const TAnswerOptions& options);
std::string AnswerIndustrial(std::string_view request, const TAnswerOptions& options);

// The NongHyup central and member co-operative answers: the request's records, each data record
// with the bank's two-character result code, "00" or the failure code (default "99"). A failing
// account is named by its digits, a bank-11 account also without its widening.
std::string AnswerNongHyupCentral(std::string_view request, const TAnswerOptions& options);
std::string AnswerNongHyupMember(std::string_view request, const TAnswerOptions& options);

}  // namespace selvane::banksim
