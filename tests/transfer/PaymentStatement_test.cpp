// The payment statement's selection, totals and unpaid list file.
#include "transfer/PaymentStatement.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "core/Cp949.h"
#include "support/ProgramFixture.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

class PaymentStatementTest : public test::TProgramFixture {
 protected:
  void SetUp() override {
    TProgramFixture::SetUp();
    AddDong("0001", "역삼동");
    AddDong("0002", "삼성동");
    AddItem("01", "생계");
    AddItem("02", "주거");
    dm_.Database.Execute(
        "INSERT INTO TBResultCd (BankID, ResultCd, Result_NM) VALUES "
        "('04', '9999', '계좌없음'), ('88', '9999', '신한 해지계좌'), "
        "('04', 'A001', '이름이 아주 길어서 잘리는 결과코드명')");
  }

  void AddRecipient(const std::string& dong, const std::string& item, const std::string& bank,
                    const std::string& account, const std::string& name, double amount,
                    const TValue& result, const std::string& jumin = "700101-1234561") {
    dm_.Database.Execute(
        "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, "
        "Name, State, Result) VALUES (1, ?1, ?2, ?3, ?4, ?5, ?6, ?7, 3, ?8)",
        {TValue(dong), TValue(item), TValue(bank), TValue(account), TValue(jumin), TValue(amount),
         TValue(name), result});
  }

  // Six recipients over two dongs and two items, paid, failed and without result.
  void AddSelectionRows() {
    AddRecipient("0001", "01", "04", "111", "가", 1000, "0000");
    AddRecipient("0001", "01", "04", "112", "나", 2000, "9999");
    AddRecipient("0001", "01", "04", "113", "다", 3000, TValue());
    AddRecipient("0002", "01", "04", "211", "라", 4000, "0000");
    AddRecipient("0001", "02", "04", "121", "마", 5000, "0000");
    AddRecipient("0002", "02", "04", "221", "바", 6000, "");
  }

  static std::vector<std::string> Names(const std::vector<TStatementRow>& rows) {
    std::vector<std::string> names;
    for (const auto& row : rows) names.push_back(row.Name);
    return names;
  }

  std::string ReadUnpaidList(const std::string& file) { return test::TTempFolder::ReadFile(file); }
};

struct TSelectionCase {
  const char* Label;
  TPrintChoice Choice;
  const char* Dong;
  const char* Item;
  std::vector<std::string> Names;
};

