#include "core/StartPassword.h"

#include "core/Cp949.h"
#include "core/Globals.h"
#include "core/IniFile.h"

namespace selvane {

namespace {
constexpr const char* kSection = "General";
constexpr const char* kKey = "Password";

std::string Complement(std::string bytes) {
  for (char& c : bytes) c = static_cast<char>(~static_cast<unsigned char>(c));
  return bytes;
}
}  // namespace

std::string EncodeStartPassword(const std::string& password) {
  return Complement(ToCp949(password));
}

std::string DecodeStartPassword(const std::string& encoded) {
  return FromCp949(Complement(encoded));
}

std::string ReadStartPassword() {
  return DecodeStartPassword(TIniFile(IniFileName).ReadString(kSection, kKey, ""));
}

bool WriteStartPassword(const std::string& password, std::string& error) {
  TIniFile ini(IniFileName);
  if (ini.WriteString(kSection, kKey, EncodeStartPassword(password))) return true;
  error = ini.Error();
  return false;
}

}  // namespace selvane
