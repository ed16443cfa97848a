// The data module: the one database connection of the program, a table object per table and
// the two scratch queries. Created once at start and used by every window and format.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/Database.h"
#include "core/Query.h"
#include "core/Table.h"

namespace selvane {

class TDModule {
 public:
  TDModule();
  ~TDModule();
  TDModule(const TDModule&) = delete;
  TDModule& operator=(const TDModule&) = delete;

  // Opens Data/norva.db of the program folder (or the named file) and every table. Throws
  // TDataError naming the file when it is missing or not a database of the program.
  void OpenDatabase();
  void OpenDatabase(const std::string& fileName);
  // Writes what is pending to disk, then closes every table and the connection.
  void CloseDatabase();
  // Clears every table's handlers and filter and refreshes it; false when a step failed.
  bool RefreshAllTables();
  // Moves every order and recipient in Waiting to Sent, both tables in one transaction.
  bool MarkWaitingAsSent();
  // Moves the given orders and recipients (row ids), where still Waiting, to Sent, in one
  // transaction.
  bool MarkWaitingAsSent(const std::vector<std::int64_t>& orderRows,
                         const std::vector<std::int64_t>& recipientRows);
  // Writes every pending change to disk.
  void CommitAllTables();

  TDatabase Database;
  TTable TB_Manager;
  TTable TB_LargeItm;
  TTable TB_Bank;
  TTable TB_Kigwan;
  TQuery QryCount;
  TTable TB_Trans;
  TQuery Qry1;
  TTable TB_ResultCd;
  TTable TB_TransSub;
  TTable TB_Cath;

  std::vector<TTable*> Tables();

 private:
  bool SetSentState(const std::string& tableName);
  void InstallCalcHandlers();
  void TB_KigwanCalcFields(TTable& table);
  void TB_TransCalcFields(TTable& table);
  void TB_TransSubCalcFields(TTable& table);
};

// The data module of the running program; set while one exists.
extern TDModule* DModule;

}  // namespace selvane
