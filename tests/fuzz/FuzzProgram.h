// A program folder for a fuzz target: a seeded database in a fresh temporary folder, the working
// folders pointing at it, removed when the process ends. No message interface is installed:
// boxes are silent and every question is answered No.
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

namespace selvane::fuzz {

struct TFuzzProgram {
  std::string Folder;
  TDModule Dm;
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
  Program()->Dm.OpenDatabase();
  // Nothing here needs to survive a power cut; without waiting for the disk a run tries far more.
  Program()->Dm.Database.ExecScript("PRAGMA synchronous = OFF");
  return *Program();
}

// Institution 1 of the bank with order (1, "0001", "01") waiting, committed.
inline void AddInstitutionWithOrder(TDModule& dm, const std::string& bank) {
  dm.Database.Execute("INSERT INTO KiGwan (KigwanID, KiGwanName, BankID) VALUES (1, '구청', ?1)",
                      {TValue(bank)});
  dm.Database.Execute(
      "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, BankID, State) "
      "VALUES (1, '0001', '01', ?1, 1)",
      {TValue(bank)});
  dm.Database.Commit();
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
