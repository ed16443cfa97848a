// account: the account-number check and printed form of one number.
#include "Command.h"
#include "core/TextRoutines.h"
#include "transfer/NumberChecks.h"

namespace selvane::cli {
namespace {

int RunAccount(TCommandContext& context) {
  if (context.Args.size() != 2) return UsageError(context, "account BANK NUMBER");
  const std::string& bank = context.Args[0];
  const std::string& number = context.Args[1];
  if (bank.size() != 2 || !IsAllDigits(bank)) {
    context.Out << "error: 은행코드는 두 자리 숫자입니다: " << bank << '\n';
    return 2;
  }
  context.Out << "valid=" << (NumGuardIsValid(bank, number) ? 1 : 0) << ' '
              << HyphenateAccountNo(bank, number) << '\n';
  return 0;
}

TCommandRegistrar registrar("account", "account BANK NUMBER",
                            "check an account number of a bank and print its hyphenated form",
                            &RunAccount);

}  // namespace
}  // namespace selvane::cli
