#include "formats/Recv_Standard.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "formats/ResultBlocks.h"
#include "formats/StandardLayout.h"

namespace selvane {
namespace {

bool Decode(std::string_view cp949, std::string& utf8) {
  return TryFromCp949(cp949, utf8);
}

void Header(TResultReader& reader, std::string_view record, int recordNo, TInstitutionKey key) {
  std::string bankId, code;
  if (!Decode(ReadField(kStandardHeader, &TStandardHeaderValues::BankID, record), bankId) ||
      !Decode(Trim(ReadField(kStandardHeader, &TStandardHeaderValues::Corcode, record)), code)) {
    reader.HeaderNotReadable(recordNo, record);
    return;
  }
  reader.Header(recordNo, record, bankId, code, key);
}

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TStandardDataValues fields = ReadRecord(kStandardData, record);
  std::string bankId, account, result;
  if (!Decode(*fields.BankId, bankId) || !Decode(Trim(*fields.BankNo), account) ||
      !Decode(*fields.Result, result)) {
    reader.DataNotReadable(recordNo, record);
    return;
  }
  TMoney amount = TextToMoney(*fields.Monecy);
  TMoney second = TextToMoney(*fields.Monecy2);
  if (second != amount) amount += second;
  reader.Data(recordNo, record, bankId, account, amount, result);
}

}  // namespace

TResultReport ReadStandardResult(const std::string& fileName, TDModule& dm, TInstitutionKey key) {
  return ReadResultBlocks(
      fileName, dm, [key](TResultReader& reader, std::string_view record, int recordNo) {
        switch (record[0]) {
          case 'S':
            Header(reader, record, recordNo, key);
            break;
          case 'D':
            Data(reader, record, recordNo);
            break;
          case 'E':
            reader.End(recordNo, record,
                       FieldInteger(
                           ReadField(kStandardEndTotals, &TStandardEndValues::DataCount, record)));
            break;
          default:
            reader.Skip(recordNo, record, "알 수 없는 레코드 종류");
        }
      });
}

TResultReport Recv_Standard(const std::string& fileName, TDModule& dm) {
  return ReadStandardResult(fileName, dm, TInstitutionKey::CorCode);
}

}  // namespace selvane
