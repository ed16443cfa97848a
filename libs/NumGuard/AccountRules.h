// The numbering rules of the account-number component: one row per bank code with the digit
// counts the bank accepts and the groups each count is printed in. The banks publish no
// check-digit formula, so a number is judged by its digits, its length and, where known, its
// first three digits only.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace selvane::numguard {

// Shapes: blank-separated "N:a-b-c" (N digits printed as groups of a, b and c digits), "N" (N
// digits printed as they are) or "Nv" (N digits are virtual or collection-only accounts, which
// never receive a benefit: refused). Prefixes: "N:lo-hi,p" — numbers of N digits start with a
// three-digit prefix from lo to hi or equal to p.
struct TBankRule {
  std::string_view Code;
  std::string_view Bank;
  std::string_view Shapes;
  std::string_view Prefixes = {};
};

// Groupings marked firm are printed that way on the banks' own statements; the others are the
// best public evidence.
inline constexpr std::array kBankRules{
    TBankRule{"02", "KDB", "11:3-2-6 14:3-8-3"},
    TBankRule{"03", "IBK Industrial", "10:8-2 11:3-8 12:3-2-7 14:3-6-2-3"},  // 14 firm
    TBankRule{"04", "KB Kookmin", "10:3-3-4 11:3-4-4 12:3-2-4-3 14:6-2-6"},  // 14 firm
    TBankRule{"05", "former KEB", "11:3-2-6 12:3-6-3"},
    TBankRule{"06", "former Housing bank", "12:4-2-6 14:6-2-6"},
    TBankRule{"07", "Suhyup", "11:3-2-6 12:3-9 14v"},
    TBankRule{"11", "NongHyup central", "11:3-2-6 12:4-2-6 13:3-4-4-2 14v"},  // 11, 13 firm
    TBankRule{"12", "NongHyup member co-operatives", "13:3-4-4-2 14:6-2-6"},  // firm
    TBankRule{"20", "Woori", "11:3-2-6 12:3-2-7 13:4-3-6 14:3-6-2-3"},        // 13, 14 firm
    TBankRule{"21", "former Chohung", "11:3-2-6"},
    TBankRule{"22", "former Commercial", "11:3-2-6"},
    TBankRule{"23", "SC First", "11:3-2-6 14v"},  // 11 firm
    TBankRule{"24", "former Hanil", "14:3-6-2-3"},
    TBankRule{"26", "former Shinhan", "11:3-2-6 14v"},
    TBankRule{"27", "Citi", "10:2-2-6 11:3-5-3 12:1-7-2-2 13:3-5-3-2"},
    TBankRule{"31", "Daegu", "7 8 9 10 11 12:3-2-7 13:2-11 14:3-2-6-3"},
    TBankRule{"32", "Busan", "12:3-2-7 13:3-4-4-2"},  // 13 firm
    TBankRule{"34", "Gwangju", "12:3-3-6 13:1-3-9"},
    TBankRule{"35", "Jeju", "10:2-2-6 12:3-6-3"},
    TBankRule{"37", "Jeonbuk", "12:3-2-7 13:1-3-2-7"},  // 13 firm
    TBankRule{"39", "Kyongnam", "12:3-2-7 13:3-9-1"},
    TBankRule{"45", "Saemaul", "13:4-2-7"},
    TBankRule{"48", "Shinhyup", "10:3-3-4 11:3-4-4 12:3-3-6 13:5-2-6 14:5-2-7"},
    TBankRule{"71", "Korea Post", "12:3-9 13:6-7 14:6-2-6"},                        // 14 firm
    TBankRule{"81", "Hana", "11:3-2-6 12:3-6-3 14:3-6-5"},                          // 14 firm
    TBankRule{"88", "Shinhan", "11:3-2-6 12:3-3-6 14v", "12:100-161,268,269,298"},  // 12 firm
};

// The longest printed form: the account column holds 20 characters.
inline constexpr std::size_t kMaxText = 20;

struct TShape {
  int Digits = 0;  // 0: no such shape
  bool Refused = false;
  std::string_view Groups;  // empty: printed as digits only
};

// The next piece of text up to separator (skipping leading separators); text keeps the rest.
constexpr std::string_view NextToken(std::string_view& text, char separator) {
  while (!text.empty() && text.front() == separator) text.remove_prefix(1);
  std::size_t end = text.find(separator);
  if (end == std::string_view::npos) end = text.size();
  std::string_view token = text.substr(0, end);
  text.remove_prefix(end);
  return token;
}

