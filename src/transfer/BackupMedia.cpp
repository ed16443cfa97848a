#include "transfer/BackupMedia.h"

#include <filesystem>

#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/TextRoutines.h"

namespace selvane {
namespace fs = std::filesystem;
namespace {

std::string MountFolder(char drive) {
  std::string mount =
      Trim(TIniFile(IniFileName).ReadString("Drives", std::string(1, drive), std::string()));
  return mount.empty() ? std::string() : WithBackslash(mount);
}

// The folder as an absolute path without "." and ".." parts and links resolved as far as they
// exist, ending with the separator.
std::string Normal(const std::string& folder) {
  std::error_code ec;
  fs::path path = fs::weakly_canonical(fs::absolute(folder), ec);
  if (ec) path = fs::absolute(folder).lexically_normal();
  return WithBackslash(path.string());
}

bool IsInside(const std::string& folder, const std::string& mount) {
  std::string a = Normal(folder);
  std::string b = Normal(mount);
  return a.compare(0, b.size(), b) == 0;
}

}  // namespace

TBackupPlace ResolveBackupPlace(const std::string& folder) {
  const std::string text = Trim(folder);
  for (char drive : {'A', 'B'}) {
    TDriveKind kind = drive == 'A' ? TDriveKind::DriveA : TDriveKind::DriveB;
    std::string mount = MountFolder(drive);
    bool named = text.size() == 1 && text[0] == drive;
    if (text.size() >= 2 && text[0] == drive && text[1] == ':') named = true;
    if (named) {
      if (mount.empty()) return {kind, std::string()};
      std::string inside = text.size() > 2 ? text.substr(2) : std::string();
      for (char& c : inside)
        if (c == '\\') c = '/';
      while (!inside.empty() && inside[0] == '/') inside.erase(0, 1);
      return {kind, inside.empty() ? mount : WithBackslash(mount + inside)};
    }
    if (!mount.empty() && !text.empty() && IsInside(text, mount))
      return {kind, WithBackslash(text)};
  }
  return {TDriveKind::HardDisk, WithBackslash(text)};
}

std::string MountNotSetMessage(const TBackupPlace& place) {
  const char* drive = place.Kind == TDriveKind::DriveB ? "B" : "A";
  return std::string("이동식 저장장치 ") + drive + "의 폴더가 설정되어 있지 않습니다.\r\r" +
         IniFileName + "의 [Drives] 항목 " + drive + "에 그 폴더를 적어 주십시오.";
}

}  // namespace selvane
