// The fixed-position recipient import on any bytes: it must never crash, and the order must end
// as the outcome says: every line inserted when it completed, nothing of this import left when it
// stopped or undid a duplicate, and the recipient that was there before kept in every case.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzProgram.h"
#include "transfer/FixedRecipientImport.h"
#include "transfer/TextFileLines.h"

using namespace selvane;

namespace {

const TOrderKey kOrder{1, "0001", "01"};
std::string g_file;

std::int64_t RowsOfTheOrder(TDModule& dm) {
  return fuzz::Count(dm,
                     "SELECT count(*) FROM TBTransSub WHERE KigwanId = 1 AND DongId = '0001' AND "
                     "LargeitmId = '01'");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  TDModule& dm = fuzz::OpenFuzzProgram().Dm;
  fuzz::AddInstitutionWithOrder(dm, "12");
  // Already in the order: a line with this account is a duplicate.
  dm.Database.Execute(
      "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Monecy, State) "
      "VALUES (1, '0001', '01', '04', '111-11-1111-111', 1000, 1)");
  dm.Database.Commit();
  g_file = fuzz::Program()->Folder + "list.txt";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TDModule& dm = fuzz::Program()->Dm;
  fuzz::WriteInput(g_file, data, size);
  const auto lines = static_cast<int>(SplitLines(ReadFileBytes(g_file)).size());
  const std::int64_t before = RowsOfTheOrder(dm);
  TFixedImportOutcome outcome =
      ImportFixedPositionFile(dm, {kOrder, "12", 2, "역삼동", "생계"}, g_file);
  const std::int64_t added = RowsOfTheOrder(dm) - before;
  using TEnd = TFixedImportOutcome::TEnd;
  if (outcome.End == TEnd::Completed) {
    if (outcome.Inserted != lines || added != lines) std::abort();
    // A line has at most four error lines: the housing bank, its account and resident checks,
    // its amount and its bank code.
    if (outcome.ErrorLines < 0 || outcome.ErrorLines > 4 * lines) std::abort();
  } else if (added != 0 || outcome.Inserted != 0) {
    std::abort();
  }
  if (fuzz::Count(dm,
                  "SELECT count(*) FROM TBTransSub WHERE BankNo = '111-11-1111-111' AND "
                  "Monecy = 1000") != 1)
    std::abort();
  if (fuzz::Count(dm, "SELECT count(*) FROM TBTransSub WHERE State <> 1") != 0) std::abort();
  if (dm.Database.InTransaction()) std::abort();
  dm.Database.Execute("DELETE FROM TBTransSub WHERE rowid > 1");
  dm.Database.Commit();
  dm.TB_TransSub.Refresh();
  return 0;
}
