// A program folder for a fuzz target: a seeded database in a fresh temporary folder, the working
// folders pointing at it, removed when the process ends; and a message interface that answers
// every question Yes, so that an input runs as far as it can.
#pragma once

#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "core/WaitMsg.h"

namespace selvane::fuzz {

class TYesWaitMsg : public IWaitMsg {
 public:
  void ShowWait(const std::string&) override {}
  void ShowWaitProgress(const std::string&, int, int, bool) override {}
  void StepWaitProgress() override {}
  void HideWait() override {}
  void RestoreWait() override {}
  void CloseWait() override {}
  void MessageBox(TMsgKind, const std::string&, const std::string&) override {}
  bool ConfirmBox(const std::string&, bool) override { return true; }
  int AskBox(const std::string&, unsigned) override { return mrYes; }
  bool YesNoBox(const std::string&, const std::string&, bool) override { return true; }
};

struct TFuzzProgram {
  std::string Folder;
  TDModule Dm;
  TYesWaitMsg Messages;
};

inline TFuzzProgram*& Program() {
  static TFuzzProgram* program = nullptr;
  return program;
}

// Makes the program folder once, for the whole run.
inline TFuzzProgram& OpenFuzzProgram() {
  std::string folder = (std::filesystem::temp_directory_path() / "selvane-fuzz-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) std::abort();
  folder += "/";
  PrepareProgramFolder(folder);
  SetProgramHome(folder);
  LoadWorkingFolders();
  Program() = new TFuzzProgram;
  Program()->Folder = folder;
  std::atexit([] {
    std::string folder = Program()->Folder;
    delete Program();
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  });
  InstallWaitMsg(&Program()->Messages);
  Program()->Dm.OpenDatabase();
  // Nothing here needs to survive a power cut; without waiting for the disk a run tries far more.
  Program()->Dm.Database.ExecScript("PRAGMA synchronous = OFF");
  return *Program();
}

inline std::string WriteInput(const std::string& file, const std::uint8_t* data, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return file;
}

// Rows of a query that counts.
inline std::int64_t Count(TDModule& dm, const std::string& sql) {
  TStatement& s = dm.Database.Prepare(sql);
  s.Bind({});
  s.Step();
  std::int64_t n = s.Column(0).AsInteger();
  s.Reset();
  return n;
}

}  // namespace selvane::fuzz
