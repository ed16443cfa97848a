#include "core/ZipArchive.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
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
    zip_discard(zip);
    throw std::runtime_error("압축 파일을 쓸 수 없습니다: " + archive);
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

}  // namespace selvane
