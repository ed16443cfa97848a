// The report "지급내역서" (payment statement) of a prepared statement, drawn onto any paged paint
// device, so that the print preview, a printer and a PDF file show the same pages: the header
// (title, dong and item, boxed column titles) on every page, one boxed row per recipient that
// never splits across pages, the totals block once after the last row, and "- n -" at the foot.
#pragma once

#include <string>
#include <vector>

#include "transfer/PaymentStatement.h"

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace selvane {

// The rows [First, End) of one page, and whether the totals block closes it.
struct TStatementPage {
  int First = 0;
  int End = 0;
  bool Totals = false;
};

class TFrmPrint {
 public:
  // The statement must outlive the report.
  explicit TFrmPrint(const TPaymentStatement& statement);

  // A4 portrait with margins of 10 mm on all sides: the page the report is laid out for.
  static void SetUpPage(QPagedPaintDevice& device);

  // The pages on the device's printable area.
  std::vector<TStatementPage> Pages(const QPagedPaintDevice& device) const;

  // Draws every page; returns their number, or 0 with the reason when the device cannot be
  // painted on.
  int Print(QPagedPaintDevice& device, std::string& error);

 private:
  struct TGeometry;
  void DrawHeader(QPainter& painter, const TGeometry& g) const;
  void DrawRow(QPainter& painter, const TGeometry& g, int index, double top) const;
  void DrawTotals(QPainter& painter, const TGeometry& g, double top) const;
  void DrawFooter(QPainter& painter, const TGeometry& g, int pageNumber) const;

  const TPaymentStatement& statement_;
};

// Writes the statement as a PDF file with its typeface embedded; the file is replaced only once
// the whole document is made. Returns the pages, or 0 with the reason.
int WriteStatementPdf(const TPaymentStatement& statement, const std::string& fileName,
                      std::string& error);

}  // namespace selvane
