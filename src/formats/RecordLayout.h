// A fixed-width record described once, as the table of its fields: 1-based position, width,
// fill and source. Writers build records from the table and readers take fields out of it by
// source name, so that no offset is written twice. Records are CP949 bytes; every field goes
// through FixText or FixNumber.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace selvane {

enum class TFill {
  Constant,  // the source is the text itself
  Blanks,    // left-justified, blank-filled, cut to its first bytes
  Zeros,     // right-justified, zero-filled, cut to its first bytes
  Blank,     // written as blanks; the source names what the bank's answer puts there
};

struct TLayoutField {
  int Pos;
  int Width;
  TFill Fill;
  std::string_view Source;
};

using TRecordLayout = std::span<const TLayoutField>;

// A record layout that is not a gap-free run of fields from position 1 is a programming error.
class TLayoutError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Width of the record: the end of its last field; 0 when the fields do not follow each other
// from position 1 without gap or overlap.
constexpr int LayoutWidth(TRecordLayout layout) {
  int next = 1;
  for (const auto& field : layout) {
    if (field.Pos != next || field.Width <= 0) return 0;
    if (field.Fill == TFill::Constant && static_cast<int>(field.Source.size()) != field.Width)
      return 0;
    next += field.Width;
  }
  return next - 1;
}

// Two layouts as one: the second continues where the first ends.
template <std::size_t N, std::size_t M>
constexpr std::array<TLayoutField, N + M> JoinLayouts(const std::array<TLayoutField, N>& head,
                                                      const std::array<TLayoutField, M>& tail) {
  std::array<TLayoutField, N + M> joined{};
  for (std::size_t i = 0; i < N; ++i) joined[i] = head[i];
  for (std::size_t i = 0; i < M; ++i) joined[N + i] = tail[i];
  return joined;
}

// The values of one record by source name, as CP949 bytes.
using TFieldValues = std::initializer_list<std::pair<std::string_view, std::string_view>>;

// Builds the record: constants as they stand, Blank fields as blanks, the other fields from the
// value of their source fitted to the width. A source without a value throws TLayoutError.
std::string WriteRecord(TRecordLayout layout, TFieldValues values);

// The bytes of the field named source in a record read from a file; shorter (or empty) where
// the record ends early. Throws TLayoutError when the layout has no such field.
std::string_view ReadField(TRecordLayout layout, std::string_view source, std::string_view record);

// Replaces the field named source of a record with the value fitted to its width (blanks on the
// right), as the bank fills in its answer. Throws TLayoutError for no such field or a record
// shorter than the field's end.
void PutField(TRecordLayout layout, std::string_view source, std::string& record,
              std::string_view value);

}  // namespace selvane
