#include "reference/RecipientSearch.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/DM.h"
#include "support/RecipientRow.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

class RecipientSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string file = folder_.Path() + "norva.db";
    TDatabase::Create(file, false);
    dm_.OpenDatabase(file);
    AddBank("04", "국민은행");
    AddBank("11", "농협");
    AddBank("12", "농협");
    // Key order: bank, then account.
    for (auto [bank, account, jumin] : {std::tuple{"04", "111-22-333", "800101-1000000"},
                                        {"11", "11122333", "800101-2000000"},
                                        {"12", "555-66", ""}})
      test::AddRecipient(dm_.TB_TransSub, {.BankId = bank, .BankNo = account, .Jumin = jumin});
  }

  void AddBank(const std::string& id, const std::string& name) {
    dm_.TB_Bank.Append();
    dm_.TB_Bank.FieldByName("BankID").Set(id);
    dm_.TB_Bank.FieldByName("BankNM").Set(name);
    dm_.TB_Bank.Post();
  }

  // The bank and account of the row found, or "" with the message when none.
  std::string Find(const TRecipientSearch& search) {
    msg_.Clear();
    if (!SearchRecipient(dm_.TB_TransSub, search)) {
      EXPECT_EQ(msg_.Texts(), std::vector<std::string>{"더 이상 찾을 수 없습니다."});
      return "";
    }
    EXPECT_TRUE(msg_.Messages().empty());
    return dm_.TB_TransSub.FieldByName("BankId").AsString() + " " +
           dm_.TB_TransSub.FieldByName("BankNo").AsString();
  }

  test::TTempFolder folder_;
  TDModule dm_;
  test::TScriptedWaitMsg msg_;
};

TEST_F(RecipientSearchTest, BankPageWalk) {
  struct Case {
    bool BankChosen;
    const char* Bank;
    const char* Account;
    const char* Found;
  } cases[] = {
      {false, "", "", "04 111-22-333"},
      {false, "", "11122333", "04 111-22-333"},   // typed without hyphens, stored with them
      {true, "11", "111-22-333", "11 11122333"},  // typed with hyphens, stored without
      {true, "12", "", "12 555-66"},
      {false, "", " 55566", ""},
      {true, "04", "555-66", ""},
  };
  for (const Case& c : cases) {
    TRecipientSearch search;
    search.BankChosen = c.BankChosen;
    search.BankCode = c.Bank;
    search.Account = c.Account;
    EXPECT_EQ(Find(search), c.Found) << c.Bank << " " << c.Account;
  }
}

TEST_F(RecipientSearchTest, ResidentPageComparesTheTextAsTyped) {
  TRecipientSearch search;
  search.ByResidentNo = true;
  search.ResidentNo = "800101-2000000";
  EXPECT_EQ(Find(search), "11 11122333");
  EXPECT_EQ(Find(search), "11 11122333");  // every search starts again from the first row
  search.ResidentNo = "800101-2000000 ";
  EXPECT_EQ(Find(search), "");
  search.ResidentNo = "";
  EXPECT_EQ(Find(search), "04 111-22-333");
}

TEST_F(RecipientSearchTest, WalkGivesOneChangeNotification) {
  int changes = 0;
  dm_.TB_TransSub.OnDataChange = [&](TTable&) { ++changes; };
  TRecipientSearch search;
  search.Account = "555-66";
  EXPECT_EQ(Find(search), "12 555-66");
  EXPECT_EQ(changes, 1);
}

TEST_F(RecipientSearchTest, BankNamesOnceAndFirstCodeOfAName) {
  EXPECT_EQ(SearchBankNames(dm_.TB_Bank), (std::vector<std::string>{" ", "국민은행", "농협"}));
  EXPECT_EQ(SearchBankCode(dm_.TB_Bank, "농협"), "11");
  EXPECT_EQ(SearchBankCode(dm_.TB_Bank, " "), "");
}

}  // namespace
}  // namespace selvane
