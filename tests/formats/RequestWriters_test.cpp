// What every request writer shares: the envelope line, CR LF, record widths, counts and the
// list line. Each format adds only its own cases in its own file.
#include <gtest/gtest.h>
#include <unistd.h>

#include "core/Cp949.h"
#include "core/Globals.h"
#include "formats/SendTrans80_Hanvit.h"
#include "formats/SendTrans_Cheju.h"
#include "formats/SendTrans_Fishercorp.h"
#include "formats/SendTrans_ForeignExchange.h"
#include "formats/SendTrans_SinHan.h"
#include "formats/Send_Standard.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

// Each format's shape: record widths, the largest amount a data record takes, and the start of
// the end record of SampleBatch (its counts and its total of 152500 won).
struct TStandardShape {
  static constexpr std::size_t kHeaderWidth = 78;
  static constexpr std::size_t kEndWidth = 74;
  static constexpr int kAmountDigits = 11;
  static constexpr const char* kEndCounts =
      "E00000040000002"
      "0000000152500";
};
struct TStandardFormat : TStandardShape {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return Send_Standard(b, v); }
};
struct THanvitFormat : TStandardShape {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return SendTrans80_Hanvit(b, v); }
  static constexpr std::size_t kEndWidth = 78;
};
struct TShinhanFormat : TStandardShape {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return SendTrans_SinHan(b, v); }
};
struct TFisheriesFormat : TStandardShape {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) {
    return SendTrans_Fishercorp(b, v);
  }
  static constexpr std::size_t kHeaderWidth = 76;
};
struct TForeignExchangeFormat : TFisheriesFormat {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) {
    return SendTrans_ForeignExchange(b, v);
  }
};
struct TJejuFormat {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return SendTrans_Cheju(b, v); }
  static constexpr std::size_t kHeaderWidth = 78;
  static constexpr std::size_t kEndWidth = 78;
  static constexpr int kAmountDigits = 10;
  static constexpr const char* kEndCounts =
      "E000004"
      "000000152500";
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

using Formats = ::testing::Types<TStandardFormat, THanvitFormat, TShinhanFormat, TFisheriesFormat,
                                 TForeignExchangeFormat, TJejuFormat>;
TYPED_TEST_SUITE(RequestWriterTest, Formats);

TYPED_TEST(RequestWriterTest, EnvelopeRecordsAndCounts) {
  auto lines = this->WriteLines(SampleBatch());
  ASSERT_EQ(lines.size(), 5u);  // envelope, S, two D, E
  EXPECT_EQ(lines[0],
            "<<NEHEAD>>1N0000000000" + std::string(10, ' ') + "OFFICE01  SND01 001BK04      ");
  EXPECT_EQ(lines[0].size(), 61u);
  EXPECT_EQ(lines[1].substr(0, 1), "S");
  EXPECT_EQ(lines[1].size(), TypeParam::kHeaderWidth);
  for (int i : {2, 3}) {
    EXPECT_EQ(lines[i][0], 'D');
    EXPECT_EQ(lines[i].size(), 78u);
  }
  EXPECT_EQ(lines[2].substr(3, 15), "11122333333    ");
  EXPECT_EQ(lines[3].substr(3, 15), "77788999999    ");
  EXPECT_EQ(lines[4].size(), TypeParam::kEndWidth);
  // Records of the batch (data + 2), (data records,) total amount.
  const std::string counts = TypeParam::kEndCounts;
  EXPECT_EQ(lines[4].substr(0, counts.size()), counts);
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

TYPED_TEST(RequestWriterTest, AnAccountOrAmountThatDoesNotFitIsHeldBackAndLeftOutOfTheTotals) {
  TBatch batch = SampleBatch();
  std::int64_t tooMuch = 1;
  for (int i = 0; i < TypeParam::kAmountDigits; ++i) tooMuch *= 10;
  TBatchRecipient longAccount = Recipient(4, "1234-5678-9012-3456", 100, 1);  // 16 digits
  longAccount.Name = "김철수";
  TBatchRecipient bigAmount = Recipient(5, "555-66-777777", tooMuch, 1);
  bigAmount.Name = "이영희";
  batch.Recipients.insert(batch.Recipients.begin() + 1, {longAccount, bigAmount});
  const TBatchResult result = TypeParam::Write(batch, this->view_);
  EXPECT_EQ(result.Written, (std::vector<std::int64_t>{1, 3}));
  EXPECT_EQ(result.HeldBack,
            (std::vector<std::string>{
                "계좌번호가 송신 파일의 칸보다 깁니다: 김철수 04 1234-5678-9012-3456",
                "이체금액이 송신 파일의 칸보다 깁니다: 이영희 04 " + std::to_string(tooMuch)}));
  auto lines = test::SplitCrLf(this->folder_.ReadFile("SND01"));
  ASSERT_EQ(lines.size(), 5u);
  const std::string counts = TypeParam::kEndCounts;
  EXPECT_EQ(lines[4].substr(0, counts.size()), counts);
  // The largest amount that fits is written whole.
  TBatch largest = SampleBatch();
  largest.Order.SendName = "SND02";
  largest.Recipients = {Recipient(1, "111-22-333333", tooMuch - 1, 1)};
  EXPECT_EQ(TypeParam::Write(largest, this->view_).Written, std::vector<std::int64_t>{1});
}

TYPED_TEST(RequestWriterTest, AFileThatCannotBeWrittenFailsTheBatch) {
  if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no writable /dev/full";
  const std::string saved = SendDir;
  SendDir = "/dev/";
  TBatch batch = SampleBatch();
  batch.Order.SendName = "full";
  try {
    TypeParam::Write(batch, this->view_);
    ADD_FAILURE() << "a write to a full disk succeeded";
  } catch (const TSendFileError& error) {
    EXPECT_STREQ(error.what(), "송신 파일에 쓸 수 없습니다: /dev/full");
  }
  SendDir = saved;
  EXPECT_TRUE(this->view_.List.empty());  // no list line for a file not written
}

}  // namespace
}  // namespace selvane
