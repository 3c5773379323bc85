#include <gtest/gtest.h>

#include "charts/planning/chart_number_format.h"
#include "charts/planning/picture_size.h"

namespace tabulo::charts {
namespace {

TEST(NumberFormatCodeTest, DecimalsAndPercentSign) {
  EXPECT_EQ(NumberFormatCode({false, false, -1}), "general");
  EXPECT_EQ(NumberFormatCode({false, false, 0}), "0");
  EXPECT_EQ(NumberFormatCode({false, false, 2}), "0.00");
  EXPECT_EQ(NumberFormatCode({true, true, 1}), "0.0\"%\"");
  EXPECT_EQ(NumberFormatCode({true, false, -1}), "general\"%\"");
}

TEST(NumberFormatCodeTest, AbsurdDecimalCountsAreCapped) {
  EXPECT_EQ(NumberFormatCode({false, false, 2'000'000'000}), "0." + std::string(30, '0'));
}

TEST(NumberFormatOfTest, ElementDecimalsWinThenItemDecimals) {
  tables::CCellItem col_percent(tables::CellItemType::kColPercent, 1);
  ChartNumberFormat format = NumberFormatOf(nullptr, col_percent, true);
  EXPECT_TRUE(format.percentage);
  EXPECT_TRUE(format.fixed_scale);
  EXPECT_EQ(format.decimals, 1);
  tables::CCellItem cum(tables::CellItemType::kCumRowPercent, 3);
  EXPECT_TRUE(NumberFormatOf(nullptr, cum, false).percentage);
  EXPECT_FALSE(NumberFormatOf(nullptr, cum, false).fixed_scale);
  tables::CCellItem mean(tables::CellItemType::kMean, 2);
  EXPECT_FALSE(NumberFormatOf(nullptr, mean, false).percentage);
}

TEST(PictureSizeTest, ALongLegendOnTheRightMakesThePictureTaller) {
  ChartLegend right{true, legend_position::kRight};
  EXPECT_EQ(FitLegendHeight(right, 11), 300);
  EXPECT_EQ(FitLegendHeight(right, 12), 318);
  EXPECT_EQ(PictureWidth(318), 636);
  EXPECT_EQ(FitLegendHeight(right, 30), 718);
  EXPECT_EQ(PictureWidth(718), 1024);
  EXPECT_EQ(FitLegendHeight(right, 40), 940);
  EXPECT_EQ(FitLegendHeight(right, 256), 5740);
}

TEST(PictureSizeTest, OtherLegendsKeepTheDefaultSize) {
  EXPECT_EQ(FitLegendHeight({true, legend_position::kBottom}, 40), 300);
  EXPECT_EQ(FitLegendHeight({false, legend_position::kRight}, 40), 300);
  EXPECT_EQ(PictureWidth(300), 600);
  EXPECT_EQ(PictureWidth(200), 600);
}

TEST(PictureSizeTest, PiesCountCategoriesAsLegendEntries) {
  ChartDescription pie;
  pie.type = chart_type::kPie;
  pie.categories = {"a", "b", "c"};
  pie.series = {{"s", {1, 2, 3}}};
  EXPECT_EQ(LegendEntries(pie), 3u);
  pie.type = chart_type::kLine;
  EXPECT_EQ(LegendEntries(pie), 1u);
}

}  // namespace
}  // namespace tabulo::charts
