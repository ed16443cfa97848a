#include "core/Table.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>

#include "core/Cp949.h"
#include "core/TextRoutines.h"

namespace selvane {
namespace {

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

TFieldDef ParseColumn(const std::string& name, std::string type) {
  std::transform(type.begin(), type.end(), type.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  TFieldDef def;
  def.Name = name;
  if (type.rfind("INT", 0) == 0 || type.rfind("SMALLINT", 0) == 0) {
    def.Type = TFieldType::Integer;
  } else if (type.rfind("REAL", 0) == 0 || type.rfind("MONEY", 0) == 0) {
    def.Type = TFieldType::Real;
  } else if (type.rfind("DATE", 0) == 0) {
    def.Type = TFieldType::Date;
  } else {
    def.Type = TFieldType::Text;
    auto open = type.find('(');
    if (open != std::string::npos) def.Size = std::atoi(type.c_str() + open + 1);
  }
  return def;
}

TValue Coerce(const TFieldDef& def, const TValue& value) {
  if (value.IsNull()) return value;
  switch (def.Type) {
    case TFieldType::Integer:
      return TValue(value.AsInteger());
    case TFieldType::Real:
      return TValue(value.AsFloat());
    case TFieldType::Date:
      return TValue(value.AsString());
    case TFieldType::Text: {
      std::string text = value.AsString();
      if (def.Size > 0) text = CutToCp949Width(text, static_cast<std::size_t>(def.Size));
      return TValue(std::move(text));
    }
  }
  return value;
}

}  // namespace

const TFieldDef& TField::Def() const {
  return table_->fields_[index_];
}

const TValue& TField::Value() const {
  static const TValue kNull;
  if (!table_->current_) return kNull;
  return table_->current_->Values[index_];
}

void TField::Set(const TValue& value) {
  const TFieldDef& def = Def();
  if (!def.Calculated && table_->state_ != TDataSetState::Edit &&
      table_->state_ != TDataSetState::Insert)
    throw TDataError("편집 상태가 아닙니다: " + table_->tableName_ + "." + def.Name);
  if (!table_->current_) throw TDataError("현재 행이 없습니다: " + table_->tableName_);
  table_->current_->Values[index_] = Coerce(def, value);
}

TTable::TTable(TDatabase& db, std::string tableName, std::vector<std::string> keyFields)
    : db_(db), tableName_(std::move(tableName)), keyFields_(std::move(keyFields)) {}

void TTable::AddCalcField(std::string name, int size) {
  TFieldDef def;
  def.Name = std::move(name);
  def.Type = TFieldType::Text;
  def.Size = size;
  def.Calculated = true;
  calcFields_.push_back(def);
}

void TTable::Open() {
  if (Active()) return;
  fields_.clear();
  TStatement& info = db_.Prepare("SELECT name, type FROM pragma_table_info(?1)");
  info.Bind({TValue(tableName_)});
  while (info.Step())
    fields_.push_back(ParseColumn(info.Column(0).AsString(), info.Column(1).AsString()));
  info.Reset();
  if (fields_.empty()) throw TDataError("테이블이 없습니다: " + tableName_);
  for (auto& key : keyFields_) {
    auto index = FieldIndex(key);
    if (!index) throw TDataError("키 필드가 없습니다: " + tableName_ + "." + key);
    key = fields_[*index].Name;
  }
  storedCount_ = fields_.size();
  fields_.insert(fields_.end(), calcFields_.begin(), calcFields_.end());
  state_ = TDataSetState::Browse;
  First();
}

void TTable::Close() {
  current_.reset();
  saved_.reset();
  eof_ = bof_ = true;
  state_ = TDataSetState::Inactive;
}

void TTable::RequireActive() const {
  if (!Active()) throw TDataError("테이블이 열려 있지 않습니다: " + tableName_);
}

std::optional<std::size_t> TTable::FieldIndex(const std::string& name) const {
  for (std::size_t i = 0; i < fields_.size(); ++i)
    if (SameText(fields_[i].Name, name)) return i;
  return std::nullopt;
}

TField TTable::FieldByName(const std::string& name) {
  auto index = FieldIndex(name);
  if (!index) throw TDataError("필드가 없습니다: " + tableName_ + "." + name);
  return TField(*this, *index);
}

std::string TTable::SelectList() const {
  std::string list = "rowid";
  for (std::size_t i = 0; i < storedCount_; ++i) list += ", " + Quoted(fields_[i].Name);
  return list;
}

std::string TTable::KeyOrder(bool descending) const {
  std::string order;
  for (const auto& key : keyFields_) {
    if (!order.empty()) order += ", ";
    order += Quoted(key) + (descending ? " DESC" : "");
  }
  if (order.empty()) order = descending ? "rowid DESC" : "rowid";
  return order;
}

std::string TTable::KeyTuple() const {
  if (keyFields_.empty()) return "(rowid)";
  std::string tuple = "(";
  for (std::size_t i = 0; i < keyFields_.size(); ++i)
    tuple += (i ? ", " : "") + Quoted(keyFields_[i]);
  return tuple + ")";
}

std::vector<TValue> TTable::KeyOf(const TRow& row) const {
  std::vector<TValue> key;
  if (keyFields_.empty()) key.push_back(TValue(row.RowId));
  for (const auto& field : keyFields_) key.push_back(row.Values[*FieldIndex(field)]);
  return key;
}

std::string TTable::WhereFilter(std::vector<TValue>& params) const {
  std::string where;
  if (!filtered_) return where;
  for (const auto& condition : filter_.Conditions()) {
    auto index = FieldIndex(condition.Field);
    if (!index || *index >= storedCount_)
      throw TDataError("필터 필드가 없습니다: " + tableName_ + "." + condition.Field);
    if (!where.empty()) where += " AND ";
    params.push_back(condition.Value);
    where +=
        Quoted(fields_[*index].Name) + " " + condition.Op + " ?" + std::to_string(params.size());
  }
  return where;
}

std::optional<TTable::TRow> TTable::FetchOne(const std::string& extraWhere,
                                             const std::vector<TValue>& extra, bool descending) {
  std::vector<TValue> params;
  std::string where = WhereFilter(params);
  std::string extraSql = extraWhere;
  // Renumber the extra placeholders after the filter's.
  for (std::size_t i = extra.size(); i >= 1; --i) {
    std::string from = "?" + std::to_string(i) + "x";
    std::string to = "?" + std::to_string(params.size() + i);
    for (auto pos = extraSql.find(from); pos != std::string::npos; pos = extraSql.find(from))
      extraSql.replace(pos, from.size(), to);
  }
  params.insert(params.end(), extra.begin(), extra.end());
  if (!extraSql.empty()) where = where.empty() ? extraSql : "(" + where + ") AND " + extraSql;
  std::string sql = "SELECT " + SelectList() + " FROM " + Quoted(tableName_) +
                    (where.empty() ? "" : " WHERE " + where) + " ORDER BY " + KeyOrder(descending) +
                    " LIMIT 1";
  TStatement& stmt = db_.Prepare(sql);
  stmt.Bind(params);
  std::optional<TRow> row;
  if (stmt.Step()) {
    row = TRow{};
    row->RowId = stmt.Column(0).AsInteger();
    row->Values.reserve(fields_.size());
    for (std::size_t i = 0; i < storedCount_; ++i)
      row->Values.push_back(stmt.Column(static_cast<int>(i + 1)));
    row->Values.resize(fields_.size());
  }
  stmt.Reset();
  return row;
}

std::optional<TTable::TRow> TTable::FetchByRowId(std::int64_t rowId) {
  bool wasFiltered = filtered_;
  filtered_ = false;
  auto row = FetchOne("rowid = ?1x", {TValue(rowId)}, false);
  filtered_ = wasFiltered;
  return row;
}

namespace {
// Placeholders of a key comparison, numbered ?1x, ?2x, ... for FetchOne to renumber.
std::string Placeholders(std::size_t count) {
  std::string list = "(";
  for (std::size_t i = 1; i <= count; ++i) list += (i > 1 ? ", ?" : "?") + std::to_string(i) + "x";
  return list + ")";
}
}  // namespace

void TTable::Calculate() {
  if (!current_ || !OnCalcFields || calcFields_.empty()) return;
  OnCalcFields(*this);
}

void TTable::NotifyDataChange() {
  if (OnDataChange) OnDataChange(*this);
}

void TTable::SetState(TDataSetState state) {
  if (state_ == state) return;
  state_ = state;
  if (OnStateChange) OnStateChange(*this);
}

void TTable::SetCurrent(std::optional<TRow> row) {
  current_ = std::move(row);
  Calculate();
  NotifyDataChange();
}

void TTable::First() {
  RequireActive();
  if (state_ != TDataSetState::Browse) Cancel();
  auto row = FetchOne("", {}, false);
  bof_ = true;
  eof_ = !row;
  SetCurrent(std::move(row));
}

void TTable::Last() {
  RequireActive();
  if (state_ != TDataSetState::Browse) Cancel();
  auto row = FetchOne("", {}, true);
  eof_ = true;
  bof_ = !row;
  SetCurrent(std::move(row));
}

void TTable::Next() {
  RequireActive();
  if (state_ != TDataSetState::Browse) Post();
  if (!current_) {
    eof_ = true;
    return;
  }
  auto key = KeyOf(*current_);
  auto row = FetchOne(KeyTuple() + " > " + Placeholders(key.size()), key, false);
  bof_ = false;
  if (!row) {
    eof_ = true;
    return;
  }
  eof_ = false;
  SetCurrent(std::move(row));
}

void TTable::Prior() {
  RequireActive();
  if (state_ != TDataSetState::Browse) Post();
  if (!current_) {
    bof_ = true;
    return;
  }
  auto key = KeyOf(*current_);
  auto row = FetchOne(KeyTuple() + " < " + Placeholders(key.size()), key, true);
  eof_ = false;
  if (!row) {
    bof_ = true;
    return;
  }
  bof_ = false;
  SetCurrent(std::move(row));
}

bool TTable::IsEmpty() {
  RequireActive();
  return !FetchOne("", {}, false).has_value();
}

int TTable::RecordCount() {
  RequireActive();
  std::vector<TValue> params;
  std::string where = WhereFilter(params);
  TStatement& stmt = db_.Prepare("SELECT count(*) FROM " + Quoted(tableName_) +
                                 (where.empty() ? "" : " WHERE " + where));
  stmt.Bind(params);
  stmt.Step();
  int count = static_cast<int>(stmt.Column(0).AsInteger());
  stmt.Reset();
  return count;
}

bool TTable::Locate(const std::vector<std::string>& fields, const std::vector<TValue>& values) {
  RequireActive();
  if (state_ != TDataSetState::Browse) Post();
  std::string where;
  for (std::size_t i = 0; i < fields.size() && i < values.size(); ++i) {
    auto index = FieldIndex(fields[i]);
    if (!index || *index >= storedCount_)
      throw TDataError("필드가 없습니다: " + tableName_ + "." + fields[i]);
    if (!where.empty()) where += " AND ";
    where += Quoted(fields_[*index].Name) + " = ?" + std::to_string(i + 1) + "x";
  }
  std::vector<TValue> params(values.begin(),
                             values.begin() + std::min(fields.size(), values.size()));
  auto row = FetchOne(where, params, false);
  if (!row) return false;
  eof_ = bof_ = false;
  SetCurrent(std::move(row));
  return true;
}

bool TTable::FindKey(const std::vector<TValue>& keyValues) {
  std::vector<std::string> fields(
      keyFields_.begin(), keyFields_.begin() + std::min(keyFields_.size(), keyValues.size()));
  return Locate(fields, keyValues);
}

bool TTable::GotoRowId(std::int64_t rowId) {
  RequireActive();
  if (state_ != TDataSetState::Browse) Post();
  auto row = FetchByRowId(rowId);
  if (!row) return false;
  eof_ = bof_ = false;
  SetCurrent(std::move(row));
  return true;
}

std::int64_t TTable::RowId() const {
  return current_ ? current_->RowId : 0;
}

void TTable::SetFilter(TFilter filter) {
  filter_ = std::move(filter);
}

void TTable::SetFiltered(bool on) {
  filtered_ = on;
}

void TTable::ClearFilter() {
  filter_ = TFilter();
  filtered_ = false;
}

void TTable::Refresh() {
  RequireActive();
  if (state_ != TDataSetState::Browse) Cancel();
  if (current_) {
    auto key = KeyOf(*current_);
    auto row = FetchByRowId(current_->RowId);
    if (!row) row = FetchOne(KeyTuple() + " >= " + Placeholders(key.size()), key, false);
    if (!row) row = FetchOne("", {}, true);
    eof_ = bof_ = !row;
    SetCurrent(std::move(row));
  } else {
    First();
  }
}

TTable::TRow TTable::EmptyRow() const {
  TRow row;
  row.Values.resize(fields_.size());
  return row;
}

void TTable::Append() {
  RequireActive();
  if (state_ != TDataSetState::Browse) Post();
  saved_ = current_;
  current_ = EmptyRow();
  SetState(TDataSetState::Insert);
  NotifyDataChange();
}

void TTable::Edit() {
  RequireActive();
  if (state_ == TDataSetState::Edit || state_ == TDataSetState::Insert) return;
  if (!current_) throw TDataError("편집할 행이 없습니다: " + tableName_);
  saved_ = current_;
  SetState(TDataSetState::Edit);
}

void TTable::Post() {
  RequireActive();
  if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert) return;
  std::vector<TValue> values(current_->Values.begin(), current_->Values.begin() + storedCount_);
  db_.BeginWrite();
  if (state_ == TDataSetState::Insert) {
    std::string columns, marks;
    for (std::size_t i = 0; i < storedCount_; ++i) {
      columns += (i ? ", " : "") + Quoted(fields_[i].Name);
      marks += (i ? ", ?" : "?") + std::to_string(i + 1);
    }
    TStatement& stmt = db_.Prepare("INSERT INTO " + Quoted(tableName_) + " (" + columns +
                                   ") VALUES (" + marks + ")");
    stmt.Bind(values);
    stmt.Step();
    stmt.Reset();
    current_->RowId = sqlite3_last_insert_rowid(db_.Handle());
  } else {
    std::string sets;
    for (std::size_t i = 0; i < storedCount_; ++i)
      sets += (i ? ", " : "") + Quoted(fields_[i].Name) + " = ?" + std::to_string(i + 1);
    values.push_back(TValue(current_->RowId));
    TStatement& stmt = db_.Prepare("UPDATE " + Quoted(tableName_) + " SET " + sets +
                                   " WHERE rowid = ?" + std::to_string(values.size()));
    stmt.Bind(values);
    stmt.Step();
    stmt.Reset();
  }
  saved_.reset();
  eof_ = bof_ = false;
  SetState(TDataSetState::Browse);
  Calculate();
  NotifyDataChange();
}

void TTable::Cancel() {
  if (state_ != TDataSetState::Edit && state_ != TDataSetState::Insert) return;
  current_ = saved_;
  saved_.reset();
  SetState(TDataSetState::Browse);
  Calculate();
  NotifyDataChange();
}

void TTable::Delete() {
  RequireActive();
  if (state_ == TDataSetState::Insert) {
    Cancel();
    return;
  }
  if (state_ == TDataSetState::Edit) Cancel();
  if (!current_) throw TDataError("삭제할 행이 없습니다: " + tableName_);
  auto key = KeyOf(*current_);
  db_.BeginWrite();
  TStatement& stmt = db_.Prepare("DELETE FROM " + Quoted(tableName_) + " WHERE rowid = ?1");
  stmt.Bind({TValue(current_->RowId)});
  stmt.Step();
  stmt.Reset();
  auto row = FetchOne(KeyTuple() + " > " + Placeholders(key.size()), key, false);
  if (!row) row = FetchOne(KeyTuple() + " < " + Placeholders(key.size()), key, true);
  eof_ = bof_ = !row;
  SetCurrent(std::move(row));
}

std::vector<std::int64_t> TTable::RowIds() {
  RequireActive();
  std::vector<TValue> params;
  std::string where = WhereFilter(params);
  TStatement& stmt =
      db_.Prepare("SELECT rowid FROM " + Quoted(tableName_) +
                  (where.empty() ? "" : " WHERE " + where) + " ORDER BY " + KeyOrder(false));
  stmt.Bind(params);
  std::vector<std::int64_t> ids;
  while (stmt.Step()) ids.push_back(stmt.Column(0).AsInteger());
  stmt.Reset();
  return ids;
}

TRowData TTable::ReadRow(std::int64_t rowId) {
  RequireActive();
  auto row = FetchByRowId(rowId);
  TRowData data;
  if (!row) return data;
  auto keep = std::move(current_);
  current_ = std::move(row);
  Calculate();
  data.RowId = current_->RowId;
  data.Values = current_->Values;
  current_ = std::move(keep);
  return data;
}

}  // namespace selvane
