#include "formats/NongHyupAccounts.h"

#include "core/BankCodes.h"
#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "formats/Send_Standard.h"

namespace selvane {
namespace {

bool HasThirteenCharacters(const std::string& bankNo) {
  return Trim(bankNo).size() == 13;
}

std::string Without(std::string_view account, std::size_t count) {
  return std::string(account.substr(std::min(count, account.size())));
}

// marker: the 1-based position whose "0" tells the longer widening from the shorter one.
std::array<std::string, 2> WideningRemoved(std::string_view account, std::size_t marker,
                                           std::size_t longer) {
  const bool isLonger = account.size() >= marker && account[marker - 1] == '0';
  const std::size_t first = isLonger ? longer : longer - 1;
  const std::size_t other = isLonger ? longer - 1 : longer;
  return {Without(account, first), Without(account, other)};
}

}  // namespace

std::string CentralFormatAccount(const std::string& bankId, const std::string& bankNo) {
  if (!IsNongHyupCentral(bankId)) return DigitsOf(bankNo);
  return (HasThirteenCharacters(bankNo) ? "000" : "00") + DigitsOf(bankNo);
}

std::string MemberFormatAccount(const std::string& bankId, const std::string& bankNo) {
  if (IsNongHyupCentral(bankId))
    return (HasThirteenCharacters(bankNo) ? "00" : "0") + ToCp949(bankNo);
  if (IsNongHyupMember(bankId)) return ToCp949(bankNo);
  return DigitsOf(bankNo);
}

std::array<std::string, 2> CentralWideningRemoved(std::string_view account) {
  return WideningRemoved(account, 3, 3);
}

std::array<std::string, 2> MemberWideningRemoved(std::string_view account) {
  return WideningRemoved(account, 2, 2);
}

}  // namespace selvane
