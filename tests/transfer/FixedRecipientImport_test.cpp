#include "transfer/FixedRecipientImport.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "support/ProgramFixture.h"

namespace selvane {
namespace {

const char* const kGoodResident = "8001011234560";
const char* const kBadResident = "8001011234561";

// One line of the file: bank 1-2, account 4-23, amount 25-33, resident 35-47, name 49-68.
std::string Line(const std::string& bank, const std::string& account, const std::string& amount,
                 const std::string& resident, const std::string& name) {
  return FixText(bank, 2, true) + " " + FixText(account, 20, true) + " " +
         FixText(amount, 9, false) + " " + FixText(resident, 13, true) + " " +
         FixText(ToCp949(name), 20, true) + "\r\n";
}

class FixedRecipientImportTest : public test::TProgramFixture {
 protected:
  void SetUp() override {
    TProgramFixture::SetUp();
    AddInstitution(1, "구청", "04");
    AddOrder(1, "0001", "01", "04");
  }

  TFixedImportOutcome Import(const std::string& content, const std::string& bank = "04",
                             std::optional<int> fund = std::nullopt) {
    std::string file = folder_.WriteFile("list.txt", content);
    return ImportFixedPositionFile(dm_, {CurrentOrderKey, bank, fund, "역삼동", "생계"}, file);
  }

  std::string ErrorFile() {
    return test::TTempFolder::ReadFile(folder_.Path() + "역삼동_생계.txt");
  }
};

TEST_F(FixedRecipientImportTest, CleanFileInsertsEveryLineAndLeavesAnEmptyErrorFile) {
  auto outcome = Import(Line("04", "123456789012", "150000", kGoodResident, "홍길동") +
                        Line("11", "12345678901", "  2000", "7505052345676", "김철수"));
  EXPECT_EQ(outcome.End, TFixedImportOutcome::TEnd::Completed);
  EXPECT_EQ(outcome.Inserted, 2);
  EXPECT_TRUE(std::filesystem::exists(folder_.Path() + "역삼동_생계.txt"));
  EXPECT_EQ(ErrorFile(), "");
  EXPECT_TRUE(messages_.Messages().empty());
  ASSERT_TRUE(dm_.TB_TransSub.Locate({"BankId"}, {TValue("11")}));
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("BankNo").AsString(), "123-45-678901");
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("Jumin").AsString(), "750505-2345676");
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("Monecy").AsMoney(), TMoney::FromWon(2000));
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("Name").AsString(), "김철수              ")
      << "the name is stored as it stands in the file";
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("State").AsInteger(), 1);
}

TEST_F(FixedRecipientImportTest, ChecksThatFailAddOneErrorLineEachAndTheRowIsStillInserted) {
  auto outcome = Import(Line("04", "123456789012", "1000", kBadResident, "가") +
                        Line("04", "12", "1000", kBadResident, "나") +
                        Line("04", "98", "1000", kGoodResident, "다"));
  EXPECT_EQ(outcome.Inserted, 3);
  // Each name field is 20 bytes: a syllable and 18 blanks.
  const std::string blanks(18, ' ');
  std::string expected = ToCp949(
      "04 123456789012              1000 8001011234561 가" + blanks + "   주민번호 에러\r\n" +
      "04 12                        1000 8001011234561 나" + blanks +
      "  계좌번호 및 주민번호 에러\r\n" + "04 98                        1000 8001011234560 다" +
      blanks + "   계좌번호 에러\r\n");
  EXPECT_EQ(ErrorFile(), expected);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Kind, "warning");
  EXPECT_EQ(messages_.Messages()[0].Text,
            "대상자중 에러가 있습니다.\r역삼동_생계File보고 수정하세요");
}

TEST_F(FixedRecipientImportTest, MergedBankCodesAreStoredAs88ButHyphenatedWithTheirOwnCode) {
  // 26 accepts 11 or 14 digits, 88 also 12: a 12-digit number stays digits under 26.
  Import(Line("26", "123456789012", "1000", kGoodResident, "가"));
  EXPECT_EQ(RecipientAccounts(), (std::vector<std::string>{"88 123456789012"}));
  EXPECT_EQ(messages_.Texts().back(),
            "은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다.");
}

