// Request and result files at scale.
//  1. Build: one institution, one order, 100,000 pending recipients; time to write the request.
//  2. Apply: a 100,000-record standard result file against 1,000,000 sent recipients, beside a
//     plain sqlite3 loop that reads the same file and runs the same indexed lookups and updates
//     in one transaction. Goal: apply within 2x of the plain loop.
//  3. The same apply with a 10,000-record file: the cost should follow the file, not the table.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "core/TextRoutines.h"
#include "edi/EDIRecv.h"
#include "edi/EDISend.h"
#include "transfer/NumberChecks.h"

using namespace selvane;
using namespace selvane::bench;
namespace fs = std::filesystem;

namespace {

constexpr int kBuildRecipients = 100000;
constexpr int kTableRecipients = 1000000;
constexpr int kResultRecords = 100000;

// 12-digit accounts of bank 04, stored hyphenated as recipients are.
std::string AccountDigits(int i) {
  return std::to_string(100000000000LL + i);
}

// A program folder with one institution, one order in the given state and `count` recipients.
void FillFolder(const fs::path& folder, int count, int state) {
  PrepareProgramFolder(folder.string() + "/");
  sqlite3* db = nullptr;
  sqlite3_open((folder / "Data" / "norva.db").c_str(), &db);
  Exec(db, "BEGIN");
  Exec(db,
       "INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, "
       "SendName, RecvName, BCode) VALUES (1, '서울구청', '04', '123-45-6789', '0012', "
       "'CORP01', 'SND01', 'RCV01', 'BK04')");
  std::string order =
      "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, "
      "BankNo, BankID, A_Date, To_date, State, KigwanName, LocalBank) VALUES (1, '0001', '01', "
      "'BK04', 'CORP01', 'SND01', 'RCV01', '123-45-6789', '04', '2026-12-09', '2026-12-11', " +
      std::to_string(state) + ", '서울구청', '0012')";
  Exec(db, order.c_str());
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin,"
                     " Monecy, Name, State) VALUES (1, '0001', '01', '04', ?1, '700101-1234567',"
                     " ?2, '홍길동', ?3)",
                     -1, &insert, nullptr);
  for (int i = 0; i < count; ++i) {
    std::string account = HyphenateAccountNo("04", AccountDigits(i));
    sqlite3_reset(insert);
    sqlite3_bind_text(insert, 1, account.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(insert, 2, 10000.0 + i % 1000);
    sqlite3_bind_int(insert, 3, state);
    if (sqlite3_step(insert) != SQLITE_DONE) std::exit(1);
  }
  sqlite3_finalize(insert);
  Exec(db, "COMMIT");
  sqlite3_close(db);
}

// A standard result file answering `records` recipients spread over the table.
void WriteResultFile(const fs::path& file, int records, int tableSize) {
  std::ofstream out(file, std::ios::binary);
  auto put = [&](std::string record) {
    record.resize(78, ' ');
    out << record << "\r\n";
  };
  put("SC2CORP01    04261209261211");
  const int stride = tableSize / records;
  for (int n = 0; n < records; ++n) {
    int i = n * stride;
    put("D04" + FixText(AccountDigits(i), 15, true) + "40" +
        FixNumber(std::to_string(10000 + i % 1000), 11, false) + "11 0000");
  }
  put("E" + FixNumber(std::to_string(records + 2), 7, false) +
      FixNumber(std::to_string(records), 7, false));
}

// Reads the database file once so that every timed run starts with it in the page cache.
void WarmDatabase(const fs::path& folder) {
  std::ifstream in(folder / "Data" / "norva.db", std::ios::binary);
  std::vector<char> buffer(1 << 20);
  while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()))) {
  }
}

double TimeBuild(const fs::path& folder) {
  FillFolder(folder, kBuildRecipients, 1);
  UseFolder(folder);
  TDModule dm;
  dm.OpenDatabase();
  TSilentExchangeView view;
  TWrittenRows written;
  auto start = std::chrono::steady_clock::now();
  bool ok = BuildRequestFiles(dm, view, written);
  double seconds = Seconds(start);
  if (!ok || written.Recipients.size() != static_cast<std::size_t>(kBuildRecipients)) {
    std::fprintf(stderr, "build failed\n");
    std::exit(1);
  }
  return seconds;
}

