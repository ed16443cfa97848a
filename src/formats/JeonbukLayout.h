// The records of the Jeonbuk Bank format (bank 37), shared by its writer, its reader and the
// bank simulator. Bank codes are written as three characters, a "0" before the two-character
// code; data records carry the recipient's item code and name. The bank's answer has the same
// three kinds with the same positions: the result code and second amount in the data record,
// the institution's branch in the header, and its BCode where the request has its Corcode.
// Every record is 78 bytes.
#pragma once

#include "formats/RecordLayout.h"
#include "formats/StandardLayout.h"

namespace selvane {

inline constexpr TRecordLayout<TStandardHeaderValues, 16> kJeonbukHeader{{
    {1, 1, TFill::Constant, nullptr, "S"},
    {2, 2, TFill::Constant, nullptr, "C2"},
    {4, 10, TFill::Text, &TStandardHeaderValues::Corcode},
    {14, 1, TFill::Constant, nullptr, "0"},
    {15, 2, TFill::Text, &TStandardHeaderValues::BankID},
    {17, 6, TFill::Text, &TStandardHeaderValues::A_Date},
    {23, 6, TFill::Text, &TStandardHeaderValues::To_date},
    {29, 15, TFill::Account, &TStandardHeaderValues::BankNo},
    {44, 8, TFill::Filler},
    {52, 1, TFill::Filler},
    {53, 1, TFill::Constant, nullptr, "1"},
    {54, 1, TFill::Filler},
    {55, 4, TFill::Answer, &TStandardHeaderValues::LocalBank},
    {59, 6, TFill::Constant, nullptr, "QOREX "},
    {65, 10, TFill::Filler},
    {75, 4, TFill::Filler},
}};

struct TJeonbukDataValues {
  TFieldValue BankId;      // the recipient's bank, after the leading "0"
  TFieldValue BankNo;      // digits of the recipient's account
  TFieldValue Monecy;      // amount in won
  TFieldValue PayDay;      // DD of the payment date
  TFieldValue Result;      // the bank's result code
  TFieldValue Monecy2;     // the bank's second amount
  TFieldValue Jumin;       // digits of the resident number
  TFieldValue LargeitmId;  // the recipient's item
  TFieldValue LargeItmNm;  // the item's name, right-justified
};

inline constexpr TRecordLayout<TJeonbukDataValues, 13> kJeonbukData{{
    {1, 1, TFill::Constant, nullptr, "D"},
    {2, 1, TFill::Constant, nullptr, "0"},
    {3, 2, TFill::Text, &TJeonbukDataValues::BankId},
    {5, 15, TFill::Account, &TJeonbukDataValues::BankNo},
    {20, 1, TFill::Filler},
    {21, 11, TFill::Amount, &TJeonbukDataValues::Monecy},
    {32, 2, TFill::Number, &TJeonbukDataValues::PayDay},
    {34, 1, TFill::Filler},
    {35, 4, TFill::Answer, &TJeonbukDataValues::Result},
    {39, 10, TFill::Answer, &TJeonbukDataValues::Monecy2},
    {49, 18, TFill::Text, &TJeonbukDataValues::Jumin},
    {67, 2, TFill::Number, &TJeonbukDataValues::LargeitmId},
    {69, 10, TFill::TextRight, &TJeonbukDataValues::LargeItmNm},
}};

// The end record of each file: the standard counts and totals, then blanks to 78.
inline constexpr auto kJeonbukEnd =
    JoinLayouts(kStandardEndTotals, TRecordLayout<TStandardEndValues, 2>{{
                                        {69, 8, TFill::Filler},
                                        {77, 2, TFill::Filler},
                                    }});

static_assert(LayoutWidth(kJeonbukHeader) == 78);
static_assert(LayoutWidth(kJeonbukData) == 78);
static_assert(LayoutWidth(kJeonbukEnd) == 78);

// Recipients of this bank go into the main file, all others into the file with this suffix.
inline constexpr const char* kJeonbukOwnBank = "37";
inline constexpr const char* kJeonbukOthersSuffix = "_1";

}  // namespace selvane
