#include "core/Database.h"

#include <sqlite3.h>

#include <filesystem>

#include "core/EmbeddedSql.h"

namespace selvane {

void ThrowSqliteError(sqlite3* db, int code, const std::string& context) {
  int extended = db != nullptr ? sqlite3_extended_errcode(db) : code;
  std::string detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code);
  if (extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY)
    throw TKeyViolation("키가 중복됩니다: " + context + " (" + detail + ")");
  if ((code & 0xFF) == SQLITE_BUSY || (code & 0xFF) == SQLITE_LOCKED)
    throw TDataError("데이터베이스가 사용 중입니다. 잠시 후 다시 하십시오: " + context);
  throw TDataError("데이터 처리 오류: " + context + " (" + detail + ")");
}

TStatement::~TStatement() {
  sqlite3_finalize(stmt_);
}

void TStatement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

TStatement& TStatement::BindAt(int index, const TValue& value) {
  int rc = SQLITE_OK;
  if (value.IsNull()) {
    rc = sqlite3_bind_null(stmt_, index);
  } else if (value.IsInteger()) {
    rc = sqlite3_bind_int64(stmt_, index, value.AsInteger());
  } else if (value.IsReal()) {
    rc = sqlite3_bind_double(stmt_, index, value.AsFloat());
  } else {
    std::string text = value.AsString();
    rc = sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                           SQLITE_TRANSIENT);
  }
  if (rc != SQLITE_OK) ThrowSqliteError(db_, rc, sqlite3_sql(stmt_));
  return *this;
}

TStatement& TStatement::Bind(const std::vector<TValue>& values) {
  Reset();
  for (std::size_t i = 0; i < values.size(); ++i) BindAt(static_cast<int>(i + 1), values[i]);
  return *this;
}

TStatement& TStatement::BindName(const std::string& name, const TValue& value) {
  int index = sqlite3_bind_parameter_index(stmt_, (":" + name).c_str());
  if (index == 0) throw TDataError("SQL 매개변수가 없습니다: " + name);
  return BindAt(index, value);
}

bool TStatement::Step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  std::string sql = sqlite3_sql(stmt_);
  sqlite3_reset(stmt_);
  ThrowSqliteError(db_, rc, sql);
}

int TStatement::ColumnCount() const {
  return sqlite3_column_count(stmt_);
}

std::string TStatement::ColumnName(int column) const {
  const char* name = sqlite3_column_name(stmt_, column);
  return name != nullptr ? name : "";
}

TValue TStatement::Column(int column) const {
  switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_INTEGER:
      return TValue(static_cast<std::int64_t>(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT:
      return TValue(sqlite3_column_double(stmt_, column));
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
      const char* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
      return TValue(std::string(text, sqlite3_column_bytes(stmt_, column)));
    }
    default:
      return TValue();
  }
}

int TStatement::Changes() const {
  return sqlite3_changes(db_);
}

TDatabase::~TDatabase() {
  Close();
}

void TDatabase::Open(const std::string& fileName) {
  Close();
  std::error_code ec;
  if (!std::filesystem::is_regular_file(fileName, ec))
    throw TDataError("데이터베이스 파일이 없습니다: " + fileName);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(fileName.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
  if (rc != SQLITE_OK) {
    std::string detail = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    throw TDataError("데이터베이스 파일을 열 수 없습니다: " + fileName + " (" + detail + ")");
  }
  db_ = db;
  fileName_ = fileName;
  sqlite3_busy_timeout(db_, 3000);
  try {
    ExecScript("PRAGMA journal_mode=WAL");
    TStatement& check = Prepare("SELECT count(*) FROM sqlite_master WHERE type = 'table'");
    check.Bind({});
    check.Step();
    check.Reset();
  } catch (const TDataError& error) {
    Close();
    throw TDataError("데이터베이스 파일을 열 수 없습니다: " + fileName + " (" + error.what() + ")");
  }
}

void TDatabase::Create(const std::string& fileName, bool withSeed) {
  std::error_code ec;
  std::filesystem::remove(fileName, ec);
  sqlite3* db = nullptr;
  int rc =
      sqlite3_open_v2(fileName.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close(db);
    throw TDataError("데이터베이스 파일을 만들 수 없습니다: " + fileName);
  }
  std::string script =
      std::string("BEGIN;\n") + kSchemaSql + (withSeed ? kSeedSql : "") + "\nCOMMIT;";
  char* error = nullptr;
  rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
  std::string detail = error != nullptr ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK)
    throw TDataError("데이터베이스 파일을 만들 수 없습니다: " + fileName + " (" + detail + ")");
}

void TDatabase::Close() {
  statements_.clear();
  if (db_ != nullptr) {
    if (!sqlite3_get_autocommit(db_)) sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
    db_ = nullptr;
  }
}

TStatement& TDatabase::Prepare(const std::string& sql) {
  if (db_ == nullptr) throw TDataError("데이터베이스가 열려 있지 않습니다.");
  auto found = statements_.find(sql);
  if (found != statements_.end()) return *found->second;
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
  if (rc != SQLITE_OK) ThrowSqliteError(db_, rc, sql);
  auto& slot = statements_[sql];
  slot = std::make_unique<TStatement>(db_, stmt);
  return *slot;
}

void TDatabase::ExecScript(const std::string& sql) {
  if (db_ == nullptr) throw TDataError("데이터베이스가 열려 있지 않습니다.");
  char* error = nullptr;
  int rc = sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error);
  sqlite3_free(error);
  if (rc != SQLITE_OK) ThrowSqliteError(db_, rc, sql);
}

int TDatabase::Execute(const std::string& sql, const std::vector<TValue>& params) {
  BeginWrite();
  TStatement& stmt = Prepare(sql);
  stmt.Bind(params);
  while (stmt.Step()) {
  }
  int changes = stmt.Changes();
  stmt.Reset();
  return changes;
}

bool TDatabase::InTransaction() const {
  return db_ != nullptr && !sqlite3_get_autocommit(db_);
}

void TDatabase::BeginWrite() {
  if (!InTransaction()) ExecScript("BEGIN IMMEDIATE");
}

void TDatabase::Commit() {
  if (InTransaction()) ExecScript("COMMIT");
}

void TDatabase::Rollback() {
  if (InTransaction()) ExecScript("ROLLBACK");
}

void TDatabase::Fail(const std::string& context) const {
  ThrowSqliteError(db_, sqlite3_errcode(db_), context);
}

}  // namespace selvane
