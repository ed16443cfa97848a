#include "transfer/NumberChecks.h"

#include <NumGuard.h>

#include <array>

#include "core/Cp949.h"
#include "core/TextRoutines.h"

namespace selvane {
namespace {

// The component's output area, as its interface fixes it.
constexpr std::size_t kHyphenateArea = 256;

// CP949 for the component; false for text it cannot be given (no CP949 form, or a zero byte
// that would end the string early).
bool ComponentText(const std::string& utf8, std::string& cp949) {
  return utf8.find('\0') == std::string::npos && TryToCp949(utf8, cp949);
}

}  // namespace

bool NumGuardIsValid(const std::string& bankCode, const std::string& account) {
  std::string bank, number;
  if (!ComponentText(bankCode, bank) || !ComponentText(account, number)) return false;
  return ::NumGuardIsValid(bank.c_str(), number.c_str()) != 0;
}

std::string HyphenateAccountNo(const std::string& bankCode, const std::string& account) {
  const std::string digits = RemoveChar(account, '-');
  std::string bank, number;
  if (!ComponentText(bankCode, bank) || !ComponentText(digits, number)) return digits;
  std::array<char, kHyphenateArea> area{};
  area[0] = '\0';
  ::Hyphenate(bank.c_str(), number.c_str(), area.data());
  area.back() = '\0';
  std::string text;
  if (!TryFromCp949(area.data(), text)) return digits;
  return text;
}

bool ResidentNoValid(const std::string& number) {
  constexpr std::size_t kLength = 13;
  // Thirteen digits, with one hyphen after the sixth or none: a longer number or a stray hyphen is
  // no resident number, whatever its first thirteen digits say.
  std::string text = number;
  if (text.size() == kLength + 1 && text[6] == '-') text.erase(6, 1);
  if (text.size() != kLength || !IsAllDigits(text)) return false;
  std::array<int, kLength> digit{};
  for (std::size_t i = 0; i < kLength; ++i) digit[i] = text[i] - '0';
  const int month = digit[2] * 10 + digit[3];
  const int day = digit[4] * 10 + digit[5];
  if (month < 1 || month > 12 || day < 1 || day > 31) return false;
  int sum = 0;
  for (std::size_t i = 0; i < kLength - 1; ++i) sum += digit[i] * static_cast<int>(i % 8 + 2);
  return (11 - sum % 11) % 10 == digit[kLength - 1];
}

}  // namespace selvane
