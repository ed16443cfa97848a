#include "Command.h"

#include <algorithm>

namespace selvane::cli {
namespace {
std::vector<TCommand>& Registry() {
  static std::vector<TCommand> commands;
  return commands;
}
}  // namespace

TCommandRegistrar::TCommandRegistrar(std::string name, std::string usage, std::string summary,
                                     TCommandFn run) {
  auto& commands = Registry();
  commands.push_back({std::move(name), std::move(usage), std::move(summary), run});
  std::sort(commands.begin(), commands.end(),
            [](const TCommand& a, const TCommand& b) { return a.Name < b.Name; });
}

const std::vector<TCommand>& Commands() {
  return Registry();
}

int UsageError(TCommandContext& context, const std::string& usage) {
  context.Out << "error: usage: selvane-cli " << usage << '\n';
  return 2;
}

}  // namespace selvane::cli
