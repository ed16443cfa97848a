// The order window and the recipient list, driven offscreen.
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QTableView>
#include <QToolButton>
#include <memory>

#include "ModalDriver.h"
#include "OrderFixture.h"
#include "UiTest.h"
#include "core/Cp949.h"
#include "core/TransferState.h"
#include "core/ui/TableGridView.h"
#include "transfer/ui/Trans.h"
#include "transfer/ui/TransSub.h"

namespace selvane {

class TestOrders : public QObject, private test::TOrderFixture {
  Q_OBJECT

 private slots:
  void init() { SetUp(); }
  void cleanup() {
    recipients_.reset();
    TearDown();
  }

  void newOrderOnAFridayFailsOnTheSaturdayPaymentDate() {
    SetClock(TDateTime::FromIso("2026-12-11T10:00:00"));  // a Friday
    TFrmTrans form(*dm_);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(!form.BtnEdit->isEnabled());
    QVERIFY(!form.BtnTrans->isEnabled());
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    QCOMPARE(form.Mode(), TEditMode::Edit);
    QCOMPARE(form.EDate2->date(), QDate(2026, 12, 12));
    ChooseOrder(form, "구청", "역삼동", "생계");
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(Texts(), QStringList{"설정된 이체일자가 공휴일입니다."});
    QCOMPARE(form.Mode(), TEditMode::Edit);
    QVERIFY(form.EDate2->hasFocus());
    QVERIFY(dm_->TB_Trans.IsEmpty());

    // The same day twice is accepted.
    form.EDate2->setDate(QDate(2026, 12, 11));
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(form.Mode(), TEditMode::Browse);
    QCOMPARE(dm_->TB_Trans.RecordCount(), 1);
    QCOMPARE(form.GridModel().rowCount(), 1);
    QVERIFY(form.BtnEdit->isEnabled());
    QVERIFY(form.BtnTrans->isEnabled());
  }

  // 2025-10-08 is the substitute for Chuseok on a Sunday, a bank holiday that the lists alone
  // never knew; the Tuesday after is a working day.
  void transferDateOnASubstituteHolidayIsRefused() {
    SetClock(TDateTime::FromIso("2025-10-01T10:00:00"));
    TFrmTrans form(*dm_);
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    ChooseOrder(form, "구청", "역삼동", "생계");
    form.EDate2->setDate(QDate(2025, 10, 8));
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(Texts(), QStringList{"설정된 이체일자가 공휴일입니다."});
    QCOMPARE(form.Mode(), TEditMode::Edit);
    QVERIFY(form.EDate2->hasFocus());
    QVERIFY(dm_->TB_Trans.IsEmpty());

    msg_->Clear();
    form.EDate2->setDate(QDate(2025, 10, 14));
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(Texts(), QStringList{});
    QCOMPARE(form.Mode(), TEditMode::Browse);
    QCOMPARE(dm_->TB_Trans.RecordCount(), 1);
    QCOMPARE(dm_->TB_Trans.FieldByName("A_Date").AsDate(),
             std::optional<TDate>(TDate{2025, 10, 1}));
    QCOMPARE(dm_->TB_Trans.FieldByName("To_date").AsDate(),
             std::optional<TDate>(TDate{2025, 10, 14}));
  }

  void sentOrderCannotBeEdited() {
    AddOrder(1, "01", "12", Sent);
    TFrmTrans form(*dm_);
    form.show();
    QVERIFY(!form.BtnEdit->isEnabled());
    QVERIFY(form.BtnDelete->isEnabled());
    form.BtnInsertClick(form.BtnEdit);
    QCOMPARE(Texts(), QStringList{"송수신 완료는 수정 하실 수 없습니다."});
    QCOMPARE(form.Mode(), TEditMode::Browse);
  }

  // Which recipients follow is the logic's (OrderEditing_test); the window asks, switches the
  // order of the grid's current row and shows its new state.
  void releasingAHeldBackOrderShowsItsNewState() {
    AddOrder(1, "02", "12", HeldBack);
    AddOrder(1, "01", "12", HeldBack);
    TFrmTrans form(*dm_);
    form.show();
    // The first row of the grid is the order of item 01.
    form.DBGrid1->setCurrentIndex(form.GridModel().index(0, 0));
    QCOMPARE(dm_->TB_Trans.FieldByName("LargeItmID").AsString(), std::string("01"));
    msg_->QueueAnswer(true);
    form.DBGrid1DblClick();
    QCOMPARE(Texts(), QStringList{"\"송신불가\"를 \"송신대기\"로 변환하시겠습니까 ?"});
    QCOMPARE(dm_->TB_Trans.FieldByName("State").AsInteger(), Waiting);
    QCOMPARE(form.GridModel().data(form.GridModel().index(0, 8), Qt::DisplayRole).toString(),
             QString("송신대기"));
  }

  void deletingTheLastOrderDisablesDeleteAndTrans() {
    AddOrder(1, "01", "12", Received);
    TFrmTrans form(*dm_);
    form.show();
    msg_->QueueAnswer(true);
    QTest::mouseClick(form.BtnDelete, Qt::LeftButton);
    QCOMPARE(Texts(), QStringList{"선택한 1 개의 자료를 삭제하시겠습니까?\r\r삭제 처리한 "
                                  "자료는 다시 복구할 수 없습니다.\r"});
    QVERIFY(dm_->TB_Trans.IsEmpty());
    QVERIFY(!form.BtnDelete->isEnabled());
    QVERIFY(!form.BtnTrans->isEnabled());
  }

