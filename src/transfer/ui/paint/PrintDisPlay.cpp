#include "transfer/ui/paint/PrintDisPlay.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "core/FileRoutines.h"
#include "core/WaitMsg.h"
#include "transfer/ui/paint/ReportFont.h"

namespace selvane {
namespace {

// Positions in millimetres from the top left of the printable area.
constexpr double kTitleHeight = 12;
constexpr double kHeadingTop = 13;
constexpr double kHeadingHeight = 7;
constexpr double kTitlesTop = 21;
constexpr double kTitlesHeight = 8;
constexpr double kRowsTop = kTitlesTop + kTitlesHeight;
constexpr double kRowHeight = 7;
constexpr double kFooterHeight = 6;
constexpr double kFooterGap = 2;
constexpr double kTotalsGap = 3;
constexpr double kTotalsHeight = kTotalsGap + 3 * kRowHeight;
constexpr double kCellPadding = 1;
constexpr double kLineWidth = 0.2;
// A text shrinks to this share of its size before it is cut.
constexpr double kSmallestShrink = 0.7;

constexpr double kTitlePoints = 20;
constexpr double kTextPoints = 9;

struct TColumn {
  const char* Title;
  double Width;  // of 190 mm
  Qt::Alignment Align;
};
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;
const TColumn kColumns[] = {
    {"연번", 12, kRight},
    {"성              명", 32, kCentre},
    {"주 민 등 록 번 호", 32, kCentre},
    {"은         행", 24, kCentre},
    {"계   좌   번   호", 40, kCentre},
    {"금        액", 28, kRight},
    {"결   과", 22, kLeft},
};
constexpr int kColumnCount = sizeof(kColumns) / sizeof(kColumns[0]);
constexpr double kColumnsWidth = 190;

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The text in the box at the alignment, vertically centred. Blanks are left as gaps and never
// drawn: the typeface's blank glyph reads back from a PDF as a control character, so copied text
// and text searches would break on it.
void DrawText(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment align,
              const QFont& font) {
  painter.setFont(font);
  QFontMetricsF metrics(font, painter.device());
  const double width = metrics.horizontalAdvance(text);
  double x = box.left();
  if (align & Qt::AlignRight)
    x = box.right() - width;
  else if (align & Qt::AlignHCenter)
    x = box.left() + (box.width() - width) / 2;
  const double baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
  for (qsizetype start = 0; start < text.size();) {
    if (text[start] == QLatin1Char(' ')) {
      ++start;
      continue;
    }
    qsizetype end = text.indexOf(QLatin1Char(' '), start);
    if (end < 0) end = text.size();
    painter.drawText(QPointF(x + metrics.horizontalAdvance(text.left(start)), baseline),
                     text.mid(start, end - start));
    start = end;
  }
}

// The text in the box: shrunk when it is too wide, cut with an ellipsis when shrinking is not
// enough, never drawn outside the box.
void DrawFitted(QPainter& painter, const QRectF& box, const QString& text, Qt::Alignment align,
                QFont font, double padding) {
  QRectF inner = box.adjusted(padding, 0, -padding, 0);
  QString shown = text;
  QFontMetricsF metrics(font, painter.device());
  double width = metrics.horizontalAdvance(text);
  if (width > inner.width() && width > 0) {
    font.setPointSizeF(font.pointSizeF() * std::max(kSmallestShrink, inner.width() / width));
    QFontMetricsF smaller(font, painter.device());
    if (smaller.horizontalAdvance(text) > inner.width())
      shown = smaller.elidedText(text, Qt::ElideRight, inner.width());
  }
  DrawText(painter, inner, shown, align, font);
}

QString Cases(int count) {
  return QString::number(count) + QStringLiteral(" 건");
}
QString Won(TMoney amount) {
  return Q(amount.ToGroupedText()) + QStringLiteral(" 원");
}

}  // namespace

// The printable area in millimetres and the device's pixels per millimetre.
struct TFrmPrint::TGeometry {
  double PixelsPerMmX = 1;
  double PixelsPerMmY = 1;
  double Width = kColumnsWidth;
  double Height = 277;
  double ColumnLeft[kColumnCount + 1] = {};

