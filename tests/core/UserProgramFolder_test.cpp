#include "core/UserProgramFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>

#include "core/Globals.h"
#include "core/ProgramFiles.h"
#include "core/ProgramFolderSetup.h"
#include "core/Startup.h"
#include "support/ScopedGlobals.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

fs::perms Mode(const fs::path& path) {
  return fs::symlink_status(path).permissions() & fs::perms::mask;
}

// Every entry below folder: relative name -> file bytes ("/" for a folder).
std::map<std::string, std::string> Contents(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    contents[fs::relative(entry.path(), folder).string()] =
        entry.is_directory() ? "/" : test::TTempFolder::ReadFile(entry.path().string());
  return contents;
}

TEST(UserProgramFolder, FollowsTheDataHomeOfTheUser) {
  struct TCase {
    const char* Name;
    std::optional<std::string> DataHome;
    std::string Home;
    std::string Expected;
  };
  const TCase cases[] = {
      {"named data home", "/srv/data", "/home/office", "/srv/data/selvane/"},
      {"no data home", std::nullopt, "/home/office", "/home/office/.local/share/selvane/"},
      {"empty data home", "", "/home/office/", "/home/office/.local/share/selvane/"},
      {"relative data home is ignored", "data", "/home/office",
       "/home/office/.local/share/selvane/"},
  };
  for (const TCase& c : cases) {
    test::TScopedEnv data("XDG_DATA_HOME", c.DataHome);
    test::TScopedEnv home("HOME", c.Home);
    EXPECT_EQ(UserProgramFolder(), c.Expected) << c.Name;
  }
}

TEST(UserProgramFolder, ProgramFolderIsTheNamedOneElseThePerUserOne) {
  test::TTempFolder root;
  test::TScopedEnv data("XDG_DATA_HOME", root.Path() + "data");
  test::TScopedEnv named("NORVA_HOME", std::nullopt);
  // The test program's own folder holds no Data/: it stands for an installed program.
  ASSERT_FALSE(IsProgramFolder(ExecutableFolder()));
  EXPECT_EQ(ProgramFolder(), root.Path() + "data/selvane/");
  EXPECT_TRUE(ProgramFolderIsPerUser());

  ::setenv("NORVA_HOME", (root.Path() + "env").c_str(), 1);
  EXPECT_EQ(ProgramFolder(), root.Path() + "env/");
  EXPECT_FALSE(ProgramFolderIsPerUser());
  SetProgramHome(root.Path() + "option");
  EXPECT_EQ(ProgramFolder(), root.Path() + "option/");
  SetProgramHome("");
  EXPECT_EQ(ProgramFolder(), root.Path() + "env/");
}

TEST(UserProgramFolder, AProgramFolderHoldsADataFolder) {
  test::TTempFolder root;
  fs::create_directories(root.Path() + "portable/Data");
  root.WriteFile("file/Data", "not a folder");
  fs::create_directories(root.Path() + "bin");
  EXPECT_TRUE(IsProgramFolder(root.Path() + "portable/"));
  EXPECT_FALSE(IsProgramFolder(root.Path() + "file/"));
  EXPECT_FALSE(IsProgramFolder(root.Path() + "bin/"));
  EXPECT_FALSE(IsProgramFolder(root.Path() + "missing/"));
}

class MakeUserFolder : public ::testing::Test {
 protected:
  void SetUp() override { PrepareProgramFolder(template_); }

  test::TTempFolder root_;
  const std::string template_ = root_.Path() + "share/selvane/";
  const std::string share_ = root_.Path() + "home/.local/share/";
  const std::string target_ = share_ + "selvane/";
};

TEST_F(MakeUserFolder, FirstStartCopiesTheTemplateForTheUserAlone) {
  MakeUserProgramFolder(target_, template_);

  EXPECT_EQ(Contents(target_), Contents(template_));
  EXPECT_EQ(Mode(target_), fs::perms::owner_all);
  for (const auto& entry : fs::recursive_directory_iterator(target_))
    EXPECT_EQ(Mode(entry.path()), entry.is_directory()
                                      ? fs::perms::owner_all
                                      : fs::perms::owner_read | fs::perms::owner_write)
        << entry.path();
  // Nothing but the folder itself is left beside it.
  EXPECT_EQ(Contents(share_).count("selvane"), 1u);
  for (const auto& [name, bytes] : Contents(share_))
    EXPECT_TRUE(name == "selvane" || name.rfind("selvane/", 0) == 0) << name;
}

