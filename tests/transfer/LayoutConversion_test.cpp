#include "transfer/LayoutConversion.h"

#include <gtest/gtest.h>

#include "core/Cp949.h"
#include "support/ProgramFixture.h"

namespace selvane {
namespace {

// Text lines "bank,account,amount,resident,name" at fixed columns.
TLayout LineLayout(int reLen = 0) {
  TLayout layout;
  layout.Name = "구청양식";
  layout.ReLen = reLen;
  layout.Spans = {{{1, 2}, {4, 17}, {21, 12}, {34, 14}, {49, 10}}};
  return layout;
}

std::string Record(const std::string& bank, const std::string& account, const std::string& amount,
                   const std::string& resident, const std::string& name) {
  auto pad = [](std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
  };
  return pad(bank, 3) + pad(account, 17) + pad(amount, 13) + pad(resident, 15) + ToCp949(name);
}

class LayoutConversionTest : public test::TProgramFixture {
 protected:
  void SetUp() override {
    TProgramFixture::SetUp();
    AddInstitution(1, "구청", "04");
    AddOrder(1, "0001", "01", "04");
  }

  TConversionOutcome Convert(const std::string& content, const std::string& orderBank = "04",
                             std::optional<int> fund = std::nullopt,
                             TLayout layout = LineLayout()) {
    std::string file = folder_.WriteFile("cms.txt", content);
    return ConvertRecipientFile(dm_, {CurrentOrderKey, orderBank, fund, layout}, file);
  }

  TValue Field(const std::string& account, const std::string& field) {
    EXPECT_TRUE(dm_.TB_TransSub.Locate({"BankNo"}, {TValue(account)})) << account;
    return dm_.TB_TransSub.FieldByName(field).Value();
  }
};

TEST_F(LayoutConversionTest, ConvertsEveryRecordAndSaysHowMany) {
  auto outcome = Convert(Record("3", "123-456789-01-234", "1,500,000", "800101-1234560", "홍길동") +
                         "\r\n" + Record("11", "12345678901", "2000", "", "김") + "\r\n   \r\n");
  EXPECT_TRUE(outcome.Completed);
  EXPECT_EQ(outcome.Converted, 2);
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{"총 2 건의 자료가 변환되었습니다."}));
  EXPECT_EQ(Field("123-456789-01-234", "BankId").AsString(), "03");
  EXPECT_EQ(Field("123-456789-01-234", "Monecy").AsMoney(), TMoney::FromWon(1500000));
  EXPECT_EQ(Field("123-456789-01-234", "Name").AsString(), "홍길동");
  EXPECT_EQ(Field("123-456789-01-234", "Jumin").AsString(), "800101-1234560");
  EXPECT_EQ(Field("123-45-678901", "BankId").AsString(), "11");
  EXPECT_TRUE(Field("123-45-678901", "JaGubun").IsNull()) << "no fund category for bank 04";
}

TEST_F(LayoutConversionTest, FixedLengthRecordsIgnoreAShortTail) {
  std::string record = Record("04", "123456789012", "1000", "8001011234560", "가");
  record.resize(100, ' ');
  std::string second = Record("04", "123456789013", "1000", "8001011234560", "나");
  second.resize(100, '\0');
  auto outcome =
      Convert(record + second + std::string(50, '9'), "04", std::nullopt, LineLayout(100));
  EXPECT_TRUE(outcome.Completed);
  EXPECT_EQ(outcome.Converted, 2);
}

TEST_F(LayoutConversionTest, FundCategoryByTheOrderBank) {
  Convert(Record("04", "123456789012", "1000", "", "가") + "\r\n", "12", 2);
  EXPECT_EQ(Field("123-45-6789-012", "JaGubun").AsInteger(), 6);
  messages_.Clear();
  Convert(Record("04", "123456789013", "1000", "", "가") + "\r\n", "35", 2);
  EXPECT_TRUE(Field("123-45-6789-013", "JaGubun").IsNull()) << "the conversion leaves 35 empty";
  messages_.Clear();
  auto outcome = Convert(Record("04", "123456789014", "1000", "", "가") + "\r\n", "11");
  EXPECT_EQ(outcome.Converted, 0);
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{"자금구분을 선택하신후에 하십시오."}));
}

