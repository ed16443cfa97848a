// upgrade [--now]: the upgrade check as the main window runs it at creation (--now: as
// "지금 업그레이드", whatever the interval says). Prints "upgrade: CODE" and the result's message;
// on 1 starts the launcher, which puts the update in place once the program has ended.
#include "Command.h"
#include "reference/AutoUpgrade.h"

namespace selvane::cli {
namespace {

int RunUpgradeCommand(TCommandContext& context) {
  bool now = false;
  for (const std::string& arg : context.Args) {
    if (arg != "--now") return UsageError(context, "upgrade [--now]");
    now = true;
  }
  const int result = CheckForUpgrade(now);
  context.Out << "upgrade: " << result << '\n';
  if (result == kUpgradeNothing) return 0;
  return ActOnUpgradeResult(result) ? 0 : 1;
}

TCommandRegistrar upgradeCommand("upgrade", "upgrade [--now]",
                                 "the upgrade check as at start (--now: at once); on 1 the "
                                 "launcher puts the update in place",
                                 &RunUpgradeCommand);

}  // namespace
}  // namespace selvane::cli
