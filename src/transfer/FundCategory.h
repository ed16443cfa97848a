// The fund category (JaGubun) of a recipient, used for orders of the banks 11, 12 and 35. The
// user chooses one of three entries; the stored number depends on the order's bank.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace selvane {

// The entries in their order: 0 "급여", 1 "비급여", 2 "정부지원".
inline constexpr std::array<const char*, 3> kFundCategoryNames = {"급여", "비급여", "정부지원"};

// True when the order's bank, read as a number, is 11, 12 or 35.
bool FundCategoryApplies(const std::string& orderBank);
// The stored number of an entry for the order's bank; nullopt when the category does not apply
// or the entry is not 0 to 2.
std::optional<int> FundCategoryValue(const std::string& orderBank, int choice);

}  // namespace selvane
