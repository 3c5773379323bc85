#include "charts/engine/value_scale.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace tabulo::charts::engine {
namespace {

using Ticks = std::vector<double>;

TEST(ChooseValueScaleTest, FinestRoundStepWithAtMostTheAskedTicks) {
  EXPECT_EQ(ChooseValueScale(0, 7, 10, -1).ticks, (Ticks{0, 1, 2, 3, 4, 5, 6, 7}));
  // 10 would give 11 ticks.
  EXPECT_EQ(ChooseValueScale(0, 100, 10, -1).ticks, (Ticks{0, 20, 40, 60, 80, 100}));
  // 0.2 would give 11 ticks; 2.5 steps are round too.
  EXPECT_EQ(ChooseValueScale(0, 2, 10, -1).ticks, (Ticks{0, 0.25, 0.5, 0.75, 1, 1.25, 1.5, 1.75, 2}));
  EXPECT_EQ(ChooseValueScale(3, 23, 6, -1).ticks, (Ticks{0, 5, 10, 15, 20, 25}));
}

TEST(ChooseValueScaleTest, RangeRunsFromFirstToLastTickAndIncludesZero) {
  ValueScale scale = ChooseValueScale(12, 47, 10, -1);
  EXPECT_EQ(scale.ticks, (Ticks{0, 10, 20, 30, 40, 50}));
  EXPECT_EQ(scale.minimum, 0);
  EXPECT_EQ(scale.maximum, 50);
}

TEST(ChooseValueScaleTest, NegativeValuesExtendBelowZero) {
  EXPECT_EQ(ChooseValueScale(-40, 107, 10, -1).ticks, (Ticks{-40, -20, 0, 20, 40, 60, 80, 100, 120}));
  EXPECT_EQ(ChooseValueScale(-7, -1, 10, -1).ticks, (Ticks{-7, -6, -5, -4, -3, -2, -1, 0}));
}

TEST(ChooseValueScaleTest, TickValuesAreTheDecimalValues) {
  ValueScale scale = ChooseValueScale(0, 0.7, 10, -1);
  ASSERT_EQ(scale.ticks.size(), 8u);
  EXPECT_EQ(scale.ticks[3], 0.3);
  EXPECT_EQ(scale.ticks[7], 0.7);
  EXPECT_EQ(ChooseValueScale(0, 0.3, 10, -1).ticks, (Ticks{0, 0.05, 0.1, 0.15, 0.2, 0.25, 0.3}));
}

TEST(ChooseValueScaleTest, StepsNeverNeedMoreDecimalsThanTheLabelsShow) {
  // With whole-number labels a step of 0.25 would print 0, 0, 1, 1, 1 ...
  EXPECT_EQ(ChooseValueScale(0, 2, 10, 0).ticks, (Ticks{0, 1, 2, 3}));
  EXPECT_EQ(ChooseValueScale(0, 0.3, 10, 0).ticks, (Ticks{0, 1, 2, 3}));
  EXPECT_EQ(ChooseValueScale(-0.3, 0, 10, 0).ticks, (Ticks{-3, -2, -1, 0}));
  EXPECT_EQ(ChooseValueScale(0, 2, 10, 1).ticks, (Ticks{0, 0.5, 1, 1.5, 2}));
}

TEST(ChooseValueScaleTest, TooCoarseStepsWidenToFourTicks) {
  EXPECT_EQ(ChooseValueScale(0, 100, 2, -1).ticks, (Ticks{0, 50, 100, 150}));
}

TEST(ChooseValueScaleTest, NothingToScaleGivesAUnitAxis) {
  EXPECT_EQ(ChooseValueScale(0, 0, 10, -1).ticks, (Ticks{0, 0.2, 0.4, 0.6, 0.8, 1}));
  double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(ChooseValueScale(0, infinity, 10, -1).ticks, (Ticks{0, 0.2, 0.4, 0.6, 0.8, 1}));
  EXPECT_EQ(ChooseValueScale(std::numeric_limits<double>::quiet_NaN(), 0, 10, -1).ticks,
            (Ticks{0, 0.2, 0.4, 0.6, 0.8, 1}));
}

TEST(FixedValueScaleTest, PercentageAxisFrom0To100) {
  ValueScale scale = FixedValueScale(0, 100, 10, -1);
  EXPECT_EQ(scale.ticks, (Ticks{0, 20, 40, 60, 80, 100}));
  EXPECT_EQ(scale.minimum, 0);
  EXPECT_EQ(scale.maximum, 100);
  EXPECT_EQ(FixedValueScale(0, 100, 5, 0).ticks, (Ticks{0, 25, 50, 75, 100}));
  EXPECT_EQ(FixedValueScale(-100, 100, 10, -1).ticks, (Ticks{-100, -75, -50, -25, 0, 25, 50, 75, 100}));
}

TEST(FixedValueScaleTest, RangesNoRoundStepDividesKeepTheirEnds) {
  ValueScale scale = FixedValueScale(0, 7.3, 4, -1);
  EXPECT_EQ(scale.minimum, 0);
  EXPECT_EQ(scale.maximum, 7.3);
  for (double tick : scale.ticks) {
    EXPECT_GE(tick, 0);
    EXPECT_LE(tick, 7.3);
  }
}

}  // namespace
}  // namespace tabulo::charts::engine
