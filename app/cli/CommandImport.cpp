// import and convert: the two recipient-file imports into an existing order.
#include <optional>

#include "Command.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "transfer/FixedRecipientImport.h"
#include "transfer/FundCategory.h"
#include "transfer/LayoutConversion.h"
#include "transfer/OrderRecipients.h"

namespace selvane::cli {
namespace {

const char* const kImportUsage = "import KIGWAN DONG ITEM FILE [--fund N]";
const char* const kConvertUsage = "convert KIGWAN DONG ITEM LAYOUT FILE [--fund N]";

// The positional arguments and the --fund choice; nullopt after a usage error.
struct TImportArgs {
  std::vector<std::string> Positional;
  std::optional<int> Fund;
};

std::optional<TImportArgs> ParseArgs(const std::vector<std::string>& args, std::size_t count) {
  TImportArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--fund") {
      if (i + 1 >= args.size() || args[i + 1].size() != 1 || args[i + 1][0] < '0' ||
          args[i + 1][0] > '2')
        return std::nullopt;
      parsed.Fund = args[++i][0] - '0';
    } else {
      parsed.Positional.push_back(args[i]);
    }
  }
  if (parsed.Positional.size() != count) return std::nullopt;
  for (char c : parsed.Positional[0])
    if (c < '0' || c > '9') return std::nullopt;
  if (parsed.Positional[0].empty() || parsed.Positional[0].size() > 9) return std::nullopt;
  return parsed;
}

// Positions TB_Trans on the order and sets the current order context; false after a message.
bool OpenOrder(TCommandContext& context, TDModule& dm, const TImportArgs& args) {
  dm.OpenDatabase();
  TOrderKey key{std::stoi(args.Positional[0]), args.Positional[1], args.Positional[2]};
  if (!dm.TB_Trans.FindKey({TValue(key.KigwanId), TValue(key.DongId), TValue(key.LargeItmId)})) {
    context.Out << "error: 이체자료가 없습니다: " << key.KigwanId << ' ' << key.DongId << ' '
                << key.LargeItmId << '\n';
    return false;
  }
  CurrentOrderKey = key;
  CurrentDongName = dm.TB_Trans.FieldByName("DoName").AsString();
  CurrentItemName = dm.TB_Trans.FieldByName("LaName").AsString();
  FilterOrderRecipients(dm, key);
  return true;
}

void FinishOrder(TDModule& dm) {
  RecalcOrderTotals(dm);
  dm.CommitAllTables();
}

int RunImport(TCommandContext& context) {
  auto args = ParseArgs(context.Args, 4);
  if (!args) return UsageError(context, kImportUsage);
  TDModule dm;
  if (!OpenOrder(context, dm, *args)) return 1;
  std::string orderBank = dm.TB_Trans.FieldByName("BankID").AsString();
  if (FundCategoryApplies(orderBank) && !args->Fund) {
    context.Out
        << "error: 이 이체자료는 자금구분이 필요합니다: --fund 0(급여) 1(비급여) 2(정부지원)\n";
    return 2;
  }
  TFixedImportRequest request{CurrentOrderKey, orderBank, args->Fund, CurrentDongName,
                              CurrentItemName};
  auto outcome = ImportFixedPositionFile(dm, request, args->Positional[3]);
  FinishOrder(dm);
  if (outcome.End != TFixedImportOutcome::TEnd::Completed) return 1;
  context.Out << "status: " << outcome.Inserted << "건을 불러왔습니다. 에러 " << outcome.ErrorLines
              << "건: " << outcome.ErrorFile << '\n';
  return 0;
}

int RunConvert(TCommandContext& context) {
  auto args = ParseArgs(context.Args, 5);
  if (!args) return UsageError(context, kConvertUsage);
  TDModule dm;
  if (!OpenOrder(context, dm, *args)) return 1;
  if (!dm.TB_Cath.FindKey({TValue(args->Positional[3])})) {
    context.Out << "error: 자료 변환 설정이 없습니다: " << args->Positional[3] << '\n';
    return 1;
  }
  TConversionRequest request{CurrentOrderKey, dm.TB_Trans.FieldByName("BankID").AsString(),
                             args->Fund, CurrentLayout(dm.TB_Cath)};
  auto outcome = ConvertRecipientFile(dm, request, args->Positional[4]);
  FinishOrder(dm);
  return outcome.Completed ? 0 : 1;
}

TCommandRegistrar importRegistrar("import", kImportUsage,
                                  "import a fixed-position recipient file into an order",
                                  &RunImport);
TCommandRegistrar convertRegistrar("convert", kConvertUsage,
                                   "convert a recipient file of a stored layout into an order",
                                   &RunConvert);

}  // namespace
}  // namespace selvane::cli
