#include "formats/Recv_Standard.h"

#include <fstream>

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "edi/ResultReader.h"
#include "formats/StandardLayout.h"

namespace selvane {
namespace {

constexpr std::size_t kRecordWidth = 78;

// A whole number of the record, 0 when the field is not one (blanks around it allowed).
int FieldInteger(std::string_view field) {
  std::string text = Trim(field);
  if (!IsAllDigits(text) || text.size() > 9) return 0;
  return std::stoi(text);
}

bool Decode(std::string_view cp949, std::string& utf8) {
  return TryFromCp949(cp949, utf8);
}

void Header(TResultReader& reader, std::string_view record, int recordNo) {
  std::string bankId, corCode;
  if (!Decode(ReadField(kStandardHeader, &TStandardHeaderValues::BankID, record), bankId) ||
      !Decode(Trim(ReadField(kStandardHeader, &TStandardHeaderValues::Corcode, record)), corCode)) {
    reader.Select(std::nullopt, recordNo, record, "CP949로 읽을 수 없는 기관 정보");
    return;
  }
  reader.Header(recordNo, record, bankId, corCode);
}

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TStandardDataValues fields = ReadRecord(kStandardData, record);
  std::string bankId, account, result;
  if (!Decode(*fields.BankId, bankId) || !Decode(Trim(*fields.BankNo), account) ||
      !Decode(*fields.Result, result)) {
    if (reader.CanApply(recordNo, record))
      reader.Applied(false, recordNo, record, "CP949로 읽을 수 없는 계좌 정보");
    return;
  }
  TMoney amount = TextToMoney(*fields.Monecy);
  TMoney second = TextToMoney(*fields.Monecy2);
  if (second != amount) amount += second;
  reader.Data(recordNo, record, bankId, account, amount, result);
}

}  // namespace

TResultReport Recv_Standard(const std::string& fileName, TDModule& dm) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return {};
  TResultReader reader(fileName, dm);
  std::string block(kStandardResultBlock, '\0');
  for (int recordNo = 1;; ++recordNo) {
    file.read(block.data(), kStandardResultBlock);
    const auto got = static_cast<std::size_t>(file.gcount());
    if (got == 0) break;
    // A last record that lacks only its line end is whole.
    if (got < kRecordWidth) {
      reader.SkipTail(recordNo, std::string_view(block).substr(0, got),
                      "78바이트가 안 되는 끝부분");
      break;
    }
    std::string_view record = std::string_view(block).substr(0, kRecordWidth);
    switch (record[0]) {
      case 'S':
        Header(reader, record, recordNo);
        break;
      case 'D':
        Data(reader, record, recordNo);
        break;
      case 'E':
        reader.End(
            recordNo, record,
            FieldInteger(ReadField(kStandardEndTotals, &TStandardEndValues::DataCount, record)));
        break;
      default:
        reader.Skip(recordNo, record, "알 수 없는 레코드 종류");
    }
    if (got < block.size()) break;
  }
  return reader.Finish();
}

}  // namespace selvane
