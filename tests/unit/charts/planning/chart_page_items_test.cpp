#include <gtest/gtest.h>

#include <stdexcept>

#include "chart_plan_fixture.h"

namespace tabulo::charts {
namespace {

using ChartPageItemsTest = testing::ChartPlanTest;

// The shape of a plan: "C1|" for chart 1 preceded by a page break, "C2" for
// chart 2 without, "N" for a note, "P" for a page break of its own.
std::string Shape(const TableChartPlan& plan) {
  std::string shape;
  for (const PlanItem& item : plan.items) {
    if (!shape.empty()) shape += ' ';
    if (const auto* chart = std::get_if<ChartItem>(&item)) {
      if (chart->page_break_before) shape += '|';
      shape += "C" + std::to_string(chart->number);
    } else if (std::holds_alternative<NoteItem>(item)) {
      shape += 'N';
    } else {
      shape += 'P';
    }
  }
  return shape;
}

class PageBreakTest : public testing::ChartPlanTest {
 protected:
  TableChartPlan TwoCharts(std::int32_t display_option) {
    settings_.category_structure = chart_structure::kPerElement;
    settings_.display_option = display_option;
    return Plan(testing::GenderByAge());
  }
};

TEST_F(PageBreakTest, ChartsAfterTheGridEachStartANewPage) {
  TableChartPlan plan = TwoCharts(display_option::kTableAndChart);
  EXPECT_EQ(plan.position, ChartPosition::kAfterGrid);
  EXPECT_EQ(Shape(plan), "|C1 |C2");
}

TEST_F(PageBreakTest, ChartsBeforeTheGridAreFollowedByAPageBreak) {
  TableChartPlan plan = TwoCharts(display_option::kChartAndTable);
  EXPECT_EQ(plan.position, ChartPosition::kBeforeGrid);
  EXPECT_EQ(Shape(plan), "C1 |C2 P");
}

TEST_F(PageBreakTest, ChartsAloneBreakBetweenChartsOnly) {
  TableChartPlan plan = TwoCharts(display_option::kChartOnly);
  EXPECT_EQ(plan.position, ChartPosition::kBeforeGrid);
  EXPECT_EQ(Shape(plan), "C1 |C2");
}

TEST_F(PageBreakTest, TheTableAloneHasNoCharts) {
  TableChartPlan plan = TwoCharts(display_option::kTableOnly);
  EXPECT_EQ(plan.position, ChartPosition::kNone);
  EXPECT_EQ(Shape(plan), "");
}

TEST_F(PageBreakTest, NoPageBreaksWhenPrintingBreaksAreOff) {
  settings_.printing_page_break = false;
  EXPECT_EQ(Shape(TwoCharts(display_option::kChartAndTable)), "C1 C2");
  EXPECT_EQ(Shape(TwoCharts(display_option::kTableAndChart)), "C1 C2");
}

TEST_F(PageBreakTest, NoClosingPageBreakWithoutCharts) {
  settings_.display_option = display_option::kChartAndTable;
  settings_.category_structure = chart_structure::kPerTable;
  settings_.rows_as_series = false;
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "Label=\"Male\" Type=\"Category\"", "Label=\"Male\" Type=\"Text\"");
  testing::ReplaceFirst(xml, "Label=\"Female\" Type=\"Category\"", "Label=\"Female\" Type=\"Text\"");
  EXPECT_EQ(Shape(Plan(xml)), "N");
}

TEST_F(ChartPageItemsTest, FilesAndLinksFromTheMainPage) {
  settings_.category_structure = chart_structure::kPerElement;
  settings_.files_folder_name = "My Report_files";
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "Name=\"T1\"", "Name=\"Brand awareness\"");
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 2u);
  EXPECT_EQ(charts[0].file, "Brand awareness_1.gif");
  EXPECT_EQ(charts[0].src, "My%20Report_files/Brand%20awareness_1.gif");
  EXPECT_EQ(charts[1].file, "Brand awareness_2.gif");
  EXPECT_EQ(charts[1].src, "My%20Report_files/Brand%20awareness_2.gif");
}

TEST_F(ChartPageItemsTest, LinksFromAPageInsideTheFilesFolder) {
  settings_.files_folder_name = "Report_files";
  settings_.page_in_files_folder = true;
  settings_.image_format = "PNG";
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "Name=\"T1\"", "Name=\"Table 1\"");
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 1u);
  EXPECT_EQ(charts[0].file, "Table 1_1.png");
  EXPECT_EQ(charts[0].src, "Table%201_1.png");
}

TEST_F(ChartPageItemsTest, TheImageLocationReplacesTheFolderInLinks) {
  settings_.files_folder_name = "Report_files";
  settings_.chart_image_location = "http://charts.example/survey 1/";
  settings_.image_format = "svg";
  auto charts = Charts(Plan(testing::GenderByAge()));
  ASSERT_EQ(charts.size(), 1u);
  EXPECT_EQ(charts[0].file, "T1_1.svg");
  EXPECT_EQ(charts[0].src, "http://charts.example/survey%201/T1_1.svg");
}

TEST_F(ChartPageItemsTest, TableNamesBecomeSafeFileNames) {
  settings_.files_folder_name = "R_files";
  std::string xml = testing::GenderByAge();
  testing::ReplaceFirst(xml, "Name=\"T1\"", "Name=\"../Q#1: 50%\"");
  auto charts = Charts(Plan(xml));
  ASSERT_EQ(charts.size(), 1u);
  // Separators, ".." and ":" become "_"; "#" and "%" stay in the file name
  // but are encoded in the link.
  EXPECT_EQ(charts[0].file, "___Q#1_ 50%_1.gif");
  EXPECT_EQ(charts[0].src, "R_files/___Q%231_%2050%25_1.gif");
}

TEST_F(ChartPageItemsTest, AGivenStemNamesTheImages) {
  settings_.files_folder_name = "R_files";
  settings_.image_file_stem = "T1_2";
  auto charts = Charts(Plan(testing::GenderByAge()));
  ASSERT_EQ(charts.size(), 1u);
  EXPECT_EQ(charts[0].file, "T1_2_1.gif");
}

TEST_F(ChartPageItemsTest, AnUnknownImageFormatIsRefused) {
  settings_.image_format = "bmp";
  const tables::CTable& table = Prepare(testing::GenderByAge());
  EXPECT_THROW(PlanTableCharts(table, settings_), std::invalid_argument);
}

}  // namespace
}  // namespace tabulo::charts
