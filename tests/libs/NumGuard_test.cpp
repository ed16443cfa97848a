// The account-number component through its C interface.
#include <NumGuard.h>

#include <gtest/gtest.h>

#include <AccountRules.h>
#include <array>
#include <string>

#include "core/Cp949.h"

namespace selvane {
namespace {

std::string CallHyphenate(const char* bank, const std::string& account) {
  std::array<char, 256> area;
  area.fill('#');
  area[0] = '\0';
  Hyphenate(bank, account.c_str(), area.data());
  return area.data();
}

// The first n digits of 1234567890123...: starts with 123, a prefix every bank takes.
std::string SampleDigits(int n) {
  std::string digits;
  for (int i = 0; i < n; ++i) digits += static_cast<char>('0' + (i + 1) % 10);
  return digits;
}

struct TAccountCase {
  const char* bank;
  const char* account;
  bool valid;
  const char* text;
};

TEST(NumGuard, JudgesAndPrintsByTheBanksRules) {
  const TAccountCase cases[] = {
      {"11", "12345678901", true, "123-45-678901"},
      {"11", "1234567890123", true, "123-4567-8901-23"},
      {"11", "123-45-678901", true, "123-45-678901"},
      {"11", "1-2-3-4-5678901", true, "123-45-678901"},
      {"11", "12345678901         ", true, "123-45-678901"},  // the import's 20-byte field
      {"11", " \t12345678901\r\n", true, "123-45-678901"},
      {"11", "1234567890", false, "1234567890"},          // no 10-digit numbers
      {"11", "12345678901234", false, "12345678901234"},  // virtual accounts
      {"11", "1234567890a", false, "1234567890a"},
      {"11", "12345 678901", false, "12345 678901"},
      {"11", "", false, ""},
      {"11", "---", false, ""},
      {"12", "1234567890123", true, "123-4567-8901-23"},
      {"04", "12345678901234", true, "123456-78-901234"},
      {"20", "1234567890123", true, "1234-567-890123"},
      {"31", "123456789", true, "123456789"},  // Daegu 7 to 11 digits are printed as they are
      {"31", "123456", false, "123456"},
      {"88", "100123456789", true, "100-123-456789"},
      {"88", "161123456789", true, "161-123-456789"},
      {"88", "269123456789", true, "269-123-456789"},
      {"88", "298123456789", true, "298-123-456789"},
      {"88", "099123456789", false, "099123456789"},
      {"88", "162123456789", false, "162123456789"},
      {"88", "270123456789", false, "270123456789"},
      {"88", "12345678901", true, "123-45-678901"},  // no prefix rule for 11 digits
      {"99", "12-34-5", true, "12345"},  // a bank without rules: digits only, unhyphenated
      {"99", "12345678901234567890", true, "12345678901234567890"},
      {"99", "123456789012345678901", false, "12345678901234567890"},  // cut to the column
      {"99", "", false, ""},
      {"1", "12345678901", true, "12345678901"},
      {" 11 ", "12345678901", true, "123-45-678901"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.bank) + " [" + c.account + "]");
    EXPECT_EQ(NumGuardIsValid(c.bank, c.account), c.valid ? 1 : 0);
    EXPECT_EQ(CallHyphenate(c.bank, c.account), c.text);
  }
}

TEST(NumGuard, EveryBankOfTheTableHasRules) {
  // The codes of the banks' account-layout table. A bank without rules would take any length.
  const char* codes[] = {"02", "03", "04", "05", "06", "07", "11", "12", "20",
                         "21", "22", "23", "24", "26", "27", "31", "32", "34",
                         "35", "37", "39", "45", "48", "71", "81", "88"};
  ASSERT_EQ(NumGuardIsValid("99", "123456789012345"), 1);
  for (const char* code : codes) {
    SCOPED_TRACE(code);
    EXPECT_NE(numguard::FindRule(code), nullptr);
    EXPECT_EQ(NumGuardIsValid(code, "123456789012345"), 0);
    EXPECT_EQ(NumGuardIsValid(code, "123456"), 0);
  }
}

// The three properties the callers rely on, for every bank of the table and every length up to
// one past the column. Which numbers a bank takes is the component's own answer here: the
// literal table above is the only oracle of the rules.
TEST(NumGuard, EveryBankKeepsTheThreeProperties) {
  for (const numguard::TBankRule& rule : numguard::kBankRules) {
    const std::string bank(rule.Code);
    for (int length = 1; length <= 21; ++length) {
      const std::string digits = SampleDigits(length);
      SCOPED_TRACE(bank + " " + digits);
      const std::string text = CallHyphenate(bank.c_str(), digits);
      EXPECT_EQ(CallHyphenate(bank.c_str(), digits), text);
      EXPECT_EQ(CallHyphenate(bank.c_str(), text), text);
      EXPECT_EQ(CallHyphenate(bank.c_str(), "-" + digits.substr(0, 1) + "-" + digits.substr(1)),
                text);
      EXPECT_EQ(CallHyphenate(bank.c_str(), "  " + digits + "  "), text);
      EXPECT_LE(text.size(), 20u);
      const int valid = NumGuardIsValid(bank.c_str(), digits.c_str());
      EXPECT_EQ(NumGuardIsValid(bank.c_str(), text.c_str()), valid) << text;
      if (valid) {
        std::string kept;
        for (char c : text)
          if (c != '-') kept += c;
        EXPECT_EQ(kept, digits) << "only hyphens are added";
      } else {
        EXPECT_EQ(text, digits.substr(0, 20)) << "a refused number is printed as its digits";
      }
    }
  }
}

TEST(NumGuard, RefusedTextIsCutToTheColumnWithoutSplittingACharacter) {
  const std::string even = ToCp949("가나다라마바사아자차카");  // 22 bytes
  EXPECT_EQ(CallHyphenate("11", even), even.substr(0, 20));
  const std::string odd = "1" + even;  // a two-byte character would straddle byte 20
  EXPECT_EQ(CallHyphenate("11", odd), odd.substr(0, 19));
  EXPECT_EQ(CallHyphenate("11", CallHyphenate("11", odd)), odd.substr(0, 19));
}

TEST(NumGuard, NullArgumentsAreNoNumber) {
  EXPECT_EQ(NumGuardIsValid(nullptr, "12345678901"), 1);  // no bank: no rules
  EXPECT_EQ(NumGuardIsValid("11", nullptr), 0);
  EXPECT_EQ(CallHyphenate("11", ""), "");
  Hyphenate("11", "12345678901", nullptr);  // nowhere to write: nothing happens
  std::array<char, 256> area{};
  area[0] = 'x';
  Hyphenate(nullptr, nullptr, area.data());
  EXPECT_STREQ(area.data(), "");
}

}  // namespace
}  // namespace selvane
