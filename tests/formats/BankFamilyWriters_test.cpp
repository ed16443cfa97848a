// What the writers of the formats that place recipients by their bank share with every writer
// (Jeonbuk Bank: two files by the recipient's bank; Industrial Bank and Housing bank: only their
// own bank's recipients): the envelope line heading every file, CR LF, record widths, counts, one
// list line, appending, and the failures. Each format keeps its own cases in its own file.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/Cp949.h"
#include "core/Globals.h"
#include "edi/EDIRecv.h"
#include "edi/EDISend.h"
#include "formats/HousingLayout.h"
#include "formats/IndustrialLayout.h"
#include "formats/JeonbukLayout.h"
#include "formats/RecvTrans_House.h"
#include "formats/RecvTrans_JeonBuk.h"
#include "formats/RecvTrans_Kiup.h"
#include "formats/SendTrans_House.h"
#include "formats/SendTrans_JeonBuk.h"
#include "formats/SendTrans_KiUp.h"
#include "support/TransferFolder.h"

namespace selvane {
namespace {

struct TJeonbukFormat {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return SendTrans_JeonBuk(b, v); }
  static constexpr TSendFn kWriter = &SendTrans_JeonBuk;
  static constexpr TRecvFn kReader = &RecvTrans_JeonBuk;
  static constexpr const char* kBank = "37";
  static constexpr std::size_t kDataWidth = 78;
  static std::vector<std::string> Suffixes() { return {"", "_1"}; }
  static std::string Account(const std::string& record) {
    return std::string(ReadField(kJeonbukData, &TJeonbukDataValues::BankNo, record));
  }
  static std::string Counts(const std::string& end) { return end.substr(8, 20); }
};
struct TIndustrialFormat {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return SendTrans_KiUp(b, v); }
  static constexpr TSendFn kWriter = &SendTrans_KiUp;
  static constexpr TRecvFn kReader = &RecvTrans_Kiup;
  static constexpr const char* kBank = "03";
  static constexpr std::size_t kDataWidth = 76;
  static std::vector<std::string> Suffixes() { return {""}; }
  static std::string Account(const std::string& record) {
    return std::string(ReadField(kIndustrialData, &TIndustrialDataValues::BankNo, record));
  }
  static std::string Counts(const std::string& end) { return end.substr(6, 20); }
};
struct THousingFormat {
  static TBatchResult Write(const TBatch& b, IExchangeView& v) { return SendTrans_House(b, v); }
  static constexpr TSendFn kWriter = &SendTrans_House;
  static constexpr TRecvFn kReader = &RecvTrans_House;
  static constexpr const char* kBank = "06";
  static constexpr std::size_t kDataWidth = 78;
  static std::vector<std::string> Suffixes() { return {""}; }
  static std::string Account(const std::string& record) {
    return std::string(ReadField(kHousingData, &TStandardDataValues::BankNo, record));
  }
  static std::string Counts(const std::string& end) { return end.substr(8, 20); }
};

template <typename TFormat>
TBatchRecipient Recipient(std::int64_t row, const char* account, std::int64_t won, int state) {
  TBatchRecipient r;
  r.RowId = row;
  r.BankId = TFormat::kBank;
  r.BankNo = account;
  r.Jumin = "700101-1234567";
  r.Name = "홍길동";
  r.LargeitmId = "01";
  r.prtText = "생계";
  r.Monecy = TMoney::FromWon(won);
  r.State = state;
  return r;
}

template <typename TFormat>
TBatch SampleBatch() {
  TBatch batch;
  batch.Order = test::SampleOrder();
  batch.Order.BankID = TFormat::kBank;
  batch.Order.KigwanName = "전주시 완산구청";
  batch.Recipients = {Recipient<TFormat>(1, "111-22-333333", 150000, 1),
                      Recipient<TFormat>(2, "444-55-666666", 999, 2),  // not pending: no record
                      Recipient<TFormat>(3, "777-88-999999", 2500, 1)};
  return batch;
}

template <typename TFormat>
class BankFamilyWriterTest : public ::testing::Test {
 protected:
  // The lines of the main file (or of a further file, by its suffix).
  std::vector<std::string> Lines(const std::string& suffix = "") {
    return test::SplitCrLf(folder_.ReadFile("SND01" + suffix));
  }

  test::TSendFolder folder_;
  test::TRecordedExchange view_;
};

using Formats = ::testing::Types<TJeonbukFormat, TIndustrialFormat, THousingFormat>;
TYPED_TEST_SUITE(BankFamilyWriterTest, Formats);

TYPED_TEST(BankFamilyWriterTest, BothTablesChooseTheFormatsWriterAndReader) {
  EXPECT_EQ(SendFormatFor(TypeParam::kBank).Write, TypeParam::kWriter);
  EXPECT_EQ(RecvFormatFor(TypeParam::kBank).Read, TypeParam::kReader);
}

