#include "formats/Recv_Standard.h"

#include "core/TextRoutines.h"
#include "formats/ResultBlocks.h"
#include "formats/StandardLayout.h"

namespace selvane {
namespace {

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TStandardDataValues fields = ReadRecord(kStandardData, record);
  std::string bankId, account, result;
  if (!reader.DataFields(recordNo, record, *fields.BankId, *fields.BankNo, *fields.Result, bankId,
                         account, result))
    return;
  TMoney amount = TextToMoney(*fields.Monecy);
  TMoney second = TextToMoney(*fields.Monecy2);
  if (second != amount) amount += second;
  reader.Data(recordNo, record, bankId, account, amount, result);
}

}  // namespace

TResultReport Recv_Standard(const std::string& fileName, TDModule& dm) {
  return ReadResultBlocks(
      fileName, dm, [](TResultReader& reader, std::string_view record, int recordNo) {
        switch (record[0]) {
          case 'S':
            reader.HeaderFields(
                recordNo, record,
                ReadField(kStandardHeader, &TStandardHeaderValues::BankID, record),
                ReadField(kStandardHeader, &TStandardHeaderValues::Corcode, record));
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

}  // namespace selvane
