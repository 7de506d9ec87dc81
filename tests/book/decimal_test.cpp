#include "book/decimal.h"

#include <gtest/gtest.h>

TEST(DecimalConversion, ReadsLeadingBlanksSignAndDigitsUpToTheFirstNonDigit) {
  EXPECT_EQ(decimal_to_int32("12"), 12);
  EXPECT_EQ(decimal_to_int32("  \t+7\n"), 7);
  EXPECT_EQ(decimal_to_int32("-35xy"), -35);
  EXPECT_EQ(decimal_to_int32("12abc"), 12);
  EXPECT_EQ(decimal_to_int32("abc"), 0);
  EXPECT_EQ(decimal_to_int32(""), 0);
  EXPECT_EQ(decimal_to_int32("- 5"), 0);
}

TEST(DecimalConversion, SaturatesAtTheInt32Limits) {
  EXPECT_EQ(decimal_to_int32("2147483647"), 2147483647);
  EXPECT_EQ(decimal_to_int32("2147483648"), 2147483647);
  EXPECT_EQ(decimal_to_int32("99999999999999999999999"), 2147483647);
  EXPECT_EQ(decimal_to_int32("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(decimal_to_int32("-99999999999999999"), -2147483647 - 1);
}