TEST_F(MakeUserFolder, AnExistingFolderIsNeverReplaced) {
  fs::create_directories(target_ + "Data");
  root_.WriteFile("home/.local/share/selvane/Data/norva.db", "the office's data");
  fs::permissions(target_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  const auto before = Contents(target_);

  MakeUserProgramFolder(target_, template_);
  MakeUserProgramFolder(target_, root_.Path() + "no-template/");  // not even looked for

  EXPECT_EQ(Contents(target_), before);
  EXPECT_EQ(Mode(target_), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
}

TEST_F(MakeUserFolder, AFailureLeavesNothingHalfMade) {
  struct TCase {
    const char* Name;
    std::string Template;
    std::string Target;
    std::string Message;  // the start of the message
  };
  root_.WriteFile("plain-file", "");
  ASSERT_EQ(::mkfifo((template_ + "Data/pipe").c_str(), 0600), 0);
  const std::string clean = root_.Path() + "clean/";
  PrepareProgramFolder(clean);
  const TCase cases[] = {
      {"template missing", root_.Path() + "none/", target_,
       "프로그램 폴더의 원본이 없습니다: " + root_.Path() + "none/"},
      {"no folder can be made there", clean, root_.Path() + "plain-file/selvane/",
       "프로그램 폴더를 만들 수 없습니다: " + root_.Path() + "plain-file/selvane ("},
      {"the copy breaks off", template_, target_,
       "프로그램 폴더를 만들 수 없습니다: " + share_ + "selvane ("},
  };
  for (const TCase& c : cases) {
    try {
      MakeUserProgramFolder(c.Target, c.Template);
      ADD_FAILURE() << c.Name << ": no error";
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, c.Message.size()), c.Message) << c.Name;
    }
    EXPECT_FALSE(fs::exists(c.Target)) << c.Name;
  }
  // The broken-off copy took its scratch folder away with it.
  EXPECT_TRUE(fs::is_empty(share_));
}

TEST(UserProgramFolder, FirstStartOfAnInstalledProgramMakesItsFolder) {
  test::TTempFolder root;
  test::TScopedEnv data("XDG_DATA_HOME", root.Path() + "data");
  test::TScopedEnv named("NORVA_HOME", std::nullopt);
  test::TScopedEnv registry("NORVA_REGISTRY", root.Path() + "registry.reg");
  test::TScriptedWaitMsg messages;
  const std::string folder = root.Path() + "data/selvane/";

  InitializeUnits();
  EXPECT_EQ(ExeDir, folder);
  EXPECT_EQ(DatabaseFileName(), folder + "Data/norva.db");
  EXPECT_EQ(test::TTempFolder::ReadFile(folder + "BlankDb.bin"),
            test::TTempFolder::ReadFile(ProgramTemplateFolder() + "BlankDb.bin"));
  EXPECT_EQ(SendDir, folder + "Send/");
  EXPECT_EQ(Mode(folder), fs::perms::owner_all);
  EXPECT_TRUE(messages.Messages().empty());
}

TEST(UserProgramFolder, StartWithoutAFolderWritesNothing) {
  test::TTempFolder root;
  root.WriteFile("file", "");
  test::TScopedEnv data("XDG_DATA_HOME", root.Path() + "file");
  test::TScopedEnv named("NORVA_HOME", std::nullopt);
  test::TScopedEnv registry("NORVA_REGISTRY", root.Path() + "registry.reg");
  test::TScriptedWaitMsg messages;
  EXPECT_THROW(InitializeUnits(), std::runtime_error);
  EXPECT_FALSE(fs::exists(root.Path() + "registry.reg"));
  EXPECT_TRUE(messages.Messages().empty());
}

}  // namespace
}  // namespace selvane
