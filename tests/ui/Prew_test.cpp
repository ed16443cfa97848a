// The selection window of the payment statement, driven offscreen, and the main window's "출력".
#include <QAction>
#include <QComboBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "UiTest.h"
#include "core/Cp949.h"
#include "core/ui/Main.h"
#include "support/TempFolder.h"
#include "transfer/ui/Prew.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

QStringList Texts(const test::TScriptedWaitMsg& messages) {
  QStringList texts;
  for (const auto& m : messages.Messages()) texts << QString::fromStdString(m.Kind + ": " + m.Text);
  return texts;
}

}  // namespace

class TestPrew : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program_ = std::make_unique<test::TMainProgram>();
    TDatabase& db = program_->dm_.Database;
    db.Execute(
        "INSERT INTO TBManager (DongID, DongNm) VALUES ('0002', '삼성동'), ('0001', '역삼동')");
    db.Execute(
        "INSERT INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES ('01', '생계'), ('02', '주거')");
    db.Execute(
        "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, "
        "Name, State, Result) VALUES "
        "(1, '0001', '01', '04', '123-4567-8901', '700101-1234561', 150000, '홍길동', 3, '0000'), "
        "(1, '0001', '01', '04', '100-01-0000-123', '800202-2345671', 2500, '김영희', 3, '9999'), "
        "(1, '0002', '01', '04', '555-66', '650315-1234560', 98000, '박철수', 2, NULL)");
    program_->dm_.CommitAllTables();
  }
  void cleanup() { program_.reset(); }

  void showsTheDongsItemsAndChoices() {
    TFrmPrew form(program_->dm_);
    QCOMPARE(form.windowTitle(), QStringLiteral("선택출력"));
    QCOMPARE(Items(*form.CmbDong), (QStringList{"전체동", "역삼동", "삼성동"}));
    QCOMPARE(Items(*form.CmbItem), (QStringList{"생계", "주거"}));
    QCOMPARE(form.CmbDong->currentText(), QString());
    QCOMPARE(form.CmbItem->currentText(), QString());
    QStringList choices;
    for (QRadioButton* choice : form.Choices) choices << choice->text();
    QCOMPARE(choices,
             (QStringList{"모든자료 전체", "선택 동,항목 전체자료", "선택 동,항목 이체자료",
                          "선택 동,항목 불능자료", "선택동", "선택항목"}));
    QVERIFY(form.Choices[0]->isChecked());
    QCOMPARE(form.BtnPrint->text(), QStringLiteral("출력"));
    QCOMPARE(form.BtnClose->text(), QStringLiteral("닫기"));
  }

  void leavingAFieldLooksUpItsCode() {
    TFrmPrew form(program_->dm_);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.CmbDong->setFocus();
    form.CmbDong->setCurrentText("삼성동");
    form.CmbItem->setFocus();
    QCOMPARE(form.DongCode, std::string("0002"));
    form.CmbItem->setCurrentText("주거");
    form.BtnPrint->setFocus();
    QCOMPARE(form.ItemCode, std::string("02"));
    form.CmbDong->setFocus();
    form.CmbDong->setCurrentText("전체동");
    form.BtnClose->setFocus();
    QCOMPARE(form.DongCode, std::string("0000"));
  }

  void printWithoutDongOrItemAsksForThem() {
    TFrmPrew form(program_->dm_);
    form.CmbItem->setCurrentText("생계");
    program_->messages_.QueueAsk(mrOk);
    QTest::mouseClick(form.BtnPrint, Qt::LeftButton);
    QCOMPARE(Texts(program_->messages_), QStringList{"ask: 동 및 항목을 선택하여주세요"});
    QCOMPARE(form.ItemCode, std::string("01"));
    QCOMPARE(form.DongCode, std::string());
    QVERIFY(!fs::exists(ExeDir + "생계Error.Txt"));
  }

  // Entry 4 with every dong finds nothing; the empty unpaid list is still written.
  void nothingToPrintIsSaid() {
    TFrmPrew form(program_->dm_);
    form.CmbDong->setCurrentText("전체동");
    form.CmbItem->setCurrentText("생계");
    form.Choices[4]->setChecked(true);
    QTest::mouseClick(form.BtnPrint, Qt::LeftButton);
    QCOMPARE(Texts(program_->messages_),
             QStringList{"info: 출력할 조건에 맞는 자료가 존재 하지 않습니다."});
    QCOMPARE(test::TTempFolder::ReadFile(ExeDir + "전체동생계Error.Txt"), std::string());
  }

  // The unpaid ones of every dong: the preview shows one page; the list holds both of them.
  void printShowsThePreviewAndWritesTheUnpaidList() {
    TFrmPrew form(program_->dm_);
    form.CmbDong->setCurrentText("전체동");
    form.CmbItem->setCurrentText("생계");
    form.Choices[3]->setChecked(true);
    int pages = -1;
    test::WhenModal<QPrintPreviewDialog>([&pages](QPrintPreviewDialog& preview) {
      auto* widget = preview.findChild<QPrintPreviewWidget*>();
      QVERIFY(widget != nullptr);
      pages = widget->pageCount();
      preview.reject();
    });
    QTest::mouseClick(form.BtnPrint, Qt::LeftButton);
    QCOMPARE(pages, 1);
    QCOMPARE(Texts(program_->messages_), QStringList());
    QCOMPARE(test::TTempFolder::ReadFile(ExeDir + "전체동생계Error.Txt"),
             ToCp949("04 100010000123    000002500 8002022345671 김영희\r\n"
                     "04 55566           000098000 6503151234560 박철수\r\n"));
    QCOMPARE(form.DongCode, std::string("0000"));
    QCOMPARE(form.ItemCode, std::string("01"));
  }

  void unpaidListThatCannotBeWrittenIsAnError() {
    fs::create_directory(ExeDir + "역삼동생계Error.Txt");
    TFrmPrew form(program_->dm_);
    form.CmbDong->setCurrentText("역삼동");
    form.CmbItem->setCurrentText("생계");
    form.Choices[1]->setChecked(true);
    QTest::mouseClick(form.BtnPrint, Qt::LeftButton);
    QCOMPARE(Texts(program_->messages_),
             QStringList{QString::fromStdString("error: 미지급 목록 파일을 쓸 수 없습니다: " +
                                                ExeDir + "역삼동생계Error.Txt\rIs a directory")});
  }

  void mainWindowPrintOpensTheSelectionWindow() {
    TFrmMain main;
    QAction* print = main.MenuAction("MnuPrint");
    QVERIFY(print->isEnabled());
    QStringList dongs;
    test::WhenModal<TFrmPrew>([&dongs](TFrmPrew& form) {
      dongs = Items(*form.CmbDong);
      QTest::mouseClick(form.BtnClose, Qt::LeftButton);
    });
    print->trigger();
    QCOMPARE(dongs, (QStringList{"전체동", "역삼동", "삼성동"}));
  }

 private:
  std::unique_ptr<test::TMainProgram> program_;
};

SELVANE_UI_TEST(TestPrew, "Prew");

}  // namespace selvane

#include "Prew_test.moc"
