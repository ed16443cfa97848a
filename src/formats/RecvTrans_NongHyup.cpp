#include "formats/RecvTrans_NongHyup.h"

#include "formats/NongHyupCentralLayout.h"
#include "formats/NongHyupResult.h"
#include "formats/ResultBlocks.h"

namespace selvane {
namespace {

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TCentralDataValues fields = ReadRecord(kCentralResultData, record);
  ReadNongHyupData(reader, record, recordNo, *fields.BankId, *fields.BankNo, *fields.Monecy,
                   *fields.Result, &CentralStoredAccounts);
}

}  // namespace

TResultReport RecvTrans_NongHyup(const std::string& fileName, TDModule& dm) {
  return ReadResultBlocks(
      fileName, dm, [](TResultReader& reader, std::string_view record, int recordNo) {
        switch (record[0]) {
          case 'S':
            reader.HeaderFields(recordNo, record,
                                ReadField(kCentralHeader, &TCentralHeaderValues::BankID, record),
                                ReadField(kCentralHeader, &TCentralHeaderValues::Corcode, record));
            break;
          case 'D':
            Data(reader, record, recordNo);
            break;
          case 'E':
            // The count is of every record, header and end included.
            reader.EndOfWholeCount(recordNo, record,
                                   ReadField(kCentralEnd, &TCentralEndValues::RecordCount, record),
                                   2);
            break;
          default:
            reader.Skip(recordNo, record, "알 수 없는 레코드 종류");
        }
      });
}

}  // namespace selvane
