#include "transfer/DataRefresh.h"

#include <filesystem>
#include <stdexcept>

#include "core/Globals.h"
#include "core/ScratchFolder.h"
#include "core/SqliteFile.h"
#include "core/TextRoutines.h"
#include "core/WaitMsg.h"
#include "transfer/DatabaseSwap.h"

namespace selvane {
namespace {

constexpr const char* kUserTables =
    "SELECT name FROM %s.sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
    "ESCAPE '\\' ORDER BY name";

std::vector<std::string> Tables(TSqliteFile& file, const std::string& schema) {
  std::string sql = kUserTables;
  sql.replace(sql.find("%s"), 2, schema);
  return file.Column(sql);
}

std::vector<std::string> Columns(TSqliteFile& file, const std::string& schema,
                                 const std::string& table) {
  return file.Column("SELECT name FROM pragma_table_info(?1, ?2)", {table, schema});
}

// The columns both tables have, as "new names" and "old names" lists for the SQL.
bool CommonColumns(TSqliteFile& file, const std::string& oldTable, const std::string& newTable,
                   std::string& newList, std::string& oldList) {
  const std::vector<std::string> oldColumns = Columns(file, "main", oldTable);
  for (const std::string& column : Columns(file, "fresh", newTable)) {
    for (const std::string& old : oldColumns) {
      if (!SameText(old, column)) continue;
      newList += ", " + QuoteName(column);
      oldList += ", " + QuoteName(old);
      break;
    }
  }
  return !newList.empty();
}

// Copies every row of the held database into the attached new one, in one transaction.
void CopyRows(TSqliteFile& old, const std::string& freshFile) {
  old.Exec("ATTACH DATABASE ?1 AS fresh", {freshFile});
  try {
    const std::vector<std::string> oldTables = Tables(old, "main");
    const std::vector<std::string> newTables = Tables(old, "fresh");
    ShowWaitProgress("자료 복사중...", 0, static_cast<int>(oldTables.size()), false);
    old.Exec("BEGIN");
    for (const std::string& table : oldTables) {
      for (const std::string& target : newTables) {
        std::string newList;
        std::string oldList;
        if (!SameText(table, target) || !CommonColumns(old, table, target, newList, oldList))
          continue;
        // The row ids go along, so that rows keep their order and identity.
        try {
          old.Exec("INSERT OR REPLACE INTO fresh." + QuoteName(target) + " (rowid" + newList +
                   ") SELECT rowid" + oldList + " FROM main." + QuoteName(table) +
                   " ORDER BY rowid");
        } catch (const std::exception& error) {
          throw std::runtime_error("자료를 복사할 수 없습니다: " + table + " (" + error.what() +
                                   ")");
        }
      }
      StepWaitProgress();
    }
    old.Exec("COMMIT");
  } catch (...) {
    try {
      old.Exec("ROLLBACK");
    } catch (const std::exception&) {
    }
    try {
      old.Exec("DETACH DATABASE fresh");
    } catch (const std::exception&) {
    }
    throw;
  }
  old.Exec("DETACH DATABASE fresh");
}

}  // namespace

bool ReorganizeData() {
  const std::string blank = ExeDir + "BlankDb.bin";
  std::error_code ec;
  if (!std::filesystem::is_regular_file(blank, ec)) {
    ErrorBox("초기 자료 파일이 없습니다: " + blank + "\r\r" + kDataKept);
    return false;
  }
  try {
    ShowWait("자료 재정리를 준비중입니다.");
    RemoveSwapLeftovers();
    TScratchFolder work(DataDir, kSwapFolderPrefix);
    TDatabaseHold old(DatabaseFileName(), true);
    ShowWait("초기 자료를 생성중입니다.");
    const std::string fresh = work.Path() + "norva.db";
    ExtractDatabase(blank, fresh, blank);
    CheckDatabase(fresh);
    if (old.File() != nullptr) CopyRows(*old.File(), fresh);
    ShowWait("자료 재정리를 마무리중입니다.");
    CheckDatabase(fresh);
    PutDatabaseInPlace(fresh, ".before-reset");
    return true;
  } catch (const std::exception& error) {
    ErrorBox(std::string(error.what()) + "\r\r" + kDataKept);
    return false;
  }
}

}  // namespace selvane
