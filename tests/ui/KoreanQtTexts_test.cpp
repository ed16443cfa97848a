#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"
#include "core/WaitMsg.h"
#include "core/ui/Program.h"
#include "core/ui/WaitMsg.h"

namespace selvane {

// Qt's own texts, with the translations the program loads at start: the buttons of the message
// boxes that every window asks its questions with, and of Qt's file dialog.
class TestKoreanQtTexts : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(UseKoreanQtTexts(*qApp));
    waitMsg_ = std::make_unique<TQtWaitMsg>();
    InstallWaitMsg(waitMsg_.get());
  }
  void cleanup() {
    InstallWaitMsg(nullptr);
    waitMsg_.reset();
    // A deleted translator leaves the application: the other tests see Qt as it comes.
    qDeleteAll(qApp->findChildren<QTranslator*>(QString(), Qt::FindDirectChildrenOnly));
  }

  void questionReadsYesAndNo() {
    QString yes, no, caption;
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      yes = box.button(QMessageBox::Yes)->text();
      no = box.button(QMessageBox::No)->text();
      caption = box.windowTitle();
      test::ClickBoxButton(box, QMessageBox::No);
    });
    QVERIFY(!ConfirmBox("프로그램을 종료하시겠습니까?", true));
    QCOMPARE(yes, QString("예(&Y)"));
    QCOMPARE(no, QString("아니요(&N)"));
    QCOMPARE(caption, QString("보건노르바프로그램 V1.5.4.1"));
  }

  void messageReadsOk() {
    QString ok;
    test::WhenModal<QMessageBox>([&](QMessageBox& box) {
      ok = box.button(QMessageBox::Ok)->text();
      test::ClickBoxButton(box, QMessageBox::Ok);
    });
    InfoBox("저장되었습니다.");
    QCOMPARE(ok, QString("확인"));
  }

  void fileDialogReadsOpenAndCancel() {
    QFileDialog dialog(nullptr, "열기");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QString open, cancel;
    test::ExecDriven(dialog, [&](QDialog& shown) {
      auto* buttons = shown.findChild<QDialogButtonBox*>();
      QVERIFY(buttons != nullptr);
      open = buttons->button(QDialogButtonBox::Open)->text();
      cancel = buttons->button(QDialogButtonBox::Cancel)->text();
      shown.reject();
    });
    QCOMPARE(open, QString("열기(&O)"));
    QCOMPARE(cancel, QString("취소"));
  }

 private:
  std::unique_ptr<TQtWaitMsg> waitMsg_;
};

SELVANE_UI_TEST(TestKoreanQtTexts, "KoreanQtTexts");

}  // namespace selvane

#include "KoreanQtTexts_test.moc"
