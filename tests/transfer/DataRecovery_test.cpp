#include "transfer/DataRecovery.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <filesystem>
#include <functional>

#include "core/Database.h"
#include "core/DiskSpace.h"
#include "core/FileChooser.h"
#include "core/Globals.h"
#include "core/SqliteFile.h"
#include "support/DataFolder.h"
#include "transfer/DataBackup.h"
#include "transfer/DataRefresh.h"

namespace selvane {
namespace {
namespace fs = std::filesystem;

const std::string kKept = "\r\r기존 자료는 그대로 있습니다.";

// Writes a zip of the given entries; an entry whose bytes start with "->" is a symbolic link to
// the rest.
void WriteZip(const std::string& archive,
              const std::vector<std::pair<std::string, std::string>>& entries) {
  int error = 0;
  zip_t* zip = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(zip, nullptr);
  for (const auto& [name, bytes] : entries) {
    zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
    zip_int64_t index = zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8);
    ASSERT_GE(index, 0) << name;
    if (bytes.rfind("->", 0) == 0)
      zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                       (S_IFLNK | 0777u) << 16);
  }
  ASSERT_EQ(zip_close(zip), 0);
}

class DataRecovery : public test::TDataFolderTest {
 protected:
  // A backup of the database as it is now, in a folder of its own.
  std::string Backup() {
    const std::string folder = folder_.Path() + "Backup/";
    fs::create_directories(folder);
    EXPECT_TRUE(BackupData(folder));
    messages_.Clear();
    return folder + "BB020915.zip";
  }
  // The restore must fail with that message and change nothing in the program folder.
  void ExpectRefused(const std::string& file, const std::string& kind, const std::string& message) {
    const std::string bytes = DatabaseBytes();
    const std::vector<std::string> files = ProgramFiles();
    messages_.Clear();
    EXPECT_FALSE(RestoreBackupFile(file));
    ASSERT_EQ(messages_.Messages().size(), 1u) << ::testing::PrintToString(messages_.Texts());
    EXPECT_EQ(messages_.Messages()[0].Kind, kind);
    EXPECT_EQ(messages_.Messages()[0].Text, message);
    EXPECT_TRUE(DatabaseBytes() == bytes) << "the database changed";
    EXPECT_EQ(ProgramFiles(), files);
  }
};

TEST_F(DataRecovery, HostileOrDamagedArchiveChangesNothing) {
  const std::string good = Backup();
  const std::string goodBytes = test::TTempFolder::ReadFile(good);
  const std::string dbBytes = test::TTempFolder::ReadFile(DatabaseFileName());
  const std::string file = folder_.Path() + "BB020915.zip";
  struct TCase {
    const char* Name;
    std::function<void()> Make;
    std::string Message;
  };
  std::string cut = goodBytes.substr(0, goodBytes.size() - 30);
  std::string flipped = goodBytes;
  flipped[flipped.size() / 2] ^= 0x55;  // inside the packed data
  const TCase cases[] = {
      {"not a zip", [&] { folder_.WriteFile("BB020915.zip", "PK\3\4 and nothing more"); },
       "압축 파일을 읽을 수 없습니다: " + file + " (Not a zip archive)"},
      {"cut short", [&] { folder_.WriteFile("BB020915.zip", cut); },
       "압축 파일을 읽을 수 없습니다: " + file + " (Not a zip archive)"},
      {"a name climbing out",
       [&] {
         WriteZip(file, {{"norva.db", dbBytes}, {"../x", "evil"}});
       },
       "압축 파일에 허용되지 않는 항목이 있습니다: ../x"},
      {"an absolute name",
       [&] {
         WriteZip(file, {{"/etc/norva.db", dbBytes}});
       },
       "압축 파일에 허용되지 않는 항목이 있습니다: /etc/norva.db"},
      {"a folder name",
       [&] {
         WriteZip(file, {{"Data\\norva.db", dbBytes}});
       },
       "압축 파일에 허용되지 않는 항목이 있습니다: Data\\norva.db"},
      {"a link",
       [&] {
         WriteZip(file, {{"norva.db", "->/etc/passwd"}});
       },
       "압축 파일에 허용되지 않는 항목이 있습니다: norva.db"},
      {"the old program's table files",
       [&] {
         WriteZip(file, {{"KiGwan.db", "paradox"}, {"KiGwan.px", "index"}});
       },
       "압축 파일에 이 프로그램의 자료 파일(norva.db)이 없습니다. 이 프로그램에서 만든 백업이 "
       "아닙니다: " +
           file},
      {"norva.db twice",
       [&] {
         WriteZip(file, {{"norva.db", dbBytes}, {"NORVA.DB", dbBytes}});
       },
       "압축 파일에 자료 파일(norva.db)이 두 개 있습니다: " + file},
      {"not a database",
       [&] {
         WriteZip(file, {{"norva.db", std::string(4096, 'x')}});
       },
       "자료 파일을 열 수 없습니다: norva.db (file is not a database)"},
      {"a table missing",
       [&] {
         const std::string db = folder_.Path() + "partial.db";
         TDatabase::Create(db, false);
         TSqliteFile(db, TSqliteFile::ReadWrite).Script("DROP TABLE KiGwan");
         WriteZip(file, {{"norva.db", test::TTempFolder::ReadFile(db)}});
       },
       "자료 파일에 필요한 표가 없습니다: KiGwan"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Make();
    ExpectRefused(file, "error", c.Message + kKept);
  }
  // Packed data that does not match its checksum is refused while unpacking.
  folder_.WriteFile("BB020915.zip", flipped);
  messages_.Clear();
  EXPECT_FALSE(RestoreBackupFile(file));
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Text.rfind("압축을 풀 수 없습니다: norva.db (", 0), 0u)
      << messages_.Messages()[0].Text;
}

