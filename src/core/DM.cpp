#include "core/DM.h"

#include "core/Globals.h"
#include "core/TextRoutines.h"
#include "core/TransferState.h"
#include "core/WaitMsg.h"

namespace selvane {

TDModule* DModule = nullptr;

TDModule::TDModule()
    : TB_Manager(Database, "TBManager", {"DongID"}),
      TB_LargeItm(Database, "TBLargeItem", {"LargeItmId"}),
      TB_Bank(Database, "TBBank", {"BankID"}),
      TB_Kigwan(Database, "KiGwan", {"KigwanID", "KiGwanName"}),
      QryCount(Database),
      TB_Trans(Database, "TBTrans", {"KigwanId", "DongID", "LargeItmID"}),
      Qry1(Database),
      TB_ResultCd(Database, "TBResultCd", {"BankID", "ResultCd"}),
      TB_TransSub(Database, "TBTransSub", {"KigwanId", "DongId", "LargeitmId", "BankId", "BankNo"}),
      TB_Cath(Database, "TBCath", {"Name"}) {
  TB_Kigwan.AddCalcField("BankName", 20);
  TB_Trans.AddCalcField("KiName", 16);
  TB_Trans.AddCalcField("DoName", 16);
  TB_Trans.AddCalcField("LaName", 16);
  TB_Trans.AddCalcField("StateName", 10);
  TB_TransSub.AddCalcField("BankName", 20);
  TB_TransSub.AddCalcField("ResultName", 20);
  TB_TransSub.AddCalcField("StateName", 20);
  InstallCalcHandlers();
  if (DModule == nullptr) DModule = this;
}

TDModule::~TDModule() {
  CloseDatabase();
  if (DModule == this) DModule = nullptr;
}

std::vector<TTable*> TDModule::Tables() {
  return {&TB_Manager, &TB_LargeItm, &TB_Bank,     &TB_Kigwan,
          &TB_Trans,   &TB_ResultCd, &TB_TransSub, &TB_Cath};
}

void TDModule::InstallCalcHandlers() {
  TB_Kigwan.OnCalcFields = [this](TTable& t) { TB_KigwanCalcFields(t); };
  TB_Trans.OnCalcFields = [this](TTable& t) { TB_TransCalcFields(t); };
  TB_TransSub.OnCalcFields = [this](TTable& t) { TB_TransSubCalcFields(t); };
}

void TDModule::OpenDatabase() {
  OpenDatabase(DatabaseFileName());
}

void TDModule::OpenDatabase(const std::string& fileName) {
  CloseDatabase();
  Database.Open(fileName);
  try {
    for (TTable* table : Tables()) table->Open();
  } catch (const TDataError& error) {
    CloseDatabase();
    throw TDataError(std::string(error.what()) + " (" + fileName + ")");
  }
}

void TDModule::CloseDatabase() {
  // A posted row is stored, as it would be in a table file: what is still pending goes to disk.
  CommitAllTables();
  for (TTable* table : Tables()) table->Close();
  QryCount.Close();
  Qry1.Close();
  Database.Close();
}

bool TDModule::RefreshAllTables() {
  bool ok = true;
  for (TTable* table : Tables()) {
    try {
      table->OnDataChange = nullptr;
      table->OnStateChange = nullptr;
      table->ClearFilter();
      if (table->Active()) table->Refresh();
    } catch (const std::exception&) {
      ok = false;
    }
  }
  return ok;
}

bool TDModule::SetSentState(const std::string& tableName) {
  try {
    QryCount.Close();
    QryCount.SetSql("UPDATE " + tableName + "\nSET State = 2\nWHERE State = 1");
    QryCount.ExecSql();
    return true;
  } catch (const std::exception&) {
    WarningBox("송신상태를 기록할 수 없습니다.");
    return false;
  }
}

bool TDModule::MarkWaitingAsSent() {
  bool ok = false;
  try {
    Database.Commit();
    Database.BeginWrite();
    ok = SetSentState("TBTrans") && SetSentState("TBTranSSub");
    if (ok) {
      Database.Commit();
    } else {
      Database.Rollback();
    }
  } catch (const std::exception&) {
    try {
      Database.Rollback();
    } catch (const std::exception&) {
    }
    WarningBox("송신상태를 기록할 수 없습니다.");
    ok = false;
  }
  RefreshAllTables();
  return ok;
}

bool TDModule::MarkWaitingAsSent(const std::vector<std::int64_t>& orderRows,
                                 const std::vector<std::int64_t>& recipientRows) {
  bool ok = false;
  try {
    Database.Commit();
    Database.BeginWrite();
    for (auto row : orderRows)
      Database.Execute("UPDATE TBTrans SET State = 2 WHERE rowid = ?1 AND State = 1",
                       {TValue(row)});
    for (auto row : recipientRows)
      Database.Execute("UPDATE TBTransSub SET State = 2 WHERE rowid = ?1 AND State = 1",
                       {TValue(row)});
    Database.Commit();
    ok = true;
  } catch (const std::exception&) {
    try {
      Database.Rollback();
    } catch (const std::exception&) {
    }
    WarningBox("송신상태를 기록할 수 없습니다.");
  }
  RefreshAllTables();
  return ok;
}

void TDModule::CommitAllTables() {
  try {
    Database.Commit();
  } catch (const std::exception&) {
    // Nothing to report here: a failed commit leaves the changes pending for the next one.
  }
}

void TDModule::TB_KigwanCalcFields(TTable& table) {
  std::string name;
  if (TB_Bank.Active() && TB_Bank.FindKey({table.FieldByName("BankID").Value()}))
    name = TB_Bank.FieldByName("BankNM").AsString();
  table.FieldByName("BankName").Set(name);
}

void TDModule::TB_TransCalcFields(TTable& table) {
  auto lookup = [](TTable& source, const TValue& key, const char* nameField) {
    if (source.Active() && source.FindKey({key})) return source.FieldByName(nameField).AsString();
    return std::string();
  };
  table.FieldByName("KiName").Set(
      lookup(TB_Kigwan, table.FieldByName("KigwanId").Value(), "KiGwanName"));
  table.FieldByName("DoName").Set(
      lookup(TB_Manager, table.FieldByName("DongID").Value(), "DongNm"));
  table.FieldByName("LaName").Set(
      lookup(TB_LargeItm, table.FieldByName("LargeItmID").Value(), "LargeItmNm"));
  table.FieldByName("StateName").Set(StateName(table.FieldByName("State").AsInteger()));
}

void TDModule::TB_TransSubCalcFields(TTable& table) {
  std::string bankName;
  if (TB_Bank.Active() && TB_Bank.FindKey({table.FieldByName("BankId").Value()}))
    bankName = TB_Bank.FieldByName("BankNM").AsString();
  table.FieldByName("BankName").Set(bankName);

  std::string resultName;
  std::string result = table.FieldByName("Result").AsString();
  if (!result.empty() && TB_ResultCd.Active() && TB_Kigwan.Active()) {
    // The bank half of the key is the bank of the institution current in TB_Kigwan.
    std::string bank = Trim(TB_Kigwan.FieldByName("BankID").AsString());
    if (TB_ResultCd.FindKey({TValue(bank), TValue(Trim(result))}))
      resultName = TB_ResultCd.FieldByName("Result_NM").AsString();
  }
  table.FieldByName("ResultName").Set(resultName);
  table.FieldByName("StateName").Set(StateName(table.FieldByName("State").AsInteger()));
}

}  // namespace selvane