TEST_F(PaymentStatementTest, EachChoiceListsItsRowsInKeyOrder) {
  AddSelectionRows();
  const TSelectionCase cases[] = {
      {"all data ignores the dong",
       TPrintChoice::AllData,
       "역삼동",
       "생계",
       {"가", "나", "다", "라"}},
      {"dong and item", TPrintChoice::DongItemAll, "역삼동", "생계", {"가", "나", "다"}},
      {"item of every dong",
       TPrintChoice::DongItemAll,
       kAllDongsName,
       "생계",
       {"가", "나", "다", "라"}},
      {"paid of a dong", TPrintChoice::DongItemPaid, "역삼동", "생계", {"가"}},
      {"paid of every dong", TPrintChoice::DongItemPaid, kAllDongsName, "생계", {"가", "라"}},
      {"unpaid with no result", TPrintChoice::DongItemUnpaid, "역삼동", "생계", {"나", "다"}},
      {"unpaid with an empty result", TPrintChoice::DongItemUnpaid, kAllDongsName, "주거", {"바"}},
      {"dong ignores the item", TPrintChoice::Dong, "삼성동", "생계", {"라", "바"}},
      {"dong as every dong finds none", TPrintChoice::Dong, kAllDongsName, "생계", {}},
      {"item ignores the dong", TPrintChoice::Item, "삼성동", "주거", {"마", "바"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Label);
    auto outcome = PreparePaymentStatement(dm_, c.Choice, c.Dong, c.Item);
    EXPECT_EQ(Names(outcome.Statement.Rows), c.Names);
    EXPECT_EQ(outcome.End,
              c.Names.empty() ? TStatementOutcome::TEnd::NoData : TStatementOutcome::TEnd::Ready);
  }
}

TEST_F(PaymentStatementTest, CodesOfTheShownNames) {
  EXPECT_EQ(DongCodeOf(dm_, kAllDongsName), "0000");
  EXPECT_EQ(DongCodeOf(dm_, "삼성동"), "0002");
  EXPECT_EQ(DongCodeOf(dm_, "없는동"), "");
  EXPECT_EQ(ItemCodeOf(dm_, "주거"), "02");
  EXPECT_EQ(ItemCodeOf(dm_, ""), "");
}

TEST_F(PaymentStatementTest, TotalsCountEveryRowAsPaidOrUnpaid) {
  AddSelectionRows();
  AddRecipient("0001", "01", "04", "114", "사", 1234567, "0000");
  auto outcome = PreparePaymentStatement(dm_, TPrintChoice::DongItemAll, "역삼동", "생계");
  const TStatementTotals& t = outcome.Statement.Totals;
  EXPECT_EQ(t.Count, 4);
  EXPECT_EQ(t.Amount, TMoney::FromWon(1240567));
  EXPECT_EQ(t.PaidCount, 2);
  EXPECT_EQ(t.PaidAmount, TMoney::FromWon(1235567));
  EXPECT_EQ(t.UnpaidCount, 2);
  EXPECT_EQ(t.UnpaidAmount, TMoney::FromWon(5000));
  EXPECT_EQ(outcome.Statement.Heading, "역삼동-생계");
}

TEST_F(PaymentStatementTest, BankAndResultNamesComeFromTheRecipientsOwnBank) {
  AddRecipient("0001", "01", "88", "100-123-456789", "신", 1000, "9999");
  AddRecipient("0001", "01", "04", "115", "국", 1000, "9999");
  AddRecipient("0001", "01", "04", "116", "긴", 1000, "A001");
  AddRecipient("0001", "01", "99", "117", "모", 1000, "9999");
  auto rows = SelectStatementRows(dm_, TPrintChoice::DongItemAll, "0001", "01");
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[0].BankName, "국민은행");
  EXPECT_EQ(rows[0].ResultName, "계좌없음");
  EXPECT_EQ(rows[1].ResultName, "이름이 아주 길어서 ");  // 19 bytes: "잘" would make 21
  EXPECT_EQ(rows[2].BankName, "신한은행");
  EXPECT_EQ(rows[2].ResultName, "신한 해지계좌");
  EXPECT_EQ(rows[3].BankName, "");
  EXPECT_EQ(rows[3].ResultName, "");
}

TEST_F(PaymentStatementTest, HeadingOfEachChoice) {
  EXPECT_EQ(StatementHeading(TPrintChoice::AllData, "역삼동", "생계"), "전체");
  EXPECT_EQ(StatementHeading(TPrintChoice::DongItemPaid, kAllDongsName, "생계"), "전체동-생계");
  EXPECT_EQ(StatementHeading(TPrintChoice::Dong, " 역삼동 ", "생계  "), "역삼동-생계");
}

TEST_F(PaymentStatementTest, UnpaidListLinesFillAndCutTheirFields) {
  struct TLineCase {
    const char* Label;
    std::string Account;
    double Amount;
    std::string Jumin;
    std::string Line;  // UTF-8; empty when left out
  } cases[] = {
      {"fills", "123-4567-8901", 150000, "700101-1234561",
       "04 12345678901     000150000 7001011234561 홍길동"},
      {"15-digit account and 9-digit amount fit", "123456789012345", 999999999, "7001011234561",
       "04 123456789012345 999999999 7001011234561 홍길동"},
      {"resident number cut to 13", "1", 5, "70010112345612",
       "04 1               000000005 7001011234561 홍길동"},
      {"resident number cut before half a character", "1", 5, "700101123456가",
       "04 1               000000005 700101123456  홍길동"},
      {"account longer than 15 is left out", "1234567890123456", 5, "7001011234561", ""},
      {"amount longer than 9 digits is left out", "1", 1000000000, "7001011234561", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Label);
    TStatementRow row;
    row.BankId = "04";
    row.BankNo = c.Account;
    row.Monecy = *TMoney::FromDouble(c.Amount);
    row.Jumin = c.Jumin;
    row.Name = "홍길동";
    EXPECT_EQ(UnpaidListLine(row), c.Line.empty() ? std::string() : ToCp949(c.Line));
  }
}

