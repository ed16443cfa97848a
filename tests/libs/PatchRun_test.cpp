// Putting a staged update in place: the apply with its rollback, and the launcher patchrun
// itself on a small fake program that records which version ran.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "AutoFetch.h"
#include "Patch.h"
#include "core/SingleInstance.h"
#include "core/WaitMsg.h"
#include "libs/UpgradeFixture.h"

extern char** environ;

namespace selvane::autofetch {
namespace {

namespace fs = std::filesystem;
using test::kNewProgram;
using test::kOldProgram;

class UpgradeApply : public test::TUpgradeFixture {
 public:
  void SetUp() override {
    TUpgradeFixture::SetUp();
    std::string error;
    ASSERT_TRUE(ReleasePublicKey(sandbox_.ProgramHome(), publicKey_, error)) << error;
  }

  // Stages the release as the check does.
  void Stage(const std::vector<test::TReleaseFile>& files = test::kRelease) {
    Publish("1.5.4.2", files);
    ASSERT_EQ(Check(), AUTOFETCH_READY);
  }

  void ExpectOldVersion() {
    EXPECT_EQ(Read(Root() + "bin/selvane"), kOldProgram);
    EXPECT_EQ(Mode(Root() + "bin/selvane"), 0755u);
    EXPECT_EQ(Read(Root() + "lib/libNetPost32.so"), "old component");
    EXPECT_FALSE(Exists(Root() + "lib/libAutoFetch.so"));
    EXPECT_FALSE(Exists(Layout().Journal()));
  }

  std::string publicKey_;
};

TEST_F(UpgradeApply, ReplacesEveryFileAndKeepsTheOldOnes) {
  Stage();
  std::string message;
  ASSERT_EQ(ApplyStagedUpgrade(Layout(), publicKey_, message), TApply::Applied) << message;
  for (const test::TReleaseFile& file : test::kRelease) {
    EXPECT_EQ(Read(Root() + file.Path), file.Bytes) << file.Path;
    EXPECT_EQ(Mode(Root() + file.Path), file.Mode) << file.Path;
  }
  EXPECT_EQ(Read(Layout().Backup() + "bin/selvane"), kOldProgram);
  EXPECT_EQ(Read(Layout().Backup() + "lib/libNetPost32.so"), "old component");
  EXPECT_EQ(InstalledVersion(Layout()), "1.5.4.2");
  EXPECT_FALSE(Exists(Layout().Staging()));
  EXPECT_FALSE(Exists(Layout().Journal()));
}

// "share" is a file where the update wants a folder: the last file cannot be put in place,
// after three have been.
TEST_F(UpgradeApply, AFileThatCannotBeReplacedRollsBackTheOthers) {
  Put(Root() + "share", "not a folder");
  std::vector<test::TReleaseFile> files = test::kRelease;
  files.push_back({"share/help.txt", "help", 0644});
  Stage(files);
  std::string message;
  EXPECT_EQ(ApplyStagedUpgrade(Layout(), publicKey_, message), TApply::RolledBack);
  EXPECT_NE(message.find("share/help.txt"), std::string::npos) << message;
  ExpectOldVersion();
  EXPECT_EQ(Read(Root() + "share"), "not a folder");
  EXPECT_EQ(InstalledVersion(Layout()), "");
  EXPECT_FALSE(Exists(Layout().Staging()));
}

TEST_F(UpgradeApply, AStagedFileChangedSinceIsRefusedUntouched) {
  Stage();
  Put(Layout().Staging() + "lib/libNetPost32.so", "NEW component");
  std::string message;
  EXPECT_EQ(ApplyStagedUpgrade(Layout(), publicKey_, message), TApply::Refused);
  ExpectOldVersion();
  EXPECT_FALSE(Exists(Layout().Staging()));
}

TEST_F(UpgradeApply, NothingStagedIsNothingToDo) {
  std::string message;
  EXPECT_EQ(ApplyStagedUpgrade(Layout(), publicKey_, message), TApply::NothingStaged);
  ExpectOldVersion();
}

// A crash after the program was replaced and while the new component was being added: the
// journal's last line was cut by the crash, so that step was never taken.
TEST_F(UpgradeApply, AnApplyThatBrokeOffIsRolledBackFromItsJournal) {
  Stage();
  fs::create_directories(Layout().Backup() + "bin");
  fs::rename(Root() + "bin/selvane", Layout().Backup() + "bin/selvane");
  fs::rename(Layout().Staging() + "bin/selvane", Root() + "bin/selvane");
  fs::rename(Layout().Staging() + "lib/libAutoFetch.so", Root() + "lib/libAutoFetch.so");
  Put(Layout().Journal(), "replace bin/selvane\nadd lib/libAutoFetch.so\nreplace lib/libNet");
  std::string message;
  EXPECT_TRUE(RollBackInterruptedApply(Layout(), message)) << message;
  ExpectOldVersion();
  EXPECT_FALSE(Exists(Layout().Staging()));
}

// The launcher, copied into the install's bin/ as the build installs it.
class Launcher : public UpgradeApply {
 public:
  void SetUp() override {
    UpgradeApply::SetUp();
    fs::copy_file(SELVANE_PATCHRUN, Root() + "bin/patchrun");
    ::chmod((Root() + "bin/patchrun").c_str(), 0755);
    runtime_ = work_.Path() + "runtime/";
    fs::create_directories(runtime_);
    ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
    ::setenv("UPGRADE_MARKER", (work_.Path() + "ran").c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("XDG_RUNTIME_DIR");
    ::unsetenv("UPGRADE_MARKER");
    UpgradeApply::TearDown();
  }

  pid_t Start() {
    const std::string file = Root() + "bin/patchrun";
    char app[] = "DB", program[] = "selvane";
    char* argv[] = {const_cast<char*>(file.c_str()), app, program, nullptr};
    pid_t pid = 0;
    EXPECT_EQ(posix_spawn(&pid, file.c_str(), nullptr, nullptr, argv, environ), 0);
    return pid;
  }
  static int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // Which versions of the program ran, one a line.
  std::string Ran() { return Exists(work_.Path() + "ran") ? Read(work_.Path() + "ran") : ""; }

  std::string runtime_;
};

TEST_F(Launcher, WaitsForTheProgramThenStartsTheNewVersion) {
  Stage();
  TSingleInstanceLock running;  // the program that started the launcher has not ended yet
  ASSERT_TRUE(running.Acquire(kProgramTitle));
  const pid_t pid = Start();
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  int status = 0;
  EXPECT_EQ(::waitpid(pid, &status, WNOHANG), 0);  // still waiting
  EXPECT_EQ(Read(Root() + "bin/selvane"), kOldProgram);

  running.Release();
  EXPECT_EQ(Wait(pid), 0);
  EXPECT_EQ(Ran(), "new\n");
  EXPECT_EQ(Read(Root() + "lib/libNetPost32.so"), "new component");
  EXPECT_NE(Read(Layout().Log()).find("version 1.5.4.2 is in place"), std::string::npos);
}

TEST_F(Launcher, AFailedReplacementRestartsTheOldVersion) {
  Put(Root() + "share", "not a folder");
  std::vector<test::TReleaseFile> files = test::kRelease;
  files.push_back({"share/help.txt", "help", 0644});
  Stage(files);
  EXPECT_EQ(Wait(Start()), 0);
  EXPECT_EQ(Ran(), "old\n");
  ExpectOldVersion();
}

}  // namespace
}  // namespace selvane::autofetch
