// The recipient search: a walk over a table of recipients from its first row, by bank and
// account number or by resident number, and the bank choices the search offers.
#pragma once

#include <string>
#include <vector>

#include "core/Table.h"

namespace selvane {

inline constexpr const char* kNothingMoreFound = "더 이상 찾을 수 없습니다.";

struct TRecipientSearch {
  bool ByResidentNo = false;
  // Bank page: BankChosen when a bank other than the blank entry is chosen; rows of other banks
  // are skipped. An empty account stops at the first row not skipped.
  bool BankChosen = false;
  std::string BankCode;
  std::string Account;
  // Resident page: compared with the row's trimmed Jumin as typed; empty stops at the first row.
  std::string ResidentNo;
};

// Walks the table (within its filter) from the first row and leaves it on the first row that
// matches. The table's change notification is held back during the walk and given once at the
// end. False, with "더 이상 찾을 수 없습니다.", when the walk reached the end.
bool SearchRecipient(TTable& recipients, const TRecipientSearch& search);

// The bank list of the search: one blank entry, then every bank name once, in table order.
std::vector<std::string> SearchBankNames(TTable& banks);

// The code of the first bank row with that name; empty for the blank entry or an unknown name.
std::string SearchBankCode(TTable& banks, const std::string& bankName);

}  // namespace selvane
