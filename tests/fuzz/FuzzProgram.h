// The program folder of a fuzz run: a fresh temporary folder prepared as a program folder, the
// working folders pointing into it and its data module open; removed when the run ends.
#pragma once

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"

namespace selvane::fuzz {

inline TDModule& OpenFuzzProgram() {
  static TDModule* dm = nullptr;
  static std::string folder;
  if (dm != nullptr) return *dm;
  folder = (std::filesystem::temp_directory_path() / "selvane-fuzz-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) std::abort();
  folder += "/";
  std::atexit([] {
    delete dm;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  });
  PrepareProgramFolder(folder);
  SetProgramHome(folder);
  LoadWorkingFolders();
  dm = new TDModule;
  dm->OpenDatabase();
  return *dm;
}

}  // namespace selvane::fuzz
