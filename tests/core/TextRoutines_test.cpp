#include "core/TextRoutines.h"

#include <gtest/gtest.h>

#include "core/Cp949.h"

namespace selvane {
namespace {

struct TFitCase {
  const char* text;
  int width;
  bool left;
  bool number;
  const char* expected;
};

TEST(FixedWidthFields, FillAndCut) {
  const TFitCase cases[] = {
      {"ABC", 5, true, false, "ABC  "}, {"ABC", 5, false, false, "  ABC"},
      {"ABC", 2, true, false, "AB"},    {"ABC", 2, false, false, "AB"},
      {"ABC", 3, false, false, "ABC"},  {"42", 5, false, true, "00042"},
      {"42", 5, true, true, "42000"},   {"123456789012", 11, false, true, "12345678901"},
      {"", 3, true, false, "   "},      {"X", 0, true, false, ""},
      {"X", -1, true, true, ""},
  };
  for (const auto& c : cases) {
    std::string result =
        c.number ? FixNumber(c.text, c.width, c.left) : FixText(c.text, c.width, c.left);
    EXPECT_EQ(result, c.expected) << c.text << " width " << c.width;
  }
}

TEST(FixedWidthFields, KoreanNameCutInsideACharacterKeepsTheFirstByte) {
  std::string name = ToCp949("가나다라마");  // 10 bytes
  std::string cut = FixText(name, 9, true);
  ASSERT_EQ(cut.size(), 9u);
  EXPECT_EQ(cut.substr(0, 8), ToCp949("가나다라"));
  EXPECT_EQ(cut[8], name[8]);
  EXPECT_EQ(FromCp949Field(cut), "가나다라");
}

TEST(TextRoutines, DigitsAndCharacters) {
  EXPECT_FALSE(IsAllDigits(""));
  EXPECT_FALSE(IsAllDigits("12a4"));
  EXPECT_TRUE(IsAllDigits("0000"));
  EXPECT_EQ(DigitSum("12-3a"), 6);
  EXPECT_EQ(RemoveChar("123-45-678", '-'), "12345678");
  EXPECT_EQ(Spaces(3), "   ");
  EXPECT_EQ(Zeros(0), "");
  EXPECT_EQ(Zeros(-2), "");
  EXPECT_EQ(WithBackslash("/tmp/send "), "/tmp/send/");
  EXPECT_EQ(WithBackslash("/tmp/send/"), "/tmp/send/");
  EXPECT_EQ(WithBackslash("   "), "");
}

struct TDateCase {
  const char* text;
  bool fourDigits;
  TDate expected;
};

TEST(TextRoutines, TextToDate) {
  const TDateCase cases[] = {
      {"20050229", true, {1990, 1, 1}},   {"050301", false, {2005, 3, 1}},
      {"910301", false, {1991, 3, 1}},    {"900301", false, {2090, 3, 1}},
      {"20051231", true, {2005, 12, 31}}, {"00000000", true, {1990, 1, 1}},
      {"000000", false, {1990, 1, 1}},    {"2005", true, {1990, 1, 1}},
      {"20051301", true, {1990, 1, 1}},   {"2005 301", true, {1990, 1, 1}},
      {"", true, {1990, 1, 1}},           {"99999999999", true, {1990, 1, 1}},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToDate(c.text, c.fourDigits), c.expected) << c.text;
}

TEST(TextRoutines, TextToMoney) {
  EXPECT_EQ(TextToMoney("  150  "), TMoney::FromWon(150));
  EXPECT_EQ(TextToMoney("15,000"), TMoney());
  EXPECT_EQ(TextToMoney(""), TMoney());
  EXPECT_EQ(TextToMoney("-3"), TMoney::FromWon(-3));
  EXPECT_EQ(TextToMoney("1.5e3"), TMoney::FromWon(1500));
  EXPECT_EQ(TextToMoney("12.3456"), TMoney::FromUnits(123456));
  EXPECT_EQ(TextToMoney("0x10"), TMoney());
  EXPECT_EQ(TextToMoney("nan"), TMoney());
  EXPECT_EQ(TMoney::FromUnits(125000).ToText(), "12.5");
  EXPECT_EQ(TMoney::FromWon(-7).ToText(), "-7");
}

TEST(Money, SumsOfManyAmountsAreExact) {
  TMoney total;
  for (int i = 0; i < 1000; ++i) total += TextToMoney("0.1");
  EXPECT_EQ(total, TMoney::FromWon(100));
}

}  // namespace
}  // namespace selvane
