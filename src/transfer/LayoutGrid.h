// The position grid of the layout window: five items with a start and a size each, as typed
// text, and how a span of the first sample line maps onto the characters shown on screen.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "transfer/LayoutConversion.h"

namespace selvane {

inline constexpr std::array<const char*, 5> kLayoutRowTitles = {
    "은 행 코 드", "계 좌 번 호", "금       액", "주 민 번 호", "이       름"};
inline constexpr std::array<const char*, 4> kLayoutColumnTitles = {" ", "시작", "크기", "내   용"};

// Start and size of each item as typed.
using TLayoutCells = std::array<std::array<std::string, 2>, 5>;

// A typed start or size: empty is 0, a text that is not a whole number -1.
int LayoutCellValue(const std::string& text);

// The refusal of a save: the first cell that is not empty and not a whole number of 0 or more,
// as the message to show; nullopt when every cell is fine.
std::optional<std::string> LayoutCellsError(const TLayoutCells& cells);

// The spans of the cells, a cell that cannot be read counting 0.
std::array<TLayoutSpan, 5> LayoutSpans(const TLayoutCells& cells);

// A span of a CP949 sample line as shown on screen: the position and length in characters of
// the UTF-8 text, and that text. Bytes past the line's end are not there; a half character at
// either edge is left out.
struct TSampleSpan {
  int Position = 0;
  int Length = 0;
  std::string Text;
};
TSampleSpan SampleSpan(const std::string& cp949Line, const TLayoutSpan& span);

// The byte span of a selection of the first sample line, given in characters of its screen text.
TLayoutSpan SelectionSpan(const std::string& cp949Line, int position, int length);

// A CP949 sample line for the screen, a half character at its end dropped.
std::string SampleText(const std::string& cp949Line);

// The two ruler lines over the sample: the tens digit above every tenth column, then the unit
// digit of every column, columns 1 to 80.
std::array<std::string, 2> SampleRuler();

}  // namespace selvane
