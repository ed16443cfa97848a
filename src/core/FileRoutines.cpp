#include "core/FileRoutines.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
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

bool ReadWholeFile(const std::string& fileName, std::string& bytes) {
  bytes.clear();
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  try {
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  } catch (const std::ios_base::failure&) {  // a folder opens, but reading it throws
    bytes.clear();
    return false;
  }
  return !in.bad();
}

bool ReplaceFileAtomically(const std::string& fileName, const std::string& bytes,
                           std::string& error) {
  fs::path file(fileName);
  std::error_code ec;
  if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
  std::string temp = fileName + ".new-XXXXXX";
  int fd = mkstemp(temp.data());
  if (fd < 0) {
    error = std::strerror(errno);
    return false;
  }
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      ok = false;
    else
      done += static_cast<std::size_t>(n);
  }
  ok = ok && ::fsync(fd) == 0;
  if (!ok) error = std::strerror(errno);
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = std::strerror(errno);
  }
  if (ok && std::rename(temp.c_str(), fileName.c_str()) != 0) {
    ok = false;
    error = std::strerror(errno);
  }
  if (!ok) {
    ::unlink(temp.c_str());
    return false;
  }
  int dir =
      ::open(file.has_parent_path() ? file.parent_path().c_str() : ".", O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace selvane
