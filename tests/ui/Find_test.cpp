#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <memory>
#include <tuple>

#include "ModalDriver.h"
#include "UiTest.h"
#include "core/DM.h"
#include "reference/ui/Find.h"
#include "reference/ui/JaGubun.h"
#include "support/RecipientRow.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane {

class TestFind : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<test::TTempFolder>();
    TDatabase::Create(folder_->Path() + "norva.db", true);
    dm_ = std::make_unique<TDModule>();
    dm_->OpenDatabase(folder_->Path() + "norva.db");
    msg_ = std::make_unique<test::TScriptedWaitMsg>();
    for (auto [bank, account, name, jumin] :
         {std::tuple{"04", "111-22-333", "홍길동", "800101-1000010"},
          {"11", "11122333", "김철수", "800101-1000011"},
          {"11", "44455", "이영희", "800101-1000012"}})
      test::AddRecipient(dm_->TB_TransSub,
                         {.BankId = bank, .BankNo = account, .Jumin = jumin, .Name = name});
  }
  void cleanup() {
    msg_.reset();
    dm_.reset();
    folder_.reset();
  }

  void bankListHasABlankEntryThenEachName() {
    TFrmFind form(*dm_, dm_->TB_TransSub);
    QCOMPARE(form.windowTitle(), QStringLiteral("검색"));
    QCOMPARE(form.PageControl1->tabText(0), QStringLiteral("은행,계좌번호검색"));
    QCOMPARE(form.PageControl1->tabText(1), QStringLiteral("주민번호 검색"));
    QCOMPARE(form.CmbBank->currentIndex(), 0);
    QCOMPARE(form.CmbBank->itemText(0), QStringLiteral(" "));
    QCOMPARE(form.CmbBank->findText(QStringLiteral("국민은행")), 3);  // after " ", 02, 03
  }

  // The search rules are the logic's (RecipientSearch_test); these rows are the window's wiring:
  // the chosen bank and the typed account reach the search, a miss shows its message.
  void searchFindsAccountWithOrWithoutHyphens_data() {
    QTest::addColumn<QString>("bank");  // empty: the blank entry
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("found");  // empty: nothing more
    QTest::newRow("typed with hyphens, bank chosen") << "농협중앙회"
                                                     << "111-22-333"
                                                     << "김철수";
    QTest::newRow("no such account") << "국민은행"
                                     << "44455"
                                     << "";
  }
  void searchFindsAccountWithOrWithoutHyphens() {
    QFETCH(QString, bank);
    QFETCH(QString, account);
    QFETCH(QString, found);
    TFrmFind form(*dm_, dm_->TB_TransSub);
    form.show();
    if (!bank.isEmpty()) form.CmbBank->setCurrentIndex(form.CmbBank->findText(bank));
    form.EdtAccount->setText(account);
    for (int twice = 0; twice < 2; ++twice) {
      msg_->Clear();
      QTest::mouseClick(form.BtnSearch1, Qt::LeftButton);
      if (found.isEmpty()) {
        QCOMPARE(msg_->Texts(), std::vector<std::string>{"더 이상 찾을 수 없습니다."});
      } else {
        QVERIFY(msg_->Messages().empty());
        QCOMPARE(QString::fromStdString(dm_->TB_TransSub.FieldByName("Name").AsString()), found);
      }
    }
    QVERIFY(form.isVisible());
  }

  void residentPageComparesAsTyped() {
    TFrmFind form(*dm_, dm_->TB_TransSub);
    form.show();
    form.PageControl1->setCurrentIndex(1);
    form.EdtJumin->setText("800101-1000011");
    QTest::mouseClick(form.BtnSearch2, Qt::LeftButton);
    QVERIFY(msg_->Messages().empty());
    QCOMPARE(QString::fromStdString(dm_->TB_TransSub.FieldByName("Name").AsString()),
             QStringLiteral("김철수"));
    form.EdtJumin->setText("800101-1000011 ");
    QTest::mouseClick(form.BtnSearch2, Qt::LeftButton);
    QCOMPARE(msg_->Texts(), std::vector<std::string>{"더 이상 찾을 수 없습니다."});
  }

  void fundCategoryCannotBeConfirmedWithoutAChoice() {
    Tfrm_Jagb dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("자금구분코드 선택"));
    QCOMPARE(dialog.ComboBox1->count(), 3);
    int result = test::ExecDriven(dialog, [&](QDialog&) {
      QTest::mouseClick(dialog.BtnOk, Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      QCOMPARE(msg_->Texts(), std::vector<std::string>{"자금 구분 코드를 선택하세요"});
      dialog.ComboBox1->setCurrentIndex(2);
      QTest::mouseClick(dialog.BtnOk, Qt::LeftButton);
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(dialog.ItemIndex(), 2);
    QCOMPARE(dialog.ComboBox1->currentText(), QStringLiteral("정부지원"));

    Tfrm_Jagb cancelled;
    cancelled.ComboBox1->setCurrentIndex(0);
    QCOMPARE(
        test::ExecDriven(cancelled,
                         [&](QDialog&) { QTest::mouseClick(cancelled.BtnCancel, Qt::LeftButton); }),
        int(QDialog::Rejected));
  }

 private:
  std::unique_ptr<test::TTempFolder> folder_;
  std::unique_ptr<TDModule> dm_;
  std::unique_ptr<test::TScriptedWaitMsg> msg_;
};

SELVANE_UI_TEST(TestFind, "Find");

}  // namespace selvane

#include "Find_test.moc"
