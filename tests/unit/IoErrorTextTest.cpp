#include "folders/IoErrorText.h"

#include <gtest/gtest.h>

#include "UnitTexts.h"

namespace {

using velmora::IoErrorText;
namespace ut = velmora::unit_text;

TEST(IoErrorText, CodesWithTextsOfTheirOwn) {
  EXPECT_EQ(IoErrorText(2), ut::kIoFileNotFound);
  EXPECT_EQ(IoErrorText(3), ut::kIoInvalidName);
  EXPECT_EQ(IoErrorText(4), ut::kIoTooManyOpen);
  EXPECT_EQ(IoErrorText(5), ut::kIoAccessDenied);
  EXPECT_EQ(IoErrorText(100), ut::kIoReadPastEnd);
  EXPECT_EQ(IoErrorText(101), ut::kIoDiskFull);
  EXPECT_EQ(IoErrorText(106), ut::kIoNotANumber);
}

TEST(IoErrorText, OtherCodesShowTheNumber) {
  EXPECT_EQ(IoErrorText(21), ut::kIoOther21);
  EXPECT_EQ(IoErrorText(0xFFFFFFFFul), ut::kIoOtherMinus1);
}

}  // namespace
