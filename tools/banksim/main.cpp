// banksim: the bank side of the EDI network. Answers every request file of the mailbox's
// outbox for the login ID (or of a plain folder) with the result file of the same format,
// written under the institution's receive name into the inbox (or a plain folder).
//
//   banksim --mailbox DIR --login ID --home PROGRAMDIR [--fail DIGITS[,DIGITS...]]
//           [--fail-code CODE]
//   banksim --in DIR --out DIR --home PROGRAMDIR [...]
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "BankAnswer.h"
#include "core/Cp949.h"
#include "core/Database.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/TextRoutines.h"

using namespace selvane;
namespace fs = std::filesystem;

namespace {

int Usage() {
  std::cerr << "usage: banksim (--mailbox DIR --login ID | --in DIR --out DIR) --home PROGRAMDIR\n"
               "               [--fail DIGITS[,DIGITS...]] [--fail-code CODE]\n";
  return 2;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

int main(int argc, char** argv) {
  std::string mailbox, login, in, out, home;
  banksim::TAnswerOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i + 1 >= argc) return Usage();
    std::string value = argv[++i];
    if (arg == "--mailbox") {
      mailbox = value;
    } else if (arg == "--login") {
      login = value;
    } else if (arg == "--in") {
      in = value;
    } else if (arg == "--out") {
      out = value;
    } else if (arg == "--home") {
      home = value;
    } else if (arg == "--fail") {
      std::stringstream list(value);
      for (std::string account; std::getline(list, account, ',');)
        if (!account.empty()) options.FailAccounts.insert(account);
    } else if (arg == "--fail-code") {
      options.FailCode = value;
    } else {
      return Usage();
    }
  }
  if (!mailbox.empty() && !login.empty()) {
    in = (fs::path(mailbox) / "outbox" / login).string();
    out = (fs::path(mailbox) / "inbox" / login).string();
  }
  if (in.empty() || out.empty() || home.empty()) return Usage();

  try {
    SetProgramHome(home);
    LoadWorkingFolders();
    TDatabase db;
    db.Open(DatabaseFileName());
    fs::create_directories(out);
    std::vector<std::string> requests;
    ListFiles(WithBackslash(in), "*.*", requests);
    TStatement& find = db.Prepare(
        "SELECT BankID, RecvName, BCode FROM KiGwan WHERE SendName = ?1 "
        "ORDER BY KigwanID, KiGwanName LIMIT 1");
    struct TSender {
      std::string BankId, RecvName, BCode;
    };
    auto sender = [&find](const std::string& sendName) -> std::optional<TSender> {
      find.Bind({TValue(sendName)});
      std::optional<TSender> found;
      if (find.Step())
        found = TSender{find.Column(0).AsString(), find.Column(1).AsString(),
                        find.Column(2).AsString()};
      find.Reset();
      return found;
    };
    int failures = 0;
    for (const std::string& request : requests) {
      std::optional<TSender> known = sender(request);
      // A second request file of a batch (SendName + its format's suffix) is answered into the
      // same result file as the first.
      for (const auto& format : banksim::AnswerFormats()) {
        if (known) break;
        const std::string_view suffix = format.SecondFileSuffix ? format.SecondFileSuffix : "";
        if (suffix.empty() || !request.ends_with(suffix) || request.size() == suffix.size())
          continue;
        known = sender(request.substr(0, request.size() - suffix.size()));
        if (known && &banksim::AnswerFormatFor(known->BankId) != &format) known.reset();
      }
      if (!known || known->RecvName.empty()) {
        std::cout << "skipped: " << request << ": no institution sends this file\n";
        ++failures;
        continue;
      }
      const std::string& recvName = known->RecvName;
      const auto& format = banksim::AnswerFormatFor(known->BankId);
      try {
        banksim::TAnswerOptions answerOptions = options;
        if (!TryToCp949(known->BCode, answerOptions.BCode))
          throw std::runtime_error("BCode without CP949 form");
        std::string answer = format.Answer(ReadAll(WithBackslash(in) + request), answerOptions);
        std::ofstream file(fs::path(out) / recvName, std::ios::binary | std::ios::app);
        file << answer;
        if (!file.flush()) throw std::runtime_error("cannot write " + recvName);
        std::cout << "answered: " << request << " -> " << recvName << " (" << format.Name << ")\n";
      } catch (const std::exception& error) {
        std::cout << "skipped: " << request << ": " << error.what() << '\n';
        ++failures;
      }
    }
    return failures == 0 ? 0 : 1;
  } catch (const std::exception& error) {
    std::cout << "error: " << error.what() << '\n';
    return 1;
  }
}
