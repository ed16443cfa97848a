#include "reference/RecipientSearch.h"

#include <algorithm>

#include "core/TextRoutines.h"
#include "core/WaitMsg.h"

namespace selvane {
namespace {

bool Matches(TTable& row, const TRecipientSearch& search) {
  if (search.ByResidentNo) {
    if (search.ResidentNo.empty()) return true;
    return Trim(row.FieldByName("Jumin").AsString()) == search.ResidentNo;
  }
  if (search.BankChosen && row.FieldByName("BankId").AsString() != search.BankCode) return false;
  if (search.Account.empty()) return true;
  return RemoveChar(Trim(row.FieldByName("BankNo").AsString()), '-') ==
         RemoveChar(search.Account, '-');
}

// Holds a table's change notification back while it lives, then gives it once.
class TFrozenDisplay {
 public:
  explicit TFrozenDisplay(TTable& table) : table_(table), handler_(table.OnDataChange) {
    table_.OnDataChange = nullptr;
  }
  ~TFrozenDisplay() {
    table_.OnDataChange = handler_;
    if (handler_) handler_(table_);
  }
  TFrozenDisplay(const TFrozenDisplay&) = delete;
  TFrozenDisplay& operator=(const TFrozenDisplay&) = delete;

 private:
  TTable& table_;
  std::function<void(TTable&)> handler_;
};

}  // namespace

bool SearchRecipient(TTable& recipients, const TRecipientSearch& search) {
  bool found = false;
  {
    TFrozenDisplay frozen(recipients);
    for (recipients.First(); !recipients.Eof(); recipients.Next()) {
      if (Matches(recipients, search)) {
        found = true;
        break;
      }
    }
  }
  if (!found) InfoBox(kNothingMoreFound);
  return found;
}

std::vector<std::string> SearchBankNames(TTable& banks) {
  std::vector<std::string> names{" "};
  for (std::int64_t id : banks.RowIds()) {
    TRowData row = banks.ReadRow(id);
    std::string name = row.Values[*banks.FieldIndex("BankNM")].AsString();
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

std::string SearchBankCode(TTable& banks, const std::string& bankName) {
  if (Trim(bankName).empty()) return "";
  for (std::int64_t id : banks.RowIds()) {
    TRowData row = banks.ReadRow(id);
    if (row.Values[*banks.FieldIndex("BankNM")].AsString() == bankName)
      return row.Values[*banks.FieldIndex("BankID")].AsString();
  }
  return "";
}

}  // namespace selvane
