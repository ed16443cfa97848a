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
  try {
    CommitAllTables();
  } catch (const TDataError& error) {
    WarningBox(error.what());
  }
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

void TDModule::BeginMarkSent(const std::vector<std::int64_t>& orderRows,
                             const std::vector<std::int64_t>& recipientRows) {
  CommitAllTables();
  try {
    Database.BeginWrite();
    std::size_t changed = 0;
    for (auto row : orderRows)
      changed += static_cast<std::size_t>(Database.Execute(
          "UPDATE TBTrans SET State = 2 WHERE rowid = ?1 AND State = 1", {TValue(row)}));
    for (auto row : recipientRows)
      changed += static_cast<std::size_t>(Database.Execute(
          "UPDATE TBTransSub SET State = 2 WHERE rowid = ?1 AND State = 1", {TValue(row)}));
    if (changed != orderRows.size() + recipientRows.size())
      throw TDataError("송신 파일을 만든 뒤 이체 자료가 바뀌었습니다. 다시 송신하십시오.");
  } catch (const TDataError&) {
    RollbackAllTables();
    throw;
  }
}

bool TDModule::MarkWaitingAsSent(const std::vector<std::int64_t>& orderRows,
                                 const std::vector<std::int64_t>& recipientRows) {
  bool ok = false;
  try {
    BeginMarkSent(orderRows, recipientRows);
    CommitAllTables();
    ok = true;
  } catch (const TDataError& error) {
    WarningBox(std::string("송신상태를 기록할 수 없습니다. ") + error.what());
  }
  RefreshAllTables();
  return ok;
}

void TDModule::CommitAllTables() {
  try {
    Database.Commit();
  } catch (const TDataError& error) {
    // What the commit could not store is not kept pending: a later commit must not store it
    // behind the back of the operation that was told it failed.
    RollbackAllTables();
    throw TDataError(std::string("변경한 자료를 저장하지 못했습니다: ") + error.what());
  }
}

void TDModule::RollbackAllTables() {
  try {
    Database.Rollback();
  } catch (const std::exception&) {
  }
  for (TTable* table : Tables()) {
    try {
      if (table->Active()) table->Refresh();
    } catch (const std::exception&) {
    }
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
