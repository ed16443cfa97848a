#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <fstream>

#include "MainFixture.h"
#include "ModalDriver.h"
#include "UiTest.h"
#include "core/Clock.h"
#include "core/Query.h"
#include "core/Registry.h"
#include "core/ui/Main.h"
#include "core/ui/Program.h"
#include "edi/EdiLibrary.h"
#include "support/ClosedPort.h"
#include "support/RecipientRow.h"
#include "transfer/HolidayCalendar.h"

namespace selvane {
namespace {

const char* const kIndustrialLate =
    "기업은행의 경우 송신제한시간이 오후 4시00분입니다.\r\n송신제한시간 이내에 송신해 주시기 "
    "바랍니다.";
const char* const kUserInfoKey = "Software\\Selvane.exe\\NetPost32\\UserInfo";

std::int64_t Rows(TDModule& dm, const char* table) {
  TQuery query(dm.Database);
  query.SetSql(std::string("SELECT Count(*) AS Cnt FROM ") + table);
  query.Open();
  return query.FieldByName("Cnt").AsInteger();
}

}  // namespace

class TestMainCommands : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program_ = std::make_unique<test::TMainProgram>();
    main_ = std::make_unique<TFrmMain>();
    opened_.clear();
    main_->SetNorvaEdiOpener([this](int mode) { opened_ << mode; });
  }
  void cleanup() {
    main_.reset();
    program_.reset();
    SetClock(std::nullopt);
    SetProgramArguments({});
    TestMode = false;
  }

  // Send and send-and-receive run the checks first; receive and re-receive never do.
  void communicationCommands_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("second");
    QTest::addColumn<QList<int>>("opened");
    QTest::addColumn<bool>("refused");
    QTest::newRow("send at 16:00:00") << "MnuSend" << 0 << QList<int>{1} << false;
    QTest::newRow("send at 16:00:01") << "MnuSend" << 1 << QList<int>{} << true;
    QTest::newRow("send and receive at 16:00:01") << "MnuSendRecv" << 1 << QList<int>{} << true;
    QTest::newRow("send and receive at 16:00:00") << "MnuSendRecv" << 0 << QList<int>{3} << false;
    QTest::newRow("receive at 16:00:01") << "MnuRecv" << 1 << QList<int>{2} << false;
    QTest::newRow("re-receive at 16:00:01") << "MnuReRecv" << 1 << QList<int>{4} << false;
  }
  void communicationCommands() {
    QFETCH(QString, item);
    QFETCH(int, second);
    QFETCH(QList<int>, opened);
    QFETCH(bool, refused);
    program_->AddInstitution(1, "03");
    program_->AddWaitingOrder(1, {2026, 3, 26});
    SetClock(TDateTime{{2026, 3, 25}, 16, 0, second});
    main_->MenuAction(item)->trigger();
    QCOMPARE(opened_, opened);
    const std::vector<std::string> expected =
        refused ? std::vector<std::string>{kIndustrialLate} : std::vector<std::string>{};
    QCOMPARE(program_->messages_.Texts(), expected);
  }

  void communicationNeedsTheSendReceiveWindow() {
    main_->SetNorvaEdiOpener(nullptr);
    for (const char* name : {"MnuSendRecv", "MnuSend", "MnuRecv", "MnuReRecv"})
      QVERIFY2(!main_->MenuAction(name)->isEnabled(), name);
  }

  void testModeFromTheFirstArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("lower case") << QStringList{"test"} << false << true;
    QTest::newRow("mixed case, more arguments") << QStringList{"TeSt", "x"} << false << true;
    QTest::newRow("another first argument") << QStringList{"tests", "test"} << true << false;
    QTest::newRow("none keeps off") << QStringList{} << false << false;
    QTest::newRow("none keeps on") << QStringList{} << true << true;
  }
  void testModeFromTheFirstArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, before);
    QFETCH(bool, after);
    std::vector<std::string> list;
    for (const QString& argument : arguments) list.push_back(argument.toStdString());
    SetProgramArguments(list);
    TestMode = before;
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(main_.get(), &activate);
    QCOMPARE(TestMode, after);
  }

  void deleteAllKeepsTheReferenceData() {
    program_->AddInstitution(1, "03");
    program_->AddWaitingOrder(1, {2026, 3, 26});
    test::AddRecipient(program_->dm_.TB_TransSub, {.BankId = "03", .BankNo = "12345678901"});
    program_->dm_.CommitAllTables();
    main_->MenuAction("MnuDeleteAll")->trigger();
    QCOMPARE(Rows(program_->dm_, "TBTrans"), std::int64_t(0));
    QCOMPARE(Rows(program_->dm_, "TBTransSub"), std::int64_t(0));
    QCOMPARE(Rows(program_->dm_, "KiGwan"), std::int64_t(1));
    QVERIFY(program_->messages_.Messages().empty());  // no question, no report
  }

  // Showing the window marks the EDI user key as this program's, never overwriting a value and
  // never creating the key.
  void appTypeCodeOnShow_data() {
    QTest::addColumn<QString>("registry");
    QTest::addColumn<QString>("expected");
    const QString head =
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n";
    QTest::newRow("key without the value") << head + "\"LoginID\"=\"A1\"\n"
                                           << "KVT";
    QTest::newRow("value kept") << head + "\"AppTypeCode\"=\"ABC\"\n"
                                << "ABC";
    QTest::newRow("no key") << "REGEDIT4\n"
                            << "";
  }
  void appTypeCodeOnShow() {
    QFETCH(QString, registry);
    QFETCH(QString, expected);
    program_->sandbox_.WriteRegistry(registry.toStdString());
    main_->show();
    TRegistry reg;
    if (expected.isEmpty()) {
      QVERIFY(!reg.KeyExists(kUserInfoKey));
      return;
    }
    QVERIFY(reg.OpenKey(kUserInfoKey, false));
    QCOMPARE(QString::fromStdString(reg.ReadString("AppTypeCode").value_or("-")), expected);
  }

  // Communication type 0 brings the upgrade settings item; any other type or none leaves the
  // menu as it is.
  void upgradeItemOnlyForTypeZero_data() {
    QTest::addColumn<QString>("comm");
    QTest::addColumn<bool>("item");
    QTest::newRow("type 0") << "\"COM-TYPE\"=dword:00000000\n" << true;
    QTest::newRow("type 1") << "\"COM-TYPE\"=dword:00000001\n" << false;
    QTest::newRow("missing") << "" << false;
  }
  void upgradeItemOnlyForTypeZero() {
    QFETCH(QString, comm);
    QFETCH(bool, item);
    program_->sandbox_.WriteRegistry(
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n" +
        comm.toStdString());
    TFrmMain main;
    QCOMPARE(main.ComType, item ? 0 : comm.isEmpty() ? -1 : 1);
    const QList<QAction*> settings = main.findChild<QMenu*>("MnuSettings")->actions();
    QCOMPARE(settings.size(), qsizetype(item ? 3 : 2));
    if (!item) return;
    QCOMPARE(settings.last()->text(), QString("자동업그레이드설정"));
    QCOMPARE(settings.last()->data().toInt(), 100);
    QVERIFY(settings.last()->isEnabled());
  }

  // With communication type 0 the creation runs the upgrade check through the component:
  // nothing to do is silent, an unreachable server is told and the window opens all the same.
  void upgradeCheckAtCreation_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("no source: nothing to do") << "" << QStringList{};
    QTest::newRow("unreachable server")
        << QString("https://127.0.0.1:%1/updates").arg(test::ClosedLoopbackPort())
        << QStringList{"서버에 접속할수 없습니다."};
  }
  void upgradeCheckAtCreation() {
    QFETCH(QString, source);
    QFETCH(QStringList, messages);
    program_->sandbox_.WriteRegistry(
        "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n"
        "\"COM-TYPE\"=dword:00000000\n");
    QVERIFY(TIniFile(IniFileName).WriteString("Upgrade", "Source", source.toStdString()));
    program_->messages_.Clear();
    TFrmMain main;
    QStringList shown;
    for (const std::string& text : program_->messages_.Texts())
      shown << QString::fromStdString(text);
    QCOMPARE(shown, messages);
    QVERIFY(!main.UpgradeLaunched);
    main.show();
    QVERIFY(main.isVisible());
    TRegistry registry;  // the versions were registered for the component
    QVERIFY(registry.OpenKey("Software\\PATCHRUNGRADE\\DB\\Setup.exe", false));
    QCOMPARE(registry.ReadString("Ver").value_or(""), std::string("1.5.4.1"));
  }

  void aboutBoxFromItsItem() {
    bool seen = false;
    test::WhenModal<QDialog>([&](QDialog& box) {
      QCOMPARE(box.windowTitle(), QString("프로그램정보"));
      QCOMPARE(box.findChild<QLabel*>("ProductName")->text(),
               QString("코렉스텔레콤 보건노르바 프로그램"));
      QCOMPARE(box.findChild<QLabel*>("Comments")->text(), QString("비고: 보건업무에 사용"));
      QVERIFY(!box.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
      QTest::mouseClick(box.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
      seen = true;
    });
    main_->MenuAction("MnuAbout")->trigger();
    QVERIFY(seen);
  }

  void passwordWindowFromItsItem() {
    bool seen = false;
    test::WhenModal<QDialog>([&](QDialog& form) {
      QCOMPARE(form.windowTitle(), QString("사용자비밀번호"));
      QTest::mouseClick(form.findChild<QPushButton*>("Button2"), Qt::LeftButton);
      seen = true;
    });
    main_->MenuAction("MnuUser")->trigger();
    QVERIFY(seen);
    QVERIFY(program_->messages_.Messages().empty());
  }

  // The tool-bar button opens the EDI component's own dialog; a saved user ID is the program's
  // at once.
  void communicationSettingsFromTheToolBar() {
    test::WhenModal<QDialog>([&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("통신환경설정"));
      dialog.findChild<QLineEdit*>("EdLoginID")->setText("OFFICE07");
      QTest::mouseClick(dialog.findChild<QPushButton*>("BtnOk"), Qt::LeftButton);
    });
    main_->findChild<QAction*>("BtnEnv")->trigger();
    QCOMPARE(EdiLoginId, std::string("OFFICE07"));
    QCOMPARE(ReadEdiLoginId(), std::string("OFFICE07"));
    QVERIFY(program_->messages_.Messages().empty());
  }

  // The holiday files are read when the window is created: a damaged line is shown, and the
  // program goes on with the rest.
  void damagedHolidayFileIsShownAndTheRestUsed() {
    main_.reset();
    program_->messages_.Clear();
    const std::string local = ExeDir + "holidays.local.txt";
    std::ofstream(local) << "2025-10-10 구청 개청 기념일\n2025-10-99 틀린 날\n-2025-10-08\n";
    TFrmMain main;
    const auto& shown = program_->messages_.Messages();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].Kind, std::string("warning"));
    QCOMPARE(
        shown[0].Text,
        "공휴일 파일에서 읽지 못한 줄이 있습니다. 그 줄은 빼고 나머지로 공휴일을 판단합니다.\n" +
            local + " 2번째 줄: 없는 날짜입니다 (2025-10-99)");
    QCOMPARE(shown[0].Caption, std::string(kProgramTitle));
    QVERIFY(IsHoliday({2025, 10, 10}));
    QVERIFY(!IsHoliday({2025, 10, 8}));
    QVERIFY(IsHoliday({2025, 10, 9}));
    QVERIFY(!IsHoliday({2025, 10, 14}));
  }

 private:
  std::unique_ptr<test::TMainProgram> program_;
  std::unique_ptr<TFrmMain> main_;
  QList<int> opened_;
};

SELVANE_UI_TEST(TestMainCommands, "MainCommands");

}  // namespace selvane

#include "MainCommands_test.moc"
