// demo: fills an empty program folder with a sample institution, dong, item, one pending order
// and its recipients, to try a send and a receive in test mode.
#include "Command.h"
#include "core/DM.h"
#include "transfer/DemoData.h"
#include "transfer/HolidayCalendar.h"

namespace selvane::cli {
namespace {

int RunDemo(TCommandContext& context) {
  if (!context.Args.empty()) return UsageError(context, "demo");
  TDModule dm;
  dm.OpenDatabase();
  InitHolidayLists();
  try {
    int recipients = FillDemoData(dm);
    context.Out << "status: " << kDemoKigwanName << ": 이체 1건, 수급자 " << recipients
                << "명을 만들었습니다.\n";
  } catch (const TDemoRefused& refused) {
    context.Out << "error: " << refused.what() << '\n';
    FreeHolidayLists();
    return 1;
  }
  FreeHolidayLists();
  return 0;
}

TCommandRegistrar registrar("demo", "demo",
                            "fill an empty program folder with a sample institution and order",
                            &RunDemo);

}  // namespace
}  // namespace selvane::cli
