#include "formats/Send_Standard.h"

#include <gtest/gtest.h>

#include "formats/SendTrans_SinHan.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

const std::string kHeader = "SC2CORP01    04261209261211123456789      " + std::string(8 + 1, ' ') +
                            "1 0012QOREX " + std::string(11 + 4, ' ');

TBatch OrderOnly() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  return batch;
}

void AddRecipient(TBatch& batch, const char* bank, const char* account, const char* jumin,
                  std::int64_t won) {
  TBatchRecipient r;
  r.BankId = bank;
  r.BankNo = account;
  r.Jumin = jumin;
  r.Monecy = TMoney::FromWon(won);
  r.State = 1;
  batch.Recipients.push_back(r);
}

std::vector<std::string> Records(const TBatch& batch) {
  test::TSendFolder folder;
  test::TRecordedExchange view;
  Send_Standard(batch, view);
  auto lines = test::SplitCrLf(folder.ReadFile("SND01"));
  lines.erase(lines.begin());  // the envelope line
  return lines;
}

TEST(SendStandard, EmptyBatchGivesHeaderAndZeroEndRecord) {
  auto records = Records(OrderOnly());
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], kHeader);
  EXPECT_EQ(records[1],
            "E"
            "0000002"
            "0000000"
            "0000000000000"
            "0000000"
            "0000000000000"
            "0000000"
            "0000000000000"
            "0000"
            "  ");
}

TEST(SendStandard, DataRecordsByteForByte) {
  TBatch batch = OrderOnly();
  AddRecipient(batch, "4", "123-456-789012", "700101-1234567", 12345678901);
  // The resident number has its column: a short one is blank-filled, a long one cut at 13.
  AddRecipient(batch, "88", "110-123-456789", "12345", 400);
  AddRecipient(batch, "20", "1002-333-444555", "12345678901234567", 7);
  auto records = Records(batch);
  ASSERT_EQ(records.size(), 5u);
  EXPECT_EQ(records[0], kHeader);
  const std::string gap = " " + std::string(4, ' ') + std::string(10, ' ');
  EXPECT_EQ(records[1],
            "D04"
            "123456789012   "
            "40"
            "12345678901"
            "11" +
                gap +
                "7001011234567   20261211"
                "1211"
                "  ");
  EXPECT_EQ(records[2],
            "D88"
            "110123456789   "
            "40"
            "00000000400"
            "11" +
                gap +
                "12345           20261211"
                "1211"
                "  ");
  EXPECT_EQ(records[3],
            "D20"
            "1002333444555  "
            "40"
            "00000000007"
            "11" +
                gap +
                "1234567890123   20261211"
                "1211"
                "  ");
  EXPECT_EQ(records[4].substr(0, 28),
            "E"
            "0000005"
            "0000003"
            "0012345679308");
}

TEST(SendStandard, AnAccountOrAmountLongerThanItsFieldIsHeldBackNotCut) {
  TBatch batch = OrderOnly();
  AddRecipient(batch, "04", "1234-5678-9012-3456", "700101-1234567", 1000);    // 16 digits
  AddRecipient(batch, "04", "111-22-333333", "700101-1234567", 123456789012);  // 12 digits
  AddRecipient(batch, "04", "444-55-666666", "700101-1234567", 2500);
  batch.Recipients[0].RowId = 1;
  batch.Recipients[1].RowId = 2;
  batch.Recipients[2].RowId = 3;
  batch.Recipients[0].Name = "홍길동";
  batch.Recipients[1].Name = "김영희";
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TBatchResult result = Send_Standard(batch, view);
  EXPECT_EQ(result.Written, std::vector<std::int64_t>{3});
  EXPECT_EQ(result.HeldBack,
            (std::vector<std::string>{
                "계좌번호가 송신 파일의 칸보다 깁니다: 홍길동 04 1234-5678-9012-3456",
                "이체금액이 송신 파일의 칸보다 깁니다: 김영희 04 123456789012"}));
  auto lines = test::SplitCrLf(folder.ReadFile("SND01"));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2].substr(3, 15), "44455666666    ");
  // Counts and total leave the held-back recipients out, and so does the list line.
  EXPECT_EQ(lines[3].substr(0, 28), "E000000300000010000000002500");
  ASSERT_EQ(view.List.size(), 1u);
  EXPECT_EQ(view.List[0].Count, 1);
}

TEST(SendStandard, AnInstitutionAccountLongerThanItsFieldFailsTheBatch) {
  TBatch batch = OrderOnly();
  batch.Order.BankNo = "1234-5678-9012-3456";
  test::TSendFolder folder;
  test::TRecordedExchange view;
  try {
    Send_Standard(batch, view);
    FAIL() << "written";
  } catch (const TSendFileError& error) {
    EXPECT_STREQ(error.what(), "계좌번호가 송신 파일의 칸보다 깁니다: 종로구청 1234567890123456");
  }
}

TEST(SendStandard, ShinhanWritesTheSameBytes) {
  TBatch batch = OrderOnly();
  batch.Order.BankID = "26";
  AddRecipient(batch, "88", "110-123-456789", "800101-2345678", 50000);
  test::TRecordedExchange view;
  std::string standard, shinhan;
  {
    test::TSendFolder folder;
    Send_Standard(batch, view);
    standard = folder.ReadFile("SND01");
  }
  {
    test::TSendFolder folder;
    SendTrans_SinHan(batch, view);
    shinhan = folder.ReadFile("SND01");
  }
  EXPECT_EQ(shinhan, standard);
  EXPECT_NE(standard.find("SC2CORP01    26"), std::string::npos);
}

}  // namespace
}  // namespace selvane