  explicit TGeometry(const QPagedPaintDevice& device) {
    PixelsPerMmX = device.logicalDpiX() / 25.4;
    PixelsPerMmY = device.logicalDpiY() / 25.4;
    Width = device.width() / PixelsPerMmX;
    Height = device.height() / PixelsPerMmY;
    double left = 0;
    for (int i = 0; i < kColumnCount; ++i) {
      ColumnLeft[i] = left;
      left += kColumns[i].Width * Width / kColumnsWidth;
    }
    ColumnLeft[kColumnCount] = Width;
  }

  double RowsBottom() const { return Height - kFooterHeight - kFooterGap; }
  int RowsPerPage() const {
    return std::max(1, static_cast<int>((RowsBottom() - kRowsTop) / kRowHeight));
  }
  QRectF Rect(double x, double y, double w, double h) const {
    return QRectF(x * PixelsPerMmX, y * PixelsPerMmY, w * PixelsPerMmX, h * PixelsPerMmY);
  }
  QRectF Cell(int column, double top, double height) const {
    return Rect(ColumnLeft[column], top, ColumnLeft[column + 1] - ColumnLeft[column], height);
  }
  double Padding() const { return kCellPadding * PixelsPerMmX; }
};

TFrmPrint::TFrmPrint(const TPaymentStatement& statement) : statement_(statement) {}

void TFrmPrint::SetUpPage(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
}

std::vector<TStatementPage> TFrmPrint::Pages(const QPagedPaintDevice& device) const {
  TGeometry g(device);
  const int perPage = g.RowsPerPage();
  const int rows = static_cast<int>(statement_.Rows.size());
  std::vector<TStatementPage> pages;
  int first = 0;
  do {
    TStatementPage page{first, std::min(rows, first + perPage), false};
    if (page.End == rows) {
      double used = kRowsTop + (page.End - page.First) * kRowHeight;
      page.Totals = used + kTotalsHeight <= g.RowsBottom();
    }
    pages.push_back(page);
    first = page.End;
  } while (first < rows);
  // The totals block never splits either: it gets a page of its own when the last one is full.
  if (!pages.back().Totals) pages.push_back({rows, rows, true});
  return pages;
}

int TFrmPrint::Print(QPagedPaintDevice& device, std::string& error) {
  if (!LoadReportFont(error)) return 0;
  std::vector<TStatementPage> pages = Pages(device);
  TGeometry g(device);
  QPainter painter;
  if (!painter.begin(&device)) {
    error = "지급내역서를 출력할 수 없습니다: 출력 장치를 열 수 없습니다.";
    return 0;
  }
  QPen pen(Qt::black);
  pen.setWidthF(kLineWidth * g.PixelsPerMmX);
  painter.setPen(pen);
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0 && !device.newPage()) {
      painter.end();
      error = "지급내역서를 출력할 수 없습니다: 새 쪽을 만들 수 없습니다.";
      return 0;
    }
    DrawHeader(painter, g);
    double top = kRowsTop;
    for (int i = pages[p].First; i < pages[p].End; ++i, top += kRowHeight)
      DrawRow(painter, g, i, top);
    if (pages[p].Totals) DrawTotals(painter, g, top + kTotalsGap);
    DrawFooter(painter, g, static_cast<int>(p) + 1);
  }
  if (!painter.end()) {
    error = "지급내역서를 출력할 수 없습니다.";
    return 0;
  }
  return static_cast<int>(pages.size());
}

void TFrmPrint::DrawHeader(QPainter& painter, const TGeometry& g) const {
  DrawText(painter, g.Rect(0, 0, g.Width, kTitleHeight), QStringLiteral("지급 내역서"), kCentre,
           ReportFont(kTitlePoints, true));
  DrawFitted(painter, g.Rect(0, kHeadingTop, g.Width, kHeadingHeight),
             QStringLiteral("동명 : ") + Q(statement_.Heading), kLeft, ReportFont(10), 0);
  const QFont bold = ReportFont(kTextPoints, true);
  for (int c = 0; c < kColumnCount; ++c) {
    QRectF cell = g.Cell(c, kTitlesTop, kTitlesHeight);
    painter.drawRect(cell);
    DrawFitted(painter, cell, QString::fromUtf8(kColumns[c].Title), kCentre, bold, g.Padding());
  }
}

