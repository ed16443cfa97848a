// The fisheries co-operative's records in both editions, and the foreign-exchange bank's, which
// are the earlier edition whatever the order's dates.
#include "formats/SendTrans_Fishercorp.h"

#include <gtest/gtest.h>

#include "formats/SendTrans_ForeignExchange.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

TBatch FisheriesBatch(TDate aDate) {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.KigwanName = "완도군청";
  batch.Order.BankID = "07";
  batch.Order.Corcode = "SUHYUP0001";
  batch.Order.BankNo = "101-01-012345";
  batch.Order.A_Date = aDate;
  TBatchRecipient r;
  r.RowId = 1;
  r.Name = "박어민";
  r.BankId = "04";  // recipients of every bank are written
  r.BankNo = "123-456-789012";
  r.Jumin = "600101-1234567";
  r.Monecy = TMoney::FromWon(150000);
  r.State = 1;
  batch.Recipients = {r};
  r.RowId = 2;
  r.BankId = "07";
  r.BankNo = "101-02-000001";
  r.Monecy = TMoney::FromWon(2500);
  batch.Recipients.push_back(r);
  return batch;
}

// The records after the envelope line.
std::vector<std::string> Records(const test::TSendFolder& folder) {
  auto lines = test::SplitCrLf(folder.ReadFile("SND01"));
  if (!lines.empty()) lines.erase(lines.begin());
  return lines;
}

// The header of the order, MARK being position 62.
std::string Header(const std::string& corcodeAndBank, const std::string& aDate,
                   const std::string& mark) {
  return "SC2" + corcodeAndBank + aDate +
         "1211"             // payment date MMDD
         "10101012345    "  // withdrawal account
         "        "
         " 1 "   // 41-51
         "0012"  // branch
         "QOREX " +
         mark +        // 56-62
         "          "  // 63-72
         "'%  ";
}

// The data records of the two recipients, MARK being position 77.
std::vector<std::string> Data(const std::string& mark) {
  auto record = [&](const std::string& bankAndAccount, const std::string& amount) {
    return "D" + bankAndAccount + "40" + amount +
           "11"
           " "
           "    "           // the result code in the answer
           "          "     // the second amount in the answer
           "6001011234567"  // resident number
           "   20261211"
           "    " +
           mark + " ";
  };
  return {record("04123456789012   ", "00000150000"), record("0710102000001    ", "00000002500")};
}

const std::string kEnd =
    "E"
    "0000004"
    "0000002"
    "0000000152500"
    "0000000"
    "0000000000000"
    "0000000"
    "0000000000000"
    "    "
    "  ";

TEST(SendFisheries, TheEditionChangesOnTheNinthOfFebruary2009) {
  struct TCase {
    TDate aDate;
    const char* mark;
  } cases[] = {
      {{2009, 2, 8}, " "},
      {{2009, 2, 9}, "0"},
      {{2026, 12, 9}, "0"},
  };
  for (const auto& c : cases) {
    test::TSendFolder folder;
    test::TRecordedExchange view;
    SendTrans_Fishercorp(FisheriesBatch(c.aDate), view);
    std::vector<std::string> expected{Header("SUHYUP000107", c.aDate.Format("yymmdd"), c.mark)};
    for (const std::string& data : Data(c.mark)) expected.push_back(data);
    expected.push_back(kEnd);
    EXPECT_EQ(Records(folder), expected) << c.aDate.ToIso();
  }
}

TEST(SendForeignExchange, TheEarlierEditionForEveryOrder) {
  for (TDate aDate : {TDate{2009, 2, 8}, TDate{2026, 12, 9}}) {
    test::TSendFolder folder;
    test::TRecordedExchange view;
    TBatch batch = FisheriesBatch(aDate);
    batch.Order.BankID = "05";
    batch.Order.Corcode = "KEB0000001";
    SendTrans_ForeignExchange(batch, view);
    std::vector<std::string> expected{Header("KEB000000105", aDate.Format("yymmdd"), " ")};
    for (const std::string& data : Data(" ")) expected.push_back(data);
    expected.push_back(kEnd);
    EXPECT_EQ(Records(folder), expected) << aDate.ToIso();
  }
}

TEST(SendFisheries, AnEmptyBatchHasItsHeaderAndEnd) {
  test::TSendFolder folder;
  test::TRecordedExchange view;
  TBatch batch = FisheriesBatch({2026, 12, 9});
  batch.Recipients.clear();
  EXPECT_TRUE(SendTrans_Fishercorp(batch, view).Written.empty());
  auto records = Records(folder);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1],
            "E"
            "0000002"
            "0000000"
            "0000000000000"
            "0000000000000000000000000000000000000000"
            "      ");
}

}  // namespace
}  // namespace selvane
