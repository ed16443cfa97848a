#include "core/Query.h"

#include <strings.h>

namespace selvane {

void TQuery::Close() {
  columns_.clear();
  rows_.clear();
  position_ = 0;
}

void TQuery::SetSql(std::string sql) {
  Close();
  sql_ = std::move(sql);
}

void TQuery::Open(const std::vector<TValue>& params) {
  Close();
  TStatement& stmt = db_.Prepare(sql_);
  stmt.Bind(params);
  for (int i = 0; i < stmt.ColumnCount(); ++i) columns_.push_back(stmt.ColumnName(i));
  try {
    while (stmt.Step()) {
      std::vector<TValue> row;
      for (int i = 0; i < stmt.ColumnCount(); ++i) row.push_back(stmt.Column(i));
      rows_.push_back(std::move(row));
    }
  } catch (...) {
    stmt.Reset();
    throw;
  }
  stmt.Reset();
}

int TQuery::ExecSql(const std::vector<TValue>& params) {
  Close();
  return db_.Execute(sql_, params);
}

TValue TQuery::Field(std::size_t column) const {
  if (Eof() || column >= rows_[position_].size()) return TValue();
  return rows_[position_][column];
}

TValue TQuery::FieldByName(const std::string& name) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (strcasecmp(columns_[i].c_str(), name.c_str()) == 0) return Field(i);
  return TValue();
}

}  // namespace selvane