TEST_F(DataRecovery, ArchiveLargerThanTheFreeRoomIsRefused) {
  const std::string backup = Backup();
  const std::string data = DataDir;
  SetDiskFreeProbe([&](const std::string& folder) -> std::int64_t {
    return folder.rfind(data, 0) == 0 ? 1000 : SystemDiskFree(folder);
  });
  ExpectRefused(backup, "error",
                "자료를 풀 공간이 부족합니다: norva.db " +
                    std::to_string(fs::file_size(DatabaseFileName())) +
                    " 바이트, 남은 공간 1000 바이트" + kKept);
}

TEST_F(DataRecovery, TruncatedPieceSetChangesNothing) {
  const std::string whole = test::TTempFolder::ReadFile(Backup());
  const std::size_t half = whole.size() / 2;
  folder_.WriteFile("Set/BB020915.001", whole.substr(0, half));
  folder_.WriteFile("Set/BB020915.end", whole.substr(half, whole.size() - half - 40));
  const std::string first = folder_.Path() + "Set/BB020915.001";
  ExpectRefused(first, "error",
                "압축 파일을 읽을 수 없습니다: " + first + " (Not a zip archive)" + kKept);
  // Without its last piece the set cannot be read at all.
  fs::remove(folder_.Path() + "Set/BB020915.end");
  ExpectRefused(first, "info",
                "자료를 읽을수가 없습니다.\r파일 또는 디스크에 이상이 있는지 확인하여 "
                "주십시오." +
                    kKept);
}

TEST_F(DataRecovery, PieceSetCopiedIntoOneFolderRestores) {
  const std::string whole = test::TTempFolder::ReadFile(Backup());
  const std::string rows = Dump();
  const std::size_t third = whole.size() / 3;
  folder_.WriteFile("Set/BB020915.001", whole.substr(0, third));
  folder_.WriteFile("Set/BB020915.002", whole.substr(third, third));
  folder_.WriteFile("Set/BB020915.end", whole.substr(2 * third));
  Sql("DELETE FROM TBTransSub");
  EXPECT_TRUE(RestoreBackupFile(folder_.Path() + "Set/BB020915.001"));
  EXPECT_EQ(Dump(), rows);
}

TEST_F(DataRecovery, NameThatIsNoBackupIsRefused) {
  folder_.WriteFile("backup.zip", "");
  ExpectRefused(folder_.Path() + "backup.zip", "info",
                "백업 파일의 형식이 올바르지 않습니다." + kKept);
}

TEST_F(DataRecovery, KeepsThePreviousDatabaseUntilTheNextRestore) {
  const std::string backup = Backup();
  const std::string backedUp = Dump();
  Sql("DELETE FROM TBTransSub WHERE Name = '김영희'");
  const std::string changed = Dump();

  ASSERT_TRUE(RestoreBackupFile(backup));
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(Dump(), backedUp);
  EXPECT_EQ(test::DumpDatabase(DatabaseFileName() + ".before-restore"), changed);
  EXPECT_EQ(ProgramFiles(),
            (std::vector<std::string>{"BlankDb.bin", "Data", "Data/norva.db",
                                      "Data/norva.db.before-restore", "Mailbox", "Recv", "Result",
                                      "Send", "holidays.local.txt", "holidays.txt"}));
  ASSERT_TRUE(RestoreBackupFile(backup));
  EXPECT_EQ(test::DumpDatabase(DatabaseFileName() + ".before-restore"), backedUp);
}

