#include "core/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "support/SettingsSandbox.h"

namespace selvane {
namespace {

constexpr const char* kKey = "Software\\Selvane.exe\\NetPost32\\UserInfo";

TEST(Registry, KeysAndNamesIgnoreLetterCase) {
  test::TSettingsSandbox sandbox;
  TRegistry writer;
  ASSERT_TRUE(writer.OpenKey("Software\\Selvane.exe\\NETPOST32\\USERINFO", true));
  ASSERT_TRUE(writer.WriteString("LoginID", "OFFICE01"));
  ASSERT_TRUE(writer.WriteInteger("DeleteCheck", 1));

  TRegistry reader;
  ASSERT_TRUE(reader.OpenKey("software\\selvane.EXE\\netpost32\\userinfo", false));
  EXPECT_EQ(reader.ReadString("loginid"), "OFFICE01");
  EXPECT_EQ(reader.ReadInteger("DELETECHECK"), 1);
  EXPECT_TRUE(reader.ValueExists("LOGINID"));
  EXPECT_FALSE(reader.ValueExists("Password"));
  // A value of the other kind is no value of the asked kind.
  EXPECT_EQ(reader.ReadInteger("LoginID"), std::nullopt);

  // Writing under another spelling replaces the value; the file keeps one key, one value each.
  ASSERT_TRUE(reader.OpenKey(kKey, true));
  ASSERT_TRUE(reader.WriteString("LOGINID", "OFFICE02"));
  EXPECT_EQ(sandbox.RegistryText(),
            "REGEDIT4\n\n"
            "[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NETPOST32\\USERINFO]\n"
            "\"LoginID\"=\"OFFICE02\"\n"
            "\"DeleteCheck\"=dword:00000001\n");
}

TEST(Registry, ValuesSurviveTheFile) {
  test::TSettingsSandbox sandbox;
  const std::string tricky = "C:\\기관\\\"송신\" 폴더\\";
  {
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    ASSERT_TRUE(registry.WriteString("SendDir", tricky));
    ASSERT_TRUE(registry.WriteString("Empty", ""));
    ASSERT_TRUE(registry.WriteInteger("Negative", -777));
    ASSERT_TRUE(registry.WriteInteger("Big", 0x7fffffff));
  }
  EXPECT_NE(sandbox.RegistryText().find("\"SendDir\"=\"C:\\\\기관\\\\\\\"송신\\\" 폴더\\\\\"\n"),
            std::string::npos);
  EXPECT_NE(sandbox.RegistryText().find("\"Negative\"=dword:fffffcf7\n"), std::string::npos);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, false));
  EXPECT_EQ(registry.ReadString("SendDir"), tricky);
  EXPECT_EQ(registry.ReadString("Empty"), "");
  EXPECT_EQ(registry.ReadInteger("Negative"), -777);
  EXPECT_EQ(registry.ReadInteger("Big"), 0x7fffffff);
}

TEST(Registry, ReadsAHandWrittenExport) {
  test::TSettingsSandbox sandbox;
  sandbox.WriteRegistry(
      "\xEF\xBB\xBFREGEDIT4\r\n\r\n; written by hand\r\n"
      "[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\Comm]\r\n"
      "\"Phone1\"=\"01455\"\r\n"
      "\"COM-TYPE\"=dword:2\r\n\r\n"
      "[hkey_current_user\\software\\selvane.exe\\netpost32\\comm]\r\n"
      "\"phone1\"=\"01499\"\r\n");
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey("Software\\Selvane.exe\\NetPost32\\Comm", false))
      << registry.Error();
  EXPECT_EQ(registry.ReadString("Phone1"), "01499");  // the later line wins
  EXPECT_EQ(registry.ReadInteger("COM-TYPE"), 2);
  // A key that holds keys exists too; one that does not is not created by a plain open.
  EXPECT_TRUE(registry.OpenKey("Software\\Selvane.exe", false));
  EXPECT_FALSE(registry.OpenKey("Software\\PATCHRUNGRADE\\DB", false));
  EXPECT_TRUE(registry.KeyWasMissing());
  EXPECT_FALSE(registry.KeyExists("Software\\PATCHRUNGRADE"));
}

