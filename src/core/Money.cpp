#include "core/Money.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace selvane {

std::optional<TMoney> TMoney::FromDouble(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double scaled = std::round(value * kScale);
  // The largest magnitude an int64 holds exactly enough for our purpose.
  if (std::fabs(scaled) >= 9.2e18) return std::nullopt;
  return TMoney(static_cast<std::int64_t>(scaled));
}

std::optional<TMoney> TMoney::Parse(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && (text[begin] == ' ' || text[begin] == '\t')) ++begin;
  while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  if (begin == end) return std::nullopt;
  std::string body(text.substr(begin, end - begin));
  // strtod would also take hexadecimal, "inf" and "nan": accept only a decimal number.
  for (char c : body) {
    bool ok = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E';
    if (!ok) return std::nullopt;
  }
  errno = 0;
  char* stop = nullptr;
  double value = std::strtod(body.c_str(), &stop);
  if (stop != body.c_str() + body.size() || errno == ERANGE) return std::nullopt;
  return FromDouble(value);
}

std::string TMoney::ToText() const {
  std::int64_t whole = units_ / kScale;
  std::int64_t fraction = units_ % kScale;
  bool negative = units_ < 0;
  if (negative) {
    whole = -whole;
    fraction = -fraction;
  }
  std::string text = std::to_string(whole);
  if (negative) text.insert(text.begin(), '-');
  if (fraction != 0) {
    std::string digits = std::to_string(fraction);
    digits.insert(0, 4 - digits.size(), '0');
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    text += "." + digits;
  }
  return text;
}

std::string TMoney::ToGroupedText() const {
  std::uint64_t magnitude =
      units_ < 0 ? 0 - static_cast<std::uint64_t>(units_) : static_cast<std::uint64_t>(units_);
  std::uint64_t won = (magnitude + kScale / 2) / kScale;
  std::string digits = std::to_string(won);
  for (std::ptrdiff_t i = static_cast<std::ptrdiff_t>(digits.size()) - 3; i > 0; i -= 3)
    digits.insert(static_cast<std::size_t>(i), 1, ',');
  return units_ < 0 && won != 0 ? "-" + digits : digits;
}

}  // namespace selvane
