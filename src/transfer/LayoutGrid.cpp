#include "transfer/LayoutGrid.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"

namespace selvane {
namespace {

// The screen characters of the first bytes of a CP949 line (whole characters only).
int CharactersIn(const std::string& cp949Line, std::size_t bytes) {
  std::size_t whole = Cp949WholePrefix(cp949Line, std::min(bytes, cp949Line.size()));
  int count = 0;
  for (std::size_t i = 0; i < whole;) {
    i += static_cast<unsigned char>(cp949Line[i]) >= 0x81 && i + 1 < whole ? 2 : 1;
    ++count;
  }
  return count;
}

std::string RemoveBlanks(const char* title) {
  return RemoveChar(title, ' ');
}

}  // namespace

int LayoutCellValue(const std::string& text) {
  if (text.empty()) return 0;
  if (!IsAllDigits(text) || text.size() > 6) return -1;
  return std::stoi(text);
}

std::optional<std::string> LayoutCellsError(const TLayoutCells& cells) {
  for (std::size_t row = 0; row < cells.size(); ++row)
    for (std::size_t col = 0; col < 2; ++col)
      if (LayoutCellValue(cells[row][col]) < 0)
        return "\"" + RemoveBlanks(kLayoutRowTitles[row]) + "\"의 \"" +
               RemoveBlanks(kLayoutColumnTitles[col + 1]) + "\" 설정값이 적절하지 않습니다.";
  return std::nullopt;
}

std::array<TLayoutSpan, 5> LayoutSpans(const TLayoutCells& cells) {
  std::array<TLayoutSpan, 5> spans;
  for (std::size_t row = 0; row < cells.size(); ++row) {
    spans[row].Start = std::max(0, LayoutCellValue(cells[row][0]));
    spans[row].Size = std::max(0, LayoutCellValue(cells[row][1]));
  }
  return spans;
}

TSampleSpan SampleSpan(const std::string& cp949Line, const TLayoutSpan& span) {
  TSampleSpan result;
  if (span.Start < 1 || span.Size < 1) return result;
  std::size_t first = static_cast<std::size_t>(span.Start) - 1;
  if (first >= cp949Line.size()) {
    result.Position = CharactersIn(cp949Line, cp949Line.size());
    return result;
  }
  std::size_t last = std::min(cp949Line.size(), first + static_cast<std::size_t>(span.Size));
  // A span that starts on the second byte of a character begins with the next one.
  int before = CharactersIn(cp949Line, first);
  std::size_t wholeBefore = Cp949WholePrefix(cp949Line, first);
  if (wholeBefore < first) {
    ++before;
    first = wholeBefore + 2;
  }
  result.Position = before;
  if (first >= last) return result;
  result.Text = FromCp949Field(cp949Line.substr(first, last - first));
  result.Length = CharactersIn(cp949Line, last) - before;
  return result;
}

TLayoutSpan SelectionSpan(const std::string& cp949Line, int position, int length) {
  std::string text = SampleText(cp949Line);
  // Offsets in UTF-8 of the character positions.
  auto offsetOf = [&](int characters) {
    std::size_t i = 0;
    for (int n = 0; i < text.size() && n < characters; ++n) {
      ++i;
      while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
    }
    return i;
  };
  std::size_t from = offsetOf(position);
  std::size_t to = offsetOf(position + length);
  TLayoutSpan span;
  span.Start = static_cast<int>(ToCp949(text.substr(0, from)).size()) + 1;
  span.Size = static_cast<int>(ToCp949(text.substr(from, to - from)).size());
  return span;
}

std::string SampleText(const std::string& cp949Line) {
  return FromCp949Field(cp949Line);
}

std::array<std::string, 2> SampleRuler() {
  std::string tens, units;
  for (int column = 1; column <= 80; ++column) {
    tens += column % 10 == 0 ? static_cast<char>('0' + column / 10 % 10) : ' ';
    units += static_cast<char>('0' + column % 10);
  }
  return {tens, units};
}

}  // namespace selvane
