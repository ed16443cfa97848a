#include "transfer/DataBackup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "core/Database.h"
#include "core/Globals.h"
#include "core/ZipArchive.h"
#include "support/DataFolder.h"
#include "transfer/DataRecovery.h"
#include "transfer/DataRefresh.h"

namespace selvane {
namespace {
namespace fs = std::filesystem;

const char* const kNoMedium = "디스켓을 넣어 주십시오.";
const char* const kMediumFull = "디스켓의 여유 공간이 부족합니다.\r\r다른 디스켓을 넣어 주십시오.";
const char* const kCancelled = "자료 백업 처리가 취소되었습니다.";

std::vector<std::string> Entries(const std::string& archive) {
  std::vector<std::string> names;
  for (const TZipEntry& entry : ReadZipEntries(archive)) names.push_back(entry.Name);
  return names;
}

std::vector<std::string> Files(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

unsigned Mode(const std::string& file) {
  struct stat info {};
  EXPECT_EQ(::stat(file.c_str(), &info), 0) << file;
  return info.st_mode & 07777;
}

class DataBackup : public test::TDataFolderTest {
 protected:
  // Backs up to a folder of its own and returns the archive's size.
  std::int64_t ArchiveSize() {
    const std::string folder = folder_.Path() + "measure/";
    fs::create_directories(folder);
    EXPECT_TRUE(BackupData(folder));
    messages_.Clear();
    return static_cast<std::int64_t>(fs::file_size(folder + "BB020915.zip"));
  }
  // Restores the archive (and resets, as the main window does) over a database whose
  // recipients were deleted; the rows must come back.
  void ExpectRestores(const std::string& archive, const std::string& rows) {
    Sql("DELETE FROM TBTransSub");
    ASSERT_NE(Dump(), rows);
    EXPECT_TRUE(RestoreBackupFile(archive) && ReorganizeData())
        << ::testing::PrintToString(messages_.Texts());
    EXPECT_EQ(Dump(), rows);
  }
};

TEST_F(DataBackup, FolderOnTheDayGetsOneArchiveReadableByItsOwnerOnly) {
  const std::string folder = folder_.Path() + "Backup/";
  fs::create_directories(folder);
  const std::vector<std::string> before = ProgramFiles();
  const std::string rows = Dump();

  ASSERT_TRUE(BackupData(folder));
  EXPECT_EQ(Files(folder), std::vector<std::string>{"BB020915.zip"});
  EXPECT_EQ(Entries(folder + "BB020915.zip"), std::vector<std::string>{"norva.db"});
  EXPECT_EQ(Mode(folder + "BB020915.zip"), 0600u);
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(
      messages_.WaitCalls(),
      (std::vector<std::string>{"ShowWait:자료 백업을 준비중입니다", "ShowWait:자료 압축 처리중...",
                                "ShowWait:압축된 자료를 저장하고 있습니다"}));
  EXPECT_EQ(ProgramFiles(), before);  // no temporary archive left behind
  ExpectRestores(folder + "BB020915.zip", rows);
}

TEST_F(DataBackup, CopiesWhatIsCommittedWhileAnotherProgramWrites) {
  const std::string rows = Dump();
  TDatabase other;
  other.Open(DatabaseFileName());
  other.Execute("DELETE FROM TBTransSub");  // a write transaction left open
  const std::string folder = folder_.Path() + "Backup/";
  fs::create_directories(folder);
  ASSERT_TRUE(BackupData(folder));
  other.Rollback();
  other.Close();
  ExpectRestores(folder + "BB020915.zip", rows);
}

TEST_F(DataBackup, ReplacesTheSameDaysArchive) {
  const std::string folder = folder_.Path() + "Backup/";
  fs::create_directories(folder);
  ASSERT_TRUE(BackupData(folder));
  Sql("DELETE FROM TBTransSub WHERE Name = '김영희'");
  const std::string rows = Dump();
  ASSERT_TRUE(BackupData(folder));
  EXPECT_EQ(Files(folder), std::vector<std::string>{"BB020915.zip"});
  ExpectRestores(folder + "BB020915.zip", rows);
}

// A full disk: the earlier archive of the day stays whole and the failure is reported.
TEST_F(DataBackup, FailedWriteKeepsTheEarlierArchive) {
  const std::string folder = folder_.Path() + "Backup/";
  const std::string earlier = folder_.WriteFile("Backup/BB020915.zip", "earlier backup");
  ASSERT_EQ(::symlink("/dev/full", (earlier + ".new").c_str()), 0);
  EXPECT_FALSE(BackupData(folder));
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Kind, "error");
  EXPECT_EQ(messages_.Messages()[0].Text,
            "파일 " + earlier + "에 기록할 수 없습니다.\r\rNo space left on device");
  EXPECT_EQ(test::TTempFolder::ReadFile(earlier), "earlier backup");
  EXPECT_EQ(Files(folder), std::vector<std::string>{"BB020915.zip"});
}

TEST_F(DataBackup, FileThatCannotBeCreatedIsAskedAgainUntilCancelled) {
  struct TCase {
    bool Removable;
    std::string Hint;
  };
  for (const TCase& c : {TCase{false, "확인하여 주십시오."},
                         TCase{true, "디스켓이 기록 가능한 상태인지 확인하여 주십시오."}}) {
    SCOPED_TRACE(c.Removable ? "medium" : "hard disk");
    messages_.Clear();
    std::string target;
    std::string file;
    std::unique_ptr<test::TRemovableMedia> media;
    if (c.Removable) {
      media = std::make_unique<test::TRemovableMedia>(folder_.Path() + "drive/",
                                                      folder_.Path() + "shelf/", 1 << 20);
      media->InsertBlank();
      SetDriveA(media->Mount());
      fs::create_directory(media->Mount() + "BB020915.001");  // a folder where the piece goes
      target = "A:";
      file = media->Mount() + "BB020915.001";
    } else {
      const std::string notAFolder = folder_.WriteFile("plain.txt", "x");
      target = notAFolder + "/";
      file = target + "BB020915.zip";
    }
    messages_.Script(mrOk);
    messages_.Script(mrCancel);
    EXPECT_FALSE(BackupData(target));
    const std::string question = "파일 " + file + "를 생성할 수 없습니다.\r\r" + c.Hint;
    EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{question, question, kCancelled}));
  }
}

