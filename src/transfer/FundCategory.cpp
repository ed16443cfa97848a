#include "transfer/FundCategory.h"

#include "core/TextRoutines.h"

namespace selvane {
namespace {

int BankNumber(const std::string& bank) {
  std::string trimmed = Trim(bank);
  return IsAllDigits(trimmed) && trimmed.size() <= 4 ? std::stoi(trimmed) : -1;
}

}  // namespace

bool FundCategoryApplies(const std::string& orderBank) {
  int bank = BankNumber(orderBank);
  return bank == 11 || bank == 12 || bank == 35;
}

std::optional<int> FundCategoryValue(const std::string& orderBank, int choice) {
  static const int kCentral[] = {1, 2, 66};
  static const int kMember[] = {1, 0, 6};
  static const int kJeju[] = {1, 2, 3};
  if (choice < 0 || choice > 2) return std::nullopt;
  switch (BankNumber(orderBank)) {
    case 11:
      return kCentral[choice];
    case 12:
      return kMember[choice];
    case 35:
      return kJeju[choice];
    default:
      return std::nullopt;
  }
}

}  // namespace selvane
