// apply: reads the result files already in the receive folder, then lists the foreign files.
#include "Command.h"
#include "core/DM.h"
#include "edi/EDIRecv.h"
#include "edi/TerminalExchangeView.h"

namespace selvane::cli {
namespace {

int RunApply(TCommandContext& context) {
  if (!context.Args.empty()) return UsageError(context, "apply");
  TDModule dm;
  dm.OpenDatabase();
  TTerminalExchangeView view(context.Out);
  bool ok = ApplyResultFiles(dm, view);
  ListForeignFiles(dm, view);
  return ok ? 0 : 1;
}

TCommandRegistrar registrar("apply", "apply",
                            "apply the result files of the receive folder and list the others",
                            &RunApply);

}  // namespace
}  // namespace selvane::cli
