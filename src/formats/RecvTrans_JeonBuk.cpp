#include "formats/RecvTrans_JeonBuk.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "edi/ResultCreation.h"
#include "formats/JeonbukLayout.h"
#include "formats/ResultBlocks.h"
#include "transfer/NumberChecks.h"

namespace selvane {
namespace {

// A YYMMDD date of the header; nullopt when the field is no valid date.
std::optional<TDate> HeaderDate(std::string_view field) {
  const std::string text(field);
  if (text.size() != 6 || !IsAllDigits(text)) return std::nullopt;
  const TDate date = TextToDate(text, false);
  if (date.Format("yymmdd") != text) return std::nullopt;
  return date;
}

// The resident number as recipients store it: 13 digits with the hyphen after the sixth.
std::string StoredJumin(const std::string& read) {
  if (read.size() == 13 && IsAllDigits(read)) return read.substr(0, 6) + "-" + read.substr(6);
  return read;
}

class TJeonbukReading {
 public:
  explicit TJeonbukReading(TDModule& dm) : creation_(dm) {}

  void Record(TResultReader& reader, std::string_view record, int recordNo) {
    switch (record[0]) {
      case 'S':
        Header(reader, record, recordNo);
        break;
      case 'D':
        Data(reader, record, recordNo);
        break;
      case 'E':
        reader.End(recordNo, record,
                   FieldInteger(ReadField(kJeonbukEnd, &TStandardEndValues::DataCount, record)));
        break;
      default:
        reader.Skip(recordNo, record, "알 수 없는 레코드 종류");
    }
  }

 private:
  void Header(TResultReader& reader, std::string_view record, int recordNo) {
    const TStandardHeaderValues fields = ReadRecord(kJeonbukHeader, record);
    std::string bankId, code, account;
    if (!TryFromCp949(*fields.BankID, bankId) || !TryFromCp949(Trim(*fields.Corcode), code) ||
        !TryFromCp949(Trim(*fields.BankNo), account)) {
      reader.HeaderNotReadable(recordNo, record);
      return;
    }
    reader.Header(recordNo, record, bankId, code, TInstitutionCode::BCode);
    const auto& selected = reader.Selected();
    if (!selected) return;
    const int kigwanId = selected->KigwanId;
    if (!creation_.Creating(kigwanId)) {
      if (reader.Store().HasAnyOrder(kigwanId)) return;
      creation_.Begin(*selected, {bankId, HyphenateAccountNo(bankId, account),
                                  HeaderDate(*fields.A_Date), HeaderDate(*fields.To_date)});
    }
    reader.TakeAllRecords();
  }

  void Data(TResultReader& reader, std::string_view record, int recordNo) {
    const TJeonbukDataValues fields = ReadRecord(kJeonbukData, record);
    std::string bankId, account, result, item, jumin;
    if (!TryFromCp949(*fields.BankId, bankId) || !TryFromCp949(Trim(*fields.BankNo), account) ||
        !TryFromCp949(*fields.Result, result) || !TryFromCp949(*fields.LargeitmId, item) ||
        !TryFromCp949(Trim(*fields.Jumin), jumin)) {
      reader.DataNotReadable(recordNo, record);
      return;
    }
    const TMoney amount = TextToMoney(*fields.Monecy);
    const auto& selected = reader.Selected();
    if (selected && creation_.Creating(selected->KigwanId)) {
      if (!reader.CanApply(recordNo, record)) return;
      if (account.empty()) {
        reader.Applied(false, recordNo, record, "계좌번호가 없는 레코드");
        return;
      }
      const std::optional<std::string> refused = creation_.AddRecipient(
          selected->KigwanId,
          {bankId, HyphenateAccountNo(bankId, account), amount, StoredJumin(jumin), item, result});
      reader.Applied(!refused, recordNo, record, refused.value_or(std::string()));
      return;
    }
    TMoney matched = amount;
    const TMoney second = TextToMoney(*fields.Monecy2);
    if (second != amount) matched += second;
    reader.Data(recordNo, record, bankId, account, matched, result, item);
  }

  TResultCreation creation_;
};

}  // namespace

TResultReport RecvTrans_JeonBuk(const std::string& fileName, TDModule& dm) {
  TJeonbukReading reading(dm);
  return ReadResultBlocks(fileName, dm,
                          [&reading](TResultReader& reader, std::string_view record, int recordNo) {
                            reading.Record(reader, record, recordNo);
                          });
}

}  // namespace selvane
