// The records of the NongHyup member co-operative format (bank 12), shared by its writer, its
// reader and the bank simulator. Records are told apart by their first two bytes ("11" header,
// "22" data, "33" end) and are 78 bytes each; the bank's answer keeps them and fills in the
// two-character result code of each data record.
#pragma once

#include <string_view>

#include "formats/RecordLayout.h"

namespace selvane {

inline constexpr std::string_view kMemberHeaderKind = "11";
inline constexpr std::string_view kMemberDataKind = "22";
inline constexpr std::string_view kMemberEndKind = "33";

struct TMemberHeaderValues {
  TFieldValue BankID;   // the institution's bank, zero-filled on the right
  TFieldValue To_date;  // YYMMDD
  TFieldValue Corcode;  // the institution's user number
  TFieldValue BankNo;   // the withdrawal account as stored, hyphens kept
};

inline constexpr TRecordLayout<TMemberHeaderValues, 11> kMemberHeader{{
    {1, 2, TFill::Constant, nullptr, kMemberHeaderKind},
    {3, 2, TFill::LeftZeros, &TMemberHeaderValues::BankID},
    {5, 6, TFill::Text, &TMemberHeaderValues::To_date},
    {11, 6, TFill::Constant, nullptr, "000000"},
    {17, 1, TFill::Constant, nullptr, "1"},
    {18, 2, TFill::Constant, nullptr, "70"},
    {20, 7, TFill::Text, &TMemberHeaderValues::Corcode},
    {27, 4, TFill::Constant, nullptr, "1111"},
    {31, 16, TFill::Account, &TMemberHeaderValues::BankNo},
    {47, 27, TFill::Filler},
    {74, 5, TFill::Constant, nullptr, "NEW  "},
}};

struct TMemberDataValues {
  TFieldValue Sequence;    // number of the data record in the batch, from 1
  TFieldValue BankId;      // the recipient's bank
  TFieldValue BankNo;      // the account (NongHyup accounts with their hyphens)
  TFieldValue Monecy;      // amount in won
  TFieldValue Result;      // the bank's result code, in the answer
  TFieldValue CheckValue;  // the record's check value, 0 to 9999
  TFieldValue JaGubun;     // fund category code
  TFieldValue prtText;     // the name of the recipient's benefit item
};

inline constexpr TRecordLayout<TMemberDataValues, 11> kMemberData{{
    {1, 2, TFill::Constant, nullptr, kMemberDataKind},
    {3, 7, TFill::Number, &TMemberDataValues::Sequence},
    {10, 2, TFill::Number, &TMemberDataValues::BankId},
    {12, 16, TFill::Account, &TMemberDataValues::BankNo},
    {28, 12, TFill::Amount, &TMemberDataValues::Monecy},
    {40, 1, TFill::Constant, nullptr, "9"},
    {41, 2, TFill::Answer, &TMemberDataValues::Result},
    {43, 4, TFill::Number, &TMemberDataValues::CheckValue},
    {47, 18, TFill::Filler},
    {65, 2, TFill::Number, &TMemberDataValues::JaGubun},
    {67, 12, TFill::Text, &TMemberDataValues::prtText},
}};

struct TMemberEndValues {
  TFieldValue DataCount;  // data records only
  TFieldValue TotalSum;
  TFieldValue MemberCount;  // recipients at bank 12
  TFieldValue MemberSum;
  TFieldValue CentralCount;  // recipients at bank 11
  TFieldValue CentralSum;
  TFieldValue OtherCount;  // recipients at any other bank
  TFieldValue OtherSum;
  TFieldValue CheckValue;  // the batch's check value, 0 to 9999
};

inline constexpr TRecordLayout<TMemberEndValues, 10> kMemberEnd{{
    {1, 2, TFill::Constant, nullptr, kMemberEndKind},
    {3, 6, TFill::Number, &TMemberEndValues::DataCount},
    {9, 12, TFill::SumTail, &TMemberEndValues::TotalSum},
    {21, 6, TFill::Number, &TMemberEndValues::MemberCount},
    {27, 12, TFill::SumTail, &TMemberEndValues::MemberSum},
    {39, 6, TFill::Number, &TMemberEndValues::CentralCount},
    {45, 12, TFill::SumTail, &TMemberEndValues::CentralSum},
    {57, 6, TFill::Number, &TMemberEndValues::OtherCount},
    {63, 12, TFill::SumTail, &TMemberEndValues::OtherSum},
    {75, 4, TFill::Number, &TMemberEndValues::CheckValue},
}};

static_assert(LayoutWidth(kMemberHeader) == 78);
static_assert(LayoutWidth(kMemberData) == 78);
static_assert(LayoutWidth(kMemberEnd) == 78);

// The header's user number has 7 bytes: a longer one would not find its institution again when
// the bank's answer comes back.
inline constexpr int kMemberCorcodeWidth = 7;

}  // namespace selvane
