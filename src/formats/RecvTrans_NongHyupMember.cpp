#include "formats/RecvTrans_NongHyupMember.h"

#include "formats/NongHyupMemberLayout.h"
#include "formats/NongHyupResult.h"
#include "formats/ResultBlocks.h"

namespace selvane {
namespace {

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TMemberDataValues fields = ReadRecord(kMemberData, record);
  ReadNongHyupData(reader, record, recordNo, *fields.BankId, *fields.BankNo, *fields.Monecy,
                   *fields.Result, &MemberStoredAccounts);
}

}  // namespace

TResultReport RecvTrans_NongHyupMember(const std::string& fileName, TDModule& dm) {
  return ReadResultBlocks(
      fileName, dm, [](TResultReader& reader, std::string_view record, int recordNo) {
        const std::string_view kind = record.substr(0, 2);
        if (kind == kMemberHeaderKind) {
          reader.HeaderFields(recordNo, record,
                              ReadField(kMemberHeader, &TMemberHeaderValues::BankID, record),
                              ReadField(kMemberHeader, &TMemberHeaderValues::Corcode, record));
        } else if (kind == kMemberDataKind) {
          Data(reader, record, recordNo);
        } else if (kind == kMemberEndKind) {
          reader.EndOfWholeCount(recordNo, record,
                                 ReadField(kMemberEnd, &TMemberEndValues::DataCount, record), 0);
        } else {
          reader.Skip(recordNo, record, "알 수 없는 레코드 종류");
        }
      });
}

}  // namespace selvane
