// The fixed-position import and the layout conversion of a 100,000-line file into one order,
// each beside plain sqlite3 inserts of the rows it stores, in one transaction. Goal: each import
// within 3x of the plain insert.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/Cp949.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "core/TextRoutines.h"
#include "transfer/FixedRecipientImport.h"
#include "transfer/LayoutConversion.h"
#include "transfer/NumberChecks.h"

using namespace selvane;
namespace fs = std::filesystem;

namespace {

constexpr int kLines = 100000;
const TOrderKey kOrder{1, "0001", "01"};

struct TRow {
  std::string Account;   // as in the file
  std::string Resident;  // 13 digits
  long Amount = 0;
};

// A resident number with a valid check digit.
std::string Resident(int i) {
  std::string digits = "80" + std::string(i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) +
                       "15" + "1" + FixNumber(std::to_string(i % 100000), 5, false);
  static const int weights[12] = {2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5};
  int sum = 0;
  for (int k = 0; k < 12; ++k) sum += (digits[static_cast<std::size_t>(k)] - '0') * weights[k];
  return digits + static_cast<char>('0' + (11 - sum % 11) % 10);
}

std::vector<TRow> Rows() {
  std::vector<TRow> rows;
  for (int i = 0; i < kLines; ++i)
    rows.push_back(
        {"1234" + FixNumber(std::to_string(i), 8, false), Resident(i), 10000 + i % 90000});
  return rows;
}

std::string WriteFile(const fs::path& file, const std::vector<TRow>& rows) {
  std::string name = FixText(ToCp949("홍길동"), 20, true);
  std::ofstream out(file, std::ios::binary);
  for (const TRow& row : rows)
    out << "04 " << FixText(row.Account, 20, true) << ' '
        << FixText(std::to_string(row.Amount), 9, false) << ' ' << row.Resident << ' ' << name
        << "\r\n";
  return file.string();
}

void OpenProgram(const fs::path& folder, TDModule& dm) {
  PrepareProgramFolder(folder.string() + "/");
  SetProgramHome(folder.string() + "/");
  LoadWorkingFolders();
  dm.OpenDatabase();
  dm.TB_Kigwan.Append();
  dm.TB_Kigwan.FieldByName("KigwanID").Set(1);
  dm.TB_Kigwan.FieldByName("KiGwanName").Set("구청");
  dm.TB_Kigwan.FieldByName("BankID").Set("04");
  dm.TB_Kigwan.Post();
  dm.TB_Trans.Append();
  dm.TB_Trans.FieldByName("KigwanId").Set(kOrder.KigwanId);
  dm.TB_Trans.FieldByName("DongID").Set(kOrder.DongId);
  dm.TB_Trans.FieldByName("LargeItmID").Set(kOrder.LargeItmId);
  dm.TB_Trans.FieldByName("BankID").Set("04");
  dm.TB_Trans.FieldByName("State").Set(1);
  dm.TB_Trans.Post();
  dm.CommitAllTables();
  CurrentOrderKey = kOrder;
}

// Wall time and processor time of a run: on a busy machine the processor time is the steadier
// figure, the wall time adds the disk writes.
struct TTiming {
  double Wall = 0;
  double Cpu = 0;
};

struct TStopwatch {
  std::chrono::steady_clock::time_point Wall = std::chrono::steady_clock::now();
  std::clock_t Cpu = std::clock();
  TTiming Elapsed() const {
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - Wall).count(),
            static_cast<double>(std::clock() - Cpu) / CLOCKS_PER_SEC};
  }
};

TTiming FixedImport(const fs::path& folder, const std::string& file, int& stored) {
  TDModule dm;
  OpenProgram(folder, dm);
  TStopwatch watch;
  auto outcome = ImportFixedPositionFile(dm, {kOrder, "04", std::nullopt, "역삼동", "생계"}, file);
  dm.CommitAllTables();
  TTiming seconds = watch.Elapsed();
  stored = outcome.Inserted;
  if (outcome.End != TFixedImportOutcome::TEnd::Completed || outcome.ErrorLines != 0)
    std::fprintf(stderr, "fixed import did not complete cleanly (%d errors)\n", outcome.ErrorLines);
  return seconds;
}

