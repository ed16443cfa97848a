#include "formats/RecvTrans_Cheju.h"

#include "core/TextRoutines.h"
#include "formats/JejuLayout.h"
#include "formats/ResultBlocks.h"

namespace selvane {
namespace {

void Header(TResultReader& reader, std::string_view record, int recordNo) {
  std::string bankId, corCode;
  if (!DecodeField(ReadField(kJejuHeader, &TJejuHeaderValues::BankID, record), bankId) ||
      !DecodeField(Trim(ReadField(kJejuHeader, &TJejuHeaderValues::Corcode, record)), corCode)) {
    reader.Select(std::nullopt, recordNo, record, "CP949로 읽을 수 없는 기관 정보");
    return;
  }
  reader.Header(recordNo, record, bankId, corCode);
}

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TJejuDataValues fields = ReadRecord(kJejuData, record);
  std::string bankId, account, result;
  if (!DecodeField(*fields.BankId, bankId) || !DecodeField(Trim(*fields.BankNo), account) ||
      !DecodeField(*fields.Result, result)) {
    if (reader.CanApply(recordNo, record))
      reader.Applied(false, recordNo, record, "CP949로 읽을 수 없는 계좌 정보");
    return;
  }
  // No second amount in this format.
  reader.Data(recordNo, record, bankId, account, TextToMoney(*fields.Monecy), result);
}

void End(TResultReader& reader, std::string_view record, int recordNo) {
  const std::string_view field = ReadField(kJejuEnd, &TJejuEndValues::RecordCount, record);
  const std::optional<int> records = FieldWholeNumber(field);
  if (!records) {
    std::string shown;
    if (!DecodeField(field, shown)) shown = "CP949가 아닌 바이트";
    throw TResultFileError("제주은행 결과 파일 " + reader.FileName() + "의 " +
                           std::to_string(recordNo) + "번째 레코드(끝 레코드)의 건수가 숫자가 " +
                           "아닙니다: \"" + shown + "\"");
  }
  // The count takes in the header and the end record; fewer than those two is no valid end.
  reader.End(recordNo, record, *records >= 2 ? std::optional<int>(*records - 2) : std::nullopt);
}

}  // namespace

TResultReport RecvTrans_Cheju(const std::string& fileName, TDModule& dm) {
  static constexpr TResultRecordKinds kinds{&Header, &Data, &End};
  return ReadResultBlocks(fileName, dm, kinds);
}

}  // namespace selvane
