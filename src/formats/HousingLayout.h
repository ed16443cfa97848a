// The records of the Housing bank format (bank 06), shared by its writer, its reader and the
// bank simulator: the standard records with the payment date as MMDD in the header, "35" in the
// data record and a check value over the count and total in the end record. Every record is 78
// bytes. The bank's answer carries the institution's BCode where the request has its Corcode.
#pragma once

#include "formats/RecordLayout.h"
#include "formats/StandardLayout.h"

namespace selvane {

inline constexpr const char* kHousingOwnBank = "06";

inline constexpr TRecordLayout<TStandardHeaderValues, 15> kHousingHeader{{
    {1, 1, TFill::Constant, nullptr, "S"},
    {2, 2, TFill::Constant, nullptr, "C2"},
    {4, 10, TFill::Text, &TStandardHeaderValues::Corcode},
    {14, 2, TFill::LeftZeros, &TStandardHeaderValues::BankID},
    {16, 6, TFill::Text, &TStandardHeaderValues::A_Date},
    {22, 4, TFill::Text, &TStandardHeaderValues::To_date},
    {26, 15, TFill::Account, &TStandardHeaderValues::BankNo},
    {41, 8, TFill::Filler},
    {49, 1, TFill::Filler},
    {50, 1, TFill::Constant, nullptr, "1"},
    {51, 1, TFill::Filler},
    {52, 4, TFill::Text, &TStandardHeaderValues::LocalBank},
    {56, 6, TFill::Constant, nullptr, "QOREX "},
    {62, 11, TFill::Filler},
    {73, 6, TFill::Filler},
}};

// The standard data record with "35" in positions 19-20.
inline constexpr auto kHousingData = [] {
  auto layout = kStandardData;
  for (auto& field : layout)
    if (field.Pos == 19) field.Text = "35";
  return layout;
}();

// Positions 9 to 28 of the end record, the count and the total, are what the check value covers.
inline constexpr auto kHousingEnd =
    JoinLayouts(kStandardEndTotals, TRecordLayout<TStandardEndValues, 2>{{
                                        {69, 4, TFill::Number, &TStandardEndValues::CheckValue},
                                        {73, 6, TFill::Filler},
                                    }});

static_assert(LayoutWidth(kHousingHeader) == 78);
static_assert(LayoutWidth(kHousingData) == 78);
static_assert(kHousingData[3].Pos == 19 && kHousingData[3].Text == "35");
static_assert(LayoutWidth(kHousingEnd) == 78);

}  // namespace selvane
