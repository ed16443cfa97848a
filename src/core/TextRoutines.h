// Fixed-width fields and text conversions shared by the bank formats and the imports. Texts here
// are CP949 bytes: every length, width and position counts bytes. FixText and FixNumber are the
// only places that pad and cut a field.
#pragma once

#include <string>
#include <string_view>

#include "core/Date.h"
#include "core/Money.h"

namespace selvane {

std::string Spaces(int count);
std::string Zeros(int count);

// Exactly width bytes: a longer text is cut to its first width bytes (also inside a two-byte
// character); a shorter one is filled with blanks (FixText) or "0" (FixNumber) on the right
// when left-aligned, on the left otherwise.
std::string FixText(std::string_view text, int width, bool leftAligned);
std::string FixNumber(std::string_view text, int width, bool leftAligned);

std::string RemoveChar(std::string_view text, char character);
// True for a non-empty text of the digits 0 to 9 only.
bool IsAllDigits(std::string_view text);
// The sum of the decimal digits in the text; any other byte counts 0.
int DigitSum(std::string_view text);
// Trimmed path followed by the folder separator unless it already ends with one. A blank path
// gives the empty text.
std::string WithBackslash(std::string_view path);

std::string Trim(std::string_view text);

// Well-formed UTF-8: every lead byte followed by its continuation bytes, no overlong two-byte
// form.
bool ValidUtf8(std::string_view text);

// Equal texts when ASCII letter case is ignored (names of columns, keys, values).
bool SameText(std::string_view a, std::string_view b);

// "YYYYMMDD" (fourDigitYear) or "YYMMDD" (90 and below are 20xx); 1990-01-01 for anything that
// is not a valid date of that form.
TDate TextToDate(std::string_view text, bool fourDigitYear);
// A decimal number with blanks, sign, decimal point and exponent accepted; 0 otherwise.
TMoney TextToMoney(std::string_view text);

}  // namespace selvane
