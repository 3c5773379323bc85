#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <stdexcept>

#include "chart_test_support.h"
#include "office/chart/chart.h"

namespace tabulo::office {
namespace {

using testing::TwoSeries;

TEST(ChartModelTest, TypesThatCannotBeDrawnAreRefused) {
  EXPECT_THROW(Chart(ChartType::kRadar), std::invalid_argument);
  EXPECT_THROW(Chart(ChartType::kUserDefined), std::invalid_argument);
  Chart chart(ChartType::kBarStacked);
  EXPECT_THROW(chart.SetType(ChartType::kXYScatter), std::invalid_argument);
  EXPECT_EQ(chart.Type(), ChartType::kBarStacked);
  EXPECT_EQ(chart.Shape().direction, BarDirection::kBar);
  EXPECT_EQ(chart.Shape().grouping, Grouping::kStacked);

  chart.ApplyCustomType(ChartType::k3DPieExploded);
  EXPECT_EQ(chart.Type(), ChartType::k3DPieExploded);
  EXPECT_TRUE(chart.Shape().IsPie());
  EXPECT_TRUE(chart.Shape().exploded);
  // No user-defined type is known by name: nothing changes.
  EXPECT_EQ(chart.ApplyCustomType("Corporate Blue"), std::nullopt);
  EXPECT_EQ(chart.Type(), ChartType::k3DPieExploded);
}

TEST(ChartModelTest, SeriesAreLimitedAndDropTheirLabels) {
  Chart chart;
  EXPECT_THROW(chart.SetSeries(std::vector<ChartSeries>(256)), std::invalid_argument);
  chart.SetSeries(std::vector<ChartSeries>(255));
  EXPECT_EQ(chart.Series().size(), 255U);

  chart.SetSeries(TwoSeries());
  chart.SetPointDataLabel(2, 3, "a");
  EXPECT_EQ(chart.Series()[1].point_labels.at(2), (PointLabel{"a", std::nullopt}));
  chart.SetSeries(TwoSeries());
  EXPECT_TRUE(chart.Series()[1].point_labels.empty());
}

TEST(ChartModelTest, PointLabelsNameExistingPoints) {
  Chart chart;
  chart.SetSeries(TwoSeries());
  EXPECT_THROW(chart.SetPointDataLabel(0, 1, "x"), std::out_of_range);
  EXPECT_THROW(chart.SetPointDataLabel(3, 1, "x"), std::out_of_range);
  EXPECT_THROW(chart.SetPointDataLabel(1, 0, "x"), std::out_of_range);
  EXPECT_THROW(chart.SetPointDataLabel(1, 4, "x"), std::out_of_range);
  chart.SetPointDataLabel(1, 1, "x", DataLabelPosition::kTop);
  chart.SetPointDataLabel(1, 1, "y", DataLabelPosition::kInsideEnd);
  EXPECT_EQ(chart.Series()[0].point_labels.size(), 1U);
  EXPECT_EQ(chart.Series()[0].point_labels.at(0), (PointLabel{"y", DataLabelPosition::kInsideEnd}));
  chart.ClearDataLabels();
  EXPECT_TRUE(chart.Series()[0].point_labels.empty());
}

TEST(ChartModelTest, LegendAndTitle) {
  Chart chart;
  EXPECT_TRUE(chart.HasLegend());
  EXPECT_EQ(chart.GetLegendPosition(), LegendPosition::kRight);
  chart.SetLegendPosition(LegendPosition::kBottom);
  EXPECT_EQ(chart.GetLegendPosition(), LegendPosition::kBottom);
  EXPECT_THROW(chart.SetLegendPosition(static_cast<LegendPosition>(-4131)), std::invalid_argument);
  EXPECT_EQ(chart.GetLegendPosition(), LegendPosition::kBottom);

  EXPECT_FALSE(chart.HasTitle());
  chart.SetTitleText("Age");
  chart.SetTitleFont({"Arial", true, 14});
  EXPECT_TRUE(chart.HasTitle());
  EXPECT_THROW(chart.SetTitleFont({"Arial", false, 0.5}), std::invalid_argument);
  EXPECT_THROW(chart.SetTitleFont({"Arial", false, 410}), std::invalid_argument);
  EXPECT_THROW(chart.SetTitleFont({"Arial", false, std::nan("")}), std::invalid_argument);
  EXPECT_EQ(chart.Title().font, (ChartFont{"Arial", true, 14}));
  chart.SetHasTitle(false);
  EXPECT_EQ(chart.Title(), ChartTitle{});
  chart.SetHasTitle(true);
  EXPECT_EQ(chart.Title(), (ChartTitle{true, "", std::nullopt}));
}

TEST(ChartModelTest, AxisTitles) {
  Chart chart;
  EXPECT_FALSE(chart.AxisHasTitle(ChartAxis::kValue));
  chart.SetAxisTitleText(ChartAxis::kValue, "ColPercent");
  chart.SetAxisHasTitle(ChartAxis::kCategory, true);
  EXPECT_TRUE(chart.AxisHasTitle(ChartAxis::kValue));
  EXPECT_EQ(chart.ValueAxis().title.text, "ColPercent");
  EXPECT_TRUE(chart.CategoryAxis().title.shown);
  chart.SetAxisHasTitle(ChartAxis::kValue, false);
  EXPECT_EQ(chart.ValueAxis().title, ChartTitle{});
  EXPECT_THROW(chart.SetAxisTitleText(static_cast<ChartAxis>(3), "x"), std::invalid_argument);
}

TEST(ChartModelTest, PiesHaveNoAxes) {
  Chart chart(ChartType::kPie);
  EXPECT_THROW(chart.AxisHasTitle(ChartAxis::kCategory), std::logic_error);
  EXPECT_THROW(chart.SetAxisTitleText(ChartAxis::kValue, "x"), std::logic_error);
  EXPECT_THROW(chart.SetValueAxisMinimum(0), std::logic_error);
  EXPECT_THROW(chart.SetValueAxisMaximum(1), std::logic_error);
  EXPECT_THROW(chart.SetValueAxisMajorUnit(1), std::logic_error);
  EXPECT_THROW(static_cast<void>(chart.ValueAxisMajorUnit()), std::logic_error);
  EXPECT_THROW(chart.SetValueAxisNumberFormat("0"), std::logic_error);
  EXPECT_THROW(chart.RemoveCategoryMajorTickMarks(), std::logic_error);
  EXPECT_THROW(chart.SetCategoryTickLabelSpacing(1), std::logic_error);
  EXPECT_THROW(chart.SetCategoryTickMarkSpacing(1), std::logic_error);
}

TEST(ChartModelTest, ValueAxisScale) {
  Chart chart(ChartType::kColumnClustered);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_THROW(chart.SetValueAxisMinimum(nan), std::invalid_argument);
  EXPECT_THROW(chart.SetValueAxisMaximum(inf), std::invalid_argument);
  chart.SetValueAxisMaximum(1);
  EXPECT_THROW(chart.SetValueAxisMinimum(1), std::invalid_argument);
  chart.SetValueAxisMinimum(0);
  EXPECT_THROW(chart.SetValueAxisMaximum(0), std::invalid_argument);
  EXPECT_THROW(chart.SetValueAxisMajorUnit(0), std::invalid_argument);
  EXPECT_THROW(chart.SetValueAxisMajorUnit(-1), std::invalid_argument);
  EXPECT_THROW(chart.SetValueAxisMajorUnit(nan), std::invalid_argument);
  EXPECT_THROW(chart.SetValueAxisNumberFormat(""), std::invalid_argument);
  // 0 to 1 in at most ten steps: 0.1.
  EXPECT_DOUBLE_EQ(chart.ValueAxisMajorUnit(), 0.1);
  chart.SetValueAxisMajorUnit(0.25);
  EXPECT_DOUBLE_EQ(chart.ValueAxisMajorUnit(), 0.25);
  chart.SetValueAxisNumberFormat("0%");
  EXPECT_EQ(chart.ValueAxis(), (ValueAxisSettings{{}, 0.0, 1.0, 0.25, "0%"}));
}

TEST(ChartModelTest, AutomaticMajorUnitFollowsTheData) {
  Chart chart(ChartType::kColumnStacked);
  std::vector<ChartSeries> series = TwoSeries();
  series[0].values.numbers = {20, 30, 10};
  series[1].values.numbers = {17, std::nullopt, 5};
  chart.SetSeries(series);
  // Stacked: the highest sum is 37; 0 to 37 takes steps of 5 (7.4 steps).
  EXPECT_DOUBLE_EQ(chart.ValueAxisMajorUnit(), 5);
  chart.SetType(ChartType::kColumnClustered);
  // Side by side the highest is 30: 0 to 30 in steps of 5 (6 steps; 2 would give 15).
  EXPECT_DOUBLE_EQ(chart.ValueAxisMajorUnit(), 5);
  chart.SetValueAxisMaximum(12);
  // 0 to 12: 2 gives 6 steps, 1 would give 12.
  EXPECT_DOUBLE_EQ(chart.ValueAxisMajorUnit(), 2);
}

TEST(ChartModelTest, CategoryTicks) {
  Chart chart(ChartType::kLine);
  EXPECT_TRUE(chart.CategoryAxis().major_tick_marks);
  chart.RemoveCategoryMajorTickMarks();
  EXPECT_FALSE(chart.CategoryAxis().major_tick_marks);
  EXPECT_THROW(chart.SetCategoryTickLabelSpacing(0), std::invalid_argument);
  EXPECT_THROW(chart.SetCategoryTickMarkSpacing(32000), std::invalid_argument);
  chart.SetCategoryTickLabelSpacing(1);
  chart.SetCategoryTickMarkSpacing(31999);
  EXPECT_EQ(chart.CategoryAxis().tick_label_spacing, 1);
  EXPECT_EQ(chart.CategoryAxis().tick_mark_spacing, 31999);
}

TEST(ChartModelTest, SourceDataGivesSeriesInRows) {
  // Row 1: ""    "Young" "Old"
  // Row 2: "Male"  0.25   (empty)
  // Row 3: "Female" 0.5   0.75
  std::map<CellRef, ChartCell> cells;
  cells[{1, 2}] = {std::string("Young"), "General"};
  cells[{1, 3}] = {std::string("Old"), "General"};
  cells[{2, 1}] = {std::string("Male"), "General"};
  cells[{2, 2}] = {0.25, "0%"};
  cells[{3, 1}] = {std::string("Female"), "General"};
  cells[{3, 2}] = {0.5, "0.0%"};
  cells[{3, 3}] = {0.75, "0.0%"};
  const ChartCellLookup lookup = [&](CellRef cell) {
    const auto found = cells.find(cell);
    return found == cells.end() ? ChartCell{} : found->second;
  };
  Chart chart;
  chart.SetSourceData("T1_Ch", {{1, 1}, {3, 3}}, lookup);
  ASSERT_EQ(chart.Series().size(), 2U);
  const ChartSeries& male = chart.Series()[0];
  EXPECT_EQ(male.name, (SeriesName{"'T1_Ch'!$A$2", "Male"}));
  EXPECT_EQ(male.categories.formula, "'T1_Ch'!$B$1:$C$1");
  EXPECT_EQ(male.categories.levels, (std::vector<std::vector<std::string>>{{"Young", "Old"}}));
  EXPECT_EQ(male.values.formula, "'T1_Ch'!$B$2:$C$2");
  EXPECT_EQ(male.values.format_code, "0%");
  EXPECT_EQ(male.values.numbers, (std::vector<std::optional<double>>{0.25, std::nullopt}));
  EXPECT_EQ(chart.Series()[1].values.format_code, "0.0%");
  EXPECT_THROW(chart.SetSourceData("T1_Ch", {{1, 1}, {1, 3}}, lookup), std::invalid_argument);
  EXPECT_THROW(chart.SetSourceData("T1_Ch", {{0, 1}, {3, 3}}, lookup), std::out_of_range);
  EXPECT_EQ(chart.Series().size(), 2U);
}

TEST(ChartModelTest, SourceDataWithTwoHeaderRowsGivesLevels) {
  // Row 1: ""      "North" ""      "South"
  // Row 2: ""      "Young" "Old"   "Young"
  // Row 3: "Male"   1       2       3
  std::map<CellRef, ChartCell> cells;
  cells[{1, 2}] = {std::string("North"), "General"};
  cells[{1, 4}] = {std::string("South"), "General"};
  cells[{2, 2}] = {std::string("Young"), "General"};
  cells[{2, 3}] = {std::string("Old"), "General"};
  cells[{2, 4}] = {std::string("Young"), "General"};
  cells[{3, 1}] = {std::string("Male"), "General"};
  cells[{3, 2}] = {1.0, "0"};
  cells[{3, 3}] = {2.0, "0"};
  cells[{3, 4}] = {3.0, "0"};
  const ChartCellLookup lookup = [&](CellRef cell) {
    const auto found = cells.find(cell);
    return found == cells.end() ? ChartCell{} : found->second;
  };
  Chart chart;
  chart.SetSourceData("Data's", {{1, 1}, {3, 4}}, lookup);
  ASSERT_EQ(chart.Series().size(), 1U);
  EXPECT_EQ(chart.Series()[0].categories.formula, "'Data''s'!$B$1:$D$2");
  EXPECT_EQ(chart.Series()[0].categories.levels,
            (std::vector<std::vector<std::string>>{{"North", "", "South"}, {"Young", "Old", "Young"}}));
}

}  // namespace
}  // namespace tabulo::office
