// The NongHyup member co-operative format beside the standard format: one institution of each
// with one order and 100,000 recipients. For each, the build of its request file and the apply
// of the bank's answer (written by the bank simulator's routines) are timed, best of three; then
// both institutions build and apply together in one program folder. Goal: the member format
// within 1.2x of the standard one.
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "BankAnswer.h"
#include "BenchSupport.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "edi/EDIRecv.h"
#include "edi/EDISend.h"
#include "transfer/NumberChecks.h"

using namespace selvane;
using namespace selvane::bench;
namespace fs = std::filesystem;

namespace {

constexpr int kRecipients = 100000;
constexpr int kRepeats = 3;

struct TInstitution {
  int Id;
  const char* Bank;
  const char* Corcode;
  const char* SendName;
  const char* RecvName;
  std::string (*Account)(int i);  // digits of the i-th recipient's account
};

// Bank 04: 12 digits; bank 12: 13 digits, both stored hyphenated as the imports store them.
std::string StandardAccount(int i) {
  return std::to_string(100000000000LL + i);
}
std::string MemberAccount(int i) {
  return std::to_string(3510000000000LL + i);
}

const TInstitution kStandard{1, "04", "CORP01", "SND01", "RCV01", &StandardAccount};
const TInstitution kMember{2, "12", "NHM0001", "NHM01", "NHR02", &MemberAccount};

void AddInstitution(sqlite3* db, const TInstitution& k) {
  const std::string id = std::to_string(k.Id), bank = k.Bank, corcode = k.Corcode;
  const std::string sql =
      "INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, "
      "RecvName, BCode) VALUES (" +
      id + ", '기관" + id + "', '" + bank +
      "', '351-0123-4567-89', "
      "'0012', '" +
      corcode + "', '" + k.SendName + "', '" + k.RecvName + "', 'BK" + bank +
      "');"
      "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, "
      "BankNo, BankID, A_Date, To_date, State, KigwanName, LocalBank) SELECT KigwanID, '0001', "
      "'01', BCode, CorCode, SendName, RecvName, BankNo, BankID, '2026-12-09', '2026-12-11', 1, "
      "KiGwanName, LocalBank FROM KiGwan WHERE KigwanID = " +
      id;
  Exec(db, sql.c_str());
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db,
                     "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin,"
                     " Monecy, Name, State, JaGubun) VALUES (?1, '0001', '01', ?2, ?3,"
                     " '700101-1234567', ?4, '홍길동', 1, 1)",
                     -1, &insert, nullptr);
  for (int i = 0; i < kRecipients; ++i) {
    const std::string account = HyphenateAccountNo(k.Bank, k.Account(i));
    sqlite3_reset(insert);
    sqlite3_bind_int(insert, 1, k.Id);
    sqlite3_bind_text(insert, 2, k.Bank, -1, SQLITE_STATIC);
    sqlite3_bind_text(insert, 3, account.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_double(insert, 4, 10000.0 + i % 1000);
    if (sqlite3_step(insert) != SQLITE_DONE) std::exit(1);
  }
  sqlite3_finalize(insert);
}

fs::path MakeFolder(const fs::path& folder, std::initializer_list<const TInstitution*> kigwans) {
  PrepareProgramFolder(folder.string() + "/");
  sqlite3* db = nullptr;
  sqlite3_open((folder / "Data" / "norva.db").c_str(), &db);
  Exec(db, "BEGIN");
  Exec(db, "INSERT INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES ('01', '기초생활급여')");
  for (const TInstitution* k : kigwans) AddInstitution(db, *k);
  Exec(db, "COMMIT");
  sqlite3_close(db);
  UseFolder(folder);
  EdiLoginId = "OFFICE01";
  return folder;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct TTimes {
  double Build = 1e9, Apply = 1e9;
};

// Builds (best of three), answers every request file as the bank would, marks the batch sent,
// and applies the answers (best of three, the state reset between the runs).
TTimes BuildAndApply(const fs::path& folder, std::initializer_list<const TInstitution*> kigwans) {
  MakeFolder(folder, kigwans);
  TTimes times;
  TDModule dm;
  dm.OpenDatabase();
  TSilentExchangeView view;
  TWrittenRows written;
  for (int run = 0; run < kRepeats; ++run) {
    auto start = std::chrono::steady_clock::now();
    Check(BuildRequestFiles(dm, view, written), "build");
    times.Build = std::min(times.Build, Seconds(start));
    Check(written.Recipients.size() == kigwans.size() * kRecipients, "build's rows");
  }
  for (const TInstitution* k : kigwans) {
    const std::string answer = banksim::AnswerFormatFor(k->Bank).Answer(
        ReadAll(fs::path(SendDir) / k->SendName), banksim::TAnswerOptions());
    std::ofstream(fs::path(RecvDir) / k->RecvName, std::ios::binary) << answer;
  }
  Check(dm.MarkWaitingAsSent(written.Orders, written.Recipients), "marking sent");
  for (int run = 0; run < kRepeats; ++run) {
    if (run > 0) {
      dm.Database.Execute("UPDATE TBTransSub SET State = 2, Result = NULL, Recv_date = NULL");
      dm.Database.Execute("UPDATE TBTrans SET State = 2, Recv_date = NULL");
      dm.Database.Commit();
      for (const TInstitution* k : kigwans)
        fs::rename(fs::path(RecvDir) / "Old" / k->RecvName, fs::path(RecvDir) / k->RecvName);
    }
    auto start = std::chrono::steady_clock::now();
    Check(ApplyResultFiles(dm, view), "apply");
    times.Apply = std::min(times.Apply, Seconds(start));
    Check(Received(dm) == static_cast<int>(kigwans.size()) * kRecipients, "apply's rows");
  }
  dm.CloseDatabase();
  return times;
}

}  // namespace

int main() {
  const fs::path root = FreshFolder("selvane-bench-nonghyup");

  const TTimes standard = BuildAndApply(root / "standard", {&kStandard});
  const TTimes member = BuildAndApply(root / "member", {&kMember});
  const TTimes both = BuildAndApply(root / "both", {&kStandard, &kMember});

  std::printf("%d recipients per institution, best of %d runs\n", kRecipients, kRepeats);
  std::printf("  build  standard %.3f s   member %.3f s   ratio %.2fx (goal <= 1.2x)\n",
              standard.Build, member.Build, member.Build / standard.Build);
  std::printf("  apply  standard %.3f s   member %.3f s   ratio %.2fx (goal <= 1.2x)\n",
              standard.Apply, member.Apply, member.Apply / standard.Apply);
  std::printf("  both institutions in one program folder: build %.3f s, apply %.3f s\n", both.Build,
              both.Apply);
  fs::remove_all(root);
  return 0;
}
