#include "core/Cp949.h"

#include <gtest/gtest.h>

namespace selvane {
namespace {

TEST(Cp949, RoundTripAndByteLengths) {
  // "똠" is in the Windows code page but not in IBM-949.
  const std::string text = "홍길동 똠 ABC 123";
  std::string bytes = ToCp949(text);
  EXPECT_EQ(bytes.size(), 17u);
  EXPECT_EQ(Cp949Length(text), 17u);
  EXPECT_EQ(FromCp949(bytes), text);
  EXPECT_EQ(ToCp949("가"), "\xB0\xA1");
}

TEST(Cp949, TextWithoutACp949FormIsAClearError) {
  try {
    ToCp949("이름😀");
    FAIL() << "no error";
  } catch (const TEncodingError& error) {
    EXPECT_NE(std::string(error.what()).find("😀"), std::string::npos) << error.what();
  }
  std::string out;
  EXPECT_FALSE(TryToCp949("😀", out));
}

TEST(Cp949, InvalidBytesAreAnErrorNotGarbage) {
  EXPECT_THROW(FromCp949("\xB0"), TEncodingError);  // a lead byte alone
  EXPECT_THROW(FromCp949("A\xFF\xFF"), TEncodingError);
}

TEST(Cp949, FieldCutsDropTheHalfCharacterOnScreen) {
  std::string bytes = ToCp949("가나다");
  EXPECT_EQ(FromCp949Field(bytes.substr(0, 5)), "가나");
  EXPECT_EQ(Cp949WholePrefix(bytes, 5), 4u);
  EXPECT_EQ(Cp949WholePrefix("AB가", 3), 2u);
  EXPECT_EQ(CutToCp949Width("가나다", 5), "가나");
  EXPECT_EQ(CutToCp949Width("AB", 5), "AB");
}

}  // namespace
}  // namespace selvane
