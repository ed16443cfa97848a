#include "formats/SendTrans_JeonBuk.h"

#include <gtest/gtest.h>

#include "core/Cp949.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

const std::string kHeader = "SC2CORP01    037261209261211123456789      " +
                            std::string(8 + 1, ' ') + "1 " + std::string(4, ' ') + "QOREX " +
                            std::string(10 + 4, ' ');
const std::string kAnswerColumns = " " + std::string(4, ' ') + std::string(10, ' ');

std::string EmptyEnd() {
  return "E"
         "0000002"
         "0000000"
         "0000000000000"
         "0000000"
         "0000000000000"
         "0000000"
         "0000000000000" +
         std::string(8 + 2, ' ');
}

TBatch JeonbukBatch() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.BankID = "37";
  return batch;
}

void Add(TBatch& batch, const char* bank, const char* account, std::int64_t won, const char* item,
         const char* itemName) {
  TBatchRecipient r;
  r.RowId = static_cast<std::int64_t>(batch.Recipients.size()) + 1;
  r.BankId = bank;
  r.BankNo = account;
  r.Jumin = "700101-1234567";
  r.Monecy = TMoney::FromWon(won);
  r.LargeitmId = item;
  r.prtText = itemName;
  r.State = 1;
  batch.Recipients.push_back(r);
}

struct TWritten {
  std::vector<std::string> Main, Others;
  TBatchResult Result;
  std::vector<TRecvInfo> List;
};

TWritten Write(const TBatch& batch) {
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TWritten written;
  written.Result = SendTrans_JeonBuk(batch, view);
  written.Main = test::SplitCrLf(folder.ReadFile("SND01"));
  written.Others = test::SplitCrLf(folder.ReadFile("SND01_1"));
  written.List = view.List;
  return written;
}

TEST(SendJeonbuk, RecipientsOfTheBankGoToTheMainFileAllOthersToTheSecond) {
  TBatch batch = JeonbukBatch();
  Add(batch, "11", "301-0123-4567-81", 2500, "07", "");  // an item not in the item table
  Add(batch, "37", "1002-333-444555", 150000, "01", "생계급여");
  Add(batch, "04", "123-4567-8901", 7000, "02", "주거급여지원금");   // 14 bytes: cut at 10
  Add(batch, "37", "1002-333-444556", 50000, "3", "A의료급여지원");  // cut before half a character
  TWritten w = Write(batch);
  ASSERT_EQ(w.Main.size(), 5u);
  ASSERT_EQ(w.Others.size(), 5u);
  EXPECT_EQ(w.Main[0], w.Others[0]);  // the same envelope line
  EXPECT_EQ(w.Main[1], kHeader);
  EXPECT_EQ(w.Others[1], kHeader);
  EXPECT_EQ(w.Main[2],
            "D037"
            "1002333444555  "
            " "
            "00000150000"
            "11" +
                kAnswerColumns + "7001011234567     01" + "  " + ToCp949("생계급여"));
  EXPECT_EQ(w.Main[3],
            "D037"
            "1002333444556  "
            " "
            "00000050000"
            "11" +
                kAnswerColumns + "7001011234567     03" + " " + ToCp949("A의료급여"));
  EXPECT_EQ(w.Main[4],
            "E"
            "0000004"
            "0000002"
            "0000000200000"
            "0000000"
            "0000000000000"
            "0000000"
            "0000000000000" +
                std::string(10, ' '));
  EXPECT_EQ(w.Others[2],
            "D011"
            "3010123456781  "
            " "
            "00000002500"
            "11" +
                kAnswerColumns + "7001011234567     07" + std::string(10, ' '));
  EXPECT_EQ(w.Others[3],
            "D004"
            "12345678901    "
            " "
            "00000007000"
            "11" +
                kAnswerColumns + "7001011234567     02" + ToCp949("주거급여지"));
  EXPECT_EQ(w.Others[4],
            "E"
            "0000004"
            "0000002"
            "0000000009500"
            "0000000"
            "0000000000000"
            "0000000"
            "0000000000000" +
                std::string(10, ' '));
  // One line for the batch, counting the records of both files.
  ASSERT_EQ(w.List.size(), 1u);
  EXPECT_EQ(w.List[0].Count, 4);
  EXPECT_EQ(w.Result.Written, (std::vector<std::int64_t>{1, 2, 3, 4}));
}

TEST(SendJeonbuk, TheSecondFileIsWrittenAlsoWithoutRecipients) {
  struct TCase {
    const char* what;
    const char* bank;
  } cases[] = {{"only recipients of bank 37", "37"}, {"only recipients of other banks", "88"}};
  for (const auto& c : cases) {
    TBatch batch = JeonbukBatch();
    Add(batch, c.bank, "100-123-456789", 1000, "01", "생계");
    TWritten w = Write(batch);
    const auto& empty = std::string(c.bank) == "37" ? w.Others : w.Main;
    ASSERT_EQ(empty.size(), 3u) << c.what;
    EXPECT_EQ(empty[1], kHeader) << c.what;
    EXPECT_EQ(empty[2], EmptyEnd()) << c.what;
  }
  TWritten none = Write(JeonbukBatch());
  EXPECT_EQ(none.Main, none.Others);
  ASSERT_EQ(none.Main.size(), 3u);
  EXPECT_EQ(none.Main[2], EmptyEnd());
}

}  // namespace
}  // namespace selvane