double TimeApply(const fs::path& folder, int records) {
  UseFolder(folder);
  WriteResultFile(folder / "Recv" / "RCV01", records, kTableRecipients);
  WarmDatabase(folder);
  return TimedApply(records);
}

// The same work without the program's layers: read the blocks, take the fields by offset,
// hyphenate, look up and update with prepared statements, one transaction.
double TimePlainLoop(const fs::path& folder, int records) {
  WriteResultFile(folder / "Recv" / "RCV01", records, kTableRecipients);
  WarmDatabase(folder);
  sqlite3* db = nullptr;
  sqlite3_open((folder / "Data" / "norva.db").c_str(), &db);
  auto start = std::chrono::steady_clock::now();
  std::ifstream in(folder / "Recv" / "RCV01", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  const std::string file = bytes.str();
  Exec(db, "BEGIN IMMEDIATE");
  sqlite3_stmt* find = nullptr;
  sqlite3_stmt* update = nullptr;
  sqlite3_prepare_v2(db,
                     "SELECT rowid FROM TBTransSub WHERE BankId = ?1 AND BankNo = ?2 AND "
                     "Monecy = ?3 AND State = 2 ORDER BY KigwanId, DongId, LargeitmId LIMIT 1",
                     -1, &find, nullptr);
  sqlite3_prepare_v2(db,
                     "UPDATE TBTransSub SET Recv_date = '2026-12-10', Result = ?1, State = 3 "
                     "WHERE rowid = ?2",
                     -1, &update, nullptr);
  int applied = 0;
  for (std::size_t pos = 0; pos + 80 <= file.size(); pos += 80) {
    if (file[pos] != 'D') continue;
    std::string bank = file.substr(pos + 1, 2);
    std::string account = Trim(file.substr(pos + 3, 15));
    if (NumGuardIsValid(bank, account)) account = HyphenateAccountNo(bank, account);
    double amount = std::stod(file.substr(pos + 20, 11));
    sqlite3_reset(find);
    sqlite3_bind_text(find, 1, bank.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(find, 2, account.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(find, 3, amount);
    if (sqlite3_step(find) != SQLITE_ROW) continue;
    sqlite3_int64 row = sqlite3_column_int64(find, 0);
    sqlite3_reset(update);
    sqlite3_bind_text(update, 1, file.substr(pos + 34, 4).c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(update, 2, row);
    sqlite3_step(update);
    ++applied;
  }
  sqlite3_finalize(find);
  sqlite3_finalize(update);
  Exec(db, "COMMIT");
  double seconds = Seconds(start);
  sqlite3_close(db);
  if (applied != records) {
    std::fprintf(stderr, "plain loop applied %d\n", applied);
    std::exit(1);
  }
  return seconds;
}

}  // namespace

int main() {
  const fs::path root = FreshFolder("selvane-bench-formats");

  double build = TimeBuild(root / "build");
  std::printf("build: request file of %d recipients: %.3f s\n", kBuildRecipients, build);

  std::printf("preparing %d sent recipients...\n", kTableRecipients);
  FillFolder(root / "table", kTableRecipients, 2);
  for (const char* copy : {"apply", "plain", "apply10k", "plain10k"})
    fs::copy(root / "table", root / copy, fs::copy_options::recursive);

  double plain = TimePlainLoop(root / "plain", kResultRecords);
  double apply = TimeApply(root / "apply", kResultRecords);
  double apply10k = TimeApply(root / "apply10k", kResultRecords / 10);
  double plain10k = TimePlainLoop(root / "plain10k", kResultRecords / 10);
  std::printf("apply: %d records against %d recipients\n", kResultRecords, kTableRecipients);
  std::printf("  plain sqlite3 loop: %.3f s\n  apply result files: %.3f s\n", plain, apply);
  std::printf("  ratio:              %.2fx (goal <= 2x)\n", apply / plain);
  std::printf("apply: %d records against %d recipients\n", kResultRecords / 10, kTableRecipients);
  std::printf("  plain sqlite3 loop: %.3f s\n  apply result files: %.3f s\n", plain10k, apply10k);
  std::printf("  ratio:              %.2fx; a tenth of the records took %.2f of the time\n",
              apply10k / plain10k, apply10k / apply);
  fs::remove_all(root);
  return 0;
}
