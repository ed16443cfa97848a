// The start password of the program, kept in section "General", key "Password" of the settings
// file (IniFileName) in encoded form: every CP949 byte of the password replaced by its bitwise
// complement. Absent or empty means no password.
#pragma once

#include <string>

namespace selvane {

// The CP949 bytes of a UTF-8 password, each complemented; throws TEncodingError when the text
// has no CP949 form.
std::string EncodeStartPassword(const std::string& password);
// The UTF-8 password of an encoded value; throws TEncodingError when the decoded bytes are not
// CP949.
std::string DecodeStartPassword(const std::string& encoded);

// The decoded start password of IniFileName; empty when the file or the key is missing.
std::string ReadStartPassword();
// Stores the encoded password; false, with the reason in error, when the file cannot keep it.
bool WriteStartPassword(const std::string& password, std::string& error);

}  // namespace selvane
