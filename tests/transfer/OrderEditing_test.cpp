#include "transfer/OrderEditing.h"

#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/TransferState.h"
#include "support/ProgramFixture.h"
#include "support/RecipientRow.h"
#include "transfer/HolidayCalendar.h"

namespace selvane {
namespace {

const char* const kHoliday = "설정된 이체일자가 공휴일입니다.";

TDate Day(const char* iso) {
  return *TDate::FromIso(iso);
}

class OrderEditingTest : public test::TProgramFixture {
 protected:
  void SetUp() override {
    TProgramFixture::SetUp();
    InitHolidayLists();
    AddInstitution(1, "구청", "04");
    AddDong("0001", "역삼동");
    AddItem("01", "생계");
    AddItem("02", "주거");
  }
  void TearDown() override {
    SetClock(std::nullopt);
    TProgramFixture::TearDown();
  }

  void AddRecipient(const test::TRecipientRow& row) { test::AddRecipient(dm_.TB_TransSub, row); }

  std::vector<long long> States(const char* sql) {
    std::vector<long long> states;
    TStatement& s = dm_.Database.Prepare(sql);
    s.Bind({});
    while (s.Step()) states.push_back(s.Column(0).AsInteger());
    s.Reset();
    return states;
  }
};

TEST_F(OrderEditingTest, DateRules) {
  struct TCase {
    const char* Work;
    const char* Pay;
    TOrderField Focus;
    const char* Message;
  } cases[] = {
      {"2026-12-11", "2026-12-12", TOrderField::PayDate, kHoliday},   // Friday, Saturday
      {"2026-12-13", "2026-12-14", TOrderField::WorkDate, kHoliday},  // Sunday
      {"2026-12-25", "2026-12-28", TOrderField::WorkDate, kHoliday},  // Christmas
      {"2026-12-11", "2026-12-11", TOrderField::None, nullptr},
      {"2026-12-14", "2026-12-11", TOrderField::WorkDate,
       "이체일자가 이체종료일자보다 이후입니다."},
  };
  for (const TCase& c : cases) {
    messages_.Clear();
    EXPECT_EQ(ValidateOrderDates(Day(c.Work), Day(c.Pay)), c.Focus) << c.Work << ' ' << c.Pay;
    EXPECT_EQ(messages_.Texts(),
              c.Message ? std::vector<std::string>{c.Message} : std::vector<std::string>{})
        << c.Work << ' ' << c.Pay;
  }
  messages_.Clear();
  EXPECT_EQ(ValidateOrderDates(std::nullopt, Day("2026-12-12")), TOrderField::None);
  EXPECT_EQ(ValidateOrderDates(Day("2026-12-12"), std::nullopt), TOrderField::None);
  EXPECT_TRUE(messages_.Messages().empty());
}

TEST_F(OrderEditingTest, NewOrderOnAFridayStaysUnsavedOnTheSaturdayPaymentDate) {
  SetClock(TDateTime::FromIso("2026-12-11T09:00:00"));
  ASSERT_TRUE(BeginOrderEdit(dm_, true, true));
  dm_.TB_Trans.FieldByName("KigwanId").Set(1);
  dm_.TB_Trans.FieldByName("DongID").Set("0001");
  dm_.TB_Trans.FieldByName("LargeItmID").Set("01");
  EXPECT_EQ(SaveOrder(dm_), TOrderField::PayDate);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{kHoliday});
  EXPECT_EQ(dm_.TB_Trans.State(), TDataSetState::Insert);
  EXPECT_EQ(dm_.TB_Trans.FieldByName("To_date").AsString(), "2026-12-12");

  dm_.TB_Trans.FieldByName("To_date").Set(Day("2026-12-11"));
  EXPECT_EQ(SaveOrder(dm_), TOrderField::Grid);
  EXPECT_EQ(dm_.TB_Trans.State(), TDataSetState::Browse);
  EXPECT_EQ(dm_.TB_Trans.FieldByName("State").AsInteger(), Waiting);
}

TEST_F(OrderEditingTest, SaveCopiesTheInstitutionEveryTimeAndRefusesADuplicate) {
  TTable& k = dm_.TB_Kigwan;
  ASSERT_TRUE(k.Locate({"KigwanID"}, {TValue(1)}));
  k.Edit();
  k.FieldByName("BankNo").Set("123-45-678901");
  k.FieldByName("SendName").Set("SND01");
  k.FieldByName("BCode").Set("B1");
  k.Post();
  ASSERT_TRUE(BeginOrderEdit(dm_, true, true));
  TTable& t = dm_.TB_Trans;
  t.FieldByName("KigwanId").Set(1);
  t.FieldByName("DongID").Set("0001");
  t.FieldByName("LargeItmID").Set("01");
  t.FieldByName("A_Date").Clear();
  ASSERT_EQ(SaveOrder(dm_), TOrderField::Grid);
  EXPECT_EQ(t.FieldByName("BankID").AsString(), "04");
  EXPECT_EQ(t.FieldByName("BankNo").AsString(), "123-45-678901");
  EXPECT_EQ(t.FieldByName("KigwanName").AsString(), "구청");
  EXPECT_EQ(t.FieldByName("SendName").AsString(), "SND01");

  k.Edit();
  k.FieldByName("SendName").Set("SND02");
  k.Post();
  ASSERT_TRUE(BeginOrderEdit(dm_, false, true));
  t.FieldByName("Bigo").Set("비고만");
  ASSERT_EQ(SaveOrder(dm_), TOrderField::Grid);
  EXPECT_EQ(t.FieldByName("SendName").AsString(), "SND02");

  ASSERT_TRUE(BeginOrderEdit(dm_, true, true));
  t.FieldByName("KigwanId").Set(1);
  t.FieldByName("DongID").Set("0001");
  t.FieldByName("LargeItmID").Set("01");
  t.FieldByName("A_Date").Clear();
  messages_.Clear();
  EXPECT_EQ(SaveOrder(dm_), TOrderField::Institution);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Messages()[0].Kind, "error");
  EXPECT_EQ(messages_.Messages()[0].Text, "코드가 중복됩니다.");
  EXPECT_EQ(messages_.Messages()[0].Caption, "입력오류");
  EXPECT_EQ(t.State(), TDataSetState::Insert);
}

