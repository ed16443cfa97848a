#include "transfer/FundCategory.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

TEST(FundCategory, StoredNumberOfEachChoiceByTheOrderBank) {
  const struct {
    const char* Bank;
    std::optional<int> Values[3];  // 급여, 비급여, 정부지원
  } cases[] = {
      {"11", {1, 2, 66}},
      {"12", {1, 0, 6}},
      {"35", {1, 2, 3}},
      {" 35 ", {1, 2, 3}},  // the order's bank as read from its field
      {"04", {std::nullopt, std::nullopt, std::nullopt}},
      {"", {std::nullopt, std::nullopt, std::nullopt}},
      {"1x", {std::nullopt, std::nullopt, std::nullopt}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("[") + c.Bank + "]");
    EXPECT_EQ(FundCategoryApplies(c.Bank), c.Values[0].has_value());
    for (int choice = 0; choice < 3; ++choice)
      EXPECT_EQ(FundCategoryValue(c.Bank, choice), c.Values[choice]) << choice;
    EXPECT_EQ(FundCategoryValue(c.Bank, -1), std::nullopt);
    EXPECT_EQ(FundCategoryValue(c.Bank, 3), std::nullopt);
  }
}

}  // namespace
}  // namespace selvane
