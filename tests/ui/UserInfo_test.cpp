// The password window, driven as a user would: the stored password checked, the new one stored
// after the question, the confirmation only warned about.
#include "reference/ui/UserInfo.h"

#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"
#include "core/Cp949.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/StartPassword.h"
#include "support/ScriptedWaitMsg.h"
#include "support/SettingsSandbox.h"

namespace selvane {
namespace {

const char* const kQuestion = "비밀번호를 변환하세겠습니까?";
const char* const kDiffers = "비밀번호다릅니다. 확인하여주세요.";

std::string RawPassword() {
  return TIniFile(IniFileName).ReadString("General", "Password", "<none>");
}

void Type(TFrmUser& form, const QString& current, const QString& next, const QString& confirm) {
  form.Edit1->setText(current);
  form.Edit2->setText(next);
  form.Edit3->setText(confirm);
}

}  // namespace

class TestUserInfo : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    sandbox_ = std::make_unique<test::TSettingsSandbox>();
    LoadWorkingFolders();
    messages_ = std::make_unique<test::TScriptedWaitMsg>();
  }
  void cleanup() {
    messages_.reset();
    sandbox_.reset();
  }

  void captionFieldsAndMask() {
    TFrmUser form;
    QCOMPARE(form.windowTitle(), QString("사용자비밀번호"));
    for (QLineEdit* edit : {form.Edit1, form.Edit2, form.Edit3}) {
      QCOMPARE(edit->echoMode(), QLineEdit::Password);
      QVERIFY(edit->styleSheet().contains("lineedit-password-character: 42"));
    }
    QCOMPARE(form.Button1->text(), QString("확인"));
    QCOMPARE(form.Button2->text(), QString("종료"));
  }

  // With no password stored an empty current entry passes; the new one is stored trimmed, and
  // the window stays open.
  void firstPasswordIsStoredTrimmed() {
    TFrmUser form;
    messages_->QueueAsk(mrOk);
    test::ExecDriven(form, [&](QDialog&) {
      Type(form, "", "  abc", "abc ");
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      QVERIFY(form.isVisible());
      QTest::mouseClick(form.Button2, Qt::LeftButton);
    });
    QCOMPARE(RawPassword(), std::string("\x9e\x9d\x9c"));
    QCOMPARE(messages_->Texts(), std::vector<std::string>{kQuestion});
    QCOMPARE(messages_->Messages()[0].Kind, std::string("ask"));
  }

  void wrongCurrentPasswordChangesNothing() {
    std::string error;
    QVERIFY(WriteStartPassword("abc", error));
    const std::string before = test::TTempFolder::ReadFile(IniFileName);
    TFrmUser form;
    test::ExecDriven(form, [&](QDialog&) {
      Type(form, "ABC", "new", "new");
      form.Edit2->setFocus();
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      QCOMPARE(form.focusWidget(), static_cast<QWidget*>(form.Edit1));
      form.close();
    });
    QCOMPARE(messages_->Texts(), std::vector<std::string>{kDiffers});
    QCOMPARE(test::TTempFolder::ReadFile(IniFileName), before);
  }

  void cancellingTheQuestionLeavesTheFileAsItWas() {
    std::string error;
    QVERIFY(WriteStartPassword("abc", error));
    const std::string before = test::TTempFolder::ReadFile(IniFileName);
    TFrmUser form;
    messages_->QueueAsk(mrCancel);
    test::ExecDriven(form, [&](QDialog&) {
      Type(form, " abc ", "new", "new");
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      form.close();
    });
    QCOMPARE(messages_->Texts(), std::vector<std::string>{kQuestion});
    QCOMPARE(test::TTempFolder::ReadFile(IniFileName), before);
  }

  // After a change the window expects the new password, so a second change works.
  void secondChangeInTheSameOpening() {
    std::string error;
    QVERIFY(WriteStartPassword("abc", error));
    TFrmUser form;
    messages_->QueueAsk(mrOk);
    messages_->QueueAsk(mrOk);
    test::ExecDriven(form, [&](QDialog&) {
      Type(form, "abc", "def", "def");
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      Type(form, "def", "비밀", "비밀");
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      form.close();
    });
    QCOMPARE(messages_->Texts(), (std::vector<std::string>{kQuestion, kQuestion}));
    QCOMPARE(ReadStartPassword(), std::string("비밀"));
  }

  void eachOpeningExpectsTheStoredPassword() {
    std::string error;
    QVERIFY(WriteStartPassword("abc", error));
    for (int opening = 0; opening < 2; ++opening) {
      TFrmUser form;
      messages_->QueueAsk(mrCancel);
      test::ExecDriven(form, [&](QDialog&) {
        Type(form, "abc", "x", "x");
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        form.close();
      });
    }
    QCOMPARE(messages_->Texts(), (std::vector<std::string>{kQuestion, kQuestion}));
  }

  // Leaving the confirmation warns about a mismatch; OK still changes the password.
  void mismatchingConfirmationOnlyWarns() {
    TFrmUser form;
    messages_->QueueAsk(mrOk);
    test::ExecDriven(form, [&](QDialog&) {
      form.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&form));
      Type(form, "", "new1", "new2");
      form.Edit3->setFocus();
      QTest::keyClick(form.Edit3, Qt::Key_Tab);
      QVERIFY(!form.Edit3->hasFocus());
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      form.close();
    });
    QCOMPARE(messages_->Texts(), (std::vector<std::string>{"확인 비밀번호가 틀립니다", kQuestion}));
    QCOMPARE(messages_->Messages()[0].Caption, std::string("비밀번호확인"));
    QCOMPARE(messages_->Messages()[0].Kind, std::string("warning"));
    QCOMPARE(ReadStartPassword(), std::string("new1"));
  }

  void matchingConfirmationIsSilent() {
    TFrmUser form;
    test::ExecDriven(form, [&](QDialog&) {
      form.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&form));
      Type(form, "", " same", "same ");
      form.Edit3->setFocus();
      QTest::keyClick(form.Edit3, Qt::Key_Tab);
      form.close();
    });
    QVERIFY(messages_->Messages().empty());
  }

  // A password the settings file cannot keep is refused before the question.
  void passwordWithoutCp949FormIsRefused() {
    std::string reason;
    try {
      ToCp949("😀");
    } catch (const TEncodingError& error) {
      reason = error.what();
    }
    QVERIFY(!reason.empty());
    TFrmUser form;
    test::ExecDriven(form, [&](QDialog&) {
      Type(form, "", "😀", "😀");
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      form.close();
    });
    QCOMPARE(messages_->Texts(), std::vector<std::string>{reason});
    QCOMPARE(messages_->Messages()[0].Kind, std::string("error"));
    QVERIFY(!std::filesystem::exists(IniFileName));
  }

  // A settings file that cannot be replaced: the failure is shown and the window goes on
  // expecting the old password.
  void storeFailureIsShownAndTheOldPasswordStays() {
    // The settings file's folder is a plain file: nothing to read, and nothing can be written.
    std::ofstream(sandbox_->Root() + "blocker") << "";
    IniFileName = sandbox_->Root() + "blocker/SELVANE.ini";
    std::string expectedError;
    {
      TIniFile ini(IniFileName);
      QVERIFY(!ini.WriteString("General", "Password", "x"));
      expectedError = ini.Error();
    }
    TFrmUser form;
    messages_->QueueAsk(mrOk);
    messages_->QueueAsk(mrCancel);
    test::ExecDriven(form, [&](QDialog&) {
      Type(form, "", "new", "new");
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      Type(form, "", "new", "new");
      QTest::mouseClick(form.Button1, Qt::LeftButton);
      form.close();
    });
    QCOMPARE(messages_->Texts(),
             (std::vector<std::string>{
                 kQuestion, "비밀번호를 저장하지 못했습니다: " + expectedError, kQuestion}));
  }

 private:
  std::unique_ptr<test::TSettingsSandbox> sandbox_;
  std::unique_ptr<test::TScriptedWaitMsg> messages_;
};

SELVANE_UI_TEST(TestUserInfo, "UserInfo");

}  // namespace selvane

#include "UserInfo_test.moc"
