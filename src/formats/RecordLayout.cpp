#include "formats/RecordLayout.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"

namespace selvane {

TFieldDoesNotFit::TFieldDoesNotFit(TFill fill, std::string value, int width)
    : std::runtime_error((fill == TFill::Account ? "account" : "amount") + std::string(" \"") +
                         value + "\" is longer than its field of " + std::to_string(width)),
      Fill(fill),
      Value(std::move(value)),
      Width(width) {}

std::string FitField(TFill fill, int width, std::string_view value) {
  const auto size = static_cast<std::size_t>(width);
  switch (fill) {
    case TFill::Account:
    case TFill::Amount:
      if (value.size() > size) throw TFieldDoesNotFit(fill, std::string(value), width);
      return fill == TFill::Account ? FixText(value, width, true) : FixNumber(value, width, false);
    case TFill::Number:
      return FixNumber(value, width, false);
    case TFill::LeftZeros:
      return FixNumber(value, width, true);
    case TFill::SumTail:
      return FixNumber(value.size() > size ? value.substr(value.size() - size) : value, width,
                       false);
    default:
      // Half a character would make the bank's file invalid text: the cut stops before it and
      // the blank fill takes the freed byte.
      return FixText(value.substr(0, Cp949WholePrefix(value, size)), width, true);
  }
}

namespace layout_detail {

void ThrowNoValue(int pos) {
  throw TLayoutError("no value for the record field at position " + std::to_string(pos));
}

void ThrowNoField() {
  throw TLayoutError("the record layout has no such field");
}

void ThrowRecordTooShort(int pos) {
  throw TLayoutError("record too short for the field at position " + std::to_string(pos));
}

}  // namespace layout_detail
}  // namespace selvane