void TFrmPrint::DrawRow(QPainter& painter, const TGeometry& g, int index, double top) const {
  const TStatementRow& row = statement_.Rows[static_cast<std::size_t>(index)];
  const QString texts[kColumnCount] = {
      QString::number(index + 1),
      Q(row.Name),
      Q(row.Jumin),
      Q(row.BankName),
      Q(row.BankNo),
      Q(row.Monecy.ToGroupedText()),
      Q(row.ResultName),
  };
  const QFont font = ReportFont(kTextPoints);
  for (int c = 0; c < kColumnCount; ++c) {
    QRectF cell = g.Cell(c, top, kRowHeight);
    painter.drawRect(cell);
    DrawFitted(painter, cell, texts[c], kColumns[c].Align, font, g.Padding());
  }
}

void TFrmPrint::DrawTotals(QPainter& painter, const TGeometry& g, double top) const {
  const TStatementTotals& t = statement_.Totals;
  const QFont font = ReportFont(kTextPoints);
  const QFont bold = ReportFont(kTextPoints, true);
  const double pad = g.Padding();
  auto box = [&](double x, double y, double w, double h, const QString& text, Qt::Alignment align,
                 const QFont& f) {
    QRectF cell = g.Rect(x, y, w, h);
    painter.drawRect(cell);
    DrawFitted(painter, cell, text, align, f, pad);
  };
  // Left: everything printed; right: how it was paid. Widths are shares of the page width.
  const double unit = g.Width / kColumnsWidth;
  const double height = 3 * kRowHeight;
  box(0, top, 16 * unit, height, QStringLiteral("계"), kCentre, bold);
  box(16 * unit, top, 24 * unit, height, Cases(t.Count), kRight, font);
  box(40 * unit, top, 48 * unit, height, Won(t.Amount), kRight, font);

  struct TLine {
    const char* Label;
    int Count;
    TMoney Amount;
  };
  const TLine lines[3] = {{"이체지급", t.PaidCount, t.PaidAmount},
                          {"별도지급", 0, TMoney()},
                          {"미 지 급", t.UnpaidCount, t.UnpaidAmount}};
  double y = top;
  for (const TLine& line : lines) {
    box(96 * unit, y, 24 * unit, kRowHeight, QString::fromUtf8(line.Label), kCentre, bold);
    box(120 * unit, y, 24 * unit, kRowHeight, Cases(line.Count), kRight, font);
    box(144 * unit, y, 46 * unit, kRowHeight, Won(line.Amount), kRight, font);
    y += kRowHeight;
  }
}

void TFrmPrint::DrawFooter(QPainter& painter, const TGeometry& g, int pageNumber) const {
  DrawText(painter, g.Rect(0, g.Height - kFooterHeight, g.Width, kFooterHeight),
           QStringLiteral("- %1 -").arg(pageNumber), kCentre, ReportFont(kTextPoints));
}

int WriteStatementPdf(const TPaymentStatement& statement, const std::string& fileName,
                      std::string& error) {
  QByteArray bytes;
  int pages = 0;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("지급내역서"));
    writer.setCreator(QString::fromUtf8(kProgramTitle));
    writer.setResolution(600);
    TFrmPrint::SetUpPage(writer);
    pages = TFrmPrint(statement).Print(writer, error);
  }
  if (pages == 0) return 0;
  std::string reason;
  if (!ReplaceFileAtomically(fileName, bytes.toStdString(), reason)) {
    error = "PDF 파일을 쓸 수 없습니다: " + fileName + "\r" + reason;
    return 0;
  }
  return pages;
}

}  // namespace selvane
