#include "BankAnswer.h"

#include <functional>
#include <stdexcept>

#include "core/BankCodes.h"
#include "core/TextRoutines.h"
#include "edi/BatchWriter.h"
#include "formats/FisheriesLayout.h"
#include "formats/IndustrialLayout.h"
#include "formats/JejuLayout.h"
#include "formats/JeonbukLayout.h"
#include "formats/StandardLayout.h"

namespace selvane::banksim {
namespace {

// The families with an answer of their own; every other answers in the standard shape.
const TAnswerFormat kAnswerFormats[] = {
    {"NongHyupCentral", &IsNongHyupCentral, &AnswerNongHyupCentral},
    {"NongHyupMember", &IsNongHyupMember, &AnswerNongHyupMember},
    {"Jeonbuk", &IsJeonbukBank, &AnswerJeonbuk, kJeonbukOthersSuffix},
    {"Housing", &IsHousingBank, &AnswerHousing},
    {"Industrial", &IsIndustrialBank, &AnswerIndustrial},
    {"Fisheries", &IsFisheriesBank, &AnswerFisheries},
    {"ForeignExchange", &IsForeignExchangeBank, &AnswerFisheries},
    {"Jeju", &IsJejuBank, &AnswerJeju},
    {"Standard", nullptr, &AnswerStandard},
};

constexpr std::string_view kSuccessCode = "0000";
constexpr std::string_view kStandardFailCode = "9999";
constexpr std::size_t kAnswerWidth = 78;

std::string ResultCode(const TAnswerOptions& options, const std::string& account) {
  if (options.FailAccounts.count(account) == 0) return std::string(kSuccessCode);
  return options.FailCode.empty() ? std::string(kStandardFailCode) : options.FailCode;
}

// The request's records after its envelope line, each given as it stands, with its line number
// and the envelope line, to answerLine, which gives back the answer's record (78 bytes). The
// answer is those records, each with CR LF; it has no envelope line.
template <class TAnswerLine>
std::string AnswerLines(std::string_view request, TAnswerLine answerLine) {
  constexpr std::string_view mark = kEnvelopeLine[0].Text;
  std::string answer, envelope;
  std::size_t pos = 0;
  int lineNo = 0;
  while (pos < request.size()) {
    std::size_t end = request.find("\r\n", pos);
    if (end == std::string_view::npos) throw std::runtime_error("a line without CR LF at the end");
    std::string line(request.substr(pos, end - pos));
    pos = end + 2;
    ++lineNo;
    if (line.rfind(mark, 0) == 0) {
      envelope = line;
      continue;
    }
    if (lineNo == 1) throw std::runtime_error("no envelope line");
    if (line.empty()) throw std::runtime_error("line " + std::to_string(lineNo) + ": empty");
    std::string record = answerLine(line, lineNo, envelope);
    if (record.size() != kAnswerWidth)
      throw std::runtime_error("line " + std::to_string(lineNo) + ": not a record of the format");
    answer += record + "\r\n";
  }
  return answer;
}

[[noreturn]] void NotOfTheFormat(int lineNo, const char* what) {
  throw std::runtime_error("line " + std::to_string(lineNo) + ": " + what);
}

}  // namespace

std::string AnswerRecords(
    std::string_view request,
    const std::function<void(std::string& record, int lineNo)>& answerRecord) {
  return AnswerLines(request, [&](const std::string& line, int lineNo, const std::string&) {
    std::string record = FixText(line, kAnswerWidth, true);
    answerRecord(record, lineNo);
    return record;
  });
}

std::span<const TAnswerFormat> AnswerFormats() {
  return kAnswerFormats;
}

const TAnswerFormat& AnswerFormatFor(std::string_view bankId) {
  for (const auto& format : kAnswerFormats)
    if (format.Serves == nullptr || format.Serves(bankId)) return format;
  return kAnswerFormats[std::size(kAnswerFormats) - 1];
}

std::string AnswerStandard(std::string_view request, const TAnswerOptions& options) {
  return AnswerLines(request, [&](const std::string& line, int lineNo, const std::string&) {
    std::string record = FixText(line, kAnswerWidth, true);
    if (record[0] == 'D') {
      std::string account = Trim(ReadField(kStandardData, &TStandardDataValues::BankNo, record));
      PutField(kStandardData, &TStandardDataValues::Result, record, ResultCode(options, account));
    } else if (record[0] != 'S' && record[0] != 'E') {
      NotOfTheFormat(lineNo, "unknown record kind");
    }
    return record;
  });
}

std::string AnswerFisheries(std::string_view request, const TAnswerOptions& options) {
  constexpr auto header = FisheriesHeader(TFisheriesEdition::Earlier);
  constexpr std::size_t markAt = 72;  // "'%" in positions 73-74
  return AnswerLines(request, [&](const std::string& line, int lineNo,
                                  const std::string& envelope) {
    if (line[0] == 'S' && (line.size() != static_cast<std::size_t>(LayoutWidth(header)) ||
                           line.compare(markAt, 2, "'%") != 0))
      NotOfTheFormat(lineNo, "not a fisheries co-operative header");
    std::string record = FixText(line, kAnswerWidth, true);
    if (record[0] == 'S') {
      // The answer's header carries the institution's bank ID on the network.
      PutField(kStandardHeader, &TStandardHeaderValues::Corcode, record,
               Trim(ReadField(kEnvelopeLine, &TEnvelopeValues::Bcode, envelope)));
    } else if (record[0] == 'D') {
      std::string account = Trim(ReadField(kStandardData, &TStandardDataValues::BankNo, record));
      PutField(kStandardData, &TStandardDataValues::Result, record, ResultCode(options, account));
    } else if (record[0] != 'E') {
      NotOfTheFormat(lineNo, "unknown record kind");
    }
    return record;
  });
}

std::string AnswerJeju(std::string_view request, const TAnswerOptions& options) {
  return AnswerLines(request, [&](const std::string& line, int lineNo, const std::string&) {
    if (line.size() != kAnswerWidth) NotOfTheFormat(lineNo, "not a Jeju Bank record");
    std::string record = line;
    if (record[0] == 'S') {
      if (record.compare(11, 2, "11") != 0) NotOfTheFormat(lineNo, "not a Jeju Bank header");
    } else if (record[0] == 'D') {
      std::string account = Trim(ReadField(kJejuData, &TJejuDataValues::BankNo, record));
      PutField(kJejuData, &TJejuDataValues::Result, record, ResultCode(options, account));
    } else if (record[0] != 'E') {
      NotOfTheFormat(lineNo, "unknown record kind");
    }
    return record;
  });
}

// The Housing bank: the standard shape with the institution's BCode in the header's positions
// 4-13, where its reader looks for the institution.
std::string AnswerHousing(std::string_view request, const TAnswerOptions& options) {
  return AnswerLines(request, [&](const std::string& line, int lineNo, const std::string&) {
    std::string record = FixText(line, kAnswerWidth, true);
    if (record[0] == 'D') {
      std::string account = Trim(ReadField(kStandardData, &TStandardDataValues::BankNo, record));
      PutField(kStandardData, &TStandardDataValues::Result, record, ResultCode(options, account));
    } else if (record[0] == 'S') {
      PutField(kStandardHeader, &TStandardHeaderValues::Corcode, record, options.BCode);
    } else if (record[0] != 'E') {
      NotOfTheFormat(lineNo, "unknown record kind");
    }
    return record;
  });
}

std::string AnswerJeonbuk(std::string_view request, const TAnswerOptions& options) {
  return AnswerLines(request, [&](const std::string& line, int lineNo, const std::string&) {
    std::string record = FixText(line, kAnswerWidth, true);
    if (record[0] == 'D') {
      std::string account = Trim(ReadField(kJeonbukData, &TJeonbukDataValues::BankNo, record));
      PutField(kJeonbukData, &TJeonbukDataValues::Result, record, ResultCode(options, account));
    } else if (record[0] == 'S') {
      PutField(kJeonbukHeader, &TStandardHeaderValues::Corcode, record, options.BCode);
    } else if (record[0] != 'E') {
      NotOfTheFormat(lineNo, "unknown record kind");
    }
    return record;
  });
}

std::string AnswerIndustrial(std::string_view request, const TAnswerOptions& options) {
  return AnswerLines(request, [&](const std::string& line, int lineNo, const std::string&) {
    std::string record = FixText(line, kAnswerWidth, true);
    const std::string_view kind = std::string_view(record).substr(0, 2);
    if (kind == kIndustrialDataKind) {
      std::string account =
          Trim(ReadField(kIndustrialData, &TIndustrialDataValues::BankNo, record));
      PutField(kIndustrialData, &TIndustrialDataValues::Result, record,
               ResultCode(options, account));
    } else if (kind != kIndustrialHeaderKind && kind != kIndustrialEndKind) {
      NotOfTheFormat(lineNo, "unknown record kind");
    }
    return record;
  });
}

}  // namespace selvane::banksim
