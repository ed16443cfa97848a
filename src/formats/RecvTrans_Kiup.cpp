#include "formats/RecvTrans_Kiup.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "formats/IndustrialLayout.h"
#include "formats/ResultBlocks.h"

namespace selvane {
namespace {

struct TNamedInstitution {
  TResultInstitution Institution;
  std::string BankID;
  std::string AccountDigits;
};

// The institutions whose receive name is the file's name (as the receive dispatch found the
// file, in upper case), in table order.
std::vector<TNamedInstitution> InstitutionsReceiving(TDModule& dm, const std::string& fileName) {
  TStatement& select = dm.Database.Prepare(
      "SELECT KigwanID, KiGwanName, BankID, BankNo FROM KiGwan WHERE upper(RecvName) = ?1 "
      "ORDER BY KigwanID, KiGwanName");
  select.Bind({TValue(fileName)});
  std::vector<TNamedInstitution> found;
  while (select.Step()) {
    std::string digits;
    TryToCp949(RemoveChar(select.Column(3).AsString(), '-'), digits);
    found.push_back({{static_cast<int>(select.Column(0).AsInteger()), select.Column(1).AsString()},
                     select.Column(2).AsString(),
                     digits});
  }
  select.Reset();
  return found;
}

void Header(TResultReader& reader, TDModule& dm, std::string_view record, int recordNo) {
  const std::string bank(ReadField(kIndustrialHeader, &TIndustrialHeaderValues::BankID, record));
  const std::string account =
      Trim(ReadField(kIndustrialHeader, &TIndustrialHeaderValues::BankNo, record));
  const std::vector<TNamedInstitution> named = InstitutionsReceiving(dm, reader.FileName());
  for (const TNamedInstitution& candidate : named) {
    if (candidate.BankID == bank && candidate.AccountDigits == account) {
      reader.Select(candidate.Institution, recordNo, record, {});
      return;
    }
  }
  std::string shown;
  if (!TryFromCp949(bank + " " + account, shown)) shown = "CP949로 읽을 수 없는 값";
  reader.Select(std::nullopt, recordNo, record,
                named.empty()
                    ? "이 파일을 받는 기관이 없음"
                    : "헤더의 은행코드나 출금계좌가 이 파일을 받는 기관과 다름: " + shown);
}

void Data(TResultReader& reader, std::string_view record, int recordNo) {
  const TIndustrialDataValues fields = ReadRecord(kIndustrialData, record);
  std::string bankId, account, result;
  if (!TryFromCp949(*fields.BankId, bankId) || !TryFromCp949(Trim(*fields.BankNo), account) ||
      !TryFromCp949(*fields.Result, result)) {
    reader.DataNotReadable(recordNo, record);
    return;
  }
  reader.Data(recordNo, record, bankId, account, TextToMoney(*fields.Monecy), result);
}

}  // namespace

TResultReport RecvTrans_Kiup(const std::string& fileName, TDModule& dm) {
  return ReadResultBlocks(
      fileName, dm, [&dm](TResultReader& reader, std::string_view record, int recordNo) {
        const std::string_view kind = record.substr(0, 2);
        if (kind == kIndustrialHeaderKind) {
          Header(reader, dm, record, recordNo);
        } else if (kind == kIndustrialDataKind) {
          Data(reader, record, recordNo);
        } else if (kind == kIndustrialEndKind) {
          reader.End(
              recordNo, record,
              FieldInteger(ReadField(kIndustrialEnd, &TIndustrialEndValues::DataCount, record)));
        } else {
          reader.Skip(recordNo, record, "알 수 없는 레코드 종류");
        }
      });
}

}  // namespace selvane