TEST(Registry, MissingFileIsAnEmptyRegistryAndIsCreatedOnWrite) {
  test::TSettingsSandbox sandbox;
  test::TScopedEnv file("NORVA_REGISTRY", sandbox.Root() + "new/folder/registry.reg");
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(kKey, false));
  EXPECT_TRUE(registry.KeyWasMissing());
  ASSERT_TRUE(registry.OpenKey(kKey, true)) << registry.Error();
  EXPECT_EQ(test::TTempFolder::ReadFile(sandbox.Root() + "new/folder/registry.reg"),
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Selvane.exe\\NetPost32\\UserInfo]\n");
}

struct TDamageCase {
  const char* name;
  const char* text;
  int line;
};

TEST(Registry, DamagedFileIsReportedWithItsLineAndLeftAlone) {
  const TDamageCase cases[] = {
      {"no header", "[HKEY_CURRENT_USER\\Software]\n", 1},
      {"value before key", "REGEDIT4\n\n\"LoginID\"=\"X\"\n", 3},
      {"unclosed quote", "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n\"LoginID\"=\"X\n", 3},
      {"unknown escape", "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n\"A\"=\"x\\n\"\n", 3},
      {"other root", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software]\n", 2},
      {"unclosed key", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\n", 2},
      {"bad dword", "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n\"A\"=dword:123456789\n", 3},
      {"other type", "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n\n\"A\"=hex:01,02\n", 4},
      {"stray text", "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\nLoginID=X\n", 3},
      {"not UTF-8", "REGEDIT4\n[HKEY_CURRENT_USER\\Software]\n\"A\"=\"\xB0\xA1\"\n", 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TSettingsSandbox sandbox;
    sandbox.WriteRegistry(c.text);
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey("Software", false));
    EXPECT_EQ(registry.ErrorLine(), c.line);
    EXPECT_NE(registry.Error().find(sandbox.RegistryFile()), std::string::npos) << registry.Error();
    EXPECT_NE(registry.Error().find(std::to_string(c.line) + "번째 줄"), std::string::npos)
        << registry.Error();
    EXPECT_FALSE(registry.OpenKey(kKey, true));
    EXPECT_FALSE(registry.WriteString("LoginID", "X"));
    EXPECT_EQ(sandbox.RegistryText(), c.text);
  }
}

TEST(Registry, ReplacingTheFileLeavesNoCopiesBehind) {
  test::TSettingsSandbox sandbox;
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  for (int i = 0; i < 20; ++i) ASSERT_TRUE(registry.WriteInteger("Value" + std::to_string(i), i));
  // A text the file could not hold on one line is refused, not written half.
  const std::string before = sandbox.RegistryText();
  EXPECT_FALSE(registry.WriteString("LoginID", "A\nB"));
  EXPECT_FALSE(registry.Error().empty());
  EXPECT_EQ(sandbox.RegistryText(), before);

  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(sandbox.Root()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"program", "registry.reg"}));
}

TEST(Registry, FileIsNamedByTheEnvironmentAtEachOpen) {
  test::TSettingsSandbox sandbox;
  {
    test::TScopedEnv registry("NORVA_REGISTRY", "");
    test::TScopedEnv home("HOME", "/home/office");
    {
      test::TScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/xdg-config");
      EXPECT_EQ(RegistryFileName(), "/tmp/xdg-config/Selvane/registry.reg");
    }
    test::TScopedEnv xdg("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(RegistryFileName(), "/home/office/.config/Selvane/registry.reg");
  }
  EXPECT_EQ(RegistryFileName(), sandbox.RegistryFile());
}

}  // namespace
}  // namespace selvane