TYPED_TEST(BankFamilyWriterTest, EveryFileHasTheEnvelopeAndRecordsOfTheirWidths) {
  TBatchResult result = TypeParam::Write(SampleBatch<TypeParam>(), this->view_);
  EXPECT_EQ(result.Written, (std::vector<std::int64_t>{1, 3}));
  EXPECT_TRUE(result.HeldBack.empty());
  EXPECT_TRUE(result.Warnings.empty());
  for (const std::string& suffix : TypeParam::Suffixes()) {
    auto lines = this->Lines(suffix);
    ASSERT_GE(lines.size(), 3u) << suffix;
    EXPECT_EQ(lines[0],
              "<<NEHEAD>>1N0000000000" + std::string(10, ' ') + "OFFICE01  SND01 001BK04      ")
        << suffix;
    EXPECT_EQ(lines[1].size(), 78u) << suffix;
    EXPECT_EQ(lines.back().size(), 78u) << suffix;
  }
  auto lines = this->Lines();
  ASSERT_EQ(lines.size(), 5u);  // envelope, header, two data records, end
  for (int i : {2, 3}) EXPECT_EQ(lines[i].size(), TypeParam::kDataWidth);
  EXPECT_EQ(TypeParam::Account(lines[2]).substr(0, 11), "11122333333");
  EXPECT_EQ(TypeParam::Account(lines[3]).substr(0, 11), "77788999999");
  EXPECT_EQ(TypeParam::Counts(lines[4]),
            "0000002"
            "0000000152500");
}

TYPED_TEST(BankFamilyWriterTest, OneListLineWithTheKoreanInstitutionAndTheRecipientsWritten) {
  TypeParam::Write(SampleBatch<TypeParam>(), this->view_);
  ASSERT_EQ(this->view_.List.size(), 1u);
  const TRecvInfo& line = this->view_.List[0];
  EXPECT_EQ(line.KigwanName, "전주시 완산구청");
  EXPECT_EQ(line.FileName, "SND01");
  EXPECT_EQ(line.Kind, rkFundsTransfer);
  EXPECT_EQ(line.Count, 2);
}

TYPED_TEST(BankFamilyWriterTest, ExistingFilesAreAppendedTo) {
  TypeParam::Write(SampleBatch<TypeParam>(), this->view_);
  std::vector<std::vector<std::string>> once;
  for (const std::string& suffix : TypeParam::Suffixes()) once.push_back(this->Lines(suffix));
  TypeParam::Write(SampleBatch<TypeParam>(), this->view_);
  for (std::size_t i = 0; i < once.size(); ++i) {
    auto twice = this->Lines(TypeParam::Suffixes()[i]);
    ASSERT_EQ(twice.size(), 2 * once[i].size());
    EXPECT_TRUE(std::equal(once[i].begin(), once[i].end(), twice.begin() + once[i].size()));
  }
}

TYPED_TEST(BankFamilyWriterTest, AnAccountOrAmountLongerThanItsFieldIsHeldBackNotCut) {
  TBatch batch = SampleBatch<TypeParam>();
  batch.Recipients[0].BankNo = "1234-5678-9012-3456";  // 16 digits
  batch.Recipients[2].Monecy = TMoney::FromWon(123456789012);
  batch.Recipients[2].Name = "김영희";
  batch.Recipients.push_back(Recipient<TypeParam>(4, "555-66-7777", 7000, 1));
  TBatchResult result = TypeParam::Write(batch, this->view_);
  EXPECT_EQ(result.Written, std::vector<std::int64_t>{4});
  const std::string bank = TypeParam::kBank;
  EXPECT_EQ(result.HeldBack,
            (std::vector<std::string>{
                "계좌번호가 송신 파일의 칸보다 깁니다: 홍길동 " + bank + " 1234-5678-9012-3456",
                "이체금액이 송신 파일의 칸보다 깁니다: 김영희 " + bank + " 123456789012"}));
  auto lines = this->Lines();
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(TypeParam::Account(lines[2]).substr(0, 10), "555667777 ");
  EXPECT_EQ(TypeParam::Counts(lines[3]),
            "0000001"
            "0000000007000");
}

TYPED_TEST(BankFamilyWriterTest, AnInstitutionAccountLongerThanItsFieldFailsTheBatch) {
  TBatch batch = SampleBatch<TypeParam>();
  batch.Order.BankNo = "1234-5678-9012-3456";
  try {
    TypeParam::Write(batch, this->view_);
    FAIL() << "written";
  } catch (const TSendFileError& error) {
    EXPECT_STREQ(error.what(),
                 "계좌번호가 송신 파일의 칸보다 깁니다: 전주시 완산구청 1234567890123456");
  }
  EXPECT_TRUE(this->view_.List.empty());
}

TYPED_TEST(BankFamilyWriterTest, AValueWithoutCp949FormFailsTheBatch) {
  TBatch batch = SampleBatch<TypeParam>();
  batch.Order.Corcode = "CORP😀";
  batch.Recipients[0].Jumin = "😀";
  EXPECT_THROW(TypeParam::Write(batch, this->view_), TEncodingError);
}

TYPED_TEST(BankFamilyWriterTest, ASendNameThatLeavesTheSendFolderIsRefused) {
  TBatch batch = SampleBatch<TypeParam>();
  for (const char* name : {"../X", "", "a/b", ".."}) {
    batch.Order.SendName = name;
    EXPECT_THROW(TypeParam::Write(batch, this->view_), TSendFileError) << name;
  }
}

// Every file of the batch on a full disk: the write fails with the file's name.
TYPED_TEST(BankFamilyWriterTest, AFileThatCannotBeWrittenFailsTheBatchWithItsName) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  for (const std::string& suffix : TypeParam::Suffixes()) {
    test::TSendFolder folder;
    std::filesystem::create_symlink("/dev/full", SendDir + "SND01" + suffix);
    try {
      TypeParam::Write(SampleBatch<TypeParam>(), this->view_);
      ADD_FAILURE() << "written: " << suffix;
    } catch (const TSendFileError& error) {
      EXPECT_EQ(std::string(error.what()),
                "송신 파일에 쓸 수 없습니다: " + SendDir + "SND01" + suffix);
    }
  }
  EXPECT_TRUE(this->view_.List.empty());
}

}  // namespace
}  // namespace selvane
