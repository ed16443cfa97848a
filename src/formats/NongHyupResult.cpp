#include "formats/NongHyupResult.h"

#include "core/BankCodes.h"
#include "core/TextRoutines.h"
#include "formats/NongHyupAccounts.h"

namespace selvane {

std::vector<std::string> CentralStoredAccounts(const std::string& bankId,
                                               const std::string& account) {
  std::vector<std::string> accounts;
  if (IsNongHyupCentral(bankId)) {
    for (const std::string& own : CentralWideningRemoved(account))
      accounts.push_back(TResultStore::StoredAccountNo(bankId, own));
  } else {
    accounts.push_back(TResultStore::StoredAccountNo(bankId, account));
  }
  return accounts;
}

std::vector<std::string> MemberStoredAccounts(const std::string& bankId,
                                              const std::string& account) {
  if (IsNongHyupCentral(bankId)) {
    const auto own = MemberWideningRemoved(account);
    return {own.begin(), own.end()};
  }
  if (IsNongHyupMember(bankId)) return {account};
  return {TResultStore::StoredAccountNo(bankId, account)};
}

void ReadNongHyupData(TResultReader& reader, std::string_view record, int recordNo,
                      std::string_view bankField, std::string_view accountField,
                      std::string_view amountField, std::string_view resultField,
                      TStoredAccountsFn storedAccounts) {
  std::string bankId, account, result;
  if (!reader.DataFields(recordNo, record, bankField, accountField, resultField, bankId, account,
                         result))
    return;
  reader.DataOfAccounts(recordNo, record, bankId, storedAccounts(bankId, account),
                        TextToMoney(amountField), "00" + result);
}

}  // namespace selvane
