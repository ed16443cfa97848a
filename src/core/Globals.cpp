#include "core/Globals.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/ProgramFiles.h"
#include "core/TextRoutines.h"
#include "core/UserProgramFolder.h"

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

std::string NamedProgramFolder() {
  if (!g_home.empty()) return g_home;
  const char* env = std::getenv("NORVA_HOME");
  if (env != nullptr && *env != '\0')
    return WithBackslash(std::filesystem::absolute(env).lexically_normal().string());
  return "";
}
}  // namespace

void SetProgramHome(const std::string& folder) {
  // NORVA_HOME carries the choice to the components loaded into the process, which have their
  // own copy of these globals; clearing the choice puts the environment back as it was.
  static bool exported = false;
  static std::optional<std::string> before;
  if (!exported) {
    const char* env = std::getenv("NORVA_HOME");
    before = env != nullptr ? std::optional<std::string>(env) : std::nullopt;
  }
  g_home = folder.empty()
               ? std::string()
               : WithBackslash(std::filesystem::absolute(folder).lexically_normal().string());
  exported = !g_home.empty();
  if (exported)
    ::setenv("NORVA_HOME", g_home.c_str(), 1);
  else if (before)
    ::setenv("NORVA_HOME", before->c_str(), 1);
  else
    ::unsetenv("NORVA_HOME");
}

std::string ProgramFolder() {
  if (std::string named = NamedProgramFolder(); !named.empty()) return named;
  if (std::string exe = ExecutableFolder(); IsProgramFolder(exe)) return exe;
  return UserProgramFolder();
}

bool ProgramFolderIsPerUser() {
  return NamedProgramFolder().empty() && !IsProgramFolder(ExecutableFolder());
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
