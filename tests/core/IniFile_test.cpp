#include "core/IniFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cp949.h"
#include "core/Globals.h"
#include "core/StartPassword.h"
#include "support/ScopedGlobals.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

TEST(IniFile, KeepsOtherContentAndIgnoresLetterCase) {
  test::TTempFolder folder;
  const std::string file = folder.WriteFile("SELVANE.ini",
                                            "; settings\r\n[Window]\r\nLeft=10\r\n\r\n"
                                            "[general]\r\npassword=old\r\nOther= keep \r\n");
  TIniFile ini(file);
  EXPECT_EQ(ini.Read("GENERAL", "PASSWORD"), "old");
  EXPECT_EQ(ini.Read("General", "Other"), " keep ");  // raw, blanks included
  EXPECT_EQ(ini.Read("Window", "Password"), std::nullopt);
  EXPECT_EQ(ini.ReadString("General", "Missing", "none"), "none");

  ASSERT_TRUE(ini.WriteString("General", "Password", "new"));
  ASSERT_TRUE(ini.WriteString("General", "Added", "1"));
  ASSERT_TRUE(ini.WriteString("Upgrade", "Dir", "/srv"));
  EXPECT_EQ(test::TTempFolder::ReadFile(file),
            "; settings\r\n[Window]\r\nLeft=10\r\n\r\n"
            "[general]\r\nPassword=new\nOther= keep \r\nAdded=1\n\n[Upgrade]\nDir=/srv\n");
}

TEST(IniFile, ValuesAreRawBytes) {
  test::TTempFolder folder;
  TIniFile ini(folder.Path() + "SELVANE.ini");
  EXPECT_EQ(ini.Read("General", "Password"), std::nullopt);  // no file yet
  std::string bytes;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes.push_back(static_cast<char>(b));
  ASSERT_TRUE(ini.WriteString("General", "Password", bytes));
  EXPECT_EQ(ini.Read("General", "Password"), bytes);
  // A line break would end the value early: refused, the file is unchanged.
  const std::string before = test::TTempFolder::ReadFile(ini.FileName());
  EXPECT_FALSE(ini.WriteString("General", "Password", "a\nb"));
  EXPECT_FALSE(ini.Error().empty());
  EXPECT_EQ(test::TTempFolder::ReadFile(ini.FileName()), before);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(IniFile, AFileThatIsThereButCannotBeReadIsNamedNotTakenForEmpty) {
  test::TTempFolder folder;
  const std::string name = folder.Path() + "SELVANE.ini";
  std::filesystem::create_directories(name);  // a folder where the file should be
  TIniFile ini(name);
  try {
    ini.Read("General", "Password");
    ADD_FAILURE() << "read as if empty";
  } catch (const TSettingsFileError& error) {
    EXPECT_EQ(std::string(error.what()), "설정 파일을 읽을 수 없습니다: " + name);
  }
  EXPECT_FALSE(ini.WriteString("General", "Password", "x"));
  EXPECT_EQ(ini.Error(), "설정 파일을 읽을 수 없습니다: " + name);
}

TEST(StartPassword, StoredAsComplementedCp949Bytes) {
  EXPECT_EQ(EncodeStartPassword("abc"), "\x9E\x9D\x9C");
  EXPECT_EQ(DecodeStartPassword("\x9E\x9D\x9C"), "abc");
  EXPECT_EQ(EncodeStartPassword("가"), "\x4F\x5E");  // CP949 B0 A1
  EXPECT_EQ(DecodeStartPassword(EncodeStartPassword("비밀번호1")), "비밀번호1");
  EXPECT_EQ(EncodeStartPassword(""), "");
  EXPECT_THROW(EncodeStartPassword("\xF0\x9F\x98\x80"), TEncodingError);  // no CP949 form

  test::TTempFolder folder;
  test::TScopedValue iniFile(IniFileName, folder.Path() + "SELVANE.ini");
  EXPECT_EQ(ReadStartPassword(), "");  // no file, no password
  std::string error;
  ASSERT_TRUE(WriteStartPassword("abc", error)) << error;
  EXPECT_EQ(test::TTempFolder::ReadFile(IniFileName), "[General]\nPassword=\x9E\x9D\x9C\n");
  EXPECT_EQ(ReadStartPassword(), "abc");
  folder.WriteFile("SELVANE.ini", "[General]\nPassword=\n");
  EXPECT_EQ(ReadStartPassword(), "");
}

}  // namespace
}  // namespace selvane
