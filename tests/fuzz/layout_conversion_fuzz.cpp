// The layout conversion on any bytes, as text lines and as fixed-length records: it must never
// crash, store exactly the records it counts, all in the order and waiting, and when it says it
// completed, have converted every record of the file.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzProgram.h"
#include "transfer/LayoutConversion.h"

using namespace selvane;

namespace {

const TOrderKey kOrder{1, "0001", "01"};
std::string g_file;

// Bank 1-2, account 4-20, amount 21-32, resident 34-47, name 49-58.
TLayout Layout(int reLen) {
  TLayout layout;
  layout.Name = "구청양식";
  layout.ReLen = reLen;
  layout.Spans = {{{1, 2}, {4, 17}, {21, 12}, {34, 14}, {49, 10}}};
  return layout;
}

void Convert(TDModule& dm, const TConversionRequest& request) {
  std::size_t records = 0;
  bool readable = true;
  try {
    records = ReadConversionRecords(g_file, request.Layout.ReLen).size();
  } catch (const std::exception&) {
    readable = false;
  }
  const std::int64_t before = fuzz::Count(dm, "SELECT count(*) FROM TBTransSub");
  TConversionOutcome outcome = ConvertRecipientFile(dm, request, g_file);
  const std::int64_t added = fuzz::Count(dm, "SELECT count(*) FROM TBTransSub") - before;
  if (added != outcome.Converted || outcome.Converted < 0) std::abort();
  if (static_cast<std::size_t>(outcome.Converted) > records) std::abort();
  if (outcome.Completed && (!readable || static_cast<std::size_t>(outcome.Converted) != records))
    std::abort();
  if (fuzz::Count(dm,
                  "SELECT count(*) FROM TBTransSub WHERE State <> 1 OR KigwanId <> 1 OR "
                  "DongId <> '0001' OR LargeitmId <> '01'") != 0)
    std::abort();
  if (dm.Database.InTransaction()) std::abort();
  dm.Database.Execute("DELETE FROM TBTransSub");
  dm.Database.Commit();
  dm.TB_TransSub.Refresh();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::AddInstitutionWithOrder(fuzz::OpenFuzzProgram().Dm, "04");
  g_file = fuzz::Program()->Folder + "cms.txt";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TDModule& dm = fuzz::Program()->Dm;
  fuzz::WriteInput(g_file, data, size);
  Convert(dm, {kOrder, "04", std::nullopt, Layout(0)});
  Convert(dm, {kOrder, "12", 2, Layout(60)});
  return 0;
}
