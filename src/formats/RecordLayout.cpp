#include "formats/RecordLayout.h"

#include "core/TextRoutines.h"

namespace selvane {
namespace {

std::string_view ValueOf(TFieldValues values, std::string_view source) {
  for (const auto& [name, value] : values)
    if (name == source) return value;
  throw TLayoutError("no value for the record field " + std::string(source));
}

const TLayoutField& FieldOf(TRecordLayout layout, std::string_view source) {
  for (const auto& field : layout)
    if (field.Fill != TFill::Constant && field.Source == source) return field;
  throw TLayoutError("no record field " + std::string(source));
}

}  // namespace

std::string WriteRecord(TRecordLayout layout, TFieldValues values) {
  std::string record;
  record.reserve(static_cast<std::size_t>(LayoutWidth(layout)));
  for (const auto& field : layout) {
    switch (field.Fill) {
      case TFill::Constant:
        record += FixText(field.Source, field.Width, true);
        break;
      case TFill::Blank:
        record += Spaces(field.Width);
        break;
      case TFill::Blanks:
        record += FixText(ValueOf(values, field.Source), field.Width, true);
        break;
      case TFill::Zeros:
        record += FixNumber(ValueOf(values, field.Source), field.Width, false);
        break;
    }
  }
  return record;
}

std::string_view ReadField(TRecordLayout layout, std::string_view source, std::string_view record) {
  const TLayoutField& field = FieldOf(layout, source);
  std::size_t begin = static_cast<std::size_t>(field.Pos - 1);
  if (begin >= record.size()) return std::string_view();
  return record.substr(begin, static_cast<std::size_t>(field.Width));
}

void PutField(TRecordLayout layout, std::string_view source, std::string& record,
              std::string_view value) {
  const TLayoutField& field = FieldOf(layout, source);
  std::size_t begin = static_cast<std::size_t>(field.Pos - 1);
  std::size_t width = static_cast<std::size_t>(field.Width);
  if (record.size() < begin + width)
    throw TLayoutError("record too short for the field " + std::string(source));
  record.replace(begin, width, FixText(value, field.Width, true));
}

}  // namespace selvane
