// The checks of a recipient's two numbers. Account numbers are judged and hyphenated by the
// account-number component (NumGuard) through its C interface; the resident registration number
// is checked here with the national check-digit rule.
#pragma once

#include <string>

namespace selvane {

// True when the component accepts the account as a number of that bank. The texts go to the
// component as given: it ignores blanks around the number and hyphens inside it. Text that has
// no CP949 form is no account number (false).
bool NumGuardIsValid(const std::string& bankCode, const std::string& account);

// The account in its bank's printed form: hyphens removed, then hyphenated by the component. The
// same digits always give the same text, typed with hyphens or without, and the text fits the
// 20-character account column. A number the component refuses comes back without its hyphens,
// as does text the component cannot be given.
std::string HyphenateAccountNo(const std::string& bankCode, const std::string& account);

// The check of a resident registration number: 13 digits, with one hyphen after the sixth or
// none; month 1 to 12, day 1 to 31, and the weighted check digit. Any other text (a blank, a
// fourteenth digit, a hyphen elsewhere) is invalid.
bool ResidentNoValid(const std::string& number);

}  // namespace selvane
