// The EDI component's settings dialog, opened through the program's wrapper as the main
// window's menu does.
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "ModalDriver.h"
#include "UiTest.h"
#include "core/EdiSettings.h"
#include "core/Globals.h"
#include "core/Registry.h"
#include "edi/EdiLibrary.h"
#include "support/SettingsSandbox.h"

namespace selvane {

class TestEnvSetup : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    sandbox_ = std::make_unique<test::TSettingsSandbox>();
    LoadWorkingFolders();
    ResetEdiLastCall();
  }
  void cleanup() { sandbox_.reset(); }

  void okSavesTheRecordAndTheMailbox() {
    const std::string mailbox = sandbox_->Root() + "network/";
    test::WhenModal<QDialog>([&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("통신환경설정"));
      auto* login = dialog.findChild<QLineEdit*>("EdLoginID");
      QVERIFY(login != nullptr);
      QCOMPARE(dialog.findChild<QLineEdit*>("EdPhone1")->text(), QString("01455"));
      QCOMPARE(dialog.findChild<QLineEdit*>("EdPassword")->echoMode(), QLineEdit::Password);
      QCOMPARE(dialog.findChild<QLineEdit*>("EdMailbox")->text(),
               QString::fromStdString(sandbox_->ProgramHome() + "Mailbox/"));
      login->setText("OFFICE01");
      dialog.findChild<QLineEdit*>("EdMailbox")->setText(QString::fromStdString(mailbox));
      dialog.findChild<QCheckBox*>("HeaderCheck")->setChecked(true);
      QTest::mouseClick(dialog.findChild<QPushButton*>("BtnOk"), Qt::LeftButton);
    });
    QVERIFY(EdiEnvSetup());
    QCOMPARE(EdiLastResult(), 1);
    QCOMPARE(QString::fromStdString(EdiLastMessage()), QString("정상 처리 되었습니다."));

    TEdiConfig expected = DefaultEdiConfig();
    expected.LoginID = "OFFICE01";
    expected.HeaderCheck = true;
    TEdiConfig read;
    QVERIFY(ReadEdiSettings(read));
    QVERIFY(read == expected);
    TRegistry registry;
    QVERIFY(registry.OpenKey("Software\\Selvane.exe\\NetPost32\\Network", false));
    QCOMPARE(registry.ReadString("Mailbox").value_or(""), mailbox);
  }

  void cancelSavesNothing() {
    test::WhenModal<QDialog>([&](QDialog& dialog) {
      dialog.findChild<QLineEdit*>("EdLoginID")->setText("OFFICE01");
      QTest::mouseClick(dialog.findChild<QPushButton*>("BtnCancel"), Qt::LeftButton);
    });
    QVERIFY(!EdiEnvSetup());
    QCOMPARE(EdiLastResult(), 0);
    QCOMPARE(QString::fromStdString(EdiLastMessage()), QString("취소되었습니다."));
    QVERIFY(!std::filesystem::exists(sandbox_->RegistryFile()));
  }

  void damagedSettingsFileIsShownAndKept() {
    const std::string damaged = "REGEDIT4\n[HKEY_CURRENT_USER\\Software\n";
    sandbox_->WriteRegistry(damaged);
    QString shown;
    test::WhenModal<QDialog>([&](QDialog& dialog) {
      test::WhenModal<QMessageBox>([&](QMessageBox& box) {
        shown = box.text();
        box.accept();
      });
      QTest::mouseClick(dialog.findChild<QPushButton*>("BtnOk"), Qt::LeftButton);
      QVERIFY(dialog.isVisible());  // the user may mend the file and try again
      dialog.reject();
    });
    QVERIFY(!EdiEnvSetup());
    QCOMPARE(EdiLastResult(), -777);
    QCOMPARE(QString::fromStdString(EdiLastMessage()),
             QString("프로그램 오류 발생 (Registry 관련)"));
    QCOMPARE(shown, QString::fromStdString(
                        "레지스트리 파일이 손상되었습니다: " + sandbox_->RegistryFile() +
                        " 2번째 줄: 키는 [HKEY_CURRENT_USER\\...] 형식이어야 "
                        "합니다"));
    QCOMPARE(QString::fromStdString(sandbox_->RegistryText()), QString::fromStdString(damaged));
  }

 private:
  std::unique_ptr<test::TSettingsSandbox> sandbox_;
};

SELVANE_UI_TEST(TestEnvSetup, "EnvSetup");

}  // namespace selvane

#include "EnvSetup_test.moc"
