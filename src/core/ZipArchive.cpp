#include "core/ZipArchive.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace selvane {
namespace fs = std::filesystem;

void ZipFiles(const std::string& archive, const std::vector<std::string>& files) {
  int error = 0;
  zip_t* zip = zip_open(archive.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (zip == nullptr) throw std::runtime_error("압축 파일을 만들 수 없습니다: " + archive);
  for (const auto& file : files) {
    zip_source_t* source = zip_source_file(zip, file.c_str(), 0, -1);
    std::string name = fs::path(file).filename().string();
    zip_int64_t index = source != nullptr ? zip_file_add(zip, name.c_str(), source,
                                                         ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8)
                                          : -1;
    if (index < 0) {
      if (source != nullptr) zip_source_free(source);
      zip_discard(zip);
      throw std::runtime_error("압축할 수 없습니다: " + file);
    }
    zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE, 9);
  }
  if (zip_close(zip) != 0) {
    std::string reason = zip_error_strerror(zip_get_error(zip));
    zip_discard(zip);
    throw std::runtime_error("압축 파일을 쓸 수 없습니다: " + archive + " (" + reason + ")");
  }
}

std::vector<std::string> UnzipAll(const std::string& archive, const std::string& folder) {
  int error = 0;
  zip_t* zip = zip_open(archive.c_str(), ZIP_RDONLY, &error);
  if (zip == nullptr) throw std::runtime_error("압축 파일을 읽을 수 없습니다: " + archive);
  std::vector<std::string> names;
  zip_int64_t count = zip_get_num_entries(zip, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* entry = zip_get_name(zip, static_cast<zip_uint64_t>(i), 0);
    std::string name = entry != nullptr ? fs::path(entry).filename().string() : "";
    if (name.empty() || name == "." || name == "..") continue;
    zip_file_t* file = zip_fopen_index(zip, static_cast<zip_uint64_t>(i), 0);
    std::ofstream out(fs::path(folder) / name, std::ios::binary | std::ios::trunc);
    if (file == nullptr || !out) {
      if (file != nullptr) zip_fclose(file);
      zip_discard(zip);
      throw std::runtime_error("압축을 풀 수 없습니다: " + name);
    }
    char buffer[65536];
    zip_int64_t n = 0;
    while ((n = zip_fread(file, buffer, sizeof buffer)) > 0) out.write(buffer, n);
    zip_fclose(file);
    if (n < 0 || !out) {
      zip_discard(zip);
      throw std::runtime_error("압축을 풀 수 없습니다: " + name);
    }
    names.push_back(name);
  }
  zip_discard(zip);
  return names;
}

namespace {

struct TZipCloser {
  void operator()(zip_t* zip) const { zip_discard(zip); }
};
using TZipHandle = std::unique_ptr<zip_t, TZipCloser>;

// Opens for reading, checking that the central directory agrees with the entries.
TZipHandle OpenForReading(const std::string& archive) {
  int code = 0;
  zip_t* zip = zip_open(archive.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &code);
  if (zip == nullptr) {
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string reason = zip_error_strerror(&error);
    zip_error_fini(&error);
    throw TZipError("압축 파일을 읽을 수 없습니다: " + archive, reason);
  }
  return TZipHandle(zip);
}

std::string ZipReason(zip_t* zip) {
  return zip_error_strerror(zip_get_error(zip));
}

}  // namespace

std::vector<TZipEntry> ReadZipEntries(const std::string& archive) {
  TZipHandle zip = OpenForReading(archive);
  std::vector<TZipEntry> entries;
  zip_int64_t count = zip_get_num_entries(zip.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    auto index = static_cast<zip_uint64_t>(i);
    zip_stat_t stat;
    if (zip_stat_index(zip.get(), index, 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME) ||
        !(stat.valid & ZIP_STAT_SIZE))
      throw TZipError("압축 파일을 읽을 수 없습니다: " + archive, ZipReason(zip.get()));
    TZipEntry entry;
    entry.Index = index;
    entry.Name = stat.name;
    entry.Size = stat.size;
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(zip.get(), index, 0, &system, &attributes) == 0 &&
        system == ZIP_OPSYS_UNIX)
      entry.IsLink = ((attributes >> 16) & S_IFMT) == S_IFLNK;
    entries.push_back(std::move(entry));
  }
  return entries;
}

void ExtractZipEntry(const std::string& archive, const TZipEntry& entry,
                     const std::string& fileName) {
  TZipHandle zip = OpenForReading(archive);
  auto fail = [&](const std::string& reason) {
    throw TZipError("압축을 풀 수 없습니다: " + entry.Name, reason);
  };
  zip_file_t* file = zip_fopen_index(zip.get(), entry.Index, 0);
  if (file == nullptr) fail(ZipReason(zip.get()));
  int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) {
    zip_fclose(file);
    fail(fileName + ": " + std::strerror(errno));
  }
  std::string reason;
  std::uint64_t total = 0;
  char buffer[65536];
  while (reason.empty()) {
    zip_int64_t n = zip_fread(file, buffer, sizeof buffer);
    if (n < 0) {
      reason = zip_error_strerror(zip_file_get_error(file));
      break;
    }
    if (n == 0) break;
    total += static_cast<std::uint64_t>(n);
    if (total > entry.Size) {
      reason = "크기가 맞지 않습니다";
      break;
    }
    for (zip_int64_t done = 0; done < n;) {
      ssize_t written = ::write(fd, buffer + done, static_cast<std::size_t>(n - done));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) {
        reason = fileName + ": " + std::strerror(errno);
        break;
      }
      done += written;
    }
  }
  zip_fclose(file);
  if (reason.empty() && total != entry.Size) reason = "크기가 맞지 않습니다";
  if (reason.empty() && ::fsync(fd) != 0) reason = fileName + ": " + std::strerror(errno);
  if (::close(fd) != 0 && reason.empty()) reason = fileName + ": " + std::strerror(errno);
  if (!reason.empty()) {
    ::unlink(fileName.c_str());
    fail(reason);
  }
}

}  // namespace selvane
