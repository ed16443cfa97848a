#include "core/UserProgramFolder.h"

#include <stdlib.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "core/TextRoutines.h"
#include "core/XdgFolders.h"

namespace selvane {
namespace fs = std::filesystem;

namespace {

// Copies the template's contents below target; the copies belong to the user alone.
void CopyTemplate(const fs::path& source, const fs::path& target) {
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source)) {
    const fs::path copy = target / fs::relative(entry.path(), source);
    if (entry.is_directory()) {
      fs::create_directory(copy);
      fs::permissions(copy, fs::perms::owner_all);
    } else {
      fs::copy_file(entry.path(), copy);
      fs::permissions(copy, fs::perms::owner_read | fs::perms::owner_write);
    }
  }
}

}  // namespace

std::string UserProgramFolder() {
  return WithBackslash(XdgFolder("XDG_DATA_HOME", ".local/share") + "/selvane");
}

bool IsProgramFolder(const std::string& folder) {
  std::error_code ec;
  return fs::is_directory(fs::path(folder) / "Data", ec);
}

void MakeUserProgramFolder(const std::string& folder, const std::string& templateFolder) {
  const fs::path target = fs::path(folder).lexically_normal().parent_path();  // drops the "/"
  std::error_code ec;
  if (fs::symlink_status(target, ec).type() != fs::file_type::not_found) return;
  if (!fs::is_directory(templateFolder, ec))
    throw std::runtime_error("프로그램 폴더의 원본이 없습니다: " + templateFolder);

  const std::string failure = "프로그램 폴더를 만들 수 없습니다: " + target.string() + " (";
  fs::create_directories(target.parent_path(), ec);
  if (ec) throw std::runtime_error(failure + ec.message() + ")");
  std::string staging = (target.parent_path() / ".selvane-XXXXXX").string();
  if (::mkdtemp(staging.data()) == nullptr)
    throw std::runtime_error(failure + std::strerror(errno) + ")");
  try {
    CopyTemplate(templateFolder, staging);
  } catch (const fs::filesystem_error& error) {
    fs::remove_all(staging, ec);
    throw std::runtime_error(failure + error.code().message() + ")");
  }
  if (::rename(staging.c_str(), target.c_str()) != 0) {
    const int reason = errno;
    fs::remove_all(staging, ec);
    // Another start of the same user made it in the meantime: that one is used.
    if (fs::is_directory(target, ec)) return;
    throw std::runtime_error(failure + std::strerror(reason) + ")");
  }
}

}  // namespace selvane
