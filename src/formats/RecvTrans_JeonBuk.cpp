#include "formats/RecvTrans_JeonBuk.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "edi/ResultCreation.h"
#include "formats/JeonbukLayout.h"
#include "formats/ResultBlocks.h"
#include "transfer/NumberChecks.h"

namespace selvane {
namespace {

bool Decode(std::string_view cp949, std::string& utf8) {
  return TryFromCp949(cp949, utf8);
}

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
    const TJeonbukHeaderValues fields = ReadRecord(kJeonbukHeader, record);
    std::string bankId, code, account;
    if (!Decode(*fields.BankID, bankId) || !Decode(Trim(*fields.Corcode), code) ||
        !Decode(Trim(*fields.BankNo), account)) {
      reader.Select(std::nullopt, recordNo, record, "CP949로 읽을 수 없는 기관 정보");
      return;
    }
    reader.Header(recordNo, record, bankId, code, TInstitutionKey::BCode);
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
    if (!Decode(*fields.BankId, bankId) || !Decode(Trim(*fields.BankNo), account) ||
        !Decode(*fields.Result, result) || !Decode(*fields.LargeitmId, item) ||
        !Decode(Trim(*fields.Jumin), jumin)) {
      if (reader.CanApply(recordNo, record))
        reader.Applied(false, recordNo, record, "CP949로 읽을 수 없는 계좌 정보");
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
