// check: opens the database and counts the rows of every table.
#include "Command.h"
#include "core/DM.h"

namespace selvane::cli {
namespace {

int RunCheck(TCommandContext& context) {
  if (!context.Args.empty()) return UsageError(context, "check");
  TDModule dm;
  dm.OpenDatabase();
  for (TTable* table : dm.Tables())
    context.Out << "table: " << table->TableName() << ' ' << table->RecordCount() << '\n';
  return 0;
}

TCommandRegistrar registrar("check", "check", "list the tables of the database with their rows",
                            &RunCheck);

}  // namespace
}  // namespace selvane::cli
