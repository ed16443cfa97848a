// The program's side of the upgrade: the call through the component, the message of each
// result and the start of the launcher.
#include "reference/AutoUpgrade.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "core/IniFile.h"
#include "core/Registry.h"
#include "reference/UpgradeSettings.h"
#include "support/ClosedPort.h"
#include "support/ScriptedWaitMsg.h"
#include "support/SettingsSandbox.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

class AutoUpgrade : public ::testing::Test {
 protected:
  void TearDown() override {
    SetStartUpgradeCall(nullptr);
    SetLauncherFile("");
  }
  void SetSource(const std::string& source) {
    ASSERT_TRUE(
        TIniFile(sandbox_.ProgramHome() + "SELVANE.ini").WriteString("Upgrade", "Source", source));
  }

  test::TSettingsSandbox sandbox_;
  test::TScriptedWaitMsg messages_;
};

TEST_F(AutoUpgrade, EachResultShowsItsMessage) {
  const std::vector<std::pair<int, std::string>> results = {
      {2, ""},
      {10, "사용자 정보가 맞지 않습니다."},
      {11, "네트웍 장애에 의한 패킷 에러 발생."},
      {12, "서버에 접속할수 없습니다."},
      {13, "서버와의 통신이 중단되었습니다."},
      {14, "소켓 버퍼 OverFlow."},
      {15, "사용자가 업그레이드을 종료 하였습니다."},
      {16, "업데이트 정보 파일을 생성하지 못하였습니다."},
      {17, "업데이트 파일의 수가 맞지 않습니다."},
      {0, "업그레이드 도중 알수 없는 오류가 발생하였습니다."},
      {99, "업그레이드 도중 알수 없는 오류가 발생하였습니다."},
  };
  for (const auto& [result, message] : results) {
    messages_.Clear();
    EXPECT_FALSE(ActOnUpgradeResult(result)) << result;
    const std::vector<std::string> expected =
        message.empty() ? std::vector<std::string>{} : std::vector<std::string>{message};
    EXPECT_EQ(messages_.Texts(), expected) << result;
    if (!message.empty()) {
      EXPECT_EQ(messages_.Messages()[0].Kind, "info");
    }
  }
}

TEST_F(AutoUpgrade, ReadyStartsTheLauncherWithTheApplicationAndTheProgram) {
  const std::string launcher = sandbox_.Root() + "patchrun";
  const std::string record = sandbox_.Root() + "arguments";
  {
    std::ofstream(launcher) << "#!/bin/sh\necho \"$@\" > \"" << record << ".part\"\nmv \"" << record
                            << ".part\" \"" << record << "\"\n";
  }
  ::chmod(launcher.c_str(), 0755);
  SetLauncherFile(launcher);
  EXPECT_TRUE(ActOnUpgradeResult(1));
  EXPECT_TRUE(messages_.Messages().empty());
  for (int i = 0; i < 500 && !fs::exists(record); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(test::TTempFolder::ReadFile(record), "DB selvane\n");
}

TEST_F(AutoUpgrade, ALauncherThatCannotStartLeavesTheProgramRunning) {
  const std::string launcher = sandbox_.Root() + "no-patchrun";
  SetLauncherFile(launcher);
  EXPECT_FALSE(ActOnUpgradeResult(1));
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Kind, "error");
  EXPECT_EQ(messages_.Messages()[0].Text, "업그레이드 프로그램을 실행할 수 없습니다: " + launcher +
                                              ": No such file or directory");
}

// The settings are read and the versions registered before the component is asked, with the
// EDI user ID.
TEST_F(AutoUpgrade, RunReadsTheSettingsAndRegistersTheVersionsFirst) {
  sandbox_.WriteRegistry(
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\PATCHRUNGRADE\\DB]\n\"Interval1\"=\"WEEK\"\n"
      "\"Interval2\"=\"4\"\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n"
      "\"LoginID\"=\"OFFICE01\"\n");
  UpgradeSettings = {};
  std::string seen;
  SetStartUpgradeCall([&](const std::string& appCode, const std::string& userId, bool now) {
    TRegistry registry;
    const bool registered = registry.OpenKey("Software\\PATCHRUNGRADE\\DB\\Setup.exe", false);
    seen = appCode + " " + userId + (now ? " now " : " ") + UpgradeSettings.Interval1 +
           (registered ? " " + registry.ReadString("Ver").value_or("") : " -");
    return 12;
  });
  EXPECT_FALSE(RunUpgrade(true));
  EXPECT_EQ(seen, "DB OFFICE01 now WEEK 1.5.4.1");
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"서버에 접속할수 없습니다."});
}

TEST_F(AutoUpgrade, TheComponentAnswersThroughItsInterface) {
  EXPECT_EQ(CallStartUpgrade(false), kUpgradeNothing);  // no source set
  SetSource("https://127.0.0.1:" + std::to_string(test::ClosedLoopbackPort()) + "/updates");
  EXPECT_EQ(CallStartUpgrade(true), 12);
}

}  // namespace
}  // namespace selvane
