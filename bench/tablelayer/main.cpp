// Posting 100,000 recipients through the table layer in one transaction, beside plain sqlite3
// inserts of the same rows in one transaction. Goal: the table layer within 3x.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "core/DM.h"

using namespace selvane;
namespace fs = std::filesystem;

namespace {

constexpr int kRows = 100000;

std::string Account(int i) {
  return "100-" + std::to_string(1000000 + i);
}

double PostThroughTableLayer(const std::string& file) {
  TDatabase::Create(file, true);
  TDModule dm;
  dm.OpenDatabase(file);
  auto start = std::chrono::steady_clock::now();
  TTable& t = dm.TB_TransSub;
  for (int i = 0; i < kRows; ++i) {
    t.Append();
    t.FieldByName("KigwanId").Set(1);
    t.FieldByName("DongId").Set("0001");
    t.FieldByName("LargeitmId").Set("01");
    t.FieldByName("BankId").Set("04");
    t.FieldByName("BankNo").Set(Account(i));
    t.FieldByName("Jumin").Set("800101-1234567");
    t.FieldByName("Monecy").Set(TMoney::FromWon(150000));
    t.FieldByName("Name").Set("홍길동");
    t.FieldByName("State").Set(1);
    t.Post();
  }
  dm.CommitAllTables();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double PlainSqlite(const std::string& file) {
  TDatabase::Create(file, true);
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
  auto start = std::chrono::steady_clock::now();
  sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin,"
                     " Monecy, Name, State) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
                     -1, &stmt, nullptr);
  for (int i = 0; i < kRows; ++i) {
    std::string account = Account(i);
    sqlite3_reset(stmt);
    sqlite3_bind_int(stmt, 1, 1);
    sqlite3_bind_text(stmt, 2, "0001", -1, SQLITE_STATIC);
    sqlite3_bind_text(stmt, 3, "01", -1, SQLITE_STATIC);
    sqlite3_bind_text(stmt, 4, "04", -1, SQLITE_STATIC);
    sqlite3_bind_text(stmt, 5, account.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(stmt, 6, "800101-1234567", -1, SQLITE_STATIC);
    sqlite3_bind_double(stmt, 7, 150000.0);
    sqlite3_bind_text(stmt, 8, "홍길동", -1, SQLITE_STATIC);
    sqlite3_bind_int(stmt, 9, 1);
    if (sqlite3_step(stmt) != SQLITE_DONE) std::fprintf(stderr, "insert failed\n");
  }
  sqlite3_finalize(stmt);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  sqlite3_close(db);
  return seconds;
}

}  // namespace

int main() {
  fs::path folder = fs::temp_directory_path() / "selvane-bench-tablelayer";
  fs::remove_all(folder);
  fs::create_directories(folder);
  double plain = PlainSqlite((folder / "plain.db").string());
  double layer = PostThroughTableLayer((folder / "layer.db").string());
  std::printf("posting %d recipients in one transaction\n", kRows);
  std::printf(
      "  plain sqlite3: %.3f s\n  table layer:   %.3f s\n  ratio:         %.2fx (goal <= 3x)\n",
      plain, layer, layer / plain);
  fs::remove_all(folder);
  return 0;
}
