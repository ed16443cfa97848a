#include "support/ProgramFixture.h"

#include "core/ProgramFolderSetup.h"
#include "core/TransferState.h"

namespace selvane::test {

void TProgramFixture::SetUp() {
  PrepareProgramFolder(folder_.Path());
  SetProgramHome(folder_.Path());
  LoadWorkingFolders();
  dm_.OpenDatabase();
}

void TProgramFixture::TearDown() {
  dm_.CloseDatabase();
  SetProgramHome("");
}

void TProgramFixture::AddInstitution(int id, const std::string& name, const std::string& bank) {
  TTable& t = dm_.TB_Kigwan;
  t.Append();
  t.FieldByName("KigwanID").Set(id);
  t.FieldByName("KiGwanName").Set(name);
  t.FieldByName("BankID").Set(bank);
  t.Post();
}

void TProgramFixture::AddDong(const std::string& id, const std::string& name) {
  dm_.TB_Manager.Append();
  dm_.TB_Manager.FieldByName("DongID").Set(id);
  dm_.TB_Manager.FieldByName("DongNm").Set(name);
  dm_.TB_Manager.Post();
}

void TProgramFixture::AddItem(const std::string& id, const std::string& name) {
  dm_.TB_LargeItm.Append();
  dm_.TB_LargeItm.FieldByName("LargeItmId").Set(id);
  dm_.TB_LargeItm.FieldByName("LargeItmNm").Set(name);
  dm_.TB_LargeItm.Post();
}

void TProgramFixture::AddOrder(int kigwan, const std::string& dong, const std::string& item,
                               const std::string& bank) {
  TTable& t = dm_.TB_Trans;
  t.Append();
  t.FieldByName("KigwanId").Set(kigwan);
  t.FieldByName("DongID").Set(dong);
  t.FieldByName("LargeItmID").Set(item);
  t.FieldByName("BankID").Set(bank);
  t.FieldByName("State").Set(static_cast<int>(Waiting));
  t.Post();
  CurrentOrderKey = TOrderKey{kigwan, dong, item};
}

std::vector<std::string> TProgramFixture::RecipientAccounts() {
  std::vector<std::string> accounts;
  TStatement& s = dm_.Database.Prepare(
      "SELECT BankId, BankNo FROM TBTransSub ORDER BY KigwanId, DongId, LargeitmId, BankId, "
      "BankNo");
  s.Bind({});
  while (s.Step()) accounts.push_back(s.Column(0).AsString() + " " + s.Column(1).AsString());
  s.Reset();
  return accounts;
}

}  // namespace selvane::test
