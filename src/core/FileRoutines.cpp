#include "core/FileRoutines.h"

#include <fnmatch.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/Clock.h"
#include "core/WaitMsg.h"

namespace selvane {
namespace fs = std::filesystem;

bool MatchesMask(const std::string& name, const std::string& mask) {
  if (mask == "*.*" || mask == "*") return true;
  return fnmatch(mask.c_str(), name.c_str(), FNM_CASEFOLD | FNM_PERIOD) == 0;
}

namespace {

// Lists the folder; false only when it exists but cannot be read. A missing folder has no files.
bool TryListFiles(const std::string& folder, const std::string& mask,
                  std::vector<std::string>& list) {
  list.clear();
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return true;
  fs::directory_iterator it(folder, ec);
  if (ec) return false;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return false;
    std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    if (MatchesMask(name, mask)) list.push_back(name);
  }
  std::sort(list.begin(), list.end());
  return true;
}

}  // namespace

int ListFiles(const std::string& folder, const std::string& mask, std::vector<std::string>& list) {
  TryListFiles(folder, mask, list);
  return static_cast<int>(list.size());
}

int CountFiles(const std::string& folder) {
  std::vector<std::string> list;
  return ListFiles(folder, "*.*", list);
}

bool DeleteAllFiles(const std::string& folder) {
  std::vector<std::string> list;
  if (!TryListFiles(folder, "*.*", list)) {
    ErrorBox("폴더를 읽을 수 없습니다: " + folder);
    return false;
  }
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    std::error_code ec;
    fs::remove(fs::path(folder) / *it, ec);
  }
  return true;
}

bool CopyFiles(const std::string& source, const std::string& target, const std::string& mask,
               bool timeStamp) {
  std::vector<std::string> list;
  if (!TryListFiles(source, mask, list)) {
    ErrorBox("폴더를 읽을 수 없습니다: " + source);
    return false;
  }
  for (auto it = list.rbegin(); it != list.rend(); ++it) {
    std::string name = *it;
    if (timeStamp) name += "_" + Now().StampText();
    std::error_code ec;
    fs::copy_file(fs::path(source) / *it, fs::path(target) / name,
                  fs::copy_options::overwrite_existing, ec);
  }
  return true;
}

}  // namespace selvane
