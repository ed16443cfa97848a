#include "core/ui/UserInput.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"
#include "support/ScriptedWaitMsg.h"

namespace selvane {
namespace {

constexpr int kStillOpen = -1;

}  // namespace

class TestUserInput : public QObject {
  Q_OBJECT

 private slots:
  void init() { messages_ = std::make_unique<test::TScriptedWaitMsg>(); }
  void cleanup() { messages_.reset(); }

  void wrongInputIsSelectedForRetyping() {
    TfrmUserInput dialog;
    dialog.SetLabelText("비밀번호");
    dialog.SetCompare(true, "right");
    dialog.SetMaxAttempts(3);
    test::ExecDriven(dialog, [&](QDialog&) {
      dialog.EdtInput->setText("wrong");
      dialog.EdtInput->deselect();
      QTest::mouseClick(dialog.BtnOk, Qt::LeftButton);
      QVERIFY(dialog.isVisible());
      QCOMPARE(dialog.EdtInput->selectedText(), QString("wrong"));
      QCOMPARE(dialog.FailureCount(), 1);
      dialog.reject();
    });
  }

  void okSteps_data() {
    QTest::addColumn<bool>("allowEmpty");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");  // empty: no comparison
    QTest::addColumn<int>("maxAttempts");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("result");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("failures");

    QTest::newRow("empty refused without a message")
        << false << 0 << "" << 3 << "" << kStillOpen << QStringList{} << 0;
    QTest::newRow("length counted in CP949 bytes")
        << true << 4 << "" << 3 << "한글" << int(QDialog::Accepted) << QStringList{} << 0;
    QTest::newRow("wrong length") << true << 4 << "" << 3 << "123" << kStillOpen
                                  << QStringList{"4 글자를 입력해야 합니다."} << 1;
    QTest::newRow("empty skips the length check")
        << true << 4 << "" << 3 << "" << int(QDialog::Accepted) << QStringList{} << 0;
    QTest::newRow("both checks report")
        << true << 6 << "123456" << 3 << "12" << kStillOpen
        << QStringList{"6 글자를 입력해야 합니다.", "사업자번호가 다릅니다."} << 1;
    QTest::newRow("no attempts allowed: first failure cancels")
        << true << 0 << "x" << 0 << "y" << int(QDialog::Rejected)
        << QStringList{"사업자번호가 다릅니다."} << 1;
  }

  void okSteps() {
    QFETCH(bool, allowEmpty);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QFETCH(int, maxAttempts);
    QFETCH(QString, input);
    QFETCH(int, result);
    QFETCH(QStringList, messages);
    QFETCH(int, failures);

    TfrmUserInput dialog;
    dialog.SetLabelText("사업자번호");
    dialog.SetAllowEmpty(allowEmpty);
    dialog.SetRequiredLength(length);
    dialog.SetCompare(!expected.isEmpty(), expected.toStdString());
    dialog.SetMaxAttempts(maxAttempts);
    int failuresSeen = -1;
    bool closed = false;
    int outcome = test::ExecDriven(dialog, [&](QDialog&) {
      dialog.EdtInput->setText(input);
      QTest::mouseClick(dialog.BtnOk, Qt::LeftButton);
      failuresSeen = dialog.FailureCount();
      closed = !dialog.isVisible();
      if (!closed) dialog.reject();
    });
    QCOMPARE(closed ? outcome : kStillOpen, result);
    QCOMPARE(failuresSeen, failures);
    QStringList texts;
    for (const auto& text : messages_->Texts()) texts << QString::fromStdString(text);
    QCOMPARE(texts, messages);
  }

  void creatingHidesTheWaitingWindowAndOkRestoresIt() {
    TfrmUserInput dialog;
    QCOMPARE(messages_->WaitCalls(), std::vector<std::string>{"Hide"});
    test::ExecDriven(dialog, [&](QDialog&) { QTest::mouseClick(dialog.BtnOk, Qt::LeftButton); });
    QCOMPARE(messages_->WaitCalls(), (std::vector<std::string>{"Hide", "Restore"}));
  }

 private:
  std::unique_ptr<test::TScriptedWaitMsg> messages_;
};

SELVANE_UI_TEST(TestUserInput, "UserInput");

}  // namespace selvane

#include "UserInput_test.moc"
