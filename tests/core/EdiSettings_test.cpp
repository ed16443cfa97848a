#include "core/EdiSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/EdiFolders.h"
#include "core/Globals.h"
#include "core/Registry.h"
#include "core/Startup.h"
#include "support/ScriptedWaitMsg.h"
#include "support/SettingsSandbox.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

constexpr const char* kComm = "Software\\Selvane.exe\\NetPost32\\Comm";
constexpr const char* kUserInfo = "Software\\Selvane.exe\\NetPost32\\UserInfo";

TEST(EdiSettings, FirstStartWritesEveryDefault) {
  test::TSettingsSandbox sandbox;
  test::TScriptedWaitMsg messages;
  InitializeUnits();

  const std::string home = sandbox.ProgramHome();
  EXPECT_EQ(ExeDir, home);
  EXPECT_EQ(SendDir, home + "Send/");
  EXPECT_EQ(RecvDir, home + "Recv/");
  EXPECT_EQ(ResultDir, home + "Result/");
  EXPECT_EQ(EdiLoginId, "");
  for (const char* folder : {"Send", "Recv", "Result"})
    EXPECT_TRUE(fs::is_directory(home + folder));
  EXPECT_TRUE(messages.Messages().empty());

  EXPECT_EQ(sandbox.RegistryText(),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NETPOST32\\COMM]\n"
            "\"Connect1\"=\"01455망\"\n"
            "\"Connect2\"=\"DNS망\"\n"
            "\"Phone1\"=\"01455\"\n"
            "\"Phone2\"=\"01456\"\n"
            "\"ModemInit\"=\"atz\"\n"
            "\"Port\"=\"COM1\"\n"
            "\"Protocol\"=\"Zmodem\"\n"
            "\"Speed\"=\"38400\"\n"
            "\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NETPOST32\\USERINFO]\n"
            "\"LoginID\"=\"\"\n"
            "\"Password\"=\"\"\n"
            "\"SendDir\"=\"" +
                home +
                "Send\"\n"
                "\"RecvDir\"=\"" +
                home +
                "Recv\"\n"
                "\"ResultDir\"=\"" +
                home +
                "Result\"\n"
                "\"ScriptDir\"=\"" +
                home +
                "Script\"\n"
                "\"DeleteCheck\"=dword:00000001\n"
                "\"AppendCheck\"=dword:00000001\n"
                "\"PasswordCheck\"=dword:00000000\n"
                "\"ErrorCheck\"=dword:00000000\n"
                "\"CompressCheck\"=dword:00000000\n"
                "\"ResultCheck\"=dword:00000001\n"
                "\"HeaderCheck\"=dword:00000000\n"
                "\"HeaderValCheck\"=dword:00000001\n"
                "\"MessageCheck\"=dword:00000001\n");

  TEdiConfig read;
  ASSERT_TRUE(ReadEdiSettings(read));
  EXPECT_EQ(read, DefaultEdiConfig());
  EXPECT_EQ(read.SendDir, home + "Send");
}

TEST(EdiSettings, StoredValuesWinAndSurviveAWriteBack) {
  test::TSettingsSandbox sandbox;
  TEdiConfig config = DefaultEdiConfig();
  config.Connect1 = "전용망";
  config.Phone1 = "01234";
  config.Speed = "9600";
  config.LoginID = "OFFICE01";
  config.Password = "pa\"ss\\";
  config.SendDir = sandbox.Root() + "out";
  config.DeleteCheck = false;
  config.HeaderCheck = true;
  ASSERT_TRUE(WriteEdiSettings(config));

  TEdiConfig read;
  ASSERT_TRUE(ReadEdiSettings(read));
  EXPECT_EQ(read, config);

  // Start-up keeps them, and the working folders follow them.
  test::TScriptedWaitMsg messages;
  InitializeUnits();
  EXPECT_EQ(SendDir, sandbox.Root() + "out/");
  EXPECT_EQ(RecvDir, sandbox.ProgramHome() + "Recv/");
  EXPECT_EQ(EdiLoginId, "OFFICE01");
  EXPECT_TRUE(fs::is_directory(sandbox.Root() + "out"));
  ASSERT_TRUE(ReadEdiSettings(read));
  EXPECT_EQ(read, config);
}

