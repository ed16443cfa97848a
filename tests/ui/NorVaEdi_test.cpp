#include "edi/ui/NorVaEdi.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"
#include "core/Globals.h"
#include "edi/Exchange.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

QStringList Row(const QTableWidget& grid, int row) {
  QStringList cells;
  for (int column = 0; column < grid.columnCount(); ++column) {
    const QTableWidgetItem* item = grid.item(row, column);
    cells << (item != nullptr ? item->text() : QString());
  }
  return cells;
}

}  // namespace

class TestNorVaEdi : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    // No EDI settings: the component refuses every call.
    QFile::remove(QString::fromLocal8Bit(qgetenv("NORVA_REGISTRY")));
    folder_ = std::make_unique<test::TTransferFolder>();
    folder_->AddInstitution({});
    msg_ = std::make_unique<test::TScriptedWaitMsg>();
    TestMode = false;
  }
  void cleanup() {
    TestMode = false;
    msg_.reset();
    folder_.reset();
  }

  void sendReceiveWithNothingPendingOffersReceiveOnly() {
    // In test mode the receive works on the files already in the receive folder: the bank's
    // result file and a stray one.
    TestMode = true;
    folder_->AddOrder({.State = 2});
    folder_->AddRecipient({.BankNo = "123-4567-8901", .Won = 150000, .State = 2});
    folder_->AddRecipient({.BankNo = "12345", .Won = 300, .State = 2});
    folder_->WriteRecvFile("RCV01",
                           test::TTempFolder::ReadFile(std::string(SELVANE_TEST_DATA) +
                                                       "/standard_result_two_recipients.dat"));
    folder_->WriteRecvFile("NOTICE.TXT", "stray\r\n");
    msg_->QueueAnswer(true);  // receive only
    msg_->QueueAnswer(true);  // without the EDI network

    TFrmNorvaEdi window(folder_->Dm);
    window.Mode = emSendReceive;
    test::ExecDriven(window, [&](QDialog&) {
      QTRY_VERIFY(window.Activated() && window.btnExit->isEnabled());
      QCOMPARE(msg_->Texts(), (std::vector<std::string>{kReceiveOnlyQuestion, kOfflineQuestion}));
      QCOMPARE(window.Mode, int(emReceive));
      QCOMPARE(window.windowTitle(), QStringLiteral("송수신"));
      QCOMPARE(window.TitleLabel->text(), QStringLiteral("수신 자료 내역 : "));
      QVERIFY(window.btnSend->isHidden());
      QVERIFY(window.btnStop->isHidden());
      QVERIFY(window.btnExit->isVisible());
      QCOMPARE(Row(*window.Grid, 0),
               (QStringList{"기  관  구  분", "정 보 명", "건 수", "비    고"}));
      QCOMPARE(Row(*window.Grid, 1), (QStringList{"서울구청", "RCV01", "2", "자금 이체"}));
      QCOMPARE(Row(*window.Grid, 2),
               (QStringList{"알수없음", "NOTICE.TXT", "", "수신 대상 파일 아님"}));
      QCOMPARE(window.Grid->rowCount(), 3);
      QCOMPARE(window.StatusLabel->text(), QStringLiteral("수신 자료 처리 완료."));
      QVERIFY(!window.StatusIsError());
      QCOMPARE(folder_->Column("TBTransSub", "State"), (std::vector<std::string>{"3", "3"}));
      QTest::mouseClick(window.btnExit, Qt::LeftButton);
    });
  }

  void sendReceiveNoLeavesOnlyCancel() {
    msg_->QueueAnswer(false);
    TFrmNorvaEdi window(folder_->Dm);
    window.Mode = emSendReceive;
    test::ExecDriven(window, [&](QDialog&) {
      QTRY_VERIFY(window.Activated() && window.btnStop->isEnabled());
      QCOMPARE(msg_->Texts(), (std::vector<std::string>{kReceiveOnlyQuestion}));
      QCOMPARE(window.StatusLabel->text(), QStringLiteral("송신할 자료가 없습니다."));
      QVERIFY(!window.btnSend->isEnabled());
      QVERIFY(window.btnExit->isHidden());
      QCOMPARE(window.btnSend->text(), QStringLiteral(" 송수신"));
      QTest::mouseClick(window.btnStop, Qt::LeftButton);
    });
  }

  void failedSendShowsRedFailureAndKeepsStates() {
    folder_->AddOrder({});
    folder_->AddRecipient({.BankNo = "123-4567-8901"});
    TFrmNorvaEdi window(folder_->Dm);
    window.Mode = emSend;
    test::ExecDriven(window, [&](QDialog&) {
      QTRY_VERIFY(window.Activated() && window.btnSend->isEnabled());
      QCOMPARE(window.windowTitle(), QStringLiteral("송신"));
      QCOMPARE(window.TitleLabel->text(), QStringLiteral("송신 자료 내역 : "));
      QCOMPARE(window.btnSend->text(), QStringLiteral(" 송 신"));
      QCOMPARE(window.StatusLabel->text(), QStringLiteral("\"송신\" 버튼을 누르세요."));
      QCOMPARE(Row(*window.Grid, 1), (QStringList{"서울구청", "SND01", "1", "자금 이체"}));
      QVERIFY(!window.StatusIsError());

      QTest::mouseClick(window.btnSend, Qt::LeftButton);
      // The component's reason follows the failure.
      QCOMPARE(
          window.StatusLabel->text(),
          QStringLiteral("송신 실패. 프로그램 오류 발생 (Registry 관련) (통신 설정이 없습니다: "
                         "Software\\Selvane.exe\\NetPost32\\Comm)"));
      QVERIFY(window.StatusIsError());
      QCOMPARE(window.StatusLabel->palette().color(QPalette::WindowText), QColor(Qt::red));
      QVERIFY(window.btnSend->isHidden());
      QVERIFY(window.btnExit->isVisible() && window.btnExit->isEnabled());
      QCOMPARE(folder_->Column("TBTrans", "State"), (std::vector<std::string>{"1"}));
      QCOMPARE(folder_->Column("TBTransSub", "State"), (std::vector<std::string>{"1"}));
      QTest::mouseClick(window.btnExit, Qt::LeftButton);
    });
    QVERIFY(msg_->Messages().empty());
  }

  void recordsPassedOverAreShownInTheListAndInAMessage() {
    TestMode = true;
    folder_->AddOrder({.State = 2});
    folder_->AddRecipient({.BankNo = "123-4567-8901", .Won = 150000, .State = 2});
    // The second recipient of the file is not one of this institution's.
    folder_->WriteRecvFile("RCV01",
                           test::TTempFolder::ReadFile(std::string(SELVANE_TEST_DATA) +
                                                       "/standard_result_two_recipients.dat"));
    msg_->QueueAnswer(true);  // without the EDI network
    TFrmNorvaEdi window(folder_->Dm);
    window.Mode = emReceive;
    test::ExecDriven(window, [&](QDialog&) {
      QTRY_VERIFY(window.Activated() && window.btnExit->isEnabled());
      QCOMPARE(Row(*window.Grid, 1),
               (QStringList{"서울구청", "RCV01", "2",
                            "자금 이체 (적용 1건, 끝 레코드 건수와 다름, 건너뜀 1건)"}));
      QTest::mouseClick(window.btnExit, Qt::LeftButton);
    });
    QCOMPARE(msg_->Messages().size(), std::size_t(2));
    QCOMPARE(msg_->Messages()[1].Kind, std::string("warning"));
    QCOMPARE(
        msg_->Messages()[1].Text,
        std::string("RCV01: 적용하지 않은 레코드 1건\r3번째 레코드 (D): 일치하는 송신완료 수신자 "
                    "없음: 04 12345 300"));
  }

  void countsRightAlignedTitlesCentred() {
    QCOMPARE(TFrmNorvaEdi::CellAlignment(0, 2), Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(TFrmNorvaEdi::CellAlignment(0, 3), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(TFrmNorvaEdi::CellAlignment(1, 1), Qt::AlignHCenter | Qt::AlignVCenter);
    QCOMPARE(TFrmNorvaEdi::CellAlignment(1, 2), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(TFrmNorvaEdi::CellAlignment(3, 3), Qt::AlignLeft | Qt::AlignVCenter);
  }

 private:
  std::unique_ptr<test::TTransferFolder> folder_;
  std::unique_ptr<test::TScriptedWaitMsg> msg_;
};

}  // namespace selvane

using selvane::TestNorVaEdi;
SELVANE_UI_TEST(TestNorVaEdi, "NorVaEdi");
#include "NorVaEdi_test.moc"