TTiming Conversion(const fs::path& folder, const std::string& file, int& stored) {
  TDModule dm;
  OpenProgram(folder, dm);
  dm.TB_Cath.Append();
  dm.TB_Cath.FieldByName("Name").Set("노르바");
  dm.TB_Cath.FieldByName("ReLen").Set(0);
  const int spans[5][2] = {{1, 2}, {4, 20}, {25, 9}, {35, 13}, {49, 20}};
  const char* columns[5][2] = {{"BankPos", "BankLen"},
                               {"AccPos", "AccLen"},
                               {"WonPos", "WonLen"},
                               {"JuminPos", "JuminLen"},
                               {"NamePos", "NameLen"}};
  for (int i = 0; i < 5; ++i) {
    dm.TB_Cath.FieldByName(columns[i][0]).Set(spans[i][0]);
    dm.TB_Cath.FieldByName(columns[i][1]).Set(spans[i][1]);
  }
  dm.TB_Cath.Post();
  TStopwatch watch;
  auto outcome =
      ConvertRecipientFile(dm, {kOrder, "04", std::nullopt, CurrentLayout(dm.TB_Cath)}, file);
  TTiming seconds = watch.Elapsed();
  stored = outcome.Converted;
  if (!outcome.Completed) std::fprintf(stderr, "conversion stopped early\n");
  return seconds;
}

// The rows as the fixed import stores them (the conversion trims the name, otherwise the same).
TTiming PlainSqlite(const fs::path& folder, const std::vector<TRow>& rows) {
  TDModule dm;
  OpenProgram(folder, dm);
  dm.CloseDatabase();
  std::vector<std::string> accounts;
  for (const TRow& row : rows) accounts.push_back(HyphenateAccountNo("04", row.Account));
  std::string name = "홍길동" + std::string(14, ' ');
  sqlite3* db = nullptr;
  sqlite3_open(DatabaseFileName().c_str(), &db);
  TStopwatch watch;
  sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin,"
                     " Monecy, Name, State) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     -1, &stmt, nullptr);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string jumin = rows[i].Resident.substr(0, 6) + "-" + rows[i].Resident.substr(6);
    sqlite3_reset(stmt);
    sqlite3_bind_int(stmt, 1, kOrder.KigwanId);
    sqlite3_bind_text(stmt, 2, kOrder.DongId.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_text(stmt, 3, kOrder.LargeItmId.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_text(stmt, 4, "04", -1, SQLITE_STATIC);
    sqlite3_bind_text(stmt, 5, accounts[i].c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_text(stmt, 6, jumin.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(stmt, 7, static_cast<double>(rows[i].Amount));
    sqlite3_bind_text(stmt, 8, name.c_str(), -1, SQLITE_STATIC);
    sqlite3_bind_int(stmt, 9, 1);
    if (sqlite3_step(stmt) != SQLITE_DONE) std::fprintf(stderr, "insert failed\n");
  }
  sqlite3_finalize(stmt);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  TTiming seconds = watch.Elapsed();
  sqlite3_close(db);
  return seconds;
}

void Report(const char* what, const TTiming& run, int stored, const TTiming* plain) {
  std::printf("  %-22s %7.3f s wall %7.3f s cpu  %9.0f records/s", what, run.Wall, run.Cpu,
              stored / run.Wall);
  if (plain != nullptr)
    std::printf("  %5.2fx wall %5.2fx cpu of plain (goal <= 3x)%s", run.Wall / plain->Wall,
                run.Cpu / plain->Cpu, stored == kLines ? "" : "  INCOMPLETE");
  std::printf("\n");
}

}  // namespace

int main() {
  fs::path root = fs::temp_directory_path() / "selvane-bench-imports";
  fs::remove_all(root);
  fs::create_directories(root);
  auto rows = Rows();
  std::string file = WriteFile(root / "list.txt", rows);

  TTiming plain = PlainSqlite(root / "plain", rows);
  int fixedStored = 0, convertedStored = 0;
  TTiming fixed = FixedImport(root / "fixed", file, fixedStored);
  TTiming converted = Conversion(root / "convert", file, convertedStored);

  std::printf("%d-line recipient file into one order, one transaction each\n", kLines);
  Report("plain sqlite3 insert", plain, kLines, nullptr);
  Report("fixed-position import", fixed, fixedStored, &plain);
  Report("layout conversion", converted, convertedStored, &plain);
  fs::remove_all(root);
  return 0;
}