TEST_F(PaymentStatementTest, UnpaidListFileHoldsEveryUnpaidRowByteForByte) {
  AddRecipient("0001", "01", "04", "111-22", "김지급", 1000, "0000");
  AddRecipient("0001", "01", "04", "333-44", "이불능", 25000, "9999", "800202-2345678");
  AddRecipient("0001", "01", "04", "555-66", "박없음", 3000, TValue());
  AddRecipient("0001", "01", "04", "12345678901234567", "최긴계좌", 4000, "9999");
  auto outcome = PreparePaymentStatement(dm_, TPrintChoice::DongItemAll, "역삼동", "생계");
  ASSERT_EQ(outcome.End, TStatementOutcome::TEnd::Ready);
  EXPECT_EQ(outcome.UnpaidFile, ExeDir + "역삼동생계Error.Txt");
  EXPECT_EQ(ReadUnpaidList(outcome.UnpaidFile),
            ToCp949("04 33344           000025000 8002022345678 이불능\r\n"
                    "04 55566           000003000 7001011234561 박없음\r\n"));
  // The row left out of the file is still on the statement, and named in the warning.
  EXPECT_EQ(outcome.Statement.Totals.UnpaidCount, 3);
  EXPECT_EQ(outcome.Warning,
            "계좌번호(15자리) 또는 금액(9자리)이 길어 미지급 목록 파일에 넣지 못한 자료입니다. "
            "지급내역서에는 있습니다:\r최긴계좌 04 12345678901234567 4000");
}

TEST_F(PaymentStatementTest, MissingCodeStopsBeforeAnythingIsWritten) {
  AddSelectionRows();
  const std::pair<const char*, const char*> cases[] = {
      {"", "생계"}, {"역삼동", ""}, {"없는동", "생계"}, {"역삼동", "없는항목"}};
  for (const auto& [dong, item] : cases) {
    SCOPED_TRACE(std::string(dong) + "/" + item);
    auto outcome = PreparePaymentStatement(dm_, TPrintChoice::Dong, dong, item);
    EXPECT_EQ(outcome.End, TStatementOutcome::TEnd::MissingCodes);
    EXPECT_EQ(outcome.Message, "동 및 항목을 선택하여주세요");
    EXPECT_TRUE(outcome.Statement.Rows.empty());
    EXPECT_FALSE(fs::exists(outcome.UnpaidFile));
  }
}

TEST_F(PaymentStatementTest, NoDataStillReplacesTheUnpaidListWithAnEmptyOne) {
  AddSelectionRows();
  folder_.WriteFile("전체동생계Error.Txt", "an earlier list\r\n");
  auto outcome = PreparePaymentStatement(dm_, TPrintChoice::Dong, kAllDongsName, "생계");
  EXPECT_EQ(outcome.End, TStatementOutcome::TEnd::NoData);
  EXPECT_EQ(outcome.Message, "출력할 조건에 맞는 자료가 존재 하지 않습니다.");
  EXPECT_EQ(ReadUnpaidList(ExeDir + "전체동생계Error.Txt"), "");
}

TEST_F(PaymentStatementTest, UnpaidListNameStaysInTheProgramFolder) {
  AddDong("0003", "../가/나");
  AddItem("03", "a\\b\tc");
  AddRecipient("0003", "03", "04", "1", "가", 1000, TValue());
  auto outcome = PreparePaymentStatement(dm_, TPrintChoice::DongItemAll, "../가/나", "a\\b\tc");
  ASSERT_EQ(outcome.End, TStatementOutcome::TEnd::Ready);
  EXPECT_EQ(outcome.UnpaidFile, ExeDir + "___가_나a_b_cError.Txt");
  EXPECT_TRUE(fs::is_regular_file(outcome.UnpaidFile));
}

TEST_F(PaymentStatementTest, UnpaidListThatCannotBeWrittenIsReported) {
  AddSelectionRows();
  // A folder in the file's place: the list cannot replace it.
  fs::create_directory(ExeDir + "역삼동생계Error.Txt");
  auto outcome = PreparePaymentStatement(dm_, TPrintChoice::DongItemAll, "역삼동", "생계");
  EXPECT_EQ(outcome.End, TStatementOutcome::TEnd::WriteFailed);
  EXPECT_EQ(outcome.Message, "미지급 목록 파일을 쓸 수 없습니다: " + ExeDir +
                                 "역삼동생계Error.Txt\r" + std::strerror(EISDIR));
  EXPECT_TRUE(fs::is_directory(ExeDir + "역삼동생계Error.Txt"));
  EXPECT_TRUE(fs::is_empty(ExeDir + "역삼동생계Error.Txt"));
}

}  // namespace
}  // namespace selvane
