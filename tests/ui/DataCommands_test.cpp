#include <QAction>
#include <filesystem>

#include "MainFixture.h"
#include "UiTest.h"
#include "core/Clock.h"
#include "core/Query.h"
#include "core/ui/FileDialog.h"
#include "core/ui/Main.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {
namespace fs = std::filesystem;

const std::string kReopen = "ShowWait:자료를 열고 있습니다.";

}  // namespace

class TestDataCommands : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    program_ = std::make_unique<test::TMainProgram>();
    main_ = std::make_unique<TFrmMain>();
    backups_ = std::make_unique<test::TTempFolder>();
    SetClock(TDateTime{{2002, 9, 15}, 9, 30, 0});
    program_->AddInstitution(1, "04");
    program_->dm_.CommitAllTables();
  }
  void cleanup() {
    SetFileDialogAnswer({});
    main_.reset();
    program_.reset();
    backups_.reset();
    SetClock(std::nullopt);
  }

  void itemsAreUsable() {
    for (const char* name : {"MnuBackup", "MnuRestore", "MnuReset"})
      QVERIFY2(main_->MenuAction(name)->isEnabled(), name);
  }

  // Backup, restore and reset from the menu, each with the database closed around it.
  void backupRestoreAndReset() {
    // A row posted but not yet written goes into the backup too.
    program_->AddInstitution(2, "11");
    QStringList asked;
    bool closedWhileAsked = false;
    std::string answer = backups_->Path();
    SetFileDialogAnswer([&](const QString& title, const QString& filter) -> std::optional<QString> {
      asked << title + "|" + filter;
      closedWhileAsked = !program_->dm_.Database.IsOpen() && !main_->isEnabled();
      return QString::fromStdString(answer);
    });
    main_->MenuAction("MnuBackup")->trigger();
    const std::string archive = backups_->Path() + "BB020915.zip";
    QVERIFY(fs::exists(archive));
    QCOMPARE(asked, QStringList{"자료를 저장할 폴더 선택|"});
    QVERIFY(closedWhileAsked);
    ExpectDone("자료 받기가 완료되었습니다.");

    program_->dm_.QryCount.SetSql("DELETE FROM KiGwan");
    program_->dm_.QryCount.ExecSql();
    program_->dm_.CommitAllTables();
    QCOMPARE(Institutions(), std::int64_t(0));
    asked.clear();
    answer = archive;
    main_->MenuAction("MnuRestore")->trigger();
    QCOMPARE(asked, QStringList{"백업 파일 선택|펌뱅킹 백업 파일 (BB*.*)|BB*.*|일반 백업 파일 "
                                "(BB*.zip)|BB*.zip|다중 백업 파일 (BB*.001)|BB*.001"});
    QVERIFY(closedWhileAsked);
    ExpectDone("자료 복구가 완료되었습니다.");
    QCOMPARE(Institutions(), std::int64_t(2));
    QVERIFY(fs::exists(DatabaseFileName() + ".before-restore"));

    main_->MenuAction("MnuReset")->trigger();
    ExpectDone("자료 재정리가 완료되었습니다.");
    QCOMPARE(Institutions(), std::int64_t(2));
  }

  void failedRestoreReopensTheDatabaseWithoutSuccess() {
    const std::string damaged = backups_->WriteFile("BB020915.zip", "no archive");
    SetFileDialogAnswer([&](const QString&, const QString&) -> std::optional<QString> {
      return QString::fromStdString(damaged);
    });
    main_->MenuAction("MnuRestore")->trigger();
    const auto& messages = program_->messages_.Messages();
    QCOMPARE(messages.size(), std::size_t(1));
    QCOMPARE(messages[0].Kind, std::string("error"));
    QCOMPARE(messages[0].Text, "압축 파일을 읽을 수 없습니다: " + damaged +
                                   " (Not a zip archive)\r\r기존 자료는 그대로 있습니다.");
    QCOMPARE(messages[0].Caption, std::string(kProgramTitle));
    ExpectReopened();
    QCOMPARE(Institutions(), std::int64_t(1));
  }

  void cancelledChoiceSaysNothing() {
    SetFileDialogAnswer(
        [](const QString&, const QString&) -> std::optional<QString> { return std::nullopt; });
    for (const char* item : {"MnuBackup", "MnuRestore"}) {
      program_->messages_.Clear();
      main_->MenuAction(item)->trigger();
      QVERIFY2(program_->messages_.Messages().empty(), item);
      ExpectReopened();
    }
  }

 private:
  std::int64_t Institutions() {
    TQuery query(program_->dm_.Database);
    query.SetSql("SELECT Count(*) AS Cnt FROM KiGwan");
    query.Open();
    return query.FieldByName("Cnt").AsInteger();
  }
  void ExpectReopened() {
    QVERIFY(program_->dm_.Database.IsOpen());
    QVERIFY(program_->dm_.TB_Kigwan.Active());
    QVERIFY(main_->isEnabled());
    const auto& waits = program_->messages_.WaitCalls();
    QVERIFY(waits.size() >= 2);
    QCOMPARE(waits[waits.size() - 2], kReopen);
    QCOMPARE(waits.back(), std::string("Close"));
  }
  void ExpectDone(const std::string& text) {
    const auto& messages = program_->messages_.Messages();
    QCOMPARE(messages.size(), std::size_t(1));
    QCOMPARE(messages[0].Kind, std::string("info"));
    QCOMPARE(messages[0].Text, text);
    ExpectReopened();
    program_->messages_.Clear();
  }

  std::unique_ptr<test::TMainProgram> program_;
  std::unique_ptr<TFrmMain> main_;
  std::unique_ptr<test::TTempFolder> backups_;
};

SELVANE_UI_TEST(TestDataCommands, "DataCommands");

}  // namespace selvane

#include "DataCommands_test.moc"
