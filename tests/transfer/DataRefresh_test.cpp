#include "transfer/DataRefresh.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Database.h"
#include "core/Globals.h"
#include "core/SqliteFile.h"
#include "support/DataFolder.h"

namespace selvane {
namespace {
namespace fs = std::filesystem;

const std::string kKept = "\r\r기존 자료는 그대로 있습니다.";

class DataRefresh : public test::TDataFolderTest {
 protected:
  std::vector<std::string> Column(const std::string& sql) {
    return TSqliteFile(DatabaseFileName(), TSqliteFile::ReadWrite).Column(sql);
  }
  void ExpectFails(const std::string& message) {
    const std::string bytes = DatabaseBytes();
    const std::vector<std::string> files = ProgramFiles();
    messages_.Clear();
    EXPECT_FALSE(ReorganizeData());
    ASSERT_EQ(messages_.Messages().size(), 1u);
    EXPECT_EQ(messages_.Messages()[0].Kind, "error");
    EXPECT_EQ(messages_.Messages()[0].Text, message);
    EXPECT_TRUE(DatabaseBytes() == bytes) << "the database changed";
    EXPECT_EQ(ProgramFiles(), files);
  }
};

TEST_F(DataRefresh, KeepsEveryRowAndShowsItsProgress) {
  AddRecipients(300);
  const std::string rows = Dump();
  ASSERT_TRUE(ReorganizeData());
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(Dump(), rows);
  EXPECT_EQ(test::DumpDatabase(DatabaseFileName() + ".before-reset"), rows);
  std::vector<std::string> waits{"ShowWait:자료 재정리를 준비중입니다.",
                                 "ShowWait:초기 자료를 생성중입니다.",
                                 "ShowWaitProgress:자료 복사중...:0:8:percent"};
  waits.insert(waits.end(), 8, "Step");
  waits.push_back("ShowWait:자료 재정리를 마무리중입니다.");
  EXPECT_EQ(messages_.WaitCalls(), waits);
}

// A database of an older structure: a column of today's structure is missing, another table is
// gone from it, column names differ in letter case, and a table has a looser key.
TEST_F(DataRefresh, OlderStructureTakesTheCurrentOne) {
  Sql("CREATE TABLE OldTable (A TEXT); INSERT INTO OldTable VALUES ('gone');"
      "CREATE TABLE TBTransSub2 AS SELECT KigwanId AS kigwanid, DongId, LargeitmId, BankId,"
      "  BankNo AS bankno, Jumin, Monecy, Name, State FROM TBTransSub;"
      "DROP TABLE TBTransSub; ALTER TABLE TBTransSub2 RENAME TO TBTransSub;"
      "DROP TABLE TBBank; CREATE TABLE TBBank (BankID TEXT, BankNM TEXT);"
      "INSERT INTO TBBank VALUES ('04', '국민'), ('11', '농협'), ('04', '국민은행');");
  ASSERT_TRUE(ReorganizeData()) << ::testing::PrintToString(messages_.Texts());
  EXPECT_EQ(Column("SELECT name FROM sqlite_master WHERE name = 'OldTable'"),
            std::vector<std::string>{});
  EXPECT_EQ(Column("SELECT Name || '/' || BankNo || '/' || Monecy || '/' ||"
                   " coalesce(JaGubun, 'null') FROM TBTransSub ORDER BY rowid"),
            (std::vector<std::string>{"홍길동/123-4567-8901/150000.0/null",
                                      "김영희/100-01-0000-123/2500.0/null"}));
  // The later of two rows with one key replaces the earlier.
  EXPECT_EQ(Column("SELECT BankID || ' ' || BankNM FROM TBBank ORDER BY BankID"),
            (std::vector<std::string>{"04 국민은행", "11 농협"}));
  EXPECT_EQ(Column("SELECT count(*) FROM pragma_table_info('TBTransSub') WHERE name = 'JaGubun'"),
            std::vector<std::string>{"1"});
  EXPECT_EQ(Column("SELECT count(*) FROM sqlite_master WHERE name = 'TBTransSubResult'"),
            std::vector<std::string>{"1"});  // the indexes of today's structure
}

TEST_F(DataRefresh, UnsoundBlankDatabaseChangesNothing) {
  const std::string blank = ExeDir + "BlankDb.bin";
  const std::string blankBytes = test::TTempFolder::ReadFile(blank);
  fs::remove(blank);
  ExpectFails("초기 자료 파일이 없습니다: " + blank + kKept);
  folder_.WriteFile("program/BlankDb.bin", blankBytes.substr(0, blankBytes.size() / 2));
  ExpectFails("압축 파일을 읽을 수 없습니다: " + blank + " (Not a zip archive)" + kKept);
}

TEST_F(DataRefresh, UnreadableOrBusyDatabaseChangesNothing) {
  {
    TDatabase other;
    other.Open(DatabaseFileName());
    ExpectFails("다른 프로그램이 자료를 사용하고 있습니다. 그 프로그램을 끝내고 다시 하십시오." +
                kKept);
  }
  folder_.WriteFile("program/Data/norva.db", std::string(8192, 'x'));
  ExpectFails("자료 파일을 읽을 수 없습니다: " + DatabaseFileName() +
              " (데이터 처리 오류: PRAGMA main.journal_mode=DELETE (" + DatabaseFileName() +
              ") (file is not a database))" + kKept);
}

TEST_F(DataRefresh, LeftoversOfAnInterruptedResetAreRemoved) {
  folder_.WriteFile("program/Data/.new-AbC123/norva.db", "half a database");
  const std::string rows = Dump();
  ASSERT_TRUE(ReorganizeData());
  EXPECT_EQ(Dump(), rows);
  EXPECT_FALSE(fs::exists(DataDir + ".new-AbC123"));
  EXPECT_EQ(ProgramFiles(),
            (std::vector<std::string>{"BlankDb.bin", "Data", "Data/norva.db",
                                      "Data/norva.db.before-reset", "Mailbox", "Recv", "Result",
                                      "Send", "holidays.local.txt", "holidays.txt"}));
}

TEST_F(DataRefresh, NoDatabaseGivesTheEmptyStructure) {
  fs::remove(DatabaseFileName());
  ASSERT_TRUE(ReorganizeData());
  EXPECT_EQ(Column("SELECT count(*) FROM sqlite_master WHERE type = 'table'"),
            std::vector<std::string>{"8"});
  EXPECT_EQ(Column("SELECT count(*) FROM TBBank"), std::vector<std::string>{"0"});
}

}  // namespace
}  // namespace selvane
