// A scratch query: set its SQL, run it with bound parameters, read the result rows. Holds no
// state between uses.
#pragma once

#include <string>
#include <vector>

#include "core/Database.h"

namespace selvane {

class TQuery {
 public:
  explicit TQuery(TDatabase& db) : db_(db) {}

  void Close();
  void SetSql(std::string sql);
  const std::string& Sql() const { return sql_; }
  // Runs a SELECT and keeps its rows, positioned on the first.
  void Open(const std::vector<TValue>& params = {});
  // Runs a statement that changes rows; returns their number.
  int ExecSql(const std::vector<TValue>& params = {});

  bool Eof() const { return position_ >= rows_.size(); }
  void First() { position_ = 0; }
  void Next() {
    if (position_ < rows_.size()) ++position_;
  }
  int RecordCount() const { return static_cast<int>(rows_.size()); }
  // A column of the current row by name (case ignored); null past the end or for no such name.
  TValue FieldByName(const std::string& name) const;
  TValue Field(std::size_t column) const;

 private:
  TDatabase& db_;
  std::string sql_;
  std::vector<std::string> columns_;
  std::vector<std::vector<TValue>> rows_;
  std::size_t position_ = 0;
};

}  // namespace selvane
