#include "charts/engine/chart_kind.h"

#include <gtest/gtest.h>

#include "charts/chart_description.h"

namespace tabulo::charts::engine {
namespace {

using enum ChartShape;
using enum SeriesGrouping;

TEST(KindOfChartTypeTest, ColumnsAndBars) {
  EXPECT_EQ(KindOfChartType(chart_type::kColumnClustered), (ChartKind{kColumn, kClustered}));
  EXPECT_EQ(KindOfChartType(chart_type::kColumnStacked), (ChartKind{kColumn, kStacked}));
  EXPECT_EQ(KindOfChartType(chart_type::kBarClustered), (ChartKind{kBar, kClustered}));
  EXPECT_EQ(KindOfChartType(chart_type::kBarStacked), (ChartKind{kBar, kStacked}));
  EXPECT_EQ(KindOfChartType(chart_type::k3DColumn), (ChartKind{kColumn, kDepthRows, true}));
  EXPECT_EQ(KindOfChartType(chart_type::k3DColumnClustered), (ChartKind{kColumn, kClustered, true}));
  EXPECT_EQ(KindOfChartType(chart_type::k3DColumnStacked), (ChartKind{kColumn, kStacked, true}));
  EXPECT_EQ(KindOfChartType(chart_type::k3DBarClustered), (ChartKind{kBar, kClustered, true}));
  EXPECT_EQ(KindOfChartType(chart_type::k3DBarStacked), (ChartKind{kBar, kStacked, true}));
}

TEST(KindOfChartTypeTest, Lines) {
  EXPECT_EQ(KindOfChartType(chart_type::kLine), (ChartKind{kLine, kClustered}));
  EXPECT_EQ(KindOfChartType(chart_type::kLineMarkers), (ChartKind{kLine, kClustered, false, true}));
  EXPECT_EQ(KindOfChartType(chart_type::kLineStacked), (ChartKind{kLine, kStacked}));
  EXPECT_EQ(KindOfChartType(chart_type::kLineMarkersStacked100), (ChartKind{kLine, kStacked100, false, true}));
}

TEST(KindOfChartTypeTest, Pies) {
  EXPECT_EQ(KindOfChartType(chart_type::kPie), (ChartKind{kPie, kClustered}));
  EXPECT_EQ(KindOfChartType(chart_type::kPieExploded), (ChartKind{kPie, kClustered, false, false, true}));
  EXPECT_EQ(KindOfChartType(chart_type::k3DPie), (ChartKind{kPie, kClustered, true}));
  EXPECT_EQ(KindOfChartType(chart_type::k3DPieExploded), (ChartKind{kPie, kClustered, true, false, true}));
}

TEST(KindOfChartTypeTest, VariablePreviewListsCategoriesTopDownAsBars) {
  EXPECT_EQ(KindOfChartType(chart_type::kVariablePreview),
            (ChartKind{kBar, kClustered, false, false, false, true}));
}

TEST(KindOfChartTypeTest, NoChartAndUnknownCodesDrawNothing) {
  EXPECT_FALSE(KindOfChartType(chart_type::kNoChart));
  EXPECT_FALSE(KindOfChartType(2));
  EXPECT_FALSE(KindOfChartType(5));
  EXPECT_FALSE(KindOfChartType(-3));
  EXPECT_FALSE(KindOfChartType(100));
}

}  // namespace
}  // namespace tabulo::charts::engine
