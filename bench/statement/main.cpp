// The payment statement of one dong and item with 10,000 recipients (a tenth of them unpaid):
// the selection with its totals and unpaid list file, then the report as a PDF file.
// Goal: the whole statement under 3 s.
#include <unistd.h>
#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchSupport.h"
#include "core/DM.h"
#include "core/Globals.h"
#include "core/ProgramFolderSetup.h"
#include "transfer/PaymentStatement.h"
#include "transfer/ui/paint/PrintDisPlay.h"

using namespace selvane;
using namespace selvane::bench;
namespace fs = std::filesystem;

namespace {

constexpr int kRecipients = 10000;

void FillProgram(TDModule& dm) {
  dm.Database.Execute("INSERT INTO TBManager (DongID, DongNm) VALUES ('0001', '역삼동')");
  dm.Database.Execute("INSERT INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES ('01', '생계')");
  for (int i = 0; i < kRecipients; ++i) {
    char account[32];
    std::snprintf(account, sizeof account, "123-%04d-%04d", i / 10000, i % 10000);
    dm.Database.Execute(
        "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, "
        "Name, State, Result) VALUES (1, '0001', '01', '04', ?1, '700101-1234561', ?2, ?3, 3, ?4)",
        {TValue(std::string(account)), TValue(10000.0 + i), TValue("수급자" + std::to_string(i)),
         i % 10 == 9 ? TValue("9999") : TValue("0000")});
  }
  dm.CommitAllTables();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  fs::path folder = fs::temp_directory_path() / ("bench_statement_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  PrepareProgramFolder(folder.string() + "/");
  SetProgramHome(folder.string() + "/");
  LoadWorkingFolders();
  int result = 0;
  {
    TDModule dm;
    dm.OpenDatabase();
    FillProgram(dm);

    auto start = std::chrono::steady_clock::now();
    TStatementOutcome outcome =
        PreparePaymentStatement(dm, TPrintChoice::DongItemAll, "역삼동", "생계");
    double prepare = Seconds(start);
    auto drawStart = std::chrono::steady_clock::now();
    std::string error;
    std::string pdf = (folder / "statement.pdf").string();
    int pages = outcome.End == TStatementOutcome::TEnd::Ready
                    ? WriteStatementPdf(outcome.Statement, pdf, error)
                    : 0;
    double draw = Seconds(drawStart);
    double total = Seconds(start);
    if (pages == 0) {
      std::printf("statement failed: %s %s\n", outcome.Message.c_str(), error.c_str());
      result = 1;
    } else {
      std::printf(
          "statement of %d recipients: selection, totals and unpaid list %.3f s, PDF %.3f s "
          "(%d pages, %.1f MB); total %.3f s (goal < 3 s: %s)\n",
          outcome.Statement.Totals.Count, prepare, draw, pages,
          static_cast<double>(fs::file_size(pdf)) / 1e6, total, total < 3 ? "met" : "missed");
    }
  }
  SetProgramHome("");
  fs::remove_all(folder);
  return result;
}
