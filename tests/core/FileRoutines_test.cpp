#include "core/FileRoutines.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Clock.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

TEST(FileRoutines, ListsOrdinaryVisibleFilesOnly) {
  test::TTempFolder folder;
  folder.WriteFile("B.txt", "b");
  folder.WriteFile("A.DAT", "a");
  folder.WriteFile("NOEXT", "n");
  folder.WriteFile(".hidden", "h");
  std::filesystem::create_directory(folder.Path() + "Old");
  std::vector<std::string> list{"stale"};
  EXPECT_EQ(ListFiles(folder.Path(), "*.*", list), 3);
  EXPECT_EQ(list, (std::vector<std::string>{"A.DAT", "B.txt", "NOEXT"}));
  EXPECT_EQ(ListFiles(folder.Path(), "*.txt", list), 1);
  EXPECT_EQ(ListFiles(folder.Path(), "a.dat", list), 1) << "letter case is ignored";
  EXPECT_EQ(CountFiles(folder.Path() + "missing/"), 0);
}

// A folder opens as a stream but cannot be read: that is a missing file, not an exception.
TEST(FileRoutines, ReadWholeFileOfAFolderOrNothingIsFalse) {
  test::TTempFolder folder;
  std::filesystem::create_directory(folder.Path() + "SELVANE.ini");
  std::string bytes = "stale";
  EXPECT_FALSE(ReadWholeFile(folder.Path() + "SELVANE.ini", bytes));
  EXPECT_EQ(bytes, "");
  EXPECT_FALSE(ReadWholeFile(folder.Path() + "missing", bytes));
  folder.WriteFile("present", std::string("a\0b", 3));
  EXPECT_TRUE(ReadWholeFile(folder.Path() + "present", bytes));
  EXPECT_EQ(bytes, std::string("a\0b", 3));
}

TEST(FileRoutines, DeleteAllFilesKeepsFoldersAndHiddenFiles) {
  test::TTempFolder folder;
  folder.WriteFile("A", "a");
  folder.WriteFile("B", "b");
  folder.WriteFile(".keep", "k");
  folder.WriteFile("Old/C", "c");
  EXPECT_TRUE(DeleteAllFiles(folder.Path()));
  EXPECT_EQ(CountFiles(folder.Path()), 0);
  EXPECT_TRUE(std::filesystem::exists(folder.Path() + "Old/C"));
  EXPECT_TRUE(std::filesystem::exists(folder.Path() + ".keep"));
}

TEST(FileRoutines, CopyWithTimeStampAppendsTheMomentAfterTheWholeName) {
  test::TTempFolder folder;
  folder.WriteFile("src/A.txt", "content");
  std::filesystem::create_directory(folder.Path() + "dst");
  SetClock(TDateTime{{2005, 3, 3}, 14, 5, 9});
  EXPECT_TRUE(CopyFiles(folder.Path() + "src/", folder.Path() + "dst/", "*.*", true));
  SetClock(std::nullopt);
  EXPECT_EQ(test::TTempFolder::ReadFile(folder.Path() + "dst/A.txt_20050303140509"), "content");
  folder.WriteFile("dst/A.txt", "old");
  EXPECT_TRUE(CopyFiles(folder.Path() + "src/", folder.Path() + "dst/", "*.txt", false));
  EXPECT_EQ(test::TTempFolder::ReadFile(folder.Path() + "dst/A.txt"), "content");
}

}  // namespace
}  // namespace selvane
