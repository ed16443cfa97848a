// The upgrade settings window, alone and as the main window's "자동업그레이드설정" opens it:
// what it shows, what it stores, and "지금 업그레이드".
#include "reference/ui/UpGradeSet.h"

#include <sys/stat.h>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <fstream>
#include <memory>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "UiTest.h"
#include "core/Registry.h"
#include "core/ui/Main.h"
#include "reference/AutoUpgrade.h"
#include "reference/UpgradeSettings.h"

namespace selvane {
namespace {

const std::string kCommTypeZero =
    "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n"
    "\"COM-TYPE\"=dword:00000000\n";
const std::string kUpgradeKey = "[HKEY_CURRENT_USER\\Software\\PATCHRUNGRADE\\DB]\n";

// A click on the button's mark, as a user clicks it (the middle of a stretched radio button is
// not part of it).
void Choose(QRadioButton* radio) {
  QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(6, radio->height() / 2));
}

std::string Value(const char* name) {
  TRegistry registry;
  if (!registry.OpenKey(kUpgradeSettingsKey, false)) return "<no key>";
  return registry.ReadString(name).value_or("<none>");
}

}  // namespace

class TestUpGradeSet : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program_ = std::make_unique<test::TMainProgram>();
    UpgradeSettings = {};
  }
  void cleanup() {
    SetStartUpgradeCall(nullptr);
    SetLauncherFile("");
    program_.reset();
  }

  void weekFourShowsWednesdayLocked() {
    UpgradeSettings = {"WEEK", "4", ""};
    TfrmUpGradeSet form;
    QCOMPARE(form.windowTitle(), QString("자동 업그레이드 주기 설정"));
    QCOMPARE(form.LblCurrent->text(), QString("매주  수요일"));
    QVERIFY(form.WeekRadio->isChecked());
    QCOMPARE(form.WeekCombo->currentText(), QString("수요일"));
    QCOMPARE(form.MonthCombo->currentText(), QString("1 일"));
    for (QWidget* widget : std::initializer_list<QWidget*>{
             form.ExeRadio, form.WeekRadio, form.MonthRadio, form.WeekCombo, form.MonthCombo})
      QVERIFY2(!widget->isEnabled(), qPrintable(widget->objectName()));
    QCOMPARE(form.WeekCombo->palette().color(QPalette::Disabled, QPalette::Base),
             form.palette().color(QPalette::Window));
    QVERIFY(!form.Okbtn->isEnabled());
  }

  void listsAndTheirTexts() {
    TfrmUpGradeSet form;
    QStringList weekdays, days;
    for (int i = 0; i < form.WeekCombo->count(); ++i) weekdays << form.WeekCombo->itemText(i);
    for (int i = 0; i < form.MonthCombo->count(); ++i) days << form.MonthCombo->itemText(i);
    QCOMPARE(weekdays, (QStringList{"월요일", "화요일", "수요일", "목요일", "금요일", "토요일"}));
    QCOMPARE(days.size(), 31);
    QCOMPARE(days[8], QString("9 일"));
    QCOMPARE(days[9], QString("10일"));
    QCOMPARE(days[30], QString("31일"));
    QCOMPARE(form.LblCurrent->text(), QString("설정되어 있지 않음"));
    QVERIFY(form.ExeRadio->isChecked());
  }

  // "설정" unlocks the choice; only the list of the checked period can be used.
  void settingUnlocksAndTheRadiosChooseTheList() {
    UpgradeSettings = {"EXE", "", ""};
    TfrmUpGradeSet form;
    form.show();
    QCOMPARE(form.LblCurrent->text(), QString("프로그램실행시"));
    QTest::mouseClick(form.Settingbtn, Qt::LeftButton);
    QVERIFY(form.Okbtn->isEnabled());
    QVERIFY(form.ExeRadio->isEnabled() && form.WeekRadio->isEnabled() &&
            form.MonthRadio->isEnabled());
    QVERIFY(!form.WeekCombo->isEnabled() && !form.MonthCombo->isEnabled());
    Choose(form.WeekRadio);
    QVERIFY(form.WeekCombo->isEnabled() && !form.MonthCombo->isEnabled());
    Choose(form.MonthRadio);
    QVERIFY(!form.WeekCombo->isEnabled() && form.MonthCombo->isEnabled());
  }

  void monthFifteenIsSavedFromTheMainWindow() {
    program_->sandbox_.WriteRegistry(kCommTypeZero);
    TFrmMain main;
    test::WhenModal<TfrmUpGradeSet>([](TfrmUpGradeSet& form) {
      QTest::mouseClick(form.Settingbtn, Qt::LeftButton);
      Choose(form.MonthRadio);
      form.MonthCombo->setCurrentIndex(14);
      QCOMPARE(form.MonthCombo->currentText(), QString("15일"));
      QTest::mouseClick(form.Okbtn, Qt::LeftButton);
    });
    main.MenuAction("MnuUpgrade")->trigger();
    QCOMPARE(Value("Interval1"), std::string("MONTH"));
    QCOMPARE(Value("Interval2"), std::string("15"));
    QCOMPARE(Value("UpdateDt"), std::string("20000101"));
    QVERIFY(program_->messages_.Messages().empty());
  }

  void closeWritesNothing() {
    program_->sandbox_.WriteRegistry(kCommTypeZero + "\n" + kUpgradeKey +
                                     "\"Interval1\"=\"WEEK\"\n\"Interval2\"=\"3\"\n");
    TFrmMain main;
    const std::string before = program_->sandbox_.RegistryText();
    test::WhenModal<TfrmUpGradeSet>([](TfrmUpGradeSet& form) {
      QCOMPARE(form.LblCurrent->text(), QString("매주  화요일"));
      QTest::mouseClick(form.Settingbtn, Qt::LeftButton);
      Choose(form.MonthRadio);
      QTest::mouseClick(form.Cancelbtn, Qt::LeftButton);
    });
    main.MenuAction("MnuUpgrade")->trigger();
    QCOMPARE(program_->sandbox_.RegistryText(), before);
  }

  // "지금 업그레이드" asks at once; a failure is told and the program goes on, a started launcher
  // ends it.
  void upgradeNow_data() {
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("launcherThere");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("ends");
    QTest::newRow("unreachable") << 12 << true << QStringList{"서버에 접속할수 없습니다."} << false;
    QTest::newRow("nothing newer") << 2 << true << QStringList{} << false;
    QTest::newRow("launcher missing") << 1 << false << QStringList{"<launcher>"} << false;
    QTest::newRow("launcher started") << 1 << true << QStringList{} << true;
  }
  void upgradeNow() {
    QFETCH(int, result);
    QFETCH(bool, launcherThere);
    QFETCH(QStringList, messages);
    QFETCH(bool, ends);
    program_->sandbox_.WriteRegistry(kCommTypeZero);
    TFrmMain main;  // its own check at creation: no source, nothing to do
    QVERIFY(!main.UpgradeLaunched);
    main.show();
    const std::string launcher = program_->sandbox_.Root() + "patchrun";
    if (launcherThere) {
      std::ofstream(launcher) << "#!/bin/sh\nexit 0\n";
      ::chmod(launcher.c_str(), 0755);
    }
    SetLauncherFile(launcher);
    QList<bool> asked;
    SetStartUpgradeCall([&](const std::string&, const std::string&, bool now) {
      asked << now;
      return result;
    });
    QSignalSpy closed(&main, &TFrmMain::Closed);
    test::WhenModal<TfrmUpGradeSet>(
        [](TfrmUpGradeSet& form) { QTest::mouseClick(form.UpGradeStartbtn, Qt::LeftButton); });
    main.MenuAction("MnuUpgrade")->trigger();

    QCOMPARE(asked, QList<bool>{true});
    QStringList shown;
    for (const std::string& text : program_->messages_.Texts())
      shown << QString::fromStdString(text);
    if (messages == QStringList{"<launcher>"})
      messages = QStringList{QString::fromStdString(
          "업그레이드 프로그램을 실행할 수 없습니다: " + launcher + ": No such file or directory")};
    QCOMPARE(shown, messages);
    QCOMPARE(closed.count(), ends ? 1 : 0);
    QCOMPARE(main.UpgradeLaunched, ends);
    QCOMPARE(main.isVisible(), !ends);
  }

 private:
  std::unique_ptr<test::TMainProgram> program_;
};

SELVANE_UI_TEST(TestUpGradeSet, "UpGradeSet");

}  // namespace selvane

#include "UpGradeSet_test.moc"
