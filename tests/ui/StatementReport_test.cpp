// The report "지급내역서" as a PDF, read back with poppler's pdftotext and pdffonts.
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <filesystem>

#include "UiTest.h"
#include "support/TempFolder.h"
#include "transfer/ui/paint/PrintDisPlay.h"

namespace selvane {
namespace {

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    qWarning() << program << arguments << process.readAllStandardError();
    return QString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& file) {
  QRegularExpression pages("^Pages:\\s+(\\d+)$", QRegularExpression::MultilineOption);
  auto match = pages.match(Run("pdfinfo", {file}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PageText(const QString& file, int page) {
  return Run("pdftotext",
             {"-layout", "-f", QString::number(page), "-l", QString::number(page), file, "-"});
}

// Korean words may lose their inner spacing in the text poppler reads back: compare without
// any blank.
QString Squeezed(const QString& text) {
  QString squeezed = text;
  squeezed.remove(QRegularExpression("\\s"));
  return squeezed;
}

// The serial numbers of the recipient rows of a page: every line whose second word is a name
// of the test rows ("수급자...").
QList<int> Serials(const QString& pageText) {
  QList<int> serials;
  for (const QString& line : pageText.split('\n')) {
    QStringList words = line.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    if (words.size() >= 2 && words[1].startsWith(QStringLiteral("수급자")))
      serials << words[0].toInt();
  }
  return serials;
}

QList<int> Range(int first, int last) {
  QList<int> numbers;
  for (int i = first; i <= last; ++i) numbers << i;
  return numbers;
}

TPaymentStatement Statement(int rows) {
  TPaymentStatement statement;
  statement.Heading = "역삼동-생계";
  for (int i = 0; i < rows; ++i) {
    TStatementRow row;
    row.Name = "수급자" + std::to_string(i + 1);
    row.Jumin = "700101-1234561";
    row.BankId = "04";
    row.BankName = "국민은행";
    row.BankNo = "123-4567-" + std::to_string(8900 + i);
    row.Monecy = TMoney::FromWon(i == 0 ? 1234567 : 10000);
    row.Result = i % 5 == 4 ? "9999" : "0000";
    row.ResultName = i % 5 == 4 ? "계좌없음" : "정상처리";
    statement.Totals.Add(row);
    statement.Rows.push_back(row);
  }
  return statement;
}

// A word of the text poppler reads back, with its box in points.
struct TWord {
  QString Text;
  double XMin = 0, XMax = 0;
};

QList<TWord> Words(const QString& file) {
  QList<TWord> words;
  QString html = Run("pdftotext", {"-bbox", file, "-"});
  QRegularExpression word(
      "<word xMin=\"([\\d.]+)\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" "
      "yMax=\"[\\d.]+\">([^<]*)</word>");
  for (auto it = word.globalMatch(html); it.hasNext();) {
    auto m = it.next();
    words << TWord{m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()};
  }
  return words;
}

double MmToPoints(double mm) {
  return mm * 72 / 25.4;
}

}  // namespace

class TestStatementReport : public QObject {
  Q_OBJECT

 private slots:
  void init() { folder_ = std::make_unique<test::TTempFolder>(); }
  void cleanup() { folder_.reset(); }

  // 25 rows, one page: numbered 1 to 25, the totals block with thousands separators.
  void onePageStatement() {
    TPaymentStatement statement = Statement(25);
    std::string error;
    QCOMPARE(WriteStatementPdf(statement, File("one.pdf"), error), 1);
    QCOMPARE(error, std::string());
    QCOMPARE(PdfPages(Q("one.pdf")), 1);
    QString text = PageText(Q("one.pdf"), 1);
    QCOMPARE(Serials(text), Range(1, 25));
    QString squeezed = Squeezed(text);
    QVERIFY(
        squeezed.startsWith(QStringLiteral("지급내역서동명:역삼동-생계연번성명주민등록번호은행"
                                           "계좌번호금액결과1수급자1700101-1234561국민은행"
                                           "123-4567-89001,234,567정상처리")));
    // 25 rows: 20 paid (1,234,567 + 19 x 10,000), 5 unpaid.
    QVERIFY(squeezed.contains(QStringLiteral("이체지급20건1,424,567원")));
    QVERIFY(squeezed.contains(QStringLiteral("계25건1,474,567원별도지급0건0원")));
    QVERIFY(squeezed.contains(QStringLiteral("미지급5건50,000원")));
    QVERIFY(squeezed.endsWith(QStringLiteral("-1-")));
  }

  // The preview paints the same report again on every update: each painting starts at 1.
  void everyPaintingNumbersFromOne() {
    TPaymentStatement statement = Statement(25);
    TFrmPrint report(statement);
    for (const char* name : {"first.pdf", "second.pdf"}) {
      QPdfWriter writer(Q(name));
      TFrmPrint::SetUpPage(writer);
      std::string error;
      QCOMPARE(report.Print(writer, error), 1);
    }
    QCOMPARE(Serials(PageText(Q("second.pdf"), 1)), Range(1, 25));
  }

  // Every page has the header and its own footer; rows never split, the totals come once.
  void severalPages() {
    TPaymentStatement statement = Statement(80);
    std::string error;
    QCOMPARE(WriteStatementPdf(statement, File("long.pdf"), error), 3);
    QCOMPARE(PdfPages(Q("long.pdf")), 3);
    const QList<int> expected[] = {Range(1, 34), Range(35, 68), Range(69, 80)};
    for (int page = 1; page <= 3; ++page) {
      QString text = PageText(Q("long.pdf"), page);
      QString squeezed = Squeezed(text);
      QVERIFY2(squeezed.startsWith(QStringLiteral("지급내역서동명:역삼동-생계연번성명주민등록번호"
                                                  "은행계좌번호금액결과")),
               qPrintable(text));
      QVERIFY(squeezed.endsWith(QStringLiteral("-%1-").arg(page)));
      QCOMPARE(Serials(text), expected[page - 1]);
      QCOMPARE(squeezed.contains(QStringLiteral("미지급16건")), page == 3);
    }
  }

  // The totals block goes to a page of its own (with the header) when it does not fit below
  // the last row.
  void pagination_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("lastFirst");
    QTest::addColumn<bool>("totalsAlone");
    QTest::newRow("30 rows and totals on one page") << 30 << 1 << 0 << false;
    QTest::newRow("31 rows push the totals over") << 31 << 2 << 31 << true;
    QTest::newRow("a full page") << 34 << 2 << 34 << true;
    QTest::newRow("one row on the second page") << 35 << 2 << 34 << false;
    QTest::newRow("three pages") << 80 << 3 << 68 << false;
  }
  void pagination() {
    QFETCH(int, rows);
    QFETCH(int, pages);
    QFETCH(int, lastFirst);
    QFETCH(bool, totalsAlone);
    TPaymentStatement statement = Statement(rows);
    QPdfWriter writer(Q("layout.pdf"));
    TFrmPrint::SetUpPage(writer);
    std::vector<TStatementPage> laid = TFrmPrint(statement).Pages(writer);
    QCOMPARE(static_cast<int>(laid.size()), pages);
    QCOMPARE(laid.back().First, lastFirst);
    QCOMPARE(laid.back().End, rows);
    QVERIFY(laid.back().Totals);
    QCOMPARE(laid.back().First == laid.back().End, totalsAlone);
    for (std::size_t i = 0; i + 1 < laid.size(); ++i) QVERIFY(!laid[i].Totals);
  }

  void totalsAlonePageStillHasTheHeader() {
    std::string error;
    QCOMPARE(WriteStatementPdf(Statement(34), File("full.pdf"), error), 2);
    QString squeezed = Squeezed(PageText(Q("full.pdf"), 2));
    QCOMPARE(squeezed, QStringLiteral("지급내역서동명:역삼동-생계연번성명주민등록번호은행계좌번호"
                                      "금액결과이체지급28건1,504,567원계34건1,564,567원별도지급0건"
                                      "0원미지급6건60,000원-2-"));
  }

  // A long name shrinks, or is cut with an ellipsis, inside its box.
  void longNamesStayInTheirBox() {
    TPaymentStatement statement = Statement(2);
    statement.Rows[0].Name = "가나다라마바사아자차";
    statement.Rows[1].Name = "WWWWWWWWWWWWWWWWWWWW";
    std::string error;
    QCOMPARE(WriteStatementPdf(statement, File("names.pdf"), error), 1);
    // The name column: 10 mm margin and the 12 mm serial column to its left, 32 mm wide.
    const double left = MmToPoints(22), right = MmToPoints(54);
    bool korean = false, latin = false;
    for (const TWord& word : Words(Q("names.pdf"))) {
      if (word.Text == QStringLiteral("가나다라마바사아자차")) korean = true;
      if (word.Text.startsWith("WWW")) {
        latin = true;
        QVERIFY2(word.Text.endsWith(QChar(0x2026)), qPrintable(word.Text));
      }
      if (word.Text == QStringLiteral("가나다라마바사아자차") || word.Text.startsWith("WWW")) {
        QVERIFY2(word.XMin >= left && word.XMax <= right,
                 qPrintable(QString("%1: %2-%3").arg(word.Text).arg(word.XMin).arg(word.XMax)));
      }
    }
    QVERIFY(korean);
    QVERIFY(latin);
  }

  void typefaceIsEmbedded() {
    std::string error;
    QCOMPARE(WriteStatementPdf(Statement(1), File("font.pdf"), error), 1);
    QRegularExpression embedded("^NanumGothic\\s+CID TrueType\\s+\\S+\\s+yes",
                                QRegularExpression::MultilineOption);
    QVERIFY(embedded.match(Run("pdffonts", {Q("font.pdf")})).hasMatch());
  }

  void fileThatCannotBeReplacedIsReported() {
    std::filesystem::create_directory(File("taken.pdf"));
    std::string error;
    QCOMPARE(WriteStatementPdf(Statement(3), File("taken.pdf"), error), 0);
    QCOMPARE(error, "PDF 파일을 쓸 수 없습니다: " + File("taken.pdf") + "\rIs a directory");
    QVERIFY(std::filesystem::is_empty(File("taken.pdf")));
  }

 private:
  std::string File(const char* name) const { return folder_->Path() + name; }
  QString Q(const char* name) const { return QString::fromStdString(File(name)); }

  std::unique_ptr<test::TTempFolder> folder_;
};

SELVANE_UI_TEST(TestStatementReport, "StatementReport");

}  // namespace selvane

#include "StatementReport_test.moc"
