// send, receive, rereceive, sendreceive: the send/receive window's work for its mode, without
// the window. The status line and the list become "status:", "error:" and "file:" lines.
#include "Command.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "edi/Exchange.h"
#include "edi/TerminalExchangeView.h"

namespace selvane::cli {
namespace {

int RunExchange(TCommandContext& context, int mode, const char* usage, bool testAllowed) {
  for (const std::string& arg : context.Args) {
    if (testAllowed && arg == "--test")
      TestMode = true;
    else
      return UsageError(context, usage);
  }
  TDModule dm;
  dm.OpenDatabase();
  TTerminalExchangeView view(context.Out);
  TExchange exchange(dm, view, mode);
  if ((mode == emSend || mode == emSendReceive) && !exchange.Build() && !exchange.AskReceiveOnly())
    return 1;

  bool ok = exchange.Run();
  if (ok) ok = exchange.ApplyResults();
  switch (exchange.Mode) {
    case emSend:
      return exchange.SendOk && exchange.StateRecorded ? 0 : 1;
    case emSendReceive:
      return exchange.SendOk && exchange.StateRecorded && ok ? 0 : 1;
    default:
      return ok ? 0 : 1;
  }
}

int RunSend(TCommandContext& context) {
  return RunExchange(context, emSend, "send [--test]", true);
}
int RunReceive(TCommandContext& context) {
  return RunExchange(context, emReceive, "receive [--test]", true);
}
int RunReReceive(TCommandContext& context) {
  return RunExchange(context, emReReceive, "rereceive [--test]", true);
}
int RunSendReceive(TCommandContext& context) {
  return RunExchange(context, emSendReceive, "sendreceive", false);
}

TCommandRegistrar sendCommand("send", "send [--test]",
                              "build the request files and send them (--test: test mode)",
                              &RunSend);
TCommandRegistrar receiveCommand("receive", "receive [--test]",
                                 "receive the result files and apply them (--test: test mode)",
                                 &RunReceive);
TCommandRegistrar reReceiveCommand("rereceive", "rereceive [--test]",
                                   "receive the last result files again and apply them",
                                   &RunReReceive);
TCommandRegistrar sendReceiveCommand("sendreceive", "sendreceive",
                                     "build, send and receive in one call, then apply the results",
                                     &RunSendReceive);

}  // namespace
}  // namespace selvane::cli
