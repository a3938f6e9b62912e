#include "fractal/three_decimal.h"

#include <gtest/gtest.h>

#include <limits>

namespace kep {
namespace {

TEST(ThreeDecimalTest, PadsAndTruncatesTheThousandthsOfAnyValue) {
  EXPECT_EQ(ThreeDecimal(1.5), "1.500");
  EXPECT_EQ(ThreeDecimal(1.05), "1.050");
  EXPECT_EQ(ThreeDecimal(2.003), "2.003");
  EXPECT_EQ(ThreeDecimal(0.0), "0.000");
  EXPECT_EQ(ThreeDecimal(1.9999), "1.999");
  // 12345.678 - 12345 is 0.67799999... in doubles.
  EXPECT_EQ(ThreeDecimal(12345.678), "12345.677");
  EXPECT_EQ(ThreeDecimal(3e20), "300000000000000000000.000");
  // Negative values are a sign and the absolute value; values that are not numbers
  // are named.
  EXPECT_EQ(ThreeDecimal(-0.5), "-0.500");
  EXPECT_EQ(ThreeDecimal(-1.0), "-1.000");
  EXPECT_EQ(ThreeDecimal(-2.0451), "-2.045");
  EXPECT_EQ(ThreeDecimal(-0.0), "0.000");
  EXPECT_EQ(ThreeDecimal(std::numeric_limits<double>::quiet_NaN()), "nan");
  EXPECT_EQ(ThreeDecimal(-std::numeric_limits<double>::infinity()), "-inf");
}

}  // namespace
}  // namespace kep
