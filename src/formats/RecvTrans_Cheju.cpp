#include "formats/RecvTrans_Cheju.h"

#include "core/TextRoutines.h"
#include "formats/JejuLayout.h"
#include "formats/ResultBlocks.h"

namespace selvane {
namespace {

void Header(TResultReader& reader, std::string_view record, int recordNo) {
  HeaderOf(reader, record, recordNo, ReadField(kJejuHeader, &TJejuHeaderValues::BankID, record),
           ReadField(kJejuHeader, &TJejuHeaderValues::Corcode, record));
}

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TJejuDataValues values = ReadRecord(kJejuData, record);
  TDataFields fields;
  if (!DecodeDataFields(reader, record, recordNo, *values.BankId, *values.BankNo, *values.Result,
                        fields))
    return;
  // No second amount in this format.
  reader.Data(recordNo, record, fields.BankId, fields.Account, TextToMoney(*values.Monecy),
              fields.Result);
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
  static const TResultRecordKinds kinds{&Header, &Data, &End};
  return ReadResultBlocks(fileName, dm, kinds);
}

}  // namespace selvane
