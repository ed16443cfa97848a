#include "core/DeleteAllData.h"

#include <gtest/gtest.h>

#include "support/ProgramFixture.h"
#include "support/RecipientRow.h"

namespace selvane {
namespace {

class DeleteAllDataTest : public test::TProgramFixture {
 protected:
  void SetUp() override {
    TProgramFixture::SetUp();
    AddInstitution(1, "구청", "04");
    AddDong("0001", "역삼동");
    AddItem("01", "생계");
    AddOrder(1, "0001", "01", "04");
    test::AddRecipient(dm_.TB_TransSub, {.BankNo = "1"});
    test::AddRecipient(dm_.TB_TransSub, {.BankNo = "2", .State = 3});
  }

  std::int64_t Rows(const char* table) {
    TStatement& s = dm_.Database.Prepare(std::string("SELECT count(*) FROM ") + table);
    s.Bind({});
    s.Step();
    std::int64_t rows = s.Column(0).AsInteger();
    s.Reset();
    return rows;
  }
};

TEST_F(DeleteAllDataTest, OrdersAndRecipientsGoTheCodeTablesStay) {
  const std::int64_t banks = Rows("TBBank");
  const std::int64_t resultCodes = Rows("TBResultCd");
  DeleteAllTransferData(dm_);
  EXPECT_EQ(Rows("TBTrans"), 0);
  EXPECT_EQ(Rows("TBTransSub"), 0);
  EXPECT_FALSE(dm_.TB_Trans.HasCurrent());
  EXPECT_FALSE(dm_.TB_TransSub.HasCurrent());
  EXPECT_EQ(Rows("KiGwan"), 1);
  EXPECT_EQ(Rows("TBManager"), 1);
  EXPECT_EQ(Rows("TBLargeItem"), 1);
  EXPECT_EQ(Rows("TBBank"), banks);
  EXPECT_EQ(Rows("TBResultCd"), resultCodes);
  EXPECT_FALSE(dm_.Database.InTransaction()) << "the delete must reach the disk";
  EXPECT_TRUE(messages_.Messages().empty());
}

// The recipients' delete fails after the orders' one went through: the orders come back, so
// that no recipient is left without its order.
TEST_F(DeleteAllDataTest, AFailedDeleteOfTheRecipientsKeepsTheOrdersToo) {
  dm_.CommitAllTables();
  dm_.Database.Execute(
      "CREATE TRIGGER KeepRecipients BEFORE DELETE ON TBTransSub "
      "BEGIN SELECT RAISE(ABORT, 'recipients are kept'); END");
  dm_.Database.Commit();
  EXPECT_THROW(DeleteAllTransferData(dm_), TDataError);
  EXPECT_EQ(Rows("TBTrans"), 1);
  EXPECT_EQ(Rows("TBTransSub"), 2);
  EXPECT_FALSE(dm_.Database.InTransaction());
  EXPECT_EQ(dm_.TB_Trans.RecordCount(), 1) << "the window's tables show what is stored";
  EXPECT_EQ(dm_.TB_TransSub.RecordCount(), 2);
}

}  // namespace
}  // namespace selvane
