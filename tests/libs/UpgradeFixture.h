// An installed program and an update source of a test's own: the program's files below app/
// (bin/selvane, lib/libNetPost32.so, version 1.5.4.1 registered), a release folder named as the
// source in SELVANE.ini, and a release key whose public half is the program folder's key file.
// The clock stands on Wednesday 2026-03-25.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Manifest.h"
#include "Signing.h"
#include "Upgrade.h"
#include "core/Clock.h"
#include "core/IniFile.h"
#include "core/Registry.h"
#include "support/SettingsSandbox.h"
#include "support/TempFolder.h"

namespace selvane::test {

// The programs write which version ran into the file named by UPGRADE_MARKER.
inline const std::string kOldProgram = "#!/bin/sh\necho old >> \"$UPGRADE_MARKER\"\n";
inline const std::string kNewProgram = "#!/bin/sh\necho new >> \"$UPGRADE_MARKER\"\n";

struct TReleaseFile {
  std::string Path;
  std::string Bytes;
  unsigned Mode = 0644;
};

// Version 1.5.4.2: a new program and component, and a component the old version did not have.
inline const std::vector<TReleaseFile> kRelease = {
    {"bin/selvane", kNewProgram, 0755},
    {"lib/libAutoFetch.so", "added component", 0644},
    {"lib/libNetPost32.so", "new component", 0644},
};

class TUpgradeFixture : public ::testing::Test {
 public:
  void SetUp() override {
    SetClock(TDateTime{{2026, 3, 25}, 9, 0, 0});
    key_ = autofetch::MakeKeyPair();
    Put(sandbox_.ProgramHome() + autofetch::kPublicKeyFileName,
        autofetch::KeyFileText(key_.Public, "test release key"));
    SetSource(Release());
    Put(Root() + "bin/selvane", kOldProgram, 0755);
    Put(Root() + "lib/libNetPost32.so", "old component");
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey("Software\\PATCHRUNGRADE\\DB\\Setup.exe", true));
    ASSERT_TRUE(registry.WriteString("Ver", "1.5.4.1"));
  }
  void TearDown() override { SetClock(std::nullopt); }

  std::string Root() const { return work_.Path() + "app/"; }
  std::string Release() const { return work_.Path() + "release/"; }
  autofetch::TUpgradeLayout Layout() const { return {Root(), "DB"}; }

  void SetSource(const std::string& source) {
    ASSERT_TRUE(
        TIniFile(sandbox_.ProgramHome() + "SELVANE.ini").WriteString("Upgrade", "Source", source));
  }

  static void Put(const std::string& path, const std::string& bytes, unsigned mode = 0644) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::remove(path);
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    ::chmod(path.c_str(), mode);
  }
  static std::string Read(const std::string& path) { return TTempFolder::ReadFile(path); }
  static unsigned Mode(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 0777 : 0;
  }
  static bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::symlink_status(path, ec).type() !=
           std::filesystem::file_type::not_found;
  }

  // The files into the release folder with their manifest, signed by secret (the test key when
  // empty), for appCode.
  void Publish(const std::string& version, const std::vector<TReleaseFile>& files = kRelease,
               const std::string& appCode = "DB", const std::string& secret = "") {
    autofetch::TManifest manifest{appCode, version, {}};
    for (const TReleaseFile& file : files) {
      Put(Release() + file.Path, file.Bytes, file.Mode);
      manifest.Files.push_back(
          {file.Path, file.Mode, file.Bytes.size(), autofetch::Sha256Hex(file.Bytes)});
    }
    const std::string text = autofetch::FormatManifest(manifest);
    Put(Release() + "manifest", text);
    Put(Release() + "manifest.sig",
        autofetch::ToBase64(autofetch::SignDetached(text, secret.empty() ? key_.Secret : secret)) +
            "\n");
  }

  int Check(bool now = false) {
    return autofetch::RunUpgradeCheck({"DB", "OFFICE01", now, Root(), sandbox_.ProgramHome()});
  }

  std::string UpdateDt() {
    TRegistry registry;
    if (!registry.OpenKey("Software\\PATCHRUNGRADE\\DB", false)) return "";
    return registry.ReadString("UpdateDt").value_or("");
  }

  TSettingsSandbox sandbox_;
  TTempFolder work_;
  autofetch::TKeyPair key_;
};

}  // namespace selvane::test
