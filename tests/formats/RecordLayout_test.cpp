// The layout layer on its own: every fill and cut rule, reading and putting fields, and the
// errors, on a small record made for the test.
#include "formats/RecordLayout.h"

#include <gtest/gtest.h>

#include "core/Cp949.h"

namespace selvane {
namespace {

struct TSample {
  TFieldValue Name;
  TFieldValue Count;
  TFieldValue Sum;
  TFieldValue Account;
  TFieldValue Amount;
  TFieldValue Result;
};

// "K" name(6) count(3) sum(4) account(5) amount(4) result(2) filler(2): 27 bytes.
constexpr TRecordLayout<TSample, 8> kSample{{
    {1, 1, TFill::Constant, nullptr, "K"},
    {2, 6, TFill::Text, &TSample::Name},
    {8, 3, TFill::Number, &TSample::Count},
    {11, 4, TFill::SumTail, &TSample::Sum},
    {15, 5, TFill::Account, &TSample::Account},
    {20, 4, TFill::Amount, &TSample::Amount},
    {24, 2, TFill::Answer, &TSample::Result},
    {26, 2, TFill::Filler},
}};
static_assert(LayoutWidth(kSample) == 27);
// The head of a layout ends where its last field ends, and takes another tail.
static_assert(LayoutWidth(LayoutHead<3>(kSample)) == 10);
static_assert(LayoutWidth(JoinLayouts(LayoutHead<3>(kSample),
                                      TRecordLayout<TSample, 1>{{{11, 2, TFill::Filler}}})) == 12);

// Layouts that do not fit together have no width.
struct TOne {
  TFieldValue Value;
};
static_assert(LayoutWidth(TRecordLayout<TOne, 2>{
                  {{1, 2, TFill::Text, &TOne::Value}, {4, 1, TFill::Filler}}}) == 0);  // a gap
static_assert(LayoutWidth(TRecordLayout<TOne, 1>{{{1, 2, TFill::Constant, nullptr, "ABC"}}}) ==
              0);  // a constant of another width
static_assert(LayoutWidth(TRecordLayout<TOne, 1>{{{1, 2, TFill::Text}}}) == 0);  // no value
static_assert(LayoutWidth(TRecordLayout<TOne, 1>{{{1, 2, TFill::Filler, &TOne::Value}}}) == 0);

TSample Values(std::string name, std::string count, std::string sum, std::string account,
               std::string amount) {
  TSample values;
  values.Name = std::move(name);
  values.Count = std::move(count);
  values.Sum = std::move(sum);
  values.Account = std::move(account);
  values.Amount = std::move(amount);
  return values;
}

TEST(RecordLayout, FillsAndCuts) {
  const std::string han = ToCp949("홍길동");        // 6 bytes
  const std::string hanLong = ToCp949("가나다라");  // 8 bytes
  struct TCase {
    const char* what;
    TSample values;
    std::string record;
  } cases[] = {
      {"short values padded", Values("AB", "7", "12", "123", "45"), "KAB    0070012123  0045    "},
      {"values that fill their fields", Values("ABCDEF", "123", "1234", "12345", "9999"),
       "KABCDEF1231234123459999    "},
      {"a long text is cut to its first bytes", Values("ABCDEFGH", "1", "1", "1", "1"),
       "KABCDEF00100011    0001    "},
      {"a long number keeps its first digits", Values("", "12345", "1", "1", "1"),
       "K      12300011    0001    "},
      {"a long sum keeps its last digits", Values("", "1", "1234567", "1", "1"),
       "K      00145671    0001    "},
      {"Korean text that fits", Values(han, "1", "1", "1", "1"),
       "K" + han + "00100011    0001    "},
      // Half a character would make the file invalid text: the cut stops before it.
      {"Korean text cut at a whole character", Values(hanLong, "1", "1", "1", "1"),
       "K" + hanLong.substr(0, 6) + "00100011    0001    "},
      {"a cut that would split the third character", Values("A" + han, "1", "1", "1", "1"),
       "KA" + han.substr(0, 4) + " 00100011    0001    "},
  };
  for (const auto& c : cases) {
    const std::string record = WriteRecord(kSample, c.values);
    EXPECT_EQ(record.size(), 27u) << c.what;
    EXPECT_EQ(record, c.record) << c.what;
  }
}

TEST(RecordLayout, FillsOfAFewFormats) {
  const std::string han = ToCp949("생계급여");  // 8 bytes
  struct TCase {
    TFill fill;
    int width;
    std::string value;
    std::string field;
  } cases[] = {
      {TFill::TextRight, 10, "AB", "        AB"},
      {TFill::TextRight, 10, han, "  " + han},
      {TFill::TextRight, 10, ToCp949("생계급여지원"), ToCp949("생계급여지")},
      // The cut stops before half a character; the blank goes in front.
      {TFill::TextRight, 9, ToCp949("생계급여지원"), " " + han},
      {TFill::TextRight, 5, "ABCDEFG", "ABCDE"},
      {TFill::LeftZeros, 2, "6", "60"},
      {TFill::LeftZeros, 2, "06", "06"},
      {TFill::LeftZeros, 2, "123", "12"},
      {TFill::LeftZeros, 3, "", "000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FitField(c.fill, c.width, c.value), c.field) << c.value;
}

TEST(RecordLayout, AnAccountOrAmountLongerThanItsFieldIsRefused) {
  struct TCase {
    TSample values;
    TFill fill;
    const char* value;
  } cases[] = {
      {Values("", "1", "1", "123456", "1"), TFill::Account, "123456"},
      {Values("", "1", "1", "1", "12345"), TFill::Amount, "12345"},
  };
  for (const auto& c : cases) {
    try {
      WriteRecord(kSample, c.values);
      ADD_FAILURE() << "written: " << c.value;
    } catch (const TFieldDoesNotFit& misfit) {
      EXPECT_EQ(misfit.Fill, c.fill);
      EXPECT_EQ(misfit.Value, c.value);
    }
  }
}

TEST(RecordLayout, AFieldWithoutAValueIsAProgrammingError) {
  TSample values = Values("A", "1", "1", "1", "1");
  values.Count.reset();
  EXPECT_THROW(WriteRecord(kSample, values), TLayoutError);
}

TEST(RecordLayout, ReadingTakesTheFieldsBackAsTheyStand) {
  const std::string record = "KAB    0070012123  0045OK  ";
  EXPECT_EQ(ReadField(kSample, &TSample::Name, record), "AB    ");
  EXPECT_EQ(ReadField(kSample, &TSample::Result, record), "OK");
  const TSample read = ReadRecord(kSample, record);
  EXPECT_EQ(*read.Count, "007");
  EXPECT_EQ(*read.Amount, "0045");
  // A record that ends early gives what is there, and nothing after its end.
  EXPECT_EQ(ReadField(kSample, &TSample::Sum, record.substr(0, 12)), "00");
  EXPECT_EQ(ReadField(kSample, &TSample::Amount, record.substr(0, 12)), "");
}

TEST(RecordLayout, PuttingAFieldFillsItAsTheBankAnswers) {
  std::string record = WriteRecord(kSample, Values("AB", "7", "12", "123", "45"));
  PutField(kSample, &TSample::Result, record, "X");
  EXPECT_EQ(record, "KAB    0070012123  0045X   ");
  PutField(kSample, &TSample::Count, record, "42");
  EXPECT_EQ(record.substr(7, 3), "042");
  EXPECT_THROW(PutField(kSample, &TSample::Account, record, "1234567"), TFieldDoesNotFit);
  std::string shortRecord = record.substr(0, 20);
  EXPECT_THROW(PutField(kSample, &TSample::Result, shortRecord, "X"), TLayoutError);
}

}  // namespace
}  // namespace selvane
