#include "transfer/BackupNames.h"

#include <cstdio>
#include <filesystem>

#include "core/TextRoutines.h"

namespace selvane {

std::string BackupBaseName(const TDate& date) {
  return "BB" + date.Format("yymmdd");
}

std::string PieceExtension(int piece) {
  char text[16];
  std::snprintf(text, sizeof text, ".%03d", piece);
  return text;
}

bool IsBackupFileName(const std::string& fileName) {
  std::string name = std::filesystem::path(fileName).filename().string();
  if (name.size() != 12 || !SameText(name.substr(0, 2), "BB")) return false;
  if (!IsAllDigits(name.substr(2, 6))) return false;
  std::string extension = name.substr(8);
  return SameText(extension, ".ZIP") || extension == ".001";
}

}  // namespace selvane
