#include "support/TransferFolder.h"

#include <gtest/gtest.h>

#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"

namespace selvane::test {

TBatchOrder SampleOrder() {
  TBatchOrder o;
  o.KigwanName = "종로구청";
  o.Corcode = "CORP01";
  o.BankID = "04";
  o.BankNo = "123-45-6789";
  o.LocalBank = "001234";
  o.SendName = "SND01";
  o.Bcode = "BK04";
  o.A_Date = {2026, 12, 9};
  o.To_date = {2026, 12, 11};
  return o;
}

std::vector<std::string> SplitCrLf(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    std::size_t end = bytes.find("\r\n", pos);
    if (end == std::string::npos) {
      ADD_FAILURE() << "last line without CR LF: " << bytes.substr(pos);
      break;
    }
    std::string line = bytes.substr(pos, end - pos);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break in " << line;
    lines.push_back(std::move(line));
    pos = end + 2;
  }
  return lines;
}

TSendFolder::TSendFolder() : savedSendDir_(SendDir) {
  SendDir = folder_.Path();
  EdiLoginId = "OFFICE01";
}

TSendFolder::~TSendFolder() {
  SendDir = savedSendDir_;
  EdiLoginId.clear();
}

std::string TSendFolder::ReadFile(const std::string& name) const {
  return TTempFolder::ReadFile(folder_.Path() + name);
}

TTransferFolder::TTransferFolder() {
  PrepareProgramFolder(folder_.Path());
  SetProgramHome(folder_.Path());
  LoadWorkingFolders();
  EdiLoginId = "OFFICE01";
  Dm.OpenDatabase();
}

TTransferFolder::~TTransferFolder() {
  Dm.CloseDatabase();
  SetProgramHome("");
  EdiLoginId.clear();
}

void TTransferFolder::AddInstitution(const TInstitutionRow& r) {
  Dm.Database.Execute(
      "INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, "
      "RecvName, BCode) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
      {r.Id, r.Name, r.BankId, r.BankNo, r.LocalBank, r.Corcode, r.SendName, r.RecvName, r.Bcode});
  Dm.Database.Commit();
}

std::int64_t TTransferFolder::AddOrder(const TOrderRow& r) {
  Dm.Database.Execute(
      "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, "
      "BankNo, BankID, A_Date, To_date, State, KigwanName, LocalBank) "
      "SELECT KigwanID, ?2, ?3, BCode, CorCode, SendName, RecvName, BankNo, BankID, ?4, ?5, ?6, "
      "KiGwanName, LocalBank FROM KiGwan WHERE KigwanID = ?1",
      {r.KigwanId, r.DongId, r.ItemId, r.A_Date, r.To_date, r.State});
  Dm.Database.Commit();
  return LastRowId("TBTrans");
}

std::int64_t TTransferFolder::LastRowId(const std::string& table) {
  TStatement& last = Dm.Database.Prepare("SELECT max(rowid) FROM " + table);
  last.Bind({});
  last.Step();
  std::int64_t row = last.Column(0).AsInteger();
  last.Reset();
  return row;
}

std::int64_t TTransferFolder::AddRecipient(const TRecipientRow& r) {
  Dm.Database.Execute(
      "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, Name, "
      "State, JaGubun) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, '홍길동', ?8, ?9)",
      {r.KigwanId, r.DongId, r.ItemId, r.BankId, r.BankNo, r.Jumin, TMoney::FromWon(r.Won), r.State,
       r.JaGubun ? TValue(*r.JaGubun) : TValue()});
  Dm.Database.Commit();
  return LastRowId("TBTransSub");
}

std::vector<std::string> TTransferFolder::Column(const std::string& table,
                                                 const std::string& column) {
  TStatement& select =
      Dm.Database.Prepare("SELECT " + column + " FROM " + table + " ORDER BY rowid");
  select.Bind({});
  std::vector<std::string> values;
  while (select.Step()) values.push_back(select.Column(0).AsString());
  select.Reset();
  return values;
}

std::string TTransferFolder::SendFile(const std::string& name) const {
  return TTempFolder::ReadFile(SendDir + name);
}

std::string TTransferFolder::WriteRecvFile(const std::string& name,
                                           const std::string& bytes) const {
  return folder_.WriteFile("Recv/" + name, bytes);
}

}  // namespace selvane::test