TEST(EdiSettings, MissingAndBlankValuesTakeTheirDefaults) {
  test::TSettingsSandbox sandbox;
  sandbox.WriteRegistry(
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n"
      "\"Port\"=\"COM3\"\n\n"
      "[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n"
      "\"LoginID\"=\"OFFICE07\"\n\"SendDir\"=\"  \"\n\"RecvDir\"=\"\"\n"
      "\"DeleteCheck\"=dword:00000000\n\"ErrorCheck\"=dword:00000005\n");
  TEdiConfig expected = DefaultEdiConfig();
  expected.Port = "COM3";
  expected.LoginID = "OFFICE07";
  expected.DeleteCheck = false;
  expected.ErrorCheck = true;
  TEdiConfig read;
  ASSERT_TRUE(ReadEdiSettings(read));
  EXPECT_EQ(read, expected);
  EXPECT_EQ(read.SendDir, sandbox.ProgramHome() + "Send");
}

TEST(EdiSettings, MissingKeysFailTheRead) {
  test::TSettingsSandbox sandbox;
  TEdiConfig untouched;
  untouched.Port = "mine";
  TEdiConfig config = untouched;
  EXPECT_FALSE(ReadEdiSettings(config));
  EXPECT_EQ(config, untouched);

  // Only the Comm key: its values are taken, the read still fails.
  sandbox.WriteRegistry(
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n"
      "\"Port\"=\"COM2\"\n");
  std::string error;
  EXPECT_FALSE(ReadEdiSettings(config, kEdiProgramKey, &error));
  EXPECT_EQ(config.Port, "COM2");
  EXPECT_EQ(config.Speed, "38400");
  EXPECT_EQ(error, "");  // nothing wrong with the file

  // Start-up then writes the record: the defaults, but for the values that are there.
  EXPECT_EQ(InitEdiSettings(), "");
  ASSERT_TRUE(ReadEdiSettings(config));
  TEdiConfig expected = DefaultEdiConfig();
  expected.Port = "COM2";
  EXPECT_EQ(config, expected);
}

TEST(EdiSettings, AMissingCommKeyDoesNotCostTheUserItsLoginId) {
  test::TSettingsSandbox sandbox;
  sandbox.WriteRegistry(
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n"
      "\"LoginID\"=\"OFFICE01\"\n\"HeaderCheck\"=dword:00000001\n");
  EXPECT_EQ(InitEdiSettings(), "");
  TEdiConfig config = DefaultEdiConfig();
  ASSERT_TRUE(ReadEdiSettings(config));
  EXPECT_EQ(config.LoginID, "OFFICE01");
  EXPECT_TRUE(config.HeaderCheck);
  EXPECT_EQ(config.Port, "COM1");  // the missing key's values are the defaults
}

TEST(EdiSettings, DamagedRegistryIsShownAndLeftAlone) {
  test::TSettingsSandbox sandbox;
  const std::string damaged =
      "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\n"
      "\"Port\"=\"COM3\n";
  sandbox.WriteRegistry(damaged);
  test::TScriptedWaitMsg messages;
  InitializeUnits();
  EXPECT_EQ(sandbox.RegistryText(), damaged);
  ASSERT_EQ(messages.Messages().size(), 1u);
  EXPECT_EQ(messages.Messages()[0].Kind, "warning");
  EXPECT_EQ(messages.Messages()[0].Text,
            "레지스트리 파일이 손상되었습니다: " + sandbox.RegistryFile() +
                " 4번째 줄: 따옴표가 닫히지 않았습니다");
  // The program runs on the defaults.
  EXPECT_EQ(SendDir, sandbox.ProgramHome() + "Send/");
  EXPECT_TRUE(fs::is_directory(sandbox.ProgramHome() + "Send"));
  EXPECT_FALSE(WriteEdiSettings(DefaultEdiConfig()));
  EXPECT_EQ(sandbox.RegistryText(), damaged);
}

TEST(EdiFolders, PrepareCreatesTheFoldersAndReloadsTheSettings) {
  test::TSettingsSandbox sandbox;
  LoadWorkingFolders();
  PrepareEdiFolders();  // no settings yet: nothing happens
  EXPECT_FALSE(fs::exists(sandbox.ProgramHome() + "Send"));
  EXPECT_FALSE(fs::exists(sandbox.RegistryFile()));

  TEdiConfig config = DefaultEdiConfig();
  config.LoginID = "OFFICE09";
  config.RecvDir = sandbox.Root() + "in/";
  ASSERT_TRUE(WriteEdiSettings(config));
  PrepareEdiFolders();
  for (const char* folder : {"Send", "Send/Old", "Recv", "Recv/Old", "Result"})
    EXPECT_TRUE(fs::is_directory(sandbox.ProgramHome() + folder)) << folder;
  EXPECT_EQ(RecvDir, sandbox.Root() + "in/");
  EXPECT_EQ(SendDir, sandbox.ProgramHome() + "Send/");
  EXPECT_EQ(EdiLoginId, "OFFICE09");
}

}  // namespace
}  // namespace selvane
