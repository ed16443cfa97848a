#include "transfer/RecipientEditing.h"

#include <gtest/gtest.h>

#include "core/TransferState.h"
#include "support/ProgramFixture.h"

namespace selvane {
namespace {

const char* const kGoodResident = "800101-1234560";

class RecipientEditingTest : public test::TProgramFixture {
 protected:
  void SetUp() override {
    TProgramFixture::SetUp();
    AddInstitution(1, "구청", "12");
  }

  // A new recipient typed in: bank code, account, amount and resident number.
  TRecipientSaveResult Save(const std::string& orderBank, const std::string& bank,
                            const std::string& account, const std::string& resident = kGoodResident,
                            long won = 150000) {
    if (dm_.TB_TransSub.State() == TDataSetState::Browse) {
      EXPECT_TRUE(BeginRecipientEdit(dm_, true, true));
    }
    TTable& t = dm_.TB_TransSub;
    t.FieldByName("BankId").Set(bank);
    t.FieldByName("BankNo").Set(account);
    t.FieldByName("Jumin").Set(resident);
    t.FieldByName("Monecy").Set(TMoney::FromWon(won));
    dm_.QryCount.Close();
    return SaveRecipient(dm_, {orderBank, bank.empty() ? "" : "은행", bank, resident});
  }
};

TEST_F(RecipientEditingTest, HousingBankIsRefusedForNongHyupOrdersOnly) {
  AddOrder(1, "0001", "01", "12");
  auto refused = Save("12", "06", "123412123456");
  EXPECT_FALSE(refused.Saved);
  EXPECT_EQ(refused.Focus, TRecipientField::Bank);
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{"농협관련 주택 계좌는 국민 계좌로 입력해야 합니다."});
  dm_.TB_TransSub.Cancel();

  messages_.Clear();
  AddOrder(1, "0001", "02", "35");
  auto accepted = Save("35", "06", "123412123456");
  EXPECT_TRUE(accepted.Saved);
  EXPECT_TRUE(messages_.Messages().empty());
  EXPECT_EQ(RecipientAccounts(), std::vector<std::string>{"06 1234-12-123456"});
  EXPECT_EQ(dm_.TB_Trans.FieldByName("ECount").AsInteger(), 1) << "the order totals follow";
  EXPECT_EQ(dm_.TB_Trans.FieldByName("TotalSum").AsMoney(), TMoney::FromWon(150000));
}

TEST_F(RecipientEditingTest, ChohungIsSavedAsShinhanWithTheMergerMessage) {
  AddOrder(1, "0001", "01", "04");
  auto saved = Save("04", "21", "12345678901");
  EXPECT_TRUE(saved.Saved);
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{
                "은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다.    "});
  EXPECT_EQ(RecipientAccounts(), std::vector<std::string>{"88 123-45-678901"})
      << "checked and hyphenated as 88";
}

TEST_F(RecipientEditingTest, RefusalsInTheirOrder) {
  AddOrder(1, "0001", "01", "04");
  struct TCase {
    const char* Bank;
    const char* Account;
    const char* Resident;
    TRecipientField Focus;
    const char* Message;
  } cases[] = {
      {"04", "123456789012", "800101-123456", TRecipientField::Resident,
       "주민번호를 제대로 입력하여주세요"},
      {"", "123456789012", kGoodResident, TRecipientField::Bank, "은행코드 항목이 누락되었습니다."},
      {"99", "123456789012", kGoodResident, TRecipientField::Bank,
       "등록되어 있지 않은 은행코드입니다."},
      {"04", "--", kGoodResident, TRecipientField::Account, "계좌번호를 입력하십시오."},
      {"04", "123456789012", "8001011234561", TRecipientField::Resident,
       "주민번호가 잘못되었습니다."},
  };
  for (const TCase& c : cases) {
    messages_.Clear();
    auto result = Save("04", c.Bank, c.Account, c.Resident);
    EXPECT_FALSE(result.Saved) << c.Message;
    EXPECT_EQ(result.Focus, c.Focus) << c.Message;
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{c.Message});
    EXPECT_EQ(dm_.TB_TransSub.State(), TDataSetState::Insert) << "the row stays in editing";
  }
  // A bad account and a zero amount are questions: No ends the save, Yes goes on.
  messages_.Clear();
  messages_.QueueAnswer(false);
  EXPECT_FALSE(Save("04", "04", "12", kGoodResident).Saved);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"계좌번호가 적절치 않습니다."});
  messages_.Clear();
  messages_.QueueAnswer(true);
  EXPECT_TRUE(Save("04", "04", "123456789012", kGoodResident, 0).Saved);
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{"이체금액은 0보다 커야 합니다.\r\r계속 진행하시겠습니까?"});
}

TEST_F(RecipientEditingTest, AnAmountThatIsNoWholeNumberOfWonIsRefused) {
  AddOrder(1, "0001", "01", "04");
  for (auto amount : {TMoney::Parse("1500.7"), TMoney::Parse("-2500")}) {
    ASSERT_TRUE(amount);
    messages_.Clear();
    if (dm_.TB_TransSub.State() == TDataSetState::Browse) {
      ASSERT_TRUE(BeginRecipientEdit(dm_, true, true));
    }
    TTable& t = dm_.TB_TransSub;
    t.FieldByName("BankId").Set("04");
    t.FieldByName("BankNo").Set("123456789012");
    t.FieldByName("Jumin").Set(kGoodResident);
    t.FieldByName("Monecy").Set(*amount);
    auto result = SaveRecipient(dm_, {"04", "국민은행", "04", kGoodResident});
    EXPECT_FALSE(result.Saved) << amount->ToText();
    EXPECT_EQ(result.Focus, TRecipientField::Amount);
    EXPECT_EQ(messages_.Texts(), std::vector<std::string>{kWholeWonOnly});
  }
}

TEST_F(RecipientEditingTest, DuplicateAccountIsAnInputError) {
  AddOrder(1, "0001", "01", "04");
  ASSERT_TRUE(Save("04", "04", "123456789012").Saved);
  messages_.Clear();
  auto again = Save("04", "04", "123-45-6789012");
  EXPECT_FALSE(again.Saved);
  EXPECT_EQ(again.Focus, TRecipientField::Bank);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Text, "코드가 중복됩니다.");
  EXPECT_EQ(messages_.Messages()[0].Caption, "입력오류");
  EXPECT_EQ(messages_.Messages()[0].Kind, "error");
}

TEST_F(RecipientEditingTest, SwitchingARecipientChangesOnlyThatRecipient) {
  AddOrder(1, "0001", "01", "04");
  ASSERT_TRUE(Save("04", "04", "123456789012").Saved);
  ASSERT_TRUE(Save("04", "04", "123456789013").Saved);
  messages_.QueueAnswer(true);
  ASSERT_TRUE(SwitchRecipientState(dm_));
  std::int64_t switched = dm_.TB_TransSub.RowId();
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("State").AsInteger(), HeldBack);
  dm_.TB_TransSub.First();
  if (dm_.TB_TransSub.RowId() == switched) dm_.TB_TransSub.Next();
  EXPECT_EQ(dm_.TB_TransSub.FieldByName("State").AsInteger(), Waiting);
  EXPECT_FALSE(RecipientButtons(TEditMode::Browse, false, Sent).Insert);
  EXPECT_FALSE(RecipientButtons(TEditMode::Browse, false, Sent).Convert);
  EXPECT_TRUE(RecipientButtons(TEditMode::Browse, false, HeldBack).Edit);
}

}  // namespace
}  // namespace selvane
