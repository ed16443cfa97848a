#include "formats/Recv_Standard.h"

#include "core/TextRoutines.h"
#include "formats/ResultBlocks.h"
#include "formats/StandardLayout.h"

namespace selvane {
namespace {

template <TInstitutionCode Which>
void Header(TResultReader& reader, std::string_view record, int recordNo) {
  HeaderOf(reader, record, recordNo,
           ReadField(kStandardHeader, &TStandardHeaderValues::BankID, record),
           ReadField(kStandardHeader, &TStandardHeaderValues::Corcode, record), Which);
}

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TStandardDataValues values = ReadRecord(kStandardData, record);
  TDataFields fields;
  if (!DecodeDataFields(reader, record, recordNo, *values.BankId, *values.BankNo, *values.Result,
                        fields))
    return;
  TMoney amount = TextToMoney(*values.Monecy);
  TMoney second = TextToMoney(*values.Monecy2);
  if (second != amount) amount += second;
  reader.Data(recordNo, record, fields.BankId, fields.Account, amount, fields.Result);
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
  static const TResultRecordKinds byCorCode{&Header<TInstitutionCode::CorCode>, &Data, &End};
  static const TResultRecordKinds byBCode{&Header<TInstitutionCode::BCode>, &Data, &End};
  return ReadResultBlocks(fileName, dm,
                          headerCode == TInstitutionCode::BCode ? byBCode : byCorCode);
}

TResultReport Recv_Standard(const std::string& fileName, TDModule& dm) {
  return ReadStandardResult(fileName, dm, TInstitutionCode::CorCode);
}

}  // namespace selvane
