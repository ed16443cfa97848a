// The request records of the fisheries co-operative format (bank 07), shared by its writer, the
// foreign-exchange bank's writer (bank 05, whose records are the earlier edition for every
// order) and the bank simulator. Two editions differ in one byte of the header and of each data
// record: a blank in the earlier one, "0" in the later one. The header is 76 bytes (the payment
// date is MMDD and the tail is not widened for it), data records 78, the end record 74. The
// bank's answer is read in the standard result layout.
#pragma once

#include "core/Date.h"
#include "formats/StandardLayout.h"

namespace selvane {

enum class TFisheriesEdition { Earlier, Later };

// The edition of an order: the later one from the application date 2009-02-09 on.
constexpr TFisheriesEdition FisheriesEdition(const TDate& aDate) {
  return aDate >= TDate{2009, 2, 9} ? TFisheriesEdition::Later : TFisheriesEdition::Earlier;
}

namespace fisheries_detail {
template <class TValues>
constexpr TLayoutField<TValues> EditionMark(int pos, TFisheriesEdition edition) {
  if (edition == TFisheriesEdition::Later) return {pos, 1, TFill::Constant, nullptr, "0"};
  return {pos, 1, TFill::Filler};
}
}  // namespace fisheries_detail

// Header values as in the standard header, except To_date: MMDD here.
constexpr TRecordLayout<TStandardHeaderValues, 17> FisheriesHeader(TFisheriesEdition edition) {
  return {{
      {1, 1, TFill::Constant, nullptr, "S"},
      {2, 2, TFill::Constant, nullptr, "C2"},
      {4, 10, TFill::Text, &TStandardHeaderValues::Corcode},
      {14, 2, TFill::Number, &TStandardHeaderValues::BankID},
      {16, 6, TFill::Text, &TStandardHeaderValues::A_Date},
      {22, 4, TFill::Text, &TStandardHeaderValues::To_date},
      {26, 15, TFill::Account, &TStandardHeaderValues::BankNo},
      {41, 8, TFill::Filler},
      {49, 1, TFill::Filler},
      {50, 1, TFill::Constant, nullptr, "1"},
      {51, 1, TFill::Filler},
      {52, 4, TFill::Text, &TStandardHeaderValues::LocalBank},
      {56, 6, TFill::Constant, nullptr, "QOREX "},
      fisheries_detail::EditionMark<TStandardHeaderValues>(62, edition),
      {63, 10, TFill::Filler},
      {73, 2, TFill::Constant, nullptr, "'%"},
      {75, 2, TFill::Filler},
  }};
}

// Positions 1 to 72 of the standard data record, up to the payment date.
inline constexpr auto kStandardDataHead = LayoutHead<12>(kStandardData);
static_assert(LayoutWidth(kStandardDataHead) == 72);

// The standard data record without the MMDD tail.
constexpr TRecordLayout<TStandardDataValues, 15> FisheriesData(TFisheriesEdition edition) {
  return JoinLayouts(kStandardDataHead,
                     TRecordLayout<TStandardDataValues, 3>{{
                         {73, 4, TFill::Filler},
                         fisheries_detail::EditionMark<TStandardDataValues>(77, edition),
                         {78, 1, TFill::Filler},
                     }});
}

// The standard end record with blanks where it has "0000".
inline constexpr auto kFisheriesEnd =
    JoinLayouts(kStandardEndTotals, TRecordLayout<TStandardEndValues, 2>{{
                                        {69, 4, TFill::Filler},
                                        {73, 2, TFill::Filler},
                                    }});

static_assert(LayoutWidth(FisheriesHeader(TFisheriesEdition::Earlier)) == 76);
static_assert(LayoutWidth(FisheriesHeader(TFisheriesEdition::Later)) == 76);
static_assert(LayoutWidth(FisheriesData(TFisheriesEdition::Earlier)) == 78);
static_assert(LayoutWidth(FisheriesData(TFisheriesEdition::Later)) == 78);
static_assert(LayoutWidth(kFisheriesEnd) == 74);

}  // namespace selvane
