#include "formats/NongHyupCheck.h"

#include <vector>

namespace selvane {
namespace {

constexpr int kSignificantDigits = 15;
constexpr std::size_t kCheckDigits = 4;

int DecimalDigits(std::uint64_t value) {
  int digits = 0;
  for (; value > 0; value /= 10) ++digits;
  return digits;
}

}  // namespace

int MemberRecordCheck(std::uint64_t s) {
  return static_cast<int>(s % 1111 * 10000 / 1111);
}

int MemberBatchCheck(std::uint64_t t, std::uint64_t m) {
  const std::uint64_t whole = t / m;
  int significant = DecimalDigits(whole);
  // The rounding then falls on the whole part: no fraction is left.
  if (significant >= kSignificantDigits) return 0;

  // Long division: the decimals up to the 15th significant digit, then the rounding digit.
  std::vector<int> decimals;
  std::uint64_t rest = t % m;
  int rounding = 0;
  while (rest != 0) {
    rest *= 10;
    const int digit = static_cast<int>(rest / m);
    rest %= m;
    if (significant == kSignificantDigits) {
      rounding = digit;
      break;
    }
    decimals.push_back(digit);
    if (significant > 0 || digit != 0) ++significant;
  }
  if (rounding >= 5) {
    // A carry out of the first decimal goes into the whole part and leaves the fraction 0.
    std::size_t i = decimals.size();
    while (i > 0 && decimals[i - 1] == 9) decimals[--i] = 0;
    if (i > 0) ++decimals[i - 1];
  }
  int check = 0;
  for (std::size_t i = 0; i < kCheckDigits; ++i)
    check = check * 10 + (i < decimals.size() ? decimals[i] : 0);
  return check;
}

}  // namespace selvane
