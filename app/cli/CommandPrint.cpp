// print: the payment statement of a selection as a PDF file, and the unpaid list file, as the
// selection window's "출력" makes them.
#include <QGuiApplication>

#include "Command.h"
#include "core/DM.h"
#include "core/TerminalWaitMsg.h"
#include "transfer/PaymentStatement.h"
#include "transfer/ui/paint/PrintDisPlay.h"

namespace selvane::cli {
namespace {

const char* const kUsage = "print CHOICE DONG ITEM --pdf FILE";

int RunPrint(TCommandContext& context) {
  std::vector<std::string> positional;
  std::string pdfFile;
  for (std::size_t i = 0; i < context.Args.size(); ++i) {
    if (context.Args[i] == "--pdf" && i + 1 < context.Args.size())
      pdfFile = context.Args[++i];
    else
      positional.push_back(context.Args[i]);
  }
  if (positional.size() != 3 || pdfFile.empty() || positional[0].size() != 1 ||
      positional[0][0] < '0' || positional[0][0] >= '0' + kPrintChoiceCount)
    return UsageError(context, kUsage);
  const auto choice = static_cast<TPrintChoice>(positional[0][0] - '0');

  TDModule dm;
  dm.OpenDatabase();
  TStatementOutcome outcome = PreparePaymentStatement(dm, choice, positional[1], positional[2]);
  using TEnd = TStatementOutcome::TEnd;
  if (outcome.End == TEnd::NoData || outcome.End == TEnd::Ready)
    context.Out << "file: " << outcome.UnpaidFile << '\n';
  if (!outcome.Warning.empty()) context.Out << "warning: " << OneLine(outcome.Warning) << '\n';
  if (outcome.End != TEnd::Ready) {
    context.Out << "error: " << OneLine(outcome.Message) << '\n';
    return 1;
  }

  // Painting needs the Qt application, never a screen: without a platform named, offscreen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  int argc = 1;
  char name[] = "selvane-cli";
  char* argv[] = {name, nullptr};
  QGuiApplication application(argc, argv);
  std::string error;
  int pages = WriteStatementPdf(outcome.Statement, pdfFile, error);
  if (pages == 0) {
    context.Out << "error: " << OneLine(error) << '\n';
    return 1;
  }
  context.Out << "file: " << pdfFile << '\n';
  const TStatementTotals& totals = outcome.Statement.Totals;
  context.Out << "status: 지급내역서 " << totals.Count << "건 " << pages << "쪽 (이체지급 "
              << totals.PaidCount << "건, 미지급 " << totals.UnpaidCount << "건)\n";
  return 0;
}

TCommandRegistrar registrar("print", kUsage,
                            "the payment statement of a selection as a PDF, and its unpaid list "
                            "(CHOICE 0-5, DONG \"전체동\" for all dongs)",
                            &RunPrint);

}  // namespace
}  // namespace selvane::cli