// A decimal number of digits only, else -1.
constexpr int ParseCount(std::string_view text) {
  if (text.empty() || text.size() > 4) return -1;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

constexpr TShape ParseShape(std::string_view token) {
  TShape shape;
  std::size_t colon = token.find(':');
  std::string_view count = token.substr(0, colon);
  if (!count.empty() && count.back() == 'v') {
    shape.Refused = true;
    count.remove_suffix(1);
  }
  shape.Digits = ParseCount(count);
  if (colon != std::string_view::npos) shape.Groups = token.substr(colon + 1);
  return shape;
}

constexpr const TBankRule* FindRule(std::string_view code) {
  for (const TBankRule& rule : kBankRules)
    if (rule.Code == code) return &rule;
  return nullptr;
}

// The bank's shape for numbers of that many digits; Digits 0 when it has none.
constexpr TShape FindShape(const TBankRule& rule, int digits) {
  std::string_view rest = rule.Shapes;
  for (std::string_view token = NextToken(rest, ' '); !token.empty();
       token = NextToken(rest, ' ')) {
    TShape shape = ParseShape(token);
    if (shape.Digits == digits) return shape;
  }
  return {};
}

inline std::vector<TShape> Shapes(const TBankRule& rule) {
  std::vector<TShape> shapes;
  std::string_view rest = rule.Shapes;
  for (std::string_view token = NextToken(rest, ' '); !token.empty(); token = NextToken(rest, ' '))
    shapes.push_back(ParseShape(token));
  return shapes;
}

// False when the bank restricts the first three digits of numbers of this length and these do
// not qualify.
constexpr bool PrefixAllowed(const TBankRule& rule, std::string_view digits) {
  std::string_view rest = rule.Prefixes;
  for (std::string_view token = NextToken(rest, ' '); !token.empty();
       token = NextToken(rest, ' ')) {
    std::size_t colon = token.find(':');
    if (ParseCount(token.substr(0, colon)) != static_cast<int>(digits.size())) continue;
    const int prefix = ParseCount(digits.substr(0, 3));
    std::string_view list = token.substr(colon + 1);
    for (std::string_view item = NextToken(list, ','); !item.empty(); item = NextToken(list, ',')) {
      std::string_view low = NextToken(item, '-');
      std::string_view high = item.empty() ? low : NextToken(item, '-');
      if (ParseCount(low) <= prefix && prefix <= ParseCount(high)) return true;
    }
    return false;
  }
  return true;
}

// Every code once; every shape a count of 1 to 20 whose groups add up to it and whose printed
// form fits the column; refused shapes without groups; prefix rules only for accepted shapes.
constexpr bool RulesWellFormed() {
  for (std::size_t i = 0; i < kBankRules.size(); ++i) {
    const TBankRule& rule = kBankRules[i];
    if (rule.Code.size() != 2 || ParseCount(rule.Code) < 0) return false;
    for (std::size_t j = 0; j < i; ++j)
      if (kBankRules[j].Code == rule.Code) return false;
    std::string_view rest = rule.Shapes;
    for (std::string_view token = NextToken(rest, ' '); !token.empty();
         token = NextToken(rest, ' ')) {
      TShape shape = ParseShape(token);
      if (shape.Digits < 1 || shape.Digits > static_cast<int>(kMaxText)) return false;
      if (FindShape(rule, shape.Digits).Groups != shape.Groups) return false;  // counted twice
      if (shape.Refused && !shape.Groups.empty()) return false;
      if (shape.Groups.empty()) continue;
      int sum = 0, groups = 0;
      std::string_view list = shape.Groups;
      for (std::string_view group = NextToken(list, '-'); !group.empty();
           group = NextToken(list, '-')) {
        if (ParseCount(group) < 1) return false;
        sum += ParseCount(group);
        ++groups;
      }
      if (sum != shape.Digits || shape.Digits + groups - 1 > static_cast<int>(kMaxText))
        return false;
    }
    rest = rule.Prefixes;
    for (std::string_view token = NextToken(rest, ' '); !token.empty();
         token = NextToken(rest, ' ')) {
      std::size_t colon = token.find(':');
      if (colon == std::string_view::npos) return false;
      TShape shape = FindShape(rule, ParseCount(token.substr(0, colon)));
      if (shape.Digits == 0 || shape.Refused) return false;
    }
  }
  return true;
}

static_assert(RulesWellFormed(), "a bank rule row is malformed");

}  // namespace selvane::numguard
