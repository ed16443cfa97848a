#include "formats/ResultBlocks.h"

#include <fstream>

#include "core/Cp949.h"
#include "core/TextRoutines.h"

namespace selvane {
namespace {

constexpr std::size_t kRecordWidth = 78;
constexpr std::size_t kBlockWidth = 80;

}  // namespace

bool DecodeField(std::string_view cp949, std::string& utf8) {
  return TryFromCp949(cp949, utf8);
}

void HeaderOf(TResultReader& reader, std::string_view record, int recordNo, std::string_view bankId,
              std::string_view code, TInstitutionCode which) {
  std::string bank, institution;
  if (!DecodeField(bankId, bank) || !DecodeField(Trim(code), institution)) {
    reader.Select(std::nullopt, recordNo, record, "CP949로 읽을 수 없는 기관 정보");
    return;
  }
  reader.Header(recordNo, record, bank, institution, which);
}

bool DecodeDataFields(TResultReader& reader, std::string_view record, int recordNo,
                      std::string_view bankId, std::string_view account, std::string_view result,
                      TDataFields& fields) {
  if (DecodeField(bankId, fields.BankId) && DecodeField(Trim(account), fields.Account) &&
      DecodeField(result, fields.Result))
    return true;
  if (reader.CanApply(recordNo, record))
    reader.Applied(false, recordNo, record, "CP949로 읽을 수 없는 계좌 정보");
  return false;
}

std::optional<int> FieldWholeNumber(std::string_view field) {
  std::string text = Trim(field);
  if (text.empty() || !IsAllDigits(text) || text.size() > 9) return std::nullopt;
  return std::stoi(text);
}

int FieldInteger(std::string_view field) {
  return FieldWholeNumber(field).value_or(0);
}

TResultReport ReadResultBlocks(const std::string& fileName, TDModule& dm,
                               const TResultRecordFn& onRecord) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return {};
  TResultReader reader(fileName, dm);
  std::string block(kBlockWidth, '\0');
  for (int recordNo = 1;; ++recordNo) {
    file.read(block.data(), kBlockWidth);
    const auto got = static_cast<std::size_t>(file.gcount());
    if (got == 0) break;
    // A last record that lacks only its line end is whole.
    if (got < kRecordWidth) {
      reader.SkipTail(recordNo, std::string_view(block).substr(0, got),
                      "78바이트가 안 되는 끝부분");
      break;
    }
    onRecord(reader, std::string_view(block).substr(0, kRecordWidth), recordNo);
    if (got < block.size()) break;
  }
  return reader.Finish();
}

TResultReport ReadResultBlocks(const std::string& fileName, TDModule& dm,
                               const TResultRecordKinds& kinds) {
  return ReadResultBlocks(fileName, dm,
                          [&](TResultReader& reader, std::string_view record, int recordNo) {
                            switch (record[0]) {
                              case 'S':
                                kinds.Header(reader, record, recordNo);
                                break;
                              case 'D':
                                kinds.Data(reader, record, recordNo);
                                break;
                              case 'E':
                                kinds.End(reader, record, recordNo);
                                break;
                              default:
                                reader.Skip(recordNo, record, "알 수 없는 레코드 종류");
                            }
                          });
}

}  // namespace selvane