TEST_F(DataRecovery, DamagedDatabaseInPlaceIsReplaced) {
  const std::string backup = Backup();
  const std::string rows = Dump();
  folder_.WriteFile("program/Data/norva.db", "this is no database any more");
  folder_.WriteFile("program/Data/norva.db-wal", "stale log of the damaged file");
  ASSERT_TRUE(RestoreBackupFile(backup)) << ::testing::PrintToString(messages_.Texts());
  EXPECT_EQ(Dump(), rows);
  EXPECT_FALSE(fs::exists(DatabaseFileName() + "-wal"));
  EXPECT_EQ(test::TTempFolder::ReadFile(DatabaseFileName() + ".before-restore"),
            "this is no database any more");
}

TEST_F(DataRecovery, DatabaseInUseIsNotReplaced) {
  const std::string backup = Backup();
  TDatabase other;
  other.Open(DatabaseFileName());
  const std::string bytes = DatabaseBytes();
  EXPECT_FALSE(RestoreBackupFile(backup));
  EXPECT_EQ(
      messages_.Texts(),
      std::vector<std::string>{
          "다른 프로그램이 자료를 사용하고 있습니다. 그 프로그램을 끝내고 다시 하십시오." + kKept});
  EXPECT_TRUE(DatabaseBytes() == bytes);
  other.Close();
  EXPECT_TRUE(RestoreBackupFile(backup));
}

TEST_F(DataRecovery, ChoosesTheFileInTheProgramFolder) {
  struct TChooser : IFileChooser {
    std::optional<std::string> ChooseFolder(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseOpenFile(const std::string& title, const std::string& folder,
                                              const std::string& filter) override {
      asked = title + "|" + folder + "|" + filter;
      return answer;
    }
    std::string asked;
    std::optional<std::string> answer;
  } chooser;
  InstallFileChooser(&chooser);
  EXPECT_FALSE(RestoreData());  // cancelled: no message
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(chooser.asked, "백업 파일 선택|" + ExeDir +
                               "|펌뱅킹 백업 파일 (BB*.*)|BB*.*|일반 백업 파일 (BB*.zip)|BB*.zip|"
                               "다중 백업 파일 (BB*.001)|BB*.001");
  chooser.answer = Backup();
  EXPECT_TRUE(RestoreData());
  InstallFileChooser(nullptr);
}

class DataRecoveryFromMedia : public DataRecovery {
 protected:
  void SetUp() override {
    DataRecovery::SetUp();
    media_ = std::make_unique<test::TRemovableMedia>(folder_.Path() + "drive/",
                                                     folder_.Path() + "shelf/", 1 << 24);
    SetDriveA(media_->Mount());
  }
  void TearDown() override {
    media_.reset();
    DataRecovery::TearDown();
  }
  std::unique_ptr<test::TRemovableMedia> media_;
};

TEST_F(DataRecoveryFromMedia, SingleArchiveInEitherLetterCase) {
  const std::string rows = Dump();
  media_->InsertBlank();
  fs::copy_file(Backup(), media_->Mount() + "bb020915.zip");
  Sql("DELETE FROM TBTransSub");
  ASSERT_TRUE(RestoreBackupFile("A:\\BB020915.ZIP"));
  EXPECT_EQ(Dump(), rows);
}

TEST_F(DataRecoveryFromMedia, MissingPieceAsksAndCancelChangesNothing) {
  const std::string whole = test::TTempFolder::ReadFile(Backup());
  media_->InsertBlank();
  folder_.WriteFile("drive/BB020915.001", whole.substr(0, 100));
  const std::string bytes = DatabaseBytes();
  const std::vector<std::string> files = ProgramFiles();
  messages_.Script(mrOk, [&] { media_->Next(); });  // a blank medium comes next
  messages_.Script(mrCancel);
  EXPECT_FALSE(RestoreBackupFile(media_->Mount() + "BB020915.001"));
  EXPECT_EQ(messages_.Texts(),
            (std::vector<std::string>{"다음 디스켓을 넣으십시오.", "자료를 읽을 수 없습니다.",
                                      "자료 복구 작업이 취소되었습니다."}));
  EXPECT_TRUE(DatabaseBytes() == bytes);
  EXPECT_EQ(ProgramFiles(), files);
}

}  // namespace
}  // namespace selvane
