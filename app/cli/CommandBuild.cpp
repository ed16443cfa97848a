// build: writes the request files of the pending orders into the send folder, as the send
// window does before its send button. Changes no state.
#include "Command.h"
#include "core/DM.h"
#include "edi/EDISend.h"
#include "edi/TerminalExchangeView.h"

namespace selvane::cli {
namespace {

int RunBuild(TCommandContext& context) {
  if (!context.Args.empty()) return UsageError(context, "build");
  TDModule dm;
  dm.OpenDatabase();
  TTerminalExchangeView view(context.Out);
  TWrittenRows written;
  return BuildRequestFiles(dm, view, written) ? 0 : 1;
}

TCommandRegistrar registrar("build", "build", "write the request files into the send folder",
                            &RunBuild);

}  // namespace
}  // namespace selvane::cli
