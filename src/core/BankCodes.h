// Bank-code predicates that choose a bank format. Each is true only for an exact match of the
// two-character code: no trimming, no case folding.
#pragma once

#include <string_view>

namespace selvane {

bool IsHanvitBank(std::string_view code);           // 20, 22, 24
bool IsNongHyupCentral(std::string_view code);      // 11
bool IsNongHyupMember(std::string_view code);       // 12
bool IsJeonbukBank(std::string_view code);          // 37
bool IsIndustrialBank(std::string_view code);       // 03
bool IsHousingBank(std::string_view code);          // 06
bool IsFisheriesBank(std::string_view code);        // 07
bool IsForeignExchangeBank(std::string_view code);  // 05
bool IsShinhanBank(std::string_view code);          // 26
bool IsJejuBank(std::string_view code);             // 35

}  // namespace selvane
