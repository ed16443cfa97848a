// The data records of the two NongHyup answers, read alike: bank, account, amount and the bank's
// two-character result code, stored as "00" and that code on the first sent recipient whose
// stored account the record's account stands for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "edi/ResultReader.h"

namespace selvane {

// The stored accounts a record's account can stand for, in the order to try.
using TStoredAccountsFn = std::vector<std::string> (*)(const std::string& bankId,
                                                       const std::string& account);

// Central: bank 11 without its widening (the rule's removal, then the other), every account
// hyphenated when it is valid for its bank.
std::vector<std::string> CentralStoredAccounts(const std::string& bankId,
                                               const std::string& account);
// Member: bank 11 without its widening, bank 12 as read (both written with their hyphens), any
// other bank hyphenated when valid.
std::vector<std::string> MemberStoredAccounts(const std::string& bankId,
                                              const std::string& account);

// One data record, its fields as they stand in it.
void ReadNongHyupData(TResultReader& reader, std::string_view record, int recordNo,
                      std::string_view bankField, std::string_view accountField,
                      std::string_view amountField, std::string_view resultField,
                      TStoredAccountsFn storedAccounts);

}  // namespace selvane
