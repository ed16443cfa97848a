// The records of the standard bank format, shared by its writer, its reader, the formats that
// differ from it in a record or two, and the bank simulator. The bank's answer has the same
// three kinds with the same positions; fields the request leaves blank carry the answer.
// Header and data records are 78 bytes; the request's end record is 74.
#pragma once

#include <array>

#include "formats/RecordLayout.h"

namespace selvane {

inline constexpr std::array<TLayoutField, 15> kStandardHeader{{
    {1, 1, TFill::Constant, "S"},
    {2, 2, TFill::Constant, "C2"},
    {4, 10, TFill::Blanks, "Corcode"},  // the institution's user number with its bank
    {14, 2, TFill::Zeros, "BankID"},    // the institution's bank
    {16, 6, TFill::Blanks, "A_Date"},   // YYMMDD
    {22, 6, TFill::Blanks, "To_date"},  // YYMMDD
    {28, 15, TFill::Blanks, "BankNo"},  // digits of the withdrawal account
    {43, 8, TFill::Blank, ""},
    {51, 1, TFill::Blank, ""},
    {52, 1, TFill::Constant, "1"},
    {53, 1, TFill::Blank, ""},
    {54, 4, TFill::Blanks, "LocalBank"},  // the branch number
    {58, 6, TFill::Constant, "QOREX "},
    {64, 11, TFill::Blank, ""},
    {75, 4, TFill::Blank, ""},
}};

inline constexpr std::array<TLayoutField, 12> kStandardData{{
    {1, 1, TFill::Constant, "D"},
    {2, 2, TFill::Zeros, "BankId"},    // the recipient's bank
    {4, 15, TFill::Blanks, "BankNo"},  // digits of the recipient's account
    {19, 2, TFill::Constant, "40"},
    {21, 11, TFill::Zeros, "Monecy"},  // amount in won
    {32, 2, TFill::Zeros, "PayDay"},   // DD of the payment date
    {34, 1, TFill::Blank, ""},
    {35, 4, TFill::Blank, "Result"},        // the bank's result code
    {39, 10, TFill::Blank, "Monecy2"},      // the bank's second amount
    {49, 24, TFill::Blanks, "JuminDate"},   // resident number digits, 3 blanks, YYYYMMDD
    {73, 4, TFill::Blanks, "PayMonthDay"},  // MMDD of the payment date
    {77, 2, TFill::Blank, ""},
}};

// Positions 1 to 68 of the end record: counts, total and the unused totals.
inline constexpr std::array<TLayoutField, 8> kStandardEndTotals{{
    {1, 1, TFill::Constant, "E"},
    {2, 7, TFill::Zeros, "RecordCount"},  // header, data and end records
    {9, 7, TFill::Zeros, "DataCount"},
    {16, 13, TFill::Zeros, "TotalSum"},
    {29, 7, TFill::Constant, "0000000"},
    {36, 13, TFill::Constant, "0000000000000"},
    {49, 7, TFill::Constant, "0000000"},
    {56, 13, TFill::Constant, "0000000000000"},
}};

inline constexpr auto kStandardEnd =
    JoinLayouts(kStandardEndTotals, std::array<TLayoutField, 2>{{
                                        {69, 4, TFill::Constant, "0000"},
                                        {73, 2, TFill::Blank, ""},
                                    }});

static_assert(LayoutWidth(kStandardHeader) == 78);
static_assert(LayoutWidth(kStandardData) == 78);
static_assert(LayoutWidth(kStandardEndTotals) == 68);
static_assert(LayoutWidth(kStandardEnd) == 74);

// The bank's answer comes in blocks of 78 bytes and CR LF.
inline constexpr int kStandardResultBlock = 80;

}  // namespace selvane
