// A table object: a cursor over one table of the database in the order of its key, with a row
// filter, an edit buffer (Append / Edit, then Post or Cancel), calculated columns filled by a
// handler, and change notifications. Windows and formats share these objects through TDModule.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Database.h"
#include "core/Filter.h"

namespace selvane {

enum class TFieldType { Integer, Real, Text, Date };
enum class TDataSetState { Inactive, Browse, Edit, Insert };

struct TFieldDef {
  std::string Name;
  TFieldType Type = TFieldType::Text;
  int Size = 0;  // text width in CP949 bytes; 0 for other types
  bool Calculated = false;
};

class TTable;

// A field of the current row; valid while its table is open.
class TField {
 public:
  TField(TTable& table, std::size_t index) : table_(&table), index_(index) {}
  const TFieldDef& Def() const;
  const std::string& Name() const { return Def().Name; }
  int Size() const { return Def().Size; }
  const TValue& Value() const;
  bool IsNull() const { return Value().IsNull(); }
  std::string AsString() const { return Value().AsString(); }
  std::int64_t AsInteger() const { return Value().AsInteger(); }
  double AsFloat() const { return Value().AsFloat(); }
  TMoney AsMoney() const { return Value().AsMoney(); }
  std::optional<TDate> AsDate() const { return Value().AsDate(); }
  // Sets the value in the edit buffer (calculated fields at any time). Text is cut to the
  // field's width in CP949 bytes without splitting a character.
  void Set(const TValue& value);
  void Clear() { Set(TValue()); }

 private:
  TTable* table_;
  std::size_t index_;
};

// The values of one row, stored and calculated, in the order of Fields().
struct TRowData {
  std::int64_t RowId = 0;
  std::vector<TValue> Values;
};

class TTable {
 public:
  TTable(TDatabase& db, std::string tableName, std::vector<std::string> keyFields);

  void Open();
  void Close();
  bool Active() const { return state_ != TDataSetState::Inactive; }
  const std::string& TableName() const { return tableName_; }
  const std::vector<std::string>& KeyFields() const { return keyFields_; }
  const std::vector<TFieldDef>& Fields() const { return fields_; }
  // Declares a calculated column; call before Open.
  void AddCalcField(std::string name, int size);

  // Fills the calculated fields of the current row.
  std::function<void(TTable&)> OnCalcFields;
  // After the current row moved or its values changed.
  std::function<void(TTable&)> OnDataChange;
  // After the state (browse, edit, insert) changed.
  std::function<void(TTable&)> OnStateChange;

  void First();
  void Last();
  void Next();
  void Prior();
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  bool IsEmpty();
  bool HasCurrent() const { return current_.has_value(); }
  int RecordCount();
  // Exact match on the first keyValues.size() key fields, within the filter.
  bool FindKey(const std::vector<TValue>& keyValues);
  // The first row in key order, within the filter, whose fields equal the values.
  bool Locate(const std::vector<std::string>& fields, const std::vector<TValue>& values);
  bool GotoRowId(std::int64_t rowId);
  std::int64_t RowId() const;

  void SetFilter(TFilter filter);
  const TFilter& Filter() const { return filter_; }
  void SetFiltered(bool on);
  bool Filtered() const { return filtered_; }
  // Empty filter, filtering off.
  void ClearFilter();
  // Re-reads the current row (or the next one in key order when it is gone).
  void Refresh();

  TDataSetState State() const { return state_; }
  void Append();
  void Edit();
  // Stores the edit buffer. A key clash throws TKeyViolation and keeps the buffer in editing.
  void Post();
  void Cancel();
  void Delete();

  TField FieldByName(const std::string& name);
  std::optional<std::size_t> FieldIndex(const std::string& name) const;

  // The rows within the filter in key order, for grids; the current row does not move.
  std::vector<std::int64_t> RowIds();
  // One row with its calculated fields; the current row does not move.
  TRowData ReadRow(std::int64_t rowId);

 private:
  friend class TField;
  struct TRow {
    std::int64_t RowId = 0;
    std::vector<TValue> Values;  // stored then calculated, as fields_
  };

  void RequireActive() const;
  std::string WhereFilter(std::vector<TValue>& params) const;
  std::string SelectList() const;
  std::string KeyOrder(bool descending) const;
  std::string KeyTuple() const;
  std::vector<TValue> KeyOf(const TRow& row) const;
  std::optional<TRow> FetchOne(const std::string& extraWhere, const std::vector<TValue>& extra,
                               bool descending);
  std::optional<TRow> FetchByRowId(std::int64_t rowId);
  void SetCurrent(std::optional<TRow> row);
  void Calculate();
  void SetState(TDataSetState state);
  void NotifyDataChange();
  TRow EmptyRow() const;

  TDatabase& db_;
  std::string tableName_;
  std::vector<std::string> keyFields_;
  std::vector<TFieldDef> fields_;
  std::vector<TFieldDef> calcFields_;
  std::size_t storedCount_ = 0;
  TDataSetState state_ = TDataSetState::Inactive;
  TFilter filter_;
  bool filtered_ = false;
  std::optional<TRow> current_;
  std::optional<TRow> saved_;  // the row as it was before Edit or Append
  bool eof_ = true;
  bool bof_ = true;
};

}  // namespace selvane
