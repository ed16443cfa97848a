#include "reference/KigwanRules.h"

#include "core/TextRoutines.h"
#include "core/WaitMsg.h"
#include "reference/CodeTableEditor.h"
#include "transfer/NumberChecks.h"

namespace selvane {

int NewKigwanId(TQuery& query) {
  query.Close();
  query.SetSql(kNewKigwanIdSql);
  query.Open();
  int id = static_cast<int>(query.Field(0).AsInteger()) + 1;
  query.Close();
  return id;
}

std::string UpperAsciiLetters(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

bool IsSafeFileStem(std::string_view name) {
  if (name.empty()) return false;
  for (char c : name) {
    bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '-' || c == '_';
    if (!ok) return false;
  }
  return true;
}

namespace {

struct TFileNameField {
  const char* Column;
  const char* WrongLength;
  const char* WrongCharacters;
};

const TFileNameField kFileNameFields[] = {
    {"SendName", "송신파일명을 정확하게 입력하여 주세요",
     "송신파일명은 영문자, 숫자, '-', '_'로만 입력하여 주세요"},
    {"RecvName", "수신파일명을 정확하게 입력하여 주세요",
     "수신파일명은 영문자, 숫자, '-', '_'로만 입력하여 주세요"},
};

}  // namespace

bool CheckKigwanRow(TTable& kigwan, const std::function<void(const std::string&)>& focus) {
  auto refuse = [&](const char* column, const char* message) {
    focus(column);
    InfoBox(message);
    return false;
  };
  std::string bank = kigwan.FieldByName("BankID").AsString();
  if (bank == "88")
    return refuse("BankID",
                  "모계좌를 입력시 (구)조흥은행 또는 (구)신한은행을 입력해 주십시오!    ");
  if (Trim(kigwan.FieldByName("KiGwanName").AsString()).empty())
    return refuse("KiGwanName", "기관명을 입력하여 주세요");
  if (Trim(bank).empty()) return refuse("BankID", "은행코드를 확인하여 주세요");
  std::string account = RemoveChar(kigwan.FieldByName("BankNo").AsString(), '-');
  if (account.empty()) return refuse("BankNo", "계좌를 입력하여주세요");
  if (CharCount(Trim(kigwan.FieldByName("BCode").AsString())) != 7)
    return refuse("BCode", "은행ID를 정확하게 입력하여 주세요");
  for (const TFileNameField& field : kFileNameFields) {
    std::string name = kigwan.FieldByName(field.Column).AsString();
    if (CharCount(Trim(name)) != 5) return refuse(field.Column, field.WrongLength);
    // The stored name, blanks included, becomes the file name.
    if (!IsSafeFileStem(name)) return refuse(field.Column, field.WrongCharacters);
  }
  if (NumGuardIsValid(bank, account)) {
    kigwan.FieldByName("BankNo").Set(HyphenateAccountNo(bank, account));
    return true;
  }
  focus("BankNo");
  return ConfirmBox("계좌가 적절하지 않습니다.\r\r 계속하시겠습니까?", false);
}

}  // namespace selvane
