// Amounts in won as exact fixed-point numbers with four decimals, so that sums of many amounts
// never drift. The database stores them as REAL; conversion rounds to the nearest 1/10000.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace selvane {

class TMoney {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr TMoney() = default;
  static constexpr TMoney FromUnits(std::int64_t units) { return TMoney(units); }
  static constexpr TMoney FromWon(std::int64_t won) { return TMoney(won * kScale); }
  // nullopt when the value is outside the range of the type or not a number.
  static std::optional<TMoney> FromDouble(double value);
  // A decimal text: blanks around it, a sign, a decimal point and an exponent are accepted;
  // nullopt when it does not read as a number in range.
  static std::optional<TMoney> Parse(std::string_view text);

  constexpr std::int64_t Units() const { return units_; }
  double ToDouble() const { return static_cast<double>(units_) / kScale; }
  // Plain decimal text without separators: "150", "-3", "12.5".
  std::string ToText() const;
  // Whole won, rounded half away from zero, with "," between groups of three digits:
  // "1,234,568" for 1234567.5, "-1,000", "0".
  std::string ToGroupedText() const;

  TMoney& operator+=(TMoney other) {
    units_ += other.units_;
    return *this;
  }
  TMoney& operator-=(TMoney other) {
    units_ -= other.units_;
    return *this;
  }
  friend TMoney operator+(TMoney a, TMoney b) { return a += b; }
  friend TMoney operator-(TMoney a, TMoney b) { return a -= b; }
  auto operator<=>(const TMoney&) const = default;

 private:
  constexpr explicit TMoney(std::int64_t units) : units_(units) {}
  std::int64_t units_ = 0;
};

}  // namespace selvane
