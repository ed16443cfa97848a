// resident: the check of one resident registration number.
#include "Command.h"
#include "transfer/NumberChecks.h"

namespace selvane::cli {
namespace {

int RunResident(TCommandContext& context) {
  if (context.Args.size() != 1) return UsageError(context, "resident NUMBER");
  context.Out << "valid=" << (ResidentNoValid(context.Args[0]) ? 1 : 0) << '\n';
  return 0;
}

TCommandRegistrar registrar("resident", "resident NUMBER", "check a resident registration number",
                            &RunResident);

}  // namespace
}  // namespace selvane::cli
