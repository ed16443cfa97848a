#include "core/ui/WaitMsg.h"

#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"

namespace selvane {

class TestWaitMsg : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    waitMsg_ = std::make_unique<TQtWaitMsg>();
    InstallWaitMsg(waitMsg_.get());
  }
  void cleanup() {
    InstallWaitMsg(nullptr);
    waitMsg_.reset();
  }

  void percentModeRoundsHalvesToEven() {
    ShowWaitProgress("자료를 만들고 있습니다", 0, 8, false);
    TfrmWaitMsg* window = waitMsg_->WaitWindow();
    QVERIFY(window != nullptr);
    QVERIFY(window->isVisible());
    QVERIFY(window->ProgressBar->isVisible());
    QCOMPARE(window->LblPercent->text(), QString("0 %"));
    QCOMPARE(window->LblMessage->text(), QString("자료를 만들고 있습니다"));
    const char* expected[] = {"12 %", "25 %", "38 %", "50 %"};
    for (const char* text : expected) {
      StepWaitProgress();
      QCOMPARE(window->LblPercent->text(), QString(text));
    }
    QCOMPARE(window->ProgressBar->value(), 4);
  }

  void countModeShowsPositionOfMaximum() {
    ShowWaitProgress("보내는 중", 3, 5, true);
    TfrmWaitMsg* window = waitMsg_->WaitWindow();
    QCOMPARE(window->LblPercent->text(), QString("3/5"));
    StepWaitProgress();
    QCOMPARE(window->LblPercent->text(), QString("4/5"));
    StepWaitProgress();
    StepWaitProgress();  // the bar stops at its maximum
    QCOMPARE(window->LblPercent->text(), QString("5/5"));
    QCOMPARE(window->ProgressBar->value(), 5);
  }

  void plainWaitHidesTheProgressAndKeepsOneWindow() {
    ShowWaitProgress("하나", 0, 10, false);
    TfrmWaitMsg* window = waitMsg_->WaitWindow();
    ShowWait("자료를 열고 있습니다.");
    QCOMPARE(waitMsg_->WaitWindow(), window);
    QVERIFY(!window->ProgressBar->isVisible());
    QVERIFY(!window->LblPercent->isVisible());
    QVERIFY(window->LblMessage->alignment() & Qt::AlignHCenter);
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);

    HideWait();
    QVERIFY(!window->isVisible());
    RestoreWait();
    QVERIFY(window->isVisible());
    CloseWait();
    QVERIFY(waitMsg_->WaitWindow() == nullptr);
    StepWaitProgress();  // without a window: nothing happens
    RestoreWait();
    QVERIFY(waitMsg_->WaitWindow() == nullptr);
  }

  void windowIsDraggedFromAnywhere() {
    ShowWait("끌기");
    TfrmWaitMsg* window = waitMsg_->WaitWindow();
    const QPoint start = window->pos();
    const QPoint inside(5, 5);
    const QPoint global = window->mapToGlobal(inside);
    QMouseEvent press(QEvent::MouseButtonPress, inside, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(window, &press);
    QMouseEvent move(QEvent::MouseMove, inside + QPoint(30, 20), global + QPoint(30, 20),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
    QCOMPARE(window->pos(), start + QPoint(30, 20));
  }

  void messageBoxesCarryTheProgramTitle_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("caption");
    const QString title = "보건노르바프로그램 V1.5.4.1";
    QTest::newRow("info") << 0 << int(QMessageBox::Information) << title;
    QTest::newRow("warning") << 1 << int(QMessageBox::Warning) << title;
    QTest::newRow("error") << 2 << int(QMessageBox::Critical) << title;
    QTest::newRow("own caption") << 3 << int(QMessageBox::Warning) << "입력오류";
  }

  void messageBoxesCarryTheProgramTitle() {
    QFETCH(int, kind);
    QFETCH(int, icon);
    QFETCH(QString, caption);
    ShowWait("처리중");
    bool shown = false;
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      shown = true;
      QCOMPARE(box.windowTitle(), caption);
      QCOMPARE(box.text(), QString("첫 줄\n둘째 줄"));
      QCOMPARE(int(box.icon()), icon);
      QVERIFY(waitMsg_->WaitWindow() == nullptr);  // the box closes the waiting window first
      test::ClickBoxButton(box, QMessageBox::Ok);
    });
    const std::string text = "첫 줄\r\n둘째 줄";
    if (kind == 0) InfoBox(text);
    if (kind == 1) WarningBox(text);
    if (kind == 2) ErrorBox(text);
    if (kind == 3) MessageBox(TMsgKind::Warning, text, "입력오류");
    QVERIFY(shown);
  }

  void confirmHidesTheWaitingWindowForTheQuestion_data() {
    QTest::addColumn<bool>("defaultIsYes");
    QTest::addColumn<int>("press");
    QTest::addColumn<bool>("result");
    QTest::newRow("default yes, yes") << true << int(QMessageBox::Yes) << true;
    QTest::newRow("default no, yes") << false << int(QMessageBox::Yes) << true;
    QTest::newRow("default no, no") << false << int(QMessageBox::No) << false;
  }

  void confirmHidesTheWaitingWindowForTheQuestion() {
    QFETCH(bool, defaultIsYes);
    QFETCH(int, press);
    QFETCH(bool, result);
    ShowWait("처리중");
    TfrmWaitMsg* window = waitMsg_->WaitWindow();
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      QCOMPARE(box.windowTitle(), QString("보건노르바프로그램 V1.5.4.1"));
      QCOMPARE(box.icon(), QMessageBox::Question);
      QVERIFY(!window->isVisible());
      QCOMPARE(static_cast<QAbstractButton*>(box.defaultButton()),
               box.button(defaultIsYes ? QMessageBox::Yes : QMessageBox::No));
      test::ClickBoxButton(box, press);
    });
    QCOMPARE(ConfirmBox("계속하시겠습니까?", defaultIsYes), result);
    QVERIFY(window->isVisible());
  }

  void askReturnsThePressedButton() {
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      QVERIFY(box.button(QMessageBox::Yes) && box.button(QMessageBox::No) &&
              box.button(QMessageBox::Cancel));
      QVERIFY(box.button(QMessageBox::Ok) == nullptr);
      test::ClickBoxButton(box, QMessageBox::Cancel);
    });
    QCOMPARE(AskBox("저장할까요?", mbYes | mbNo | mbCancel), int(mrCancel));
  }

  void yesNoBoxUsesItsOwnCaption() {
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      QCOMPARE(box.windowTitle(), QString("보건노르바뱅킹프로그램종료"));
      QCOMPARE(box.icon(), QMessageBox::Warning);
      test::ClickBoxButton(box, QMessageBox::No);
    });
    QCOMPARE(YesNoBox("종료할까요?", "보건노르바뱅킹프로그램종료", true), false);
  }

 private:
  std::unique_ptr<TQtWaitMsg> waitMsg_;
};

SELVANE_UI_TEST(TestWaitMsg, "WaitMsg");

}  // namespace selvane

#include "WaitMsg_test.moc"
