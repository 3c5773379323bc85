#include "charts/engine/axis_number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tabulo::charts::engine {
namespace {

constexpr ChartNumberFormat kGeneral{false, false, -1};

ChartNumberFormat Decimals(int decimals) { return {false, false, decimals}; }

TEST(AxisNumberTextTest, GeneralIsTheShortestNaturalForm) {
  EXPECT_EQ(AxisNumberText(0.0, kGeneral), "0");
  EXPECT_EQ(AxisNumberText(-0.0, kGeneral), "0");
  EXPECT_EQ(AxisNumberText(2.5, kGeneral), "2.5");
  EXPECT_EQ(AxisNumberText(-0.25, kGeneral), "-0.25");
  EXPECT_EQ(AxisNumberText(1000000.0, kGeneral), "1000000");
  EXPECT_EQ(AxisNumberText(0.0000001, kGeneral), "0.0000001");
}

TEST(AxisNumberTextTest, GeneralDropsTheNoiseOfBinarySums) {
  EXPECT_EQ(AxisNumberText(0.1 + 0.2, kGeneral), "0.3");
  EXPECT_EQ(AxisNumberText(0.7 * 3.0, kGeneral), "2.1");
}

TEST(AxisNumberTextTest, FixedDecimalsRoundHalfAwayFromZero) {
  EXPECT_EQ(AxisNumberText(7.0, Decimals(0)), "7");
  EXPECT_EQ(AxisNumberText(2.5, Decimals(0)), "3");
  EXPECT_EQ(AxisNumberText(-2.5, Decimals(0)), "-3");
  EXPECT_EQ(AxisNumberText(0.125, Decimals(2)), "0.13");
  EXPECT_EQ(AxisNumberText(20.0, Decimals(1)), "20.0");
  EXPECT_EQ(AxisNumberText(1.0, Decimals(3)), "1.000");
}

TEST(AxisNumberTextTest, NegativeZeroLosesItsSign) {
  EXPECT_EQ(AxisNumberText(-0.001, Decimals(2)), "0.00");
  EXPECT_EQ(AxisNumberText(-0.4, Decimals(0)), "0");
}

TEST(AxisNumberTextTest, PercentagesGetALiteralSignAndAreNotScaled) {
  EXPECT_EQ(AxisNumberText(25.0, {true, false, 1}), "25.0%");
  EXPECT_EQ(AxisNumberText(12.5, {true, true, -1}), "12.5%");
  EXPECT_EQ(AxisNumberText(0.0, {true, false, -1}), "0%");
  EXPECT_EQ(AxisNumberText(100.0, {true, true, 0}), "100%");
}

TEST(AxisNumberTextTest, AbsurdDecimalCountsAreCapped) {
  EXPECT_EQ(AxisNumberText(1.0, Decimals(2'000'000'000)), "1." + std::string(30, '0'));
}

}  // namespace
}  // namespace tabulo::charts::engine
