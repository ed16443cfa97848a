#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"
#include "core/Cp949.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "core/SingleInstance.h"
#include "core/WaitMsg.h"
#include "core/ui/Program.h"
#include "core/ui/UserInput.h"
#include "support/ScopedGlobals.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

constexpr int kStillOpen = -1;

// Types each input into the dialog and presses OK, stopping when the dialog closes. The result
// is the dialog's result, or kStillOpen (the dialog is then cancelled by the driver).
int TypeAndConfirm(TfrmUserInput& dialog, const QStringList& inputs) {
  bool closedByInput = false;
  int result = test::ExecDriven(dialog, [&](QDialog&) {
    for (const QString& input : inputs) {
      dialog.EdtInput->setText(input);  // Hangul cannot be typed with keyClicks
      QTest::mouseClick(dialog.BtnOk, Qt::LeftButton);
      if (!dialog.isVisible()) {
        closedByInput = true;
        return;
      }
    }
    QTest::mouseClick(dialog.BtnCancel, Qt::LeftButton);
  });
  return closedByInput ? result : kStillOpen;
}

}  // namespace

class TestProgram : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<test::TTempFolder>();
    iniFile_ = std::make_unique<test::TScopedValue<std::string>>(IniFileName,
                                                                 folder_->Path() + "SELVANE.ini");
    messages_ = std::make_unique<test::TScriptedWaitMsg>();
  }
  void cleanup() {
    messages_.reset();
    iniFile_.reset();
    folder_.reset();
  }

  void startPrompt_data() {
    QTest::addColumn<QString>("stored");  // empty: no Password key at all
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("messages");

    QTest::newRow("no password, empty passes")
        << "" << QStringList{""} << int(QDialog::Accepted) << 0;
    QTest::newRow("no password, any text fails") << "" << QStringList{"abc"} << kStillOpen << 1;
    QTest::newRow("other letter case fails")
        << "Secret" << QStringList{"secret"} << kStillOpen << 1;
    QTest::newRow("blanks are not trimmed")
        << "Secret" << QStringList{"Secret "} << kStillOpen << 1;
    QTest::newRow("second attempt passes")
        << "Secret" << QStringList{"x", "Secret"} << int(QDialog::Accepted) << 1;
    QTest::newRow("third wrong password cancels")
        << "Secret" << QStringList{"x", "y", "z", "Secret"} << int(QDialog::Rejected) << 3;
    QTest::newRow("Korean password")
        << "비밀번호1" << QStringList{"비밀번호1"} << int(QDialog::Accepted) << 0;
  }

  void startPrompt() {
    QFETCH(QString, stored);
    QFETCH(QStringList, inputs);
    QFETCH(int, result);
    QFETCH(int, messages);
    if (stored.isEmpty()) {
      folder_->WriteFile("SELVANE.ini", "[General]\r\n");
    } else {
      std::string encoded = ToCp949(stored.toStdString());
      for (char& c : encoded) c = static_cast<char>(~static_cast<unsigned char>(c));
      folder_->WriteFile("SELVANE.ini", "[General]\r\nPassword=" + encoded + "\r\n");
    }

    std::unique_ptr<TfrmUserInput> prompt(CreateStartPasswordPrompt());
    QCOMPARE(prompt->windowTitle(), QString("비밀번호 확인"));
    QCOMPARE(prompt->LblPrompt->text(), QString("비밀번호"));
    QCOMPARE(prompt->EdtInput->echoMode(), QLineEdit::Password);
    QCOMPARE(prompt->BtnOk->text(), QString(" 확 인"));
    QCOMPARE(prompt->BtnCancel->text(), QString(" 취 소"));

    QCOMPARE(TypeAndConfirm(*prompt, inputs), result);
    QCOMPARE(messages_->Messages().size(), std::size_t(messages));
    for (const auto& message : messages_->Messages()) {
      QCOMPARE(message.Kind, std::string("info"));
      QCOMPARE(message.Text, std::string("비밀번호가 다릅니다."));
      QCOMPARE(message.Caption, std::string("보건노르바프로그램 V1.5.4.1"));
    }
  }

  void undecodableStoredPasswordLetsNobodyIn() {
    folder_->WriteFile("SELVANE.ini", "[General]\r\nPassword=\x7f\r\n");  // decodes to 0x80
    QVERIFY(!PassStartPassword());
    QCOMPARE(messages_->Messages().size(), std::size_t(1));
    QCOMPARE(messages_->Messages()[0].Kind, std::string("error"));
  }

  void unusableDatabaseIsReportedByName_data() {
    QTest::addColumn<QByteArray>("content");  // empty: no database file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "데이터베이스 파일이 없습니다: ";
    QTest::newRow("not a database")
        << QByteArray("plain text, no tables") << "데이터베이스 파일을 열 수 없습니다: ";
  }

  void unusableDatabaseIsReportedByName() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    test::TScopedProgramHome home(folder_->Path());
    LoadWorkingFolders();
    if (!content.isEmpty()) folder_->WriteFile("Data/norva.db", content.toStdString());
    TDModule dataModule;
    QVERIFY(!OpenDataModule(dataModule));
    QCOMPARE(messages_->Messages().size(), std::size_t(1));
    QCOMPARE(messages_->Messages()[0].Kind, std::string("error"));
    const QString text = QString::fromStdString(messages_->Messages()[0].Text);
    QVERIFY2(text.startsWith(message + QString::fromStdString(folder_->Path() + "Data/norva.db")),
             qPrintable(text));
  }

  void secondStartEndsSilently() {
    test::TTempFolder folder;
    const std::string runtime = folder.Path() + "runtime";
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    PrepareProgramFolder(folder.Path() + "program");

    TSingleInstanceLock running;  // stands for the program already running
    bool held = false;
    {
      test::TScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime);
      held = running.Acquire(kProgramTitle);
    }
    QVERIFY(held);

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("NORVA_REGISTRY", QString::fromStdString(folder.Path() + "registry.reg"));
    second.setProcessEnvironment(env);
    second.start(SELVANE_PROGRAM, {"--home", QString::fromStdString(folder.Path() + "program")});
    // Without the lock it would wait at the password prompt and never end by itself.
    const bool ended = second.waitForFinished(30000);
    if (!ended) second.kill();
    QVERIFY(ended);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QCOMPARE(second.readAllStandardError(), QByteArray());
    // It ended before the start-up wrote any settings.
    QVERIFY(!std::filesystem::exists(folder.Path() + "registry.reg"));
  }

 private:
  std::unique_ptr<test::TTempFolder> folder_;
  std::unique_ptr<test::TScopedValue<std::string>> iniFile_;
  std::unique_ptr<test::TScriptedWaitMsg> messages_;
};

SELVANE_UI_TEST(TestProgram, "Program");

}  // namespace selvane

#include "Program_test.moc"
