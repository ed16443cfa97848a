// The standard result reader on any bytes: it must never crash, and every data record of the
// input must be either applied or reported as passed over with a reason; no record is reported
// that the input does not have. The database is rolled back after each input so that every
// input meets the same rows.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzProgram.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "formats/Recv_Standard.h"

using namespace selvane;

namespace {

TDModule* g_dm = nullptr;
std::string g_file;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  g_dm = &fuzz::OpenFuzzProgram();
  auto& db = g_dm->Database;
  db.Execute(
      "INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, CorCode, RecvName) VALUES "
      "(1, '서울구청', '04', 'CORP01', 'RCV01')");
  db.Execute(
      "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, State) VALUES (1, '0001', '01', 2)");
  db.Execute(
      "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Monecy, State) "
      "VALUES (1, '0001', '01', '04', '123-4567-8901', 150000, 2), "
      "(1, '0001', '01', '04', '12345', 300, 2)");
  db.Commit();
  g_file = RecvDir + "RCV01";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    std::ofstream out(g_file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  TResultReport report = Recv_Standard(g_file, *g_dm);
  // Records are 80-byte blocks; a last one of 78 or 79 bytes is whole.
  int records = 0, dataRecords = 0;
  for (std::size_t at = 0; at + 78 <= size; at += 80) {
    ++records;
    if (data[at] == 'D') ++dataRecords;
  }
  if (!report.Opened || report.DataRecords != dataRecords) std::abort();
  int skippedData = 0;
  for (const auto& skipped : report.Skipped) {
    if (skipped.RecordNo < 1 || skipped.RecordNo > records + 1 || skipped.Reason.empty())
      std::abort();
    if (skipped.Kind == 'D' && skipped.RecordNo <= records) ++skippedData;
  }
  if (report.Applied + skippedData != dataRecords) std::abort();
  g_dm->Database.Rollback();
  return 0;
}
