// Process-wide values: the working folders (each ending with the separator), test mode and the
// transfer order being worked on.
#pragma once

#include <string>

namespace selvane {

extern std::string ExeDir;
extern std::string DataDir;
extern std::string IniFileName;
extern std::string SendDir;
extern std::string RecvDir;
extern std::string ResultDir;
extern std::string EdiLoginId;
extern bool TestMode;

struct TOrderKey {
  int KigwanId = 0;
  std::string DongId;
  std::string LargeItmId;
};
extern TOrderKey CurrentOrderKey;
extern std::string CurrentDongName;
extern std::string CurrentItemName;

// The program folder: the one named by SetProgramHome (--home), else by NORVA_HOME, else the
// folder of the running program file when it is a program folder (a build's program folder, a
// portable copy), else the per-user folder of an installed program (UserProgramFolder). Always
// ends with the separator.
std::string ProgramFolder();
// Is ProgramFolder() the per-user folder (nothing names one, the program file's folder is none)?
bool ProgramFolderIsPerUser();
// Names the program folder (also as NORVA_HOME, for the components of the process); the empty
// text returns to the default.
void SetProgramHome(const std::string& folder);

// Sets ExeDir, DataDir, IniFileName and the default SendDir, RecvDir, ResultDir from the program
// folder, and TestMode to false.
void LoadWorkingFolders();

// The database file of the program folder.
std::string DatabaseFileName();

}  // namespace selvane
