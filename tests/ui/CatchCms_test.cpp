// The layout window: the position grid, marking in the sample, and the conversion.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QToolButton>

#include "OrderFixture.h"
#include "UiTest.h"
#include "core/Cp949.h"
#include "core/TransferState.h"
#include "transfer/ui/CatchCms.h"

namespace selvane {
namespace {

// A cell of the position grid; a missing cell compares unequal instead of crashing the run.
QString Cell(const QTableWidget& grid, int row, int col) {
  const QTableWidgetItem* item = grid.item(row, col);
  return item ? item->text() : QStringLiteral("<no cell>");
}

}  // namespace

class TestCatchCms : public QObject, private test::TOrderFixture {
  Q_OBJECT

 private slots:
  void init() { SetUp(); }
  void cleanup() { TearDown(); }

  void jejuOrderHidesTheFundCategoryAndConvertsWithoutIt() {
    AddOrder(2, "01", "35", Waiting);
    // Bank 1-2, account 4-14, amount 16-22, resident 23-36, name 38-43; a blank last line.
    AddLayout("탭", 0, {{1, 2}, {4, 11}, {16, 7}, {23, 14}, {38, 6}});
    AnswerFileDialogs(folder_->WriteFile(
        "cms.txt", "3  12345678901 1,000  800101-1234560 " + ToCp949("홍길동") + "\r\n\r\n"));
    TfmCatchCMS form(*dm_);
    form.show();
    QVERIFY(!form.cb_JaGubun->isVisible());
    QTest::mouseClick(form.BtnOpenDlg, Qt::LeftButton);
    QCOMPARE(form.Memo->toPlainText().section('\n', 0, 0),
             QString("3  12345678901 1,000  800101-1234560 홍길동"));
    QCOMPARE(Cell(*form.Grid, 5, 3), QString("홍길동"));
    QTest::mouseClick(form.BtnConvert, Qt::LeftButton);
    QCOMPARE(Texts(), QStringList{"총 1 건의 자료가 변환되었습니다."});
    QCOMPARE(dm_->TB_TransSub.RecordCount(), 1);
    dm_->TB_TransSub.First();
    QCOMPARE(dm_->TB_TransSub.FieldByName("BankId").AsString(), std::string("03"));
    QCOMPARE(dm_->TB_TransSub.FieldByName("Monecy").AsMoney(), TMoney::FromWon(1000));
    QVERIFY(dm_->TB_TransSub.FieldByName("JaGubun").IsNull());
  }

  void nongHyupOrderWantsTheFundCategoryFirst() {
    AddOrder(1, "01", "12", Waiting);
    AddLayout("탭", 0, {{1, 2}, {4, 11}, {16, 7}, {23, 14}, {38, 6}});
    AnswerFileDialogs(folder_->WriteFile("cms.txt", "04 123456789012\r\n"));
    TfmCatchCMS form(*dm_);
    form.show();
    QVERIFY(form.cb_JaGubun->isVisible());
    QTest::mouseClick(form.BtnConvert, Qt::LeftButton);
    QCOMPARE(Texts(), QStringList{"자금구분을 선택하신후에 하십시오."});
    QCOMPARE(form.FileName(), folder_->Path() + std::string("cms.txt"));  // the chosen file is kept
    QCOMPARE(dm_->TB_TransSub.RecordCount(), 0);
  }

  void gridRefusesBadCellsAndTakesMarksFromTheSample() {
    AddOrder(1, "01", "12", Waiting);
    AddLayout("고정", 0, {{1, 2}, {4, 20}, {25, 9}, {35, 13}, {49, 20}});
    AnswerFileDialogs(folder_->WriteFile("sample.txt", "04 123456789012 ABC\r\n"));
    TfmCatchCMS form(*dm_);
    form.show();
    QTest::mouseClick(form.BtnOpenDlg, Qt::LeftButton);
    QCOMPARE(Cell(*form.Grid, 1, 3), QString("04"));

    QTest::mouseClick(form.BtnEdit, Qt::LeftButton);
    QCOMPARE(form.Mode(), TEditMode::Edit);
    QVERIFY(!form.BtnConvert->isEnabled());
    QVERIFY(!form.BtnExit->isEnabled());
    form.Grid->setCurrentCell(2, 1);
    QVERIFY(form.Grid->item(2, 1) != nullptr);
    form.Grid->item(2, 1)->setText("x");
    QCOMPARE(Cell(*form.Grid, 2, 3), QString("설정값 오류 !!"));
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(Texts(), QStringList{"\"계좌번호\"의 \"시작\" 설정값이 적절하지 않습니다."});
    QCOMPARE(form.Mode(), TEditMode::Edit);

    // Ctrl and the mouse over the sample set the current row's start and size.
    QTextCursor cursor(form.Memo->document());
    cursor.setPosition(3);
    cursor.setPosition(15, QTextCursor::KeepAnchor);
    form.Memo->setTextCursor(cursor);
    form.MemoMouseUp(false);
    QCOMPARE(Cell(*form.Grid, 2, 1), QString("x"));  // not without Ctrl
    form.MemoMouseUp(true);
    QCOMPARE(Cell(*form.Grid, 2, 1), QString("4"));
    QCOMPARE(Cell(*form.Grid, 2, 2), QString("12"));
    QCOMPARE(Cell(*form.Grid, 2, 3), QString("123456789012"));
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(form.Mode(), TEditMode::Browse);
    QCOMPARE(dm_->TB_Cath.FieldByName("AccPos").AsInteger(), 4);
    QCOMPARE(dm_->TB_Cath.FieldByName("AccLen").AsInteger(), 12);
  }

  void deletingTheLastLayoutDisablesItsButtons() {
    AddOrder(1, "01", "12", Waiting);
    AddLayout("고정", 0, {{1, 2}});
    TfmCatchCMS form(*dm_);
    form.show();
    QVERIFY(form.BtnConvert->isEnabled());
    msg_->QueueAnswer(true);
    QTest::mouseClick(form.BtnDelete, Qt::LeftButton);
    QCOMPARE(Texts(), QStringList{"삭제하시겠습니까 ?"});
    QVERIFY(dm_->TB_Cath.IsEmpty());
    for (QToolButton* button : {form.BtnEdit, form.BtnDelete, form.BtnConvert, form.BtnOpenDlg})
      QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
    QVERIFY(form.BtnInsert->isEnabled());
  }
};

SELVANE_UI_TEST(TestCatchCms, "CatchCms");

}  // namespace selvane

#include "CatchCms_test.moc"
