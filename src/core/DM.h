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
  // transaction; a failure is shown with its reason.
  bool MarkWaitingAsSent(const std::vector<std::int64_t>& orderRows,
                         const std::vector<std::int64_t>& recipientRows);
  // Commits what is pending, opens the write transaction and moves the given rows from Waiting
  // to Sent in it, without committing: the caller commits once the files are handed over, or
  // rolls back. Throws TDataError with the reason, the transaction rolled back, when the
  // transaction cannot be opened, a row cannot be updated or a row is no longer Waiting.
  void BeginMarkSent(const std::vector<std::int64_t>& orderRows,
                     const std::vector<std::int64_t>& recipientRows);
  // Writes every pending change to disk. Throws TDataError with the reason when the commit
  // fails; the pending changes are then rolled back and the tables refreshed.
  void CommitAllTables();
  // Drops every pending change and refreshes the tables; never throws.
  void RollbackAllTables();

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
