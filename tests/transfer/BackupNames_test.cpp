#include "transfer/BackupNames.h"

#include <gtest/gtest.h>

#include "support/DataFolder.h"
#include "transfer/BackupMedia.h"

namespace selvane {
namespace {

TEST(IsBackupFileName, ReadsTheNameInUpperCase) {
  struct TCase {
    const char* Name;
    bool Expected;
  };
  const TCase cases[] = {
      {"BB020915.zip", true},
      {"BB020915.ZIP", true},
      {"bb020915.zip", true},
      {"BB020915.001", true},
      {"/media/stick/BB020915.001", true},  // the folder does not count
      {"BB020915.002", false},              // only the first piece starts a set
      {"BB020915.end", false},
      {"backup.zip", false},
      {"BB02091.zip", false},    // 11 characters
      {"BB0209150.zip", false},  // 13 characters
      {"BB0209A5.zip", false},   // a letter in the date
      {"BB 20915.zip", false},
      {"XB020915.zip", false},
      {"BB020915_zip", false},
      {"", false},
  };
  for (const TCase& c : cases) EXPECT_EQ(IsBackupFileName(c.Name), c.Expected) << c.Name;
}

TEST(BackupNames, DateAndPieceNumber) {
  EXPECT_EQ(BackupBaseName({2002, 9, 15}), "BB020915");
  EXPECT_EQ(BackupBaseName({1999, 12, 31}), "BB991231");
  EXPECT_EQ(PieceExtension(1), ".001");
  EXPECT_EQ(PieceExtension(12), ".012");
}

class BackupPlace : public test::TDataFolderTest {};

TEST_F(BackupPlace, DriveLettersAndMountFoldersAreRemovableMedia) {
  const std::string mount = folder_.Path() + "stick/";
  SetDriveA(mount);
  struct TCase {
    std::string Folder;
    TDriveKind Kind;
    std::string Expected;
  };
  const TCase cases[] = {
      {"A", TDriveKind::DriveA, mount},
      {"A:", TDriveKind::DriveA, mount},
      {"A:\\", TDriveKind::DriveA, mount},
      {"A:\\old\\2002", TDriveKind::DriveA, mount + "old/2002/"},
      {mount, TDriveKind::DriveA, mount},
      {mount + "old", TDriveKind::DriveA, mount + "old/"},
      {folder_.Path() + "stick/../stick", TDriveKind::DriveA, folder_.Path() + "stick/../stick/"},
      {"B:", TDriveKind::DriveB, ""},       // no mount folder set for B
      {"a:", TDriveKind::HardDisk, "a:/"},  // only the upper-case letter names the drive
      {"Archive/", TDriveKind::HardDisk, "Archive/"},
      {folder_.Path() + "stick2", TDriveKind::HardDisk, folder_.Path() + "stick2/"},
      {"/var/backups", TDriveKind::HardDisk, "/var/backups/"},
  };
  for (const TCase& c : cases) {
    TBackupPlace place = ResolveBackupPlace(c.Folder);
    EXPECT_EQ(place.Kind, c.Kind) << c.Folder;
    EXPECT_EQ(place.Folder, c.Expected) << c.Folder;
  }
}

}  // namespace
}  // namespace selvane
