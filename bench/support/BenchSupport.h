// What the benchmarks share: a stopwatch reading, SQL that must succeed, a fresh work folder, the
// program folder in use, the count of received recipients and a timed apply of the result files. A
// failure ends the benchmark: a time measured over work that did not happen is worth nothing.
#pragma once

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/DM.h"
#include "core/Globals.h"
#include "edi/EDIRecv.h"
#include "edi/ExchangeView.h"

namespace selvane::bench {

inline double Seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "%s failed\n", what);
    std::exit(1);
  }
}

inline void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "%s: %s\n", sql.c_str(), error);
    std::exit(1);
  }
}

// An empty folder of the given name in the temporary folder.
inline std::filesystem::path FreshFolder(const std::string& name) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return folder;
}

inline void UseFolder(const std::filesystem::path& folder) {
  SetProgramHome(folder.string());
  LoadWorkingFolders();
}

// Recipients whose result has been applied.
inline int Received(TDModule& dm) {
  TStatement& count = dm.Database.Prepare("SELECT count(*) FROM TBTransSub WHERE State = 3");
  count.Bind({});
  count.Step();
  const int received = static_cast<int>(count.Column(0).AsInteger());
  count.Reset();
  return received;
}

// Applies the result files waiting in the program folder in use; the time it took, once exactly
// `expected` recipients have their result.
inline double TimedApply(int expected) {
  TDModule dm;
  dm.OpenDatabase();
  TSilentExchangeView view;
  const auto start = std::chrono::steady_clock::now();
  const bool ok = ApplyResultFiles(dm, view);
  const double seconds = Seconds(start);
  const int received = Received(dm);
  if (!ok || received != expected) {
    std::fprintf(stderr, "apply failed: %d of %d received\n", received, expected);
    std::exit(1);
  }
  return seconds;
}

}  // namespace selvane::bench
