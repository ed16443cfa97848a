// The Jeonbuk Bank, Industrial Bank and Housing bank formats at scale.
//  1. Build: one institution of each, one order, 100,000 pending recipients, half of them of the
//     institution's own bank (Jeonbuk writes both files; Industrial and Housing only their own).
//  2. Jeonbuk apply: a 100,000-record result file matched against 100,000 sent recipients, and
//     the same file for an institution without orders, which makes its orders and recipients.
//     Goal: making the recipients within 2x of matching them.
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

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

constexpr int kRecipients = 100000;

// 12-digit account digits; every second recipient is of the institution's own bank.
std::string AccountDigits(int i) {
  return std::to_string(100000000000LL + i);
}
std::string BankOf(int i, const std::string& own) {
  return i % 2 == 0 ? own : std::string("04");
}

// A program folder with one institution of the bank, with an order in the given state and its
// recipients (none when withOrder is false).
void FillFolder(const fs::path& folder, const std::string& bank, int state, bool withOrder) {
  PrepareProgramFolder(folder.string() + "/");
  sqlite3* db = nullptr;
  sqlite3_open((folder / "Data" / "norva.db").c_str(), &db);
  Exec(db, "BEGIN");
  Exec(db,
       "INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, SendName, "
       "RecvName, BCode) VALUES (1, '전주시청', '" +
           bank + "', '123-45-6789', '0012', 'CORP01', 'SND01', 'RCV01', 'BK01')");
  if (withOrder) {
    Exec(db,
         "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, Bcode, Corcode, SendName, RecvName, "
         "BankNo, BankID, A_Date, To_date, State, KigwanName, LocalBank) SELECT KigwanID, '0001', "
         "'01', BCode, CorCode, SendName, RecvName, BankNo, BankID, '2026-12-09', '2026-12-11', " +
             std::to_string(state) + ", KiGwanName, LocalBank FROM KiGwan");
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, "
                       "Jumin, Monecy, Name, State) VALUES (1, '0001', '01', ?1, ?2, "
                       "'700101-1234567', ?3, '홍길동', ?4)",
                       -1, &insert, nullptr);
    for (int i = 0; i < kRecipients; ++i) {
      const std::string recipientBank = BankOf(i, bank);
      const std::string account = HyphenateAccountNo(recipientBank, AccountDigits(i));
      sqlite3_reset(insert);
      sqlite3_bind_text(insert, 1, recipientBank.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(insert, 2, account.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_double(insert, 3, 10000.0 + i % 1000);
      sqlite3_bind_int(insert, 4, state);
      if (sqlite3_step(insert) != SQLITE_DONE) std::exit(1);
    }
    sqlite3_finalize(insert);
  }
  Exec(db, "COMMIT");
  sqlite3_close(db);
}

double TimeBuild(const fs::path& folder, const std::string& bank, std::size_t expected) {
  FillFolder(folder, bank, 1, true);
  UseFolder(folder);
  TDModule dm;
  dm.OpenDatabase();
  TSilentExchangeView view;
  TWrittenRows written;
  auto start = std::chrono::steady_clock::now();
  const bool ok = BuildRequestFiles(dm, view, written);
  const double seconds = Seconds(start);
  if (!ok || written.Recipients.size() != expected) {
    std::fprintf(stderr, "build of bank %s failed\n", bank.c_str());
    std::exit(1);
  }
  return seconds;
}

// The Jeonbuk answer of every recipient, both groups in one file.
void WriteJeonbukResult(const fs::path& file) {
  std::ofstream out(file, std::ios::binary);
  auto put = [&](std::string record) {
    record.resize(78, ' ');
    out << record << "\r\n";
  };
  for (const bool own : {true, false}) {
    put("SC2BK01      037261209261211123456789");
    int count = 0;
    for (int i = own ? 0 : 1; i < kRecipients; i += 2, ++count)
      put("D0" + BankOf(i, "37") + FixText(AccountDigits(i), 15, true) + " " +
          FixNumber(std::to_string(10000 + i % 1000), 11, false) + "11 0000" +
          std::string(10, ' ') + FixText("7001011234567", 18, true) + "01");
    put("E" + FixNumber(std::to_string(count + 2), 7, false) +
        FixNumber(std::to_string(count), 7, false));
  }
}

double TimeApply(const fs::path& folder, bool withOrder) {
  FillFolder(folder, "37", 2, withOrder);
  UseFolder(folder);
  WriteJeonbukResult(folder / "Recv" / "RCV01");
  return TimedApply(kRecipients);
}

}  // namespace

int main() {
  const fs::path root = FreshFolder("selvane-bench-bankfamilies");

  std::printf("build: %d recipients, half of the institution's own bank\n", kRecipients);
  std::printf("  Jeonbuk (both files):   %.3f s\n", TimeBuild(root / "b37", "37", kRecipients));
  std::printf("  Industrial (own bank):  %.3f s\n", TimeBuild(root / "b03", "03", kRecipients / 2));
  std::printf("  Housing (own bank):     %.3f s\n", TimeBuild(root / "b06", "06", kRecipients / 2));

  const double matched = TimeApply(root / "match", true);
  const double made = TimeApply(root / "make", false);
  std::printf("Jeonbuk apply: %d records\n", kRecipients);
  std::printf("  matched to sent recipients:   %.3f s\n", matched);
  std::printf("  made for an institution without orders: %.3f s\n", made);
  std::printf("  ratio:                        %.2fx (goal <= 2x)\n", made / matched);
  fs::remove_all(root);
  return 0;
}
