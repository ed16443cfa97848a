// The records of the Jeju Bank format (bank 35), shared by its writer, its reader and the bank
// simulator. Every record is 78 bytes; the bank answers with the same records, the result code
// filled in, in blocks of 78 bytes and CR LF. The header carries the institution's user number
// in 8 characters: the reader compares it with the whole stored number, so a longer one is
// refused before any record is written.
#pragma once

#include "formats/RecordLayout.h"

namespace selvane {

struct TJejuHeaderValues {
  TFieldValue BankID;      // the institution's bank
  TFieldValue Corcode;     // the institution's user number, at most 8 characters
  TFieldValue TrsDate;     // payment date YYMMDD
  TFieldValue TrsEndDate;  // payment date YYMMDD again
  TFieldValue A_Date;      // YYMMDD
  TFieldValue BankNo;      // digits of the withdrawal account
};

inline constexpr int kJejuCorcodeWidth = 8;

inline constexpr TRecordLayout<TJejuHeaderValues, 10> kJejuHeader{{
    {1, 1, TFill::Constant, nullptr, "S"},
    {2, 2, TFill::Number, &TJejuHeaderValues::BankID},
    {4, kJejuCorcodeWidth, TFill::Text, &TJejuHeaderValues::Corcode},
    {12, 2, TFill::Constant, nullptr, "11"},
    {14, 6, TFill::Text, &TJejuHeaderValues::TrsDate},
    {20, 6, TFill::Text, &TJejuHeaderValues::TrsEndDate},
    {26, 6, TFill::Text, &TJejuHeaderValues::A_Date},
    {32, 8, TFill::Filler},
    {40, 15, TFill::Account, &TJejuHeaderValues::BankNo},
    {55, 24, TFill::Filler},
}};

struct TJejuDataValues {
  TFieldValue BankId;   // the recipient's bank
  TFieldValue BankNo;   // digits of the recipient's account
  TFieldValue Monecy;   // amount in won, at most 10 digits
  TFieldValue Jumin;    // digits of the resident number
  TFieldValue prtText;  // name of the recipient's benefit item
  TFieldValue JaGubun;  // fund category, two digits
  TFieldValue PayDay;   // DD of the payment date
  TFieldValue Result;   // the bank's result code
};

inline constexpr TRecordLayout<TJejuDataValues, 11> kJejuData{{
    {1, 1, TFill::Constant, nullptr, "D"},
    {2, 2, TFill::Number, &TJejuDataValues::BankId},
    {4, 15, TFill::Account, &TJejuDataValues::BankNo},
    {19, 10, TFill::Amount, &TJejuDataValues::Monecy},
    {29, 24, TFill::Text, &TJejuDataValues::Jumin},
    {53, 14, TFill::Text, &TJejuDataValues::prtText},
    {67, 2, TFill::Number, &TJejuDataValues::JaGubun},
    {69, 2, TFill::Number, &TJejuDataValues::PayDay},
    {71, 1, TFill::Filler},
    {72, 4, TFill::Answer, &TJejuDataValues::Result},
    {76, 3, TFill::Filler},
}};

struct TJejuEndValues {
  TFieldValue RecordCount;  // header, data and end records
  TFieldValue TotalSum;
};

inline constexpr TRecordLayout<TJejuEndValues, 6> kJejuEnd{{
    {1, 1, TFill::Constant, nullptr, "E"},
    {2, 6, TFill::Number, &TJejuEndValues::RecordCount},
    {8, 12, TFill::Amount, &TJejuEndValues::TotalSum},
    {20, 18, TFill::Constant, nullptr, "000000000000000000"},
    {38, 18, TFill::Constant, nullptr, "000000000000000000"},
    {56, 23, TFill::Filler},
}};

static_assert(LayoutWidth(kJejuHeader) == 78);
static_assert(LayoutWidth(kJejuData) == 78);
static_assert(LayoutWidth(kJejuEnd) == 78);

}  // namespace selvane
