#include "transfer/NumberChecks.h"

#include <gtest/gtest.h>

#include <string>

namespace selvane {
namespace {

struct TResidentCase {
  const char* number;
  bool valid;
};

TEST(ResidentNoValid, CheckDigitMonthDayAndShape) {
  const TResidentCase cases[] = {
      {"0001010000000", true},  // weighted sum 12, check digit 0
      {"0001010000001", false},
      {"000101-0000000", true},
      {"000101-0000001", false},
      {"8012012345673", true},
      {"801201-2345673", true},
      {"801201-2345674", false},
      {"9912311234569", true},   // December 31st
      {"0000010000004", false},  // month 00 with its check digit
      {"0013010000007", false},  // month 13
      {"0001000000006", false},  // day 00
      {"0001320000007", false},  // day 32
      {"0012310000005", true},
      {" 001010000000", false},  // a blank is no digit
      {"000101 000000", false},
      {"000101-000000", false},   // 12 digits
      {"00010100000000", false},  // 14 digits, the first 13 valid
      {"000101-00000000", false},
      {"-0001010000000", false},  // a leading hyphen
      {"00010-10000000", false},
      {"000101--0000000", false},
      {"0001010000000-", false},
      {"000101000000", false},
      {"", false},
      {"-------------", false},
      {"00010100000a0", false},
      {"0001O10000000", false},
      {"000101+0000000", false},
      {"000101가000000", false},
      {"00010100000\t0", false},
  };
  for (const auto& c : cases) EXPECT_EQ(ResidentNoValid(c.number), c.valid) << c.number;
}

TEST(HyphenateAccountNo, SameTextTypedWithOrWithoutHyphens) {
  const char* typed[] = {"12345678901", "123-45-678901", "1234-5678901", "12345678901-"};
  for (const char* account : typed) {
    EXPECT_EQ(HyphenateAccountNo("11", account), "123-45-678901") << account;
    EXPECT_TRUE(NumGuardIsValid("11", account)) << account;
  }
  EXPECT_EQ(HyphenateAccountNo("11", "123-4567-8901-23"), "123-4567-8901-23");
  EXPECT_EQ(HyphenateAccountNo("11", "1234567890123"), "123-4567-8901-23");
}

TEST(NumGuardIsValid, TakesTheImportFieldWithItsTrailingBlanks) {
  EXPECT_TRUE(NumGuardIsValid("11", "12345678901         "));
  EXPECT_FALSE(NumGuardIsValid("11", "1234567890          "));
}

TEST(AccountChecks, TextTheComponentCannotTakeIsRefusedNotThrown) {
  // Korean crosses to the component as CP949 and comes back the same.
  EXPECT_FALSE(NumGuardIsValid("11", "123가45"));
  EXPECT_EQ(HyphenateAccountNo("11", "123-가45"), "123가45");
  // No CP949 form.
  EXPECT_FALSE(NumGuardIsValid("11", "1234567890\U0001F600"));
  EXPECT_FALSE(NumGuardIsValid("\U0001F600", "12345678901"));
  EXPECT_EQ(HyphenateAccountNo("11", "123-4567890\U0001F600"), "1234567890\U0001F600");
  // A zero byte would end the component's string after a valid number.
  const std::string hidden = std::string("12345678901") + '\0' + "99";
  EXPECT_FALSE(NumGuardIsValid("11", hidden));
  EXPECT_EQ(HyphenateAccountNo("11", hidden), hidden);
}

}  // namespace
}  // namespace selvane
