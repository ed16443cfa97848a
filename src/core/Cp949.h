// CP949 is the code page of every byte boundary of the program: bank files, imported recipient
// files, error lists and the encoded start password. Inside the program text is UTF-8; these
// routines convert at the boundary and count widths in CP949 bytes.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace selvane {

// Text that cannot cross the CP949 boundary (not encodable when writing, not valid when reading).
class TEncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 to CP949 bytes; throws TEncodingError naming the first character that has no CP949 form.
std::string ToCp949(std::string_view utf8);
// CP949 bytes to UTF-8; throws TEncodingError for bytes that are not valid CP949.
std::string FromCp949(std::string_view cp949);
bool TryToCp949(std::string_view utf8, std::string& out);
bool TryFromCp949(std::string_view cp949, std::string& out);

// Length in CP949 bytes of a UTF-8 text; throws TEncodingError when it has no CP949 form.
std::size_t Cp949Length(std::string_view utf8);

// Number of leading bytes of a CP949 text, at most width, that hold whole characters only: a cut
// that would split a two-byte character stops before its first byte.
std::size_t Cp949WholePrefix(std::string_view cp949, std::size_t width);

// CP949 bytes cut by a fixed-width field, decoded for the screen: a half character at the end is
// dropped. Throws TEncodingError for other invalid bytes.
std::string FromCp949Field(std::string_view cp949);

// A UTF-8 text cut to at most width CP949 bytes without splitting a character.
std::string CutToCp949Width(std::string_view utf8, std::size_t width);

}  // namespace selvane
