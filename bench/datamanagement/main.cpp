// Backup, restore and data reset of a program folder with 100,000 recipients (years of an
// office's payments). Goals: backup within 15 s (deflate level 9 is most of it), restore and
// reset each within 5 s.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "core/Clock.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "core/SqliteFile.h"
#include "transfer/DataBackup.h"
#include "transfer/DataRecovery.h"
#include "transfer/DataRefresh.h"

using namespace selvane;
namespace fs = std::filesystem;

namespace {

constexpr int kRows = 100000;

double Seconds(const std::function<bool()>& step, const char* name) {
  auto start = std::chrono::steady_clock::now();
  bool ok = step();
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!ok) std::fprintf(stderr, "%s failed\n", name);
  return ok ? seconds : -1;
}

}  // namespace

int main() {
  fs::path root =
      fs::temp_directory_path() / ("bench-datamanagement-" + std::to_string(::getpid()));
  fs::remove_all(root);
  PrepareProgramFolder((root / "program").string());
  SetProgramHome((root / "program").string());
  LoadWorkingFolders();
  SetClock(TDateTime{{2002, 9, 15}, 10, 0, 0});
  TSqliteFile(DatabaseFileName(), TSqliteFile::ReadWrite)
      .Script("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
              std::to_string(kRows) +
              ") INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin,"
              " Monecy, Name, State) SELECT 1 + i % 20, printf('%04d', i % 50), '01', '88',"
              " printf('9%011d', i), printf('%06d-%07d', i % 999999, i), i * 10,"
              " '수급자' || i, 1 + i % 3 FROM n;");
  const std::string folder = (root / "backup").string() + "/";
  fs::create_directories(folder);
  double backup = Seconds([&] { return BackupData(folder); }, "backup");
  double restore = Seconds([&] { return RestoreBackupFile(folder + "BB020915.zip"); }, "restore");
  double reset = Seconds(&ReorganizeData, "reset");
  std::printf("%d recipients, database %.1f MB, archive %.1f MB\n", kRows,
              fs::file_size(DatabaseFileName()) / 1e6,
              fs::file_size(folder + "BB020915.zip") / 1e6);
  std::printf("backup %.2f s (goal 15), restore %.2f s (goal 5), reset %.2f s (goal 5)\n", backup,
              restore, reset);
  SetProgramHome("");
  fs::remove_all(root);
  bool met = backup >= 0 && restore >= 0 && reset >= 0 && backup < 15 && restore < 5 && reset < 5;
  return met ? 0 : 1;
}