  void chohungTypedInIsSavedAsShinhan() {
    AddOrder(2, "01", "35", Waiting);
    TFrmTransSub& form = OpenRecipients();
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    TypeRecipient(form, "조흥은행", "12345678901");
    QCOMPARE(form.Edit7->text(), QString("21"));
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    QCOMPARE(
        Texts(),
        QStringList{"은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다.    "});
    QCOMPARE(form.Mode(), TEditMode::Browse);
    QCOMPARE(dm_->TB_TransSub.FieldByName("BankId").AsString(), std::string("88"));
    QCOMPARE(dm_->TB_TransSub.FieldByName("BankNo").AsString(), std::string("123-45-678901"));
    QCOMPARE(form.Edit7->text(), QString("88"));
    QCOMPARE(dm_->TB_Trans.FieldByName("ECount").AsInteger(), 1);
  }

  void housingBankByOrderBank_data() {
    QTest::addColumn<int>("institution");
    QTest::addColumn<QString>("orderBank");
    QTest::addColumn<bool>("saved");
    QTest::newRow("member co-operative refuses") << 1 << "12" << false;
    QTest::newRow("Jeju accepts") << 2 << "35" << true;
  }
  void housingBankByOrderBank() {
    QFETCH(int, institution);
    QFETCH(QString, orderBank);
    QFETCH(bool, saved);
    AddOrder(institution, "01", orderBank.toStdString(), Waiting);
    TFrmTransSub& form = OpenRecipients();
    recipients_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(recipients_.get()));
    QVERIFY(form.FundCategoryOn());
    QVERIFY(form.dcb_jagubun->isVisibleTo(&form));
    QTest::mouseClick(form.BtnInsert, Qt::LeftButton);
    TypeRecipient(form, "주택은행", "123412123456");
    form.dcb_jagubun->setCurrentIndex(2);
    QTest::mouseClick(form.BtnSave, Qt::LeftButton);
    if (saved) {
      QCOMPARE(Texts(), QStringList());
      QCOMPARE(form.Mode(), TEditMode::Browse);
      QCOMPARE(dm_->TB_TransSub.FieldByName("JaGubun").AsInteger(), 3);  // 정부지원 for 35
    } else {
      QCOMPARE(Texts(), QStringList{"농협관련 주택 계좌는 국민 계좌로 입력해야 합니다."});
      QCOMPARE(form.Mode(), TEditMode::Edit);
      QVERIFY(form.Edit1->hasFocus());
    }
  }

  void importAsksForTheFundCategoryThenTheFile() {
    AddOrder(1, "01", "12", Waiting);
    CurrentDongName = "역삼동";
    CurrentItemName = "생계";
    // Bank 1-2, account 4-23, amount 25-33, resident 35-47, name 49-68.
    std::string line = "04 123456789012" + std::string(8, ' ') + "    150000 8001011234560 " +
                       ToCp949("홍길동") + std::string(14, ' ') + "\r\n";
    QCOMPARE(line.size(), std::size_t(70));
    std::string file = folder_->WriteFile("list.txt", line);
    QString asked;
    SetFileDialogAnswer([&](const QString& title, const QString&) -> std::optional<QString> {
      asked = title;
      return QString::fromStdString(file);
    });
    TFrmTransSub& form = OpenRecipients();
    test::WhenModal<QDialog>([](QDialog& choose) {
      auto* box = choose.findChild<QComboBox*>("ComboBox1");
      box->setCurrentIndex(2);
      choose.accept();
    });
    QTest::mouseClick(form.BtnOpen, Qt::LeftButton);
    QCOMPARE(asked, QString("노르바뱅킹 텍스트 파일 선택"));
    QCOMPARE(form.GridModel().rowCount(), 1);
    QCOMPARE(dm_->TB_TransSub.FieldByName("JaGubun").AsInteger(), 6);  // 정부지원 for 12
    form.BtnExitClick();
    QCOMPARE(dm_->TB_Trans.FieldByName("ECount").AsInteger(), 1);
    QCOMPARE(dm_->TB_Trans.FieldByName("TotalSum").AsMoney(), TMoney::FromWon(150000));
  }

 private:
  void ChooseOrder(TFrmTrans& form, const char* kigwan, const char* dong, const char* item) {
    form.Edit1->setCurrentText(kigwan);
    form.Edit3->setCurrentText(dong);
    form.Edit2->setCurrentText(item);
  }

  // The recipient list of the order last added, as the order window opens it.
  TFrmTransSub& OpenRecipients() {
    dm_->TB_Trans.FindKey({TValue(CurrentOrderKey.KigwanId), TValue(CurrentOrderKey.DongId),
                           TValue(CurrentOrderKey.LargeItmId)});
    OpenOrderRecipients(*dm_, "역삼동", "생계");
    recipients_ = std::make_unique<TFrmTransSub>(*dm_);
    recipients_->show();
    return *recipients_;
  }

  void TypeRecipient(TFrmTransSub& form, const char* bank, const char* account) {
    form.Edit1->setCurrentText(bank);
    form.Edit2->setText(account);
    form.Edit3->setText("800101-1234560");
    form.Edit4->setText("홍길동");
    form.Edit5->setText("150000");
  }

  std::unique_ptr<TFrmTransSub> recipients_;
};

SELVANE_UI_TEST(TestOrders, "Orders");

}  // namespace selvane

#include "Orders_test.moc"
