// What every request writer shares: the envelope line, CR LF, record widths, counts and the
// list line. Each format adds only its own cases in its own file.
#include <gtest/gtest.h>

#include "core/Cp949.h"
#include "core/Globals.h"
#include "formats/SendTrans80_Hanvit.h"
#include "formats/SendTrans_SinHan.h"
#include "formats/Send_Standard.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

struct TStandardFormat {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return Send_Standard(b, v); }
  static constexpr std::size_t kEndWidth = 74;
};
struct THanvitFormat {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return SendTrans80_Hanvit(b, v); }
  static constexpr std::size_t kEndWidth = 78;
};
struct TShinhanFormat {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return SendTrans_SinHan(b, v); }
  static constexpr std::size_t kEndWidth = 74;
};

TBatchRecipient Recipient(std::int64_t row, const char* account, std::int64_t won, int state) {
  TBatchRecipient r;
  r.RowId = row;
  r.BankId = "04";
  r.BankNo = account;
  r.Jumin = "700101-1234567";
  r.Monecy = TMoney::FromWon(won);
  r.State = state;
  return r;
}

TBatch SampleBatch() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.KigwanName = "서울특별시 종로구청";
  batch.Recipients = {Recipient(1, "111-22-333333", 150000, 1),
                      Recipient(2, "444-55-666666", 999, 2),  // not pending: no record
                      Recipient(3, "777-88-999999", 2500, 1)};
  return batch;
}

template <typename TFormat>
class RequestWriterTest : public ::testing::Test {
 protected:
  std::vector<std::string> WriteLines(const TBatch& batch) {
    TFormat::Write(batch, view_);
    return test::SplitCrLf(folder_.ReadFile(batch.Order.SendName));
  }

  test::TSendFolder folder_;
  test::TRecordedExchange view_;
};

using Formats = ::testing::Types<TStandardFormat, THanvitFormat, TShinhanFormat>;
TYPED_TEST_SUITE(RequestWriterTest, Formats);

TYPED_TEST(RequestWriterTest, EnvelopeRecordsAndCounts) {
  auto lines = this->WriteLines(SampleBatch());
  ASSERT_EQ(lines.size(), 5u);  // envelope, S, two D, E
  EXPECT_EQ(lines[0],
            "<<NEHEAD>>1N0000000000" + std::string(10, ' ') + "OFFICE01  SND01 001BK04      ");
  EXPECT_EQ(lines[0].size(), 61u);
  EXPECT_EQ(lines[1].substr(0, 1), "S");
  EXPECT_EQ(lines[1].size(), 78u);
  for (int i : {2, 3}) {
    EXPECT_EQ(lines[i][0], 'D');
    EXPECT_EQ(lines[i].size(), 78u);
  }
  EXPECT_EQ(lines[2].substr(3, 15), "11122333333    ");
  EXPECT_EQ(lines[3].substr(3, 15), "77788999999    ");
  EXPECT_EQ(lines[4].size(), TypeParam::kEndWidth);
  // Records of the batch (data + 2), data records, total amount.
  EXPECT_EQ(lines[4].substr(0, 28),
            "E00000040000002"
            "0000000152500");
}

TYPED_TEST(RequestWriterTest, ListLineCarriesTheKoreanInstitutionAndTheRecipientsWritten) {
  this->WriteLines(SampleBatch());
  ASSERT_EQ(this->view_.List.size(), 1u);
  const TRecvInfo& line = this->view_.List[0];
  EXPECT_EQ(line.KigwanName, "서울특별시 종로구청");
  EXPECT_EQ(line.FileName, "SND01");
  EXPECT_EQ(line.Kind, rkFundsTransfer);
  EXPECT_EQ(line.Count, 2);
}

TYPED_TEST(RequestWriterTest, AnExistingFileIsAppendedTo) {
  auto once = this->WriteLines(SampleBatch());
  auto twice = this->WriteLines(SampleBatch());
  ASSERT_EQ(twice.size(), 2 * once.size());
  EXPECT_TRUE(std::equal(once.begin(), once.end(), twice.begin() + once.size()));
}

TYPED_TEST(RequestWriterTest, EnvelopeFieldsAreCutToTheirWidth) {
  EdiLoginId = "LONGLOGINID12";
  TBatch batch = SampleBatch();
  batch.Order.Bcode = "BANKCODE-0123";
  auto lines = this->WriteLines(batch);
  EXPECT_EQ(lines[0].substr(32, 10), "LONGLOGINI");
  EXPECT_EQ(lines[0].substr(51), "BANKCODE-0");
}

TYPED_TEST(RequestWriterTest, AValueWithoutCp949FormFailsTheBatch) {
  TBatch batch = SampleBatch();
  batch.Order.Corcode = "CORP😀";
  EXPECT_THROW(TypeParam::Write(batch, this->view_), TEncodingError);
}

TYPED_TEST(RequestWriterTest, ASendNameThatLeavesTheSendFolderIsRefused) {
  TBatch batch = SampleBatch();
  for (const char* name : {"../X", "", "a/b", ".."}) {
    batch.Order.SendName = name;
    EXPECT_THROW(TypeParam::Write(batch, this->view_), TSendFileError) << name;
  }
}

}  // namespace
}  // namespace selvane
