// The commands of selvane-cli. Each command file registers itself with a TCommandRegistrar.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace selvane::cli {

struct TCommandContext {
  std::vector<std::string> Args;  // after the command name
  std::ostream& Out;
};

// Exit status: 0 success, 1 failure, 2 bad usage.
using TCommandFn = int (*)(TCommandContext&);

struct TCommand {
  std::string Name;
  std::string Usage;  // arguments, for --help
  std::string Summary;
  TCommandFn Run;
};

struct TCommandRegistrar {
  TCommandRegistrar(std::string name, std::string usage, std::string summary, TCommandFn run);
};

const std::vector<TCommand>& Commands();

// Prints "error: ..." and returns 2, for a command's bad arguments.
int UsageError(TCommandContext& context, const std::string& usage);

}  // namespace selvane::cli
