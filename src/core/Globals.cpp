#include "core/Globals.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/TextRoutines.h"

namespace selvane {

std::string ExeDir;
std::string DataDir;
std::string IniFileName;
std::string SendDir;
std::string RecvDir;
std::string ResultDir;
std::string EdiLoginId;
bool TestMode = false;
TOrderKey CurrentOrderKey;
std::string CurrentDongName;
std::string CurrentItemName;

namespace {
std::string g_home;

std::string RunningProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return WithBackslash(std::filesystem::current_path().string());
  return WithBackslash(exe.parent_path().string());
}
}  // namespace

void SetProgramHome(const std::string& folder) {
  g_home = folder.empty()
               ? std::string()
               : WithBackslash(std::filesystem::absolute(folder).lexically_normal().string());
}

std::string ProgramFolder() {
  if (!g_home.empty()) return g_home;
  const char* env = std::getenv("NORVA_HOME");
  if (env != nullptr && *env != '\0')
    return WithBackslash(std::filesystem::absolute(env).lexically_normal().string());
  return RunningProgramFolder();
}

void LoadWorkingFolders() {
  ExeDir = ProgramFolder();
  DataDir = ExeDir + "Data/";
  IniFileName = ExeDir + "SELVANE.ini";
  SendDir = ExeDir + "Send/";
  RecvDir = ExeDir + "Recv/";
  ResultDir = ExeDir + "Result/";
  TestMode = false;
}

std::string DatabaseFileName() {
  return DataDir + "norva.db";
}

}  // namespace selvane
