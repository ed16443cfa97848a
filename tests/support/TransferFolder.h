// A program folder for the exchange tests: a seeded database open in a data module, the working
// folders pointing into the folder, and institutions, orders and recipients added by value. The
// exchange view that goes with it records every status text and list line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/DM.h"
#include "edi/Batch.h"
#include "edi/ExchangeView.h"
#include "support/TempFolder.h"

namespace selvane::test {

struct TStatusLine {
  std::string Text;
  bool IsError = false;
  bool operator==(const TStatusLine&) const = default;
};

class TRecordedExchange : public IExchangeView {
 public:
  void ShowStatus(const std::string& text, bool isError) override {
    Status.push_back({text, isError});
  }
  void AddListLine(const TRecvInfo& line) override { List.push_back(line); }
  void ClearList() override { List.clear(); }
  // Each warning as its heading followed by its lines.
  void ShowWarnings(const std::string& heading, const std::vector<std::string>& lines) override {
    Warnings.push_back(heading);
    Warnings.insert(Warnings.end(), lines.begin(), lines.end());
  }

  std::vector<TStatusLine> Status;
  std::vector<TRecvInfo> List;
  std::vector<std::string> Warnings;
};

struct TInstitutionRow {
  int Id = 1;
  std::string Name = "서울구청";
  std::string BankId = "04";
  std::string Corcode = "CORP01";
  std::string SendName = "SND01";
  std::string RecvName = "RCV01";
  std::string BankNo = "123-45-6789";
  std::string LocalBank = "001234";
  std::string Bcode = "BK04";
};

struct TOrderRow {
  int KigwanId = 1;
  std::string DongId = "0001";
  std::string ItemId = "01";
  int State = 1;
  std::string A_Date = "2026-12-09";
  std::string To_date = "2026-12-11";
};

struct TRecipientRow {
  int KigwanId = 1;
  std::string DongId = "0001";
  std::string ItemId = "01";
  std::string BankId = "04";
  std::string BankNo;
  std::string Jumin = "700101-1234567";
  std::int64_t Won = 1000;
  int State = 1;
  std::optional<int> JaGubun = std::nullopt;  // fund category; none when not given
};

// The order of a batch built by hand: institution "종로구청" of bank 04, send name "SND01",
// work date 2026-12-09, payment date 2026-12-11.
TBatchOrder SampleOrder();

// The lines of a file whose every line ends with CR LF, without their line ends. A bare LF or a
// last line without CR LF fails the calling test.
std::vector<std::string> SplitCrLf(const std::string& bytes);

// A send folder of its own for writer tests without a database: SendDir points into a fresh
// folder and the EDI user ID is "OFFICE01" while it lives.
class TSendFolder {
 public:
  TSendFolder();
  ~TSendFolder();
  std::string ReadFile(const std::string& name) const;

 private:
  TTempFolder folder_;
  std::string savedSendDir_;
};

class TTransferFolder {
 public:
  TTransferFolder();
  ~TTransferFolder();

  const std::string& Path() const { return folder_.Path(); }
  void AddInstitution(const TInstitutionRow& row);
  // An order with the institution's fields copied, as the orders window creates it.
  std::int64_t AddOrder(const TOrderRow& row);
  std::int64_t AddRecipient(const TRecipientRow& row);
  // The column of every row of the table, in rowid order.
  std::vector<std::string> Column(const std::string& table, const std::string& column);
  // A file of the send folder as bytes.
  std::string SendFile(const std::string& name) const;
  std::string WriteRecvFile(const std::string& name, const std::string& bytes) const;

  TDModule Dm;

 private:
  std::int64_t LastRowId(const std::string& table);
  TTempFolder folder_;
};

}  // namespace selvane::test