TEST_F(DataBackup, RemovableMediumWithoutAMountFolderIsExplained) {
  EXPECT_FALSE(BackupData("A:"));
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Text, "이동식 저장장치 A의 폴더가 설정되어 있지 않습니다.\r\r" +
                                              IniFileName +
                                              "의 [Drives] 항목 A에 그 폴더를 적어 주십시오.");
}

class DataBackupToMedia : public DataBackup {
 protected:
  void Media(std::int64_t capacity) {
    media_ = std::make_unique<test::TRemovableMedia>(folder_.Path() + "drive/",
                                                     folder_.Path() + "shelf/", capacity);
    SetDriveA(media_->Mount());
  }
  std::unique_ptr<test::TRemovableMedia> media_;
};

TEST_F(DataBackupToMedia, ArchiveThatFitsIsOneZip) {
  AddRecipients(50);
  const std::int64_t size = ArchiveSize();
  Media(size);
  media_->InsertBlank();
  ASSERT_TRUE(BackupData("A:"));
  EXPECT_EQ(media_->Contents(),
            (std::vector<std::vector<std::string>>{{"BB020915.zip " + std::to_string(size)}}));
  EXPECT_EQ(Mode(media_->Mount() + "BB020915.zip"), 0600u);
}

TEST_F(DataBackupToMedia, TwoAndAHalfMediaGetPiecesThatRestoreAsASet) {
  AddRecipients(2000);
  const std::string rows = Dump();
  const std::int64_t size = ArchiveSize();
  const std::int64_t capacity = size * 2 / 5;
  Media(capacity);
  media_->InsertBlank();
  messages_.Script(mrOk, [&] { media_->Next(); });
  messages_.Script(mrOk, [&] { media_->Next(); });
  ASSERT_TRUE(BackupData(media_->Mount()));
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{kMediumFull, kMediumFull}));
  const std::string full = std::to_string(capacity);
  EXPECT_EQ(media_->Contents(), (std::vector<std::vector<std::string>>{
                                    {"BB020915.001 " + full},
                                    {"BB020915.002 " + full},
                                    {"BB020915.end " + std::to_string(size - 2 * capacity)}}));
  // The pieces are plain slices of one archive.
  const std::string joined = folder_.WriteFile("joined.zip", media_->JoinedBytes());
  EXPECT_EQ(Entries(joined), std::vector<std::string>{"norva.db"});

  // Restoring reads the first medium and asks for each next one.
  messages_.Clear();
  media_->Insert(0);
  messages_.Script(mrOk, [&] { media_->Next(); });
  messages_.Script(mrOk, [&] { media_->Next(); });
  ExpectRestores(media_->Mount() + "BB020915.001", rows);
  EXPECT_EQ(messages_.Texts(),
            (std::vector<std::string>{"다음 디스켓을 넣으십시오.", "다음 디스켓을 넣으십시오."}));
}

TEST_F(DataBackupToMedia, SameDaysZipOnTheFirstMediumGivesItsRoom) {
  AddRecipients(50);
  const std::int64_t size = ArchiveSize();
  Media(size + 100);
  media_->InsertBlank();
  folder_.WriteFile("drive/BB020915.zip", std::string(static_cast<std::size_t>(size), 'x'));
  ASSERT_TRUE(BackupData("A:"));
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(media_->Contents(),
            (std::vector<std::vector<std::string>>{{"BB020915.zip " + std::to_string(size)}}));
  EXPECT_EQ(Entries(media_->Mount() + "BB020915.zip"), std::vector<std::string>{"norva.db"});
}

TEST_F(DataBackupToMedia, QuestionsForTheMedium) {
  struct TCase {
    const char* Name;
    bool Inserted;
    bool Full;
    int Answer;
    const char* Question;
    bool Done;
  };
  const TCase cases[] = {
      {"no medium, cancel", false, false, mrCancel, kNoMedium, false},
      {"full medium, cancel", true, true, mrCancel, kMediumFull, false},
      {"no medium, then one", false, false, mrOk, kNoMedium, true},
  };
  SetDriveA(folder_.Path() + "drive/");
  const std::vector<std::string> before = ProgramFiles();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    messages_.Clear();
    Media(1 << 20);
    if (c.Inserted) media_->InsertBlank();
    if (c.Full) folder_.WriteFile("drive/other.dat", std::string(1 << 20, 'x'));
    messages_.Script(c.Answer, [&] {
      if (c.Answer == mrOk) media_->InsertBlank();
    });
    EXPECT_EQ(BackupData("A"), c.Done);
    std::vector<std::string> expected{c.Question};
    if (!c.Done) expected.push_back(kCancelled);
    EXPECT_EQ(messages_.Texts(), expected);
    EXPECT_EQ(ProgramFiles(), before);  // the temporary archive is gone, also after a cancel
    media_.reset();
    fs::remove_all(folder_.Path() + "drive");
    fs::remove_all(folder_.Path() + "shelf");
  }
}

}  // namespace
}  // namespace selvane