TEST_F(LayoutConversionTest, ARefusedRecordStopsAndKeepsWhatWasConverted) {
  struct TCase {
    std::string record;
    std::string message;
  };
  const TCase cases[] = {
      {Record("", "123456789012", "1000", "", "가"), "은행코드가 누락되었습니다."},
      {Record("99", "123456789012", "1000", "", "가"),
       "\"99\"는 등록되어 있지 않은 은행코드 데이타입니다."},
      {Record("04", "", "1000", "", "가"), "계좌번호가 누락되었습니다."},
      {Record("04", "12345x", "1000", "", "가"),
       "\"12345x\"는 적절하지 않은 계좌번호 데이타입니다."},
      {Record("04", "123456789012", "12a", "", "가"),
       "\"12a\"는 적절하지 않은 이체금액 데이타입니다."},
  };
  for (const auto& c : cases) {
    dm_.Database.Execute("DELETE FROM TBTransSub");
    messages_.Clear();
    auto outcome = Convert(Record("04", "111111111111", "1000", "", "앞") + "\r\n" + c.record +
                           "\r\n" + Record("04", "222222222222", "1000", "", "뒤"));
    EXPECT_FALSE(outcome.Completed);
    EXPECT_EQ(messages_.Texts(),
              (std::vector<std::string>{c.message, "총 1 건의 자료가 변환되었습니다."}));
    EXPECT_EQ(RecipientAccounts(), (std::vector<std::string>{"04 111-11-1111-111"}));
  }
}

TEST_F(LayoutConversionTest, MergedShinhanCodeNeeds88InTheBankTable) {
  Convert(Record("26", "12345678901", "1000", "", "가") + "\r\n");
  EXPECT_EQ(RecipientAccounts(), (std::vector<std::string>{"88 123-45-678901"}));
  EXPECT_EQ(messages_.Texts().back(),
            "은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다.");
  dm_.Database.Execute("DELETE FROM TBBank WHERE BankID = '88'");
  messages_.Clear();
  Convert(Record("21", "12345678902", "1000", "", "가") + "\r\n");
  EXPECT_EQ(messages_.Texts().front(), "신규 신한 은행코드[88]를 입력해 주십시오! ");
}

TEST_F(LayoutConversionTest, AnAccountTheBankRefusesIsKeptOnlyWhenTheUserSaysSo) {
  messages_.QueueAnswer(true);
  Convert(Record("04", "123", "1000", "", "가") + "\r\n" + Record("04", "456", "1000", "", "나"));
  EXPECT_EQ(
      messages_.Messages()[0].Text,
      "계좌번호 오류입니다. 계속 진행하시겠습니까 ?\r\r은행코드 : 국민은행 (04)\r계좌번호 : 123");
  EXPECT_EQ(RecipientAccounts(), (std::vector<std::string>{"04 123"})) << "No stops at the second";
}

TEST_F(LayoutConversionTest, RecordsBeyondTheLimitsAreRefusedBeforeAnythingIsInserted) {
  auto outcome = Convert(std::string(3000, ' '), "04", std::nullopt, LineLayout(1025));
  EXPECT_EQ(outcome.Converted, 0);
  EXPECT_EQ(messages_.Texts(),
            (std::vector<std::string>{"레코드 길이 1025는 1024 바이트를 넘을 수 없습니다."}));
  std::string file = folder_.WriteFile("wide.txt", std::string(300, 'A') + "\r\n");
  EXPECT_THROW(ReadSampleRecords(file, 0), std::runtime_error);
  EXPECT_EQ(ReadSampleRecords(file, 100).size(), 3u);
  EXPECT_EQ(RecipientAccounts().size(), 0u);
}

}  // namespace
}  // namespace selvane
