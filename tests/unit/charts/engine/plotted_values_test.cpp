#include "charts/engine/plotted_values.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace tabulo::charts::engine {
namespace {

using Spans = std::vector<ValueSpan>;
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

std::vector<ChartSeries> TwoSeries() {
  return {{"a", {1, -2, kNan}}, {"b", {3, -1, 4}}};
}

TEST(ArrangeValuesTest, ClusteredBarsRunFromZero) {
  PlottedValues values = ArrangeValues(TwoSeries(), 3, ChartShape::kColumn, SeriesGrouping::kClustered);
  EXPECT_EQ(values.spans[0], (Spans{{0, 1, true}, {0, -2, true}, {0, 0, false}}));
  EXPECT_EQ(values.spans[1], (Spans{{0, 3, true}, {0, -1, true}, {0, 4, true}}));
  EXPECT_EQ(values.low, -2);
  EXPECT_EQ(values.high, 4);
}

TEST(ArrangeValuesTest, StackedBarsStackEachSignOnItsOwn) {
  PlottedValues values = ArrangeValues(TwoSeries(), 3, ChartShape::kBar, SeriesGrouping::kStacked);
  EXPECT_EQ(values.spans[0], (Spans{{0, 1, true}, {0, -2, true}, {0, 0, false}}));
  EXPECT_EQ(values.spans[1], (Spans{{1, 4, true}, {-2, -3, true}, {0, 4, true}}));
  EXPECT_EQ(values.low, -3);
  EXPECT_EQ(values.high, 4);
}

TEST(ArrangeValuesTest, StackedLinesSitOnTheRunningTotal) {
  std::vector<ChartSeries> series{{"a", {2}}, {"b", {-3}}};
  PlottedValues lines = ArrangeValues(series, 1, ChartShape::kLine, SeriesGrouping::kStacked);
  EXPECT_EQ(lines.spans[1], (Spans{{2, -1, true}}));
  PlottedValues bars = ArrangeValues(series, 1, ChartShape::kColumn, SeriesGrouping::kStacked);
  EXPECT_EQ(bars.spans[1], (Spans{{0, -3, true}}));
}

TEST(ArrangeValuesTest, HundredPercentStacksAreSharesOfTheCategoryTotal) {
  std::vector<ChartSeries> series{{"a", {1, 0, -1}}, {"b", {3, 0, 3}}};
  PlottedValues values = ArrangeValues(series, 3, ChartShape::kLine, SeriesGrouping::kStacked100);
  EXPECT_EQ(values.spans[0], (Spans{{0, 25, true}, {0, 0, true}, {0, -25, true}}));
  EXPECT_EQ(values.spans[1], (Spans{{25, 100, true}, {0, 0, true}, {-25, 50, true}}));
  EXPECT_EQ(values.low, -25);
  EXPECT_EQ(values.high, 100);
}

TEST(ArrangeValuesTest, MissingAndUnusableValuesAreGapsCountedAsZero) {
  double infinity = std::numeric_limits<double>::infinity();
  std::vector<ChartSeries> series{{"a", {infinity, 1e305}}, {"b", {2}}};
  PlottedValues values = ArrangeValues(series, 2, ChartShape::kColumn, SeriesGrouping::kStacked);
  EXPECT_EQ(values.spans[0], (Spans{{0, 0, false}, {0, 0, false}}));
  EXPECT_EQ(values.spans[1], (Spans{{0, 2, true}, {0, 0, false}}));
  EXPECT_EQ(values.high, 2);
  EXPECT_FALSE(IsPlottable(kNan));
  EXPECT_TRUE(IsPlottable(-1e299));
}

TEST(ArrangeValuesTest, StacksThatOverflowAreNotDrawn) {
  std::vector<ChartSeries> series{{"a", {9e299}}, {"b", {9e299}}};
  PlottedValues values = ArrangeValues(series, 1, ChartShape::kColumn, SeriesGrouping::kStacked);
  EXPECT_TRUE(values.spans[0][0].present);
  EXPECT_FALSE(values.spans[1][0].present);
}

TEST(ArrangeValuesTest, ValuesBeyondTheCategoriesAreIgnored) {
  std::vector<ChartSeries> series{{"a", {1, 2, 3}}};
  PlottedValues values = ArrangeValues(series, 2, ChartShape::kColumn, SeriesGrouping::kClustered);
  EXPECT_EQ(values.spans[0].size(), 2u);
  EXPECT_EQ(values.high, 2);
}

}  // namespace
}  // namespace tabulo::charts::engine
