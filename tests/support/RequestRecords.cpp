#include "support/RequestRecords.h"

#include "support/TransferFolder.h"

namespace selvane::test {

TBatchRecipient PendingRecipient(const std::string& bank, const std::string& account,
                                 std::int64_t won, std::int64_t fund, const std::string& item) {
  TBatchRecipient r;
  r.BankId = bank;
  r.BankNo = account;
  r.Jumin = "700101-1234567";
  r.Name = "홍길동";
  r.Monecy = TMoney::FromWon(won);
  r.State = 1;
  r.JaGubun = fund;
  r.prtText = item;
  return r;
}

std::vector<std::string> RequestRecords(TSendFn write, const TBatch& batch, TBatchResult* result) {
  TSendFolder folder;
  TRecordedExchange view;
  TBatchResult written = write(batch, view);
  if (result != nullptr) *result = written;
  auto lines = SplitCrLf(folder.ReadFile(batch.Order.SendName));
  if (!lines.empty()) lines.erase(lines.begin());
  return lines;
}

}  // namespace selvane::test
