#include "core/SqliteFile.h"

#include <sqlite3.h>

#include <memory>

namespace selvane {

TSqliteFile::TSqliteFile(const std::string& fileName, TMode mode, int busyMs)
    : fileName_(fileName) {
  int flags = mode == ReadOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
  int rc = sqlite3_open_v2(fileName.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string detail = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close(db_);
    db_ = nullptr;
    lastError_ = rc;
    throw TDataError("데이터베이스 파일을 열 수 없습니다: " + fileName + " (" + detail + ")");
  }
  sqlite3_busy_timeout(db_, busyMs);
  // A file from outside (a backup) must not run functions of its own schema.
  sqlite3_exec(db_, "PRAGMA trusted_schema=OFF", nullptr, nullptr, nullptr);
}

TSqliteFile::~TSqliteFile() {
  if (db_ != nullptr && !sqlite3_get_autocommit(db_))
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close(db_);
}

std::vector<std::string> TSqliteFile::Column(const std::string& sql,
                                             const std::vector<std::string>& params) {
  sqlite3_stmt* raw = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &raw, nullptr);
  std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, &sqlite3_finalize);
  sqlite3_stmt* stmt = statement.get();
  std::vector<std::string> rows;
  for (std::size_t i = 0; rc == SQLITE_OK && i < params.size(); ++i)
    rc = sqlite3_bind_text(stmt, static_cast<int>(i + 1), params[i].data(),
                           static_cast<int>(params[i].size()), SQLITE_TRANSIENT);
  while (rc == SQLITE_OK || rc == SQLITE_ROW) {
    rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(stmt, 0);
      rows.emplace_back(text != nullptr ? reinterpret_cast<const char*>(text) : "",
                        static_cast<std::size_t>(sqlite3_column_bytes(stmt, 0)));
    }
  }
  if (rc != SQLITE_DONE) {
    lastError_ = rc;
    lastMessage_ = sqlite3_errmsg(db_);
    ThrowSqliteError(db_, rc, sql + " (" + fileName_ + ")");
  }
  return rows;
}

void TSqliteFile::Script(const std::string& sql) {
  char* error = nullptr;
  int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
  std::string detail = error != nullptr ? error : "";
  sqlite3_free(error);
  if (rc != SQLITE_OK) {
    lastError_ = rc;
    lastMessage_ = detail;
    ThrowSqliteError(db_, rc, detail + " (" + fileName_ + ")");
  }
}

std::string QuoteName(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace selvane