TEST_F(OrderEditingTest, MissingChoicesAreAskedForInOrder) {
  ASSERT_TRUE(BeginOrderEdit(dm_, true, true));
  dm_.TB_Trans.FieldByName("A_Date").Clear();
  EXPECT_EQ(SaveOrder(dm_), TOrderField::Institution);
  dm_.TB_Trans.FieldByName("KigwanId").Set(1);
  EXPECT_EQ(SaveOrder(dm_), TOrderField::Item);
  dm_.TB_Trans.FieldByName("LargeItmID").Set("01");
  EXPECT_EQ(SaveOrder(dm_), TOrderField::Dong);
  EXPECT_EQ(messages_.Texts(),
            (std::vector<std::string>{"기관명을 입력하여주세요?", "항목명을 입력하여주세요?",
                                      "행정동을 입력하여주세요?"}));
}

TEST_F(OrderEditingTest, SentOrderCannotBeEditedEvenWithItsButtonDisabled) {
  AddOrder(1, "0001", "01", "04");
  dm_.TB_Trans.Edit();
  dm_.TB_Trans.FieldByName("State").Set(static_cast<int>(Sent));
  dm_.TB_Trans.Post();
  EXPECT_FALSE(BeginOrderEdit(dm_, false, false));
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{"송수신 완료는 수정 하실 수 없습니다."});
  EXPECT_EQ(dm_.TB_Trans.State(), TDataSetState::Browse);
  EXPECT_FALSE(OrderButtons(TEditMode::Browse, false, Sent).Edit);
  EXPECT_TRUE(OrderButtons(TEditMode::Browse, false, Sent).Delete);
  EXPECT_EQ(OrderButtons(TEditMode::Browse, true, 0),
            (TOrderButtons{.Insert = true, .Grid = true}));
}

TEST_F(OrderEditingTest, ReleasingAHeldBackOrderReleasesOnlyItsOwnRecipients) {
  AddOrder(1, "0001", "02", "04");
  AddRecipient({.ItemId = "02", .BankNo = "1", .State = HeldBack});
  AddRecipient({.ItemId = "02", .BankNo = "2", .State = Sent});
  AddOrder(1, "0001", "01", "04");
  AddRecipient({.ItemId = "01", .BankNo = "3", .State = HeldBack});
  dm_.TB_Trans.Edit();
  dm_.TB_Trans.FieldByName("State").Set(static_cast<int>(HeldBack));
  dm_.TB_Trans.Post();

  messages_.QueueAnswer(true);
  EXPECT_TRUE(SwitchOrderState(dm_));
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{"\"송신불가\"를 \"송신대기\"로 변환하시겠습니까 ?"});
  EXPECT_EQ(States("SELECT State FROM TBTransSub ORDER BY BankNo"),
            (std::vector<long long>{HeldBack, Sent, Waiting}));
  EXPECT_EQ(dm_.TB_Trans.FieldByName("State").AsInteger(), Waiting);

  messages_.Clear();
  messages_.QueueAnswer(true);
  EXPECT_TRUE(SwitchOrderState(dm_));
  EXPECT_EQ(messages_.Texts(),
            std::vector<std::string>{"\"송신대기\"를 \"송신불가\"로 변환하시겠습니까 ?"});
  EXPECT_EQ(States("SELECT State FROM TBTransSub ORDER BY BankNo"),
            (std::vector<long long>{HeldBack, Sent, Waiting}))
      << "holding back leaves the recipients alone";
  EXPECT_EQ(dm_.TB_Trans.FieldByName("State").AsInteger(), HeldBack);

  messages_.QueueAnswer(false);
  EXPECT_FALSE(SwitchOrderState(dm_)) << "answered No";
  EXPECT_EQ(dm_.TB_Trans.FieldByName("State").AsInteger(), HeldBack);
}

TEST_F(OrderEditingTest, DeleteTakesTheMarkedOrdersWithTheirRecipients) {
  AddOrder(1, "0001", "02", "04");
  std::int64_t second = dm_.TB_Trans.RowId();
  AddRecipient({.ItemId = "02", .BankNo = "1", .State = Waiting});
  AddOrder(1, "0001", "01", "04");
  std::int64_t first = dm_.TB_Trans.RowId();
  AddRecipient({.ItemId = "01", .BankNo = "2", .State = Received});
  EXPECT_EQ(DeleteOrders(dm_, {first}), 1);
  EXPECT_EQ(dm_.TB_Trans.RecordCount(), 1);
  EXPECT_EQ(RecipientAccounts(), std::vector<std::string>{"04 1"});
  ASSERT_FALSE(messages_.WaitCalls().empty());
  EXPECT_EQ(messages_.WaitCalls().front().rfind("ShowWaitProgress:선택된 자료 삭제중...", 0), 0u);
  EXPECT_EQ(DeleteOrders(dm_, {second}), 1);
  EXPECT_TRUE(dm_.TB_Trans.IsEmpty());
  EXPECT_TRUE(RecipientAccounts().empty());
}

}  // namespace
}  // namespace selvane
