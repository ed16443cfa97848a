#include "reference/KigwanRules.h"

#include <gtest/gtest.h>

#include "core/DM.h"
#include "support/ScriptedWaitMsg.h"
#include "support/TempFolder.h"

namespace selvane {
namespace {

class KigwanRulesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string file = folder_.Path() + "norva.db";
    TDatabase::Create(file, true);
    dm_.OpenDatabase(file);
  }

  // A row in editing that passes every check, with one column changed.
  void EditRow(const std::string& column, const TValue& value) {
    TTable& t = dm_.TB_Kigwan;
    t.Append();
    t.FieldByName("KigwanID").Set(1);
    t.FieldByName("KiGwanName").Set("복지과");
    t.FieldByName("BankID").Set("11");
    t.FieldByName("BankNo").Set("12345678901");
    t.FieldByName("BCode").Set("A123456");
    t.FieldByName("SendName").Set("NH001");
    t.FieldByName("RecvName").Set("NR001");
    t.FieldByName(column).Set(value);
  }

  bool Check() {
    focused_.clear();
    return CheckKigwanRow(dm_.TB_Kigwan, [this](const std::string& c) { focused_ = c; });
  }

  test::TTempFolder folder_;
  TDModule dm_;
  test::TScriptedWaitMsg msg_;
  std::string focused_;
};

TEST_F(KigwanRulesTest, EachRefusalFocusesItsFieldWithItsMessage) {
  struct Case {
    const char* Column;
    TValue Value;
    const char* Focus;
    const char* Message;
  } cases[] = {
      {"BankID", "88", "BankID",
       "모계좌를 입력시 (구)조흥은행 또는 (구)신한은행을 입력해 주십시오!    "},
      {"KiGwanName", "   ", "KiGwanName", "기관명을 입력하여 주세요"},
      {"BankID", TValue(), "BankID", "은행코드를 확인하여 주세요"},
      {"BankNo", "---", "BankNo", "계좌를 입력하여주세요"},
      {"BCode", "A12345", "BCode", "은행ID를 정확하게 입력하여 주세요"},
      {"BCode", "A1234567", "BCode", "은행ID를 정확하게 입력하여 주세요"},
      {"SendName", "NH01", "SendName", "송신파일명을 정확하게 입력하여 주세요"},
      {"RecvName", "NR01 ", "RecvName", "수신파일명을 정확하게 입력하여 주세요"},
      {"SendName", "../ab", "SendName", "송신파일명은 영문자, 숫자, '-', '_'로만 입력하여 주세요"},
      {"SendName", " AB12", "SendName", "송신파일명을 정확하게 입력하여 주세요"},
      {"SendName", "AB CD", "SendName", "송신파일명은 영문자, 숫자, '-', '_'로만 입력하여 주세요"},
      {"RecvName", "가ABCD", "RecvName", "수신파일명은 영문자, 숫자, '-', '_'로만 입력하여 주세요"},
  };
  for (const Case& c : cases) {
    EditRow(c.Column, c.Value);
    msg_.Clear();
    EXPECT_FALSE(Check()) << c.Message;
    EXPECT_EQ(focused_, c.Focus) << c.Message;
    ASSERT_EQ(msg_.Messages().size(), 1u) << c.Message;
    EXPECT_EQ(msg_.Messages()[0].Kind, "info");
    EXPECT_EQ(msg_.Messages()[0].Text, c.Message);
    dm_.TB_Kigwan.Cancel();
  }
}

TEST_F(KigwanRulesTest, BankEightyEightIsRefusedBeforeAnEmptyName) {
  EditRow("BankID", "88");
  dm_.TB_Kigwan.FieldByName("KiGwanName").Clear();
  EXPECT_FALSE(Check());
  EXPECT_EQ(msg_.Texts(),
            std::vector<std::string>{
                "모계좌를 입력시 (구)조흥은행 또는 (구)신한은행을 입력해 주십시오!    "});
}

TEST_F(KigwanRulesTest, ValidAccountIsHyphenatedRejectedOneKeptAfterYes) {
  EditRow("BankNo", "12345678901");
  EXPECT_TRUE(Check());
  EXPECT_TRUE(msg_.Messages().empty());
  EXPECT_EQ(dm_.TB_Kigwan.FieldByName("BankNo").AsString(), "123-45-678901");
  dm_.TB_Kigwan.Cancel();

  for (bool yes : {false, true}) {
    EditRow("BankNo", "12-345-67890");
    msg_.Clear();
    msg_.QueueAnswer(yes);
    EXPECT_EQ(Check(), yes);
    EXPECT_EQ(focused_, "BankNo");
    EXPECT_EQ(msg_.Texts(),
              std::vector<std::string>{"계좌가 적절하지 않습니다.\r\r 계속하시겠습니까?"});
    EXPECT_EQ(dm_.TB_Kigwan.FieldByName("BankNo").AsString(), "12-345-67890");
    dm_.TB_Kigwan.Cancel();
  }
}

TEST_F(KigwanRulesTest, NewNumberIsHighestPlusOne) {
  EXPECT_EQ(NewKigwanId(dm_.QryCount), 1);
  for (int id : {1, 7, 3}) {
    dm_.TB_Kigwan.Append();
    dm_.TB_Kigwan.FieldByName("KigwanID").Set(id);
    dm_.TB_Kigwan.FieldByName("KiGwanName").Set("기관" + std::to_string(id));
    dm_.TB_Kigwan.Post();
  }
  EXPECT_EQ(NewKigwanId(dm_.QryCount), 8);
}

TEST(UpperAsciiLetters, OnlyAToZChange) {
  EXPECT_EQ(UpperAsciiLetters("ab-z9가é_q"), "AB-Z9가é_Q");
}

TEST(IsSafeFileStem, LettersDigitsHyphenUnderscoreOnly) {
  for (const char* name : {"KB001", "nh_01", "A-9_z"}) EXPECT_TRUE(IsSafeFileStem(name)) << name;
  for (const char* name : {"", "..", "a/b", "a\\b", "a.b", "a b", "ab\t", "a\nb", "가나", "~root"})
    EXPECT_FALSE(IsSafeFileStem(name)) << name;
}

}  // namespace
}  // namespace selvane