TEST_F(FixedRecipientImportTest, FundCategoryOfTheOrderBankOnEveryRow) {
  Import(Line("04", "123456789012", "1000", kGoodResident, "가") +
             Line("04", "123456789013", "1000", kGoodResident, "나"),
         "11", 2);
  for (dm_.TB_TransSub.First(); !dm_.TB_TransSub.Eof(); dm_.TB_TransSub.Next())
    EXPECT_EQ(dm_.TB_TransSub.FieldByName("JaGubun").AsInteger(), 66);
}

TEST_F(FixedRecipientImportTest, HousingBankLinesOfANongHyupOrderAreReported) {
  Import(Line("06", "123456789012", "1000", kGoodResident, "가"), "12");
  EXPECT_EQ(ErrorFile(), ToCp949("06    은행코드 에러. 주택은행코드는 농협에서 사용하지 않습니다. "
                                 "국민코드로 변경해주세요.\r\n"));
}

TEST_F(FixedRecipientImportTest, ADuplicateRemovesOnlyWhatThisImportInserted) {
  Import(Line("04", "111111111111", "1000", kGoodResident, "기존"));
  messages_.Clear();
  auto outcome = Import(Line("04", "222222222222", "1000", kGoodResident, "새") +
                        Line("04", "111111111111", "1000", kGoodResident, "중복"));
  EXPECT_EQ(outcome.End, TFixedImportOutcome::TEnd::DuplicateUndone);
  EXPECT_EQ(RecipientAccounts(), (std::vector<std::string>{"04 111-11-1111-111"}))
      << "the recipient that was there before stays";
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Caption, " 입력오류");
  EXPECT_EQ(messages_.Messages()[0].Kind, "error");
  EXPECT_EQ(messages_.Messages()[0].Text,
            "04 111111111111              1000 8001011234560 중복                  2번이상존재 "
            "데이타 삭제요망 ");
  EXPECT_TRUE(dm_.TB_TransSub.Filtered());
}

TEST_F(FixedRecipientImportTest, UnreadableLinesStopAndLeaveTheListAsItWas) {
  struct TCase {
    std::string content;
    std::string message;
  };
  const TCase cases[] = {
      {Line("04", "123456789012", "1000", kGoodResident, "가") +
           Line("04", "123456789013", "12a", kGoodResident, "나"),
       "2번째 줄의 금액(25-33)을 읽을 수 없어 불러오기를 중단했습니다: \"      12a\""},
      {Line("04", "123456789012", "1000", "80010112345X0", "가"),
       "1번째 줄의 주민번호(35-47)를 읽을 수 없어 불러오기를 중단했습니다: \"80010112345X0\""},
      {"04 123456789012\r\n",
       "1번째 줄의 주민번호(35-47)를 읽을 수 없어 불러오기를 중단했습니다: \"\""},
  };
  for (const auto& c : cases) {
    messages_.Clear();
    auto outcome = Import(c.content);
    EXPECT_EQ(outcome.End, TFixedImportOutcome::TEnd::Stopped);
    EXPECT_TRUE(RecipientAccounts().empty());
    EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{c.message}));
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() + "역삼동_생계.txt"));
  }
}

TEST_F(FixedRecipientImportTest, AFileThatIsNotCp949ImportsNothing) {
  auto outcome = Import(Line("04", "123456789012", "1000", kGoodResident, "가") + "\xFF\xFF\r\n");
  EXPECT_EQ(outcome.End, TFixedImportOutcome::TEnd::Stopped);
  EXPECT_TRUE(RecipientAccounts().empty());
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Text.rfind("2번째 줄에 CP949 문자가 아닌 바이트가 있어", 0),
            0u);
}

}  // namespace
}  // namespace selvane
