#include "formats/Recv_Standard.h"

#include "core/TextRoutines.h"
#include "formats/ResultBlocks.h"
#include "formats/StandardLayout.h"

namespace selvane {
namespace {

template <TInstitutionCode Which>
void Header(TResultReader& reader, std::string_view record, int recordNo) {
  std::string bankId, code;
  if (!DecodeField(ReadField(kStandardHeader, &TStandardHeaderValues::BankID, record), bankId) ||
      !DecodeField(Trim(ReadField(kStandardHeader, &TStandardHeaderValues::Corcode, record)),
                   code)) {
    reader.Select(std::nullopt, recordNo, record, "CP949로 읽을 수 없는 기관 정보");
    return;
  }
  reader.Header(recordNo, record, bankId, code, Which);
}

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TStandardDataValues fields = ReadRecord(kStandardData, record);
  std::string bankId, account, result;
  if (!DecodeField(*fields.BankId, bankId) || !DecodeField(Trim(*fields.BankNo), account) ||
      !DecodeField(*fields.Result, result)) {
    if (reader.CanApply(recordNo, record))
      reader.Applied(false, recordNo, record, "CP949로 읽을 수 없는 계좌 정보");
    return;
  }
  TMoney amount = TextToMoney(*fields.Monecy);
  TMoney second = TextToMoney(*fields.Monecy2);
  if (second != amount) amount += second;
  reader.Data(recordNo, record, bankId, account, amount, result);
}

void End(TResultReader& reader, std::string_view record, int recordNo) {
  // A count that is not a number reads 0.
  reader.End(recordNo, record,
             FieldWholeNumber(ReadField(kStandardEndTotals, &TStandardEndValues::DataCount, record))
                 .value_or(0));
}

}  // namespace

TResultReport ReadStandardResult(const std::string& fileName, TDModule& dm,
                                 TInstitutionCode headerCode) {
  static constexpr TResultRecordKinds byCorCode{&Header<TInstitutionCode::CorCode>, &Data, &End};
  static constexpr TResultRecordKinds byBCode{&Header<TInstitutionCode::BCode>, &Data, &End};
  return ReadResultBlocks(fileName, dm,
                          headerCode == TInstitutionCode::BCode ? byBCode : byCorCode);
}

TResultReport Recv_Standard(const std::string& fileName, TDModule& dm) {
  return ReadStandardResult(fileName, dm, TInstitutionCode::CorCode);
}

}  // namespace selvane
