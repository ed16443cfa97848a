// Money with thousands separators, as statements and grids show it.
#include "core/Money.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

TEST(MoneyTest, GroupedTextRoundsToWholeWonAndGroupsByThree) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},
      {999, "999"},
      {1000, "1,000"},
      {1234567, "1,234,567"},
      {1234567.5, "1,234,568"},
      {999999.4, "999,999"},
      {-1000, "-1,000"},
      {-0.4, "0"},
      {123456789012, "123,456,789,012"},
  };
  for (const auto& [amount, text] : cases)
    EXPECT_EQ(TMoney::FromDouble(amount)->ToGroupedText(), text) << amount;
}

}  // namespace
}  // namespace selvane
