// A fixed-width record described once, as the table of its fields: 1-based position, width,
// fill and the member of the record's values that the field holds. Writers build records from
// the table and readers take fields out of it by the same members, so that no offset is written
// twice and a misspelt or foreign field does not compile. Records are CP949 bytes; every field
// is padded and cut by the fill rules below, in one place (FitField).
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace selvane {

enum class TFill {
  Constant,  // the field's Text, as it stands
  Filler,    // blanks: a column the record does not use
  Answer,    // blanks in the request; the bank's answer puts its value there
  Text,      // left-justified, blank-filled; a longer value is cut at a whole character
  Number,    // right-justified, zero-filled; a longer value is cut to its first digits
  SumTail,   // right-justified, zero-filled; a longer value keeps its last digits
  Account,   // left-justified, blank-filled; a longer value is refused (TFieldDoesNotFit)
  Amount,    // right-justified, zero-filled; a longer value is refused (TFieldDoesNotFit)

  // Fills of a few formats only.
  LeftZeros,  // left-justified, zero-filled on the right; cut to its first digits
};

// The value of a field as CP949 bytes; a field whose value is missing is a programming error.
using TFieldValue = std::optional<std::string>;

template <class TValues>
struct TLayoutField {
  int Pos;
  int Width;
  TFill Fill;
  TFieldValue TValues::*Value = nullptr;  // every fill but Constant and Filler has one
  std::string_view Text = {};             // Constant only
};

template <class TValues, std::size_t N>
using TRecordLayout = std::array<TLayoutField<TValues>, N>;

// A record layout that does not fit together, or a value the table has no field for, is a
// programming error.
class TLayoutError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// An account or an amount longer than its field: writing it cut would pay the wrong account or
// the wrong amount, so the record is not written.
class TFieldDoesNotFit : public std::runtime_error {
 public:
  TFieldDoesNotFit(TFill fill, std::string value, int width);
  TFill Fill;         // Account or Amount
  std::string Value;  // as given, CP949 bytes
  int Width;
};

// The value fitted to the field by its fill (Text, Number, SumTail, Account, Amount,
// LeftZeros); Answer fields are fitted as Text. Throws TFieldDoesNotFit for an account or amount
// that is too long.
std::string FitField(TFill fill, int width, std::string_view value);

// Width of the record: the end of its last field; 0 when the fields do not follow each other
// from position 1 without gap or overlap, a constant's text is not its width, or a field lacks
// the value member its fill needs (or has one it cannot use).
template <class TValues, std::size_t N>
constexpr int LayoutWidth(const TRecordLayout<TValues, N>& layout) {
  int next = 1;
  for (const auto& field : layout) {
    if (field.Pos != next || field.Width <= 0) return 0;
    const bool constant = field.Fill == TFill::Constant;
    if (constant && static_cast<int>(field.Text.size()) != field.Width) return 0;
    const bool valueless = constant || field.Fill == TFill::Filler;
    if (valueless != (field.Value == nullptr)) return 0;
    next += field.Width;
  }
  return next - 1;
}

// Two layouts as one: the second continues where the first ends.
template <class TValues, std::size_t N, std::size_t M>
constexpr TRecordLayout<TValues, N + M> JoinLayouts(const TRecordLayout<TValues, N>& head,
                                                    const TRecordLayout<TValues, M>& tail) {
  TRecordLayout<TValues, N + M> joined{};
  for (std::size_t i = 0; i < N; ++i) joined[i] = head[i];
  for (std::size_t i = 0; i < M; ++i) joined[N + i] = tail[i];
  return joined;
}

namespace layout_detail {
[[noreturn]] void ThrowNoValue(int pos);
[[noreturn]] void ThrowNoField();
[[noreturn]] void ThrowRecordTooShort(int pos);

template <class TValues, std::size_t N>
const TLayoutField<TValues>& FieldOf(const TRecordLayout<TValues, N>& layout,
                                     TFieldValue TValues::*member) {
  for (const auto& field : layout)
    if (field.Value == member) return field;
  ThrowNoField();
}
}  // namespace layout_detail

// Builds the record: constants as they stand, Filler and Answer fields as blanks, the other
// fields from their value fitted to the width. A field without a value throws TLayoutError; an
// account or amount that does not fit throws TFieldDoesNotFit.
template <class TValues, std::size_t N>
std::string WriteRecord(const TRecordLayout<TValues, N>& layout, const TValues& values) {
  std::string record;
  record.reserve(static_cast<std::size_t>(LayoutWidth(layout)));
  for (const auto& field : layout) {
    switch (field.Fill) {
      case TFill::Constant:
        record += field.Text;
        break;
      case TFill::Filler:
      case TFill::Answer:
        record.append(static_cast<std::size_t>(field.Width), ' ');
        break;
      default: {
        const TFieldValue& value = values.*field.Value;
        if (!value) layout_detail::ThrowNoValue(field.Pos);
        record += FitField(field.Fill, field.Width, *value);
      }
    }
  }
  return record;
}

// The bytes of the field of a record read from a file; shorter (or empty) where the record ends
// early. Throws TLayoutError when the layout has no field for the member.
template <class TValues, std::size_t N>
std::string_view ReadField(const TRecordLayout<TValues, N>& layout, TFieldValue TValues::*member,
                           std::string_view record) {
  const auto& field = layout_detail::FieldOf(layout, member);
  const auto begin = static_cast<std::size_t>(field.Pos - 1);
  if (begin >= record.size()) return std::string_view();
  return record.substr(begin, static_cast<std::size_t>(field.Width));
}

// Every field of the record that has a value member, as ReadField gives it.
template <class TValues, std::size_t N>
TValues ReadRecord(const TRecordLayout<TValues, N>& layout, std::string_view record) {
  TValues values{};
  for (const auto& field : layout)
    if (field.Value != nullptr)
      values.*field.Value = std::string(ReadField(layout, field.Value, record));
  return values;
}

// Replaces the field of a record with the value fitted to its width, as the bank fills in its
// answer (an Answer field is fitted as Text). Throws TLayoutError for no such field or a record
// shorter than the field's end, TFieldDoesNotFit as WriteRecord does.
template <class TValues, std::size_t N>
void PutField(const TRecordLayout<TValues, N>& layout, TFieldValue TValues::*member,
              std::string& record, std::string_view value) {
  const auto& field = layout_detail::FieldOf(layout, member);
  const auto begin = static_cast<std::size_t>(field.Pos - 1);
  const auto width = static_cast<std::size_t>(field.Width);
  if (record.size() < begin + width) layout_detail::ThrowRecordTooShort(field.Pos);
  record.replace(begin, width, FitField(field.Fill, field.Width, value));
}

}  // namespace selvane
