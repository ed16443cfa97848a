#include "core/BankCodes.h"

namespace selvane {

bool IsHanvitBank(std::string_view code) {
  return code == "20" || code == "22" || code == "24";
}
bool IsNongHyupCentral(std::string_view code) {
  return code == "11";
}
bool IsNongHyupMember(std::string_view code) {
  return code == "12";
}
bool IsJeonbukBank(std::string_view code) {
  return code == "37";
}
bool IsIndustrialBank(std::string_view code) {
  return code == "03";
}
bool IsHousingBank(std::string_view code) {
  return code == "06";
}
bool IsFisheriesBank(std::string_view code) {
  return code == "07";
}
bool IsForeignExchangeBank(std::string_view code) {
  return code == "05";
}
bool IsShinhanBank(std::string_view code) {
  return code == "26";
}
bool IsJejuBank(std::string_view code) {
  return code == "35";
}

}  // namespace selvane
