// The records of the Industrial Bank format (bank 03), shared by its writer, its reader and the
// bank simulator. Records are told apart by a two-digit kind ("11" header, "22" data, "33" end),
// each repeats the bank code and "82", and data records carry a running sequence number. Header
// and end records are 78 bytes, the request's data record 76; the bank's answer is read in
// 80-byte blocks, its data record filled to 78.
#pragma once

#include "formats/RecordLayout.h"

namespace selvane {

inline constexpr std::string_view kIndustrialHeaderKind = "11";
inline constexpr std::string_view kIndustrialDataKind = "22";
inline constexpr std::string_view kIndustrialEndKind = "33";
inline constexpr const char* kIndustrialOwnBank = "03";

struct TIndustrialHeaderValues {
  TFieldValue BankID;       // the institution's bank
  TFieldValue PayMonthDay;  // MMDD of the payment date
  TFieldValue BankNo;       // digits of the withdrawal account
  TFieldValue BankID2;      // the institution's bank again, blank-filled
};

inline constexpr TRecordLayout<TIndustrialHeaderValues, 16> kIndustrialHeader{{
    {1, 2, TFill::Constant, nullptr, kIndustrialHeaderKind},
    {3, 2, TFill::Number, &TIndustrialHeaderValues::BankID},
    {5, 2, TFill::Constant, nullptr, "82"},
    {7, 4, TFill::Text, &TIndustrialHeaderValues::PayMonthDay},
    {11, 6, TFill::Filler},
    {17, 14, TFill::Account, &TIndustrialHeaderValues::BankNo},
    {31, 1, TFill::Filler},
    {32, 7, TFill::Text, &TIndustrialHeaderValues::BankID2},
    {39, 10, TFill::Filler},
    {49, 1, TFill::Filler},
    {50, 1, TFill::Constant, nullptr, "1"},
    {51, 1, TFill::Filler},
    {52, 4, TFill::Filler},
    {56, 6, TFill::Constant, nullptr, "QOREX "},
    {62, 11, TFill::Filler},
    {73, 6, TFill::Filler},
}};

struct TIndustrialDataValues {
  TFieldValue BankId;    // the recipient's bank (always 03)
  TFieldValue Sequence;  // number of the data record within the batch, from 1
  TFieldValue BankNo;    // digits of the recipient's account
  TFieldValue Monecy;    // amount in won
  TFieldValue Jumin;     // digits of the resident number
  TFieldValue CodeG;     // a one-character code of the bank's answer
  TFieldValue Result;    // the bank's result code
};

inline constexpr TRecordLayout<TIndustrialDataValues, 10> kIndustrialData{{
    {1, 2, TFill::Constant, nullptr, kIndustrialDataKind},
    {3, 2, TFill::Number, &TIndustrialDataValues::BankId},
    {5, 2, TFill::Constant, nullptr, "82"},
    {7, 6, TFill::Number, &TIndustrialDataValues::Sequence},
    {13, 14, TFill::Account, &TIndustrialDataValues::BankNo},
    {27, 11, TFill::Amount, &TIndustrialDataValues::Monecy},
    {38, 24, TFill::Text, &TIndustrialDataValues::Jumin},
    {62, 10, TFill::Filler},
    {72, 1, TFill::Answer, &TIndustrialDataValues::CodeG},
    {73, 4, TFill::Answer, &TIndustrialDataValues::Result},
}};

struct TIndustrialEndValues {
  TFieldValue BankID;     // the institution's bank, blank-filled
  TFieldValue DataCount;  // data records, without header and end
  TFieldValue TotalSum;
};

inline constexpr TRecordLayout<TIndustrialEndValues, 10> kIndustrialEnd{{
    {1, 2, TFill::Constant, nullptr, kIndustrialEndKind},
    {3, 2, TFill::Text, &TIndustrialEndValues::BankID},
    {5, 2, TFill::Constant, nullptr, "82"},
    {7, 7, TFill::Number, &TIndustrialEndValues::DataCount},
    {14, 13, TFill::Amount, &TIndustrialEndValues::TotalSum},
    {27, 7, TFill::Filler},
    {34, 13, TFill::Filler},
    {47, 7, TFill::Filler},
    {54, 13, TFill::Filler},
    {67, 12, TFill::Filler},
}};

static_assert(LayoutWidth(kIndustrialHeader) == 78);
static_assert(LayoutWidth(kIndustrialData) == 76);
static_assert(LayoutWidth(kIndustrialEnd) == 78);

}  // namespace selvane
