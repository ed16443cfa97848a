// The SQLite connection of the program and its prepared statements. SQL is always bound with
// parameters. Writes go into a transaction that opens with the first write and ends with
// Commit, so that CommitAllTables is the one point where changes reach the disk.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/Value.h"

struct sqlite3;
struct sqlite3_stmt;

namespace selvane {

// Any failure of the store; what() is a message for the user.
class TDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A row whose key is already taken.
class TKeyViolation : public TDataError {
 public:
  using TDataError::TDataError;
};

// A prepared statement; reset and cleared on each Bind-Step round. Owned by its database.
class TStatement {
 public:
  TStatement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
  ~TStatement();
  TStatement(const TStatement&) = delete;
  TStatement& operator=(const TStatement&) = delete;

  // Resets the statement and binds the values to ?1, ?2, ...
  TStatement& Bind(const std::vector<TValue>& values);
  TStatement& BindAt(int index, const TValue& value);
  // Binds to a named parameter (":Name"); throws TDataError when there is none.
  TStatement& BindName(const std::string& name, const TValue& value);
  void Reset();
  // True when a row is available.
  bool Step();
  int ColumnCount() const;
  std::string ColumnName(int column) const;
  TValue Column(int column) const;
  int Changes() const;

 private:
  sqlite3* db_;
  sqlite3_stmt* stmt_;
};

class TDatabase {
 public:
  TDatabase() = default;
  ~TDatabase();
  TDatabase(const TDatabase&) = delete;
  TDatabase& operator=(const TDatabase&) = delete;

  // Opens an existing database file; throws TDataError naming the file when it is missing or is
  // not a database of this program.
  void Open(const std::string& fileName);
  // Creates a new database file with the schema (and, when given, the seed rows).
  static void Create(const std::string& fileName, bool withSeed);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  const std::string& FileName() const { return fileName_; }

  // A cached prepared statement for the SQL text.
  TStatement& Prepare(const std::string& sql);
  // Runs statements without parameters (schema, pragmas).
  void ExecScript(const std::string& sql);
  // Runs one statement with parameters and returns the number of changed rows. Opens the write
  // transaction first.
  int Execute(const std::string& sql, const std::vector<TValue>& params = {});

  // The write transaction: opened by the first write, ended by Commit or Rollback.
  void BeginWrite();
  void Commit();
  void Rollback();
  bool InTransaction() const;

  // Turns the last SQLite error into TDataError or TKeyViolation.
  [[noreturn]] void Fail(const std::string& context) const;
  sqlite3* Handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
  std::string fileName_;
  std::unordered_map<std::string, std::unique_ptr<TStatement>> statements_;
};

[[noreturn]] void ThrowSqliteError(sqlite3* db, int code, const std::string& context);

}  // namespace selvane
