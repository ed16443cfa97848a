// selvane-cli [--home DIR] [--yes | --no] COMMAND [ARGUMENTS]
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "core/Globals.h"
#include "core/Startup.h"
#include "core/TerminalWaitMsg.h"

using namespace selvane;

namespace {

void PrintHelp(std::ostream& out) {
  out << "usage: selvane-cli [--home DIR] [--yes | --no] COMMAND [ARGUMENTS]\n\n"
         "  --home DIR  the program folder (else NORVA_HOME, else the folder of the program when\n"
         "              it is one, else ~/.local/share/selvane, made on the first start)\n"
         "  --yes/--no  the answer to every question the operation asks\n\ncommands:\n";
  for (const auto& command : cli::Commands())
    out << "  " << command.Usage << "\n      " << command.Summary << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::optional<bool> answer;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    if (args[i] == "--home" && i + 1 < args.size()) {
      SetProgramHome(args[++i]);
    } else if (args[i] == "--yes") {
      answer = true;
    } else if (args[i] == "--no") {
      answer = false;
    } else if (args[i] == "--help" || args[i] == "-h") {
      PrintHelp(std::cout);
      return 0;
    } else {
      break;
    }
  }
  if (i >= args.size()) {
    PrintHelp(std::cerr);
    return 2;
  }
  const std::string name = args[i];
  const cli::TCommand* command = nullptr;
  for (const auto& c : cli::Commands())
    if (c.Name == name) command = &c;
  if (command == nullptr) {
    std::cout << "error: unknown command: " << name << '\n';
    return 2;
  }

  TTerminalWaitMsg terminal(std::cout, answer);
  InstallWaitMsg(&terminal);
  cli::TCommandContext context{std::vector<std::string>(args.begin() + i + 1, args.end()),
                               std::cout};
  try {
    InitializeUnits();
    return command->Run(context);
  } catch (const TUnansweredQuestion& error) {
    std::cout << "error: " << OneLine(error.what()) << '\n';
    return 2;
  } catch (const std::exception& error) {
    std::cout << "error: " << OneLine(error.what()) << '\n';
    return 1;
  }
}
