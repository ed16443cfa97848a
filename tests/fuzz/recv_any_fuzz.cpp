// Every result reader of the receive table on any bytes, through the dispatch that applies a
// file whole or not at all: none may crash or let an exception out but TResultFileError (a
// fault its format makes fail the run, with its reason, nothing applied); every record passed
// over has its reason, no more records apply than the file has data records, and a file that is
// not whole leaves nothing applied. Each family reads every input, as the file of an institution
// of its bank with sent recipients; the database is rolled back after each.
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzProgram.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "edi/EDIRecv.h"
#include "edi/ResultReader.h"

using namespace selvane;

namespace {

// A bank code of every family of the receive table.
const char* const kCodes[] = {"37", "11", "12", "03", "06", "07", "05", "20", "26", "35", "04"};

TDModule* g_dm = nullptr;

int Received() {
  TStatement& count = g_dm->Database.Prepare("SELECT count(*) FROM TBTransSub WHERE State = 3");
  count.Bind({});
  count.Step();
  const int received = static_cast<int>(count.Column(0).AsInteger());
  count.Reset();
  return received;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_dm = &fuzz::OpenFuzzProgram();
  auto& db = g_dm->Database;
  int id = 0;
  for (const char* code : kCodes) {
    ++id;
    const std::string bank(code);
    db.Execute(
        "INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, CorCode, RecvName, BCode) "
        "VALUES (?1, '기관' || ?2, ?2, '123-45-6789', 'CORP' || ?2, 'R' || ?2, 'B' || ?2)",
        {TValue(id), TValue(bank)});
    db.Execute(
        "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, State, A_Date, To_date) "
        "VALUES (?1, '0001', '01', 2, '2026-12-09', '2026-12-11')",
        {TValue(id)});
    db.Execute(
        "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Monecy, State) "
        "VALUES (?1, '0001', '01', ?2, '123-4567-8901', 150000, 2), "
        "(?1, '0001', '01', '04', '12345', 300, 2)",
        {TValue(id), TValue(bank)});
  }
  db.Commit();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TSilentExchangeView view;
  for (const char* code : kCodes) {
    const std::string file = RecvDir + "R" + code;
    {
      std::ofstream out(file, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::vector<TReceiveEntry> list{{code, file}};
    g_dm->Database.BeginWrite();
    TResultReport report;
    try {
      if (!DispatchResultFile(list, *g_dm, view, &report)) std::abort();
    } catch (const TResultFileError& error) {
      // A fault the format makes an error of ends the run: with its reason, nothing applied.
      if (std::string_view(error.what()).empty() || Received() != 0) std::abort();
      g_dm->Database.Rollback();
      continue;
    }
    if (report.Applied < 0 || report.Applied > report.DataRecords) std::abort();
    for (const auto& skipped : report.Skipped)
      if (skipped.RecordNo < 1 || skipped.Reason.empty()) std::abort();
    if (!report.Complete && (report.Applied != 0 || Received() != 0)) std::abort();
    if (report.Lines.empty()) std::abort();  // every file read has its line in the list
    g_dm->Database.Rollback();
  }
  return 0;
}
