// The records of the NongHyup central format (bank 11), shared by its writer, its reader and the
// bank simulator. Every record is 78 bytes and carries the institution's 8-byte user number. The
// bank's answer keeps the request's records and writes its two-character result code over
// positions 70-71, the end of the item name: the answer's data record has a table of its own
// that shares the request's fields up to position 60 and from 72 on.
#pragma once

#include "formats/RecordLayout.h"

namespace selvane {

struct TCentralHeaderValues {
  TFieldValue BankID;   // the institution's bank
  TFieldValue Corcode;  // the institution's user number
  TFieldValue To_date;  // YYMMDD
  TFieldValue A_Date;   // YYMMDD
};

inline constexpr TRecordLayout<TCentralHeaderValues, 9> kCentralHeader{{
    {1, 1, TFill::Constant, nullptr, "S"},
    {2, 2, TFill::Number, &TCentralHeaderValues::BankID},
    {4, 8, TFill::Text, &TCentralHeaderValues::Corcode},
    {12, 2, TFill::Constant, nullptr, "11"},
    {14, 6, TFill::Text, &TCentralHeaderValues::To_date},
    {20, 6, TFill::Text, &TCentralHeaderValues::To_date},
    {26, 6, TFill::Text, &TCentralHeaderValues::A_Date},
    {32, 8, TFill::Constant, nullptr, "NEWNORVA"},
    {40, 39, TFill::Filler},
}};

struct TCentralDataValues {
  TFieldValue Corcode;   // the institution's user number
  TFieldValue JaGubun;   // fund category code
  TFieldValue BankId;    // the recipient's bank
  TFieldValue BankNo;    // the account, NongHyup accounts widened with zeros
  TFieldValue Sequence;  // number of the data record in the batch, from 1
  TFieldValue Monecy;    // amount in won
  TFieldValue Jumin;     // digits of the resident number
  TFieldValue prtText;   // the name of the recipient's benefit item
  TFieldValue Result;    // the bank's result code, in the answer
  TFieldValue PayDate;   // YYMMDD of the payment date
};

// Positions 1 to 60 of a data record, in the request and in the answer.
inline constexpr TRecordLayout<TCentralDataValues, 9> kCentralDataHead{{
    {1, 1, TFill::Constant, nullptr, "D"},
    {2, 8, TFill::Text, &TCentralDataValues::Corcode},
    {10, 2, TFill::Number, &TCentralDataValues::JaGubun},
    {12, 2, TFill::Number, &TCentralDataValues::BankId},
    {14, 15, TFill::Account, &TCentralDataValues::BankNo},
    {29, 6, TFill::Number, &TCentralDataValues::Sequence},
    {35, 10, TFill::Amount, &TCentralDataValues::Monecy},
    {45, 13, TFill::Text, &TCentralDataValues::Jumin},
    {58, 3, TFill::Filler},
}};

inline constexpr auto kCentralData =
    JoinLayouts(kCentralDataHead, TRecordLayout<TCentralDataValues, 4>{{
                                      {61, 10, TFill::Text, &TCentralDataValues::prtText},
                                      {71, 1, TFill::Filler},
                                      {72, 6, TFill::Text, &TCentralDataValues::PayDate},
                                      {78, 1, TFill::Filler},
                                  }});

inline constexpr auto kCentralResultData =
    JoinLayouts(kCentralDataHead, TRecordLayout<TCentralDataValues, 4>{{
                                      {61, 9, TFill::Filler},
                                      {70, 2, TFill::Answer, &TCentralDataValues::Result},
                                      {72, 6, TFill::Text, &TCentralDataValues::PayDate},
                                      {78, 1, TFill::Filler},
                                  }});

struct TCentralEndValues {
  TFieldValue Corcode;
  TFieldValue RecordCount;  // header, data and end records
  TFieldValue TotalSum;
  TFieldValue CentralCount;  // recipients at bank 11
  TFieldValue CentralSum;
  TFieldValue MemberCount;  // recipients at bank 12
  TFieldValue MemberSum;
  TFieldValue OtherCount;  // recipients at any other bank
  TFieldValue OtherSum;
};

inline constexpr TRecordLayout<TCentralEndValues, 10> kCentralEnd{{
    {1, 1, TFill::Constant, nullptr, "E"},
    {2, 8, TFill::Text, &TCentralEndValues::Corcode},
    {10, 6, TFill::Number, &TCentralEndValues::RecordCount},
    {16, 12, TFill::SumTail, &TCentralEndValues::TotalSum},
    {28, 6, TFill::Number, &TCentralEndValues::CentralCount},
    {34, 12, TFill::SumTail, &TCentralEndValues::CentralSum},
    {46, 6, TFill::Number, &TCentralEndValues::MemberCount},
    {52, 12, TFill::SumTail, &TCentralEndValues::MemberSum},
    {64, 5, TFill::Number, &TCentralEndValues::OtherCount},
    {69, 10, TFill::SumTail, &TCentralEndValues::OtherSum},
}};

static_assert(LayoutWidth(kCentralHeader) == 78);
static_assert(LayoutWidth(kCentralData) == 78);
static_assert(LayoutWidth(kCentralResultData) == 78);
static_assert(LayoutWidth(kCentralEnd) == 78);

// The header's user number has 8 bytes: a longer one would not find its institution again when
// the bank's answer comes back.
inline constexpr int kCentralCorcodeWidth = 8;

}  // namespace selvane
