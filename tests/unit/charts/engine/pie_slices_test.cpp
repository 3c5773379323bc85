#include "charts/engine/pie_slices.h"

#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <vector>

namespace tabulo::charts::engine {
namespace {

constexpr double kPi = std::numbers::pi;

TEST(SliceAnglesTest, ClockwiseFromTwelveOClockByShare) {
  std::vector<double> values{1, 1, 2};
  std::vector<PieSlice> slices = SliceAngles(values);
  ASSERT_EQ(slices.size(), 3u);
  EXPECT_EQ(slices[0].category, 0u);
  EXPECT_DOUBLE_EQ(slices[0].start, -kPi / 2);
  EXPECT_DOUBLE_EQ(slices[0].end, 0);
  EXPECT_DOUBLE_EQ(slices[1].end, kPi / 2);
  EXPECT_DOUBLE_EQ(slices[2].start, kPi / 2);
  EXPECT_DOUBLE_EQ(slices[2].end, 3 * kPi / 2);
}

TEST(SliceAnglesTest, OnlyPositiveUsableValuesGetSlices) {
  std::vector<double> values{1, 0, -3, std::numeric_limits<double>::quiet_NaN(), 1};
  std::vector<PieSlice> slices = SliceAngles(values);
  ASSERT_EQ(slices.size(), 2u);
  EXPECT_EQ(slices[0].category, 0u);
  EXPECT_EQ(slices[1].category, 4u);
  EXPECT_DOUBLE_EQ(slices[1].start, kPi / 2);
}

TEST(SliceAnglesTest, NothingPositiveNoPie) {
  EXPECT_TRUE(SliceAngles(std::vector<double>{0, -1}).empty());
  EXPECT_TRUE(SliceAngles(std::vector<double>{}).empty());
}

}  // namespace
}  // namespace tabulo::charts::engine
