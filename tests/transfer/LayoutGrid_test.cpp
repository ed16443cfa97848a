#include "transfer/LayoutGrid.h"

#include <gtest/gtest.h>

#include "core/Cp949.h"

namespace selvane {
namespace {

TEST(LayoutGridTest, CellsAndTheSaveRefusal) {
  EXPECT_EQ(LayoutCellValue(""), 0);
  EXPECT_EQ(LayoutCellValue("12"), 12);
  EXPECT_EQ(LayoutCellValue("-1"), -1);
  EXPECT_EQ(LayoutCellValue("1.5"), -1);
  EXPECT_EQ(LayoutCellValue("abc"), -1);

  TLayoutCells cells;
  EXPECT_EQ(LayoutCellsError(cells), std::nullopt);
  cells[3][1] = "x";
  cells[0][0] = "3";
  EXPECT_EQ(LayoutCellsError(cells), "\"주민번호\"의 \"크기\" 설정값이 적절하지 않습니다.");
  cells[0][0] = "-3";
  EXPECT_EQ(LayoutCellsError(cells), "\"은행코드\"의 \"시작\" 설정값이 적절하지 않습니다.");
  auto spans = LayoutSpans(cells);
  EXPECT_EQ(spans[0].Start, 0) << "unreadable counts 0";
  EXPECT_EQ(spans[3].Size, 0);
}

TEST(LayoutGridTest, SpansOfTheSampleCountBytesAndShowWholeCharacters) {
  std::string line = ToCp949("AB홍길동CD");  // A=1 B=2 홍=3-4 길=5-6 동=7-8 C=9 D=10
  struct TCase {
    int Start, Size;
    int Position, Length;
    const char* Text;
  } cases[] = {
      {1, 2, 0, 2, "AB"}, {3, 2, 2, 1, "홍"}, {3, 6, 2, 3, "홍길동"}, {4, 2, 3, 0, ""},
      {9, 5, 5, 2, "CD"}, {20, 3, 7, 0, ""},  {0, 3, 0, 0, ""},
  };
  for (const TCase& c : cases) {
    TSampleSpan span = SampleSpan(line, {c.Start, c.Size});
    EXPECT_EQ(span.Position, c.Position) << c.Start << '/' << c.Size;
    EXPECT_EQ(span.Length, c.Length) << c.Start << '/' << c.Size;
    EXPECT_EQ(span.Text, c.Text) << c.Start << '/' << c.Size;
  }
  TLayoutSpan marked = SelectionSpan(line, 2, 2);  // 홍길
  EXPECT_EQ(marked.Start, 3);
  EXPECT_EQ(marked.Size, 4);
  marked = SelectionSpan(line, 5, 1);  // C
  EXPECT_EQ(marked.Start, 9);
  EXPECT_EQ(marked.Size, 1);
}

TEST(LayoutGridTest, RulerMarksEveryTenthColumn) {
  auto ruler = SampleRuler();
  ASSERT_EQ(ruler[0].size(), 80u);
  EXPECT_EQ(ruler[0].substr(0, 20), "         1         2");
  EXPECT_EQ(ruler[0].substr(70), "         8");
  EXPECT_EQ(ruler[1].substr(0, 12), "123456789012");
  EXPECT_EQ(ruler[1].back(), '0');
}

}  // namespace
}  // namespace selvane
