// Accounts in the two NongHyup formats. An account at the central bank (11) is widened with
// leading zeros in both, by a rule on its stored length; reading an answer takes the zeros off
// again. The widening cannot be undone from the account alone when the account's own first digit
// is 0, so the reader is given both removals, the format's rule first.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace selvane {

// The account of a central-format data record (CP949): for bank 11 "000" and the digits when the
// stored account, blanks trimmed, has 13 characters, else "00" and the digits; for any other bank
// the digits.
std::string CentralFormatAccount(const std::string& bankId, const std::string& bankNo);

// The account of a member-format data record (CP949): for bank 11 "00" and the account as stored
// when it has 13 characters (blanks trimmed), else "0" and the account as stored; for bank 12
// the account as stored; for any other bank the digits.
std::string MemberFormatAccount(const std::string& bankId, const std::string& bankNo);

// The account of a bank-11 answer record without its widening, in the order to try: the
// format's rule first (central: a "0" as third character drops three, else two; member: a "0" as
// second character drops two, else one), then the other removal.
std::array<std::string, 2> CentralWideningRemoved(std::string_view account);
std::array<std::string, 2> MemberWideningRemoved(std::string_view account);

}  // namespace selvane
