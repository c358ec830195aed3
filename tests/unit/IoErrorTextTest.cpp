#include "folders/IoErrorText.h"

#include <gtest/gtest.h>

#include "TestTexts.h"

namespace {

using velmora::IoErrorText;
namespace tt = velmora::test_text;

TEST(IoErrorText, CodesWithTextsOfTheirOwn) {
  EXPECT_EQ(IoErrorText(2), tt::kIoFileNotFound);
  EXPECT_EQ(IoErrorText(3), tt::kIoInvalidName);
  EXPECT_EQ(IoErrorText(4), tt::kIoTooManyOpen);
  EXPECT_EQ(IoErrorText(5), tt::kIoAccessDenied);
  EXPECT_EQ(IoErrorText(100), tt::kIoReadPastEnd);
  EXPECT_EQ(IoErrorText(101), tt::kIoDiskFull);
  EXPECT_EQ(IoErrorText(106), tt::kIoNotANumber);
}

TEST(IoErrorText, OtherCodesShowTheNumber) {
  EXPECT_EQ(IoErrorText(21), tt::kIoOther21);
  EXPECT_EQ(IoErrorText(0xFFFFFFFFul), tt::kIoOtherMinus1);
}

}  // namespace
