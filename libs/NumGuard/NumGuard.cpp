// The two exports of the account-number component over the rules of AccountRules.h.
#include "NumGuard.h"

#include <cstring>
#include <string>
#include <string_view>

#include "AccountRules.h"

namespace selvane::numguard {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return text;
}

// The number as the rules see it: no blanks around it, no hyphens inside.
std::string Normalized(const char* account) {
  std::string result;
  if (account == nullptr) return result;
  for (char c : TrimBlanks(account))
    if (c != '-') result += c;
  return result;
}

std::string_view BankCode(const char* bank) {
  return bank == nullptr ? std::string_view() : TrimBlanks(bank);
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// The shape the bank accepts the number in; Digits 0 when refused. A bank without rules takes any
// number of digits that fits the column, printed as it is.
TShape AcceptedShape(std::string_view bank, std::string_view digits) {
  if (!AllDigits(digits) || digits.size() > kMaxText) return {};
  const TBankRule* rule = FindRule(bank);
  if (rule == nullptr) return TShape{static_cast<int>(digits.size()), false, {}};
  TShape shape = FindShape(*rule, static_cast<int>(digits.size()));
  if (shape.Refused || !PrefixAllowed(*rule, digits)) return {};
  return shape;
}

std::string Grouped(std::string_view digits, std::string_view groups) {
  std::string result;
  std::size_t pos = 0;
  for (std::string_view group = NextToken(groups, '-'); !group.empty();
       group = NextToken(groups, '-')) {
    if (!result.empty()) result += '-';
    const std::size_t width = static_cast<std::size_t>(ParseCount(group));
    result.append(digits.substr(pos, width));
    pos += width;
  }
  return result;
}

// At most kMaxText bytes without splitting a two-byte CP949 character.
std::string_view CutToColumn(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    const std::size_t width = (c >= 0x81 && c <= 0xFE && pos + 1 < text.size()) ? 2 : 1;
    if (pos + width > kMaxText) break;
    pos += width;
  }
  return text.substr(0, pos);
}

}  // namespace
}  // namespace selvane::numguard

using namespace selvane::numguard;

extern "C" int NumGuardIsValid(const char* bank, const char* account) {
  return AcceptedShape(BankCode(bank), Normalized(account)).Digits != 0 ? 1 : 0;
}

extern "C" void Hyphenate(const char* bank, const char* account, char* out) {
  if (out == nullptr) return;
  const std::string number = Normalized(account);
  const TShape shape = AcceptedShape(BankCode(bank), number);
  const std::string text = shape.Digits != 0 && !shape.Groups.empty()
                               ? Grouped(number, shape.Groups)
                               : std::string(CutToColumn(number));
  std::memcpy(out, text.c_str(), text.size() + 1);
}
