#include "core/TextRoutines.h"

#include <climits>

namespace selvane {
namespace {

std::string Fit(std::string_view text, int width, bool leftAligned, char fill) {
  if (width <= 0) return std::string();
  std::size_t w = static_cast<std::size_t>(width);
  if (text.size() >= w) return std::string(text.substr(0, w));
  std::string padding(w - text.size(), fill);
  return leftAligned ? std::string(text) + padding : padding + std::string(text);
}

int DigitsAt(std::string_view text, std::size_t pos, std::size_t count) {
  int value = 0;
  for (std::size_t i = pos; i < pos + count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

}  // namespace

std::string Spaces(int count) {
  return count > 0 ? std::string(count, ' ') : std::string();
}
std::string Zeros(int count) {
  return count > 0 ? std::string(count, '0') : std::string();
}

std::string FixText(std::string_view text, int width, bool leftAligned) {
  return Fit(text, width, leftAligned, ' ');
}

std::string FixNumber(std::string_view text, int width, bool leftAligned) {
  return Fit(text, width, leftAligned, '0');
}

std::string RemoveChar(std::string_view text, char character) {
  std::string result;
  result.reserve(text.size());
  for (char c : text)
    if (c != character) result += c;
  return result;
}

bool IsAllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

int DigitSum(std::string_view text) {
  int sum = 0;
  for (char c : text)
    if (c >= '0' && c <= '9') sum += c - '0';
  return sum;
}

std::string Trim(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return std::string(text.substr(begin, end - begin));
}

bool ValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    int follow = c < 0x80           ? 0
                 : (c >> 5) == 0x6  ? 1
                 : (c >> 4) == 0xE  ? 2
                 : (c >> 3) == 0x1E ? 3
                                    : -1;
    if (follow < 0 || (follow == 1 && c < 0xC2) || (follow > 0 && i + follow >= text.size()))
      return false;
    for (int k = 1; k <= follow; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += follow + 1;
  }
  return true;
}

std::string WithBackslash(std::string_view path) {
  std::string trimmed = Trim(path);
  if (trimmed.empty()) return trimmed;
  if (trimmed.back() != '/') trimmed += '/';
  return trimmed;
}

TDate TextToDate(std::string_view text, bool fourDigitYear) {
  TDate result;  // 1990-01-01
  if (!IsAllDigits(text)) return result;
  // The whole text must read as a 32-bit integer greater than 0.
  long long whole = 0;
  for (char c : text) {
    whole = whole * 10 + (c - '0');
    if (whole > INT_MAX) return result;
  }
  if (whole <= 0) return result;
  int year = 0, month = 0, day = 0;
  if (fourDigitYear) {
    if (text.size() < 8) return result;
    year = DigitsAt(text, 0, 4);
    month = DigitsAt(text, 4, 2);
    day = DigitsAt(text, 6, 2);
  } else {
    if (text.size() < 6) return result;
    int yy = DigitsAt(text, 0, 2);
    year = yy <= 90 ? 2000 + yy : 1900 + yy;
    month = DigitsAt(text, 2, 2);
    day = DigitsAt(text, 4, 2);
  }
  if (TDate::IsValid(year, month, day)) result = TDate{year, month, day};
  return result;
}

TMoney TextToMoney(std::string_view text) {
  return TMoney::Parse(text).value_or(TMoney());
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace selvane
