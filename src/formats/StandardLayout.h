// The records of the standard bank format, shared by its writer, its reader, the formats that
// differ from it in a record or two, and the bank simulator. The bank's answer has the same
// three kinds with the same positions; Answer fields carry what the bank fills in.
// Header and data records are 78 bytes; the request's end record is 74.
#pragma once

#include "formats/RecordLayout.h"

namespace selvane {

struct TStandardHeaderValues {
  TFieldValue Corcode;    // the institution's user number with its bank
  TFieldValue BankID;     // the institution's bank
  TFieldValue A_Date;     // YYMMDD
  TFieldValue To_date;    // YYMMDD (MMDD in the Housing header)
  TFieldValue BankNo;     // digits of the withdrawal account
  TFieldValue LocalBank;  // the branch number
};

inline constexpr TRecordLayout<TStandardHeaderValues, 15> kStandardHeader{{
    {1, 1, TFill::Constant, nullptr, "S"},
    {2, 2, TFill::Constant, nullptr, "C2"},
    {4, 10, TFill::Text, &TStandardHeaderValues::Corcode},
    {14, 2, TFill::Number, &TStandardHeaderValues::BankID},
    {16, 6, TFill::Text, &TStandardHeaderValues::A_Date},
    {22, 6, TFill::Text, &TStandardHeaderValues::To_date},
    {28, 15, TFill::Account, &TStandardHeaderValues::BankNo},
    {43, 8, TFill::Filler},
    {51, 1, TFill::Filler},
    {52, 1, TFill::Constant, nullptr, "1"},
    {53, 1, TFill::Filler},
    {54, 4, TFill::Text, &TStandardHeaderValues::LocalBank},
    {58, 6, TFill::Constant, nullptr, "QOREX "},
    {64, 11, TFill::Filler},
    {75, 4, TFill::Filler},
}};

struct TStandardDataValues {
  TFieldValue BankId;       // the recipient's bank
  TFieldValue BankNo;       // digits of the recipient's account
  TFieldValue Monecy;       // amount in won
  TFieldValue PayDay;       // DD of the payment date
  TFieldValue Result;       // the bank's result code
  TFieldValue Monecy2;      // the bank's second amount
  TFieldValue Jumin;        // digits of the resident number
  TFieldValue PayDate;      // YYYYMMDD of the payment date
  TFieldValue PayMonthDay;  // MMDD of the payment date
};

inline constexpr TRecordLayout<TStandardDataValues, 14> kStandardData{{
    {1, 1, TFill::Constant, nullptr, "D"},
    {2, 2, TFill::Number, &TStandardDataValues::BankId},
    {4, 15, TFill::Account, &TStandardDataValues::BankNo},
    {19, 2, TFill::Constant, nullptr, "40"},
    {21, 11, TFill::Amount, &TStandardDataValues::Monecy},
    {32, 2, TFill::Number, &TStandardDataValues::PayDay},
    {34, 1, TFill::Filler},
    {35, 4, TFill::Answer, &TStandardDataValues::Result},
    {39, 10, TFill::Answer, &TStandardDataValues::Monecy2},
    {49, 13, TFill::Text, &TStandardDataValues::Jumin},
    {62, 3, TFill::Filler},
    {65, 8, TFill::Text, &TStandardDataValues::PayDate},
    {73, 4, TFill::Text, &TStandardDataValues::PayMonthDay},
    {77, 2, TFill::Filler},
}};

struct TStandardEndValues {
  TFieldValue RecordCount;  // header, data and end records
  TFieldValue DataCount;
  TFieldValue TotalSum;
  TFieldValue CheckValue;  // formats whose end record carries one
};

// Positions 1 to 68 of the end record: counts, total and the unused totals.
inline constexpr TRecordLayout<TStandardEndValues, 8> kStandardEndTotals{{
    {1, 1, TFill::Constant, nullptr, "E"},
    {2, 7, TFill::Number, &TStandardEndValues::RecordCount},
    {9, 7, TFill::Number, &TStandardEndValues::DataCount},
    {16, 13, TFill::Amount, &TStandardEndValues::TotalSum},
    {29, 7, TFill::Constant, nullptr, "0000000"},
    {36, 13, TFill::Constant, nullptr, "0000000000000"},
    {49, 7, TFill::Constant, nullptr, "0000000"},
    {56, 13, TFill::Constant, nullptr, "0000000000000"},
}};

inline constexpr auto kStandardEnd =
    JoinLayouts(kStandardEndTotals, TRecordLayout<TStandardEndValues, 2>{{
                                        {69, 4, TFill::Constant, nullptr, "0000"},
                                        {73, 2, TFill::Filler},
                                    }});

static_assert(LayoutWidth(kStandardHeader) == 78);
static_assert(LayoutWidth(kStandardData) == 78);
static_assert(LayoutWidth(kStandardEndTotals) == 68);
static_assert(LayoutWidth(kStandardEnd) == 74);

// The bank's answer comes in blocks of 78 bytes and CR LF.
inline constexpr int kStandardResultBlock = 80;

}  // namespace selvane
